// A call with many arguments of mixed widths, and one whose arguments are
// expressions needing temporaries; the caller pops them all.
#include "check.h"


static int eight(unsigned char a, int b, unsigned char c, int d, unsigned char e, int f, unsigned char g, int h)
{
  return a + b + c + d + e + f + g + h;
}

static unsigned char order(unsigned char a, unsigned char b, unsigned char c, unsigned char d, unsigned char e)
{
  return a * 1 + b * 2 + c * 3 + d * 4 + e * 5;
}

int main(void)
{
  int x;
  unsigned char i, j;
  x = eight(1, 1000, 2, 2000, 3, 3000, 4, 4000);
  CHECK(x == 10010);
  CHECK(order(1, 2, 3, 4, 5) == 55);
  i = 3; j = 4;
  CHECK(order(i + j, i * j, j - i, i | j, i ^ j) == 97);
  for (i = 0; i < 50; i++)
    x = eight(i, x, i, x, i, -x, i, -x);
  CHECK(x == 196);
  return CHECK_RESULT();
}
