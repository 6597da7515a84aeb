// Function pointers of both widths: near and far pointers in globals,
// locals and arrays, called with char and int arguments and results; and
// dispatch tables of function pointers in program memory (rom), near and far
// entries, indexed by constants and variables, including calls whose
// arguments read rom themselves.
// exec-compile: -p HR6810K
// exec-link: -p HR6810K
#include "check.h"

static int add(int a, int b) { return a + b; }
static int sub(int a, int b) { return a - b; }
#pragma code high_code = 0x10000
/* Above 64 KiB: reached only through far pointers. */
static int far_mul(int a, int b) { return a * b; }
static void hit3(void);
static void far_hit3(void) { hit3(); }
#pragma code
static int mul(int a, int b) { return a * b; }
static unsigned char twice(unsigned char a) { return a + a; }
static unsigned char inc(unsigned char a) { return a + 1; }
static unsigned char hits;
static void hit(void) { hits++; }
static void hit3(void) { hits += 3; }

rom unsigned char args8[4] = {10, 20, 30, 40};
rom int (* rom ops[3])(int, int) = {add, sub, mul};
rom unsigned char (* rom bytes_ops[2])(unsigned char) = {twice, inc};
far int (* rom far_ops[3])(int, int) = {far_mul, add, sub};
far void (* rom far_hits[2])(void) = {hit, far_hit3};

far int (*gfar)(int, int);
far void (*gfar_void)(void);
far unsigned char (*gfar_byte)(unsigned char);

/* A far pointer is followed by a near indirect call: PCLATU must be 0. */
static int near_after_far(int (*f)(int, int)) { gfar_void = far_hit3; gfar_void(); return f(6, 7); }

int main(void)
{
  far int (*lfar)(int, int);
  far void (*lfar_void)(void);
  unsigned char i, c;
  int r;

  /* near tables in rom */
  CHECK(ops[0](2, 3) == 5); CHECK(ops[1](2, 3) == -1); CHECK(ops[2](-4, 5) == -20);
  r = 1;
  for (i = 0; i < 3; i++) r = ops[i](r, 3);
  CHECK(r == 3);
  i = 2; CHECK(ops[i](ops[0](1, 2), ops[1](10, 4)) == 18);
  CHECK(bytes_ops[0](21) == 42); c = 1; CHECK(bytes_ops[c](41) == 42);
  CHECK(bytes_ops[0](args8[3]) == 80);
  i = 1; CHECK(ops[i](args8[i], args8[i + 1]) == -10);

  /* far tables in rom */
  CHECK(far_ops[0](6, 7) == 42); CHECK(far_ops[1](6, 7) == 13); CHECK(far_ops[2](6, 7) == -1);
  r = 0;
  for (i = 0; i < 3; i++) r += far_ops[i](10, 2);
  CHECK(r == 20 + 12 + 8);
  hits = 0;
  far_hits[0](); far_hits[1]();
  for (i = 0; i < 2; i++) far_hits[i]();
  CHECK(hits == 8);

  /* far pointers in RAM: globals and locals */
  gfar = sub; CHECK(gfar(9, 4) == 5);
  gfar = far_mul; CHECK(gfar(9, 4) == 36);
  lfar = add; CHECK(lfar(9, 4) == 13);
  lfar = gfar; CHECK(lfar(3, 3) == 9);
  gfar = lfar; CHECK(gfar(2, 2) == 4);
  gfar_byte = inc; CHECK(gfar_byte(255) == 0); CHECK(gfar_byte(args8[0]) == 11);
  hits = 0;
  gfar_void = far_hit3; gfar_void();
  lfar_void = hit; lfar_void(); lfar_void();
  CHECK(hits == 5);

  /* near indirect calls after far ones */
  hits = 0;
  CHECK(near_after_far(add) == 13); CHECK(near_after_far(mul) == 42);
  gfar = far_mul; CHECK(gfar(2, 3) == 6); CHECK(near_after_far(sub) == -1);
  CHECK(hits == 9);
  CHECK(ops[0](gfar(1, 1), 0) == 1);
  return CHECK_RESULT();
}
