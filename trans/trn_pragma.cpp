// Pragmas that act in source order. In: a pragma record from the syntax
// tree. Out: an I_SECTION statement for section and temporary-data
// directives, interrupt records (function, temporary-data section, save
// list) checked against the function's declaration, configuration
// settings merged into their bytes, and I_PRAGMA for anything else.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "driver/diag.h"
#include "front/pragma.h"
#include "front/pragma_config.h"
#include "trans/trans.h"
#include "trans/trn_internal.h"

namespace {

InterruptRecord *s_interrupts;  // newest first

SList s_one(pcodell_t *tree) {
  SList out;
  slist_add(out, tree);
  return out;
}

SList s_section(const pragma_record *r, long line, const char *file) {
  SymbolRecord *entry;
  if (r->kind == PRAGMA_TMPDATA) {
    entry = sym_enter_section(SECTION_TMPDATA, pragma_pool_get_text(r->u.tmpdata.section), false, true, false,
                              false, 0);
  } else {
    const pragma_section_words &s = r->u.section;
    SectionKind kind = static_cast<SectionKind>(s.type);
    if (kind < SECTION_CODE || kind > SECTION_ROMDATA)
      kind = SECTION_CODE;
    entry = sym_enter_section(kind, pragma_pool_get_text(s.name), false, s.overlay != 0, s.access != 0,
                              s.has_address != 0, static_cast<long>(s.address));
  }
  pcodell_t *p = trn_node(I_SECTION, nullptr, nullptr, line, file);
  // The default code section has no entry of its own; it is current now.
  p->section = entry ? entry->data.section : sym_get_current_code_scn();
  return s_one(p);
}

bool s_compiler_managed(const char *name) {
  for (int i = 0; i < compiler_managed_locations_count; i++)
    if (strcmp(compiler_managed_locations[i], name) == 0)
      return true;
  return false;
}

// The function named by the pragma, declared as void f(void) when unknown.
SymbolRecord *s_interrupt_function(const char *name, long line, const char *file) {
  SymbolRecord *sym = sym_lookup_sym(name, 2);
  if (sym)
    return sym;
  TypeRecord *f = type_copy(void_function_type);
  f->flags.function.has_prototype = 1;
  sym = sym_create_symbol(name, f, LINKAGE_EXTERNAL, EXTERN);
  sym_declare_symbol(sym, true, line, file);
  return sym;
}

bool s_check_interrupt_function(const SymbolRecord *sym) {
  const TypeRecord *t = sym->data.var.type;
  if (sym->type != VARIABLE || !t || t->type != FUNCTION_TYPE || (sym->flags & 1)) {
    post_error(1106, sym->name);
    return false;
  }
  bool ok = true;
  if (!is_type_void(t->next)) {
    post_error(1108);
    ok = false;
  }
  if (t->data.function.params || t->flags.function.is_ellipsis) {
    post_error(1107);
    ok = false;
  }
  return ok;
}

// A saved section becomes a data-memory symbol named after it.
SymbolRecord *s_section_symbol(const char *name) {
  std::string symbol = std::string(".") + name;
  TypeRecord *t = type_copy(char_type);
  t->location = RAM_LOC;
  t->range = FAR_RANGE;
  return sym_create_symbol(symbol.c_str(), t, LINKAGE_EXTERNAL, EXTERN);
}

void s_save_list(InterruptRecord *rec, pragma_ref first) {
  InterruptRecord::SaveItem **link = &rec->saves;
  for (pragma_save_item *item = pragma_pool_get_save_item(first); item;
       item = pragma_pool_get_save_item(item->next)) {
    const char *name = pragma_pool_get_text(item->name);
    if (!name)
      continue;
    SymbolRecord *sym = nullptr;
    long size = 0;
    if (item->kind == SAVE_SECTION) {
      sym = s_section_symbol(name);
    } else {
      sym = sym_lookup_sym(name, 0);
      if (!sym && !s_compiler_managed(name)) {
        post_error(1210, name);
        continue;
      }
      size = sym && sym->type == VARIABLE && sym->data.var.type ? ll_sizeof_type(sym->data.var.type) : 1;
    }
    auto *save = static_cast<InterruptRecord::SaveItem *>(calloc(1, sizeof(InterruptRecord::SaveItem)));
    if (!save)
      post_error(101);
    save->sym = sym;
    save->size = size;
    *link = save;
    link = &save->next;
  }
}

void sMarkFunctionAsInterrupt(SymbolRecord *fsym, const pragma_record *r, long line, const char *file) {
  auto *rec = static_cast<InterruptRecord *>(calloc(1, sizeof(InterruptRecord)));
  if (!rec)
    post_error(101);
  rec->function = fsym;
  const char *tmp = pragma_pool_get_text(r->u.interrupt.name);
  std::string name = tmp ? std::string(tmp) : std::string(fsym->name) + "_tmp";
  rec->tmp_section = strdup(name.c_str());
  rec->high_priority = static_cast<int>(r->u.interrupt.high_priority);
  rec->pragma_line = line;
  rec->pragma_file = strdup(file ? file : "");
  memcpy(rec->words, r, sizeof rec->words);
  rec->next = s_interrupts;
  s_interrupts = rec;
  s_save_list(rec, r->u.interrupt.save_list);
}

SList s_interrupt(const pragma_record *r, long line, const char *file) {
  if (trnInFunction()) {
    post_error(1208);
    return {};
  }
  const char *name = pragma_pool_get_text(r->u.interrupt.function);
  if (!name)
    return {};
  SymbolRecord *fsym = s_interrupt_function(name, line, file);
  if (s_check_interrupt_function(fsym))
    sMarkFunctionAsInterrupt(fsym, r, line, file);
  return {};
}

// Each setting is merged into its configuration byte; bits given twice are refused.
SList s_config(const pragma_record *r, long line, const char *file) {
  if (trnInFunction()) {
    post_error(1222);
  } else {
    for (const located_setting *s = pragma_config_settings(r); s; s = s->next)
      if (!s_set_config_value(s))
        post_error(1223, s->setting && s->setting->name ? s->setting->name : "");
  }
  return s_one(trn_node(I_NOP, nullptr, nullptr, line, file));
}

SList s_other(const pragma_record *r, long line, const char *file) {
  pcodell_t *p = trn_node(I_PRAGMA, nullptr, nullptr, line, file);
  memcpy(p->pragma_args, r, sizeof p->pragma_args);
  return s_one(p);
}

}  // namespace

