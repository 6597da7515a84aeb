// The optimiser's phase. In: every code section's output code after code
// generation, the varlocate list. Out: marked symbols, canonical symbol
// references, and every branch resolved. The optimisation passes proper
// are not part of the phase yet: with optimisation on or off, the code
// goes through literal-branch conversion and branch resolution only.
#include <cstdlib>
#include <cstring>

#include "driver/diag.h"
#include "opt/opt.h"

static char *s_copy(const char *text) {
  char *copy = strdup(text ? text : "");
  if (!copy)
    fatal_out_of_memory();
  return copy;
}

void opt_apply_varlocate() {
  for (const varlocate_entry *e = opt_varlocate_first(); e; e = e->next) {
    SymbolRecord *sym = sym_lookup_sym(e->name, 0);
    if (!sym) {
      yywarning("symbol '%s' unknown in varlocate", e->name);
      continue;
    }
    VELC_ASSERT(e->kind == VARLOCATE_BANK || e->kind == VARLOCATE_SECTION);
    if (e->kind == VARLOCATE_BANK) {
      sym->bank_located = 1;
      sym->located_bank = e->value;
    } else {
      sym->section_located = 1;
      free(sym->located_section);
      sym->located_section = s_copy(e->section);
    }
  }
}

void optimize_assembly() {
  opt_apply_varlocate();
  opt_normalize_all_symrefs();
  if (!section_set)
    return;
  for (void *rec = list_first(section_set); rec; rec = list_next(rec)) {
    SectionRecord *scn = *static_cast<SectionRecord **>(rec);
    if (scn->kind != SECTION_CODE || !scn->code)
      continue;
    scn->code = opt_convert_literal_branches(scn->code);
    scn->code = opt_resolve_branches(scn->code);
  }
}
