// &&, || and ! as values and as conditions, with short-circuit evaluation
// (the right side runs only when it decides the result).
#include "check.h"

unsigned char calls;
unsigned char a, b, r;
int w;

static unsigned char touch(unsigned char v)
{
  calls++;
  return v;
}

int main(void)
{
  a = 1; b = 0;
  r = a && b; CHECK(r == 0);
  r = a || b; CHECK(r == 1);
  r = !a; CHECK(r == 0);
  r = !b; CHECK(r == 1);
  r = !!a; CHECK(r == 1);
  w = 0x100;
  r = !w; CHECK(r == 0);
  r = w && a; CHECK(r == 1);
  calls = 0;
  r = b && touch(1); CHECK(r == 0); CHECK(calls == 0);
  r = a || touch(1); CHECK(r == 1); CHECK(calls == 0);
  r = a && touch(0); CHECK(r == 0); CHECK(calls == 1);
  r = b || touch(5); CHECK(r == 1); CHECK(calls == 2);
  if (a && (b || touch(1))) r = 7; else r = 8;
  CHECK(r == 7); CHECK(calls == 3);
  if (!(a && b) && !(b || b)) r = 9; else r = 10;
  CHECK(r == 9);
  return CHECK_RESULT();
}
