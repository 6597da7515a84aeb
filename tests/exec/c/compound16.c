// Every compound assignment operator on int and unsigned int variables,
// with constant and variable right-hand sides.
#include "check.h"

int s, t;
unsigned int u, v;

int main(void)
{
  s = 1000; t = 3;
  s += t; CHECK(s == 1003);
  s -= 2000; CHECK(s == -997);
  s *= t; CHECK(s == -2991);
  s /= 10; CHECK(s == -299);
  s %= 7; CHECK(s == -5);
  s <<= 4; CHECK(s == -80);
  s >>= 3; CHECK(s == -10);
  s &= 0x0FF0; CHECK(s == 0x0FF0);
  s |= 0x7000; CHECK(s == 0x7FF0);
  s ^= -1; CHECK(s == -0x7FF1);
  u = 0xF000; v = 12;
  u >>= v; CHECK(u == 0x000F);
  u <<= v; CHECK(u == 0xF000);
  u += u; CHECK(u == 0xE000);
  u -= v; CHECK(u == 0xDFF4);
  u /= v; CHECK(u == 4777);
  u %= v; CHECK(u == 1);
  u *= 40000u; CHECK(u == 40000u);
  u |= v; u &= 0xFF; CHECK(u == 0x4C);
  return CHECK_RESULT();
}
