// Constants and constant expressions. In: a value-type code and value, or
// a syntax-tree expression that must be constant (an array bound, a
// bit-field width, an enumerator value). Out: a constant node; a constant
// expression is translated with the ordinary expression handlers, which
// fold constants, and anything that is not then a constant reports 1219
// and yields the constant 1 (code S8).
#include "driver/diag.h"
#include "trans/trans.h"
#include "trans/trn_internal.h"

// Integer and float types of the value-type codes, owned here.
static TypeRecord *s_code_types[9];

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
  pcodell_t *c = trn_node(ops[code], nullptr, nullptr, line, file);
  value.code = code;
  c->data.expr.cnst.value = value;
  c->type = ll_get_constant_type(code);
  return c;
}

// The result leaves the translation's records: the callers (type
// resolution, enumerations, bit-fields) free it themselves.
pcodell_t *s_constant_expression(const pcodehl *expression) {
  long line = expression ? expression->line : yylineno;
  const char *file = expression ? expression->file : yyfilename;
  pcodell_t *c = expression ? trn_walk_expr(expression) : nullptr;
  if (!c || !is_pcodell_constant(c)) {
    trn_free(c);
    post_error(1219);
    c = trnConstant(S8, const_make(S8, 1), line, file);
  }
  trn_disown(c);
  return c;
}

pcodell_t *trn_sizeof_type(const typehl *specifiers, long line, const char *file) {
  TypeRecord *t = trnResolveType(specifiers, line, file);
  long size = 1;
  if (t && !trn_check_illegal_tag_reference(t))
    size = ll_sizeof_type(t);
  type_free(t);
  return trnConstant(U16, const_make(U16, size), line, file);
}
