// Conversions at casts, assignments and calls. In: translated value trees
// and target types. Out: casts through ll_cast (constants converted in
// place), assignment nodes of the destination's width, and call nodes with
// their argument chains, each value checked and converted against its
// parameter or promoted by default.
#include <cstring>
#include <vector>

#include "driver/diag.h"
#include "driver/settings.h"
#include "trans/trans.h"
#include "trans/trn_internal.h"

namespace {

bool s_is_arith(const TypeRecord *t) { return is_type_integer(t) || is_type_float(t); }
bool s_is_pointer(const TypeRecord *t) { return t && t->type == POINTER_TYPE; }
bool s_is_char(const TypeRecord *t) { return t && t->type == BASIC_TYPE && t->data.basic.base == BT_CHAR; }

// How a value of type `from` goes into an object of type `to`.
enum Fit { FIT_NO, FIT_CAST, FIT_SUSPICIOUS, FIT_AS_IS };

Fit s_fit(const TypeRecord *to, const pcodell_t *value) {
  const TypeRecord *from = value->type;
  if (!to || !from)
    return FIT_NO;
  if (s_is_arith(to) && s_is_arith(from))
    return FIT_CAST;
  if (to->type == SUE_TYPE && from->type == SUE_TYPE)
    return are_types_compatible(to, from, false) ? FIT_AS_IS : FIT_NO;
  if (s_is_pointer(to) && s_is_pointer(from)) {
    const TypeRecord *a = to->next, *b = from->next;
    if (is_type_void(a) || is_type_void(b) || are_types_compatible(a, b, false) || s_is_char(a) || s_is_char(b))
      return FIT_CAST;
    return FIT_SUSPICIOUS;
  }
  if (s_is_pointer(to) && is_type_integer(from))
    return isPcodellZero(value) ? FIT_CAST : FIT_SUSPICIOUS;
  if (is_type_integer(to) && s_is_pointer(from))
    return FIT_SUSPICIOUS;
  return FIT_NO;
}

// 2066 when the source pointee has a qualifier the destination lacks.
void s_check_qualifiers(const TypeRecord *to, const TypeRecord *from) {
  if (!s_is_pointer(to) || !s_is_pointer(from))
    return;
  if ((from->next->is_const && !to->next->is_const) || (from->next->is_volatile && !to->next->is_volatile))
    post_error(2066);
}

pcodell_t *s_apply(Fit fit, pcodell_t *value, TypeRecord *to) {
  if (fit == FIT_SUSPICIOUS)
    post_error(2054);
  if (fit == FIT_AS_IS)
    return value;
  return ll_cast(value, to);
}

PcodellOp s_sized(PcodellOp first, long size) { return static_cast<PcodellOp>(first + trn_size_index(size)); }

// <stdio.h> renames the family "__lm_..." in the large memory model.
bool s_is_printf_family(const char *name) {
  static const char *const names[] = {"printf", "fprintf", "sprintf", "vprintf", "vfprintf", "vsprintf"};
  if (!name)
    return false;
  if (strncmp(name, "__lm_", 5) == 0)
    name += 5;
  for (const char *n : names)
    if (strcmp(n, name) == 0)
      return true;
  return false;
}

// Default promotion of an argument without a parameter.
pcodell_t *s_default_promotion(pcodell_t *arg, bool printf_family) {
  if (printf_family && s_is_char(arg->type))
    return ll_cast(arg, is_type_signed(arg->type) ? int_type : trn_keep(type_basic(BT_INT, false, false, false)));
  return trn_integer_promotion(arg);
}

// One argument against its parameter; 1146 with the 1-based position.
pcodell_t *s_argument(pcodell_t *arg, const ParamRecord *param, int position) {
  if (!param)
    return arg;
  TypeRecord *to = param->type;
  Fit fit = s_fit(to, arg);
  if (fit == FIT_NO) {
    post_error(1146, position);
    return arg;
  }
  return s_apply(fit, arg, to);
}

pcodell_t *s_arg_node(pcodell_t *value, pcodell_t *next, long line, const char *file) {
  long size = ll_sizeof_type(value->type);
  pcodell_t *a = trn_node(s_sized(I_ARG8, size), next, value, line, file);
  a->type = value->type;
  a->size = size;
  return a;
}

}  // namespace

