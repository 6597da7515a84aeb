// Comparisons of both signednesses at 8 and 16 bits, at the boundaries,
// between globals, locals, constants and pointers; tests against zero.
#include "check.h"

unsigned char ua, ub;
signed char sa, sb;
unsigned int uc, ud;
int ia, ib;

static unsigned char lt8u(unsigned char x, unsigned char y) { return x < y; }
static unsigned char gt8u(unsigned char x, unsigned char y) { return x > y; }
static unsigned char lt8s(signed char x, signed char y) { return x < y; }
static unsigned char gt8s(signed char x, signed char y) { return x > y; }
static unsigned char lt16u(unsigned int x, unsigned int y) { return x < y; }
static unsigned char gt16u(unsigned int x, unsigned int y) { return x > y; }
static unsigned char lt16s(int x, int y) { return x < y; }
static unsigned char gt16s(int x, int y) { return x > y; }
static unsigned char eq16(int x, int y) { return x == y; }

void main(void)
{
  unsigned char lu;
  signed char ls;
  int li;
  unsigned int lw;
  unsigned char *p, *q;

  ua = 0; ub = 255;
  CHECK(ua < ub); CHECK(!(ub < ua)); CHECK(ub > ua); CHECK(!(ua > ub));
  CHECK(ua <= ub); CHECK(ub >= ua); CHECK(ua != ub); CHECK(!(ua == ub));
  CHECK(lt8u(0, 255)); CHECK(!lt8u(255, 0)); CHECK(!lt8u(7, 7)); CHECK(gt8u(128, 127));
  CHECK(!gt8u(7, 7));
  sa = -128; sb = 127;
  CHECK(sa < sb); CHECK(!(sb < sa)); CHECK(sb > sa); CHECK(sa <= sb); CHECK(sb >= sa);
  CHECK(lt8s(-1, 0)); CHECK(!lt8s(0, -1)); CHECK(gt8s(1, -1)); CHECK(!gt8s(-128, 127));
  CHECK(!lt8s(-5, -5)); CHECK(lt8s(-128, -127));
  ls = -1; lu = 255;
  CHECK(ls < 0); CHECK(lu > 0); CHECK(ls != 0);
  CHECK(ls < sb); CHECK(lu > ua); CHECK(sa < ls);
  CHECK(ua < 1); CHECK(lu > 254); CHECK(!(lu > 255)); CHECK(ls > -2); CHECK(sb > 126);

  uc = 0; ud = 65535u;
  CHECK(uc < ud); CHECK(ud > uc); CHECK(!(ud < uc)); CHECK(uc != ud);
  CHECK(lt16u(0x00FF, 0x0100)); CHECK(!lt16u(0x0100, 0x00FF)); CHECK(gt16u(0x8000, 0x7FFF));
  CHECK(!lt16u(0x1234, 0x1234)); CHECK(!gt16u(0x1234, 0x1234));
  ia = -32768; ib = 32767;
  CHECK(ia < ib); CHECK(ib > ia); CHECK(!(ib < ia)); CHECK(ia <= ib);
  CHECK(lt16s(-1, 0)); CHECK(!lt16s(0, -1)); CHECK(gt16s(0x0100, 0x00FF)); CHECK(!gt16s(-256, 255));
  CHECK(lt16s(-32768, -32767)); CHECK(!lt16s(300, 300));
  CHECK(eq16(0x1234, 0x1234)); CHECK(!eq16(0x1234, 0x1334)); CHECK(!eq16(0x1234, 0x1235));
  li = -2; lw = 40000u;
  CHECK(li < 0); CHECK(li < -1); CHECK(!(li < -2)); CHECK(li > -3); CHECK(lw > 39999u);
  CHECK(lw < 40001u); CHECK(li != 0); CHECK(lw != 0); CHECK(li == -2); CHECK(lw == 40000u);
  CHECK(ia < li); CHECK(li < ib); CHECK(uc < lw);
  li = 0; CHECK(!li); CHECK(li == 0);
  li = 0x100; CHECK(li); CHECK(!(li == 0));

  p = &ua; q = &ub;
  CHECK(p != q); CHECK(p == &ua); CHECK(q != 0); p = 0; CHECK(!p); CHECK(p == 0);
}
