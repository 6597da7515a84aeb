// Static locals keep their values between calls; locals of different
// functions in the same frame depth do not disturb one another.
#include "check.h"

static unsigned char counter(void)
{
  static unsigned char n;
  return ++n;
}

static int accumulate(int v)
{
  static int total;
  total += v;
  return total;
}

static unsigned char shadow(unsigned char a)
{
  unsigned char x;
  x = a * 2;
  { unsigned char x; x = 1; a += x; }
  return x + a;
}

int main(void)
{
  unsigned char i;
  for (i = 0; i < 5; i++) counter();
  CHECK(counter() == 6);
  accumulate(1000); accumulate(-300);
  CHECK(accumulate(0) == 700);
  CHECK(shadow(10) == 31);
  return CHECK_RESULT();
}