SList trnPragma(const pragma_record *record, long line, const char *file) {
  yylineno = line;
  snprintf(yyfilename, sizeof yyfilename, "%s", file ? file : "");
  switch (record->kind) {
  case PRAGMA_SECTION: case PRAGMA_TMPDATA: return s_section(record, line, file);
  case PRAGMA_INTERRUPT: return s_interrupt(record, line, file);
  case PRAGMA_CONFIG: return s_config(record, line, file);
  default: return s_other(record, line, file);
  }
}

// Every interrupt function must be defined in the unit.
void sPostProcessInterruptList() {
  std::vector<SymbolRecord *> named, missing;  // source order, each function once
  for (InterruptRecord *rec = s_interrupts; rec; rec = rec->next)
    named.push_back(rec->function);
  for (auto it = named.rbegin(); it != named.rend(); ++it)
    if (!((*it)->decl_flags & DECL_DEFINED) && std::find(missing.begin(), missing.end(), *it) == missing.end())
      missing.push_back(*it);
  for (SymbolRecord *function : missing) {
    yylineno = function->line;
    snprintf(yyfilename, sizeof yyfilename, "%s", function->file ? function->file : "");
    post_error(1211, function->name);
  }
}

const InterruptRecord *trn_interrupt_list() { return s_interrupts; }

void trn_pragma_reset() {
  while (s_interrupts) {
    InterruptRecord *next = s_interrupts->next;
    while (s_interrupts->saves) {
      InterruptRecord::SaveItem *n = s_interrupts->saves->next;
      free(s_interrupts->saves);
      s_interrupts->saves = n;
    }
    free(s_interrupts->tmp_section);
    free(s_interrupts->pragma_file);
    free(s_interrupts);
    s_interrupts = next;
  }
}
