// Structure, union and enumeration definitions. In: the member or
// enumerator chain of a specifier. Out: an SuDefinition with byte offsets,
// bit-field positions and sizes, or the enumeration's underlying type.
// Objects are byte-aligned and a bit-field never spans two bytes.
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "driver/diag.h"
#include "trans/trans.h"

// Named members by name, so that finding a member (each new member is
// checked against those before it) costs the same in a record of thousands
// of members as in a small one. A record with an anonymous structure or
// union member is searched member by member instead, since those names
// nest.
struct MemberIndex {
  std::unordered_map<std::string_view, MemberRecord *> named;
  bool has_anonymous_aggregate = false;
};

void member_index_free(MemberIndex *index) { delete index; }

namespace {

bool s_is_anonymous_aggregate(const MemberRecord *m) {
  return !m->name && m->type && m->type->type == SUE_TYPE && m->type->data.sue.tag;
}

// Adds a member that joins the definition's list to its index.
void s_index_member(SuDefinition *d, MemberRecord *m) {
  if (m->name)
    d->member_index->named.emplace(m->name, m);
  else if (s_is_anonymous_aggregate(m))
    d->member_index->has_anonymous_aggregate = true;
}

struct Cursor {
  long byte = 0;  // next free byte
  int bit = 0;    // bits used in the current byte (0: none)
};

SuDefinition *s_new_definition(TagKind kind) {
  auto *d = static_cast<SuDefinition *>(calloc(1, sizeof(SuDefinition)));
  if (!d)
    post_error(101);
  d->kind = kind;
  if (kind != ENUM_TAG)
    d->member_index = new MemberIndex;
  return d;
}

char *s_strdup(const char *s) {
  char *copy = strdup(s);
  if (!copy)
    post_error(101);
  return copy;
}

TypeRecord *s_plain_char() { return type_copy(char_type); }

// The member type: incomplete structures become char, functions become
// pointers to functions (a member cannot be a function).
TypeRecord *s_member_type(const typenodehl *node, const char *name) {
  TypeRecord *t = node->u.member.type ? trnResolveType(node->u.member.type, 0, nullptr) : nullptr;
  if (!t)
    return s_plain_char();
  if (trn_check_illegal_tag_reference(t)) {
    type_free(t);
    return s_plain_char();
  }
  if (t->type == FUNCTION_TYPE) {
    post_error(1156, name ? name : "");
    t = type_reference(t);
  }
  return t;
}

// Width of a bit-field: an integral constant of at most 8 bits.
int s_bitfield_width(const pcodehl *expr) {
  pcodell_t *c = s_constant_expression(expr);
  int width = 8;
  if (!is_type_integer(c->type)) {
    post_error(1170);
  } else {
    long w = get_signed_constant_value(c->data.expr.cnst.value.code, c->data.expr.cnst.value);
    if (w > 8)
      post_error(1171);
    else if (w >= 0)
      width = static_cast<int>(w);
  }
  pcodellFreeTree(c);
  return width;
}

void s_place_whole(MemberRecord *m, Cursor &c) {
  m->offset = static_cast<int32_t>(std::min(c.byte + (c.bit != 0 ? 1 : 0), 0x7FFFFFFFL));  // saturates
  c.byte = static_cast<long>(m->offset) + ll_sizeof_type(m->type);
  c.bit = 0;
}

void s_place_bitfield(MemberRecord *m, int width, Cursor &c) {
  if (width == 0) {  // an unnamed zero-width field closes the current byte
    if (c.bit != 0)
      c.byte++;
    c.bit = 0;
    m->offset = static_cast<int32_t>(c.byte);
    return;
  }
  if (c.bit + width > 8) {
    c.byte++;
    c.bit = 0;
  }
  m->offset = static_cast<int32_t>(c.byte);
  m->bit_offset = c.bit;
  m->bit_size = width;
  m->is_bitfield = 1;
  m->type->is_bitfield = 1;
  m->type->bit_offset = c.bit;
  m->type->bit_size = width;
  c.bit += width;
  if (c.bit == 8) {
    c.byte++;
    c.bit = 0;
  }
}

MemberRecord *s_lay_out_member(TagKind kind, MemberRecord *m, const typenodehl *node, Cursor &c);

// Lays out one member at the cursor; null when it is skipped.
MemberRecord *sDefineSUMember(TagKind kind, const SuDefinition *so_far, const typenodehl *node, Cursor &c) {
  const char *name = node->u.member.name;
  if (name && type_lookup_su_member(so_far, name)) {
    post_error(1513, name);
    return nullptr;
  }
  auto *m = static_cast<MemberRecord *>(calloc(1, sizeof(MemberRecord)));
  if (!m)
    post_error(101);
  try {
    return s_lay_out_member(kind, m, node, c);
  } catch (const FatalUnwind &) {
    member_list_free(m);  // the error limit reached in its type or width
    throw;
  }
}

MemberRecord *s_lay_out_member(TagKind kind, MemberRecord *m, const typenodehl *node, Cursor &c) {
  const char *name = node->u.member.name;
  m->type = s_member_type(node, name);
  m->name = name ? s_strdup(name) : nullptr;
  bool is_bitfield = node->u.member.expr != nullptr;
  if (kind == STRUCT_TAG && !name && !is_bitfield) {
    post_error(1169);
    type_free(m->type);
    m->type = s_plain_char();
    char fake[32];
    sym_get_fake_tag_name(fake, sizeof fake);
    m->name = s_strdup(fake);
  }
  if (!is_bitfield) {
    s_place_whole(m, c);
    return m;
  }
  if (!is_type_integer(m->type)) {
    post_error(1170);
    type_free(m->type);
    m->type = s_plain_char();
  }
  int width = s_bitfield_width(node->u.member.expr);
  // A bit-field is held in one byte: its base becomes char, signedness kept.
  m->type->data.basic.base = BT_CHAR;
  m->type->flags.basic.is_long = 0;
  m->type->flags.basic.is_short = 0;
  if (width == 8 && name)
    s_place_whole(m, c);
  else
    s_place_bitfield(m, width, c);
  return m;
}

std::vector<const typenodehl *> s_members(const typehl *chain) {
  std::vector<const typenodehl *> out;
  for (const typenodehl *n = chain ? chain->head : nullptr; n; n = n->next)
    out.push_back(n);
  return out;
}

// A definition under construction, freed when the run ends inside it (the
// error limit reached in a member's type or width).
template <class Build> SuDefinition *s_building(TagKind kind, Build build) {
  SuDefinition *d = s_new_definition(kind);
  try {
    build(d);
  } catch (const FatalUnwind &) {
    su_definition_free(d);
    throw;
  }
  return d;
}

SuDefinition *sDefineStruct(const typehl *members) {
  Cursor c;
  SuDefinition *d = s_building(STRUCT_TAG, [&](SuDefinition *d) {
    MemberRecord **link = &d->members;
    for (const typenodehl *node : s_members(members)) {
      if (MemberRecord *m = sDefineSUMember(STRUCT_TAG, d, node, c)) {
        *link = m;
        link = &m->next;
        s_index_member(d, m);
      }
    }
  });
  d->size = static_cast<int32_t>(std::min(c.byte + (c.bit != 0 ? 1 : 0), 0x7FFFFFFFL));  // saturates
  return d;
}

SuDefinition *sDefineUnion(const typehl *members) {
  long size = 0;
  SuDefinition *d = s_building(UNION_TAG, [&](SuDefinition *d) {
    MemberRecord **link = &d->members;
    for (const typenodehl *node : s_members(members)) {
      Cursor c;  // every member starts at offset 0
      MemberRecord *m = sDefineSUMember(UNION_TAG, d, node, c);
      if (!m)
        continue;
      if (!d->type)
        d->type = type_copy(m->type);
      size = std::max(size, c.byte + (c.bit != 0 ? 1 : 0));
      *link = m;
      link = &m->next;
      s_index_member(d, m);
    }
  });
  d->size = static_cast<int32_t>(std::min(size, 0x7FFFFFFFL));  // saturates
  // Sorted by name, unnamed members first.
  std::vector<MemberRecord *> sorted;
  for (MemberRecord *m = d->members; m; m = m->next)
    sorted.push_back(m);
  std::stable_sort(sorted.begin(), sorted.end(), [](const MemberRecord *a, const MemberRecord *b) {
    return strcmp(a->name ? a->name : "", b->name ? b->name : "") < 0;
  });
  d->members = nullptr;
  for (auto it = sorted.rbegin(); it != sorted.rend(); ++it) {
    (*it)->next = d->members;
    d->members = *it;
  }
  return d;
}

// ---- enumerations ---------------------------------------------------------

bool s_is_negative(const ConstValue &v) { return v.code % 2 == 0 && get_signed_constant_value(v.code, v) < 0; }

int32_t s_largest_code(unsigned long v) {
  if (v > 0x7FFFFFFFul) return U32;
  if (v > 0xFFFFFFul) return S32;
  if (v > 0x7FFFFFul) return U24;
  if (v > 65535ul) return S24;
  if (v > 32767ul) return U16;
  if (v > 255ul) return S16;
  if (v >= 128ul) return U8;
  return S8;
}

int32_t s_negative_code(long v) {
  if (v < -8388608L) return S32;
  if (v < -32768L) return S24;
  if (v <= -129L) return S16;
  return S8;
}

int32_t s_underlying_code(const std::vector<ConstValue> &values) {
  unsigned long largest = 0;
  long most_negative = 0;
  bool any_negative = false;
  for (const ConstValue &v : values) {
    if (s_is_negative(v)) {
      any_negative = true;
      most_negative = std::min(most_negative, get_signed_constant_value(v.code, v));
    } else {
      largest = std::max(largest, get_unsigned_constant_value(v.code, v));
    }
  }
  int32_t high = s_largest_code(largest);
  if (!any_negative)
    return high;
  if (high == U32) {
    post_error(2069);
    return U32;
  }
  int32_t code = std::max(high, s_negative_code(most_negative));
  return code % 2 == 1 ? code + 1 : code;  // an unsigned code moves to the next signed one
}

// Declares or shares the enumeration constant; null when the name is taken.
SymbolRecord *s_enumerator(const char *name, const ConstValue &value) {
  SymbolRecord *sym = sym_lookup_sym(name, 1);
  if (!sym) {
    sym = sym_create_symbol(name, type_copy(int_type), LINKAGE_NONE, SC_NONE);
    sym->flags |= 1;
    sym->constant = value;
    sym_declare_symbol(sym, false, yylineno, yyfilename);
    return sym;
  }
  if (!(sym->flags & 1)) {
    post_error(1109, name);
    return nullptr;
  }
  if (get_signed_constant_value(sym->constant.code, sym->constant) != get_signed_constant_value(value.code, value))
    post_error(1172, name);
  return sym;
}

}  // namespace

