// 8-bit comparisons of both signednesses, with operands on both sides of
// the sign boundary; each relation is used as a value and as a condition.
#include "check.h"

unsigned char u, v;
signed char s, t;
unsigned char hits;

int main(void)
{
  u = 200; v = 100;
  CHECK(u > v); CHECK(u >= v); CHECK(!(u < v)); CHECK(!(u <= v)); CHECK(u != v); CHECK(!(u == v));
  v = 200;
  CHECK(u == v); CHECK(u >= v); CHECK(u <= v); CHECK(!(u > v)); CHECK(!(u < v));
  u = 0; v = 255;
  CHECK(u < v); CHECK(v > u);
  s = -1; t = 1;
  CHECK(s < t); CHECK(t > s); CHECK(s <= t); CHECK(!(s >= t)); CHECK(s != t);
  s = -128; t = 127;
  CHECK(s < t); CHECK(!(s > t));
  s = -5; t = -6;
  CHECK(s > t); CHECK(t < s);
  hits = 0;
  for (s = -3; s <= 3; s++)
    if (s < 0) hits++;
  CHECK(hits == 3);
  u = (unsigned char)(u < v) + (unsigned char)(u > v) + (unsigned char)(u == 0);
  CHECK(u == 2);
  return CHECK_RESULT();
}
