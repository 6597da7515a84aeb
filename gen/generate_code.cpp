// The statement loop. In: the translated statement list. Out: the output
// code of every function, appended to the output-code list of the code
// section current at the function's start: the begin marker, the prologue,
// the body, the epilogue and return, the end marker. Each statement goes
// through the instruction selector; section switches only change the
// current sections; the temporary scopes open and close around the unit
// and around functions compiled under a temporary-data pragma.
#include <cstdlib>
#include <cstring>
#include <string>
#include <unordered_map>

#include "driver/diag.h"
#include "gen/gen.h"
#include "gen/frame.h"
#include "gen/gen_internal.h"
#include "gen/select.h"
#include "gen/temps.h"
#include "trans/trn_records.h"

namespace {

SectionRecord *s_code_section;  // the current code section
std::string s_tmpdata_name;     // the current temporary-data section name
std::unordered_map<SectionRecord *, ocode *> s_section_tails;

}  // namespace

static void s_append_to_section(SectionRecord *scn, ocode *code) {
  if (!code)
    return;
  ocode *&tail = s_section_tails[scn];
  if (!scn->code) {
    scn->code = code;
  } else {
    VELC_ASSERT(tail && !tail->next);
    objAppend(tail, code);
  }
  for (tail = code; tail->next; tail = tail->next) {
  }
}

// A tree the loop cannot reduce: the dump, then the fatal message.
[[noreturn]] static void s_cannot_reduce(const pcodell_t *tree) {
  yylineno = tree->line;
  if (tree->file)
    snprintf(yyfilename, sizeof yyfilename, "%s", tree->file);
  pcodell_dbg_dump_tree(tree);
  fflush(stdout);
  post_error(100, "unable to reduce tree:");
  VELC_ASSERT(!"message 100 returned");
}

static void s_section(const pcodell_t *tree) {
  SectionRecord *scn = tree->section;
  VELC_ASSERT(scn != nullptr);
  if (scn->kind == SECTION_CODE)
    s_code_section = scn;
  else if (scn->kind == SECTION_TMPDATA)
    s_tmpdata_name = scn->name;
}

static bool s_is_interrupt(const SymbolRecord *fsym) {
  for (const InterruptRecord *r = trn_interrupt_list(); r; r = r->next)
    if (r->function == fsym)
      return true;
  return false;
}

// One statement through the selector; its code, possibly none. Section
// switches are no grammar operator: they only change the current sections.
static ocode *s_statement(pcodell_t *tree) {
  if (tree->opcode == I_SECTION) {
    s_section(tree);
    return nullptr;
  }
  ocode *code = nullptr;
  sel_reduce_statement(tree, &code);
  return code;
}

static void s_begin_function(const pcodell_t *begin) {
  SymbolRecord *fsym = begin->function.sym;
  VELC_ASSERT(fsym != nullptr && s_code_section != nullptr);
  fsym->decl_flags |= DECL_DEFINED;
  free(fsym->code_section);
  fsym->code_section = strdup(s_code_section->name);
  if (!fsym->code_section)
    fatal_out_of_memory();
  // Interrupt routines need the context saving that the frame emitter
  // does not build yet.
  if (s_is_interrupt(fsym))
    s_cannot_reduce(begin);
}

// From an I_BFUNCT statement to its I_EFUNCT; returns the I_EFUNCT
// statement.
static StatementRecord *s_function(StatementRecord *s) {
  pcodell_t *begin = s->tree;
  s_begin_function(begin);
  SectionRecord *section = s_code_section;
  const PcodellFunction f = begin->function;
  std::string tmp_section = s_tmpdata_name;
  bool pragma_tmp = tmp_section != ".tmpdata";
  if (pragma_tmp)
    tmp_enter_pragmatmp();
  ocode *code = s_statement(begin);
  ocode *body = nullptr;
  for (s = s->next; s && s->tree->opcode != I_EFUNCT; s = s->next)
    body = objAppend(body, s_statement(s->tree));
  VELC_ASSERT(s != nullptr);
  pcodell_t *end = s->tree;
  code = objAppend(code, oqxProcessFunction(body, f.local_size, f.param_size, f.return_size, f.sym,
                                            begin->line, begin->file, end->line, end->file));
  code = objAppend(code, s_statement(end));
  if (pragma_tmp)
    tmp_exit_pragmatmp(tmp_section.c_str());
  s_append_to_section(section, code);
  return s;
}

// A statement outside any function makes no code.
static void s_outside(pcodell_t *tree) {
  ocode *code = s_statement(tree);
  VELC_ASSERT(code == nullptr && "no code outside functions");
}

void genTranslate(StatementRecord *list) {
  gen_adopt_declared_registers();
  s_code_section = sym_get_default_code_section();
  s_tmpdata_name = ".tmpdata";
  s_section_tails.clear();
  tmp_enter_main();
  for (StatementRecord *s = list; s; s = s->next) {
    if (s->tree->opcode == I_BFUNCT)
      s = s_function(s);
    else
      s_outside(s->tree);
  }
  tmp_exit_main();
}

void genFree() {
  if (section_set) {
    for (void *rec = list_first(section_set); rec; rec = list_next(rec)) {
      SectionRecord *scn = *static_cast<SectionRecord **>(rec);
      objFree(scn->code);
      scn->code = nullptr;
    }
  }
  s_section_tails.clear();
  s_code_section = nullptr;
  gen_free_symbols();
}
