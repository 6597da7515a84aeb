// Single-precision floats: arithmetic on globals, locals and arguments,
// rounding to nearest even (results compared by their encodings),
// subnormals, overflow, comparisons with signed zeros and NaN, conversions
// both ways at the integer types' edges, ++/-- in every form, compound
// assignments, float arguments and results. Operands come from variables,
// so every operation runs on the target.
#include "check.h"

float ga, gb, gr;
float *gp;
float arr[3];
unsigned long gbits;
#pragma udata far_one
unsigned char fill_a[200];
float bank_f;
#pragma udata

static unsigned long bits(float f) { return *(unsigned long *)&f; }
static float from_bits(unsigned long u) { return *(float *)&u; }
static float mix(char k, float x, int n, float y) { return x * k + y / n; }
static float half(float x) { float h; h = x / 2.0f; return h; }

int main(void)
{
  float a, b, r, zero, nan;
  char c; unsigned char uc; int i; unsigned int ui;
  short long s; long l; unsigned long ul;

  a = 1.5f; b = -0.25f;
  r = a + b; CHECK(bits(r) == 0x3FA00000ul);               // 1.25
  r = a - b; CHECK(bits(r) == 0x3FE00000ul);               // 1.75
  r = a * b; CHECK(bits(r) == 0xBEC00000ul);               // -0.375
  r = a / b; CHECK(bits(r) == 0xC0C00000ul);               // -6
  ga = 3.0f; gb = 1.0f;
  gr = gb / ga; CHECK(bits(gr) == 0x3EAAAAABul);           // 1/3 rounds up
  gr = gr * ga; CHECK(gr == 1.0f);
  bank_f = 10.0f; gr = bank_f * 0.1f; CHECK(bits(gr) == 0x3F800000ul);
  a = 2.5f; b = 0.5f;
  r = (a + b) * (a - b) / (b - a * 4.0f); CHECK(bits(r) == 0xBF21AF28ul);  // 6 / -9.5, rounded
  CHECK(bits((a + b) * (a - b) / (b - a * 4.0f)) == 0xBF21AF28ul);

  // Rounding: ties to even, just above a tie, cancellation.
  a = 1.0f; b = from_bits(0x33800000ul);                    // 2^-24, half a unit
  r = a + b; CHECK(bits(r) == 0x3F800000ul);
  a = from_bits(0x3F800001ul);
  r = a + b; CHECK(bits(r) == 0x3F800002ul);
  b = from_bits(0x33800001ul);
  r = 1.0f + b; CHECK(bits(r) == 0x3F800001ul);
  a = 16777216.0f; r = a - 1.0f; CHECK(bits(r) == 0x4B7FFFFFul);
  a = 1.0f; b = from_bits(0x3F7FFFFFul);
  r = a - b; CHECK(bits(r) == 0x33800000ul);
  r = a - a; CHECK(bits(r) == 0ul);                         // +0

  // Subnormals, overflow, infinities, NaN.
  a = from_bits(0x00800000ul);                              // the smallest normal
  r = half(a); CHECK(bits(r) == 0x00400000ul);
  r = r * 2.0f; CHECK(bits(r) == 0x00800000ul);
  a = 3e38f; r = a * 10.0f; CHECK(bits(r) == 0x7F800000ul);
  r = -r; CHECK(bits(r) == 0xFF800000ul);
  zero = 0.0f; r = -zero; CHECK(bits(r) == 0x80000000ul);      // -(+0) is -0
  r = -r; CHECK(bits(r) == 0ul);
  ga = -1.5f; gr = -ga; CHECK(bits(gr) == 0x3FC00000ul);
  zero = 0.0f; r = 1.0f / zero; CHECK(bits(r) == 0x7F800000ul);
  nan = zero / zero; CHECK(bits(nan) == 0x7FC00000ul);
  CHECK(!(nan == nan)); CHECK(nan != nan);
  CHECK(!(nan < 1.0f)); CHECK(!(nan > 1.0f));
  // Every ordered comparison with a NaN is false, either side, as a value,
  // as a branch and negated; != is true.
  CHECK(!(nan <= 1.0f)); CHECK(!(nan >= 1.0f)); CHECK(!(1.0f <= nan)); CHECK(!(1.0f >= nan));
  CHECK(!(nan <= nan)); CHECK(!(nan >= nan)); CHECK(!(ga >= nan)); CHECK(1.0f != nan);
  CHECK(!(nan > 1.0f) && !(nan <= 1.0f)); CHECK(!(nan < 1.0f) && !(nan >= 1.0f));
  c = nan <= ga; CHECK(c == 0); c = ga >= nan; CHECK(c == 0); c = !(nan >= ga); CHECK(c == 1);
  i = 0; if (nan <= 2.0f) i = 1; else i = 2; CHECK(i == 2);
  i = 0; if (nan >= 2.0f || 2.0f >= nan) i = 1; CHECK(i == 0);
  i = nan <= 0.0f ? 5 : 7; CHECK(i == 7);
  for (i = 0; nan >= (float)i && i < 3; ++i) {}
  CHECK(i == 0);
  CHECK(0.0f / 0.0f != 0.0f / 0.0f); CHECK(!(0.0f / 0.0f <= 1.0f));  // folded at translation

  // Comparisons.
  a = -2.0f; b = 0.5f;
  CHECK(a < b); CHECK(b > a); CHECK(!(a > b)); CHECK(a <= b); CHECK(b >= a); CHECK(a != b);
  a = -0.0f; b = 0.0f;
  CHECK(a == b); CHECK(!(a < b)); CHECK(!(a > b)); CHECK(a >= b);
  CHECK(bits(a) == 0x80000000ul);
  a = -3.0f; b = -2.0f; CHECK(a < b); CHECK(!(b < a));
  a = 0.0f; if (a) CHECK(0); if (!a) ; else CHECK(0);
  a = -0.0f; if (a) CHECK(0);
  a = 1e-40f; CHECK(a != 0.0f); if (a) ; else CHECK(0);
  c = 0; a = 2.0f; if (a && !c) c = 1; CHECK(c == 1);
  CHECK((a > 1.0f) + (a < 1.0f) == 1);

  // Integers to float.
  c = -128; a = c; CHECK(a == -128.0f);
  uc = 255; a = uc; CHECK(a == 255.0f);
  i = -32768; a = i; CHECK(a == -32768.0f);
  ui = 65535; a = ui; CHECK(a == 65535.0f);
  s = -8388608; a = s; CHECK(a == -8388608.0f);
  l = 16777217; a = l; CHECK(bits(a) == 0x4B800000ul);      // tie: 16777216
  l = 16777219; a = l; CHECK(bits(a) == 0x4B800002ul);      // tie: 16777220
  l = -2147483647 - 1; a = l; CHECK(bits(a) == 0xCF000000ul);
  ul = 0xFFFFFFFFul; a = ul; CHECK(bits(a) == 0x4F800000ul);
  l = 0; a = l; CHECK(bits(a) == 0ul);

  // Float to integers: truncation toward zero.
  a = -2.5f; c = a; CHECK(c == -2);
  a = 255.9f; uc = a; CHECK(uc == 255);
  a = -32768.0f; i = a; CHECK(i == -32768);
  a = 65535.0f; ui = a; CHECK(ui == 65535u);
  a = -0.99f; i = a; CHECK(i == 0);
  a = 8388607.5f; s = a; CHECK(s == 8388607);
  a = -1e9f; l = a; CHECK(l == -1000000000);
  a = 4294967040.0f; ul = a; CHECK(ul == 0xFFFFFF00ul);
  a = 123.75f; CHECK((int)a == 123); CHECK((char)-a == -123);

  // Increments and decrements.
  a = 1.5f; ++a; CHECK(a == 2.5f);
  --a; --a; CHECK(a == 0.5f);
  a++; CHECK(a == 1.5f);
  b = a++; CHECK(b == 1.5f); CHECK(a == 2.5f);
  b = a--; CHECK(b == 2.5f); CHECK(a == 1.5f);
  b = ++a; CHECK(b == 2.5f);
  ga = 16777216.0f; ga++; CHECK(bits(ga) == 0x4B800000ul);  // the tie rounds to even
  ga--; CHECK(bits(ga) == 0x4B7FFFFFul);
  gr = ga--; CHECK(bits(gr) == 0x4B7FFFFFul); CHECK(bits(ga) == 0x4B7FFFFEul);

  // Compound assignments.
  a = 2.0f; a += 0.5f; CHECK(a == 2.5f);
  a -= 4.0f; CHECK(a == -1.5f);
  a *= -4.0f; CHECK(a == 6.0f);
  a /= 8.0f; CHECK(a == 0.75f);
  ga = 1.0f; gb = 3.0f; ga /= gb; CHECK(bits(ga) == 0x3EAAAAABul);
  ga *= gb; ga -= 1.0f; CHECK(ga == 0.0f);
  ga += gb; CHECK(ga == 3.0f);

  // Through pointers: a global pointer to a banked float, a local pointer
  // to a frame slot.
  {
    float *lp, t;
    gp = &bank_f; lp = &a;
    bank_f = 1.0f; a = 8.0f;
    *gp += 2.0f; CHECK(bank_f == 3.0f);
    *lp -= *gp; CHECK(a == 5.0f);
    *gp *= *lp; CHECK(bank_f == 15.0f);
    *lp /= 4.0f; CHECK(a == 1.25f);
    (*gp)++; CHECK(bank_f == 16.0f);
    --*lp; CHECK(a == 0.25f);
    t = ++*gp; CHECK(t == 17.0f); CHECK(bank_f == 17.0f);
    t = (*lp)--; CHECK(t == 0.25f); CHECK(a == -0.75f);
    t = (*gp)++; CHECK(t == 17.0f); CHECK(bank_f == 18.0f);
    t = --*lp; CHECK(t == -1.75f); CHECK(a == -1.75f);
  }

  // Array elements and stores through pointers of computed values.
  i = 2; gp = &arr[0];
  arr[i] = 1.5f * 3.0f; CHECK(arr[2] == 4.5f);
  arr[1] = -arr[i]; CHECK(bits(arr[1]) == 0xC0900000ul);
  *gp = arr[1] + arr[2]; CHECK(arr[0] == 0.0f);
  *gp = i; CHECK(arr[0] == 2.0f);
  l = arr[1] * 2.0f; CHECK(l == -9);
  *gp = -*gp; CHECK(arr[0] == -2.0f);

  // Arguments and results.
  r = mix(3, 0.5f, 4, 2.0f); CHECK(r == 2.0f);
  r = mix(-1, mix(2, 1.0f, 1, 1.0f), 2, -1.0f); CHECK(r == -3.5f);
  gbits = bits(half(-5.0f)); CHECK(gbits == 0xC0200000ul);
  return CHECK_RESULT();
}
