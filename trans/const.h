// Typed constants: a value-type code and a 32-bit value, as held by constant
// nodes of the low-level tree and by enumeration constants.
#ifndef VELC_TRANS_CONST_H
#define VELC_TRANS_CONST_H

#include <cstdint>

// Value-type codes; even codes are signed, odd unsigned.
enum : int32_t { S8 = 0, U8 = 1, S16 = 2, U16 = 3, S24 = 4, U24 = 5, S32 = 6, U32 = 7, F32 = 8 };

struct ConstValue {
  int32_t code;  // S8 .. F32
  union {
    int8_t int8;
    int16_t int16;
    int32_t int24;  // low 24 bits used
    int32_t int32;
    float f;
  } value;
};
static_assert(sizeof(ConstValue) == 8, "a typed constant is 8 bytes");

// Bits of a code's width: 8, 16, 24 or 32 (8 for unknown codes above F32).
int nbits_in_type(int32_t code);
// The value read as signed by its code (24-bit sign-extended; float truncated).
long get_signed_constant_value(int32_t code, const ConstValue &value);
// The value read as unsigned by its code (masked; float converted).
unsigned long get_unsigned_constant_value(int32_t code, const ConstValue &value);
// The float value; the code must be F32.
float get_float_constant_value(int32_t code, const ConstValue &value);
// Re-reads the value by its old code and stores it in new_code's width.
void do_convert_constant_type(ConstValue *constant, int32_t new_code);
// Adds 1, moving the code up when the value was at its code's maximum.
void const_inc(ConstValue *constant);
// Builds a constant of code from a host integer (stored in the code's width).
ConstValue const_make(int32_t code, long value);
ConstValue const_make_float(float value);

#endif
