// goto forward and backward, labels inside loops, a loop built from goto.
#include "check.h"

unsigned char n;
int sum;

int main(void)
{
  n = 0; sum = 0;
again:
  sum += n;
  if (++n < 10) goto again;
  CHECK(sum == 45);
  n = 0;
  goto skip;
  n = 99;
skip:
  CHECK(n == 0);
  for (n = 0; n < 100; n++)
    if (n == 42) goto found;
  n = 0;
found:
  CHECK(n == 42);
  return CHECK_RESULT();
}
