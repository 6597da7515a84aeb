// Compound assignments (+=, -=, *=, /=, %=, &=, |=, ^=) on unsigned short long
// members of structures reached through pointers: p->m, p[i].m, members of
// members and of member arrays, pointers held in a parameter, a local, a
// global and behind a pointer to a pointer; the bytes around each member stay
// untouched. Values computed on a PC.
#include "check.h"

typedef struct { unsigned char tag; unsigned short long m; unsigned short long arr[3]; struct { char k; unsigned short long v; } in; } obj_t;
obj_t objs[3] = {
  {0xA5, 0xC4199Aul, {0x16195Aul, 0xD1EED7ul, 0x4777A8ul}, {0x5A, 0x3A925Bul}},
  {0xA5, 0xAA55A6ul, {0xAFAF2Ful, 0x554499ul, 0xEE6A20ul}, {0x5A, 0xC1209Bul}},
  {0xA5, 0xA36ACFul, {0xFE72AAul, 0xDE0CBEul, 0xE183C3ul}, {0x5A, 0xBAE089ul}},
};
obj_t *gp = &objs[2];
unsigned short long v0[] = {8, 8, 0xFFFFFFul, 0xFFFFFFul, 5, 0xFFFFFFul, 0x48B7D2ul, 1, 0x800000ul, 0x370289ul, 0x800000ul, 6, 0x800000ul, 4, 0xFFFFFFul};
unsigned char v2[] = {3, 0x80, 0x36};

static void run(obj_t *p, unsigned char k)
{
  obj_t **pp = &p;
  obj_t *q = p + 1;
  p->m += v0[0]; CHECK(p->m == 0xAA55AEul);
  p->arr[k] -= 0x800000ul; CHECK(p->arr[k] == 0x6E6A20ul);
  p->arr[0] *= v0[1]; CHECK(p->arr[0] == 0x7D7978ul);
  p->in.v /= 0x800000ul; CHECK(p->in.v == 1);
  p[1].m %= v0[2]; CHECK(p[1].m == 0xA36ACFul);
  (p - 1)->in.v &= v0[3]; CHECK((p - 1)->in.v == 0x3A925Bul);
  (*pp)->arr[1] |= v0[4]; CHECK((*pp)->arr[1] == 0x55449Dul);
  gp->m ^= v0[5]; CHECK(gp->m == 0x5C9530ul);
  p[-1].m += v0[6]; CHECK(p[-1].m == 0xCD16Cul);
  gp[-1].arr[k] -= v0[7]; CHECK(gp[-1].arr[k] == 0x6E6A1Ful);
  q->in.v *= 0xFFFFFFul; CHECK(q->in.v == 0x451F77ul);
  objs[k].arr[k - 1] /= v0[8]; CHECK(objs[k].arr[k - 1] == 1);
  p->m %= 0xFFFE58ul; CHECK(p->m == 0xAA55AEul);
  p[-1].m &= (unsigned char)0xFF; CHECK(p[-1].m == 0x6C);
  (p - 1)->in.v |= v0[9]; CHECK((p - 1)->in.v == 0x3F92DBul);
  q->in.v ^= (unsigned char)0xFF; CHECK(q->in.v == 0x451F88ul);
  (p - 1)->in.v &= v2[0]; CHECK((p - 1)->in.v == 3);
  p->arr[0] += v0[10]; CHECK(p->arr[0] == 0xFD7978ul);
  gp[-1].arr[k] &= 0xDB407Aul; CHECK(gp[-1].arr[k] == 0x4A401Aul);
  q->in.v |= v0[11]; CHECK(q->in.v == 0x451F8Eul);
  p->arr[k] %= v2[1]; CHECK(p->arr[k] == 0x1A);
  p->arr[k] *= 0x83105Eul; CHECK(p->arr[k] == 0x4FA98Cul);
  (p - 1)->in.v %= v0[12]; CHECK((p - 1)->in.v == 3);
  p->m *= v2[2]; CHECK(p->m == 0xEE12B4ul);
  p[1].m += v0[13]; CHECK(p[1].m == 0x5C9534ul);
  gp->m &= v0[14]; CHECK(gp->m == 0x5C9534ul);
}

int main(void)
{
  unsigned char i;
  run(&objs[1], 2);
  for (i = 0; i < 3; i++)
    CHECK(objs[i].tag == 0xA5 && objs[i].in.k == 0x5A);
  CHECK(objs[0].m == 0x6C && objs[0].in.v == 3);
  CHECK(objs[0].arr[0] == 0x16195Aul && objs[0].arr[1] == 0xD1EED7ul && objs[0].arr[2] == 0x4777A8ul);
  CHECK(objs[1].m == 0xEE12B4ul && objs[1].in.v == 1);
  CHECK(objs[1].arr[0] == 0xFD7978ul && objs[1].arr[1] == 0x55449Dul && objs[1].arr[2] == 0x4FA98Cul);
  CHECK(objs[2].m == 0x5C9534ul && objs[2].in.v == 0x451F8Eul);
  CHECK(objs[2].arr[0] == 0xFE72AAul && objs[2].arr[1] == 1 && objs[2].arr[2] == 0xE183C3ul);
  return CHECK_RESULT();
}
