// Types of the translator: C types with the memory space of the object
// (RAM or program memory) and the width of program-memory addresses. Objects
// are byte-aligned: there is no padding anywhere.
#ifndef VELC_TRANS_TYPE_H
#define VELC_TRANS_TYPE_H

#include <cstddef>
#include <cstdint>

#include "trans/const.h"

struct SymbolRecord;
struct TagEntry;
struct pcodehl;
struct pcodell_t;

enum TypeKind : int32_t { BASIC_TYPE = 0, SUE_TYPE = 1, POINTER_TYPE = 2, ARRAY_TYPE = 3, FUNCTION_TYPE = 4 };
enum TypeLocation : int32_t { NO_LOC = 0, RAM_LOC = 100, ROM_LOC = 101 };
enum TypeRange : int32_t { NO_RANGE = 0, FAR_RANGE = 100, NEAR_RANGE = 101 };
enum BasicBase : int32_t { BT_NONE = 0, BT_VOID = 1, BT_CHAR = 2, BT_INT = 3, BT_FLOAT = 4 };
enum StorageClass : int32_t { SC_NONE = 0, EXTERN = 100, STATIC = 101, OVERLAY = 102, AUTO = 103 };
enum TagKind : int32_t { STRUCT_TAG = 0, UNION_TAG = 1, ENUM_TAG = 2 };

struct ParamRecord;

// One node of a type chain; the chain's owner frees it with type_free.
struct TypeRecord {
  TypeKind type;
  TypeLocation location;
  TypeRange range;
  uint8_t is_const : 1;
  uint8_t is_volatile : 1;
  union {
    struct { BasicBase base; } basic;
    struct { TagEntry *tag; } sue;       // the tag entry (not owned)
    struct { uint32_t count; } array;    // 0 = not given
    struct { ParamRecord *params; } function;  // not owned by the chain
  } data;
  union {
    struct { uint8_t is_signed : 1, is_short : 1, is_long : 1; } basic;
    struct { uint8_t has_prototype : 1, is_ellipsis : 1; } function;
  } flags;
  int32_t is_bitfield;
  int32_t bit_offset;  // 0 = least significant bit of the byte
  int32_t bit_size;
  TypeRecord *next;    // pointee, element or return type
};

struct MemberRecord {
  char *name;          // null for an anonymous member
  TypeRecord *type;    // owned
  int32_t offset;      // bytes from the start of the record
  int32_t is_bitfield;
  int32_t bit_offset;
  int32_t bit_size;
  MemberRecord *next;
};

struct EnumeratorRecord {
  SymbolRecord *sym;   // the enumeration-constant symbol
  EnumeratorRecord *next;
};

struct MemberIndex;  // the members by name, for lookups in large records

struct SuDefinition {
  TagKind kind;
  int32_t size;                    // bytes
  struct { SuDefinition *parent; } su;  // a base record; C source never sets it
  TypeRecord *type;                // owned; union: first member's type; enum: underlying type
  MemberRecord *members;           // struct and union
  EnumeratorRecord *enumerators;   // enum
  MemberIndex *member_index;       // owned; struct and union
};

// Parameter lists are shared by every copy of a function type; they are
// made by param_create and all freed together by type_free_params.
struct ParamRecord {
  TypeRecord *type;    // the declared parameter's type (shared with its symbol)
  StorageClass sclass;
  ParamRecord *next;
};

// ---- predefined types ----------------------------------------------------
extern TypeRecord *long_double_type, *double_type, *float_type, *long_int_type, *short_long_int_type,
    *short_int_type, *int_type, *char_type, *unsigned_char_type, *void_type, *default_function_type,
    *void_function_type;
constexpr int CharSize = 1, UCharSize = 1, IntSize = 2, ShortIntSize = 2, ShortLongIntSize = 3, LongIntSize = 4,
              FloatSize = 4, DoubleSize = 4, LongDoubleSize = 4;

// Creates the predefined types (reads plain_char_signed_flag and the default ROM range).
void type_init_predefined();
// Frees them again (end of the run).
void type_free_predefined();
void set_default_rom_range(TypeRange range);
TypeRange get_default_rom_range();

// ---- records ------------------------------------------------------------
TypeRecord *type_create(TypeKind kind);  // zero-filled; 101 when out of memory
TypeRecord *type_copy(const TypeRecord *t);  // the whole next chain
void type_free(TypeRecord *t);               // the whole next chain
size_t type_live_records();                  // made and not yet freed (leak checks)
TypeRecord *type_reference(TypeRecord *t);   // const pointer in RAM to t (takes t)
TypeRecord *type_basic(BasicBase base, bool is_signed, bool is_short, bool is_long);
void member_list_free(MemberRecord *m);
void su_definition_free(SuDefinition *d);
void member_index_free(MemberIndex *index);
ParamRecord *param_create(TypeRecord *type, StorageClass sclass);  // zero next
void type_free_params();  // every ParamRecord made so far (end of the module)

// ---- queries ------------------------------------------------------------
long ll_sizeof_type(const TypeRecord *t);          // bytes on the target
bool is_type_scalar(const TypeRecord *t);
bool is_type_integer(const TypeRecord *t);          // char or int base
bool is_type_float(const TypeRecord *t);
bool is_type_void(const TypeRecord *t);
bool is_type_signed(const TypeRecord *t);
TypeRecord *type_function_return_type(const TypeRecord *f);  // a copy
// Value-type code (S8..U32, F32) of an integer or float type by size and signedness.
int32_t type_const_code(const TypeRecord *t);

#endif
