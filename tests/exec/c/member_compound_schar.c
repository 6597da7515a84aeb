// Compound assignments of every operator on signed char members of structures
// reached through pointers: p->m, p[i].m, members of members and of member
// arrays, pointers held in a parameter, a local, a global and behind a pointer
// to a pointer; the bytes around each member stay untouched. Values computed
// on a PC.
#include "check.h"

typedef struct { unsigned char tag; signed char m; signed char arr[3]; struct { char k; signed char v; } in; } obj_t;
obj_t objs[3] = {
  {0xA5, 7, {-115, -124, 63}, {0x5A, -86}},
  {0xA5, 83, {-92, -84, -18}, {0x5A, -122}},
  {0xA5, -69, {-36, -89, 10}, {0x5A, -70}},
};
obj_t *gp = &objs[2];
signed char v0[] = {21, -1, -1, -1, 2};
int v1[] = {-1, 1, -1, 87, 66, -32768};
unsigned char v2[] = {2, 7, 4, 6, 4, 1, 7, 5};

static void run(obj_t *p, unsigned char k)
{
  obj_t **pp = &p;
  obj_t *q = p + 1;
  p->m += v1[0]; CHECK(p->m == 82);
  p->arr[k] -= -128; CHECK(p->arr[k] == 110);
  p->arr[0] *= v2[0]; CHECK(p->arr[0] == 72);
  p->in.v /= v0[0]; CHECK(p->in.v == -5);
  p[1].m %= (int)-21059; CHECK(p[1].m == -69);
  (p - 1)->in.v <<= v2[1]; CHECK((p - 1)->in.v == 0);
  (*pp)->arr[1] >>= v2[2]; CHECK((*pp)->arr[1] == -6);
  gp->m &= v0[1]; CHECK(gp->m == -69);
  p[-1].m |= (int)8781; CHECK(p[-1].m == 79);
  gp[-1].arr[k] ^= 75; CHECK(gp[-1].arr[k] == 37);
  q->in.v += v1[1]; CHECK(q->in.v == -69);
  objs[k].arr[k - 1] -= v1[2]; CHECK(objs[k].arr[k - 1] == -88);
  gp->m *= v0[2]; CHECK(gp->m == 69);
  p->m /= v1[3]; CHECK(p->m == 0);
  p->arr[k] %= v1[4]; CHECK(p->arr[k] == 37);
  (*pp)->arr[1] <<= v2[3]; CHECK((*pp)->arr[1] == -128);
  (*pp)->arr[1] >>= v2[4]; CHECK((*pp)->arr[1] == -8);
  (p - 1)->in.v &= v0[3]; CHECK((p - 1)->in.v == 0);
  p->m |= v1[5]; CHECK(p->m == 0);
  objs[k].arr[k - 1] ^= -128; CHECK(objs[k].arr[k - 1] == 40);
  p->m >>= v2[5]; CHECK(p->m == 0);
  p->arr[k] >>= v2[6]; CHECK(p->arr[k] == 0);
  p[-1].m -= v0[4]; CHECK(p[-1].m == 77);
  (p - 1)->in.v ^= -1; CHECK((p - 1)->in.v == -1);
  gp->m ^= (int)7; CHECK(gp->m == 66);
  (p - 1)->in.v <<= v2[7]; CHECK((p - 1)->in.v == -32);
}

int main(void)
{
  unsigned char i;
  run(&objs[1], 2);
  for (i = 0; i < 3; i++)
    CHECK(objs[i].tag == 0xA5 && objs[i].in.k == 0x5A);
  CHECK(objs[0].m == 77 && objs[0].in.v == -32);
  CHECK(objs[0].arr[0] == -115 && objs[0].arr[1] == -124 && objs[0].arr[2] == 63);
  CHECK(objs[1].m == 0 && objs[1].in.v == -5);
  CHECK(objs[1].arr[0] == 72 && objs[1].arr[1] == -8 && objs[1].arr[2] == 0);
  CHECK(objs[2].m == 66 && objs[2].in.v == -69);
  CHECK(objs[2].arr[0] == -36 && objs[2].arr[1] == 40 && objs[2].arr[2] == 10);
  return CHECK_RESULT();
}
