// Resolving a specifier list. In: a syntax-tree type chain, outermost
// declarator part first, then the declaration specifiers in source order.
// Out: a TypeRecord chain with memory space, address range and qualifiers
// settled, or null after 1166 when the list is not a valid type.
//
// A small state machine reads the list: 0 start, 1 inside base-type words,
// 2 after a struct/union/enum specifier, 3 after a function declarator.
// Qualifiers wait as "pending" until the next pointer, struct/union or basic
// node takes them.
#include <cstdio>
#include <vector>

#include "driver/diag.h"
#include "driver/settings.h"
#include "trans/trans.h"

namespace {

enum { ST_START = 0, ST_BASE = 1, ST_SUE = 2, ST_FUNCTION = 3 };

struct Resolver {
  long line;
  const char *file;
  int state = ST_START;
  TypeRecord *head = nullptr, *tail = nullptr;
  bool p_const = false, p_volatile = false;
  TypeLocation p_loc = NO_LOC;
  TypeRange p_range = NO_RANGE;
  TypeRecord *function = nullptr;  // function node waiting for its range
  TypeRecord *basic = nullptr;     // basic node being built
  TypeRecord *last_value = nullptr;  // last basic, struct/union or enum node
  int sign_words = 0;
  bool base_word = false;
};

bool sTransitionOk(int state, int code) {
  if (code >= TH_CHAR && code <= TH_LONG)
    return state == ST_START || state == ST_BASE || state == ST_FUNCTION;
  if (code >= TH_CONST && code <= TH_OVERLAY)
    return true;
  if (code == TH_POINTER || (code >= TH_STRUCT && code <= TH_ENUM))
    return state == ST_START || state == ST_FUNCTION;
  if (code == TH_ARRAY || code == TH_FUNCTION)
    return state == ST_START;
  return false;
}

void s_append(Resolver &r, TypeRecord *node) {
  if (r.tail)
    r.tail->next = node;
  else
    r.head = node;
  r.tail = node;
  while (r.tail->next)  // an enumeration's copied type may be a chain of one
    r.tail = r.tail->next;
}

// Pending qualifiers go on a new pointer, struct/union or basic node; the
// location defaults to RAM, the range to far in RAM and to the default ROM
// range in program memory.
void s_take_pending(Resolver &r, TypeRecord *node) {
  node->is_const |= r.p_const;
  node->is_volatile |= r.p_volatile;
  if (r.p_loc != NO_LOC)
    node->location = r.p_loc;
  else if (node->location == NO_LOC)
    node->location = RAM_LOC;
  if (r.p_range != NO_RANGE)
    node->range = r.p_range;
  else if (node->range == NO_RANGE || r.p_loc != NO_LOC)
    node->range = node->location == RAM_LOC ? FAR_RANGE : get_default_rom_range();
  r.p_const = r.p_volatile = false;
  r.p_loc = NO_LOC;
  r.p_range = NO_RANGE;
}

// A function lives in program memory; the first pointer, base word or
// struct/union/enum after its declarator settles its address range.
void s_settle_function_range(Resolver &r, bool base_word) {
  if (r.state != ST_FUNCTION || !r.function)
    return;
  if (base_word && r.p_loc == RAM_LOC)
    post_error(1163);
  r.function->range = r.p_range != NO_RANGE ? r.p_range : get_default_rom_range();
  r.p_range = NO_RANGE;
  r.p_loc = NO_LOC;
  r.p_const = r.p_volatile = false;
  r.function = nullptr;
}

void s_collect_qualifier(Resolver &r, int code) {
  switch (code) {
  case TH_CONST: r.p_const = true; break;
  case TH_VOLATILE: r.p_volatile = true; break;
  case TH_ROM: r.p_loc = ROM_LOC; break;
  case TH_RAM: r.p_loc = RAM_LOC; break;
  case TH_NEAR: r.p_range = NEAR_RANGE; break;
  case TH_FAR: r.p_range = FAR_RANGE; break;
  default: break;  // storage classes are read by trnResolveSclass
  }
}

void sAddTypename(Resolver &r, int code) {
  TypeRecord *t = r.basic;
  auto set_base = [&](BasicBase base) {
    if (t->data.basic.base != BT_NONE)
      post_error(1161);
    else
      t->data.basic.base = base;
  };
  switch (code) {
  case TH_CHAR: set_base(BT_CHAR); break;
  case TH_INT: set_base(BT_INT); break;
  case TH_FLOAT: case TH_DOUBLE: set_base(BT_FLOAT); break;
  case TH_VOID: set_base(BT_VOID); break;
  case TH_SHORT: t->flags.basic.is_short = 1; break;
  case TH_LONG: t->flags.basic.is_long = 1; break;
  case TH_SIGNED: case TH_UNSIGNED:
    if (r.sign_words++ > 0)
      post_error(1162);
    else if (code == TH_SIGNED)
      t->flags.basic.is_signed = 1;
    break;
  default: break;
  }
  if (code != TH_SIGNED && code != TH_UNSIGNED)
    r.base_word = true;
}

void s_base_word(Resolver &r, int code) {
  s_settle_function_range(r, true);
  if (r.state != ST_BASE) {
    r.basic = type_create(BASIC_TYPE);
    s_take_pending(r, r.basic);
    s_append(r, r.basic);
    r.last_value = r.basic;
  }
  sAddTypename(r, code);
  r.state = ST_BASE;
}

// The element count of an array declarator: a positive integer constant.
uint32_t s_array_count(const pcodehl *size) {
  if (!size)
    return 0;
  pcodell_t *c = s_constant_expression(size);
  uint32_t count = 1;
  const TypeRecord *t = c->type;
  if (!is_type_integer(t)) {
    post_error(1219);
  } else {
    const ConstValue &v = c->data.expr.cnst.value;
    long value = is_type_signed(t) ? get_signed_constant_value(v.code, v)
                                   : static_cast<long>(get_unsigned_constant_value(v.code, v));
    if (value <= 0)
      post_error(1516);
    else
      count = static_cast<uint32_t>(value);
  }
  pcodellFreeTree(c);
  return count;
}

std::vector<const pcodehl *> s_parameter_decls(const pcodehl *params) {
  std::vector<const pcodehl *> out;
  const pcodehl *p = params;
  for (; p && p->kind == H_DECLLST; p = p->left)
    out.push_back(p->right);
  if (p && p->kind == H_DECL)
    out.push_back(p);
  return {out.rbegin(), out.rend()};
}

ParamRecord *s_declare_parameter(const pcodehl *decl, int position, long line, const char *file) {
  TypeRecord *type = trnResolveType(decl->u.decl.type, decl->line, decl->file);
  if (!type)
    type = type_copy(int_type);
  StorageClass sclass = trnResolveSclass(decl->u.decl.type);
  char fake[32];
  const char *name = decl->left && decl->left->kind == H_IDENT ? decl->left->u.ident.name : nullptr;
  if (!name) {
    snprintf(fake, sizeof fake, "__%s_%d", "parameter", position);
    name = fake;
  }
  SymbolRecord *sym = trn_declare_sym(name, type, sclass, true, true, line, file);
  if (!sym)
    return param_create(int_type, AUTO);
  return param_create(sym->data.var.type, sym->data.var.sclass);
}

void s_function(Resolver &r, const typenodehl *node) {
  TypeRecord *f = type_create(FUNCTION_TYPE);
  f->location = ROM_LOC;
  f->flags.function.has_prototype = node->u.func.prototype != 0;
  s_append(r, f);
  if (node->u.func.params) {
    sym_begin_prototype();
    ParamRecord **link = &f->data.function.params;
    int position = 1;
    for (const pcodehl *decl : s_parameter_decls(node->u.func.params)) {
      *link = s_declare_parameter(decl, position++, r.line, r.file);
      link = &(*link)->next;
    }
    sym_end_prototype();
  }
  f->flags.function.is_ellipsis = node->u.func.ellipsis != 0;
  r.function = f;
  r.state = ST_FUNCTION;
}

TagEntry *s_struct_tag(TagKind kind, const typenodehl *node) {
  const char *name = node->u.sue.tag;
  bool has_members = node->u.sue.defined != 0;
  TagEntry *tag = sym_lookup_tag(name, has_members);
  if (tag && tag->kind != kind)
    post_error(1176, name);
  if (!tag)
    tag = sym_declare_tag(name, kind);
  if (has_members) {
    SuDefinition *def = sDefineSUEtype(kind, node->u.sue.members, 0, nullptr);
    su_definition_free(tag->definition);
    tag->definition = def;
  }
  return tag;
}

void s_struct_or_union(Resolver &r, const typenodehl *node) {
  s_settle_function_range(r, false);
  // The members first: the error limit reached inside them leaves no record.
  TagEntry *tag = s_struct_tag(node->kind == TH_STRUCT ? STRUCT_TAG : UNION_TAG, node);
  TypeRecord *t = type_create(SUE_TYPE);
  t->data.sue.tag = tag;
  s_take_pending(r, t);
  s_append(r, t);
  r.last_value = t;
  r.state = ST_SUE;
}

// An enumeration is not a struct-like node: its underlying integer type
// stands in the chain.
void s_enum(Resolver &r, const typenodehl *node) {
  s_settle_function_range(r, false);
  const char *name = node->u.sue.tag;
  bool has_list = node->u.sue.defined != 0;
  TagEntry *tag = name ? sym_lookup_tag(name, has_list) : nullptr;
  TypeRecord *t = nullptr;
  if (tag && tag->kind != ENUM_TAG) {
    post_error(1176, name);
  } else if (has_list) {
    if (!tag)
      tag = sym_declare_tag(name ? name : "", ENUM_TAG);
    SuDefinition *def = sDefineEnum(node->u.sue.members, 0, nullptr);
    su_definition_free(tag->definition);
    tag->definition = def;
    t = type_copy(def->type);
  } else if (!tag) {
    post_error(1168, name ? name : "");
  } else if (tag->definition) {
    t = type_copy(tag->definition->type);
  }
  if (!t)
    t = type_copy(int_type);
  s_take_pending(r, t);
  s_append(r, t);
  r.last_value = t;
  r.state = ST_SUE;
}

bool s_item(Resolver &r, const typenodehl *node) {
  int code = node->kind;
  if (!sTransitionOk(r.state, code)) {
    post_error(1166);
    return false;
  }
  if (code >= TH_CHAR && code <= TH_LONG) {
    s_base_word(r, code);
  } else if (code >= TH_CONST && code <= TH_OVERLAY) {
    s_collect_qualifier(r, code);
  } else if (code == TH_POINTER) {
    s_settle_function_range(r, false);
    TypeRecord *p = type_create(POINTER_TYPE);
    s_take_pending(r, p);
    s_append(r, p);
    r.state = ST_START;
  } else if (code == TH_ARRAY) {
    TypeRecord *a = type_create(ARRAY_TYPE);
    s_append(r, a);
    a->data.array.count = s_array_count(node->u.array.size);
  } else if (code == TH_FUNCTION) {
    s_function(r, node);
  } else if (code == TH_ENUM) {
    s_enum(r, node);
  } else {
    s_struct_or_union(r, node);
  }
  return true;
}

// Step after the list: a missing base type is int (2068 when no base word
// at all was written), and plain int and char get their signedness.
void s_finish_value(Resolver &r) {
  if (!r.last_value) {
    s_settle_function_range(r, false);
    r.basic = type_create(BASIC_TYPE);
    s_take_pending(r, r.basic);
    s_append(r, r.basic);
    r.last_value = r.basic;
  } else if (r.p_const || r.p_volatile || r.p_loc != NO_LOC || r.p_range != NO_RANGE) {
    s_take_pending(r, r.last_value);  // qualifiers written after the base type
  }
  TypeRecord *b = r.basic;
  if (!b || b != r.last_value)
    return;
  if (b->data.basic.base == BT_NONE) {
    b->data.basic.base = BT_INT;
    if (!r.base_word && r.sign_words == 0)
      post_error(2068);
  }
  if (r.sign_words == 0 && b->data.basic.base == BT_INT)
    b->flags.basic.is_signed = 1;
  if (r.sign_words == 0 && b->data.basic.base == BT_CHAR)
    b->flags.basic.is_signed = plain_char_signed_flag != 0;
}

const TypeRecord *s_innermost_element(const TypeRecord *t) {
  while (t && t->type == ARRAY_TYPE)
    t = t->next;
  return t;
}

void s_final_pass(TypeRecord *head) {
  for (TypeRecord *t = head; t; t = t->next) {
    if (t->type == ARRAY_TYPE) {
      if (is_type_void(t->next)) {
        post_error(1177);
        type_free(t->next);
        t->next = type_copy(int_type);
      }
      const TypeRecord *element = s_innermost_element(t);
      if (element) {
        t->location = element->location;
        t->range = element->range;
        t->is_volatile = element->is_volatile;
      }
      t->is_const = 1;
    } else if (t->type == POINTER_TYPE && t->next && t->next->location == RAM_LOC) {
      t->next->range = FAR_RANGE;
    } else if (t->type == BASIC_TYPE && t->flags.basic.is_short && !t->flags.basic.is_long) {
      t->flags.basic.is_short = 0;
    }
  }
}

}  // namespace

