// char values shifted by variable counts from 0 to 15, results stored back
// in chars: counts of 8 and more leave 0 (or -1 for a negative signed char
// shifted right), with or without integer promotion; int values shifted by
// counts 0 to 15 against a table of powers of two.
#include "check.h"

int main(void)
{
  unsigned char n, u, r;
  signed char s, q;
  unsigned int w;
  int v;
  for (n = 0; n < 16; n++) {
    u = 0xB7;
    r = u << n;
    CHECK(r == (n < 8 ? (unsigned char)(0xB7 << n) : 0));
    r = u >> n;
    CHECK(r == (n < 8 ? 0xB7 >> n : 0));
    s = -73;
    q = s >> n;
    CHECK(q == (n < 7 ? -73 / (1 << n) - ((-73 % (1 << n)) != 0) : -1));
    s = 45;
    q = s >> n;
    CHECK(q == (n < 6 ? 45 >> n : 0));
    u >>= n;
    CHECK(u == r);
    w = 1;
    w <<= n;
    v = (int)0x8000 >> n;
    CHECK(w == (unsigned int)1 << n && v == -(int)(0x8000u >> n) && (w & (w - 1)) == 0);
  }
  return CHECK_RESULT();
}
