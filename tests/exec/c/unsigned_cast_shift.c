// A right shift of a negative int cast to unsigned int fills with zeros,
// and a compound division of an int by an unsigned int divides unsigned
// (the usual conversions make both operations unsigned). Found by random
// programs: the cast was lost and both were done signed.
#include "check.h"

int x, q;
unsigned int w;

int main(void)
{
  x = -1000;
  q = (unsigned int)x >> 3; CHECK(q == 8067);
  q = (int)((unsigned int)x >> 8); CHECK(q == 252);
  x = -10; w = 31;
  q = x / w; CHECK(q == 2113);
  x /= w; CHECK(x == 2113);
  x = -10; x %= w; CHECK(x == 23);
  return CHECK_RESULT();
}
