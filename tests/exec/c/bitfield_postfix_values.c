// x++ and x-- on bit-fields whose value is used: unsigned and signed
// fields of one to eight bits at several positions, in globals, locals,
// through pointers and in array elements; the value is the field before
// the step (across wrap-around and the sign boundary) and the neighbouring
// fields are left alone.
#include "check.h"

struct flags { unsigned a : 3; unsigned b : 5; signed c : 4; unsigned d : 1; signed e : 3; };
struct wide { unsigned char lo : 8; unsigned char hi : 2; signed char s : 6; };

struct flags gf;
struct flags garr[3];
struct wide gw;

static unsigned char table[8] = {10, 11, 12, 13, 14, 15, 16, 17};

static int step_through(struct flags *p)
{
  int before = p->c++;
  return before * 10 + p->c;
}

int main(void)
{
  struct flags lf, *p;
  unsigned char y, i = 2;
  int z;
  signed char sc;

  gf.a = 6; gf.b = 30; gf.c = 0; gf.d = 1; gf.e = 0;
  y = gf.a++; CHECK(y == 6 && gf.a == 7);
  y = gf.a++; CHECK(y == 7 && gf.a == 0);         // wraps
  y = gf.a--; CHECK(y == 0 && gf.a == 7);
  y = gf.b++; CHECK(y == 30 && gf.b == 31);
  y = gf.b++; CHECK(y == 31 && gf.b == 0);
  CHECK(gf.a == 7 && gf.d == 1 && gf.c == 0);     // neighbours kept
  y = gf.d--; CHECK(y == 1 && gf.d == 0);
  y = gf.d--; CHECK(y == 0 && gf.d == 1);

  // Signed fields: the sign boundary both ways.
  lf.c = 7; lf.e = -4; lf.a = 5;
  z = lf.c++; CHECK(z == 7 && lf.c == -8);
  z = lf.c--; CHECK(z == -8 && lf.c == 7);
  sc = lf.e--; CHECK(sc == -4 && lf.e == 3);
  sc = lf.e++; CHECK(sc == 3 && lf.e == -4);
  z = lf.c-- + lf.e; CHECK(z == 3 && lf.c == 6);
  CHECK(lf.a == 5);

  // Through pointers, array elements, as an index and a condition.
  p = &lf; lf.a = 1;
  y = table[p->a++]; CHECK(y == 11 && lf.a == 2);
  garr[i].b = 3; garr[1].b = 9;
  y = garr[i].b--; CHECK(y == 3 && garr[2].b == 2);
  y = garr[1].b++ + garr[i].b--; CHECK(y == 11 && garr[1].b == 10 && garr[2].b == 1);
  z = 0;
  while (garr[i].b--) z++;
  CHECK(z == 1 && garr[2].b == 31);
  lf.c = 2;
  CHECK(step_through(&lf) == 23);
  lf.c = -1;
  CHECK(step_through(&lf) == -10);

  // Fields of a whole byte and at the top of a byte.
  gw.lo = 255; gw.hi = 3; gw.s = -32;
  y = gw.lo++; CHECK(y == 255 && gw.lo == 0);
  y = gw.hi++; CHECK(y == 3 && gw.hi == 0);
  sc = gw.s--; CHECK(sc == -32 && gw.s == 31);
  sc = gw.s++; CHECK(sc == 31 && gw.s == -32);
  CHECK(gw.lo == 0 && gw.hi == 0);
  return CHECK_RESULT();
}
