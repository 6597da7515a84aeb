// Type records. In: requests to make, copy, free and measure type chains.
// Out: chains with their sizes on the target (char 1, int and short 2,
// short long 3, long 4, every float type 4; pointers into RAM 2 bytes,
// pointers into program memory 2 bytes near and 3 bytes far).
#include <cstdlib>
#include <vector>

#include "driver/diag.h"
#include "driver/settings.h"
#include "util/record_pool.h"
#include "trans/symtbl.h"
#include "trans/type.h"

TypeRecord *long_double_type, *double_type, *float_type, *long_int_type, *short_long_int_type, *short_int_type,
    *int_type, *char_type, *unsigned_char_type, *void_type, *default_function_type, *void_function_type;

static TypeRange s_default_rom_range = NEAR_RANGE;
static std::vector<ParamRecord *> s_params;

void set_default_rom_range(TypeRange range) { s_default_rom_range = range; }
TypeRange get_default_rom_range() { return s_default_rom_range; }

// Every expression node copies its type chain, so chains come and go by the
// hundred thousand: their records come from a pool.
static_assert(alignof(TypeRecord) <= RECORD_OFFSET);
static RecordPool s_type_records{sizeof(TypeRecord), 64 * 1024, false, fatal_out_of_memory, nullptr};

TypeRecord *type_create(TypeKind kind) {
  auto *t = static_cast<TypeRecord *>(record_pool_alloc(s_type_records));
  t->type = kind;
  return t;
}

TypeRecord *type_copy(const TypeRecord *t) {
  TypeRecord *head = nullptr, **link = &head;
  for (; t; t = t->next) {
    TypeRecord *node = type_create(t->type);
    *node = *t;
    node->next = nullptr;
    *link = node;
    link = &node->next;
  }
  return head;
}

size_t type_live_records() { return s_type_records.live; }

void type_free(TypeRecord *t) {
  while (t) {
    TypeRecord *next = t->next;
    VELC_ASSERT(record_pool_release(s_type_records, t));
    t = next;
  }
}

TypeRecord *type_reference(TypeRecord *t) {
  TypeRecord *p = type_create(POINTER_TYPE);
  p->is_const = 1;
  p->location = RAM_LOC;
  p->range = FAR_RANGE;
  p->next = t;
  return p;
}

TypeRecord *type_basic(BasicBase base, bool is_signed, bool is_short, bool is_long) {
  TypeRecord *t = type_create(BASIC_TYPE);
  t->data.basic.base = base;
  t->flags.basic.is_signed = is_signed;
  t->flags.basic.is_short = is_short;
  t->flags.basic.is_long = is_long;
  t->location = RAM_LOC;
  t->range = FAR_RANGE;
  return t;
}

void member_list_free(MemberRecord *m) {
  while (m) {
    MemberRecord *next = m->next;
    free(m->name);
    type_free(m->type);
    free(m);
    m = next;
  }
}

void su_definition_free(SuDefinition *d) {
  if (!d)
    return;
  member_list_free(d->members);
  member_index_free(d->member_index);
  for (EnumeratorRecord *e = d->enumerators; e;) {
    EnumeratorRecord *next = e->next;
    free(e);
    e = next;
  }
  type_free(d->type);
  free(d);
}

ParamRecord *param_create(TypeRecord *type, StorageClass sclass) {
  auto *p = static_cast<ParamRecord *>(calloc(1, sizeof(ParamRecord)));
  if (!p)
    post_error(101);
  p->type = type;
  p->sclass = sclass;
  s_params.push_back(p);
  return p;
}

void type_free_params() {
  for (ParamRecord *p : s_params)
    free(p);
  s_params.clear();
}

static long s_sizeof_basic(const TypeRecord *t) {
  switch (t->data.basic.base) {
  case BT_CHAR: return CharSize;
  case BT_INT:
    if (t->flags.basic.is_long)
      return t->flags.basic.is_short ? ShortLongIntSize : LongIntSize;
    return IntSize;
  case BT_FLOAT: return FloatSize;
  default: return 0;
  }
}

// An incomplete tag has no definition yet and size 0.
static long s_sizeof_sue(const TypeRecord *t) {
  const TagEntry *tag = t->data.sue.tag;
  return tag && tag->definition ? tag->definition->size : 0;
}

