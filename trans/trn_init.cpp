// Objects and their initialisers. In: a declared object and its
// initialiser from the syntax tree (an expression, a string, or a braced
// list; H_NOP for none). Out: the object's definition flags, data section
// and frame offset; for a statically allocated object its initial data,
// a record per run of value bytes (little-endian, IEEE floats) and per
// address byte (a symbol plus offset); for an automatic object the assignment
// statements that run where the declaration stands.
#include <algorithm>
#include <cstdlib>
#include <cstdio>
#include <cstring>
#include <map>
#include <vector>

#include "driver/diag.h"
#include "trans/trans.h"
#include "trans/trn_internal.h"

namespace {

std::vector<SymbolRecord *> s_initialised;  // symbols owning initial data

// The items of one braced list, in source order, with a read position.
struct Items {
  std::vector<const pcodehl *> v;
  size_t pos = 0;
  bool more() const { return pos < v.size(); }
  const pcodehl *peek() const { return v[pos]; }
  const pcodehl *next() { return v[pos++]; }
};

Items s_items(const pcodehl *list) {
  Items items;
  for (const pcodehl *p = list; p && p->kind == H_ILIST; p = p->left)
    items.v.push_back(p->right);
  items.v = {items.v.rbegin(), items.v.rend()};
  return items;
}

// A static object's initial data while it is made: the value of every byte,
// and a record for each byte that holds part of an address. A large table
// costs a byte per byte; only its address bytes have records.
struct Image {
  std::vector<uint8_t> values;
  std::map<long, InitRecord> addresses;
};

// Where initial values go: bytes of a static image at an offset, or an
// automatic object's lvalue tree (owned here) with the statement list.
struct Target {
  Image *image;
  long offset;
  pcodell_t *object;
  SList *stmts;
};

// One byte of a static image; an array sized by its initialiser grows the image.
// Program memory holds at most 2 MB: nothing larger gets an image.
constexpr long IMAGE_LIMIT = 1L << 21;

bool s_in_image(Image &image, long index) {
  if (index < 0 || index >= IMAGE_LIMIT)
    return false;
  if (index >= static_cast<long>(image.values.size()))
    image.values.resize(static_cast<size_t>(index + 1));
  return true;
}

uint8_t &s_byte(Image &image, long index) {
  static uint8_t beyond;
  return s_in_image(image, index) ? image.values[static_cast<size_t>(index)] : beyond;
}

// The record of an address byte; its value byte stays in `values`.
InitRecord &s_address_byte(Image &image, long index) {
  static InitRecord beyond;
  return s_in_image(image, index) ? image.addresses[index] : beyond;
}

bool s_is_aggregate(const TypeRecord *t) { return t->type == ARRAY_TYPE || t->type == SUE_TYPE; }

void s_fill(const Target &t, TypeRecord *type, Items &items);

Target s_element(const Target &t, const TypeRecord *array, long index) {
  if (t.image)
    return {t.image, t.offset + index * ll_sizeof_type(array->next), nullptr, nullptr};
  pcodell_t *base = trnLvalueToRvalue(trn_copy(t.object));
  pcodell_t *i = trn_int_constant(S16, index, t.object->line, t.object->file);
  return {nullptr, 0, trnIndex(base, i, t.object->line, t.object->file), t.stmts};
}

Target s_member(const Target &t, const MemberRecord *m) {
  if (t.image)
    return {t.image, t.offset + m->offset, nullptr, nullptr};
  pcodell_t *access = trnMemberAccess(trn_copy(t.object), m->name, true, t.object->line, t.object->file);
  return {nullptr, 0, access, t.stmts};
}

void s_release(const Target &t) { trn_free(t.object); }

// ---- static values ---------------------------------------------------------

// A symbol's address plus a constant offset, looking through casts and
// member selection; false for anything else.
bool s_address(const pcodell_t *p, SymbolRecord **sym, long *offset) {
  if (isPcodellIdentifier(p)) {
    *sym = p->data.expr.var.sym;
    return true;
  }
  if (is_opcode_cast(p->opcode))
    return s_address(p->left, sym, offset);
  if (isPcodellMember(p)) {
    // The member node stands over the structure object: its address is
    // the operand of that object's indirection.
    *offset += p->data.expr.member.offset;
    const pcodell_t *base = p->left;
    return base && isPcodellIndirection(base) ? s_address(base->left, sym, offset) : false;
  }
  bool add = (p->opcode >= I_cop8 && p->opcode <= I_cop32 && p->data.expr.cop == B_ADD);
  bool sub = p->opcode == I_SUB16 || p->opcode == I_SUB24;
  if ((add || sub) && is_pcodell_constant(p->right)) {
    long k = static_cast<long>(trn_constant_read(p->right));
    *offset += sub ? -k : k;
    return s_address(p->left, sym, offset);
  }
  if (add && is_pcodell_constant(p->left)) {
    *offset += static_cast<long>(trn_constant_read(p->left));
    return s_address(p->right, sym, offset);
  }
  return false;
}

// Program-memory addresses (rom data, functions) have three bytes, the upper
// one 0 below 64 KiB; data addresses two.
long s_address_width(const SymbolRecord *sym) {
  const TypeRecord *t = sym->data.var.type;
  return t->location == ROM_LOC || t->type == FUNCTION_TYPE ? 3 : 2;
}

void s_store_bitfield(Image &image, long offset, const TypeRecord *type, unsigned long v) {
  unsigned long mask = (1ul << type->bit_size) - 1;
  unsigned long bits = (v & mask) << type->bit_offset;
  for (long i = 0; i < 2 && bits; i++, bits >>= 8) {
    uint8_t &b = s_byte(image, offset + i);
    b = static_cast<uint8_t>(b | (bits & 0xFF));
  }
}

// A constant's bytes, low byte first; floats by their IEEE single bits.
void s_store_constant(const Target &t, const TypeRecord *type, const pcodell_t *value, bool bitfield) {
  const ConstValue &c = value->data.expr.cnst.value;
  unsigned long v;
  if (c.code == F32) {
    uint32_t bits;
    memcpy(&bits, &c.value.f, sizeof bits);
    v = bits;
  } else {
    v = get_unsigned_constant_value(c.code, c);
  }
  if (bitfield) {
    s_store_bitfield(*t.image, t.offset, type, v);
    return;
  }
  for (long i = 0; i < ll_sizeof_type(type); i++)
    s_byte(*t.image, t.offset + i) = static_cast<uint8_t>(v >> (8 * i));
}

// Address bytes for as many bytes as the address has; the rest stay zero.
void s_store_address(const Target &t, const TypeRecord *type, SymbolRecord *sym, long offset) {
  long width = s_address_width(sym);
  for (long i = 0; i < ll_sizeof_type(type) && i < width; i++) {
    InitRecord &r = s_address_byte(*t.image, t.offset + i);
    r.kind = INIT_ADDRESS;
    r.sym = sym;
    r.offset = offset;
    r.byte = static_cast<int>(i);
  }
}

void s_store(const Target &t, const TypeRecord *type, pcodell_t *value, bool bitfield) {
  if (is_pcodell_constant(value)) {
    s_store_constant(t, type, value, bitfield);
    return;
  }
  SymbolRecord *sym = nullptr;
  long offset = 0;
  if (!bitfield && s_address(value, &sym, &offset))
    s_store_address(t, type, sym, offset);
  else
    post_error(1214);
}

// ---- one scalar --------------------------------------------------------------

pcodell_t *s_converted(TypeRecord *type, const pcodehl *expr) {
  pcodell_t *value = trn_walk_expr(expr);
  if (!trn_can_assign(type, value)) {
    post_error(1131);
    trn_free(value);
    return nullptr;
  }
  return trn_convert_for_assign(value, type);
}

// An automatic object is initialised by assignment, const or not.
void s_assign(const Target &t, pcodell_t *value) {
  const TypeRecord *to = t.object->type;
  long size = ll_sizeof_type(to);
  pcodell_t *mov = trn_node(static_cast<PcodellOp>(I_MOV8 + trn_size_index(size)), t.object, value,
                            t.object->line, t.object->file);
  mov->type = t.object->type;
  mov->size = size;
  slist_add(*t.stmts, mov);
}

void s_scalar_value(const Target &t, TypeRecord *type, const pcodehl *expr, bool bitfield) {
  pcodell_t *value = s_converted(type, expr);
  if (!value) {
    s_release(t);
    return;
  }
  if (t.image) {
    s_store(t, type, value, bitfield);
    trn_free(value);
    return;
  }
  s_assign(t, value);
}

void s_scalar(const Target &t, TypeRecord *type, Items &items, bool bitfield) {
  const pcodehl *item = items.next();
  if (item->kind == H_ILIST) {
    Items inner = s_items(item);
    if (!inner.more()) {
      s_release(t);
      return;
    }
    item = inner.next();
    if (inner.more())
      post_error(1218);
  }
  if (item->kind == H_ILIST) {
    post_error(1218);
    s_release(t);
    return;
  }
  s_scalar_value(t, type, item, bitfield);
}

// The first declared member of a union: the member of the union's own type
// (members are kept sorted by name).
const MemberRecord *s_union_first(const SuDefinition *d) {
  for (const MemberRecord *m = d->members; m; m = m->next)
    if (m->name && are_types_compatible(m->type, d->type, true))
      return m;
  return d->members;
}

// ---- zero filling of automatic objects -------------------------------------------

void s_zero(const Target &t, TypeRecord *type) {
  if (type->type == ARRAY_TYPE) {
    for (uint32_t i = 0; i < type->data.array.count; i++)
      s_zero(s_element(t, type, i), type->next);
  } else if (type->type == SUE_TYPE) {
    const SuDefinition *d = type->data.sue.tag ? type->data.sue.tag->definition : nullptr;
    if (d && d->kind == UNION_TAG) {
      if (const MemberRecord *m = s_union_first(d))
        s_zero(s_member(t, m), m->type);
    } else {
      for (const MemberRecord *m = d ? d->members : nullptr; m; m = m->next)
        if (m->name)
          s_zero(s_member(t, m), m->type);
    }
  } else {
    pcodell_t *zero = ll_cast(trn_int_constant(S8, 0, t.object->line, t.object->file), type);
    s_assign(t, zero);
    return;
  }
  s_release(t);
}

// ---- aggregates ------------------------------------------------------------

// A string literal into an array of 1-byte elements; the literal itself is
// not emitted unless it is used elsewhere.
void s_string(const Target &t, TypeRecord *array, const pcodehl *str) {
  long length = str->u.string.count;
  pcodell_t *lit = trnStringLiteral(str->u.string.bytes, length, str->line, str->file);
  if (isPcodellIndirection(lit) && isPcodellIdentifier(lit->left))
    lit->left->data.expr.var.sym->refcount--;
  trn_free(lit);
  if (array->data.array.count == 0)
    array->data.array.count = static_cast<uint32_t>(length + 1);
  long count = array->data.array.count;
  if (length + 1 > count)
    post_error(2073);
  // Bytes after the terminating NUL are zero: an image starts zeroed, and
  // an automatic array too large for the frame has been reported (1300).
  long last = !t.image && count <= 256 ? count : std::min(count, length + 1);
  for (long i = 0; i < last; i++) {
    unsigned char byte = i < length ? static_cast<unsigned char>(str->u.string.bytes[i]) : 0;
    if (t.image) {
      s_byte(*t.image, t.offset + i) = byte;
      continue;
    }
    Target e = s_element(t, array, i);
    s_assign(e, ll_cast(trn_int_constant(U8, byte, str->line, str->file), e.object->type));
  }
}

bool s_is_char_array(const TypeRecord *t) { return t->type == ARRAY_TYPE && ll_sizeof_type(t->next) == 1; }

void s_array(const Target &t, TypeRecord *array, Items &items) {
  uint32_t count = array->data.array.count;
  uint32_t i = 0;
  for (; items.more() && (count == 0 || i < count); i++)
    s_fill(s_element(t, array, i), array->next, items);
  if (count == 0)
    array->data.array.count = i ? i : 1;
  // An automatic array too large for the frame has been reported (1300).
  if (!t.image && ll_sizeof_type(array) <= 256)
    for (; i < array->data.array.count; i++)
      s_zero(s_element(t, array, i), array->next);
}

void s_struct(const Target &t, TypeRecord *type, Items &items) {
  const SuDefinition *d = type->data.sue.tag ? type->data.sue.tag->definition : nullptr;
  if (!d) {
    post_error(1207, type->data.sue.tag ? type->data.sue.tag->name : "");
    items.pos = items.v.size();
    return;
  }
  if (d->kind == UNION_TAG) {
    const MemberRecord *m = s_union_first(d);  // only the first member is initialised
    if (m && items.more())
      s_fill(s_member(t, m), m->type, items);
    return;
  }
  for (const MemberRecord *m = d->members; m; m = m->next) {
    if (!m->name)
      continue;  // an unnamed bit-field takes no initialiser
    if (!items.more()) {
      if (!t.image)
        s_zero(s_member(t, m), m->type);
    } else if (m->is_bitfield) {
      Target mt = s_member(t, m);
      TypeRecord field = *m->type;
      field.bit_offset = m->bit_offset;
      field.bit_size = m->bit_size;
      s_scalar(mt, t.image ? &field : m->type, items, t.image != nullptr);
    } else {
      s_fill(s_member(t, m), m->type, items);
    }
  }
}

void s_aggregate(const Target &t, TypeRecord *type, Items &items) {
  if (type->type == ARRAY_TYPE)
    s_array(t, type, items);
  else
    s_struct(t, type, items);
}

void s_fill(const Target &t, TypeRecord *type, Items &items) {
  if (!s_is_aggregate(type)) {
    s_scalar(t, type, items, false);
    return;
  }
  const pcodehl *item = items.peek();
  if (item->kind == H_ILIST) {
    items.next();
    Items inner = s_items(item);
    s_aggregate(t, type, inner);
    if (inner.more())
      post_error(1218);
  } else if (item->kind == H_STRING && s_is_char_array(type)) {
    items.next();
    s_string(t, type, item);
  } else {
    s_aggregate(t, type, items);  // braces left out: members come from this list
  }
  s_release(t);
}

// ---- the object ----------------------------------------------------------------

bool s_initialisable(const TypeRecord *t) { return is_type_scalar(t) || s_is_aggregate(t); }

// Flags and data section of the object; false when the initialiser must be dropped.
bool s_storage(SymbolRecord *sym, bool has_init) {
  StorageClass sclass = sym->data.var.sclass;
  bool file_scope = sym_get_nesting_level() == 0;
  bool keep = true;
  if (file_scope) {
    if (has_init && (sym->decl_flags & DECL_INITIALISED)) {
      post_error(1504, sym->name);
      keep = false;
    } else if (has_init) {
      sym->decl_flags = static_cast<uint8_t>((sym->decl_flags | DECL_INITIALISED) & ~DECL_TENTATIVE);
    } else if (sym->decl_flags & DECL_INITIALISED) {
      return true;  // a declaration after the definition: data and section stay
    } else if (sclass == SC_NONE || sclass == STATIC) {
      sym->decl_flags |= DECL_TENTATIVE;
    }
  } else if (sclass == EXTERN && has_init) {
    post_error(1510, sym->name);
    keep = false;
  }
  if (sym->data.var.type->location != ROM_LOC && !(sym->flags & 1)) {
    if (sclass == OVERLAY && !trnInFunction()) {
      post_error(1304, sym->name);
      sclass = SC_NONE;
    }
    if (sclass == SC_NONE || sclass == STATIC) {
      free(sym->section_name);
      sym->section_name = has_init && keep ? sym_get_current_idata_scn_name() : sym_get_current_udata_scn_name();
      sym->section_assigned = 1;
    }
  }
  return keep;
}

// The image as a list of records for the later phases: consecutive plain
// bytes become one run, and the records and the runs' bytes of one image
// are made in one block, so that a large table or string costs one
// allocation and a few words per run rather than a record per byte. The
// block is freed through its first record.
InitRecord *s_image_list(const Image &image) {
  size_t size = image.values.size();
  if (size == 0)
    return nullptr;
  // Each address byte is a record; so is each run of value bytes between them.
  size_t records = 0;
  long end = 0;
  for (const auto &[at, a] : image.addresses) {
    if (at >= static_cast<long>(size))
      break;
    records += 1 + (at > end);
    end = at + 1;
  }
  records += end < static_cast<long>(size);
  size_t head = records * sizeof(InitRecord);
  auto *block = static_cast<InitRecord *>(calloc(1, head + size));
  if (!block)
    post_error(101);
  auto *storage = reinterpret_cast<uint8_t *>(block) + head;
  memcpy(storage, image.values.data(), size);
  InitRecord *r = nullptr;
  auto address = image.addresses.begin();
  for (size_t i = 0; i < size; i++) {
    bool is_address = address != image.addresses.end() && address->first == static_cast<long>(i);
    if (!is_address && r && r->kind == INIT_VALUE) {
      r->count++;
      continue;
    }
    InitRecord *next = r ? r + 1 : block;
    if (is_address)
      *next = (address++)->second;
    else
      *next = InitRecord{};
    next->value = storage[i];
    next->count = 1;
    next->bytes = storage + i;
    next->next = nullptr;
    if (r)
      r->next = next;
    r = next;
  }
  return block;
}

void s_free_init(SymbolRecord *sym) {
  free(sym->data.var.init);
  sym->data.var.init = nullptr;
}

// A single value for a whole aggregate: a string for an array, or a
// structure of the same type for an automatic structure.
void s_single_value(const Target &t, TypeRecord *type, const pcodehl *init) {
  if (type->type == ARRAY_TYPE && init->kind == H_STRING && s_is_char_array(type)) {
    s_string(t, type, init);
    s_release(t);
    return;
  }
  if (type->type == ARRAY_TYPE && init->kind == H_STRING) {
    post_error(1216);
    s_release(t);
    return;
  }
  if (!t.image && type->type == SUE_TYPE) {
    pcodell_t *value = trn_walk_expr(init);
    if (value->type && value->type->type == SUE_TYPE && are_types_compatible(type, value->type, false)) {
      s_assign(t, value);
      return;
    }
    trn_free(value);
  }
  post_error(1213);
  s_release(t);
}

void s_translate(const Target &t, TypeRecord *type, const pcodehl *init) {
  if (s_is_aggregate(type) && init->kind != H_ILIST) {
    s_single_value(t, type, init);
    return;
  }
  Items top;
  top.v.push_back(init);
  s_fill(t, type, top);
}

// A leaf that is a plain constant (possibly negated). A string inside
// braces may initialise a pointer, whose bytes are an address that an
// image of plain bytes cannot hold, so it is assigned instead.
bool s_constant_leaf(const pcodehl *e) {
  if (e->kind == H_MINUS || e->kind == H_PLUS)
    e = e->left;
  return e && e->kind == H_CNST;
}

// Whether every value of a braced initialiser is a constant leaf.
bool s_all_constant(const pcodehl *init) {
  if (init->kind != H_ILIST)
    return s_constant_leaf(init);
  for (const pcodehl *p = init; p && p->kind == H_ILIST; p = p->left)
    if (!s_all_constant(p->right))
      return false;
  return true;
}

// An automatic aggregate whose initialiser is all constants is copied from
// an image: I_INITX over the object's address, the image owned by the node.
bool s_image_copy(SymbolRecord *sym, const pcodehl *init, SList &out) {
  TypeRecord *type = sym->data.var.type;
  bool string = init->kind == H_STRING && s_is_char_array(type);
  if (!s_is_aggregate(type) || !(string || (init->kind == H_ILIST && s_all_constant(init))))
    return false;
  Image image;
  s_translate(Target{&image, 0, nullptr, nullptr}, type, init);
  long size = std::min(ll_sizeof_type(type), IMAGE_LIMIT);
  image.values.resize(static_cast<size_t>(size));
  auto *bytes = static_cast<unsigned char *>(calloc(static_cast<size_t>(size > 0 ? size : 1), 1));
  if (!bytes)
    post_error(101);
  if (size > 0)
    memcpy(bytes, image.values.data(), static_cast<size_t>(size));
  pcodell_t *object = trnIdent(sym->name, false, init->line, init->file);
  pcodell_t *address = trnReference(object, init->line, init->file);
  pcodell_t *copy = trn_node(I_INITX, address, nullptr, init->line, init->file);
  copy->type = type;
  copy->size = size;
  copy->owned = bytes;
  copy->owned_size = size;
  slist_add(out, copy);
  return true;
}

}  // namespace

