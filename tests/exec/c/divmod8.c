// 8-bit division and modulo through the run-time helpers: unsigned,
// signed (quotient towards zero, remainder with the dividend's sign), by
// constants and by variables.
#include "check.h"

unsigned char a, b, r;
signed char s, t, q;

int main(void)
{
  a = 255; b = 7; r = a / b; CHECK(r == 36);
  r = a % b; CHECK(r == 3);
  a = 6; b = 7; r = a / b; CHECK(r == 0);
  r = a % b; CHECK(r == 6);
  a = 200; r = a / 10; CHECK(r == 20);
  r = a % 10; CHECK(r == 0);
  a = 255; b = 1; r = a / b; CHECK(r == 255);
  b = 255; r = a / b; CHECK(r == 1);
  s = -7; t = 2; q = s / t; CHECK(q == -3);
  q = s % t; CHECK(q == -1);
  s = 7; t = -2; q = s / t; CHECK(q == -3);
  q = s % t; CHECK(q == 1);
  s = -128; t = 3; q = s / t; CHECK(q == -42);
  q = s % t; CHECK(q == -2);
  s = -100; q = s / -10; CHECK(q == 10);
  s = 127; t = 127; q = s / t; CHECK(q == 1);
  a = 100; a /= 7; CHECK(a == 14);
  a %= 5; CHECK(a == 4);
  return CHECK_RESULT();
}
