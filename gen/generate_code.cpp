// The statement loop. In: the translated statement list. Out: the output
// code of every function, appended to the output-code list of the code
// section current at the function's start: the begin marker, the body, the
// return, the end marker. Section switches, labels, jumps, pragmas, no-ops
// and assembly blocks are handled here; a statement tree the loop cannot
// turn into code yet is dumped and reported with message 100, which stops
// the compilation.
#include <cstdlib>
#include <cstring>
#include <string>
#include <unordered_map>

#include "driver/diag.h"
#include "gen/gen.h"
#include "gen/gen_internal.h"
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

// One statement of a function body; the code, possibly none.
static ocode *s_body_statement(const pcodell_t *tree) {
  switch (tree->opcode) {
  case I_LABEL:
    return objLabel(tree->label, tree->line, tree->file);
  case I_JMP:
    return objBranchSymbol(tree->label, tree->line, tree->file);
  case I_ASM:
    return objInlineAssembly(tree->asm_block);
  case I_NOP:
  case I_PRAGMA:
    return nullptr;
  case I_SECTION:
    s_section(tree);
    return nullptr;
  default:
    s_cannot_reduce(tree);
  }
}

static bool s_is_interrupt(const SymbolRecord *fsym) {
  for (const InterruptRecord *r = trn_interrupt_list(); r; r = r->next)
    if (r->function == fsym)
      return true;
  return false;
}

// Whether the function needs no frame and no context saving: then its
// code is the body and RETURN 0. Frames and interrupt routines are built
// by the frame emitter, which is not part of the loop yet.
static bool s_frameless(const pcodell_t *begin) {
  const PcodellFunction &f = begin->function;
  return f.param_size + f.local_size == 0 && f.return_size <= 4 && !s_is_interrupt(f.sym);
}

static void s_begin_function(const pcodell_t *begin) {
  SymbolRecord *fsym = begin->function.sym;
  VELC_ASSERT(fsym != nullptr && s_code_section != nullptr);
  fsym->decl_flags |= DECL_DEFINED;
  free(fsym->code_section);
  fsym->code_section = strdup(s_code_section->name);
  if (!fsym->code_section)
    fatal_out_of_memory();
  if (!s_frameless(begin))
    s_cannot_reduce(begin);
}

// From an I_BFUNCT statement to its I_EFUNCT; returns the I_EFUNCT
// statement.
static StatementRecord *s_function(StatementRecord *s) {
  const pcodell_t *begin = s->tree;
  s_begin_function(begin);
  SectionRecord *section = s_code_section;
  SymbolRecord *fsym = begin->function.sym;
  ocode *code = objBeginFunct(fsym, begin->line, begin->file);
  for (s = s->next; s && s->tree->opcode != I_EFUNCT; s = s->next)
    code = objAppend(code, s_body_statement(s->tree));
  VELC_ASSERT(s != nullptr);
  const pcodell_t *end = s->tree;
  code = objAppend(code, objInst(iqx_RETURN(0), end->line, end->file));
  code = objAppend(code, objEndFunct(fsym, end->line, end->file));
  s_append_to_section(section, code);
  return s;
}

// A statement outside any function makes no code.
static void s_outside(const pcodell_t *tree) {
  switch (tree->opcode) {
  case I_SECTION:
    s_section(tree);
    break;
  case I_NOP:
  case I_PRAGMA:
    break;
  case I_LABEL:
  case I_JMP:
  case I_ASM:
  case I_EFUNCT:
    VELC_ASSERT(!"no code outside functions");
    break;
  default:
    s_cannot_reduce(tree);
  }
}

void genTranslate(StatementRecord *list) {
  gen_adopt_declared_registers();
  s_code_section = sym_get_default_code_section();
  s_tmpdata_name = ".tmpdata";
  s_section_tails.clear();
  for (StatementRecord *s = list; s; s = s->next) {
    if (s->tree->opcode == I_BFUNCT)
      s = s_function(s);
    else
      s_outside(s->tree);
  }
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
