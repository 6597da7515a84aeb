// 16-bit shifts by constants (0 to 15, including the byte moves at 8) and
// by variables; arithmetic right shift of negative ints.
#include "check.h"

unsigned int u, r;
int s, t;
unsigned char n;

int main(void)
{
  u = 0x8001;
  r = u << 1; CHECK(r == 0x0002);
  r = u >> 1; CHECK(r == 0x4000);
  r = u << 8; CHECK(r == 0x0100);
  r = u >> 8; CHECK(r == 0x0080);
  r = u >> 15; CHECK(r == 1);
  r = u << 15; CHECK(r == 0x8000);
  r = u << 9; CHECK(r == 0x0200);
  r = u >> 9; CHECK(r == 0x0040);
  u = 0x1234;
  r = u << 4; CHECK(r == 0x2340);
  r = u >> 4; CHECK(r == 0x0123);
  r = u >> 12; CHECK(r == 1);
  for (n = 0; n < 16; n++) {
    r = 1;
    r <<= n;
    CHECK((r >> n) == 1);
    CHECK((0x8000u >> (15 - n)) == r);
  }
  s = -32767 - 1; t = s >> 1; CHECK(t == -16384);
  t = s >> 15; CHECK(t == -1);
  t = s >> 8; CHECK(t == -128);
  s = -3; t = s >> 1; CHECK(t == -2);
  s = 0x4000; t = s >> 14; CHECK(t == 1);
  n = 5; s = -1000; t = s >> n; CHECK(t == -32);
  t = s << n; CHECK(t == -32000);
  u = 0xFFFF; u >>= 3; CHECK(u == 0x1FFF);
  u <<= 5; CHECK(u == 0xFFE0);
  return CHECK_RESULT();
}
