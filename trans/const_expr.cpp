// Constant expressions. In: a syntax-tree expression that must be constant
// (an array bound, a bit-field width, an enumerator value, a case label).
// Out: a constant node of the low-level tree, folded in the operands' width
// after the usual arithmetic conversions; when the expression is not a
// constant, 1219 and the constant 1 (code S8).
#include <cstdlib>
#include <cstring>

#include "driver/diag.h"
#include "trans/trans.h"

namespace {

// Integer and float types of the value-type codes, owned here.
TypeRecord *s_code_types[9];

pcodell_t *s_build(const pcodehl *e);

pcodell_t *s_constant(int32_t code, ConstValue v, const pcodehl *at) {
  return trnConstant(code, v, at ? at->line : yylineno, at ? at->file : yyfilename);
}

ConstValue s_value(const pcodell_t *c) { return c->data.expr.cnst.value; }

bool s_is_signed_code(int32_t code) { return code % 2 == 0 || code == F32; }

long long s_read(const ConstValue &v) {
  return s_is_signed_code(v.code) ? get_signed_constant_value(v.code, v)
                                  : static_cast<long long>(get_unsigned_constant_value(v.code, v));
}

pcodell_t *s_truth(bool value, const pcodehl *at) {
  int32_t code = type_const_code(char_type);
  return s_constant(code, const_make(code, value ? 1 : 0), at);
}

pcodell_t *s_from_hl_constant(const pcodehl *e) {
  int32_t code = e->u.cnst.type;
  if (code == F32)
    return s_constant(F32, const_make_float(e->u.cnst.value.f), e);
  long v = code % 2 == 0 ? static_cast<long>(e->u.cnst.value.i) : static_cast<long>(e->u.cnst.value.u);
  return s_constant(code, const_make(code, v), e);
}

pcodell_t *s_identifier(const pcodehl *e) {
  SymbolRecord *sym = sym_lookup_sym(e->u.ident.name, 0);
  if (!sym || !(sym->flags & 1))
    return nullptr;
  return s_constant(sym->constant.code, sym->constant, e);
}

pcodell_t *s_sizeof_expression(const pcodehl *e) {
  const pcodehl *operand = e->left;
  long size = -1;
  if (operand && operand->kind == H_IDENT) {
    SymbolRecord *sym = sym_lookup_sym(operand->u.ident.name, 0);
    if (sym && sym->type == VARIABLE && sym->data.var.type)
      size = ll_sizeof_type(sym->data.var.type);
  } else if (operand && operand->kind == H_STRING) {
    size = operand->u.string.count + 1;
  }
  return size < 0 ? nullptr : s_constant(U16, const_make(U16, size), e);
}

// Folds a binary operator on two constants of one code; null when the
// result is not a constant (division by zero).
pcodell_t *s_fold(int kind, pcodell_t *l, pcodell_t *r, const pcodehl *at) {
  ConstValue a = s_value(l), b = s_value(r);
  int32_t code = a.code;
  if (code == F32) {
    float x = a.value.f, y = b.value.f;
    switch (kind) {
    case H_ADD: return s_constant(F32, const_make_float(x + y), at);
    case H_SUB: return s_constant(F32, const_make_float(x - y), at);
    case H_MUL: return s_constant(F32, const_make_float(x * y), at);
    case H_DIV: return y == 0.0f ? nullptr : s_constant(F32, const_make_float(x / y), at);
    case H_EQ: return s_truth(x == y, at);
    case H_NE: return s_truth(x != y, at);
    case H_LT: return s_truth(x < y, at);
    case H_GT: return s_truth(x > y, at);
    case H_LTE: return s_truth(x <= y, at);
    case H_GTE: return s_truth(x >= y, at);
    default: return nullptr;
    }
  }
  long long x = s_read(a), y = s_read(b);
  long long v;
  switch (kind) {
  case H_ADD: v = x + y; break;
  case H_SUB: v = x - y; break;
  case H_MUL: v = x * y; break;
  case H_DIV: if (y == 0) return nullptr; v = x / y; break;
  case H_MOD: if (y == 0) return nullptr; v = x % y; break;
  case H_BAND: v = x & y; break;
  case H_BOR: v = x | y; break;
  case H_BXOR: v = x ^ y; break;
  case H_EQ: return s_truth(x == y, at);
  case H_NE: return s_truth(x != y, at);
  case H_LT: return s_truth(x < y, at);
  case H_GT: return s_truth(x > y, at);
  case H_LTE: return s_truth(x <= y, at);
  case H_GTE: return s_truth(x >= y, at);
  default: return nullptr;
  }
  return s_constant(code, const_make(code, static_cast<long>(v)), at);
}

pcodell_t *s_shift(int kind, pcodell_t *l, pcodell_t *r, const pcodehl *at) {
  ConstValue a = s_value(l);
  if (a.code == F32 || s_value(r).code == F32)
    return nullptr;
  long long count = s_read(s_value(r)) & 0xFF;
  long long x = s_read(a);
  long long v = count >= 32 ? (kind == H_SHR && x < 0 ? -1 : 0) : kind == H_SHL ? x << count : x >> count;
  return s_constant(a.code, const_make(a.code, static_cast<long>(v)), at);
}

pcodell_t *s_binary(const pcodehl *e) {
  pcodell_t *l = s_build(e->left);
  pcodell_t *r = l ? s_build(e->right) : nullptr;
  pcodell_t *result = nullptr;
  if (l && r) {
    if (e->kind == H_LAND || e->kind == H_LOR) {
      bool a = s_read(s_value(l)) != 0, b = s_read(s_value(r)) != 0;
      result = s_truth(e->kind == H_LAND ? a && b : a || b, e);
    } else if (e->kind == H_SHL || e->kind == H_SHR) {
      l = trn_integer_promotion(l);
      result = s_shift(e->kind, l, r, e);
    } else {
      trnUsualArithmeticConversions(&l, &r);
      result = s_fold(e->kind, l, r, e);
    }
  }
  pcodellFreeTree(l);
  pcodellFreeTree(r);
  return result;
}

pcodell_t *s_unary(const pcodehl *e) {
  pcodell_t *v = s_build(e->left);
  if (!v)
    return nullptr;
  ConstValue c = s_value(v);
  pcodell_t *result = nullptr;
  if (e->kind == H_LNOT)
    result = s_truth(c.code == F32 ? c.value.f == 0.0f : s_read(c) == 0, e);
  else if (e->kind == H_PLUS)
    return v;
  else if (c.code == F32)
    result = e->kind == H_MINUS ? s_constant(F32, const_make_float(-c.value.f), e) : nullptr;
  else
    result = s_constant(c.code, const_make(c.code, static_cast<long>(e->kind == H_MINUS ? -s_read(c) : ~s_read(c))), e);
  pcodellFreeTree(v);
  return result;
}

pcodell_t *s_cast(const pcodehl *e) {
  // The operand of a cast node is its left child; the target type is in the payload.
  pcodell_t *v = s_build(e->left);
  if (!v)
    return nullptr;
  TypeRecord *to = trnResolveType(e->u.decl.type, e->line, e->file);
  if (!to || !is_type_scalar(to) || to->type == POINTER_TYPE) {
    type_free(to);
    return v;  // only arithmetic casts change a constant's value here
  }
  v = ll_cast(v, ll_get_constant_type(type_const_code(to)));
  type_free(to);
  return v;
}

pcodell_t *s_conditional(const pcodehl *e) {
  pcodell_t *c = s_build(e->left);
  if (!c || !e->right)
    return pcodellFreeTree(c), nullptr;
  bool truth = s_value(c).code == F32 ? s_value(c).value.f != 0.0f : s_read(s_value(c)) != 0;
  pcodellFreeTree(c);
  return s_build(truth ? e->right->left : e->right->right);
}

pcodell_t *s_build(const pcodehl *e) {
  if (!e)
    return nullptr;
  switch (e->kind) {
  case H_CNST: return s_from_hl_constant(e);
  case H_IDENT: return s_identifier(e);
  case H_SIZEOFTYPE: return trn_sizeof_type(e->u.decl.type, e->line, e->file);
  case H_SIZEOFEXPR: return s_sizeof_expression(e);
  case H_CAST: return s_cast(e);
  case H_COND: return s_conditional(e);
  case H_MINUS: case H_PLUS: case H_BNOT: case H_LNOT: return s_unary(e);
  case H_ADD: case H_SUB: case H_MUL: case H_DIV: case H_MOD: case H_BAND: case H_BOR: case H_BXOR:
  case H_SHL: case H_SHR: case H_EQ: case H_NE: case H_LT: case H_GT: case H_LTE: case H_GTE:
  case H_LAND: case H_LOR:
    return s_binary(e);
  default: return nullptr;  // not a constant
  }
}

}  // namespace