SList trnProcessInitializers(SymbolRecord *sym, const pcodehl *init) {
  SList out;
  TypeRecord *type = sym->data.var.type;
  bool has_init = init && init->kind != H_NOP;
  if (has_init && !s_initialisable(type)) {
    post_error(1218);
    has_init = false;
  }
  if (!s_storage(sym, has_init))
    has_init = false;
  bool automatic = sym->data.var.sclass == AUTO;
  if (has_init && automatic && trnInFunctionBody()) {
    if (!s_image_copy(sym, init, out)) {
      Target t{nullptr, 0, trnIdent(sym->name, false, init->line, init->file), &out};
      s_translate(t, type, init);
    }
  } else if (has_init && !automatic) {
    Image image;
    Target t{&image, 0, nullptr, nullptr};
    s_translate(t, type, init);
    image.values.resize(static_cast<size_t>(std::min(ll_sizeof_type(type), IMAGE_LIMIT)));
    s_free_init(sym);
    sym->data.var.init = s_image_list(image);
    s_initialised.push_back(sym);
  }
  if (automatic && trnInFunctionBody() && !(sym->flags & 1))
    sym->data.var.offset = trn_allocate_local(ll_sizeof_type(type));
  return out;
}

const InitRecord *trn_initial_data(const SymbolRecord *sym) { return static_cast<const InitRecord *>(sym->data.var.init); }

