// Type compatibility and the arithmetic conversions. In: two type chains, or
// two operand trees. Out: whether the types are compatible, and operands cast
// to their common type. Integer promotion is off by default, so char
// arithmetic stays 8 bits wide.
#include <cstring>

#include "driver/settings.h"
#include "trans/trans.h"

static int s_same_qualifiers(const TypeRecord *a, const TypeRecord *b) {
  return a->location == b->location && a->range == b->range && a->is_const == b->is_const &&
         a->is_volatile == b->is_volatile;
}

static int s_members_compatible(const MemberRecord *a, const MemberRecord *b) {
  for (; a && b; a = a->next, b = b->next) {
    if (strcmp(a->name ? a->name : "", b->name ? b->name : "") != 0)
      return 0;
    if (!are_types_compatible(a->type, b->type, true) || a->is_bitfield != b->is_bitfield)
      return 0;
    if (a->is_bitfield && (a->bit_offset != b->bit_offset || a->bit_size != b->bit_size))
      return 0;
  }
  return 1;
}

static int s_definitions_compatible(const SuDefinition *a, const SuDefinition *b) {
  if (a->kind != b->kind)
    return 0;
  if (a->kind == ENUM_TAG)
    return are_types_compatible(a->type, b->type, false);
  if ((a->su.parent == nullptr) != (b->su.parent == nullptr))
    return 0;
  if (a->su.parent && !s_definitions_compatible(a->su.parent, b->su.parent))
    return 0;
  return s_members_compatible(a->members, b->members);
}

static int s_sue_compatible(const TypeRecord *a, const TypeRecord *b) {
  const TagEntry *ta = a->data.sue.tag, *tb = b->data.sue.tag;
  if (!ta || !tb || !ta->definition || !tb->definition)
    return ta == tb;
  return ta == tb || s_definitions_compatible(ta->definition, tb->definition);
}

static int s_params_compatible(const ParamRecord *a, const ParamRecord *b) {
  for (; a && b; a = a->next, b = b->next)
    if (!are_types_compatible(a->type, b->type, true) || a->sclass != b->sclass)
      return 0;
  return a == nullptr && b == nullptr;
}

static int s_kinds_compatible(const TypeRecord *a, const TypeRecord *b) {
  switch (a->type) {
  case BASIC_TYPE:
    return a->data.basic.base == b->data.basic.base && a->flags.basic.is_signed == b->flags.basic.is_signed &&
           a->flags.basic.is_short == b->flags.basic.is_short && a->flags.basic.is_long == b->flags.basic.is_long;
  case SUE_TYPE: return s_sue_compatible(a, b);
  case POINTER_TYPE:
  case ARRAY_TYPE: return are_types_compatible(a->next, b->next, true);
  case FUNCTION_TYPE:
    if (!are_types_compatible(a->next, b->next, true))
      return 0;
    if (a->flags.function.has_prototype && b->flags.function.has_prototype)
      return s_params_compatible(a->data.function.params, b->data.function.params) &&
             a->flags.function.is_ellipsis == b->flags.function.is_ellipsis;
    return 1;
  }
  return 0;
}

int are_types_compatible(const TypeRecord *a, const TypeRecord *b, bool strict) {
  if (a == b)
    return 1;
  if (!a || !b || a->type != b->type)
    return 0;
  if (!s_kinds_compatible(a, b))
    return 0;
  return strict ? s_same_qualifiers(a, b) : 1;
}

pcodell_t *trn_integer_promotion(pcodell_t *tree) {
  if (suppress_integer_promotion_flag)
    return tree;
  const TypeRecord *t = tree->type;
  if (t && t->type == BASIC_TYPE && t->data.basic.base == BT_CHAR)
    return ll_cast(tree, int_type);
  return tree;
}

void trnUsualArithmeticConversions(pcodell_t **left, pcodell_t **right) {
  if (is_type_float((*left)->type) || is_type_float((*right)->type)) {
    *left = ll_cast(*left, float_type);
    *right = ll_cast(*right, float_type);
    return;
  }
  *left = trn_integer_promotion(*left);
  *right = trn_integer_promotion(*right);
  TypeRecord *lt = (*left)->type, *rt = (*right)->type;
  if (are_types_compatible(lt, rt, false))
    return;
  long ls = ll_sizeof_type(lt), rs = ll_sizeof_type(rt);
  bool lsigned = is_type_signed(lt), rsigned = is_type_signed(rt);
  if (lsigned == rsigned) {
    if (ls > rs)
      *right = ll_cast(*right, lt);
    else
      *left = ll_cast(*left, rt);
    return;
  }
  pcodell_t **signed_op = lsigned ? left : right;
  pcodell_t **unsigned_op = lsigned ? right : left;
  if (ll_sizeof_type((*unsigned_op)->type) >= ll_sizeof_type((*signed_op)->type))
    *signed_op = ll_cast(*signed_op, (*unsigned_op)->type);
  else
    *unsigned_op = ll_cast(*unsigned_op, (*signed_op)->type);
}
