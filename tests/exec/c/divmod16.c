// 16-bit division and modulo through the run-time helpers, unsigned and
// signed, by constants and variables, at the boundaries.
#include "check.h"

unsigned int a, b, r;
int s, t, q;

int main(void)
{
  a = 65535u; b = 10; r = a / b; CHECK(r == 6553);
  r = a % b; CHECK(r == 5);
  a = 50000u; b = 50001u; r = a / b; CHECK(r == 0);
  r = a % b; CHECK(r == 50000u);
  a = 12345; r = a / 100; CHECK(r == 123);
  r = a % 100; CHECK(r == 45);
  r = a / 1; CHECK(r == 12345);
  r = a / 256; CHECK(r == 48);
  s = -1000; t = 7; q = s / t; CHECK(q == -142);
  q = s % t; CHECK(q == -6);
  s = 1000; t = -7; q = s / t; CHECK(q == -142);
  q = s % t; CHECK(q == 6);
  s = -32767 - 1; t = 10; q = s / t; CHECK(q == -3276);
  q = s % t; CHECK(q == -8);
  s = -32767; q = s / -1; CHECK(q == 32767);
  a = 1000; a /= 3; CHECK(a == 333);
  a %= 7; CHECK(a == 4);
  return CHECK_RESULT();
}