TypeRecord *ll_get_constant_type(int32_t code) {
  VELC_ASSERT(code >= S8 && code <= F32);
  if (!s_code_types[code]) {
    bool is_signed = code % 2 == 0 || code == F32;
    switch (code) {
    case S8: case U8: s_code_types[code] = type_basic(BT_CHAR, is_signed, false, false); break;
    case S16: case U16: s_code_types[code] = type_basic(BT_INT, is_signed, false, false); break;
    case S24: case U24: s_code_types[code] = type_basic(BT_INT, is_signed, true, true); break;
    case S32: case U32: s_code_types[code] = type_basic(BT_INT, is_signed, false, true); break;
    default: s_code_types[code] = type_basic(BT_FLOAT, true, false, false); break;
    }
  }
  return s_code_types[code];
}

void ll_free_constant_types() {
  for (TypeRecord *&t : s_code_types) {
    type_free(t);
    t = nullptr;
  }
}

pcodell_t *trnConstant(int32_t code, ConstValue value, long line, const char *file) {
  static const PcodellOp ops[] = {I_CNST8, I_CNST8, I_CNST16, I_CNST16, I_CNST24, I_CNST24, I_CNST32, I_CNST32, I_CNSTF};
  VELC_ASSERT(code >= S8 && code <= F32);
  pcodell_t *c = pcodell_create(ops[code], nullptr, nullptr, line, file);
  value.code = code;
  c->data.expr.cnst.value = value;
  c->type = ll_get_constant_type(code);
  return c;
}

pcodell_t *s_constant_expression(const pcodehl *expression) {
  pcodell_t *c = s_build(expression);
  if (c && is_pcodell_constant(c))
    return c;
  pcodellFreeTree(c);
  post_error(1219);
  return trnConstant(S8, const_make(S8, 1), expression ? expression->line : yylineno,
                     expression ? expression->file : yyfilename);
}

pcodell_t *trn_sizeof_type(const typehl *specifiers, long line, const char *file) {
  TypeRecord *t = trnResolveType(specifiers, line, file);
  long size = 1;
  if (t && !trn_check_illegal_tag_reference(t))
    size = ll_sizeof_type(t);
  type_free(t);
  return trnConstant(U16, const_make(U16, size), line, file);
}
