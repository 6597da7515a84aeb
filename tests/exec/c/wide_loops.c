// Loops with 16-bit counters past 255 and down to zero, unsigned countdown
// ending at zero, and a loop whose bound is computed each time.
#include "check.h"

int main(void)
{
  unsigned int i, n;
  int k;
  unsigned long_enough;
  n = 0;
  for (i = 0; i < 1000; i++) n++;
  CHECK(n == 1000);
  n = 0;
  for (i = 300; i != 0; i--) n += 2;
  CHECK(n == 600);
  n = 0;
  for (k = 500; k >= -500; k -= 50) n++;
  CHECK(n == 21);
  long_enough = 0;
  for (i = 1; i != 0; i <<= 1) long_enough++;
  CHECK(long_enough == 16);
  n = 0; i = 0;
  while (i * i < 5000) { i++; n += i; }
  CHECK(i == 71); CHECK(n == 2556);
  return CHECK_RESULT();
}
