// Unary operators on short long, long and float operands: ! as a value
// and as a condition (a value whose only nonzero byte is the high one is
// true), negation at the boundaries (the most negative value negates to
// itself), complement, and && and || over wide operands.
#include "check.h"

short long s_vals[] = {0, 1, 0x010000l, 0x000100l, -8388608l, -1};
long l_vals[] = {0, 0x01000000l, 0x00010000l, 0x00000100l, 1, (-2147483647l - 1), -1};
float f_vals[] = {0.0f, -0.0f, 1e-40f, -2.5f, 65536.0f};

int main(void)
{
  unsigned char i, n = 0;
  short long s;
  long l;
  float f;
  for (i = 0; i < 6; i++) {
    s = s_vals[i];
    CHECK(!s == (i == 0) && !!s == (i != 0));
    if (!s) n++;
    CHECK(-(-s) == s && ~~s == s && (s + ~s) == -1 && -s == ~s + 1);
  }
  for (i = 0; i < 7; i++) {
    l = l_vals[i];
    CHECK(!l == (i == 0) && (l && 1) == (i != 0) && (l || 0) == (i != 0));
    if (l) ; else n++;
    CHECK(-l == ~l + 1 && (unsigned long)~l == 0xFFFFFFFFul - (unsigned long)l);
  }
  for (i = 0; i < 5; i++) {
    f = f_vals[i];
    CHECK(!f == (i < 2) && (f || 0) == (i >= 2));
    if (!f) n++;
    CHECK(-(-f) == f);
  }
  CHECK(n == 4);
  s = -8388608l; l = -2147483647l - 1;
  CHECK(-s == s && -l == l && (unsigned short long)-s == 0x800000ul);
  f = -f_vals[1];
  CHECK(*(unsigned long *)&f == 0 && -f_vals[3] == 2.5f);
  return CHECK_RESULT();
}
