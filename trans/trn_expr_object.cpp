// Names, objects and values. In: names and translated operand trees. Out:
// identifier nodes under indirections (a named object is its address read
// through an indirection of its size and memory space), rvalue conversion
// of arrays and functions, address and indirection operators, member
// access, and increments. Each use of a name counts as a reference.
#include <cstdio>
#include <cstring>

#include "driver/diag.h"
#include "driver/settings.h"
#include "trans/trans.h"
#include "trans/trn_internal.h"

static SymbolRecord *s_void_sym;

// The placeholder object used after 1105, a plain char in RAM.
static SymbolRecord *s_placeholder() {
  if (!s_void_sym) {
    TypeRecord *t = type_copy(char_type);
    t->location = RAM_LOC;
    t->range = FAR_RANGE;
    s_void_sym = sym_create_symbol("__VoidSym", t, LINKAGE_NONE, STATIC);
  }
  return s_void_sym;
}

void trn_expr_reset() { s_void_sym = nullptr; }

// ll_indir: reads the object of the given type at address.
static pcodell_t *s_indir(pcodell_t *address, TypeRecord *object, long line, const char *file) {
  pcodell_t *p = trn_node(trn_indirection_op(object), address, nullptr, line, file);
  p->type = object;
  p->size = ll_sizeof_type(object);
  set_pcodell_lvalue(p);
  return p;
}

static pcodell_t *s_ident(SymbolRecord *sym, long line, const char *file);

// After a diagnostic where an object was expected: the placeholder object
// stands in, so that an assignment to it raises nothing more.
pcodell_t *trn_error_object(pcodell_t *x, long line, const char *file) {
  trn_free(x);
  SymbolRecord *sym = s_placeholder();
  return s_indir(s_ident(sym, line, file), sym->data.var.type, line, file);
}

// ll_ident: the address of a variable, typed as a pointer to it.
static pcodell_t *s_ident(SymbolRecord *sym, long line, const char *file) {
  pcodell_t *id = trn_node(pcodell_identifier_op(sym), nullptr, nullptr, line, file);
  id->data.expr.var.sym = sym;
  id->type = trn_pointer_to(sym->data.var.type);
  return id;
}

// A name used as the callee of a call without a declaration becomes an
// external int function without prototype.
static SymbolRecord *s_implicit_function(const char *name, long line, const char *file) {
  SymbolRecord *sym = sym_create_symbol(name, type_copy(default_function_type), LINKAGE_EXTERNAL, EXTERN);
  sym_declare_symbol(sym, true, line, file);
  return sym;
}

pcodell_t *trnIdent(const char *name, bool called, long line, const char *file) {
  SymbolRecord *sym = sym_lookup_sym(name, 0);
  if (!sym && called)
    sym = s_implicit_function(name, line, file);
  if (!sym || sym->type != VARIABLE) {
    post_error(1105, name);
    sym = s_placeholder();
  }
  if (sym->flags & 1)
    return trnConstant(sym->constant.code, sym->constant, line, file);
  sym->refcount++;
  TypeRecord *t = sym->data.var.type;
  if (t->type == FUNCTION_TYPE) {
    pcodell_t *id = trn_node(t->range == NEAR_RANGE ? I_IDROM16 : I_IDROM24, nullptr, nullptr, line, file);
    id->data.expr.var.sym = sym;
    id->type = t;
    return id;
  }
  return s_indir(s_ident(sym, line, file), t, line, file);
}

// Arrays become the address of their first element, functions their
// address; char and int values are promoted when promotion is on.
pcodell_t *trnLvalueToRvalue(pcodell_t *tree) {
  TypeRecord *t = tree->type;
  if (!t || is_pcodell_constant(tree))
    return tree;
  if (t->type == ARRAY_TYPE) {
    pcodell_t *address = tree;
    if (isPcodellIndirection(tree)) {
      address = tree->left;
      tree->left = nullptr;
      trn_free(tree);
    }
    address->type = trn_pointer_to(t->next);
    return address;
  }
  if (t->type == FUNCTION_TYPE) {
    tree->type = trn_pointer_to(t);
    return tree;
  }
  return trn_integer_promotion(tree);
}

bool trnConfirmLval(const pcodell_t *tree) {
  if (isPcodellIndirection(tree) && tree->lvalue)
    return true;
  post_error(1101);
  return false;
}

