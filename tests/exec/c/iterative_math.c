// Small numeric routines: integer square root by bisection, powers by
// repeated multiplication, binomial coefficients by Pascal's rule.
#include "check.h"

static unsigned char isqrt(unsigned int v)
{
  unsigned int lo, hi, mid;
  lo = 0; hi = 256;
  while (hi - lo > 1) {
    mid = (lo + hi) >> 1;
    if (mid * mid <= v) lo = mid; else hi = mid;
  }
  return (unsigned char)lo;
}

static unsigned int power(unsigned int b, unsigned char e)
{
  unsigned int r;
  r = 1;
  while (e--) r *= b;
  return r;
}

static unsigned int binom(unsigned char n, unsigned char k)
{
  unsigned int row[17];
  unsigned char i, j;
  for (i = 0; i <= n; i++) {
    row[i] = 1;
    if (i > 1)
      for (j = i - 1; j > 0; j--) row[j] += row[j - 1];
  }
  return row[k];
}

int main(void)
{
  CHECK(isqrt(0) == 0);
  CHECK(isqrt(15) == 3);
  CHECK(isqrt(16) == 4);
  CHECK(isqrt(65535u) == 255);
  CHECK(isqrt(10000) == 100);
  CHECK(power(3, 10) == 59049u);
  CHECK(power(2, 15) == 32768u);
  CHECK(power(7, 0) == 1);
  CHECK(binom(16, 8) == 12870);
  CHECK(binom(10, 3) == 120);
  return CHECK_RESULT();
}
