// Division, modulo and multiplication by powers of two, where signed
// division rounds towards zero and is not a plain arithmetic shift.
#include "check.h"

int s, r;
unsigned int u, q;
signed char c, d;
unsigned char b, e;

int main(void)
{
  s = -7; r = s / 2; CHECK(r == -3);
  r = s % 2; CHECK(r == -1);
  r = s / 4; CHECK(r == -1);
  r = s * 4; CHECK(r == -28);
  s = 7; r = s / 4; CHECK(r == 1); r = s % 4; CHECK(r == 3);
  s = -32767 - 1; r = s / 256; CHECK(r == -128);
  u = 65535u; q = u / 2; CHECK(q == 32767);
  q = u % 16; CHECK(q == 15);
  q = u / 256; CHECK(q == 255);
  q = u * 8; CHECK(q == 65528u);
  c = -9; d = c / 8; CHECK(d == -1);
  d = c % 8; CHECK(d == -1);
  d = c / 2; CHECK(d == -4);
  b = 255; e = b / 32; CHECK(e == 7);
  e = b % 32; CHECK(e == 31);
  e = b * 4; CHECK(e == 252);
  return CHECK_RESULT();
}
