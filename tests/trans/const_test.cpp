// Typed constants: reading by code, conversions and the widening increment.
#include <cmath>

#include <gtest/gtest.h>

#include "trans/const.h"

namespace {

TEST(Const, IncrementWidensAtEachCodesMaximum) {
  struct Case {
    int32_t code;
    long value;
    int32_t want_code;
    long want_value;
  } cases[] = {
      {S8, 127, U8, 128},          {S16, -5, S16, -4},          {U8, 255, S16, 256},
      {S16, 32767, U16, 32768},    {U16, 65535, S24, 65536},    {S24, 0x7FFFFF, U24, 0x800000},
      {U24, 0xFFFFFF, S32, 0x1000000}, {S32, 0x7FFFFFFF, U32, 0x80000000L}, {S8, -1, S8, 0},
  };
  for (const Case &c : cases) {
    ConstValue v = const_make(c.code, c.value);
    const_inc(&v);
    EXPECT_EQ(v.code, c.want_code) << c.code << " " << c.value;
    long got = v.code % 2 == 0 ? get_signed_constant_value(v.code, v)
                               : static_cast<long>(get_unsigned_constant_value(v.code, v));
    EXPECT_EQ(got, c.want_value) << c.code << " " << c.value;
  }
  ConstValue top = const_make(U32, 0xFFFFFFFFL);
  const_inc(&top);
  EXPECT_EQ(top.code, U32);
  EXPECT_EQ(get_unsigned_constant_value(U32, top), 0u);
  ConstValue f = const_make_float(1.5f);
  const_inc(&f);
  EXPECT_FLOAT_EQ(get_float_constant_value(F32, f), 2.5f);
}

TEST(Const, ConversionRereadsByOldCode) {
  ConstValue v = const_make(S8, -1);
  do_convert_constant_type(&v, U16);
  EXPECT_EQ(get_unsigned_constant_value(U16, v), 65535u);
  ConstValue w = const_make(S24, 0x800000);
  do_convert_constant_type(&w, S32);
  EXPECT_EQ(get_signed_constant_value(S32, w), -8388608);
  ConstValue u = const_make(U8, 200);
  do_convert_constant_type(&u, S16);  // zero-extended: stays 200
  EXPECT_EQ(get_signed_constant_value(S16, u), 200);
  ConstValue big = const_make(U32, 0x12345678);
  do_convert_constant_type(&big, U24);  // keeps the low 24 bits
  EXPECT_EQ(get_unsigned_constant_value(U24, big), 0x345678u);
  ConstValue toF = const_make(S16, -3);
  do_convert_constant_type(&toF, F32);
  EXPECT_FLOAT_EQ(toF.value.f, -3.0f);
}

TEST(Const, SignedAndUnsignedReadingsAndWidths) {
  ConstValue v = const_make(S24, 0xFFFFFF);
  EXPECT_EQ(get_signed_constant_value(S24, v), -1);
  EXPECT_EQ(get_unsigned_constant_value(S24, v), 0xFFFFFFu);
  ConstValue f = const_make_float(-7.9f);
  EXPECT_EQ(get_signed_constant_value(F32, f), -7);
  // Out of range, as the target converts: modulo 2 to the 32nd, 0 for NaN
  // and the infinities (a constant such as 21.5e+38 is infinite).
  const struct { float f; long as_signed; unsigned long as_unsigned; } far_out[] = {
      {5e9f, 705032704L, 0xFFFFFFFFul},
      {-3e9f, 1294967296L, 1294967296ul},
      {HUGE_VALF, 0, 0},
      {-HUGE_VALF, 0, 0},
      {NAN, 0, 0},
  };
  for (const auto &c : far_out) {
    ConstValue x = const_make_float(c.f);
    EXPECT_EQ(get_signed_constant_value(F32, x), c.as_signed) << c.f;
    EXPECT_EQ(get_unsigned_constant_value(F32, x), c.as_unsigned) << c.f;
  }
  EXPECT_EQ(nbits_in_type(U8), 8);
  EXPECT_EQ(nbits_in_type(S24), 24);
  EXPECT_EQ(nbits_in_type(F32), 32);
  EXPECT_EQ(nbits_in_type(42), 8);
}

}  // namespace
