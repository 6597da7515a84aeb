// Loops whose counters are short long and long: counting past 65536 up and
// down, a countdown of an unsigned long to zero, steps larger than a byte,
// a do-while ending at the most negative value, and a loop whose bound is
// a long computed from a call each time.
#include "check.h"

static long limit(long base) { return base * 2 + 1; }

int main(void)
{
  long l, sum = 0;
  unsigned long u, steps = 0;
  short long s;
  unsigned int n = 0;
  for (l = 65530l; l < 65542l; l++)
    sum += l & 0xFF;
  CHECK(sum == 250 + 251 + 252 + 253 + 254 + 255 + 0 + 1 + 2 + 3 + 4 + 5);
  for (u = 300000ul; u; u -= 1000)
    steps++;
  CHECK(steps == 300 && u == 0);
  for (s = 0x7FFF00l, n = 0; s > 0; s += 0x40)
    n++;
  CHECK(n == 4 && s == -8388608l);
  l = -2147483647l + 19;
  n = 0;
  do {
    l -= 5;
    n++;
  } while (l != -2147483647l - 1);
  CHECK(n == 4);
  for (l = 0, n = 0; l < limit(n); l += 1000)
    n++;
  CHECK(n == 1);
  for (s = -100000l, n = 0; s <= 100000l; s += 65536l)
    n++;
  CHECK(n == 4 && s == 162144l);
  return CHECK_RESULT();
}
