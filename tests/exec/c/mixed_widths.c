// Expressions mixing char and int operands: the char side is widened (zero
// for unsigned, sign for signed) before the 16-bit operation.
#include "check.h"

unsigned char u;
signed char s;
int i, r;
unsigned int w, x;

int main(void)
{
  u = 200; s = -56; i = 1000; w = 60000u;
  r = i + u; CHECK(r == 1200);
  r = i + s; CHECK(r == 944);
  r = i - u; CHECK(r == 800);
  r = u - i; CHECK(r == -800);
  r = s - i; CHECK(r == -1056);
  r = i * s; CHECK(r == 9536);
  x = w + u; CHECK(x == 60200u);
  x = w / u; CHECK(x == 300);
  r = i / s; CHECK(r == -17);
  r = i % s; CHECK(r == 48);
  r = i & u; CHECK(r == (1000 & 200));
  r = i | s; CHECK(r == -24);
  r = i ^ u; CHECK(r == 800);
  CHECK(i > u); CHECK(s < i); CHECK(u < w);
  return CHECK_RESULT();
}
