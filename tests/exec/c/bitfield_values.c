// Bit-field assignments, compound assignments and pre-increments and
// decrements whose value is used: the value is the field as stored
// (truncated to its width, sign-extended for a signed field), for fields
// of a global, of a local and through a pointer.
#include "check.h"

struct bf { unsigned a : 3; unsigned b : 5; unsigned c : 4; signed d : 4; };
struct bf g;
struct bf *gp = &g;

int main(void)
{
  int k;
  unsigned char r, q;
  struct bf l;

  g.a = 2; r = (g.a += 3); CHECK(r == 5); CHECK(g.a == 5);
  g.b = 30; k = (g.b += 3) + 1; CHECK(k == 2); CHECK(g.b == 1);
  g.c = 4; CHECK((g.c |= 3) == 7);
  g.a = 7; CHECK((g.a -= 1) == 6);
  gp->b = 4; CHECK((gp->b <<= 1) == 8);
  g.a = 1; CHECK(++g.a == 2); CHECK(g.a == 2);
  g.a = 7; CHECK(++g.a == 0); CHECK(--g.a == 7);
  g.d = 7; CHECK(++g.d == -8); CHECK(g.d == -8);
  g.d = -8; k = (g.d -= 1); CHECK(k == 7);
  g.d = 3; k = (g.d *= 2) * 10; CHECK(k == 60);
  r = (g.a = 9); CHECK(r == 1);
  q = r = g.c = 0x1F; CHECK(q == 15); CHECK(r == 15); CHECK(g.c == 15);
  k = (g.d = 12); CHECK(k == -4);
  CHECK(g.a == 1 && g.b == 8 && g.c == 15 && g.d == -4);

  l.a = 0; l.b = 0; l.c = 9; l.d = -1;
  CHECK((l.b += 33) == 1);
  CHECK(++l.c == 10);
  CHECK((l.d += 1) == 0);
  k = (l.a ^= 5) + (l.c &= 3); CHECK(k == 7);
  CHECK(l.a == 5 && l.b == 1 && l.c == 2 && l.d == 0);

  gp->c = 1;
  if ((gp->c += 14) == 15) r = 1; else r = 0;
  CHECK(r == 1);
  return CHECK_RESULT();
}
