// A quarter-wave sine table of ints in rom with linear interpolation between
// entries: index and fraction taken from a 12-bit phase, the difference of
// neighbours scaled in long arithmetic; the sign of the other quadrants by
// symmetry. Expected values computed on a PC.
#include "check.h"

rom int sine_q15[17] = {0, 3212, 6393, 9512, 12539, 15446, 18204, 20787, 23170, 25329, 27245, 28898, 30273, 31356, 32137, 32609, 32767};
unsigned int phases[] = {0, 1, 255, 256, 1000, 2047, 2048, 3333, 4095, 4096};
int expected[] = {0, 12, 3199, 3212, 12255, 23160, 23170, 31371, 32766, 32767};

static int quarter(unsigned int x)
{
  unsigned char i = x >> 8, f = (unsigned char)x;
  int a;
  if (i >= 16)
    return sine_q15[16];
  a = sine_q15[i];
  return a + (int)(((long)(sine_q15[i + 1] - a) * f) >> 8);
}

static int sine(unsigned int phase)
{
  phase &= 0x3FFF;
  if (phase < 0x1000) return quarter(phase);
  if (phase < 0x2000) return quarter(0x2000 - phase);
  if (phase < 0x3000) return -quarter(phase - 0x2000);
  return -quarter(0x4000 - phase);
}

int main(void)
{
  unsigned char i;
  for (i = 0; i < sizeof phases / sizeof phases[0]; i++) {
    CHECK(quarter(phases[i]) == expected[i]);
    CHECK(sine(0x2000 - phases[i]) == expected[i]);
    CHECK(sine(0x2000 + phases[i]) == -expected[i]);
  }
  CHECK(sine(0x4000) == 0 && sine(0x1000) == 32767 && sine(0x3000) == -32767);
  return CHECK_RESULT();
}
