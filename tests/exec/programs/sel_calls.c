// Calls: mixed char and int parameters, results in WREG and PRODH:PRODL,
// nested calls as arguments, recursion, function pointers held in globals,
// locals and parameters, void functions with side effects.
#include "check.h"

unsigned char hits;
int last;

static unsigned char pick(unsigned char a, int b, unsigned char c, int d)
{
  if (a == 1) return c;
  if (a == 2) return (unsigned char)b;
  if (a == 3) return (unsigned char)d;
  return a;
}

static int pick16(int a, unsigned char sel, int b)
{
  if (sel) return b;
  return a;
}

static void note(int v)
{
  hits++;
  last = v;
}

static unsigned char depth(unsigned char n)
{
  unsigned char r;
  if (n == 0) return 0;
  n--;
  r = depth(n);
  r++;
  return r;
}

static int fib(unsigned char n)
{
  if (n < 2) return n;
  return fib(n - 1) + fib(n - 2);
}

static unsigned char mix(unsigned char a, int b, unsigned char c)
{
  return a + (unsigned char)b + c;
}

static unsigned char id8(unsigned char v) { return v; }
static unsigned char inv8(unsigned char v) { return !v; }
static int id16(int v) { return v; }

static unsigned char apply(unsigned char (*f)(unsigned char), unsigned char v) { return f(v); }

unsigned char (*gf)(unsigned char);

void main(void)
{
  unsigned char (*lf)(unsigned char);
  int (*f16)(int);
  unsigned char r;
  int k;

  CHECK(pick(1, 0x1102, 33, 0x4404) == 33);
  CHECK(pick(2, 0x1102, 33, 0x4404) == 2);
  CHECK(pick(3, 0x1102, 33, 0x4404) == 4);
  CHECK(pick(9, 0x1102, 33, 0x4404) == 9);
  CHECK(pick16(-5, 0, 7) == -5);
  CHECK(pick16(-5, 1, 0x7FFF) == 0x7FFF);
  note(-300); note(12);
  CHECK(hits == 2); CHECK(last == 12);
  CHECK(id8(id8(200)) == 200);
  CHECK(pick16(id16(-1), id8(1), id16(id16(0x1234))) == 0x1234);
  CHECK(pick(id8(1), id16(3), id8(44), id16(5)) == 44);
  CHECK(depth(10) == 10);
  CHECK(depth(0) == 0);
  gf = id8; CHECK(gf(77) == 77);
  gf = inv8; CHECK(gf(77) == 0); CHECK(gf(0) == 1);
  lf = id8; CHECK(lf(5) == 5);
  CHECK(apply(inv8, 0) == 1); CHECK(apply(lf, 250) == 250);
  f16 = id16; k = f16((int)0x8000); CHECK(k == (int)0x8000);
  r = apply(gf, apply(id8, 0)); CHECK(r == 1);
  CHECK(fib(10) == 55); CHECK(fib(15) == 610);
  CHECK(mix(1, 0x102, 3) == 6);
  CHECK(mix(id8(10), fib(7), mix(1, 1, 1)) == 26);
}
