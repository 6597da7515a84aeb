// 8-bit multiplication: the low byte of the product, for unsigned and signed
// operands, by constants and by variables.
#include "check.h"

unsigned char a, b, r;
signed char s, t, q;

int main(void)
{
  a = 15; b = 17; r = a * b; CHECK(r == 255);
  a = 16; b = 16; r = a * b; CHECK(r == 0);
  a = 200; b = 3; r = a * b; CHECK(r == 88);
  r = a * 0; CHECK(r == 0);
  r = a * 1; CHECK(r == 200);
  r = a * 2; CHECK(r == 144);
  r = a * 10; CHECK(r == 208);
  s = -3; t = 7; q = s * t; CHECK(q == -21);
  s = -1; t = -1; q = s * t; CHECK(q == 1);
  s = -128; t = -1; q = s * t; CHECK(q == -128);
  s = 11; q = s * -11; CHECK(q == -121);
  a = 7; a *= 9; CHECK(a == 63);
  return CHECK_RESULT();
}
