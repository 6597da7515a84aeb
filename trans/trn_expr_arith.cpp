// Arithmetic, bitwise and shift operators. In: translated operand trees
// (rvalues). Out: one tree of the operator member that fits the converted
// operands' width and signedness, a folded constant when both operands are
// constants, or an operand unchanged after a diagnostic. Pointer addition
// and subtraction scale the integer by the pointee size.
#include <cmath>
#include <string>

#include "driver/diag.h"
#include "trans/trans.h"
#include "trans/trn_internal.h"

// After a diagnostic the operation yields a neutral int 0, so that one
// mistake does not cascade into more diagnostics.
pcodell_t *trn_error_value(pcodell_t *l, pcodell_t *r) {
  long line = l ? l->line : yylineno;
  std::string file = l && l->file ? l->file : yyfilename;
  trn_free(l);
  trn_free(r);
  return trn_int_constant(S16, 0, line, file.c_str());
}

namespace {

enum ArithOp { OP_ADD, OP_SUB, OP_MUL, OP_DIV, OP_MOD, OP_AND, OP_OR, OP_XOR, OP_SHL, OP_SHR };

bool s_is_arith(const TypeRecord *t) { return is_type_integer(t) || is_type_float(t); }
bool s_is_pointer(const TypeRecord *t) { return t && t->type == POINTER_TYPE; }

pcodell_t *s_keep_left(pcodell_t *l, pcodell_t *r) {
  trn_free(r);
  return l;
}

// One operand as the value of an identity (x + 0, x * 1, v * 0): both take
// the usual conversions first, so that the kept one has the result's type.
pcodell_t *s_keep_usual(pcodell_t *l, pcodell_t *r, bool keep_right) {
  trnUsualArithmeticConversions(&l, &r);
  return keep_right ? s_keep_left(r, l) : s_keep_left(l, r);
}

// Member of the family for op at the width of type; compound forms when assign.
PcodellOp s_op(ArithOp op, const TypeRecord *t, bool assign) {
  int w = trn_value_index(t, true);
  bool u = !is_type_signed(t);
  switch (op) {
  case OP_ADD: case OP_AND: case OP_OR: case OP_XOR:
    if (w == 4)
      return assign ? I_ADDFA : I_ADDF;
    return static_cast<PcodellOp>((assign ? I_cop8A : I_cop8) + w);
  case OP_SHL: return static_cast<PcodellOp>((assign ? I_SHL8A : I_SHL8) + w);
  case OP_SHR: return static_cast<PcodellOp>((assign ? I_SHR8A : I_SHR8) + w);
  default: break;
  }
  int base = assign ? I_SUB8A : I_SUB8;
  if (w == 4)  // SUBF, MULF, DIVF follow the 28 integer rows
    return static_cast<PcodellOp>(base + 28 + (op == OP_SUB ? 0 : op == OP_MUL ? 1 : 2));
  int row = op == OP_SUB ? 0 : op == OP_MUL ? 1 : op == OP_DIV ? 3 : 5;
  if (op != OP_SUB && u)
    row++;
  return static_cast<PcodellOp>(base + 7 * w + row);
}

int32_t s_cop(ArithOp op) { return op == OP_AND ? B_AND : op == OP_OR ? B_OR : op == OP_XOR ? B_XOR : B_ADD; }

// Folds two constants of one code in that width; null when the divisor is 0.
pcodell_t *s_fold(ArithOp op, pcodell_t *l, pcodell_t *r, long line, const char *file) {
  int32_t code = l->data.expr.cnst.value.code;
  if (code == F32) {
    float x = get_float_constant_value(F32, l->data.expr.cnst.value);
    float y = r->data.expr.cnst.value.code == F32 ? r->data.expr.cnst.value.value.f
                                                   : static_cast<float>(trn_constant_read(r));
    float v = op == OP_ADD ? x + y : op == OP_SUB ? x - y : op == OP_MUL ? x * y : y == 0.0f ? NAN : x / y;
    if (op == OP_DIV && y == 0.0f)
      return nullptr;
    return trnConstant(F32, const_make_float(v), line, file);
  }
  bool is_signed = code % 2 == 0;
  long long x = trn_constant_read(l), y = trn_constant_read(r);
  unsigned long long ux = static_cast<unsigned long long>(x) & 0xFFFFFFFFull;
  unsigned long long uy = static_cast<unsigned long long>(y) & 0xFFFFFFFFull;
  long long v = 0;
  switch (op) {
  case OP_ADD: v = x + y; break;
  case OP_SUB: v = x - y; break;
  case OP_MUL: v = static_cast<long long>(ux * uy); break;
  case OP_DIV:
    if (y == 0) return nullptr;
    v = is_signed ? x / y : static_cast<long long>(ux / uy);
    break;
  case OP_MOD:
    if (y == 0) return nullptr;
    v = is_signed ? x % y : static_cast<long long>(ux % uy);
    break;
  case OP_AND: v = x & y; break;
  case OP_OR: v = x | y; break;
  case OP_XOR: v = x ^ y; break;
  case OP_SHL: v = (y & 0xFF) >= 32 ? 0 : static_cast<long long>(ux << (y & 0xFF)); break;
  case OP_SHR:
    if ((y & 0xFF) >= 32)
      v = is_signed && x < 0 ? -1 : 0;
    else
      v = is_signed ? x >> (y & 0xFF) : static_cast<long long>(ux >> (y & 0xFF));
    break;
  }
  return trnConstant(code, const_make(code, static_cast<long>(v)), line, file);
}

pcodell_t *s_build(ArithOp op, pcodell_t *l, pcodell_t *r, TypeRecord *type, long line, const char *file) {
  if (is_pcodell_constant(l) && is_pcodell_constant(r)) {
    if (pcodell_t *c = s_fold(op, l, r, line, file)) {
      c->type = is_type_float(type) || is_type_integer(type) ? c->type : type;
      trn_free(l);
      trn_free(r);
      return c;
    }
  }
  pcodell_t *p = trn_node(s_op(op, type, false), l, r, line, file);
  p->type = type;
  if (is_pcodell_commutativeOperator(p))
    p->data.expr.cop = s_cop(op);
  return p;
}

bool s_is_one(const pcodell_t *p) {
  if (!is_pcodell_constant(p))
    return false;
  const ConstValue &v = p->data.expr.cnst.value;
  return v.code == F32 ? v.value.f == 1.0f : trn_constant_read(p) == 1;
}

bool s_is_variable_read(const pcodell_t *p) { return isPcodellIndirection(p) && isPcodellIdentifier(p->left); }

// The usual conversions, then the operator.
pcodell_t *s_arith(ArithOp op, pcodell_t *l, pcodell_t *r, long line, const char *file) {
  trnUsualArithmeticConversions(&l, &r);
  return s_build(op, l, r, l->type, line, file);
}

// Integer scaled by the pointee size in the pointer-sized offset type.
pcodell_t *s_scaled_offset(const TypeRecord *pointer, pcodell_t *i, long line, const char *file) {
  TypeRecord *offset = sGetPtrdiff_t(pointer);
  i = ll_cast(i, offset);
  long size = ll_sizeof_type(pointer->next);
  if (size >= 2) {
    int32_t code = type_const_code(offset) | 1;
    i = trnMul(i, trn_int_constant(code, size, line, file), line, file);
  }
  return i;
}

pcodell_t *s_pointer_add(ArithOp op, pcodell_t *p, pcodell_t *i, long line, const char *file) {
  if (trn_check_illegal_tag_reference(p->type->next))
    return s_keep_left(p, i);
  TypeRecord *ptype = p->type;
  i = s_scaled_offset(ptype, i, line, file);
  if (isPcodellZero(i)) {
    trn_free(i);
    return p;
  }
  if (is_pcodell_constant(p) && is_pcodell_constant(i)) {
    i = ll_cast(i, ptype);
    return s_build(op, p, i, ptype, line, file);
  }
  i = ll_cast(i, sGetPtrdiff_t(ptype));
  pcodell_t *node = trn_node(s_op(op, ptype, false), p, i, line, file);
  node->type = ptype;
  if (op == OP_ADD)
    node->data.expr.cop = B_ADD;
  return node;
}

bool s_integer_operands(long msg, pcodell_t *l, pcodell_t *r) {
  if (is_type_integer(l->type) && is_type_integer(r->type))
    return true;
  post_error(msg);
  return false;
}

pcodell_t *s_bitwise(ArithOp op, long msg, pcodell_t *l, pcodell_t *r, long line, const char *file) {
  if (!s_integer_operands(msg, l, r))
    return trn_error_value(l, r);
  return s_arith(op, l, r, line, file);
}

pcodell_t *s_shift(ArithOp op, pcodell_t *l, pcodell_t *r, long line, const char *file) {
  if (!s_integer_operands(1136, l, r))
    return trn_error_value(l, r);
  l = trn_integer_promotion(l);
  r = ll_cast(r, unsigned_char_type);
  return s_build(op, l, r, l->type, line, file);
}

}  // namespace

