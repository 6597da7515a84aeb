// Compound assignments of every operator on unsigned char members of
// structures reached through pointers: p->m, p[i].m, members of members and of
// member arrays, pointers held in a parameter, a local, a global and behind a
// pointer to a pointer; the bytes around each member stay untouched. Values
// computed on a PC.
#include "check.h"

typedef struct { unsigned char tag; unsigned char m; unsigned char arr[3]; struct { char k; unsigned char v; } in; } obj_t;
obj_t objs[3] = {
  {0xA5, 0xF2, {0x12, 8, 0x4B}, {0x5A, 0xBF}},
  {0xA5, 0xD8, {0xF3, 0xB1, 0xE3}, {0x5A, 0x19}},
  {0xA5, 0x74, {0x6D, 0x23, 0x9F}, {0x5A, 0x78}},
};
obj_t *gp = &objs[2];
int v1[] = {-1, 7, -1};
unsigned char v2[] = {0xFF, 0x1E, 0xFF, 0, 7, 0x80, 0x80, 0xB2, 1, 1, 5, 0x80, 6, 7, 0xFF};

static void run(obj_t *p, unsigned char k)
{
  obj_t **pp = &p;
  obj_t *q = p + 1;
  p->m += v2[0]; CHECK(p->m == 0xD7);
  p->arr[k] -= v2[1]; CHECK(p->arr[k] == 0xC5);
  p->arr[0] *= (int)-32768; CHECK(p->arr[0] == 0);
  p->in.v /= (int)5612; CHECK(p->in.v == 0);
  p[1].m %= v2[2]; CHECK(p[1].m == 0x74);
  (p - 1)->in.v <<= v2[3]; CHECK((p - 1)->in.v == 0xBF);
  (*pp)->arr[1] >>= v2[4]; CHECK((*pp)->arr[1] == 1);
  gp->m &= v2[5]; CHECK(gp->m == 0);
  p[-1].m |= 3; CHECK(p[-1].m == 0xF3);
  gp[-1].arr[k] ^= 4; CHECK(gp[-1].arr[k] == 0xC1);
  q->in.v += (int)-1; CHECK(q->in.v == 0x77);
  objs[k].arr[k - 1] -= v2[6]; CHECK(objs[k].arr[k - 1] == 0xA3);
  p->m *= v2[7]; CHECK(p->m == 0x7E);
  p->arr[0] /= 7; CHECK(p->arr[0] == 0);
  p->m %= v2[8]; CHECK(p->m == 0);
  objs[k].arr[k - 1] <<= v2[9]; CHECK(objs[k].arr[k - 1] == 0x46);
  p->m >>= v2[10]; CHECK(p->m == 0);
  p[-1].m &= (int)3; CHECK(p[-1].m == 3);
  (p - 1)->in.v |= v1[0]; CHECK((p - 1)->in.v == 0xFF);
  gp->m ^= v1[1]; CHECK(gp->m == 7);
  gp[-1].arr[k] &= v2[11]; CHECK(gp[-1].arr[k] == 0x80);
  p->arr[0] *= v2[12]; CHECK(p->arr[0] == 0);
  (p - 1)->in.v >>= v2[13]; CHECK((p - 1)->in.v == 1);
  gp->m |= v1[2]; CHECK(gp->m == 0xFF);
  (p - 1)->in.v &= v2[14]; CHECK((p - 1)->in.v == 1);
  p->in.v &= (int)-1; CHECK(p->in.v == 0);
}

int main(void)
{
  unsigned char i;
  run(&objs[1], 2);
  for (i = 0; i < 3; i++)
    CHECK(objs[i].tag == 0xA5 && objs[i].in.k == 0x5A);
  CHECK(objs[0].m == 3 && objs[0].in.v == 1);
  CHECK(objs[0].arr[0] == 0x12 && objs[0].arr[1] == 8 && objs[0].arr[2] == 0x4B);
  CHECK(objs[1].m == 0 && objs[1].in.v == 0);
  CHECK(objs[1].arr[0] == 0 && objs[1].arr[1] == 1 && objs[1].arr[2] == 0x80);
  CHECK(objs[2].m == 0xFF && objs[2].in.v == 0x77);
  CHECK(objs[2].arr[0] == 0x6D && objs[2].arr[1] == 0x46 && objs[2].arr[2] == 0x9F);
  return CHECK_RESULT();
}
