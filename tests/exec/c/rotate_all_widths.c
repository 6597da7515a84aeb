// Rotations written with two shifts and an or, at 8, 16, 24 and 32 bits, left
// and right by every count from 1 to the width less one, by a variable count;
// each width's rotations of one value are folded into a sum compared with a
// sum computed on a PC, and rotating back restores the value.
#include "check.h"

static unsigned char rl8(unsigned char x, unsigned char n) { return (unsigned char)(x << n) | x >> (8 - n); }
static unsigned int rr16(unsigned int x, unsigned char n) { return x >> n | x << (16 - n); }
static unsigned short long rl24(unsigned short long x, unsigned char n) { return x << n | x >> (24 - n); }
static unsigned long rr32(unsigned long x, unsigned char n) { return x >> n | x << (32 - n); }

int main(void)
{
  unsigned char n, c;
  unsigned int w;
  unsigned short long m;
  unsigned long l, s8 = 0, s16 = 0, s24 = 0, s32 = 0;
  for (n = 1; n < 8; n++) {
    c = rl8(0xAA, n); s8 += (unsigned long)c * n;
    CHECK(rl8(c, 8 - n) == 0xAA);
  }
  for (n = 1; n < 16; n++) {
    w = rr16(0x8421, 16 - n); s16 += (unsigned long)w * n;
    CHECK(rr16(w, n) == 0x8421);
  }
  for (n = 1; n < 24; n++) {
    m = rl24(0x80F00Dul, n); s24 += (unsigned long)m * n;
    CHECK(rl24(m, 24 - n) == 0x80F00Dul);
  }
  for (n = 1; n < 32; n++) {
    l = rr32(0xC0FFEE01ul, 32 - n); s32 += l * n;
    CHECK(rr32(l, n) == 0xC0FFEE01ul);
  }
  CHECK(s8 == 0xD48ul);
  CHECK(s16 == 0x2241F6ul);
  CHECK(s24 == 0x6A1680DAul);
  CHECK(s32 == 0x1FFDBF43ul);
  return CHECK_RESULT();
}