// The signed integer type of the pointer's own size.
TypeRecord *sGetPtrdiff_t(const TypeRecord *pointer) {
  switch (ll_sizeof_type(pointer)) {
  case 1: return char_type;
  case 2: return int_type;
  case 3: return short_long_int_type;
  default: return long_int_type;
  }
}

pcodell_t *trnAdd(pcodell_t *l, pcodell_t *r, long line, const char *file) {
  if (s_is_arith(l->type) && s_is_arith(r->type)) {
    if (isPcodellZero(r))
      return s_keep_usual(l, r, false);
    if (isPcodellZero(l))
      return s_keep_usual(l, r, true);
    return s_arith(OP_ADD, l, r, line, file);
  }
  if (s_is_pointer(r->type) && !s_is_pointer(l->type))
    std::swap(l, r);
  if (s_is_pointer(l->type)) {
    if (!is_type_integer(r->type)) {
      post_error(1141);
      return trn_error_value(l, r);
    }
    return s_pointer_add(OP_ADD, l, r, line, file);
  }
  post_error(1142);
  return trn_error_value(l, r);
}

static pcodell_t *s_pointer_difference(pcodell_t *l, pcodell_t *r, long line, const char *file) {
  if (!are_types_compatible(l->type->next, r->type->next, false)) {
    post_error(1143);
    return trn_error_value(l, r);
  }
  TypeRecord *offset = sGetPtrdiff_t(l->type);
  long size = ll_sizeof_type(l->type->next);
  pcodell_t *d = trn_node(s_op(OP_SUB, l->type, false), l, r, line, file);
  d->type = offset;
  if (size > 1)
    d = trnDiv(d, trn_int_constant(type_const_code(offset), size, line, file), line, file);
  return d;
}