pcodell_t *trnReference(pcodell_t *x, long, const char *) {
  if (x->type && x->type->type == FUNCTION_TYPE)
    return trnLvalueToRvalue(x);
  if (!isPcodellIndirection(x)) {
    post_error(1101);
    return x;
  }
  if (isPcodellBitfield(x->left)) {
    post_error(1200);
    return x;
  }
  pcodell_t *address = x->left;
  TypeRecord *object = x->type;
  x->left = nullptr;
  trn_free(x);
  address->type = trn_pointer_to(object);
  return address;
}

pcodell_t *trnIndir(pcodell_t *x, long line, const char *file) {
  if (!x->type || x->type->type != POINTER_TYPE) {
    post_error(1130);
    return trn_error_object(x, line, file);
  }
  TypeRecord *object = x->type->next;
  if (is_type_void(object)) {
    post_error(1201);
    return trn_error_object(x, line, file);
  }
  if (object->type == FUNCTION_TYPE) {
    x->type = object;  // *f designates the function again
    return x;
  }
  if (trn_check_illegal_tag_reference(object))
    return x;
  return s_indir(x, object, line, file);
}

pcodell_t *trn_hidden_local(const TypeRecord *type, long line, const char *file) {
  static long s_count;
  char name[32];
  snprintf(name, sizeof name, "__hidden_%ld", s_count++);
  TypeRecord *t = type_copy(type);
  t->location = RAM_LOC;  // the object itself lives in the frame
  t->range = FAR_RANGE;
  SymbolRecord *sym = sym_create_symbol(name, t, LINKAGE_NONE, AUTO);
  sym->data.var.offset = trn_allocate_local(ll_sizeof_type(t));
  return s_indir(s_ident(sym, line, file), t, line, file);
}

pcodell_t *trnIndex(pcodell_t *l, pcodell_t *r, long line, const char *file) {
  bool lp = l->type->type == POINTER_TYPE, rp = r->type->type == POINTER_TYPE;
  if (!((lp && is_type_integer(r->type)) || (rp && is_type_integer(l->type)))) {
    post_error(1129);
    trn_free(r);
    return trn_error_object(l, line, file);
  }
  return trnIndir(trnAdd(l, r, line, file), line, file);
}

// Member or bitfield node over the structure object; a structure at a
// constant address takes the member offset into that constant instead.
static pcodell_t *s_member_node(pcodell_t *object, const MemberRecord *m, const TypeRecord *su, long line,
                                const char *file) {
  int space = pcodell_space_index(su);
  TypeRecord *mtype = m->type;
  if (m->is_bitfield) {
    static const PcodellOp bitf[] = {I_BITFRAM8, I_BITFRAM16, I_BITFROM16, I_BITFROM24};
    pcodell_t *b = trn_node(bitf[space], object, nullptr, line, file);
    b->data.expr.member.offset = m->offset;
    b->data.expr.member.bit_offset = m->bit_offset;
    b->data.expr.member.bit_size = m->bit_size;
    b->data.expr.member.is_signed = is_type_signed(mtype);
    b->type = trn_pointer_to(mtype);
    return b;
  }
  if (isPcodellIndirection(object) && is_pcodell_constant(object->left)) {
    pcodell_t *address = object->left;
    object->left = nullptr;
    trn_free(object);
    ConstValue &v = address->data.expr.cnst.value;
    v = const_make(v.code, static_cast<long>(get_unsigned_constant_value(v.code, v) + m->offset));
    address->type = trn_pointer_to(mtype);
    return address;
  }
  pcodell_t *p = trn_node(static_cast<PcodellOp>(I_MEMBERRAM8 + space), object, nullptr, line, file);
  p->data.expr.member.offset = m->offset;
  p->type = trn_pointer_to(mtype);
  return p;
}

static bool s_is_su(const TypeRecord *t) { return t && t->type == SUE_TYPE; }

// The structure object of s.m or p->m; the wrong operator is warned about
// and the access made as if the right one had been written.
static pcodell_t *s_structure_object(pcodell_t *base, bool dot, long line, const char *file) {
  const TypeRecord *t = base->type;
  bool is_pointer = t && t->type == POINTER_TYPE;
  if (dot && is_pointer && s_is_su(t->next))
    post_error(2062);
  else if (!dot && !is_pointer && s_is_su(t))
    post_error(2063);
  const TypeRecord *su = is_pointer ? t->next : t;
  if (!s_is_su(su)) {
    post_error(1151);
    return nullptr;
  }
  const TagEntry *tag = su->data.sue.tag;
  if (!tag || !tag->definition) {
    post_error(1207, tag ? tag->name : "");
    return nullptr;
  }
  return is_pointer ? trnIndir(base, line, file) : base;
}

