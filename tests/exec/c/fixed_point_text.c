// Q16.16 fixed-point values printed with three decimals, as a display driver
// would: the integer part by division by ten, the fraction scaled by 1000 with
// rounding in unsigned long arithmetic (a carry into the integer part),
// negative values and the extremes. The texts were computed on a PC.
#include "check.h"

long values[] = {(long)0x00010000ul, (long)0x00018000ul, (long)0xFFFF0000ul, (long)0x7FFFFFFFul, (long)0x80000000ul, (long)0x0000199Aul, (long)0xFFFFE666ul, (long)0x00640020ul, (long)0x00000000ul};
rom char *rom texts[] = {"1.000", "1.500", "-1.000", "32768.000", "-32768.000", "0.100", "-0.100", "100.000", "0.000"};

static void format(long v, char *out)
{
  unsigned long u = v < 0 ? 0ul - (unsigned long)v : (unsigned long)v;
  unsigned long ip = u >> 16;
  unsigned int frac = (unsigned int)(((u & 0xFFFF) * 1000 + 0x8000) >> 16);
  char digits[6];
  signed char n = 0;
  if (frac == 1000) {
    ip++;
    frac = 0;
  }
  if (v < 0)
    *out++ = '-';
  do {
    digits[n++] = '0' + (char)(ip % 10);
    ip /= 10;
  } while (ip);
  while (n > 0)
    *out++ = digits[--n];
  *out++ = '.';
  *out++ = '0' + (char)(frac / 100);
  *out++ = '0' + (char)(frac / 10 % 10);
  *out++ = '0' + (char)(frac % 10);
  *out = 0;
}

int main(void)
{
  char buf[14];
  unsigned char i, k;
  for (i = 0; i < sizeof values / sizeof values[0]; i++) {
    format(values[i], buf);
    for (k = 0; texts[i][k]; k++)
      CHECK(buf[k] == texts[i][k]);
    CHECK(buf[k] == 0);
  }
  return CHECK_RESULT();
}
