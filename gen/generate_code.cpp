// The statement loop. In: the translated statement list. Out: the output
// code of every function, appended to the output-code list of the code
// section current at the function's start: the begin marker, the prologue,
// the body, the epilogue and return, the end marker. Each statement goes
// through the instruction selector; section switches only change the
// current sections; the temporary scopes open and close around the unit,
// around interrupt routines and around functions compiled under a
// temporary-data pragma.
#include <cstdlib>
#include <cstring>
#include <string>
#include <unordered_map>

#include "driver/diag.h"
#include "gen/gen.h"
#include "gen/frame.h"
#include "gen/gen_internal.h"
#include "gen/interrupt.h"
#include "gen/select.h"
#include "gen/temps.h"
#include "trans/trn_records.h"

namespace {

SectionRecord *s_code_section;  // the current code section
std::string s_tmpdata_name;     // the current temporary-data section name
std::unordered_map<SectionRecord *, ocode *> s_section_tails;
ocode *s_function_code;  // the function being generated (freed by genFree after an unwind)
ocode *s_function_body;  // its body, until the frame emitter takes it

}  // namespace

// Appends code behind the last node of a list; the new last node. Appending
// behind the known tail keeps a function of many statements linear.
static ocode *s_append_behind(ocode *last, ocode *code) {
  if (!code)
    return last;
  if (last)
    objAppend(last, code);
  for (last = code; last->next; last = last->next) {
  }
  return last;
}

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

static void s_section(const pcodell_t *tree) {
  SectionRecord *scn = tree->section;
  VELC_ASSERT(scn != nullptr);
  if (scn->kind == SECTION_CODE)
    s_code_section = scn;
  else if (scn->kind == SECTION_TMPDATA)
    s_tmpdata_name = scn->name;
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
}

// From an I_BFUNCT statement to its I_EFUNCT; returns the I_EFUNCT
// statement.
static StatementRecord *s_function(StatementRecord *s) {
  pcodell_t *begin = s->tree;
  s_begin_function(begin);
  SectionRecord *section = s_code_section;
  const PcodellFunction f = begin->function;
  std::string tmp_section = s_tmpdata_name;
  // An interrupt routine keeps its temporaries in a section of its own.
  const InterruptRecord *isr = isr_record(f.sym);
  bool pragma_tmp = !isr && tmp_section != ".tmpdata";
  if (isr)
    tmp_enter_int();
  else if (pragma_tmp)
    tmp_enter_pragmatmp();
  s_function_code = s_statement(begin);
  ocode *last = s_append_behind(nullptr, s_function_code);
  ocode *body_last = nullptr;
  for (s = s->next; s && s->tree->opcode != I_EFUNCT; s = s->next) {
    ocode *code = s_statement(s->tree);
    if (!s_function_body)
      s_function_body = code;
    body_last = s_append_behind(body_last, code);
  }
  VELC_ASSERT(s != nullptr);
  pcodell_t *end = s->tree;
  ocode *body = s_function_body;
  s_function_body = nullptr;
  ocode *whole = oqxProcessFunction(body, f.local_size, f.param_size, f.return_size, f.sym, begin->line,
                                    begin->file, end->line, end->file);
  if (!s_function_code)
    s_function_code = whole;
  last = s_append_behind(last, whole);
  ocode *end_code = s_statement(end);
  if (!s_function_code)
    s_function_code = end_code;
  s_append_behind(last, end_code);
  if (isr)
    tmp_exit_int(isr->tmp_section);
  else if (pragma_tmp)
    tmp_exit_pragmatmp(tmp_section.c_str());
  ocode *code = s_function_code;
  s_function_code = nullptr;
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
  objFree(s_function_code);
  s_function_code = nullptr;
  objFree(s_function_body);
  s_function_body = nullptr;
  s_code_section = nullptr;
  gen_free_symbols();
}
