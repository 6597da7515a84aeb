// Compound division and modulo of a char variable by an int: the operation
// is done at the width of the usual conversions (16 bits), only the result
// is stored in 8 bits. Found by random programs: c %= 300 divided by 44.
#include "check.h"

signed char c;
unsigned char u;
int i;

int main(void)
{
  c = 59; i = 300; c %= i; CHECK(c == 59);
  u = 200; u /= i; CHECK(u == 0);
  u = 200; i = 257; u %= i; CHECK(u == 200);
  c = -100; i = -300; c /= i; CHECK(c == 0);
  c = -100; c %= i; CHECK(c == -100);
  return CHECK_RESULT();
}
