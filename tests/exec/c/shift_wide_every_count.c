// short long and long shifts, both signednesses, by every count from 0 to the
// width less one held in a char variable, on a local, a global and a
// parameter; each width's results are folded into a checksum that is compared
// with one computed on a PC.
#include "check.h"

short long gs;
unsigned long gu;

static unsigned long fold(unsigned long s, unsigned long v) { return s * 31 + v; }
static long shr_param(long v, unsigned char n) { return v >> n; }

int main(void)
{
  unsigned char n;
  short long s;
  unsigned short long us;
  unsigned long a = 0, b = 0, c = 0, d = 0, e = 0, f = 0;
  for (n = 0; n < 24; n++) {
    us = 0x9A5C3Ful; us <<= n; a = fold(a, us);
    gs = (short long)0x9A5C3Ful; s = gs >> n; b = fold(b, (unsigned short long)s);
    us = 0x9A5C3Ful; c = fold(c, us >> n);
  }
  for (n = 0; n < 32; n++) {
    gu = 0x9A5C3F81ul; d = fold(d, gu << n);
    e = fold(e, (unsigned long)shr_param((long)0x9A5C3F81ul, n));
    gu = 0x9A5C3F81ul; gu >>= n; f = fold(f, gu);
  }
  CHECK(a == 0x9FA9260Bul && b == 0x380A07E0ul && c == 0x5FF0D9B6ul);
  CHECK(d == 0x6FD6D3B5ul && e == 0x7407854ul && f == 0x85274A2Aul);
  return CHECK_RESULT();
}
