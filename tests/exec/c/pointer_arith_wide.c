// Pointer arithmetic on pointers to short long, long, float and structures
// (steps of 3, 4 and 6 bytes): ++, --, += and -= by constants and
// variables, indexing with negative offsets, differences and comparisons
// of pointers, pointers to pointers stepped in place.
#include "check.h"

typedef struct { unsigned char a; short long b; unsigned int c; } six_t;

short long s24[6] = {10, -20, 30, -40, 50, -60};
long s32[5] = {100000l, -200000l, 300000l, -400000l, 500000l};
float fl[4] = {0.5f, 1.5f, 2.5f, 3.5f};
six_t recs[4] = {{1, 0x111111, 11}, {2, 0x222222, 22}, {3, 0x333333, 33}, {4, 0x444444, 44}};

int main(void)
{
  short long *p = s24;
  long *q = &s32[4], **qq = &q;
  float *f = fl;
  six_t *r = recs, *end = recs + 4;
  int k = 3;
  unsigned char n = 2;
  p += k;
  CHECK(*p == -40 && p[-3] == 10 && p - s24 == 3);
  p -= n;
  CHECK(*p++ == -20 && *p == 30 && *--p == -20);
  CHECK(*q-- == 500000l && *q == -400000l && q[-k] == 100000l);
  (*qq) -= 2;
  CHECK(**qq == -200000l && q - s32 == 1 && (*qq)[n] == -400000l);
  ++*qq;
  CHECK(*q == 300000l && &s32[4] - q == 2);
  f += n + 1;
  CHECK(*f == 3.5f && f[-2] == 1.5f && f - fl == 3 && f > fl);
  while (r < end) {
    CHECK(r->c == 11 * r->a && r->b == 0x111111l * r->a);
    r += 1;
  }
  r -= k;
  CHECK(r->a == 2);
  CHECK((r + 2)->b == 0x444444l);
  CHECK(end - r == 3);
  CHECK((char *)end - (char *)r == 18);
  return CHECK_RESULT();
}
