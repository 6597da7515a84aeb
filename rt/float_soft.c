// IEEE-754 single precision in portable C over 32-bit unsigned integers: the
// algorithms of the floating-point helpers. In: operands as their 32-bit
// encodings (sign bit 31, biased exponent bits 30..23, fraction bits 22..0).
// Out: results as encodings, truth values as 0 or 1, integers as their low
// 32 bits. Only `fp_u32` (an unsigned 32-bit integer: `unsigned long` on the
// target) and `int` of at least 16 bits are assumed, so the same text
// compiles for the target and for host tests (which define the type and
// FP_HOST_TYPES first).
//
// Arithmetic rounds to nearest, ties to even. Subnormal operands and results
// are handled (gradual underflow), so every finite result is the correctly
// rounded one. Infinities follow the usual rules; an invalid operation (inf -
// inf, 0 * inf, 0 / 0, inf / inf) and any NaN operand give the quiet NaN
// 0x7FC00000. A float to integer conversion truncates toward zero and keeps
// the low 32 bits of the integer (so every value of a signed or unsigned
// target type converts exactly, and a narrower cast keeps the low bytes); NaN
// and the infinities give 0. Comparisons with a NaN are false, and +0 == -0.

#ifndef FP_HOST_TYPES
typedef unsigned long fp_u32;
#endif

#define FP_SIGN 0x80000000UL
#define FP_MAG 0x7FFFFFFFUL
#define FP_FRAC 0x007FFFFFUL
#define FP_HIDDEN 0x00800000UL
#define FP_INF 0x7F800000UL
#define FP_QNAN 0x7FC00000UL

static int s_fp_is_nan(fp_u32 a)
{
  return (a & FP_MAG) > FP_INF;
}

// m shifted right by n, with every bit shifted out ORed into bit 0.
static fp_u32 s_fp_shift_right_jam(fp_u32 m, int n)
{
  if (n <= 0)
    return m;
  if (n >= 31)
    return m != 0UL ? 1UL : 0UL;
  return (m >> n) | ((m & ((1UL << n) - 1UL)) != 0UL ? 1UL : 0UL);
}

// Rounds and packs sign | value m * 2^(e - 157), m != 0. Normalised, m's
// leading 1 is bit 30 and e is the biased exponent; bits 6..0 of m lie below
// the result's last fraction bit (bit 0 sticky).
static fp_u32 s_fp_round_pack(fp_u32 sign, int e, fp_u32 m)
{
  fp_u32 low;
  while (m & FP_SIGN) {
    m = s_fp_shift_right_jam(m, 1);
    e++;
  }
  while (!(m & 0x40000000UL)) {
    m <<= 1;
    e--;
  }
  if (e >= 255)
    return sign | FP_INF;
  if (e <= 0) {                        // subnormal: exponent field 0
    m = s_fp_shift_right_jam(m, 1 - e);
    e = 1;
  }
  low = m & 0x7FUL;
  m = (m + 0x40UL) >> 7;
  if (low == 0x40UL)                   // a tie rounds to even
    m &= ~1UL;
  // The hidden bit adds one to the exponent field; a carry out of the
  // fraction (or from a subnormal into the normal range) adds one more.
  return sign + ((fp_u32)(e - 1) << 23) + m;
}

// The magnitude's fraction with its hidden bit, and its exponent (a subnormal
// is read with exponent 1 and no hidden bit).
static fp_u32 s_fp_mant(fp_u32 a)
{
  if (a & 0x7F800000UL)
    return (a & FP_FRAC) | FP_HIDDEN;
  return a & FP_FRAC;
}

static int s_fp_exp(fp_u32 a)
{
  int e = (int)((a >> 23) & 0xFFUL);
  return e == 0 ? 1 : e;
}

// Shifts a subnormal significand up to the hidden bit, lowering *e.
static fp_u32 s_fp_normalise(fp_u32 m, int *e)
{
  while (!(m & FP_HIDDEN)) {
    m <<= 1;
    (*e)--;
  }
  return m;
}

fp_u32 fp_add(fp_u32 a, fp_u32 b)
{
  fp_u32 t, ma, mb, sign;
  int ea, eb;
  if (s_fp_is_nan(a) || s_fp_is_nan(b))
    return FP_QNAN;
  if ((a & FP_MAG) < (b & FP_MAG)) {   // |a| >= |b| from here on
    t = a;
    a = b;
    b = t;
  }
  if ((a & FP_MAG) == FP_INF)
    return ((b & FP_MAG) == FP_INF && ((a ^ b) & FP_SIGN)) ? FP_QNAN : a;
  if ((b & FP_MAG) == 0UL)             // also -0 + -0 = -0 and +0 + -0 = +0
    return (a & FP_MAG) == 0UL ? (a & b) : a;
  sign = a & FP_SIGN;
  ea = s_fp_exp(a);
  eb = s_fp_exp(b);
  ma = s_fp_mant(a) << 7;
  mb = s_fp_shift_right_jam(s_fp_mant(b) << 7, ea - eb);
  if ((a ^ b) & FP_SIGN) {
    ma -= mb;
    if (ma == 0UL)
      return 0UL;                      // x - x is +0
  } else {
    ma += mb;
  }
  return s_fp_round_pack(sign, ea, ma);
}

