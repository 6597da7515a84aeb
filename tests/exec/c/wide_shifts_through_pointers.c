// In-place shifts of 24- and 32-bit objects reached through pointers:
// *p, p->member, a pointer held in a global or a parameter, an element of
// a frame array; counts
// constant (within a byte, whole bytes, both), in a variable, a parameter
// and WREG; signed and unsigned. Each result is compared with the same
// shift of a plain variable and, for some, with the value worked out here.
#include "check.h"

struct rec { char tag; long l; unsigned short long s; unsigned long u; short long t; };

struct rec grec;
struct rec *gp;
long *glp;
unsigned char n;

static unsigned char count(unsigned char k) { return k; }

static void through_params(long *p, struct rec *q, unsigned char k)
{
  long ref;
  ref = *p; ref >>= k; *p >>= k; CHECK(*p == ref);
  ref = *p; ref <<= 11; *p <<= 11; CHECK(*p == ref);
  q->u >>= k; q->t <<= k; q->s >>= 16; q->l >>= 1;
}

int main(void)
{
  long x, ref;
  unsigned long ux;
  short long sx;
  struct rec r;
  unsigned char big[40];
  long slots[3];
  unsigned char k;

  // *p with constant counts, signed and unsigned.
  x = -1000; glp = &x;
  *glp >>= 3; CHECK(x == -125);
  *glp <<= 5; CHECK(x == -4000);
  *glp >>= 9; CHECK(x == -8);
  *glp <<= 24; CHECK((unsigned long)x == 0xF8000000UL);
  *glp >>= 31; CHECK(x == -1);
  ux = 0x80000001UL;
  { unsigned long *up = &ux; *up >>= 31; CHECK(ux == 1UL); *up <<= 20; CHECK(ux == 0x100000UL);
    *up >>= 17; CHECK(ux == 8UL); *up >>= 0; CHECK(ux == 8UL); }
  sx = -4096; n = 7;
  { short long *sp = &sx; *sp >>= 3; CHECK(sx == -512); *sp <<= 9; CHECK(sx == -262144L); *sp >>= n; CHECK(sx == -2048); }

  // Counts in variables and WREG, members through pointers.
  n = 7; k = 4;
  r.l = 0x12345678L; r.s = 0xABCDEFU; r.u = 0xF0000000UL; r.t = -2;
  gp = &r;
  gp->l >>= n; CHECK(r.l == 0x2468ACL);
  gp->l <<= k; CHECK(r.l == 0x2468AC0L);
  gp->s >>= n; CHECK(r.s == 0x1579BU);
  gp->s <<= 12; CHECK(r.s == 0x79B000U);
  gp->u >>= count(28); CHECK(r.u == 0xFUL);
  gp->t <<= count(n); CHECK(r.t == -256);
  gp->t >>= k; CHECK(r.t == -16);
  grec.u = 0x12345678UL; gp = &grec; gp->u <<= n + 1; CHECK(grec.u == 0x34567800UL);

  // Parameters.
  x = 0x400L; r.u = 0x100UL; r.t = 1; r.s = 0x120000U; r.l = -3;
  through_params(&x, &r, 2);
  CHECK(x == 0x80000L);
  CHECK(r.u == 0x40UL); CHECK(r.t == 4); CHECK(r.s == 0x12U); CHECK(r.l == -2);

  // Frame array elements, constant and variable index.
  big[0] = 1;
  slots[0] = 0x01020304L; slots[1] = -65536L; slots[2] = 1;
  slots[0] <<= 8; CHECK(slots[0] == 0x02030400L);
  slots[1] >>= 16; CHECK(slots[1] == -1L);
  slots[2] <<= n; CHECK(slots[2] == 128L);
  ref = slots[0]; ref >>= k; slots[0] >>= k; CHECK(slots[0] == ref);
  slots[k - 2] >>= 1; CHECK(slots[2] == 64L);
  slots[k - 3] <<= n; CHECK(slots[1] == -128L);
  CHECK(big[0] == 1);
  return CHECK_RESULT();
}
