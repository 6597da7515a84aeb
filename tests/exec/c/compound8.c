// Every compound assignment operator on signed and unsigned char
// variables; the result is stored back in 8 bits.
#include "check.h"

signed char s, t;
unsigned char u, v;

int main(void)
{
  s = 100; t = 3;
  s += t; CHECK(s == 103);
  s += 30; CHECK(s == -123);
  s -= t; CHECK(s == -126);
  s *= t; CHECK(s == -122);
  s /= 10; CHECK(s == -12);
  s %= 5; CHECK(s == -2);
  s <<= 3; CHECK(s == -16);
  s >>= 2; CHECK(s == -4);
  s &= 0x3F; CHECK(s == 0x3C);
  s |= 0x40; CHECK(s == 0x7C);
  s ^= 0x0F; CHECK(s == 0x73);
  u = 250; v = 7;
  u += v; CHECK(u == 1);
  u -= v; CHECK(u == 250);
  u *= v; CHECK(u == 214);
  u /= v; CHECK(u == 30);
  u %= v; CHECK(u == 2);
  u <<= v; CHECK(u == 0);
  u = 0x81; u >>= 1; CHECK(u == 0x40);
  u |= v; u &= 0x0F; u ^= 0xFF; CHECK(u == 0xF8);
  return CHECK_RESULT();
}