pcodell_t *trnSub(pcodell_t *l, pcodell_t *r, long line, const char *file) {
  if (s_is_arith(l->type) && s_is_arith(r->type)) {
    if (isPcodellZero(r))
      return s_keep_usual(l, r, false);
    return s_arith(OP_SUB, l, r, line, file);
  }
  if (s_is_pointer(l->type) && s_is_pointer(r->type))
    return s_pointer_difference(l, r, line, file);
  if (s_is_pointer(l->type)) {
    if (!is_type_integer(r->type)) {
      post_error(1144);
      return trn_error_value(l, r);
    }
    return s_pointer_add(OP_SUB, l, r, line, file);
  }
  post_error(1145);
  return trn_error_value(l, r);
}

pcodell_t *trnMul(pcodell_t *l, pcodell_t *r, long line, const char *file) {
  if (!s_is_arith(l->type) || !s_is_arith(r->type)) {
    post_error(1134);
    return trn_error_value(l, r);
  }
  if (s_is_one(r))
    return s_keep_usual(l, r, false);
  if (s_is_one(l))
    return s_keep_usual(l, r, true);
  if (isPcodellZero(r) && s_is_variable_read(l))
    return s_keep_usual(l, r, true);
  if (isPcodellZero(l) && s_is_variable_read(r))
    return s_keep_usual(l, r, false);
  return s_arith(OP_MUL, l, r, line, file);
}

pcodell_t *trnDiv(pcodell_t *l, pcodell_t *r, long line, const char *file) {
  if (!s_is_arith(l->type) || !s_is_arith(r->type)) {
    post_error(1158);
    return trn_error_value(l, r);
  }
  if (s_is_one(r))
    return s_keep_usual(l, r, false);
  return s_arith(OP_DIV, l, r, line, file);
}

pcodell_t *trnMod(pcodell_t *l, pcodell_t *r, long line, const char *file) {
  if (!s_integer_operands(1135, l, r))
    return trn_error_value(l, r);
  return s_arith(OP_MOD, l, r, line, file);
}

