// Host test of the floating-point helpers' algorithms (rt/float_soft.c)
// against the host's IEEE single precision: a table of edge cases, then a
// random sweep of millions of operand pairs. In: the library text compiled
// for the host. Out: pass/fail per operation; every round-to-nearest result
// must be bit-exact, every NaN result the quiet NaN 0x7FC00000.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>

namespace soft {
typedef uint32_t fp_u32;
#define FP_HOST_TYPES
#include "../../rt/float_soft.c"
}  // namespace soft

namespace {

uint32_t bits(float f)
{
  uint32_t u;
  std::memcpy(&u, &f, 4);
  return u;
}

float value(uint32_t u)
{
  float f;
  std::memcpy(&f, &u, 4);
  return f;
}

enum Op { ADD, SUB, MUL, DIV, LT, GT, EQ };

// The host's answer for op on a, b, as an encoding or a truth value.
uint32_t host_result(Op op, uint32_t a, uint32_t b)
{
  float x = value(a), y = value(b);
  switch (op) {
  case ADD: return bits(x + y);
  case SUB: return bits(x - y);
  case MUL: return bits(x * y);
  case DIV: return bits(x / y);
  case LT: return x < y;
  case GT: return x > y;
  case EQ: return x == y;
  }
  return 0;
}

uint32_t soft_result(Op op, uint32_t a, uint32_t b)
{
  switch (op) {
  case ADD: return soft::fp_add(a, b);
  case SUB: return soft::fp_sub(a, b);
  case MUL: return soft::fp_mul(a, b);
  case DIV: return soft::fp_div(a, b);
  case LT: return soft::fp_lt(a, b);
  case GT: return soft::fp_gt(a, b);
  case EQ: return soft::fp_eq(a, b);
  }
  return 0;
}

// Empty when the soft result agrees with the host's, else a description.
std::string mismatch(Op op, uint32_t a, uint32_t b)
{
  uint32_t want = host_result(op, a, b), got = soft_result(op, a, b);
  bool arith = op <= DIV;
  if (arith && std::isnan(value(want)) ? got == 0x7FC00000u : got == want)
    return "";
  char buf[120];
  std::snprintf(buf, sizeof buf, "op %d a %08X b %08X: got %08X want %08X", int(op), a, b, got, want);
  return buf;
}

// The low 32 bits of the integer part of f, 0 for NaN and the infinities.
uint32_t host_to_int(uint32_t u)
{
  float f = value(u);
  if (!std::isfinite(f) || std::fabs(f) >= 0x1p62f)
    return 0;
  return uint32_t(uint64_t(int64_t(f)));
}

const uint32_t PZ = 0, NZ = 0x80000000, PINF = 0x7F800000, NINF = 0xFF800000, QNAN = 0x7FC00000;
const uint32_t MAXF = 0x7F7FFFFF, MINN = 0x00800000, MAXSUB = 0x007FFFFF, MINSUB = 1;

struct Case {
  Op op;
  uint32_t a, b, want;
};

// Hand-picked cases with their results written out, so that an error in
// the host comparison could not hide one in the library.
const Case cases[] = {
  {ADD, bits(1.0f), bits(2.0f), bits(3.0f)},
  {ADD, bits(1.0f), bits(-1.0f), PZ},            // x - x is +0
  {ADD, NZ, NZ, NZ},
  {ADD, PZ, NZ, PZ},
  {ADD, bits(-3.5f), PZ, bits(-3.5f)},
  {ADD, PINF, NINF, QNAN},
  {ADD, PINF, bits(-1e30f), PINF},
  {ADD, QNAN, bits(1.0f), QNAN},
  {ADD, MAXF, MAXF, PINF},                        // overflow
  {ADD, MAXF, bits(0x1p103f), PINF},              // rounds up past the largest value
  {ADD, MAXF, bits(0x1p102f), MAXF},              // a quarter of a step is lost
  {ADD, bits(1.0f), bits(0x1p-24f), bits(1.0f)},  // tie, 1.0 is even
  {ADD, 0x3F800001, bits(0x1p-24f), 0x3F800002},  // tie, rounds up to even
  {ADD, bits(1.0f), 0x33800001, 0x3F800001},      // just above the tie
  {ADD, MINN, 0x80000001, MAXSUB},                // into the subnormals
  {ADD, MAXSUB, MINSUB, MINN},                    // out of them
  {ADD, MINSUB, MINSUB, 2},
  {SUB, bits(1.0f), 0x3F7FFFFF, bits(0x1p-24f)},  // cancellation
  {SUB, bits(16777216.0f), bits(1.0f), 0x4B7FFFFF},
  {SUB, PINF, PINF, QNAN},
  {SUB, PZ, PZ, PZ},
  {SUB, NZ, PZ, NZ},
  {MUL, bits(1.5f), bits(-2.0f), bits(-3.0f)},
  {MUL, bits(3.0f), bits(1.0f / 3.0f), bits(1.0f)},
  {MUL, PINF, PZ, QNAN},
  {MUL, NINF, bits(-2.0f), PINF},
  {MUL, NZ, bits(5.0f), NZ},
  {MUL, bits(0x1p-75f), bits(0x1p-75f), PZ},      // underflows to zero
  {MUL, bits(0x1p-75f), bits(-0x1p-74f), 0x80000001}, // exactly the smallest subnormal
  {MUL, MINSUB, bits(0x1p23f), MINN},
  {MUL, bits(0x1p100f), bits(0x1p100f), PINF},
  {MUL, 0x3F800001, 0x3F800001, 0x3F800002},      // (1 + 2^-23)^2 rounds down
  {DIV, bits(1.0f), bits(3.0f), 0x3EAAAAAB},
  {DIV, bits(-6.0f), bits(3.0f), bits(-2.0f)},
  {DIV, bits(1.0f), PZ, PINF},
  {DIV, bits(-1.0f), PZ, NINF},
  {DIV, PZ, PZ, QNAN},
  {DIV, PINF, NINF, QNAN},
  {DIV, bits(7.0f), NINF, NZ},
  {DIV, MINSUB, bits(2.0f), PZ},                  // tie to even: 0
  {DIV, 3, bits(2.0f), 2},                        // tie to even: 2
  {DIV, MINN, MAXF, PZ},
  {DIV, MAXF, bits(0.5f), PINF},
  {LT, bits(-1.0f), bits(1.0f), 1},
  {LT, bits(-2.0f), bits(-1.0f), 1},
  {LT, bits(-1.0f), bits(-2.0f), 0},
  {LT, NZ, PZ, 0},
  {LT, QNAN, bits(1.0f), 0},
  {LT, NINF, MINSUB, 1},
  {GT, bits(2.0f), bits(1.0f), 1},
  {GT, PZ, NZ, 0},
  {GT, bits(1.0f), QNAN, 0},
  {EQ, PZ, NZ, 1},
  {EQ, QNAN, QNAN, 0},
  {EQ, bits(1.0f), 0x3F800001, 0},
  {EQ, PINF, PINF, 1},
};

TEST(FloatSoft, TableOfEdgeCases)
{
  for (const Case &c : cases) {
    EXPECT_EQ(soft_result(c.op, c.a, c.b), c.want) << "op " << int(c.op) << " " << std::hex << c.a << " " << c.b;
    EXPECT_EQ(mismatch(c.op, c.a, c.b), "");
  }
}

// Random encodings of four kinds: any bits (NaNs and infinities included),
// normal numbers near 1, subnormals, and a neighbour of the other operand
// (same or close exponent, either sign), so that cancellation, ties and
// gradual underflow are all well covered.
uint32_t random_operand(std::mt19937 &rng, uint32_t other)
{
  uint32_t r = rng();
  switch (rng() % 4) {
  case 0: return r;
  case 1: return (r & 0x807FFFFF) | ((112u + (r >> 27) % 32u) << 23);
  case 2: return r & 0x807FFFFF;
  default: return (other + (r % 64) - 32) ^ (r & 0x80000000u);
  }
}

TEST(FloatSoft, RandomSweepIsBitExact)
{
  std::mt19937 rng(20261206);
  for (Op op : {ADD, SUB, MUL, DIV, LT, GT, EQ}) {
    int failures = 0;
    for (int i = 0; i < 2000000 && failures < 10; i++) {
      uint32_t a = random_operand(rng, rng());
      uint32_t b = random_operand(rng, a);
      std::string m = i & 1 ? mismatch(op, a, b) : mismatch(op, b, a);
      if (!m.empty()) {
        ADD_FAILURE() << m;
        failures++;
      }
    }
  }
}

TEST(FloatSoft, IntegerToFloat)
{
  for (int32_t i = -32768; i <= 65535; i++) {  // every 8- and 16-bit value
    ASSERT_EQ(soft::fp_from_s32(uint32_t(i)), bits(float(i))) << i;
    if (i >= 0) {
      ASSERT_EQ(soft::fp_from_u32(uint32_t(i)), bits(float(uint32_t(i)))) << i;
    }
  }
  EXPECT_EQ(soft::fp_from_s32(0x80000000u), bits(-0x1p31f));
  EXPECT_EQ(soft::fp_from_u32(0xFFFFFFFFu), bits(0x1p32f));
  EXPECT_EQ(soft::fp_from_u32(16777217u), bits(16777216.0f));  // tie to even
  EXPECT_EQ(soft::fp_from_u32(16777219u), bits(16777220.0f));  // tie to even, up
  std::mt19937 rng(7);
  for (int i = 0; i < 2000000; i++) {
    uint32_t u = rng() >> (rng() % 32);
    ASSERT_EQ(soft::fp_from_u32(u), bits(float(u))) << u;
    ASSERT_EQ(soft::fp_from_s32(u ^ 0x80000000u), bits(float(int32_t(u ^ 0x80000000u)))) << u;
    ASSERT_EQ(soft::fp_from_s32(uint32_t(-int32_t(u & 0xFFFFFF))), bits(float(-int32_t(u & 0xFFFFFF)))) << u;
  }
}

TEST(FloatSoft, FloatToInteger)
{
  const struct {
    float f;
    uint32_t want;
  } table[] = {
    {0.0f, 0}, {-0.0f, 0}, {0.99f, 0}, {-0.99f, 0}, {1.0f, 1}, {-1.0f, 0xFFFFFFFF},
    {2.5f, 2}, {-2.5f, 0xFFFFFFFE}, {255.9f, 255}, {-128.0f, 0xFFFFFF80},
    {65535.0f, 65535}, {-32768.0f, 0xFFFF8000}, {8388607.5f, 8388607},
    {0x1p31f, 0x80000000}, {-0x1p31f, 0x80000000}, {4294967040.0f, 0xFFFFFF00},
    {0x1p32f, 0}, {8589934080.0f, 0xFFFFFE00}, {-8589934080.0f, 0x200}, {1e20f, 0},
    {INFINITY, 0}, {-INFINITY, 0}, {NAN, 0}, {0x1p-140f, 0},
  };
  for (auto &t : table)
    EXPECT_EQ(soft::fp_to_int(bits(t.f)), t.want) << t.f;
  std::mt19937 rng(11);
  for (int i = 0; i < 2000000; i++) {
    uint32_t a = random_operand(rng, bits(0x1p20f));
    ASSERT_EQ(soft::fp_to_int(a), host_to_int(a)) << std::hex << a;
  }
}

}  // namespace