// One run of plain bytes as a symbol's initial data: the given bytes, then
// `zeros` zero bytes (a string literal's terminating NUL).
static void s_byte_run(SymbolRecord *sym, const uint8_t *bytes, long count, long zeros) {
  s_free_init(sym);
  long total = count + zeros;
  if (total > 0) {
    auto *block = static_cast<InitRecord *>(calloc(1, sizeof(InitRecord) + size_t(total)));
    if (!block)
      post_error(101);
    auto *storage = reinterpret_cast<uint8_t *>(block + 1);
    if (count > 0)
      memcpy(storage, bytes, size_t(count));
    block->kind = INIT_VALUE;
    block->value = storage[0];
    block->count = total;
    block->bytes = storage;
    sym->data.var.init = block;
  }
  s_initialised.push_back(sym);
}

// Initial bytes of a string literal: its characters and the terminating NUL.
void ll_initialize_string_literal(SymbolRecord *sym) { s_byte_run(sym, sym->literal, sym->literal_length, 1); }

void ll_initialize_bytes(SymbolRecord *sym, const uint8_t *bytes, long count) { s_byte_run(sym, bytes, count, 0); }

void trn_free_initial_data() {
  for (SymbolRecord *sym : s_initialised)
    s_free_init(sym);
  s_initialised.clear();
}

void trn_decl_reset() { s_initialised.clear(); }
