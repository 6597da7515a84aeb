// 24-bit division and modulo through the run-time helpers, unsigned and signed
// (quotient towards zero, remainder with the sign of the dividend), with
// divisors of one, two and three bytes and at the boundaries. Results computed
// on a PC.
#include "check.h"

typedef struct { unsigned short long a, b, uq, ur; short long sq, sr; } row_t;
row_t rows[] = {
  {0xFFFFFFul, 1, 0xFFFFFFul, 0, -1, 0},
  {0xFFFFFFul, 0xFFFFFFul, 1, 0, 1, 0},
  {0x800000ul, 2, 0x400000ul, 0, -4194304l, 0},
  {0x7FFFFFul, 3, 0x2AAAAAul, 1, 2796202l, 1},
  {0x3039, 0xA, 0x4D2, 5, 1234, 5},
  {0xFFFFFFul, 0x10000ul, 0xFF, 0xFFFFu, 0, -1},
  {0x800005ul, 0x7FFFFFul, 1, 6, 0, -8388603l},
  {0x3E8, 0x3E9, 0, 0x3E8, 0, 1000},
  {0xFFFFu, 0xFF, 0x101, 0, 257, 0},
  {0x902A17ul, 0xC43, 0xBC1, 0xA94, -2334, -2831},
  {0x1BA119ul, 0x67, 0x44AB, 0x4C, 17579, 76},
  {7, 0xFFFFF9ul, 0, 7, -1, 0},
  {0x800000ul, 0x800001ul, 0, 0x800000ul, 1, -1},
};

int main(void)
{
  unsigned char i;
  unsigned short long a, b;
  short long sa, sb, q;
  for (i = 0; i < sizeof rows / sizeof rows[0]; i++) {
    a = rows[i].a; b = rows[i].b;
    CHECK(a / b == rows[i].uq);
    CHECK(a % b == rows[i].ur);
    sa = a; sb = b;
    q = sa / sb; CHECK(q == rows[i].sq);
    q = sa % sb; CHECK(q == rows[i].sr);
    sa /= sb; CHECK(sa == rows[i].sq);
    CHECK(sa * sb + rows[i].sr == (short long)a);
  }
  return CHECK_RESULT();
}
