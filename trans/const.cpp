// Typed constants. In: a value-type code and a 32-bit value. Out: the value
// read signed or unsigned in the code's width, conversions between codes, and
// the increment that widens the code instead of overflowing.
#include "trans/const.h"

#include <cmath>

#include "driver/diag.h"

int nbits_in_type(int32_t code) {
  switch (code) {
  case S8: case U8: return 8;
  case S16: case U16: return 16;
  case S24: case U24: return 24;
  case S32: case U32: case F32: return 32;
  default: return 8;
  }
}

static bool s_is_signed(int32_t code) { return code % 2 == 0; }

static uint32_t s_mask(int32_t code) {
  int bits = nbits_in_type(code);
  return bits == 32 ? 0xFFFFFFFFu : (1u << bits) - 1;
}

// A float's integer part (truncated toward zero) modulo 2 to the 32nd, as
// the target's conversion gives it; NaN and the infinities give 0.
static uint32_t s_float_to_u32(float f) {
  if (!std::isfinite(f))
    return 0;
  double m = std::fmod(std::trunc(static_cast<double>(f)), 4294967296.0);
  if (m < 0)
    m += 4294967296.0;
  return static_cast<uint32_t>(m);
}

long get_signed_constant_value(int32_t code, const ConstValue &value) {
  switch (code) {
  case S8: case U8: return value.value.int8;
  case S16: case U16: return value.value.int16;
  case S24: case U24: {
    uint32_t v = static_cast<uint32_t>(value.value.int24) & 0xFFFFFF;
    return (v & 0x800000) ? static_cast<long>(v) - 0x1000000 : static_cast<long>(v);
  }
  case F32: return static_cast<int32_t>(s_float_to_u32(value.value.f));
  default: return value.value.int32;
  }
}

unsigned long get_unsigned_constant_value(int32_t code, const ConstValue &value) {
  if (code == F32) {
    float f = value.value.f;
    if (f <= -1.0f || !std::isfinite(f))
      return s_float_to_u32(f);
    return f >= 4294967296.0f ? 0xFFFFFFFFul : static_cast<unsigned long>(static_cast<uint32_t>(f));
  }
  return static_cast<uint32_t>(value.value.int32) & s_mask(code);
}

float get_float_constant_value(int32_t code, const ConstValue &value) {
  VELC_ASSERT(code == F32);
  return value.value.f;
}

// Stores an integer in the width of code, as the value union holds it.
static void s_store(ConstValue *c, int32_t code, uint32_t bits) {
  c->code = code;
  c->value.int32 = 0;
  switch (code) {
  case S8: case U8: c->value.int8 = static_cast<int8_t>(bits & 0xFF); break;
  case S16: case U16: c->value.int16 = static_cast<int16_t>(bits & 0xFFFF); break;
  case S24: case U24: c->value.int24 = static_cast<int32_t>(bits & 0xFFFFFF); break;
  default: c->value.int32 = static_cast<int32_t>(bits); break;
  }
}

void do_convert_constant_type(ConstValue *constant, int32_t new_code) {
  int32_t old = constant->code;
  if (new_code == F32) {
    float f = old == F32 ? constant->value.f
              : s_is_signed(old) ? static_cast<float>(get_signed_constant_value(old, *constant))
                                 : static_cast<float>(get_unsigned_constant_value(old, *constant));
    constant->code = F32;
    constant->value.f = f;
    return;
  }
  uint32_t bits = s_is_signed(old) || old == F32
                      ? static_cast<uint32_t>(get_signed_constant_value(old, *constant))
                      : static_cast<uint32_t>(get_unsigned_constant_value(old, *constant));
  s_store(constant, new_code, bits);
}

void const_inc(ConstValue *constant) {
  int32_t code = constant->code;
  if (code == F32) {
    constant->value.f += 1.0f;
    return;
  }
  static const struct { int32_t code; unsigned long max; int32_t wider; } limits[] = {
      {S8, 0x7F, U8}, {U8, 0xFF, S16}, {S16, 0x7FFF, U16}, {U16, 0xFFFF, S24},
      {S24, 0x7FFFFF, U24}, {U24, 0xFFFFFF, S32}, {S32, 0x7FFFFFFF, U32},
  };
  long sv = get_signed_constant_value(code, *constant);
  unsigned long uv = get_unsigned_constant_value(code, *constant);
  for (const auto &l : limits)
    if (l.code == code && (s_is_signed(code) ? sv >= 0 && static_cast<unsigned long>(sv) == l.max : uv == l.max)) {
      s_store(constant, l.wider, static_cast<uint32_t>(l.max + 1));
      return;
    }
  uint32_t next = s_is_signed(code) ? static_cast<uint32_t>(sv + 1) : static_cast<uint32_t>(uv + 1);
  s_store(constant, code, next);
}

ConstValue const_make(int32_t code, long value) {
  ConstValue c{};
  if (code == F32) {
    c.code = F32;
    c.value.f = static_cast<float>(value);
  } else {
    s_store(&c, code, static_cast<uint32_t>(value));
  }
  return c;
}

ConstValue const_make_float(float value) {
  ConstValue c{};
  c.code = F32;
  c.value.f = value;
  return c;
}
