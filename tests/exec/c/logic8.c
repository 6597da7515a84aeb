// 8-bit and, or, xor, complement and negation, with the identity cases that
// need no code (& 0xFF, | 0, ^ 0) and the constant ones (& 0, | 0xFF).
#include "check.h"

unsigned char u, v, r;
signed char s, t;

int main(void)
{
  u = 0xA5; v = 0x3C;
  r = u & v; CHECK(r == 0x24);
  r = u | v; CHECK(r == 0xBD);
  r = u ^ v; CHECK(r == 0x99);
  r = ~u; CHECK(r == 0x5A);
  r = -u; CHECK(r == 0x5B);
  r = u & 0xFF; CHECK(r == 0xA5);
  r = u | 0; CHECK(r == 0xA5);
  r = u ^ 0; CHECK(r == 0xA5);
  r = u & 0; CHECK(r == 0);
  r = u | 0xFF; CHECK(r == 0xFF);
  r = u ^ 0xFF; CHECK(r == 0x5A);
  s = -128; t = -s; CHECK(t == -128);
  s = 1; t = -s; CHECK(t == -1);
  s = 0; t = ~s; CHECK(t == -1);
  s = -1; t = s & 0x0F; CHECK(t == 15);
  u = 0x0F; u |= 0xF0; CHECK(u == 0xFF);
  u &= 0x3C; CHECK(u == 0x3C);
  u ^= 0x0F; CHECK(u == 0x33);
  return CHECK_RESULT();
}