pcodell_t *trnShiftLeft(pcodell_t *l, pcodell_t *r, long line, const char *file) {
  return s_shift(OP_SHL, l, r, line, file);
}
pcodell_t *trnShiftRight(pcodell_t *l, pcodell_t *r, long line, const char *file) {
  return s_shift(OP_SHR, l, r, line, file);
}
pcodell_t *trnBitwiseAnd(pcodell_t *l, pcodell_t *r, long line, const char *file) {
  return s_bitwise(OP_AND, 1137, l, r, line, file);
}
pcodell_t *trnBitwiseOr(pcodell_t *l, pcodell_t *r, long line, const char *file) {
  return s_bitwise(OP_OR, 1138, l, r, line, file);
}
pcodell_t *trnBitwiseXor(pcodell_t *l, pcodell_t *r, long line, const char *file) {
  return s_bitwise(OP_XOR, 1139, l, r, line, file);
}

pcodell_t *trnBitwiseNot(pcodell_t *x, long line, const char *file) {
  if (!is_type_integer(x->type)) {
    post_error(1140);
    return trn_error_value(x, nullptr);
  }
  x = trn_integer_promotion(x);
  if (is_pcodell_constant(x)) {
    int32_t code = x->data.expr.cnst.value.code;
    x->data.expr.cnst.value = const_make(code, static_cast<long>(~trn_constant_read(x)));
    return x;
  }
  pcodell_t *p = trn_node(static_cast<PcodellOp>(I_COM8 + trn_value_index(x->type, false)), x, nullptr,
                                line, file);
  p->type = x->type;
  return p;
}

pcodell_t *trnUnaryPlus(pcodell_t *x, long, const char *) {
  if (!s_is_arith(x->type)) {
    post_error(1149);
    return trn_error_value(x, nullptr);
  }
  return x;
}

// -x is 0 - x in the operand's type; a constant is negated in place.
pcodell_t *trnUnaryMinus(pcodell_t *x, long line, const char *file) {
  if (!s_is_arith(x->type)) {
    post_error(1150);
    return trn_error_value(x, nullptr);
  }
  if (!is_type_signed(x->type))
    post_error(2059);
  x = trn_integer_promotion(x);
  if (is_pcodell_constant(x)) {
    ConstValue &v = x->data.expr.cnst.value;
    if (v.code == F32)
      v.value.f = -v.value.f;
    else
      v = const_make(v.code, static_cast<long>(-trn_constant_read(x)));
    return x;
  }
  int32_t code = type_const_code(x->type);
  pcodell_t *zero = code == F32 ? trnConstant(F32, const_make_float(0.0f), line, file)
                                : trn_int_constant(code, 0, line, file);
  zero->type = x->type;
  pcodell_t *p = trn_node(s_op(OP_SUB, x->type, false), zero, x, line, file);
  p->type = x->type;
  return p;
}

// True when evaluating the tree twice has the same effect as once: no call,
// store, increment, decrement or assembly anywhere in it.
static bool s_is_pure(const pcodell_t *p) {
  for (; p; p = p->right) {
    int op = p->opcode;
    if ((op >= I_PREINC8RAM && op <= I_PSTDECFROM) || (op >= I_cop8A && op <= I_ADDFA) ||
        (op >= I_SUB8A && op <= I_DIVFA) || (op >= I_MOV8 && op <= I_MOVX) || (op >= I_SHR8A && op <= I_SHR32A) ||
        (op >= I_SHL8A && op <= I_SHL32A) || (op >= I_CALL && op <= I_CALLX) || op == I_ASM)
      return false;
    if (!s_is_pure(p->left))
      return false;
  }
  return true;
}

// The type the binary operator would compute l op r in, found on copies.
static TypeRecord *s_operation_type(const pcodell_t *l, const pcodell_t *r) {
  pcodell_t *a = trn_copy(l), *b = trn_copy(r);
  trnUsualArithmeticConversions(&a, &b);
  TypeRecord *t = a->type;
  trn_free(a);
  trn_free(b);
  return t;
}

// E1 = E1 op E2 over a copy of E1, whose address has no side effects.
static pcodell_t *s_assign_operation(ArithOp op, pcodell_t *l, pcodell_t *r, long line, const char *file) {
  pcodell_t *value = trn_copy(l);
  value->lvalue = 0;
  value = s_arith(op, value, r, line, file);
  return trnAssign(l, value, line, file);
}