fp_u32 fp_sub(fp_u32 a, fp_u32 b)
{
  return fp_add(a, b ^ FP_SIGN);
}

fp_u32 fp_mul(fp_u32 a, fp_u32 b)
{
  fp_u32 sign = (a ^ b) & FP_SIGN, ma, mb, al, ah, bl, bh, lo, hi;
  int ea, eb;
  if (s_fp_is_nan(a) || s_fp_is_nan(b))
    return FP_QNAN;
  if ((a & FP_MAG) == FP_INF || (b & FP_MAG) == FP_INF)
    return ((a & FP_MAG) == 0UL || (b & FP_MAG) == 0UL) ? FP_QNAN : (sign | FP_INF);
  if ((a & FP_MAG) == 0UL || (b & FP_MAG) == 0UL)
    return sign;
  ea = s_fp_exp(a);
  eb = s_fp_exp(b);
  ma = s_fp_normalise(s_fp_mant(a), &ea);
  mb = s_fp_normalise(s_fp_mant(b), &eb);
  // The 48-bit product from 16-bit halves: hi = product >> 16, lo its low
  // 16 bits (kept as the sticky bit).
  al = ma & 0xFFFFUL;
  ah = ma >> 16;
  bl = mb & 0xFFFFUL;
  bh = mb >> 16;
  lo = al * bl;
  hi = ((ah * bh) << 16) + al * bh + ah * bl + (lo >> 16);
  if (lo & 0xFFFFUL)
    hi |= 1UL;
  return s_fp_round_pack(sign, ea + eb - 127, hi);
}

fp_u32 fp_div(fp_u32 a, fp_u32 b)
{
  fp_u32 sign = (a ^ b) & FP_SIGN, rem, mb, q;
  int ea, eb, i;
  if (s_fp_is_nan(a) || s_fp_is_nan(b))
    return FP_QNAN;
  if ((a & FP_MAG) == FP_INF)
    return (b & FP_MAG) == FP_INF ? FP_QNAN : (sign | FP_INF);
  if ((b & FP_MAG) == FP_INF)
    return sign;
  if ((b & FP_MAG) == 0UL)
    return (a & FP_MAG) == 0UL ? FP_QNAN : (sign | FP_INF);
  if ((a & FP_MAG) == 0UL)
    return sign;
  ea = s_fp_exp(a);
  eb = s_fp_exp(b);
  rem = s_fp_normalise(s_fp_mant(a), &ea);
  mb = s_fp_normalise(s_fp_mant(b), &eb);
  if (rem < mb) {                      // the quotient's leading bit is 1
    rem <<= 1;
    ea--;
  }
  q = 0UL;
  for (i = 0; i < 31; i++) {           // quotient bits 30 down to 0
    q <<= 1;
    if (rem >= mb) {
      rem -= mb;
      q |= 1UL;
    }
    rem <<= 1;
  }
  if (rem != 0UL)
    q |= 1UL;
  return s_fp_round_pack(sign, ea - eb + 127, q);
}

int fp_eq(fp_u32 a, fp_u32 b)
{
  if (s_fp_is_nan(a) || s_fp_is_nan(b))
    return 0;
  return a == b || ((a | b) & FP_MAG) == 0UL;
}

int fp_lt(fp_u32 a, fp_u32 b)
{
  if (s_fp_is_nan(a) || s_fp_is_nan(b) || ((a | b) & FP_MAG) == 0UL)
    return 0;
  if ((a ^ b) & FP_SIGN)
    return (a & FP_SIGN) != 0UL;
  if (a & FP_SIGN)
    return a > b;
  return a < b;
}

int fp_gt(fp_u32 a, fp_u32 b)
{
  return fp_lt(b, a);
}

fp_u32 fp_from_u32(fp_u32 u)
{
  if (u == 0UL)
    return 0UL;
  return s_fp_round_pack(0UL, 157, u);
}

fp_u32 fp_from_s32(fp_u32 u)
{
  if (u & FP_SIGN)
    return s_fp_round_pack(FP_SIGN, 157, (~u) + 1UL);
  return fp_from_u32(u);
}

fp_u32 fp_to_int(fp_u32 a)
{
  int e = (int)((a >> 23) & 0xFFUL), shift;
  fp_u32 r;
  if (e == 255 || e < 127)
    return 0UL;
  shift = e - 150;
  if (shift >= 32)
    return 0UL;
  r = (a & FP_FRAC) | FP_HIDDEN;
  r = shift >= 0 ? r << shift : r >> -shift;
  return (a & FP_SIGN) ? (~r) + 1UL : r;
}
