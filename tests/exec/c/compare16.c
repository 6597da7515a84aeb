// 16-bit comparisons of both signednesses: values that differ only in the
// high byte, only in the low byte, and across the sign boundary.
#include "check.h"

unsigned int u, v;
int s, t;
unsigned char n;

int main(void)
{
  u = 0x1200; v = 0x11FF;
  CHECK(u > v); CHECK(u >= v); CHECK(v < u); CHECK(v <= u); CHECK(u != v);
  u = 0x1234; v = 0x1235;
  CHECK(u < v); CHECK(!(u == v)); CHECK(!(u > v));
  v = 0x1234;
  CHECK(u == v); CHECK(u <= v); CHECK(u >= v);
  u = 0x8000; v = 0x7FFF;
  CHECK(u > v);
  s = -32767 - 1; t = 32767;
  CHECK(s < t); CHECK(t > s); CHECK(!(s >= t));
  s = -1; t = 0;
  CHECK(s < t); CHECK(s != t);
  s = -256; t = -255;
  CHECK(s < t);
  s = 256; t = 255;
  CHECK(s > t);
  n = 0;
  for (s = -500; s < 500; s += 100)
    if (s >= 0) n++;
  CHECK(n == 5);
  CHECK(s == 500);
  return CHECK_RESULT();
}
