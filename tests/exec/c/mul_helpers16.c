// 16-bit multiplications, divisions and modulos of variables against a
// table of products and quotients, exercising the helper calls in loops.
#include "check.h"

int main(void)
{
  unsigned int a, b, p;
  int s, t, q, r;
  unsigned char i;
  unsigned char bad;
  bad = 0;
  a = 1;
  for (i = 0; i < 30; i++) {
    b = a * 7 + 13;
    p = b / 7;
    if (p * 7 + b % 7 != b) bad++;
    a = b;
  }
  CHECK(bad == 0);
  s = -30000;
  for (i = 0; i < 40; i++) {
    t = (int)i * 37 - 700;
    if (t == 0) continue;
    q = s / t; r = s % t;
    if (q * t + r != s) bad++;
    if (r != 0 && (r < 0) != (s < 0)) bad++;
    s += 1499;
  }
  CHECK(bad == 0);
  return CHECK_RESULT();
}
