// x + 0, x - 0, x * 1, x / 1 and v * 0 have the type of the whole
// expression: the usual conversions apply to the identity as to any other
// operation (found by the random programs, seed 4638).
#include "check.h"

int i;
unsigned int w;
long l;

int main(void)
{
  i = -1; w = 5;
  l = i + (unsigned int)0; CHECK(l == 65535);
  l = (unsigned int)0 + i; CHECK(l == 65535);
  l = i - (unsigned int)0; CHECK(l == 65535);
  l = i * (unsigned int)1; CHECK(l == 65535);
  l = (unsigned int)1 * i; CHECK(l == 65535);
  l = i / (unsigned int)1; CHECK(l == 65535);
  l = (w * 0) - 1; CHECK(l == 65535);
  l = i + 0; CHECK(l == -1);
  return CHECK_RESULT();
}
