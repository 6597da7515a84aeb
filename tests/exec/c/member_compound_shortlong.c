// Compound assignments (+=, -=, *=, /=, %=, &=, |=, ^=) on short long members
// of structures reached through pointers: p->m, p[i].m, members of members and
// of member arrays, pointers held in a parameter, a local, a global and behind
// a pointer to a pointer; the bytes around each member stay untouched. Values
// computed on a PC.
#include "check.h"

typedef struct { unsigned char tag; short long m; short long arr[3]; struct { char k; short long v; } in; } obj_t;
obj_t objs[3] = {
  {0xA5, 989235l, {-3773427l, 6659860l, 2658064l}, {0x5A, 7477047l}},
  {0xA5, 4725944l, {-6910734l, -3059756l, 3512107l}, {0x5A, -6707205l}},
  {0xA5, -3618793l, {1338530l, 2997658l, 3700795l}, {0x5A, 1207107l}},
};
obj_t *gp = &objs[2];
short long v0[] = {-8388608l, -1, -8388608l, -8388608l, 8, -8388608l, 5, 1, -1, 3759713l, -8388608l, -1, 3899261l, 4247139l, 7};
unsigned char v2[] = {0xFF, 7, 0xFF};

static void run(obj_t *p, unsigned char k)
{
  obj_t **pp = &p;
  obj_t *q = p + 1;
  p->m += (unsigned char)0x73; CHECK(p->m == 4726059l);
  p->arr[k] -= 4; CHECK(p->arr[k] == 3512103l);
  p->arr[0] *= v0[0]; CHECK(p->arr[0] == 0);
  p->in.v /= v0[1]; CHECK(p->in.v == 6707205l);
  p[1].m %= v0[2]; CHECK(p[1].m == -3618793l);
  (p - 1)->in.v &= v0[3]; CHECK((p - 1)->in.v == 0);
  (*pp)->arr[1] |= v0[4]; CHECK((*pp)->arr[1] == -3059748l);
  gp->m ^= -1; CHECK(gp->m == 3618792l);
  p[-1].m += v0[5]; CHECK(p[-1].m == -7399373l);
  gp[-1].arr[k] -= v0[6]; CHECK(gp[-1].arr[k] == 3512098l);
  q->in.v *= 6; CHECK(q->in.v == 7242642l);
  objs[k].arr[k - 1] /= v0[7]; CHECK(objs[k].arr[k - 1] == 2997658l);
  p[-1].m %= v0[8]; CHECK(p[-1].m == 0);
  p[-1].m &= 8; CHECK(p[-1].m == 0);
  gp[-1].arr[k] |= (unsigned char)1; CHECK(gp[-1].arr[k] == 3512099l);
  q->in.v ^= v0[9]; CHECK(q->in.v == 5758451l);
  (*pp)->arr[1] ^= v0[10]; CHECK((*pp)->arr[1] == 5328860l);
  objs[k].arr[k - 1] /= v0[11]; CHECK(objs[k].arr[k - 1] == -2997658l);
  p->arr[0] += v2[0]; CHECK(p->arr[0] == 255);
  objs[k].arr[k - 1] += v0[12]; CHECK(objs[k].arr[k - 1] == 901603l);
  (p - 1)->in.v ^= (unsigned char)8; CHECK((p - 1)->in.v == 8);
  p->m -= 2; CHECK(p->m == 4726057l);
  objs[k].arr[k - 1] ^= v0[13]; CHECK(objs[k].arr[k - 1] == 5050240l);
  p->arr[0] |= v0[14]; CHECK(p->arr[0] == 255);
  gp[-1].arr[k] *= v2[1]; CHECK(gp[-1].arr[k] == 7807477l);
  gp->m *= v2[2]; CHECK(gp->m == 45080l);
}

int main(void)
{
  unsigned char i;
  run(&objs[1], 2);
  for (i = 0; i < 3; i++)
    CHECK(objs[i].tag == 0xA5 && objs[i].in.k == 0x5A);
  CHECK(objs[0].m == 0 && objs[0].in.v == 8);
  CHECK(objs[0].arr[0] == -3773427l && objs[0].arr[1] == 6659860l && objs[0].arr[2] == 2658064l);
  CHECK(objs[1].m == 4726057l && objs[1].in.v == 6707205l);
  CHECK(objs[1].arr[0] == 255 && objs[1].arr[1] == 5328860l && objs[1].arr[2] == 7807477l);
  CHECK(objs[2].m == 45080l && objs[2].in.v == 5758451l);
  CHECK(objs[2].arr[0] == 1338530l && objs[2].arr[1] == 5050240l && objs[2].arr[2] == 3700795l);
  return CHECK_RESULT();
}
