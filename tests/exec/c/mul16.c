// 16-bit multiplication: low 16 bits of the product, unsigned and signed,
// by small and large constants and by variables.
#include "check.h"

unsigned int a, b, r;
int s, t, q;

int main(void)
{
  a = 255; b = 257; r = a * b; CHECK(r == 65535u);
  a = 256; b = 256; r = a * b; CHECK(r == 0);
  a = 1234; b = 56; r = a * b; CHECK(r == 3568);
  r = a * 3; CHECK(r == 3702);
  r = a * 100; CHECK(r == 57864u);
  r = a * 0; CHECK(r == 0);
  r = a * 1; CHECK(r == 1234);
  r = a * 1000; CHECK(r == 54352u);
  s = -300; t = 100; q = s * t; CHECK(q == -30000);
  s = -1; t = -1; q = s * t; CHECK(q == 1);
  s = -181; t = 181; q = s * t; CHECK(q == -32761);
  s = 12; q = s * -7; CHECK(q == -84);
  a = 99; a *= 99; CHECK(a == 9801);
  return CHECK_RESULT();
}
