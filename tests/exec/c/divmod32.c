// 32-bit division and modulo through the run-time helpers, unsigned and signed
// (quotient towards zero, remainder with the sign of the dividend), with
// divisors of one, two and three bytes and at the boundaries. Results computed
// on a PC.
#include "check.h"

typedef struct { unsigned long a, b, uq, ur; long sq, sr; } row_t;
row_t rows[] = {
  {0xFFFFFFFFul, 1, 0xFFFFFFFFul, 0, -1, 0},
  {0xFFFFFFFFul, 0xFFFFFFFFul, 1, 0, 1, 0},
  {0x80000000ul, 2, 0x40000000ul, 0, -1073741824l, 0},
  {0x7FFFFFFFul, 3, 0x2AAAAAAAul, 1, 715827882l, 1},
  {0x3039, 0xA, 0x4D2, 5, 1234, 5},
  {0xFFFFFFFFul, 0x10000ul, 0xFFFFu, 0xFFFFu, 0, -1},
  {0x80000005ul, 0x7FFFFFFFul, 1, 6, 0, -2147483643l},
  {0x3E8, 0x3E9, 0, 0x3E8, 0, 1000},
  {0xFFFFu, 0xFF, 0x101, 0, 257, 0},
  {0x1B98FBE4ul, 0xD8B9u, 0x2099, 0x5553, 8345, 21843},
  {0x4A789CB3ul, 0x63, 0xC09264ul, 7, 12620388l, 7},
  {7, 0xFFFFFFF9ul, 0, 7, -1, 0},
  {0x80000000ul, 0x80000001ul, 0, 0x80000000ul, 1, -1},
};

int main(void)
{
  unsigned char i;
  unsigned long a, b;
  long sa, sb, q;
  for (i = 0; i < sizeof rows / sizeof rows[0]; i++) {
    a = rows[i].a; b = rows[i].b;
    CHECK(a / b == rows[i].uq);
    CHECK(a % b == rows[i].ur);
    sa = a; sb = b;
    q = sa / sb; CHECK(q == rows[i].sq);
    q = sa % sb; CHECK(q == rows[i].sr);
    sa /= sb; CHECK(sa == rows[i].sq);
    CHECK(sa * sb + rows[i].sr == (long)a);
  }
  return CHECK_RESULT();
}