long ll_sizeof_type(const TypeRecord *t) {
  VELC_ASSERT(t != nullptr);
  switch (t->type) {
  case BASIC_TYPE: return s_sizeof_basic(t);
  case SUE_TYPE: return s_sizeof_sue(t);
  case ARRAY_TYPE: {
    long element = ll_sizeof_type(t->next), size;
    if (!t->data.array.count)
      return element;
    // Sizes beyond any address space saturate instead of overflowing.
    if (__builtin_mul_overflow(element, static_cast<long>(t->data.array.count), &size) || size > 0x7FFFFFFFL)
      return 0x7FFFFFFFL;
    return size;
  }
  case POINTER_TYPE:
    VELC_ASSERT(t->next && t->next->location != NO_LOC);
    if (t->next->location == RAM_LOC)
      return 2;
    VELC_ASSERT(t->next->range != NO_RANGE);
    return t->next->range == NEAR_RANGE ? 2 : 3;
  case FUNCTION_TYPE: return t->range == NEAR_RANGE ? 2 : 3;
  }
  VELC_ASSERT(!"type kind");
}

bool is_type_scalar(const TypeRecord *t) {
  if (!t)
    return false;
  if (t->type == POINTER_TYPE)
    return true;
  return t->type == BASIC_TYPE &&
         (t->data.basic.base == BT_CHAR || t->data.basic.base == BT_INT || t->data.basic.base == BT_FLOAT);
}

bool is_type_integer(const TypeRecord *t) {
  return t && t->type == BASIC_TYPE && (t->data.basic.base == BT_CHAR || t->data.basic.base == BT_INT);
}

bool is_type_float(const TypeRecord *t) {
  return t && t->type == BASIC_TYPE && t->data.basic.base == BT_FLOAT;
}

bool is_type_void(const TypeRecord *t) { return t && t->type == BASIC_TYPE && t->data.basic.base == BT_VOID; }

bool is_type_signed(const TypeRecord *t) {
  return is_type_float(t) || (is_type_integer(t) && t->flags.basic.is_signed);
}

TypeRecord *type_function_return_type(const TypeRecord *f) {
  VELC_ASSERT(f && f->type == FUNCTION_TYPE && f->next);
  return type_copy(f->next);
}

int32_t type_const_code(const TypeRecord *t) {
  if (is_type_float(t))
    return F32;
  bool is_signed = is_type_signed(t);
  switch (ll_sizeof_type(t)) {
  case 1: return is_signed ? S8 : U8;
  case 2: return is_signed ? S16 : U16;
  case 3: return is_signed ? S24 : U24;
  default: return is_signed ? S32 : U32;
  }
}

static TypeRecord *s_function_type(bool has_prototype, TypeRecord *returns) {
  TypeRecord *f = type_create(FUNCTION_TYPE);
  f->location = ROM_LOC;
  f->range = s_default_rom_range;
  f->flags.function.has_prototype = has_prototype;
  returns->location = RAM_LOC;
  returns->range = FAR_RANGE;
  f->next = returns;
  return f;
}

void type_init_predefined() {
  long_double_type = type_basic(BT_FLOAT, true, false, true);
  double_type = type_basic(BT_FLOAT, true, false, false);
  float_type = type_basic(BT_FLOAT, true, false, false);
  long_int_type = type_basic(BT_INT, true, false, true);
  short_long_int_type = type_basic(BT_INT, true, true, true);
  short_int_type = type_basic(BT_INT, true, false, false);  // short and int are one type
  int_type = type_basic(BT_INT, true, false, false);
  char_type = type_basic(BT_CHAR, plain_char_signed_flag != 0, false, false);
  unsigned_char_type = type_basic(BT_CHAR, false, false, false);
  void_type = type_basic(BT_VOID, false, false, false);
  default_function_type = s_function_type(false, type_copy(int_type));
  void_function_type = s_function_type(true, type_copy(void_type));
}

void type_free_predefined() {
  TypeRecord **all[] = {&long_double_type, &double_type, &float_type, &long_int_type, &short_long_int_type,
                        &short_int_type, &int_type, &char_type, &unsigned_char_type, &void_type,
                        &default_function_type, &void_function_type};
  for (TypeRecord **t : all) {
    type_free(*t);
    *t = nullptr;
  }
}
