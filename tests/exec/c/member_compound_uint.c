// Compound assignments of every operator on unsigned int members of structures
// reached through pointers: p->m, p[i].m, members of members and of member
// arrays, pointers held in a parameter, a local, a global and behind a pointer
// to a pointer; the bytes around each member stay untouched. Values computed
// on a PC.
#include "check.h"

typedef struct { unsigned char tag; unsigned int m; unsigned int arr[3]; struct { char k; unsigned int v; } in; } obj_t;
obj_t objs[3] = {
  {0xA5, 0x6CF0, {0xD184u, 0x847, 0x27FD}, {0x5A, 0x24A2}},
  {0xA5, 0x1E85, {0xF148u, 0x8789u, 0x438D}, {0x5A, 0x611A}},
  {0xA5, 0x8C6Au, {0x745A, 0xDBE5u, 0x2829}, {0x5A, 0xB74Bu}},
};
obj_t *gp = &objs[2];
unsigned int v0[] = {0xBF4Du, 0xFFFFu, 0xFFFFu, 0x8000u, 0xFFFFu, 0xFFFFu, 0x8000u, 0x228F};
unsigned char v2[] = {0x80, 8, 0xF, 0xFF, 0xE, 0xA, 0xC, 0};

static void run(obj_t *p, unsigned char k)
{
  obj_t **pp = &p;
  obj_t *q = p + 1;
  p->m += 0xE186u; CHECK(p->m == 0xB);
  p->arr[k] -= 0x8000u; CHECK(p->arr[k] == 0xC38Du);
  p->arr[0] *= 4; CHECK(p->arr[0] == 0xC520u);
  p->in.v /= v0[0]; CHECK(p->in.v == 0);
  p[1].m %= v2[0]; CHECK(p[1].m == 0x6A);
  (p - 1)->in.v <<= v2[1]; CHECK((p - 1)->in.v == 0xA200u);
  (*pp)->arr[1] >>= v2[2]; CHECK((*pp)->arr[1] == 1);
  gp->m &= v0[1]; CHECK(gp->m == 0x6A);
  p[-1].m |= v2[3]; CHECK(p[-1].m == 0x6CFF);
  gp[-1].arr[k] ^= v0[2]; CHECK(gp[-1].arr[k] == 0x3C72);
  q->in.v += 0xFFFFu; CHECK(q->in.v == 0xB74Au);
  objs[k].arr[k - 1] -= 0xE8D1u; CHECK(objs[k].arr[k - 1] == 0xF314u);
  p->in.v *= 6; CHECK(p->in.v == 0);
  p->in.v /= v0[3]; CHECK(p->in.v == 0);
  p->m %= v0[4]; CHECK(p->m == 0xB);
  p->in.v <<= v2[4]; CHECK(p->in.v == 0);
  p->arr[0] >>= v2[5]; CHECK(p->arr[0] == 0x31);
  (*pp)->arr[1] &= v0[5]; CHECK((*pp)->arr[1] == 1);
  p[-1].m |= (unsigned char)0xC4; CHECK(p[-1].m == 0x6CFF);
  p->in.v ^= 0x8000u; CHECK(p->in.v == 0x8000u);
  p->arr[0] <<= v2[6]; CHECK(p->arr[0] == 0x1000);
  p[-1].m &= v0[6]; CHECK(p[-1].m == 0);
  (*pp)->arr[1] |= 0x4DC; CHECK((*pp)->arr[1] == 0x4DD);
  gp[-1].arr[k] %= (unsigned char)1; CHECK(gp[-1].arr[k] == 0);
  p->arr[k] %= v0[7]; CHECK(p->arr[k] == 0);
  p->in.v >>= v2[7]; CHECK(p->in.v == 0x8000u);
}

int main(void)
{
  unsigned char i;
  run(&objs[1], 2);
  for (i = 0; i < 3; i++)
    CHECK(objs[i].tag == 0xA5 && objs[i].in.k == 0x5A);
  CHECK(objs[0].m == 0 && objs[0].in.v == 0xA200u);
  CHECK(objs[0].arr[0] == 0xD184u && objs[0].arr[1] == 0x847 && objs[0].arr[2] == 0x27FD);
  CHECK(objs[1].m == 0xB && objs[1].in.v == 0x8000u);
  CHECK(objs[1].arr[0] == 0x1000 && objs[1].arr[1] == 0x4DD && objs[1].arr[2] == 0);
  CHECK(objs[2].m == 0x6A && objs[2].in.v == 0xB74Au);
  CHECK(objs[2].arr[0] == 0x745A && objs[2].arr[1] == 0xF314u && objs[2].arr[2] == 0x2829);
  return CHECK_RESULT();
}