// E1 op= E2 where E1's address has side effects (a[i++], *p++, s[f()]):
// the address is evaluated once into a hidden local pointer T, then
// (T = &E1, *T = *T op E2), so the operation keeps its full width.
static pcodell_t *s_compound_through_address(ArithOp op, pcodell_t *l, pcodell_t *r, long line,
                                             const char *file) {
  pcodell_t *address = trnReference(l, line, file);
  pcodell_t *slot = trn_hidden_local(address->type, line, file);
  pcodell_t *save = trnAssign(trn_copy(slot), address, line, file);
  pcodell_t *target = trnIndir(trnLvalueToRvalue(slot), line, file);
  return trnCommaExpression(save, s_assign_operation(op, target, r, line, file), line, file);
}

// Compound assignment: the left a modifiable lvalue. E1 op= E2 is E1 = E1 op
// E2 with the operation in the type of the usual conversions: at the left's
// width the compound node takes that type's signedness (the right converted
// to the left type); when that type is wider or float, E1 = (E1 op E2) is
// built over a copy of the left, or over a hidden pointer to it when its
// address has side effects. A shift count goes to 8 bits, a pointer step is
// scaled.
pcodell_t *trnCompoundAssign(int kind, pcodell_t *l, pcodell_t *r, long line, const char *file) {
  if (!trnConfirmLval(l))
    return s_keep_left(l, r);
  if (l->type->is_const) {
    post_error(1102);
    return s_keep_left(l, r);
  }
  static const struct { int kind; ArithOp op; long msg; } rows[] = {
      {H_MULA, OP_MUL, 1134}, {H_DIVA, OP_DIV, 1158}, {H_MODA, OP_MOD, 1135}, {H_ADDA, OP_ADD, 1142},
      {H_SUBA, OP_SUB, 1133}, {H_SHLA, OP_SHL, 1136}, {H_SHRA, OP_SHR, 1136}, {H_ANDA, OP_AND, 1137},
      {H_ORA, OP_OR, 1138},   {H_XORA, OP_XOR, 1139}};
  ArithOp op = OP_ADD;
  long msg = 1131;
  for (const auto &row : rows)
    if (row.kind == kind)
      op = row.op, msg = row.msg;
  TypeRecord *lt = l->type, *optype = lt;
  bool integer_only = op == OP_MOD || op >= OP_AND;
  bool ok = integer_only ? is_type_integer(lt) && is_type_integer(r->type) : s_is_arith(lt) && s_is_arith(r->type);
  // An object in program memory is rewritten by table writes over its
  // address; when that address has side effects it is taken once.
  if (ok && pcodell_space_index(lt) >= 2 && !s_is_pure(l->left) && trnInFunctionBody() &&
      !isPcodellBitfield(l->left))
    return s_compound_through_address(op, l, r, line, file);
  if (!ok && (op == OP_ADD || op == OP_SUB) && s_is_pointer(lt) && is_type_integer(r->type)) {
    r = s_scaled_offset(lt, r, line, file);
    r = ll_cast(r, sGetPtrdiff_t(lt));
    ok = true;
  } else if (ok) {
    if (op == OP_SHL || op == OP_SHR) {
      r = ll_cast(r, unsigned_char_type);
    } else {
      optype = s_operation_type(l, r);
      bool wider = ll_sizeof_type(optype) > ll_sizeof_type(lt) || is_type_float(optype) != is_type_float(lt);
      if (wider && s_is_pure(l->left))
        return s_assign_operation(op, l, r, line, file);
      // The low bytes of a sum, difference, product or bitwise result do not
      // depend on the width it is computed in; a quotient's and a
      // remainder's do.
      bool width_matters = op == OP_DIV || op == OP_MOD || is_type_float(optype) || is_type_float(lt);
      if (wider && width_matters && trnInFunctionBody() && !isPcodellBitfield(l->left))
        return s_compound_through_address(op, l, r, line, file);
      if (wider || is_type_float(lt))
        optype = lt;
      r = ll_cast(r, lt);
    }
  }
  if (!ok) {
    post_error(msg);
    return s_keep_left(l, r);
  }
  pcodell_t *p = trn_node(s_op(op, optype, true), l, r, line, file);
  p->type = lt;
  p->size = ll_sizeof_type(lt);
  if (is_pcodell_commutativeOperator(p) || (p->opcode >= I_cop8A && p->opcode <= I_cop32A))
    p->data.expr.cop = s_cop(op);
  return p;
}
