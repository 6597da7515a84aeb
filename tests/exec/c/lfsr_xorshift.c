// Pseudo-random generators as firmware uses them: a 16-bit Galois LFSR (taps
// 0xB400), checked at given steps and for its full period of 65535, and a
// 32-bit xorshift (13, 17, 5) on unsigned longs. Expected states computed on a
// PC.
#include "check.h"

static unsigned int lfsr16(unsigned int s) { unsigned char lsb = s & 1; s >>= 1; if (lsb) s ^= 0xB400; return s; }
static unsigned long xorshift32(unsigned long x) { x ^= x << 13; x ^= x >> 17; x ^= x << 5; return x; }

int main(void)
{
  unsigned int s = 0xACE1, i, marks[4];
  unsigned long x = 2463534242ul, xmarks[4], n;
  unsigned char k = 0;
  for (i = 1; i <= 1000; i++) {
    s = lfsr16(s);
    if (i == 1 || i == 10 || i == 100 || i == 1000)
      marks[k++] = s;
  }
  CHECK(marks[0] == 0xE270 && marks[1] == 0x30B1 && marks[2] == 0x94A3 && marks[3] == 0x7C8C);
  s = 0xACE1;
  n = 0;
  do {
    s = lfsr16(s);
    n++;
  } while (s != 0xACE1);
  CHECK(n == 65535ul);
  for (i = 1, k = 0; i <= 200; i++) {
    x = xorshift32(x);
    if (i == 1 || i == 2 || i == 50 || i == 200)
      xmarks[k++] = x;
  }
  CHECK(xmarks[0] == 0x2B1F4D63ul && xmarks[1] == 0x94DACB7Aul);
  CHECK(xmarks[2] == 0x6D60E6FDul && xmarks[3] == 0x71F651E4ul);
  return CHECK_RESULT();
}