TypeRecord *trnResolveType(const typehl *specifiers, long line, const char *file) {
  if (debug_trans_flag)
    hl_print_type(specifiers);
  Resolver r;
  r.line = line;
  r.file = file;
  // A diagnostic that reaches the error limit unwinds from the middle of the
  // list: the chain built so far is freed on the way out.
  try {
    for (const typenodehl *node = specifiers ? specifiers->head : nullptr; node; node = node->next) {
      if (!s_item(r, node)) {
        type_free(r.head);
        return nullptr;
      }
    }
    s_finish_value(r);
    s_final_pass(r.head);
  } catch (const FatalUnwind &) {
    type_free(r.head);
    throw;
  }
  return r.head;
}

StorageClass trnResolveSclass(const typehl *specifiers) {
  StorageClass sclass = SC_NONE;
  for (const typenodehl *node = specifiers ? specifiers->head : nullptr; node; node = node->next) {
    StorageClass found;
    switch (node->kind) {
    case TH_EXTERN: found = EXTERN; break;
    case TH_STATIC: found = STATIC; break;
    case TH_AUTO: case TH_REGISTER: found = AUTO; break;
    case TH_OVERLAY: found = OVERLAY; break;
    case TH_TYPEDEF: post_error(100, "unhandled typedef declaration"); continue;
    default: continue;
    }
    if (sclass != SC_NONE)
      post_error(1160);
    else
      sclass = found;
  }
  return sclass;
}
