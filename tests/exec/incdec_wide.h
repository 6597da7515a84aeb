/* The checks of the incdec_* programs: increments and decrements of a T in
   every form, from each of starts[] to incs[] and decs[], which the program
   defines (with the global g) before it includes this. */
#include "check.h"

typedef struct { char c; T m; } box_t;
#pragma udata other_bank
unsigned char fill[200];
T banked;
#pragma udata
box_t boxes[2];

static T post_inc(T x) { T r = x++; return x - r == 1 ? r : 0; }
static T pre_dec(T x) { --x; return x; }

int main(void)
{
  unsigned char i, k = 1;
  T r, loc, arr[3];
  box_t *p = &boxes[1];
  for (i = 0; i < sizeof starts / sizeof starts[0]; i++) {
    T s = starts[i], up = incs[i], down = decs[i];
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
