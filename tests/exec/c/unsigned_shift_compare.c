// Unsigned right shifts by an int count fill with zeros, and an unsigned
// int compared with a signed shift result compares unsigned (the usual
// conversions). Random programs found both done signed.
#include "check.h"

unsigned int w;
int i, s;
unsigned char n;

int main(void)
{
  w = 0xFF00; i = 8; n = 8;
  CHECK((w >> n) == 0xFF);
  CHECK((w >> i) == 0xFF);
  CHECK((w >> (i & 15)) == 0xFF);
  s = (w >> i); CHECK(s == 0xFF);
  s = w >> n; CHECK(s == 0xFF);
  w = 5; s = -20000;
  CHECK(!(w >= s));
  CHECK(!(w >= (s >> 13)));
  CHECK(w < (s >> 13));
  return CHECK_RESULT();
}
