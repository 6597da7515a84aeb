// Chained assignments across widths (each step converts to its target),
// assignments used as values, and the comma operator.
#include "check.h"

unsigned char c, d;
int i, j;
signed char s;

int main(void)
{
  i = j = 1000; CHECK(i == 1000); CHECK(j == 1000);
  c = d = 0x80; CHECK(c == 0x80);
  i = c = 300; CHECK(c == 44); CHECK(i == 44);
  i = s = 200; CHECK(i == -56);
  j = (c = 5) + (d = 6); CHECK(j == 11); CHECK(d == 6);
  if ((c = d - 6) != 0) j = 0;
  CHECK(c == 0); CHECK(j == 11);
  i = (c = 1, d = 2, c + d); CHECK(i == 3);
  for (c = 0, d = 10; c < d; c++, d--) ;
  CHECK(c == 5); CHECK(d == 5);
  return CHECK_RESULT();
}
