// Conversions between scalar types. In: a tree and a target type. Out: the
// tree retyped (same size), wrapped in a widening, narrowing or float
// conversion node, or, for a constant, converted in place; a narrowed
// conditional expression gets the conversion in each arm. A pointer
// converts as an unsigned integer of its size (2 or 3 bytes).
#include "driver/diag.h"
#include "trans/trans.h"
#include "trans/trn_internal.h"

namespace {

// Operand width in bytes for conversion purposes.
long s_scalar_size(const TypeRecord *t) {
  long size = ll_sizeof_type(t);
  if (t->type == POINTER_TYPE && size != 2 && size != 3)
    post_error(100, "invalid pointer size detected");
  return size;
}

PcodellOp s_widen(long from, long to, bool is_signed) {
  // I_C8TO16S .. I_C24TO32U run from/to pairs 8-16, 8-24, 8-32, 16-24, 16-32, 24-32, each S then U.
  static const long pairs[][2] = {{1, 2}, {1, 3}, {1, 4}, {2, 3}, {2, 4}, {3, 4}};
  for (int i = 0; i < 6; i++)
    if (pairs[i][0] == from && pairs[i][1] == to)
      return static_cast<PcodellOp>(I_C8TO16S + 2 * i + (is_signed ? 0 : 1));
  VELC_ASSERT(!"widening sizes");
}

PcodellOp s_narrow(long from, long to) {
  static const long pairs[][2] = {{2, 1}, {3, 1}, {4, 1}, {3, 2}, {4, 2}, {4, 3}};
  for (int i = 0; i < 6; i++)
    if (pairs[i][0] == from && pairs[i][1] == to)
      return static_cast<PcodellOp>(I_C16TO8 + i);
  VELC_ASSERT(!"narrowing sizes");
}

PcodellOp s_int_to_float(long from, bool is_signed) {
  // I_C8UTOF, I_C8STOF, I_C16UTOF ... unsigned first.
  return static_cast<PcodellOp>(I_C8UTOF + 2 * (from - 1) + (is_signed ? 1 : 0));
}

PcodellOp s_constant_op(int32_t code) { return static_cast<PcodellOp>(I_CNST8 + (code == F32 ? 4 : code / 2)); }

pcodell_t *s_wrap(PcodellOp op, pcodell_t *tree, TypeRecord *to) {
  pcodell_t *node = trn_node(op, tree, nullptr, tree->line, tree->file);
  node->type = to;
  return node;
}

// Value-type code of a scalar target (pointers as unsigned integers).
int32_t s_code_of(const TypeRecord *t) {
  if (t->type == POINTER_TYPE) {
    static const int32_t by_size[] = {U8, U8, U16, U24, U32};
    long size = s_scalar_size(t);
    return by_size[size >= 1 && size <= 4 ? size : 2];
  }
  return type_const_code(t);
}

// (T)(c ? a : b) to a narrower integer type: the conversion moves into
// both arms, so the conditional computes at T's width (a byte in WREG, a
// constant arm stays a constant). Null when the tree is not such a node.
pcodell_t *s_narrow_conditional(pcodell_t *tree, TypeRecord *to, long ts) {
  if (tree->opcode < I_COND16 || tree->opcode > I_COND32)
    return nullptr;
  pcodell_t *tail = tree->right;
  pcodell_t *sep = tail && tail->opcode == I_LEFT ? tail->left : nullptr;
  if (!sep || sep->opcode != I_CONDSEP || !sep->right || sep->right->opcode != I_RIGHT)
    return nullptr;
  sep->left = ll_cast(sep->left, to);
  sep->right->right = ll_cast(sep->right->right, to);
  sep->right->type = sep->type = tail->type = tree->type = to;
  tree->opcode = static_cast<PcodellOp>(I_COND8 + trn_size_index(ts));
  tree->size = ts;
  return tree;
}

}  // namespace

pcodell_t *ll_cast(pcodell_t *tree, TypeRecord *to) {
  TypeRecord *from = tree->type;
  if (is_type_void(to)) {
    tree->type = to;
    return tree;
  }
  if (!is_type_scalar(to) || !is_type_scalar(from)) {
    post_error(1152);
    return tree;
  }
  if (is_type_float(to) && from->type == POINTER_TYPE) {
    post_error(1514);
    tree->type = to;
    return tree;
  }
  if (is_pcodell_constant(tree)) {
    int32_t code = s_code_of(to);
    do_convert_constant_type(&tree->data.expr.cnst.value, code);
    tree->opcode = s_constant_op(code);
    tree->type = to;
    return tree;
  }
  bool from_float = is_type_float(from), to_float = is_type_float(to);
  if (from_float && to_float) {
    tree->type = to;
    return tree;
  }
  long fs = s_scalar_size(from), ts = s_scalar_size(to);
  if (to_float)
    return s_wrap(s_int_to_float(fs, is_type_signed(from)), tree, to);
  if (from_float)
    return s_wrap(static_cast<PcodellOp>(I_CFTO8 + (ts - 1)), tree, to);
  if (fs == ts) {
    tree->type = to;
    return tree;
  }
  if (fs > ts && !is_type_float(to))
    if (pcodell_t *narrowed = s_narrow_conditional(tree, to, ts))
      return narrowed;
  bool source_signed = from->type != POINTER_TYPE && is_type_signed(from);
  return s_wrap(fs < ts ? s_widen(fs, ts, source_signed) : s_narrow(fs, ts), tree, to);
}
