// Compound assignments, increments and decrements of floats on every kind of
// location: a global in the access bank and one in banked RAM, a local, an
// array element, members through pointers held in a parameter, a global and
// behind a pointer to a pointer; int right operands are converted to float
// first. Each result is compared by its encoding, computed on a PC.
#include "check.h"

typedef struct { unsigned char tag; float f; } box_t;
typedef union { unsigned long u; float f; } fu_t;
box_t boxes[2] = {{0x11, -7.0f}, {0x22, 0.10000000149011612f}};
box_t *gp = &boxes[1];
float g = 1.5f, arr[3] = {0, 100.0f, 0};
#pragma udata other_bank
unsigned char fill[200];
float banked = 1000000.0f;
#pragma udata
float fv[] = {-1.25f, 0.0010000000474974513f, 0.5f, 65536.0f, 0.5f, 3.0f, 0.5f, 7.0f, 0.5f, 0.5f, -1.25f, 65536.0f, 7.0f};
int iv[] = {1000, 3, 255, 255, -7, -32768, 255, -7};

static unsigned long bits(float f) { fu_t x; x.f = f; return x.u; }

static void run(box_t *p, unsigned char k)
{
  box_t **pp = &p;
  float r, loc = -3.25f;
  g += iv[0]; CHECK(bits(g) == 0x447A6000ul);
  loc += fv[0]; CHECK(bits(loc) == 0xC0900000ul);
  arr[k] -= fv[1]; CHECK(bits(arr[k]) == 0x42C7FF7Dul);
  p->f -= iv[1]; CHECK(bits(p->f) == 0xC039999Aul);
  p[-1].f *= fv[2]; CHECK(bits(p[-1].f) == 0xC0600000ul);
  (*pp)->f *= fv[3]; CHECK(bits((*pp)->f) == 0xC839999Aul);
  gp->f /= iv[2]; CHECK(bits(gp->f) == 0xC43A53EEul);
  banked /= fv[4]; CHECK(bits(banked) == 0x49F42400ul);
  g += fv[5]; CHECK(bits(g) == 0x447B2000ul);
  loc += iv[3]; CHECK(bits(loc) == 0x437A8000ul);
  arr[k] -= fv[6]; CHECK(bits(arr[k]) == 0x42C6FF7Dul);
  p->f -= fv[7]; CHECK(bits(p->f) == 0xC43C13EEul);
  p[-1].f *= iv[4]; CHECK(bits(p[-1].f) == 0x41C40000ul);
  (*pp)->f *= fv[8]; CHECK(bits((*pp)->f) == 0xC3BC13EEul);
  gp->f /= fv[9]; CHECK(bits(gp->f) == 0xC43C13EEul);
  banked /= iv[5]; CHECK(bits(banked) == 0xC2742400ul);
  r = g++; CHECK(bits(r) == 0x447B2000ul && bits(g) == 0x447B6000ul);
  loc -= fv[10]; CHECK(bits(loc) == 0x437BC000ul);
  arr[k] -= iv[6]; CHECK(bits(arr[k]) == 0xC31B8042ul);
  r = p->f++; CHECK(bits(r) == 0xC43C13EEul && bits(p->f) == 0xC43BD3EEul);
  p[-1].f += fv[11]; CHECK(bits(p[-1].f) == 0x47800C40ul);
  (*pp)->f -= iv[7]; CHECK(bits((*pp)->f) == 0xC43A13EEul);
  gp->f += fv[12]; CHECK(bits(gp->f) == 0xC43853EEul);
  r = banked++; CHECK(bits(r) == 0xC2742400ul && bits(banked) == 0xC2702400ul);
}

int main(void)
{
  run(&boxes[1], 1);
  CHECK(boxes[0].tag == 0x11 && boxes[1].tag == 0x22 && arr[0] == 0.0f && arr[2] == 0.0f);
  CHECK(bits(boxes[0].f) == 0x47800C40ul && bits(boxes[1].f) == 0xC43853EEul);
  CHECK(bits(g) == 0x447B6000ul && bits(banked) == 0xC2702400ul && bits(arr[1]) == 0xC31B8042ul);
  return CHECK_RESULT();
}
