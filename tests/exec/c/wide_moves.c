// 24- and 32-bit values (short long, long) moved between every kind of
// location: access and banked globals, frame slots, through pointers,
// arguments and results; constants with 0x00 and 0xFF bytes; conversions
// among char, int, short long and long of both signednesses.
#include "check.h"

long gl; unsigned long gu;
short long gs; unsigned short long gsu;
#pragma udata access quick
near long nl;
#pragma udata far_one
unsigned char fill_a[200];
long bl; short long bs;
#pragma udata
char c; unsigned char uc; int i; unsigned int ui;
long arr[3];
short long sarr[3];

static long pass32(long a, char b, long c2) { if (b) return a; return c2; }
static short long pass24(short long a, short long b) { short long r; r = a; if (b) r = b; return r; }
static unsigned long make(void) { return 0x00FF1200ul; }
static long through(long *p) { long t; t = *p; *p = 0x11223344; return t; }

// Compound assignments and increments on the object of a pointer.
static void pointer_ops(long *p, short long *q, unsigned char k)
{
  *p = 1000; *p += 0x10000; CHECK(*p == 66536); *p -= k; CHECK(*p == 66533);
  *p *= -3; CHECK(*p == -199599); *p /= 7; CHECK(*p == -28514); *p %= 1000; CHECK(*p == -514);
  *p &= 0xFFFF00FF; CHECK(*p == -65282); *p |= 0x700000; CHECK(*p == -65282);
  *p ^= 0x0F; CHECK(*p == -65295);
  *q = 0x7FFFFF; *q += 1; CHECK(*q == -8388608); *q -= 0x10; CHECK(*q == 0x7FFFF0);
  (*p)++; CHECK(*p == -65294); --(*q); CHECK(*q == 0x7FFFEF);
}

// A frame near the 96-byte limit: the last locals at the far end of it.
static long far_slots(long a)
{
  unsigned char pad[80];
  long x, y;
  pad[0] = 1;
  x = a; y = x + pad[0]; x = y << 4; y += x; y -= 3; y *= 2;
  return y;
}

int main(void)
{
  long l, l2; short long s, s2; unsigned long u; long *p; short long *q;

  gl = 0x00FF1200; CHECK(gl == 0x00FF1200);
  l = gl; CHECK(l == 0x00FF1200);
  l2 = l; gu = l2; CHECK(gu == 0x00FF1200ul);
  nl = -2; l = nl; CHECK(l == -2); CHECK(l != 0xFFFFFFFEl - 1);
  gs = -8388608; s = gs; CHECK(s == -8388608); gsu = s; CHECK(gsu == 0x800000u);
  s2 = 0x123456; CHECK(s2 == 0x123456);
  bl = nl; bs = s2; CHECK(bl == -2); CHECK(bs == 0x123456); nl = bs; CHECK(nl == 0x123456); bl = 0xFF00FF; CHECK(bl == 16711935);

  p = &arr[1]; *p = 0x7FFFFFFF; CHECK(arr[1] == 0x7FFFFFFF); CHECK(*p == 2147483647);
  l = *p; CHECK(l == 0x7FFFFFFF);
  arr[2] = l; CHECK(arr[2] == 0x7FFFFFFF); arr[0] = 0; CHECK(arr[0] == 0);
  q = &sarr[2]; *q = gs; CHECK(sarr[2] == -8388608);
  sarr[1] = *q; CHECK(sarr[1] == gs);
  l = 0x0BADF00D; CHECK(through(&l) == 0x0BADF00D); CHECK(l == 0x11223344);

  pointer_ops(&arr[0], &sarr[0], 3); CHECK(arr[0] == -65294); CHECK(sarr[0] == 0x7FFFEF);
  CHECK(far_slots(5) == 198);
  CHECK(pass32(1, 1, 2) == 1); CHECK(pass32(1, 0, -2) == -2);
  CHECK(pass24(0x7FFFFF, 0) == 0x7FFFFF); CHECK(pass24(5, -5) == -5);
  u = make(); CHECK(u == 0x00FF1200ul);
  CHECK(make() == 0x00FF1200ul);

  // widening
  c = -1; l = c; CHECK(l == -1); s = c; CHECK(s == -1);
  c = 127; l = c; CHECK(l == 127);
  uc = 200; l = uc; CHECK(l == 200); u = uc; CHECK(u == 200); s = uc; CHECK(s == 200);
  i = -300; l = i; CHECK(l == -300); s = i; CHECK(s == -300); u = i; CHECK(u == 0xFFFFFED4ul);
  ui = 0xFFFF; l = ui; CHECK(l == 65535); s = ui; CHECK(s == 65535);
  s = -2; l = s; CHECK(l == -2); gsu = 0xFFFFFE; l = gsu; CHECK(l == 0xFFFFFE);
  // narrowing
  l = 0x12345678; c = l; CHECK(c == 0x78); i = l; CHECK(i == 0x5678); s = l; CHECK(s == 0x345678);
  l = -129; c = l; CHECK(c == 127); i = l; CHECK(i == -129);
  s = 0x80FF01; uc = s; CHECK(uc == 1); ui = s; CHECK(ui == 0xFF01);
  return CHECK_RESULT();
}