pcodell_t *trnCast(pcodell_t *x, TypeRecord *to, long, const char *) {
  if (!is_type_void(to) && (!is_type_scalar(to) || !is_type_scalar(x->type))) {
    post_error(1152);
    return x;
  }
  return ll_cast(x, to);
}

bool trn_can_assign(const TypeRecord *to, const pcodell_t *value) { return s_fit(to, value) != FIT_NO; }

pcodell_t *trn_convert_for_assign(pcodell_t *value, TypeRecord *to) {
  Fit fit = s_fit(to, value);
  if (fit == FIT_NO)
    return value;
  s_check_qualifiers(to, value->type);
  return s_apply(fit, value, to);
}

pcodell_t *trnAssign(pcodell_t *l, pcodell_t *r, long line, const char *file) {
  if (!trnConfirmLval(l) || !l->type) {
    trn_free(r);
    return l;
  }
  TypeRecord *to = l->type;
  if (to->type == ARRAY_TYPE) {
    post_error(1153);
    trn_free(r);
    return l;
  }
  if (to->is_const) {
    post_error(1102);
    trn_free(r);
    return l;
  }
  if (!trn_can_assign(to, r)) {
    post_error(1131);
    trn_free(r);
    return l;
  }
  r = trn_convert_for_assign(r, to);
  long size = ll_sizeof_type(to);
  pcodell_t *p = trn_node(s_sized(I_MOV8, size), l, r, line, file);
  p->type = to;
  p->size = size;
  return p;
}

// Each argument against its parameter in order, the rest promoted by
// default; 1203/1204 when the counts do not match the prototype.
static void s_convert_arguments(const TypeRecord *ft, pcodell_t **args, int count, const char *direct_name) {
  bool prototype = ft->flags.function.has_prototype;
  const ParamRecord *param = prototype ? ft->data.function.params : nullptr;
  bool printf_family = s_is_printf_family(direct_name);
  int params = 0;
  for (const ParamRecord *p = param; p; p = p->next)
    params++;
  for (int i = 0; i < count; i++) {
    if (!param && args[i]->type && is_type_void(args[i]->type)) {
      post_error(1146, i + 1);  // a void value cannot be passed
      continue;
    }
    if (param) {
      args[i] = s_argument(args[i], param, i + 1);
      param = param->next;
    } else {
      args[i] = s_default_promotion(args[i], printf_family);
    }
  }
  if (prototype && count < params)
    post_error(1203);
  if (prototype && count > params && !ft->flags.function.is_ellipsis)
    post_error(1204);
}

// The call node over the argument chain (value right, next argument left).
static pcodell_t *s_call_node(pcodell_t *callee, const TypeRecord *ft, pcodell_t **args, int count, long line,
                              const char *file) {
  pcodell_t *chain = trn_node(I_NOP, nullptr, nullptr, line, file);
  long bytes = 0;
  for (int i = count - 1; i >= 0; i--) {
    bytes += ll_sizeof_type(args[i]->type);
    chain = s_arg_node(args[i], chain, line, file);
  }
  // The callee reaches its arguments relative to its frame pointer: more
  // bytes than a frame can address cannot be received.
  if (bytes > FRAME_LIMIT)
    post_error(1301);
  TypeRecord *ret = ft->next;
  long rsize = is_type_void(ret) ? 0 : ll_sizeof_type(ret);
  PcodellOp op = is_type_void(ret) ? I_CALL : s_sized(I_CALL8, rsize);
  pcodell_t *call = trn_node(op, callee, chain, line, file);
  call->type = ret;
  call->size = rsize;
  call->arg_bytes = bytes;
  call->return_size = rsize;
  return call;
}

pcodell_t *trn_call(pcodell_t *callee, pcodell_t **args, int count, const char *direct_name, long line,
                    const char *file) {
  const TypeRecord *ft = callee->type;
  if (ft && ft->type == POINTER_TYPE)
    ft = ft->next;
  if (!ft || ft->type != FUNCTION_TYPE) {
    post_error(1202);
    for (int i = 0; i < count; i++)
      trn_free(args[i]);
    return trn_error_value(callee, nullptr);
  }
  if (!ft->flags.function.has_prototype)
    post_error(2058);
  s_convert_arguments(ft, args, count, direct_name);
  return s_call_node(callee, ft, args, count, line, file);
}