SuDefinition *sDefineSUEtype(TagKind kind, const typehl *members, long, const char *) {
  VELC_ASSERT(kind == STRUCT_TAG || kind == UNION_TAG);
  return kind == STRUCT_TAG ? sDefineStruct(members) : sDefineUnion(members);
}

SuDefinition *sDefineEnum(const typehl *enumerators, long, const char *) {
  std::vector<ConstValue> values;
  std::vector<SymbolRecord *> syms;
  SuDefinition *d = s_building(ENUM_TAG, [&](SuDefinition *) {
    ConstValue running = const_make(S8, 0);
    bool first = true;
    for (const typenodehl *node : s_members(enumerators)) {
      if (!first)
        const_inc(&running);
      first = false;
      if (node->u.member.expr) {
        pcodell_t *c = s_constant_expression(node->u.member.expr);
        if (is_type_integer(c->type))
          running = c->data.expr.cnst.value;
        else
          post_error(1219);
        pcodellFreeTree(c);
      }
      values.push_back(running);
      SymbolRecord *sym = node->u.member.name ? s_enumerator(node->u.member.name, running) : nullptr;
      syms.push_back(sym);
    }
  });
  int32_t code = values.empty() ? S16 : s_underlying_code(values);
  d->type = type_copy(values.empty() ? int_type : ll_get_constant_type(code));
  d->size = static_cast<int32_t>(ll_sizeof_type(d->type));
  EnumeratorRecord **link = &d->enumerators;
  for (SymbolRecord *sym : syms) {
    if (!sym)
      continue;
    do_convert_constant_type(&sym->constant, code);
    type_free(sym->data.var.type);
    sym->data.var.type = type_copy(d->type);
    auto *e = static_cast<EnumeratorRecord *>(calloc(1, sizeof(EnumeratorRecord)));
    if (!e)
      post_error(101);
    e->sym = sym;
    *link = e;
    link = &e->next;
  }
  return d;
}

