// Comparisons, truth values, logical operators and the conditional
// expression. In: translated operand trees. Out: comparison and test nodes
// whose value is a truth value (char with integer promotion off, int
// otherwise), folded constants, and the conditional's label structure.
// "<=", ">=" and "!=" are the negations of ">", "<" and "==". For floats
// the ">" and "<" under such a negation are marked (step = 1) as true for an
// unordered pair, so that "<=" and ">=" are false when an operand is a NaN.
#include "driver/diag.h"
#include "trans/trans.h"
#include "trans/trn_internal.h"

namespace {

enum CmpOp { CMP_EQ, CMP_GT, CMP_LT };

bool s_is_arith(const TypeRecord *t) { return is_type_integer(t) || is_type_float(t); }
bool s_is_pointer(const TypeRecord *t) { return t && t->type == POINTER_TYPE; }

pcodell_t *s_truth_constant(bool value, long line, const char *file) {
  TypeRecord *t = trn_truth_type();
  pcodell_t *c = trn_int_constant(type_const_code(t), value ? 1 : 0, line, file);
  c->type = t;
  return c;
}

bool s_is_truth_value(const pcodell_t *p) {
  return (p->opcode >= I_EQ8 && p->opcode <= I_LTF) || p->opcode == I_LOR || p->opcode == I_LAND ||
         p->opcode == I_LNOT;
}

bool s_compare_constants(CmpOp op, bool unordered, const pcodell_t *l, const pcodell_t *r) {
  const ConstValue &a = l->data.expr.cnst.value, &b = r->data.expr.cnst.value;
  if (a.code == F32 || b.code == F32) {
    float x = a.code == F32 ? a.value.f : static_cast<float>(trn_constant_read(l));
    float y = b.code == F32 ? b.value.f : static_cast<float>(trn_constant_read(r));
    if (unordered && (x != x || y != y))
      return true;
    return op == CMP_EQ ? x == y : op == CMP_GT ? x > y : x < y;
  }
  long long x = trn_constant_read(l), y = trn_constant_read(r);
  return op == CMP_EQ ? x == y : op == CMP_GT ? x > y : x < y;
}

PcodellOp s_compare_op(CmpOp op, const TypeRecord *t) {
  bool is_float = is_type_float(t);
  int w = trn_size_index(ll_sizeof_type(t));
  bool u = t->type == POINTER_TYPE || !is_type_signed(t);
  switch (op) {
  case CMP_EQ: return is_float ? I_EQF : static_cast<PcodellOp>(I_EQ8 + w);
  case CMP_GT: return is_float ? I_GTF : static_cast<PcodellOp>((u ? I_GT8U : I_GT8S) + w);
  default: return is_float ? I_LTF : static_cast<PcodellOp>((u ? I_LT8U : I_LT8S) + w);
  }
}

bool s_pointers_comparable(const TypeRecord *a, const TypeRecord *b) {
  return is_type_void(a->next) || is_type_void(b->next) || are_types_compatible(a->next, b->next, false);
}

bool s_is_widening(const pcodell_t *p) { return p->opcode >= I_C8TO16S && p->opcode <= I_C24TO32U; }

// A load of a variable that is not volatile: reading it or not changes
// nothing.
bool s_is_plain_read(const pcodell_t *p) {
  return p->opcode >= I_IND8RAM8 && p->opcode <= I_IND32ROM24 && p->left && p->left->opcode >= I_IDROM16 &&
         p->left->opcode <= I_IDSTK && !p->type->is_volatile;
}

// A widened operand compared with a constant is compared at its own width
// when that gives the same answer: (int)c == 200 or (int)c > 200 for an
// unsigned char c are byte comparisons. Equality needs a constant the
// widened value can take; "<" and ">" also need the wide comparison to
// order the widened values as the narrow one does (a sign-extended value
// compared as unsigned does not). A constant out of the narrow range
// decides the comparison (c == 300 is false, c < 300 true); it is folded
// when the operand is a plain read. Returns that truth value, else -1.
int s_narrow_comparison(CmpOp op, pcodell_t **l, pcodell_t **r) {
  pcodell_t **w = s_is_widening(*l) && is_pcodell_constant(*r)   ? l
                  : s_is_widening(*r) && is_pcodell_constant(*l) ? r
                                                                 : nullptr;
  if (!w)
    return -1;
  pcodell_t **k = w == l ? r : l;
  pcodell_t *inner = (*w)->left;
  const bool sign_extends = ((*w)->opcode - I_C8TO16S) % 2 == 0;
  if (!is_type_integer(inner->type) || !is_type_integer((*w)->type) || is_type_signed(inner->type) != sign_extends)
    return -1;
  const long bits = 8 * ll_sizeof_type(inner->type), wide_bits = 8 * ll_sizeof_type((*w)->type);
  long long v = trn_constant_read(*k);
  if (sign_extends && !is_type_signed((*w)->type)) {
    if (op != CMP_EQ)
      return -1;
    if (v >= (1LL << wide_bits) - (1LL << (bits - 1)))
      v -= 1LL << wide_bits;
  }
  const long long lo = sign_extends ? -(1LL << (bits - 1)) : 0;
  const long long hi = sign_extends ? (1LL << (bits - 1)) - 1 : (1LL << bits) - 1;
  if (v < lo || v > hi) {
    if (!s_is_plain_read(inner))
      return -1;
    if (op == CMP_EQ)
      return 0;
    bool widened_greater = (op == CMP_GT) == (w == l);  // the comparison asks: widened > constant
    return widened_greater == (v < lo);
  }
  (*w)->left = nullptr;
  trn_free(*w);
  *w = inner;
  *k = ll_cast(*k, inner->type);
  return -1;
}

// Checks, converts and builds one comparison; null operands mean an error
// was reported and the left operand returned. With unordered, a float
// comparison is also true when an operand is a NaN.
pcodell_t *s_compare(CmpOp op, pcodell_t *l, pcodell_t *r, long line, const char *file, bool unordered = false) {
  if (s_is_arith(l->type) && s_is_arith(r->type)) {
    if (is_type_integer(l->type) && is_type_integer(r->type) && is_type_signed(l->type) != is_type_signed(r->type))
      post_error(3002);
    if (op == CMP_EQ && (is_type_float(l->type) || is_type_float(r->type)))
      post_error(3000);
    trnUsualArithmeticConversions(&l, &r);
    int decided = s_narrow_comparison(op, &l, &r);
    if (decided >= 0) {
      trn_free(l);
      trn_free(r);
      return s_truth_constant(decided != 0, line, file);
    }
  } else if (s_is_pointer(l->type) && s_is_pointer(r->type) && s_pointers_comparable(l->type, r->type)) {
    // compared as unsigned addresses of the pointer's width
  } else if (op == CMP_EQ && s_is_pointer(l->type) && isPcodellZero(r) && is_type_integer(r->type)) {
    r = ll_cast(r, l->type);
  } else if (op == CMP_EQ && s_is_pointer(r->type) && isPcodellZero(l) && is_type_integer(l->type)) {
    l = ll_cast(l, r->type);
  } else {
    post_error(1128);
    return trn_error_value(l, r);
  }
  if (is_pcodell_constant(l) && is_pcodell_constant(r)) {
    bool v = s_compare_constants(op, unordered, l, r);
    trn_free(l);
    trn_free(r);
    return s_truth_constant(v, line, file);
  }
  pcodell_t *p = trn_node(s_compare_op(op, l->type), l, r, line, file);
  p->type = trn_truth_type();
  if (unordered && is_type_float(l->type))
    p->step = 1;
  return p;
}

}  // namespace