pcodell_t *trnMemberAccess(pcodell_t *base, const char *member, bool dot, long line, const char *file) {
  pcodell_t *object = s_structure_object(base, dot, line, file);
  if (!object)
    return trn_error_object(base, line, file);
  const TypeRecord *su = object->type;
  const TagEntry *tag = su->data.sue.tag;
  const MemberRecord *m = type_lookup_su_member(tag->definition, member);
  if (!m) {
    post_error(1205, member, tag->name);
    return trn_error_object(object, line, file);
  }
  pcodell_t *node = s_member_node(object, m, su, line, file);
  // The member lives where its structure lives and shares its const.
  TypeRecord *mtype = m->type;
  TypeRecord *member_object = mtype;
  if ((su->is_const && !mtype->is_const) || su->location != mtype->location || su->range != mtype->range) {
    member_object = trn_keep(type_copy(mtype));
    member_object->is_const |= su->is_const;
    member_object->location = su->location;
    member_object->range = su->range;
  }
  return s_indir(node, member_object, line, file);
}

// x++ or x-- on a float in program memory, whose old value the code
// generator has no rule to keep: (P = &x, T = *P, *P = T +/- 1, T) with
// P and T hidden locals, so the address is taken once.
static pcodell_t *s_rom_float_postfix(bool inc, pcodell_t *x, long line, const char *file) {
  const TypeRecord *type = x->type;
  pcodell_t *address = trnReference(x, line, file);
  pcodell_t *ptr = trn_hidden_local(address->type, line, file);
  pcodell_t *old = trn_hidden_local(type, line, file);
  pcodell_t *save = trnAssign(trn_copy(ptr), address, line, file);
  pcodell_t *object = trnIndir(trnLvalueToRvalue(trn_copy(ptr)), line, file);
  pcodell_t *read = trnAssign(trn_copy(old), trnLvalueToRvalue(object), line, file);
  pcodell_t *one = trn_int_constant(U8, 1, line, file);
  pcodell_t *value = trnLvalueToRvalue(trn_copy(old));
  pcodell_t *step = inc ? trnAdd(value, one, line, file) : trnSub(value, one, line, file);
  pcodell_t *write = trnAssign(trnIndir(trnLvalueToRvalue(ptr), line, file), step, line, file);
  pcodell_t *result = trnLvalueToRvalue(old);
  return trnCommaExpression(save, trnCommaExpression(read, trnCommaExpression(write, result, line, file), line, file),
                            line, file);
}

// Pre/post increment and decrement of a scalar modifiable lvalue; the step
// of a pointer is its pointee's size.
pcodell_t *trnIncDec(int kind, pcodell_t *x, long line, const char *file) {
  bool inc = kind == H_PREINC || kind == H_PSTINC;
  if (!is_type_scalar(x->type)) {
    post_error(inc ? 1147 : 1148);
    return x;
  }
  if (!trnConfirmLval(x))
    return x;
  if (x->type->is_const) {
    post_error(1102);
    return x;
  }
  long step = 1;
  if (x->type->type == POINTER_TYPE) {
    if (trn_check_illegal_tag_reference(x->type->next))
      return x;
    step = ll_sizeof_type(x->type->next);
  }
  int group = kind == H_PREINC ? 0 : kind == H_PSTINC ? 1 : kind == H_PREDEC ? 2 : 3;
  if ((group == 1 || group == 3) && x->type->location != RAM_LOC && is_type_float(x->type) && trnInFunctionBody())
    return s_rom_float_postfix(inc, x, line, file);
  int w = trn_value_index(x->type, true);
  int base = x->type->location == RAM_LOC ? I_PREINC8RAM : I_PREINC8ROM;
  pcodell_t *p = trn_node(static_cast<PcodellOp>(base + group * 5 + w), x, nullptr, line, file);
  p->type = x->type;
  p->step = step;
  p->size = ll_sizeof_type(x->type);
  return p;
}

pcodell_t *trnSizeofExpression(pcodell_t *x, long line, const char *file) {
  long size = 1;
  if (x->type && x->type->type == FUNCTION_TYPE)
    size = ll_sizeof_type(x->type);
  else if (x->type && !trn_check_illegal_tag_reference(x->type))
    size = ll_sizeof_type(x->type);
  trn_free(x);
  return trn_int_constant(U16, size, line, file);
}

pcodell_t *trnCommaExpression(pcodell_t *l, pcodell_t *r, long line, const char *file) {
  if (is_pcodell_constant(l)) {
    trn_free(l);
    return r;
  }
  pcodell_t *p = trn_node(I_RIGHT, l, r, line, file);
  p->type = r->type;
  return p;
}
