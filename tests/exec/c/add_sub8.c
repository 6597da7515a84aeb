// 8-bit addition and subtraction, unsigned and signed, at the boundaries:
// results are stored in char variables, so they wrap the same way with and
// without integer promotion.
#include "check.h"

unsigned char ua, ub, ur;
signed char sa, sb, sr;

int main(void)
{
  ua = 200; ub = 100; ur = ua + ub; CHECK(ur == 44);
  ua = 255; ub = 1; ur = ua + ub; CHECK(ur == 0);
  ua = 0; ub = 1; ur = ua - ub; CHECK(ur == 255);
  ua = 10; ur = ua + 250; CHECK(ur == 4);
  ua = 128; ub = 128; ur = ua + ub; CHECK(ur == 0);
  ur = ua - 129; CHECK(ur == 255);
  sa = 127; sb = 1; sr = sa + sb; CHECK(sr == -128);
  sa = -128; sb = 1; sr = sa - sb; CHECK(sr == 127);
  sa = -100; sb = -28; sr = sa + sb; CHECK(sr == -128);
  sa = -5; sr = sa + 3; CHECK(sr == -2);
  sa = 5; sr = 3 - sa; CHECK(sr == -2);
  sr = sa - sa; CHECK(sr == 0);
  ur = ua; ur += 7; CHECK(ur == 135);
  ur -= 136; CHECK(ur == 255);
  return CHECK_RESULT();
}