pcodell_t *trnTest(pcodell_t *x, long line, const char *file) {
  if (!is_type_scalar(x->type)) {
    post_error(1128);
    return x;
  }
  if (is_pcodell_constant(x)) {
    bool v = trn_constant_true(x);
    trn_free(x);
    return s_truth_constant(v, line, file);
  }
  if (s_is_truth_value(x))
    return x;
  PcodellOp op = is_type_float(x->type) ? I_TSTF
                                         : static_cast<PcodellOp>(I_TST8 + trn_size_index(ll_sizeof_type(x->type)));
  pcodell_t *p = trn_node(op, x, nullptr, line, file);
  p->type = trn_truth_type();
  return p;
}

pcodell_t *trnLogicalNot(pcodell_t *x, long line, const char *file) {
  if (!is_type_scalar(x->type)) {
    post_error(1122);
    return trn_error_value(x, nullptr);
  }
  if (is_pcodell_constant(x)) {
    bool v = trn_constant_true(x);
    trn_free(x);
    return s_truth_constant(!v, line, file);
  }
  pcodell_t *p = trn_node(I_LNOT, trnTest(x, line, file), nullptr, line, file);
  p->type = trn_truth_type();
  return p;
}

pcodell_t *trnEqual(pcodell_t *l, pcodell_t *r, long line, const char *file) {
  return s_compare(CMP_EQ, l, r, line, file);
}
pcodell_t *trnNotEqual(pcodell_t *l, pcodell_t *r, long line, const char *file) {
  return trnLogicalNot(s_compare(CMP_EQ, l, r, line, file), line, file);
}
pcodell_t *trnLessThan(pcodell_t *l, pcodell_t *r, long line, const char *file) {
  return s_compare(CMP_LT, l, r, line, file);
}
pcodell_t *trnGreaterThan(pcodell_t *l, pcodell_t *r, long line, const char *file) {
  return s_compare(CMP_GT, l, r, line, file);
}
pcodell_t *trnLessThanEqual(pcodell_t *l, pcodell_t *r, long line, const char *file) {
  return trnLogicalNot(s_compare(CMP_GT, l, r, line, file, true), line, file);
}
pcodell_t *trnGreaterThanEqual(pcodell_t *l, pcodell_t *r, long line, const char *file) {
  return trnLogicalNot(s_compare(CMP_LT, l, r, line, file, true), line, file);
}

