// The walk over expressions of the syntax tree. In: an expression node.
// Out: its low-level tree, built bottom-up in source order: each operand
// is translated first, then the handler of the operator is called with the
// translated operands. Values are rvalue-converted where a value is
// needed; the operands of &, sizeof, ++/--, assignments and member access
// keep their object form.
#include <cstdio>
#include <cstring>
#include <vector>

#include "driver/diag.h"
#include "trans/trans.h"
#include "trans/trn_internal.h"

namespace {

using Binary = pcodell_t *(*)(pcodell_t *, pcodell_t *, long, const char *);
using Unary = pcodell_t *(*)(pcodell_t *, long, const char *);

struct BinaryRow {
  int kind;
  Binary handler;
};
const BinaryRow s_binary_rows[] = {
    {H_ADD, trnAdd},           {H_SUB, trnSub},          {H_MUL, trnMul},
    {H_DIV, trnDiv},           {H_MOD, trnMod},          {H_SHL, trnShiftLeft},
    {H_SHR, trnShiftRight},    {H_BAND, trnBitwiseAnd},  {H_BOR, trnBitwiseOr},
    {H_BXOR, trnBitwiseXor},   {H_LT, trnLessThan},      {H_GT, trnGreaterThan},
    {H_LTE, trnLessThanEqual}, {H_GTE, trnGreaterThanEqual}, {H_EQ, trnEqual},
    {H_NE, trnNotEqual},       {H_LAND, trnLogicalAnd},  {H_LOR, trn_logical_or},
    {H_INDEX, trnIndex},       {H_COMMA, trnCommaExpression},
};

struct UnaryRow {
  int kind;
  Unary handler;
};
const UnaryRow s_unary_rows[] = {
    {H_MINUS, trnUnaryMinus}, {H_PLUS, trnUnaryPlus}, {H_BNOT, trnBitwiseNot},
    {H_LNOT, trnLogicalNot},  {H_INDIR, trnIndir},
};

Binary s_binary(int kind) {
  for (const BinaryRow &row : s_binary_rows)
    if (row.kind == kind)
      return row.handler;
  return nullptr;
}

Unary s_unary(int kind) {
  for (const UnaryRow &row : s_unary_rows)
    if (row.kind == kind)
      return row.handler;
  return nullptr;
}

pcodell_t *s_call(const pcodehl *e) {
  const pcodehl *callee_node = e->left;
  const char *direct = callee_node->kind == H_IDENT ? callee_node->u.ident.name : nullptr;
  pcodell_t *callee = direct ? trnIdent(direct, true, callee_node->line, callee_node->file)
                             : trn_walk_expr(callee_node);
  std::vector<pcodell_t *> args;
  for (const pcodehl *a = e->right; a && a->kind == H_ARG; a = a->right)
    args.push_back(trn_walk_expr(a->left));
  trn_set_position(e);
  return trn_call(callee, args.data(), static_cast<int>(args.size()), direct, e->line, e->file);
}

pcodell_t *s_cast(const pcodehl *e) {
  pcodell_t *x = trn_walk_expr(e->left);
  trn_set_position(e);
  TypeRecord *to = trn_keep(trnResolveType(e->u.decl.type, e->line, e->file));
  if (!to)
    return x;
  return trnCast(x, to, e->line, e->file);
}

pcodell_t *s_constant(const pcodehl *e) {
  int32_t code = e->u.cnst.type;
  if (code < S8 || code > F32)
    code = S16;
  if (code == F32)
    return trnConstant(F32, const_make_float(e->u.cnst.value.f), e->line, e->file);
  long v = code % 2 == 0 ? static_cast<long>(e->u.cnst.value.i) : static_cast<long>(e->u.cnst.value.u);
  return trnConstant(code, const_make(code, v), e->line, e->file);
}

pcodell_t *s_conditional(const pcodehl *e) {
  pcodell_t *c = trn_walk_expr(e->left);
  pcodell_t *t = trn_walk_expr(e->right->left);
  pcodell_t *f = trn_walk_expr(e->right->right);
  trn_set_position(e);
  return trnConditional(c, t, f, e->line, e->file);
}

// A node kind the walk does not expect as an expression.
pcodell_t *s_unexpected(const pcodehl *e) {
  post_error(100, "unhandled opcode in constant expression");
  return trn_int_constant(S8, 0, e->line, e->file);
}

pcodell_t *s_other(const pcodehl *e) {
  long line = e->line;
  const char *file = e->file;
  switch (e->kind) {
  case H_IDENT: trn_set_position(e); return trnIdent(e->u.ident.name, e->u.ident.called != 0, line, file);
  case H_CNST: return s_constant(e);
  case H_STRING: return trnStringLiteral(e->u.string.bytes, e->u.string.count, line, file);
  case H_CALL: return s_call(e);
  case H_CAST: return s_cast(e);
  case H_COND: return s_conditional(e);
  case H_SIZEOFTYPE: trn_set_position(e); return trn_sizeof_type(e->u.decl.type, line, file);
  case H_SIZEOFEXPR: {
    pcodell_t *x = trn_walk_lvalue(e->left);
    trn_set_position(e);
    return trnSizeofExpression(x, line, file);
  }
  case H_REF: {
    pcodell_t *x = trn_walk_lvalue(e->left);
    trn_set_position(e);
    return trnReference(x, line, file);
  }
  case H_PREINC: case H_PSTINC: case H_PREDEC: case H_PSTDEC: {
    pcodell_t *x = trn_walk_lvalue(e->left);
    trn_set_position(e);
    return trnIncDec(e->kind, x, line, file);
  }
  case H_MEMBER: {
    pcodell_t *x = trn_walk_expr(e->left);
    trn_set_position(e);
    return trnMemberAccess(x, e->u.member.name, e->u.member.dot != 0, line, file);
  }
  case H_ASSIGN: {
    pcodell_t *l = trn_walk_lvalue(e->left);
    pcodell_t *r = trn_walk_expr(e->right);
    trn_set_position(e);
    return trnAssign(l, r, line, file);
  }
  default: break;
  }
  if (e->kind >= H_MULA && e->kind <= H_XORA) {
    pcodell_t *l = trn_walk_lvalue(e->left);
    pcodell_t *r = trn_walk_expr(e->right);
    trn_set_position(e);
    return trnCompoundAssign(e->kind, l, r, line, file);
  }
  return s_unexpected(e);
}

}  // namespace

