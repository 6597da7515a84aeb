// A table of structures in program memory across the 64 KiB boundary,
// searched through far pointers: a far pointer to a structure stepped by
// ++ over entries that straddle the boundary, members of every width read
// through it, a far pointer returned by the search and compared with the
// table's bounds, and the distance between two far pointers.
// exec-compile: -p HR6810K
// exec-link: -p HR6810K
#include "check.h"

typedef struct { unsigned char key; int offset; unsigned long gain; } cal_t;

#pragma romdata cal_across = 0xFFF0
far rom cal_t cal[6] = {
  {3, -300, 100000ul}, {9, 900, 0x01020304ul}, {15, -1500, 0xFFFFFFFFul},
  {21, 2100, 7ul}, {27, -2700, 0x80000000ul}, {33, 3300, 0ul}};
#pragma romdata

static far rom cal_t *find(unsigned char key)
{
  far rom cal_t *p;
  for (p = cal; p < cal + 6; p++)
    if (p->key == key)
      return p;
  return 0;
}

static long apply(far rom cal_t *p, int x) { return (long)(x + p->offset) * 2 + (long)(p->gain & 0xFF); }

int main(void)
{
  far rom cal_t *p, *q;
  unsigned char i;
  long sum = 0;
  p = find(21);
  CHECK(p == &cal[3] && p->offset == 2100 && p->gain == 7ul);
  q = find(9);
  CHECK(q != 0 && q->gain == 0x01020304ul && p - q == 2);
  CHECK(find(4) == 0 && find(33) == cal + 5);
  for (p = cal, i = 0; p != cal + 6; ++p, i++) {
    CHECK(p->key == 3 + 6 * i);
    sum += p->offset;
  }
  CHECK(sum == -300 + 900 - 1500 + 2100 - 2700 + 3300);
  CHECK(apply(find(15), 1500) == 255 && apply(&cal[4], 0) == -5400);
  q = cal;
  q += 4;
  CHECK(q->gain == 0x80000000ul && (--q)->key == 21 && q[-1].offset == -1500);
  return CHECK_RESULT();
}
