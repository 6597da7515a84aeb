// 16-bit and, or, xor, complement and negation, including the byte-wise
// identity cases (a byte of 0x00 or 0xFF in the constant).
#include "check.h"

unsigned int u, v, r;
int s, t;

int main(void)
{
  u = 0xA55A; v = 0x0FF0;
  r = u & v; CHECK(r == 0x0550);
  r = u | v; CHECK(r == 0xAFFA);
  r = u ^ v; CHECK(r == 0xAAAA);
  r = ~u; CHECK(r == 0x5AA5);
  r = -u; CHECK(r == 0x5AA6);
  r = u & 0x00FF; CHECK(r == 0x005A);
  r = u & 0xFF00; CHECK(r == 0xA500);
  r = u | 0x00FF; CHECK(r == 0xA5FF);
  r = u ^ 0xFF00; CHECK(r == 0x5A5A);
  r = u & 0; CHECK(r == 0);
  r = u | 0xFFFF; CHECK(r == 0xFFFF);
  s = -32767 - 1; t = -s; CHECK(t == -32767 - 1);
  s = 1; t = -s; CHECK(t == -1);
  s = 0; t = -s; CHECK(t == 0);
  s = 255; t = -s; CHECK(t == -255);
  s = 0; t = ~s; CHECK(t == -1);
  u = 0x00F0; u |= 0x0F00; CHECK(u == 0x0FF0);
  u &= 0x3C3C; CHECK(u == 0x0C30);
  u ^= 0xFFFF; CHECK(u == 0xF3CF);
  return CHECK_RESULT();
}