// The first member of that name in list order, looking into anonymous
// structure and union members.
static MemberRecord *s_scan_members(const SuDefinition *definition, const char *name) {
  for (MemberRecord *m = definition->members; m; m = m->next) {
    if (m->name && strcmp(m->name, name) == 0)
      return m;
    if (s_is_anonymous_aggregate(m)) {
      if (MemberRecord *inner = type_lookup_su_member(m->type->data.sue.tag->definition, name))
        return inner;
    }
  }
  return nullptr;
}

MemberRecord *type_lookup_su_member(const SuDefinition *definition, const char *name) {
  if (!definition)
    return nullptr;
  const MemberIndex *index = definition->member_index;
  if (index && !index->has_anonymous_aggregate) {
    auto found = index->named.find(name);
    if (found != index->named.end())
      return found->second;
  } else if (MemberRecord *m = s_scan_members(definition, name)) {
    return m;
  }
  const SuDefinition *parent = definition->su.parent;
  if (parent && (parent->kind == STRUCT_TAG || parent->kind == UNION_TAG))
    return type_lookup_su_member(parent, name);
  return nullptr;
}

int trn_check_illegal_tag_reference(const TypeRecord *t) {
  while (t && t->type == ARRAY_TYPE)
    t = t->next;
  if (!t || t->type != SUE_TYPE)
    return 0;
  const TagEntry *tag = t->data.sue.tag;
  if (tag && tag->definition)
    return 0;
  post_error(1165, tag && tag->name ? tag->name : "");
  return 1;
}
