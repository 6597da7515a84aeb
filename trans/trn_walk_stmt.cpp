// The walk over statements and blocks. In: a statement node of the syntax
// tree. Out: its statement list, built bottom-up: conditions and bodies are
// translated first and handed to the statement handlers; loop labels are
// made before a loop's body and the switch record is opened before the
// switch body, so break, continue and case find them.
#include <vector>

#include "driver/diag.h"
#include "trans/trans.h"
#include "trans/trn_internal.h"

namespace {

// The items of a left-growing list, first item first.
std::vector<const pcodehl *> s_items(const pcodehl *list, int kind) {
  std::vector<const pcodehl *> out;
  const pcodehl *p = list;
  for (; p && p->kind == kind; p = p->left)
    out.push_back(p->right);
  if (p)
    out.push_back(p);
  return {out.rbegin(), out.rend()};
}

// The value of an expression statement is discarded: no conversion of it.
SList s_expression_statement(const pcodehl *s) {
  SList out;
  slist_add(out, trn_walk_lvalue(s));
  return out;
}

pcodell_t *s_optional_effect(const pcodehl *e) { return e && e->kind != H_NOP ? trn_walk_lvalue(e) : nullptr; }

pcodell_t *s_optional(const pcodehl *e) { return e && e->kind != H_NOP ? trn_walk_expr(e) : nullptr; }

SList s_if_else(const pcodehl *s) {
  pcodell_t *cond = trn_walk_expr(s->left);
  const pcodehl *else_node = s->right;
  SList then = trn_walk_stmt(else_node->left);
  SList otherwise = trn_walk_stmt(else_node->right);
  const pcodehl *e = else_node->right;
  trn_set_position(s);
  return trnIfElseStatement(cond, then, otherwise, e ? e->line : else_node->line, e ? e->file : else_node->file,
                            s->line, s->file);
}

SList s_while(const pcodehl *s) {
  pcodell_t *cond = trn_walk_expr(s->left);
  SymbolRecord *cont, *brk;
  trnEnterLoopStatement("while", &cont, &brk);
  SList body = trn_walk_stmt(s->right);
  trn_set_position(s);
  return trnWhileStatement(cond, body, s->line, s->file);
}

SList s_do(const pcodehl *s) {
  SymbolRecord *cont, *brk;
  trnEnterLoopStatement("while", &cont, &brk);
  SList body = trn_walk_stmt(s->right);
  pcodell_t *cond = trn_walk_expr(s->left);
  trn_set_position(s);
  return trnDoWhileStatement(body, cond, s->line, s->file);
}

SList s_for(const pcodehl *s) {
  const pcodehl *test = s->right, *post = test->right;
  pcodell_t *init = s_optional_effect(s->left);
  pcodell_t *cond = s_optional(test->left);
  pcodell_t *step = s_optional_effect(post->left);
  SymbolRecord *cont, *brk;
  trnEnterLoopStatement("while", &cont, &brk);
  SList body = trn_walk_stmt(post->right);
  trn_set_position(s);
  return trnForStatement(init, cond, step, body, s->line, s->file);
}

SList s_switch(const pcodehl *s) {
  pcodell_t *value = trn_walk_expr(s->left);
  trn_set_position(s);
  pcodell_t *expr = trnSwitchStatementBegin(value, s->line, s->file);
  SList body = trn_walk_stmt(s->right);
  trn_set_position(s);
  return trnSwitchStatementEnd(expr, body, s->line, s->file);
}

SList s_case(const pcodehl *s) {
  pcodell_t *value = trn_walk_expr(s->left);
  SList stmt = trn_walk_stmt(s->right);
  trn_set_position(s);
  return trnCaseStatement(value, stmt, s->line, s->file);
}

SList s_block(const pcodehl *s) {
  sym_begin_block(s->line, s->file);
  SList out = trn_walk_declarations(s->left);
  slist_cat(out, trn_walk_stmt(s->right));
  sym_end_block(s->u.close.line, s->u.close.file);
  return out;
}

// Takes the assembly block out of the syntax tree: the I_ASM statement
// carries it to the code generator after the tree is freed.
SList s_asm(const pcodehl *s) {
  asm_entry *entries = s->u.asmblock.entries;
  const_cast<pcodehl *>(s)->u.asmblock.entries = nullptr;
  return trnAssembly(entries, s->line, s->file);
}

SList s_list(const pcodehl *s) {
  SList out;
  for (const pcodehl *item : s_items(s, H_STMTLST))
    slist_cat(out, trn_walk_stmt(item));
  return out;
}

}  // namespace

// The handler runs at its statement's position (after the parts, which moved it).
static SList s_statement(const pcodehl *s);

SList trn_walk_stmt(const pcodehl *s) {
  if (!s)
    return {};
  SList out = s_statement(s);
  return out;
}

static SList s_statement(const pcodehl *s) {
  trn_set_position(s);
  long line = s->line;
  const char *file = s->file;
  switch (s->kind) {
  case H_NOP: return trnNop(line, file);
  case H_STMTLST: return s_list(s);
  case H_CSTMT: return s_block(s);
  case H_IF: {
    pcodell_t *cond = trn_walk_expr(s->left);
    SList then = trn_walk_stmt(s->right);
    trn_set_position(s);
    return trnIfStatement(cond, then, line, file);
  }
  case H_IFE: return s_if_else(s);
  case H_WHILE: return s_while(s);
  case H_DO: return s_do(s);
  case H_FORPRE: return s_for(s);
  case H_SWITCH: return s_switch(s);
  case H_CASE: return s_case(s);
  case H_DEFAULT: {
    SList stmt = trn_walk_stmt(s->left);
    trn_set_position(s);
    return trnDefaultStatement(stmt, line, file);
  }
  case H_BREAK: return trnBreakStatement(line, file);
  case H_CONTINUE: return trnContinueStatement(line, file);
  case H_RETURN: {
    pcodell_t *value = s_optional(s->left);
    trn_set_position(s);
    return trnReturnStatement(value, line, file);
  }
  case H_JMP: return trnJumpStatement(s->left->u.ident.name, line, file);
  case H_LABEL: {
    SList stmt = trn_walk_stmt(s->left);
    trn_set_position(s);
    return trnLabel(s->u.label.name, stmt, line, file);
  }
  case H_ASM: return s_asm(s);
  case H_PRAGMA: return trnPragma(&s->u.pragma, line, file);
  case H_DECL: case H_DECLLST: return trn_walk_declarations(s);
  default: return s_expression_statement(s);
  }
}

SList trn_walk_declarations(const pcodehl *d) {
  SList out;
  for (const pcodehl *item : s_items(d, H_DECLLST)) {
    if (!item || item->kind == H_NOP)
      continue;
    if (item->kind == H_PRAGMA)
      slist_cat(out, trnPragma(&item->u.pragma, item->line, item->file));
    else if (item->kind == H_DECL)
      slist_cat(out, trn_declaration(item));
    else
      slist_cat(out, trn_walk_stmt(item));
  }
  return out;
}
