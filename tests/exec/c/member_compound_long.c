// Compound assignments (+=, -=, *=, /=, %=, &=, |=, ^=) on long members of
// structures reached through pointers: p->m, p[i].m, members of members and of
// member arrays, pointers held in a parameter, a local, a global and behind a
// pointer to a pointer; the bytes around each member stay untouched. Values
// computed on a PC.
#include "check.h"

typedef struct { unsigned char tag; long m; long arr[3]; struct { char k; long v; } in; } obj_t;
obj_t objs[3] = {
  {0xA5, 1132785146l, {-87353553l, -1035269606l, -1435494261l}, {0x5A, -1192745038l}},
  {0xA5, -1932836282l, {439416015l, 1946190169l, 2046583304l}, {0x5A, -1896854669l}},
  {0xA5, -51807221l, {567371062l, 359175945l, -585785385l}, {0x5A, 1517145587l}},
};
obj_t *gp = &objs[2];
long v0[] = {1, -1589943423l, 2, -650793556l, (-2147483647l - 1), -1973593699l, -372012834l, (-2147483647l - 1), 7, -1, 1, 4, 6, 5};
unsigned char v2[] = {5, 3, 0x80, 0x6A, 0x80, 1, 0x80};

static void run(obj_t *p, unsigned char k)
{
  obj_t **pp = &p;
  obj_t *q = p + 1;
  p->m += v0[0]; CHECK(p->m == -1932836281l);
  p->arr[k] -= v0[1]; CHECK(p->arr[k] == -658440569l);
  p->arr[0] *= v0[2]; CHECK(p->arr[0] == 878832030l);
  p->in.v /= v2[0]; CHECK(p->in.v == -379370933l);
  p[1].m %= v0[3]; CHECK(p[1].m == -51807221l);
  (p - 1)->in.v &= v2[1]; CHECK((p - 1)->in.v == 2);
  (*pp)->arr[1] |= v0[4]; CHECK((*pp)->arr[1] == -201293479l);
  gp->m ^= v0[5]; CHECK(gp->m == 1991517590l);
  p[-1].m += v0[6]; CHECK(p[-1].m == 760772312l);
  gp[-1].arr[k] -= v0[7]; CHECK(gp[-1].arr[k] == 1489043079l);
  q->in.v *= v0[8]; CHECK(q->in.v == 2030084517l);
  objs[k].arr[k - 1] /= v0[9]; CHECK(objs[k].arr[k - 1] == -359175945l);
  objs[k].arr[k - 1] %= v2[2]; CHECK(objs[k].arr[k - 1] == -9);
  (p - 1)->in.v &= v0[10]; CHECK((p - 1)->in.v == 0);
  gp[-1].arr[k] |= 2; CHECK(gp[-1].arr[k] == 1489043079l);
  p->m ^= v2[3]; CHECK(p->m == -1932836307l);
  p->in.v ^= -1; CHECK(p->in.v == 379370932l);
  p[-1].m *= v0[11]; CHECK(p[-1].m == -1251878048l);
  p->m += v2[4]; CHECK(p->m == -1932836179l);
  p->in.v /= -1; CHECK(p->in.v == -379370932l);
  (p - 1)->in.v /= v2[5]; CHECK((p - 1)->in.v == 0);
  gp[-1].arr[k] &= v0[12]; CHECK(gp[-1].arr[k] == 6);
  (*pp)->arr[1] /= v2[6]; CHECK((*pp)->arr[1] == -1572605l);
  (*pp)->arr[1] &= -1; CHECK((*pp)->arr[1] == -1572605l);
  objs[k].arr[k - 1] &= -1817116625l; CHECK(objs[k].arr[k - 1] == -1817116633l);
  (p - 1)->in.v *= v0[13]; CHECK((p - 1)->in.v == 0);
}

int main(void)
{
  unsigned char i;
  run(&objs[1], 2);
  for (i = 0; i < 3; i++)
    CHECK(objs[i].tag == 0xA5 && objs[i].in.k == 0x5A);
  CHECK(objs[0].m == -1251878048l && objs[0].in.v == 0);
  CHECK(objs[0].arr[0] == -87353553l && objs[0].arr[1] == -1035269606l && objs[0].arr[2] == -1435494261l);
  CHECK(objs[1].m == -1932836179l && objs[1].in.v == -379370932l);
  CHECK(objs[1].arr[0] == 878832030l && objs[1].arr[1] == -1572605l && objs[1].arr[2] == 6);
  CHECK(objs[2].m == 1991517590l && objs[2].in.v == 2030084517l);
  CHECK(objs[2].arr[0] == 567371062l && objs[2].arr[1] == -1817116633l && objs[2].arr[2] == -585785385l);
  return CHECK_RESULT();
}
