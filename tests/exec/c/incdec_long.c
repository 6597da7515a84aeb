// Increments and decrements of long in every form (prefix and postfix, value
// used and unused) on a global in the access bank and one in banked RAM, a
// local, an array element, a member through a pointer, a parameter, at the
// values where the carry or borrow crosses each byte.
#include "check.h"

typedef struct { char c; long m; } box_t;
long g, starts[] = {0, -1, 2147483647l, (-2147483647l - 1), 16777215l, -16777216l, 130816l, 1};
long incs[] = {1, 0, (-2147483647l - 1), -2147483647l, 16777216l, -16777215l, 130817l, 2};
long decs[] = {-1, -2, 2147483646l, 2147483647l, 16777214l, -16777217l, 130815l, 0};
#pragma udata other_bank
unsigned char fill[200];
long banked;
#pragma udata
box_t boxes[2];

static long post_inc(long x) { long r = x++; return x - r == 1 ? r : 0; }
static long pre_dec(long x) { --x; return x; }

int main(void)
{
  unsigned char i, k = 1;
  long r, loc, arr[3];
  box_t *p = &boxes[1];
  for (i = 0; i < sizeof starts / sizeof starts[0]; i++) {
    long s = starts[i], up = incs[i], down = decs[i];
    g = s; r = g++; CHECK(r == s && g == up);
    g = s; r = ++g; CHECK(r == up && g == up);
    g = s; r = g--; CHECK(r == s && g == down);
    g = s; r = --g; CHECK(r == down && g == down);
    banked = s; banked++; CHECK(banked == up);
    banked = s; r = --banked; CHECK(r == down && banked == down);
    loc = s; loc--; CHECK(loc == down);
    loc = s; r = loc++ + 1; CHECK(r == up && loc == up);
    arr[k] = s; r = arr[k]--; CHECK(r == s && arr[k] == down);
    arr[2] = s; ++arr[2]; CHECK(arr[2] == up);
    p->m = s; r = p->m++; CHECK(r == s && p->m == up);
    p->m = s; --p->m; CHECK(p->m == down && boxes[0].m == 0);
    boxes[k].m = s; r = ++boxes[k].m; CHECK(r == up && boxes[1].m == up);
    CHECK(post_inc(s) == s && pre_dec(s) == down);
  }
  CHECK(boxes[0].c == 0 && boxes[1].c == 0);
  return CHECK_RESULT();
}
