// Values computed before a call and used after it: the temporaries that
// hold them are saved and restored around the call, also when the callee
// uses temporaries itself, and when the value's code ends with a branch
// over a loop (a shift by a variable count of 0) that lands where the save
// sequence starts.
#include "check.h"

static int busy(int a, int b)
{
  return (a + b) * (a - b) + (a ^ b);
}

static unsigned char small(unsigned char a)
{
  return (a + 1) * (a + 2);
}

static int same(int v)
{
  return busy(v, 0) - v * v;
}

int main(void)
{
  int a, b, r;
  unsigned char c, k, n;
  a = 30; b = 7;
  r = (a * b) + busy(a, b);
  CHECK(r == 210 + 851 + 25);
  r = (a - b) * (a + b) - busy(b, a) * 2;
  CHECK(r == 851 - 2 * (-851 + 25));
  c = 5;
  c = (c * 3) + small(c) + (c << 2);
  CHECK(c == 15 + 42 + 20);
  r = busy(busy(1, 2), busy(3, 4)) + busy(5, 6);
  CHECK(r == -8);
  a = 0x1234; n = 0;
  for (k = 0; k < 4; k++)
    n += ((a >> (k & 2)) == same(a >> (k & 2))) + ((a << (k & 1)) == same(a << (k & 1)));
  CHECK(n == 8);
  return CHECK_RESULT();
}
