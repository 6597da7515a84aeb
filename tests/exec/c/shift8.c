// 8-bit shifts by constants and by variables: zero fill for unsigned, sign
// fill when a negative signed char shifts right.
#include "check.h"

unsigned char u, r, n;
signed char s, t;

int main(void)
{
  u = 0x81;
  r = u << 1; CHECK(r == 0x02);
  r = u >> 1; CHECK(r == 0x40);
  r = u >> 7; CHECK(r == 1);
  r = u << 7; CHECK(r == 0x80);
  r = u >> 4; CHECK(r == 0x08);
  r = u << 4; CHECK(r == 0x10);
  for (n = 0; n < 8; n++) {
    r = (unsigned char)(1 << n);
    CHECK(r == (unsigned char)(0x80 >> (7 - n)));
  }
  n = 3; r = u >> n; CHECK(r == 0x10);
  r = u << n; CHECK(r == 0x08);
  s = -64; t = s >> 1; CHECK(t == -32);
  t = s >> 6; CHECK(t == -1);
  s = -1; t = s >> 7; CHECK(t == -1);
  s = 64; t = s >> 3; CHECK(t == 8);
  s = 3; t = s << 5; CHECK(t == 96);
  u = 0xF0; u >>= 2; CHECK(u == 0x3C);
  u <<= 3; CHECK(u == 0xE0);
  return CHECK_RESULT();
}
