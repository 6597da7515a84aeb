// Float addition, subtraction, multiplication and division over a table of
// operands given by their encodings: ties to even, one unit above a tie,
// cancellation, subnormal operands and results, results near the largest
// finite value. Expected encodings computed on a PC.
#include "check.h"

typedef struct { unsigned long a, b, sum, dif, prd, quo; } row_t;
row_t rows[] = {
  {0x3F800000ul, 0x33800000ul, 0x3F800000ul, 0x3F7FFFFFul, 0x33800000ul, 0x4B800000ul},
  {0x3F800001ul, 0x33800000ul, 0x3F800002ul, 0x3F800000ul, 0x33800001ul, 0x4B800001ul},
  {0x3F800000ul, 0x33800001ul, 0x3F800001ul, 0x3F7FFFFFul, 0x33800001ul, 0x4B7FFFFEul},
  {0x40400000ul, 0x40E00000ul, 0x41200000ul, 0xC0800000ul, 0x41A80000ul, 0x3EDB6DB7ul},
  {0xBFC00000ul, 0x3A83126Ful, 0xBFBFDF3Bul, 0xBFC020C5ul, 0xBAC49BA6ul, 0xC4BB7FFFul},
  {0x5D5E0B6Bul, 0x26901D7Dul, 0x5D5E0B6Bul, 0x5D5E0B6Bul, 0x447A0000ul, 0x76453719ul},
  {0x00800000ul, 0x3F000000ul, 0x3F000000ul, 0xBF000000ul, 0x00400000ul, 0x01000000ul},
  {0x00000003ul, 0x80000001ul, 0x00000002ul, 0x00000004ul, 0x80000000ul, 0xC0400000ul},
  {0x47F12065ul, 0xBC000000ul, 0x47F12064ul, 0x47F12066ul, 0xC4712065ul, 0xCB712065ul},
  {0xC0200000ul, 0xC0200000ul, 0xC0A00000ul, 0x00000000ul, 0x40C80000ul, 0x3F800000ul},
  {0x4B7FFFFFul, 0x3F000000ul, 0x4B800000ul, 0x4B7FFFFEul, 0x4AFFFFFFul, 0x4BFFFFFFul},
  {0x3DCCCCCDul, 0x3E4CCCCDul, 0x3E99999Aul, 0xBDCCCCCDul, 0x3CA3D70Bul, 0x3F000000ul},
  {0x9E3CE508ul, 0x5FD02AB5ul, 0x5FD02AB5ul, 0xDFD02AB5ul, 0xBE99999Aul, 0x8003A133ul},
  {0x7F000000ul, 0x3F400000ul, 0x7F000000ul, 0x7F000000ul, 0x7EC00000ul, 0x7F2AAAABul},
};
typedef union { unsigned long u; float f; } fu_t;

static unsigned long bits(float f) { fu_t x; x.f = f; return x.u; }

int main(void)
{
  unsigned char i;
  fu_t a, b;
  for (i = 0; i < sizeof rows / sizeof rows[0]; i++) {
    a.u = rows[i].a; b.u = rows[i].b;
    CHECK(bits(a.f + b.f) == rows[i].sum);
    CHECK(bits(a.f - b.f) == rows[i].dif);
    CHECK(bits(a.f * b.f) == rows[i].prd);
    CHECK(bits(a.f / b.f) == rows[i].quo);
  }
  return CHECK_RESULT();
}
