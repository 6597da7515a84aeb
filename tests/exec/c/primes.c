// A sieve of primes below 400 in a byte array, nested loops with 16-bit
// indexes, and trial division as a cross-check.
#include "check.h"

unsigned char composite[400];

static unsigned char is_prime(unsigned int n)
{
  unsigned int d;
  if (n < 2) return 0;
  for (d = 2; d * d <= n; d++)
    if (n % d == 0) return 0;
  return 1;
}

int main(void)
{
  unsigned int i, j, count, last;
  unsigned char agree;
  for (i = 0; i < 400; i++) composite[i] = 0;
  for (i = 2; i * i < 400; i++)
    if (!composite[i])
      for (j = i * i; j < 400; j += i) composite[j] = 1;
  count = 0; last = 0; agree = 1;
  for (i = 2; i < 400; i++) {
    if (!composite[i]) { count++; last = i; }
    if (is_prime(i) == composite[i]) agree = 0;
  }
  CHECK(count == 78);
  CHECK(last == 397);
  CHECK(agree);
  return CHECK_RESULT();
}