// a || b and a && b: constant operands decide at translation time, but a
// non-constant left operand is still evaluated for its effects.
static pcodell_t *s_logical(bool is_or, pcodell_t *l, pcodell_t *r, long line, const char *file) {
  if (!is_type_scalar(l->type) || !is_type_scalar(r->type)) {
    post_error(is_or ? 1123 : 1124);
    return trn_error_value(l, r);
  }
  if (is_pcodell_constant(l)) {
    bool v = trn_constant_true(l);
    trn_free(l);
    if (v == is_or) {
      trn_free(r);
      return s_truth_constant(is_or, line, file);
    }
    return trnTest(r, line, file);
  }
  if (is_pcodell_constant(r)) {
    bool v = trn_constant_true(r);
    trn_free(r);
    if (v == is_or) {
      pcodell_t *seq = trn_node(I_RIGHT, l, s_truth_constant(is_or, line, file), line, file);
      seq->type = trn_truth_type();
      return seq;
    }
    return trnTest(l, line, file);
  }
  pcodell_t *p = trn_node(is_or ? I_LOR : I_LAND, trnTest(l, line, file), trnTest(r, line, file), line, file);
  p->label = trn_new_label(is_or ? "||" : "&&");
  p->type = trn_truth_type();
  return p;
}

pcodell_t *trn_logical_or(pcodell_t *l, pcodell_t *r, long line, const char *file) {
  return s_logical(true, l, r, line, file);
}
pcodell_t *trnLogicalAnd(pcodell_t *l, pcodell_t *r, long line, const char *file) {
  return s_logical(false, l, r, line, file);
}

// The result type of c ? t : f, converting the branches; null after 1127.
static TypeRecord *s_conditional_type(pcodell_t **t, pcodell_t **f) {
  TypeRecord *a = (*t)->type, *b = (*f)->type;
  if (s_is_arith(a) && s_is_arith(b)) {
    trnUsualArithmeticConversions(t, f);
    return (*t)->type;
  }
  if (s_is_pointer(a) && s_is_pointer(b) && s_pointers_comparable(a, b))
    return a;
  if (s_is_pointer(a) && isPcodellZero(*f) && is_type_integer(b)) {
    *f = ll_cast(*f, a);
    return a;
  }
  if (s_is_pointer(b) && isPcodellZero(*t) && is_type_integer(a)) {
    *t = ll_cast(*t, b);
    return b;
  }
  if (a->type == SUE_TYPE && are_types_compatible(a, b, false))
    return a;
  if (is_type_void(a) && is_type_void(b))
    return a;
  post_error(1127);
  return nullptr;
}

pcodell_t *trnConditional(pcodell_t *c, pcodell_t *t, pcodell_t *f, long line, const char *file) {
  if (!is_type_scalar(c->type)) {
    post_error(1121);
    trn_free(f);
    return trn_error_value(c, t);
  }
  TypeRecord *type = s_conditional_type(&t, &f);
  if (!type) {
    trn_free(f);
    return trn_error_value(c, t);
  }
  if (is_pcodell_constant(c)) {
    bool v = trn_constant_true(c);
    trn_free(c);
    trn_free(v ? f : t);
    return v ? t : f;
  }
  SymbolRecord *false_label = trn_new_label("?:");
  SymbolRecord *end_label = trn_new_label("?:");
  pcodell_t *false_part = trn_node(I_RIGHT, ll_label(false_label, line, file), f, line, file);
  false_part->type = type;
  pcodell_t *sep = trn_node(I_CONDSEP, t, false_part, line, file);
  sep->type = type;
  sep->label = false_label;
  sep->end_label = end_label;
  pcodell_t *tail = trn_node(I_LEFT, sep, ll_label(end_label, line, file), line, file);
  tail->type = type;
  PcodellOp op = is_type_void(type) ? I_COND : static_cast<PcodellOp>(I_COND8 + trn_size_index(ll_sizeof_type(type)));
  pcodell_t *p = trn_node(op, trnTest(c, line, file), tail, line, file);
  p->type = type;
  p->label = false_label;
  p->end_label = end_label;
  p->size = is_type_void(type) ? 0 : ll_sizeof_type(type);
  return p;
}
