// Compound assignments, increments and decrements whose value is used, on
// objects at computed addresses: through pointers, members through
// pointers, array elements with constant and variable indexes, at every
// width and as floats; the value and the object are both checked.
#include "check.h"

struct rec { char pad; short long s; long l; unsigned long u; float f; int i; };

struct rec grec, *gr;
long garr[3];
unsigned short long gsa[3];
float gfa[2];
long *glp;
int *gip;
unsigned char one = 1;

static long through(long *p, long y) { return (*p -= y) + 1; }

int main(void)
{
  long v, la[3];
  short long s;
  unsigned long u;
  float f;
  int n;
  unsigned char i = one;
  struct rec lrec, *lp = &lrec;

  gr = &grec;
  grec.l = 100000L; v = (gr->l += 23456L); CHECK(v == 123456L && grec.l == 123456L);
  v = (gr->l <<= 4); CHECK(v == 1975296L && grec.l == 1975296L);
  v = (gr->l ^= 0x0F0F0F0FL); CHECK(v == (1975296L ^ 0x0F0F0F0FL) && grec.l == v);
  grec.s = -3; s = (gr->s *= 1000); CHECK(s == -3000 && grec.s == -3000);
  s = (gr->s >>= 2); CHECK(s == -750 && grec.s == -750);
  grec.u = 0xFFFFFFFFUL; u = ++gr->u; CHECK(u == 0UL && grec.u == 0UL);
  u = gr->u--; CHECK(u == 0UL && grec.u == 0xFFFFFFFFUL);
  grec.f = 1.5f; f = (gr->f *= 3.0f); CHECK(f == 4.5f && grec.f == 4.5f);
  f = --gr->f; CHECK(f == 3.5f && grec.f == 3.5f);
  grec.i = 7; gip = &grec.i; n = (*gip)++; CHECK(n == 7 && grec.i == 8);

  garr[2] = 5; v = (garr[2] += 70000L); CHECK(v == 70005L && garr[2] == 70005L);
  garr[1] = -1; v = (garr[one] &= 0xFF00L); CHECK(v == 0xFF00L && garr[1] == 0xFF00L);
  v = garr[i]++; CHECK(v == 0xFF00L && garr[1] == 0xFF01L);
  gsa[i] = 0xFFFFFFU; s = (short long)(gsa[i] += 2); CHECK(s == 1 && gsa[1] == 1U);
  gfa[i] = 0.25f; f = (gfa[i] -= 1.0f); CHECK(f == -0.75f && gfa[1] == -0.75f);
  f = ++gfa[i]; CHECK(f == 0.25f);

  la[1] = 40; v = (la[i] /= 3); CHECK(v == 13 && la[1] == 13);
  v = (la[i] %= 5); CHECK(v == 3 && la[1] == 3);
  v = la[i]--; CHECK(v == 3 && la[1] == 2);
  lrec.l = -8; v = (lp->l >>= 1); CHECK(v == -4 && lrec.l == -4);
  v = --lp->l; CHECK(v == -5);
  lrec.s = -1; s = lp->s++; CHECK(s == -1 && lrec.s == 0);

  glp = &garr[0]; garr[0] = 50;
  CHECK(through(glp, 8) == 43 && garr[0] == 42);
  v = (*glp |= 1); CHECK(v == 43 && garr[0] == 43);
  return CHECK_RESULT();
}