// Diagnostics of a handler carry the position of its construct.
// Consecutive constructs nearly always come from the same file, so the
// name is copied only when it changes.
void trn_set_position(const pcodehl *node) {
  yylineno = node->line;
  const char *file = node->file ? node->file : "";
  if (strcmp(yyfilename, file) == 0)
    return;
  size_t n = strnlen(file, sizeof yyfilename - 1);
  memcpy(yyfilename, file, n);
  yyfilename[n] = '\0';
}

// Expressions nest at most this deep: deeper ones (a sum of thousands of
// terms, say) are refused so that no later recursive pass over the tree can
// exhaust the host stack.
constexpr int MAX_EXPRESSION_DEPTH = 1000;
static int s_depth;
static bool s_too_deep_reported;  // once per outermost expression

namespace {
struct DepthGuard {
  DepthGuard() { s_depth++; }
  ~DepthGuard() {
    if (--s_depth == 0)
      s_too_deep_reported = false;
  }
};
}  // namespace

pcodell_t *trn_walk_lvalue(const pcodehl *e) {
  VELC_ASSERT(e != nullptr);
  DepthGuard guard;
  if (s_depth > MAX_EXPRESSION_DEPTH) {
    trn_set_position(e);
    if (!s_too_deep_reported)
      post_error(1000, "expression too complex");
    s_too_deep_reported = true;
    return trn_int_constant(S16, 0, e->line, e->file);
  }
  if (Binary handler = s_binary(e->kind)) {
    pcodell_t *l = trn_walk_expr(e->left);
    pcodell_t *r = trn_walk_expr(e->right);
    trn_set_position(e);
    return handler(l, r, e->line, e->file);
  }
  if (Unary handler = s_unary(e->kind)) {
    pcodell_t *x = trn_walk_expr(e->left);
    trn_set_position(e);
    return handler(x, e->line, e->file);
  }
  return s_other(e);
}

pcodell_t *trn_walk_expr(const pcodehl *e) { return trnLvalueToRvalue(trn_walk_lvalue(e)); }
