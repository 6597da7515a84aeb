// Statements. In: translated conditions and statement lists. Out: the
// statement list with I_IF, I_JMP and I_LABEL statements for if, loops,
// break and continue, with dead branches of constant conditions kept as
// unreachable code behind a jump; goto and labels with forward references.
#include <cstring>
#include <vector>

#include "driver/diag.h"
#include "trans/trans.h"
#include "trans/trn_internal.h"

static std::vector<SymbolRecord *> sBreakStack, sContinueStack;

static SList s_one(pcodell_t *tree) {
  SList l;
  slist_add(l, tree);
  return l;
}

static void s_drop(pcodell_t *tree) { trn_free(tree); }

SList trnNop(long line, const char *file) { return s_one(trn_node(I_NOP, nullptr, nullptr, line, file)); }

// IF test(not cond) -> label: an I_IF jumps when its condition holds.
static pcodell_t *s_if_false(pcodell_t *cond, SymbolRecord *label, long line, const char *file) {
  return ll_if(trnTest(trnLogicalNot(cond, line, file), line, file), label, line, file);
}

SList trnIfStatement(pcodell_t *cond, SList then, long line, const char *file) {
  if (!is_type_scalar(cond->type)) {
    post_error(1117);
    s_drop(cond);
    return then;
  }
  if (is_pcodell_constant(cond)) {
    bool v = trn_constant_true(cond);
    s_drop(cond);
    if (v)
      return then;
    SymbolRecord *l = trn_new_label("if");
    SList out = s_one(ll_jump(l, line, file));
    slist_cat(out, then);
    slist_add(out, ll_label(l, line, file));
    return out;
  }
  SymbolRecord *l = trn_new_label("if");
  SList out = s_one(s_if_false(cond, l, line, file));
  slist_cat(out, then);
  slist_add(out, ll_label(l, line, file));
  return out;
}

SList trnIfElseStatement(pcodell_t *cond, SList then, SList otherwise, long else_line, const char *else_file,
                         long line, const char *file) {
  if (!is_type_scalar(cond->type)) {
    post_error(1117);
    s_drop(cond);
    slist_cat(then, otherwise);
    return then;
  }
  SymbolRecord *else_part = trn_new_label("if");
  SymbolRecord *end = trn_new_label("else");
  long jmp_line = line;
  if (else_line > line && else_file && file && strcmp(else_file, file) == 0)
    jmp_line = else_line - 1;
  SList out;
  bool constant_true = false;
  if (is_pcodell_constant(cond)) {
    constant_true = trn_constant_true(cond);
    s_drop(cond);
    post_error(constant_true ? 2056 : 2055);
    if (!constant_true)
      slist_add(out, ll_jump(else_part, line, file));
  } else {
    slist_add(out, s_if_false(cond, else_part, line, file));
  }
  slist_cat(out, then);
  slist_add(out, ll_jump(end, jmp_line, file));
  if (!constant_true)
    slist_add(out, ll_label(else_part, else_line, else_file ? else_file : file));
  slist_cat(out, otherwise);
  slist_add(out, ll_label(end, line, file));
  return out;
}

void trnEnterLoopStatement(const char *prefix, SymbolRecord **cont, SymbolRecord **brk) {
  *cont = trn_new_label(prefix);
  *brk = trn_new_label(prefix);
  sContinueStack.push_back(*cont);
  sBreakStack.push_back(*brk);
}

// The loop handlers pop the labels pushed by trnEnterLoopStatement.
static void s_pop_loop(SymbolRecord **cont, SymbolRecord **brk) {
  VELC_ASSERT(!sContinueStack.empty() && !sBreakStack.empty());
  *cont = sContinueStack.back();
  *brk = sBreakStack.back();
  sContinueStack.pop_back();
  sBreakStack.pop_back();
}

// The test at the top of while and for: a constant true condition needs no
// test, a constant false one jumps straight out.
static void s_loop_test(SList &out, pcodell_t *cond, long msg, SymbolRecord *brk, long line, const char *file) {
  if (!cond)
    return;
  if (!is_type_scalar(cond->type)) {
    post_error(msg);
    s_drop(cond);
    return;
  }
  if (is_pcodell_constant(cond)) {
    bool v = trn_constant_true(cond);
    s_drop(cond);
    if (!v)
      slist_add(out, ll_jump(brk, line, file));
    return;
  }
  slist_add(out, s_if_false(cond, brk, line, file));
}

SList trnWhileStatement(pcodell_t *cond, SList body, long line, const char *file) {
  SymbolRecord *cont, *brk;
  s_pop_loop(&cont, &brk);
  SList out = s_one(ll_label(cont, line, file));
  s_loop_test(out, cond, 1118, brk, line, file);
  slist_cat(out, body);
  slist_add(out, ll_jump(cont, line, file));
  slist_add(out, ll_label(brk, line, file));
  return out;
}

SList trnDoWhileStatement(SList body, pcodell_t *cond, long line, const char *file) {
  SymbolRecord *cont, *brk;
  s_pop_loop(&cont, &brk);
  SymbolRecord *top = trn_new_label("do");
  SList out = s_one(ll_label(top, line, file));
  slist_cat(out, body);
  slist_add(out, ll_label(cont, line, file));
  if (!is_type_scalar(cond->type)) {
    post_error(1119);
    s_drop(cond);
  } else if (is_pcodell_constant(cond)) {
    bool v = trn_constant_true(cond);
    s_drop(cond);
    if (v)
      slist_add(out, ll_jump(top, line, file));
  } else {
    slist_add(out, ll_if(trnTest(cond, line, file), top, line, file));
  }
  slist_add(out, ll_label(brk, line, file));
  return out;
}

SList trnForStatement(pcodell_t *init, pcodell_t *cond, pcodell_t *step, SList body, long line, const char *file) {
  SymbolRecord *cont, *brk;
  s_pop_loop(&cont, &brk);
  SymbolRecord *top = trn_new_label("for");
  SList out = s_one(init ? init : trn_node(I_NOP, nullptr, nullptr, line, file));
  slist_add(out, ll_label(top, line, file));
  s_loop_test(out, cond, 1120, brk, line, file);
  slist_cat(out, body);
  slist_add(out, ll_label(cont, line, file));
  slist_add(out, step);
  slist_add(out, ll_jump(top, line, file));
  slist_add(out, ll_label(brk, line, file));
  return out;
}

SList trnBreakStatement(long line, const char *file) {
  if (sBreakStack.empty()) {
    post_error(1125);
    return trnNop(line, file);
  }
  return s_one(ll_jump(sBreakStack.back(), line, file));
}

SList trnContinueStatement(long line, const char *file) {
  if (sContinueStack.empty()) {
    post_error(1126);
    return trnNop(line, file);
  }
  return s_one(ll_jump(sContinueStack.back(), line, file));
}

void trn_push_break(SymbolRecord *label) { sBreakStack.push_back(label); }
void trn_pop_break() {
  VELC_ASSERT(!sBreakStack.empty());
  sBreakStack.pop_back();
}
void trn_loop_stacks_reset() {
  sBreakStack.clear();
  sContinueStack.clear();
}
