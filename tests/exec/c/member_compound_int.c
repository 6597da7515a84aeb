// Compound assignments of every operator on int members of structures reached
// through pointers: p->m, p[i].m, members of members and of member arrays,
// pointers held in a parameter, a local, a global and behind a pointer to a
// pointer; the bytes around each member stay untouched. Values computed on a
// PC.
#include "check.h"

typedef struct { unsigned char tag; int m; int arr[3]; struct { char k; int v; } in; } obj_t;
obj_t objs[3] = {
  {0xA5, -31523, {-2916, -14168, 29338}, {0x5A, 6974}},
  {0xA5, -3712, {9566, 28781, -17882}, {0x5A, 3368}},
  {0xA5, 19958, {17209, -3799, 1201}, {0x5A, 18485}},
};
obj_t *gp = &objs[2];
int v1[] = {26541, 28556, 2, 7, -1, -32768, 23486, -32768, -32768, -32768};
unsigned char v2[] = {0xFF, 1, 0xF, 7, 0xFF, 0x80, 1, 0xF, 3, 0xF};

static void run(obj_t *p, unsigned char k)
{
  obj_t **pp = &p;
  obj_t *q = p + 1;
  p->m += v1[0]; CHECK(p->m == 22829);
  p->arr[k] -= v1[1]; CHECK(p->arr[k] == 19098);
  p->arr[0] *= (unsigned char)1; CHECK(p->arr[0] == 9566);
  p->in.v /= v2[0]; CHECK(p->in.v == 13);
  p[1].m %= v2[1]; CHECK(p[1].m == 0);
  (p - 1)->in.v <<= v2[2]; CHECK((p - 1)->in.v == 0);
  (*pp)->arr[1] >>= v2[3]; CHECK((*pp)->arr[1] == 224);
  gp->m &= v1[2]; CHECK(gp->m == 0);
  p[-1].m |= v2[4]; CHECK(p[-1].m == -31489);
  gp[-1].arr[k] ^= -1; CHECK(gp[-1].arr[k] == -19099);
  q->in.v += v1[3]; CHECK(q->in.v == 18492);
  objs[k].arr[k - 1] -= (unsigned char)0x80; CHECK(objs[k].arr[k - 1] == -3927);
  (p - 1)->in.v *= -32768; CHECK((p - 1)->in.v == 0);
  gp[-1].arr[k] /= v2[5]; CHECK(gp[-1].arr[k] == -149);
  p->arr[k] %= (unsigned char)0x80; CHECK(p->arr[k] == -21);
  (*pp)->arr[1] <<= v2[6]; CHECK((*pp)->arr[1] == 448);
  p->arr[0] >>= v2[7]; CHECK(p->arr[0] == 0);
  p->arr[0] &= v1[4]; CHECK(p->arr[0] == 0);
  p->arr[0] |= v1[5]; CHECK(p->arr[0] == -32768);
  p->m ^= v2[8]; CHECK(p->m == 22830);
  p[-1].m &= v1[6]; CHECK(p[-1].m == 190);
  p[-1].m /= 2; CHECK(p[-1].m == 95);
  (p - 1)->in.v &= v1[7]; CHECK((p - 1)->in.v == 0);
  q->in.v &= v1[8]; CHECK(q->in.v == 0);
  p->arr[k] |= v1[9]; CHECK(p->arr[k] == -21);
  p[-1].m <<= v2[9]; CHECK(p[-1].m == -32768);
}

int main(void)
{
  unsigned char i;
  run(&objs[1], 2);
  for (i = 0; i < 3; i++)
    CHECK(objs[i].tag == 0xA5 && objs[i].in.k == 0x5A);
  CHECK(objs[0].m == -32768 && objs[0].in.v == 0);
  CHECK(objs[0].arr[0] == -2916 && objs[0].arr[1] == -14168 && objs[0].arr[2] == 29338);
  CHECK(objs[1].m == 22830 && objs[1].in.v == 13);
  CHECK(objs[1].arr[0] == -32768 && objs[1].arr[1] == 448 && objs[1].arr[2] == -21);
  CHECK(objs[2].m == 0 && objs[2].in.v == 0);
  CHECK(objs[2].arr[0] == 17209 && objs[2].arr[1] == -3927 && objs[2].arr[2] == 1201);
  return CHECK_RESULT();
}
