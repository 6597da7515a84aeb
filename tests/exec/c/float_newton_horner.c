// Float routines in loops: square roots by eight Newton steps (y = (y + x / y)
// * 0.5) and a cubic by Horner's rule, each intermediate result rounded to
// single precision; the final encodings match those of the same sequence of
// single-precision operations computed on a PC.
#include "check.h"

typedef struct { unsigned long x, root, t, poly; } row_t;
row_t rows[] = {
  {0x40000000ul, 0x3FB504F3ul, 0x3951B717ul, 0xBDFF2E51ul},
  {0x41200000ul, 0x404A62C2ul, 0x3A83126Ful, 0xBDFBE836ul},
  {0x3C23D70Aul, 0x3DCCCCCCul, 0x358637BDul, 0xBDFFFEF4ul},
  {0x4640E6B6ul, 0x42E2B2BCul, 0x3F9E0651ul, 0x3F073FDAul},
  {0x7149F2CAul, 0x6D49F2CAul, 0x3F000000ul, 0x3F080000ul},
};
typedef union { unsigned long u; float f; } fu_t;

static float root(float x)
{
  float y = x >= 1.0f ? x : 1.0f;
  unsigned char i;
  for (i = 0; i < 8; i++)
    y = (y + x / y) * 0.5f;
  return y;
}

static float cubic(float t)
{
  static float coef[4] = {0.25f, -1.5f, 2.0f, -0.125f};
  float p = coef[0];
  unsigned char i;
  for (i = 1; i < 4; i++)
    p = p * t + coef[i];
  return p;
}

int main(void)
{
  unsigned char i;
  fu_t x, r, t;
  for (i = 0; i < sizeof rows / sizeof rows[0]; i++) {
    x.u = rows[i].x;
    r.f = root(x.f);
    CHECK(r.u == rows[i].root);
    t.f = x.f < 1e6f ? x.f / 1e4f : 0.5f;
    CHECK(t.u == rows[i].t);
    r.f = cubic(t.f);
    CHECK(r.u == rows[i].poly);
  }
  return CHECK_RESULT();
}
