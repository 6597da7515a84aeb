// Increments and decrements through pointers whose value is used: chars,
// ints, short longs and longs, pointer variables global and local, objects
// global and in the frame, pre and post forms, in comparisons and
// arithmetic, across byte boundaries.
#include "check.h"

int gi;
long gl;
short long gs;
char gc;
int *ip;
long *lp;
short long *sp;
char *cp;

int main(void)
{
  long r, ll;
  short long s;
  int k;
  long *llp;
  short long *lsp;

  ip = &gi; lp = &gl; sp = &gs; cp = &gc;
  gi = 41; CHECK(++*ip == 42); CHECK(gi == 42);
  gi = 43; CHECK((*ip)-- == 43); CHECK(gi == 42);
  gi = 43; CHECK(--*ip == 42);
  gi = 42; CHECK((*ip)++ == 42); CHECK(gi == 43);
  gi = 0xFF; CHECK(++*ip == 0x100);
  gc = 41; CHECK(++*cp == 42);
  gc = 42; CHECK((*cp)-- == 42); CHECK(gc == 41);

  gl = 0xFFFF; r = ++*lp; CHECK(r == 0x10000L); CHECK(gl == 0x10000L);
  gl = 0x10000L; r = --*lp; CHECK(r == 0xFFFF); CHECK(gl == 0xFFFF);
  gl = 5; r = (*lp)++ + 1; CHECK(r == 6); CHECK(gl == 6);
  gl = 5; r = (*lp)-- * 2; CHECK(r == 10); CHECK(gl == 4);
  gl = 99; CHECK(++*lp == 100);
  gl = 100; CHECK((*lp)-- == 100); CHECK(gl == 99);
  gl = -1; CHECK(++*lp == 0);
  gl = 0; CHECK((*lp)-- == 0); CHECK(gl == -1);

  gs = 0xFFFF; s = ++*sp; CHECK(s == 0x10000L); CHECK(gs == 0x10000L);
  gs = 7; s = (*sp)++ + 1; CHECK(s == 8); CHECK(gs == 8);
  gs = 7; CHECK(--*sp == 6);
  gs = 7; CHECK((*sp)-- == 7); CHECK(gs == 6);
  gs = 0; CHECK(--*sp == -1); CHECK(gs == -1);

  /* local pointers to frame objects */
  ll = 0x00FFFFFFL; llp = &ll;
  CHECK(++*llp == 0x01000000L); CHECK(ll == 0x01000000L);
  CHECK((*llp)-- == 0x01000000L); CHECK(ll == 0x00FFFFFFL);
  k = (int)(--*llp); CHECK(k == -2); CHECK(ll == 0x00FFFFFEL);
  s = 0x00FF; lsp = &s;
  CHECK((*lsp)++ == 0x00FF); CHECK(s == 0x0100);
  CHECK(--*lsp == 0x00FF);
  lsp = &gs; gs = 3; CHECK(++*lsp + ++*lsp == 9); CHECK(gs == 5);
  return CHECK_RESULT();
}
