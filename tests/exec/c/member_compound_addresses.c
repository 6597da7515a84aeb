// += and the other compound operators on structure members whose address
// is itself computed: through a pointer returned by a call (evaluated
// once), an element of an array of pointers, (p + i)->m, a pointer held in
// banked RAM and one at the far end of a large frame; right operands that
// call helpers (division, modulo) or read another member through a second
// pointer. int, short long and long members.
#include "check.h"

typedef struct { unsigned char pad; int i; short long s; long l; } rec_t;

rec_t recs[3];
rec_t *ptrs[3] = {&recs[2], &recs[0], &recs[1]};
unsigned char calls;
#pragma udata far_ptr_bank
unsigned char pad_bank[150];
rec_t *banked_p = &recs[1];
#pragma udata

static rec_t *pick(unsigned char k) { calls++; return &recs[k]; }

static void far_frame(rec_t *p, long by)
{
  unsigned char big[80];
  rec_t *q = p;
  big[79] = 1;
  q->l += by;
  q->s -= big[79];
  q->i *= (int)by;
}

int main(void)
{
  unsigned char k = 1;
  rec_t *a = &recs[0];
  recs[0].i = 100; recs[0].s = 0x10000l; recs[0].l = 1000000l;
  recs[1].i = -7; recs[1].s = -1; recs[1].l = -1;
  recs[2].i = 0x4000; recs[2].s = 0x7FFFFF; recs[2].l = 0x7FFFFFFFl;
  pick(k)->l += 5;
  pick(2)->i -= pick(0)->i;
  pick(0)->s *= 3;
  CHECK(calls == 4 && recs[1].l == 4 && recs[2].i == 0x4000 - 100 && recs[0].s == 0x30000l);
  ptrs[k]->l /= 7;
  ptrs[k + 1]->s %= 1000;
  ptrs[0]->l -= ptrs[1]->l;
  CHECK(recs[0].l == 142857l && recs[1].s == -1 && recs[2].l == 0x7FFFFFFFl - 142857l);
  (a + 2)->s ^= (a + k)->s;
  (a + k)->i <<= 3;
  CHECK(recs[2].s == (short long)0x800000l && recs[1].i == -56);
  banked_p->l |= 0x7FFFFFF0l;
  banked_p->i += banked_p->l % 10;
  CHECK(recs[1].l == 0x7FFFFFF4l && recs[1].i == -56 + 2147483636l % 10);
  far_frame(&recs[0], -2);
  CHECK(recs[0].l == 142855l && recs[0].s == 0x2FFFFl && recs[0].i == -200);
  CHECK(recs[0].pad == 0 && recs[1].pad == 0 && recs[2].pad == 0);
  return CHECK_RESULT();
}
