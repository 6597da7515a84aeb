// Compound assignments (+=, -=, *=, /=, %=, &=, |=, ^=) on unsigned long
// members of structures reached through pointers: p->m, p[i].m, members of
// members and of member arrays, pointers held in a parameter, a local, a
// global and behind a pointer to a pointer; the bytes around each member stay
// untouched. Values computed on a PC.
#include "check.h"

typedef struct { unsigned char tag; unsigned long m; unsigned long arr[3]; struct { char k; unsigned long v; } in; } obj_t;
obj_t objs[3] = {
  {0xA5, 0x206CFC11ul, {0xC898B486ul, 0xBC4CE77ul, 0x4B6321ADul}, {0x5A, 0x6F64960ul}},
  {0xA5, 0x65920862ul, {0xE24EA6A6ul, 0x705FA242ul, 0x8D3F68A6ul}, {0x5A, 0x159A1755ul}},
  {0xA5, 0xF6E84CC8ul, {0xA3ABDB05ul, 0x86B9780Eul, 0x692064F9ul}, {0x5A, 0x5BCD98B3ul}},
};
obj_t *gp = &objs[2];
unsigned long v0[] = {0xFFFFFFFFul, 2, 4, 0x8338327Ful, 5, 0x48CBDA8Eul, 1, 0x67933CE2ul, 0x486C23CCul, 0x80000000ul, 0x80000000ul, 0xFFFFFFFFul, 0xFFFFFFFFul};
unsigned char v2[] = {0xFF, 8, 7};

static void run(obj_t *p, unsigned char k)
{
  obj_t **pp = &p;
  obj_t *q = p + 1;
  p->m += v0[0]; CHECK(p->m == 0x65920861ul);
  p->arr[k] -= v0[1]; CHECK(p->arr[k] == 0x8D3F68A4ul);
  p->arr[0] *= (unsigned char)6; CHECK(p->arr[0] == 0x4DD7E7E4ul);
  p->in.v /= v0[2]; CHECK(p->in.v == 0x56685D5ul);
  p[1].m %= 0x80000000ul; CHECK(p[1].m == 0x76E84CC8ul);
  (p - 1)->in.v &= v2[0]; CHECK((p - 1)->in.v == 0x60);
  (*pp)->arr[1] |= v0[3]; CHECK((*pp)->arr[1] == 0xF37FB27Ful);
  gp->m ^= 0x4C498E7Bul; CHECK(gp->m == 0x3AA1C2B3ul);
  p[-1].m += (unsigned char)6; CHECK(p[-1].m == 0x206CFC17ul);
  gp[-1].arr[k] -= v0[4]; CHECK(gp[-1].arr[k] == 0x8D3F689Ful);
  q->in.v *= v0[5]; CHECK(q->in.v == 0x6E04214Aul);
  objs[k].arr[k - 1] /= (unsigned char)2; CHECK(objs[k].arr[k - 1] == 0x435CBC07ul);
  p->arr[0] %= 0xFFFFFFFFul; CHECK(p->arr[0] == 0x4DD7E7E4ul);
  gp->m &= (unsigned char)0xFF; CHECK(gp->m == 0xB3);
  p[1].m |= (unsigned char)0xFF; CHECK(p[1].m == 0xFF);
  p->arr[0] ^= v0[6]; CHECK(p->arr[0] == 0x4DD7E7E5ul);
  p->arr[k] *= v0[7]; CHECK(p->arr[k] == 0x9ACCA05Eul);
  p->m ^= v0[8]; CHECK(p->m == 0x2DFE2BADul);
  gp->m &= v2[1]; CHECK(gp->m == 8);
  p->m ^= v2[2]; CHECK(p->m == 0x2DFE2BAAul);
  p[-1].m += 0x80000000ul; CHECK(p[-1].m == 0xA06CFC17ul);
  p->arr[k] |= v0[9]; CHECK(p->arr[k] == 0x9ACCA05Eul);
  (*pp)->arr[1] &= 0xFFFFFFFFul; CHECK((*pp)->arr[1] == 0xF37FB27Ful);
  objs[k].arr[k - 1] *= v0[10]; CHECK(objs[k].arr[k - 1] == 0x80000000ul);
  p[-1].m /= v0[11]; CHECK(p[-1].m == 0);
  p->arr[k] += v0[12]; CHECK(p->arr[k] == 0x9ACCA05Dul);
}

int main(void)
{
  unsigned char i;
  run(&objs[1], 2);
  for (i = 0; i < 3; i++)
    CHECK(objs[i].tag == 0xA5 && objs[i].in.k == 0x5A);
  CHECK(objs[0].m == 0 && objs[0].in.v == 0x60);
  CHECK(objs[0].arr[0] == 0xC898B486ul && objs[0].arr[1] == 0xBC4CE77ul && objs[0].arr[2] == 0x4B6321ADul);
  CHECK(objs[1].m == 0x2DFE2BAAul && objs[1].in.v == 0x56685D5ul);
  CHECK(objs[1].arr[0] == 0x4DD7E7E5ul && objs[1].arr[1] == 0xF37FB27Ful && objs[1].arr[2] == 0x9ACCA05Dul);
  CHECK(objs[2].m == 8 && objs[2].in.v == 0x6E04214Aul);
  CHECK(objs[2].arr[0] == 0xA3ABDB05ul && objs[2].arr[1] == 0x80000000ul && objs[2].arr[2] == 0x692064F9ul);
  return CHECK_RESULT();
}
