// Compound assignments on short long and long objects in every kind of
// location: a static local, a global in banked RAM, a parameter, a frame
// local, array elements by constant and variable index and a member of a
// structure array element; the right operands are char, int and wide. Each
// target ends at a value worked out by hand.
#include "check.h"

#pragma udata wide_bank
unsigned char wide_fill[180];
long banked = 100000l;
short long banked24 = -1;
#pragma udata
long arr[4] = {1, 2, 3, 4};
struct { char c; short long s; long l; } recs[2];

static long bump(long p, signed char by)
{
  static long seen = 0x10000l;
  seen += by;
  p *= by;
  p -= seen;
  return p;
}

int main(void)
{
  long loc = -70000l;
  short long loc24 = 0x7FFFFF;
  unsigned char k = 3;
  int i = -300;
  banked += i;
  CHECK(banked == 99700l);
  banked *= i / 100;
  CHECK(banked == -299100l);
  banked24 ^= 0x00FF00;
  banked24 >>= 4;
  CHECK(banked24 == (short long)0xFFF00Fl);
  loc /= i;
  CHECK(loc == 233);
  loc %= 50;
  loc24 += k;
  CHECK(loc == 33 && loc24 == -8388606l);
  arr[k] |= 0x10000000l;
  arr[1] *= 0x100000l;
  arr[k - 3] -= arr[k];
  CHECK(arr[3] == 0x10000004l && arr[1] == 0x200000l && arr[0] == -0x10000003l);
  recs[1].s += 0x123456;
  recs[1].l -= 0x7FFFFFFFl;
  recs[k - 2].s &= 0x0F0F0F;
  recs[1].l ^= i;
  CHECK(recs[1].s == 0x020406 && recs[1].l == (-0x7FFFFFFFl ^ -300l) && recs[0].s == 0 && recs[0].c == 0);
  CHECK(bump(1000, -2) == -2000l - 0xFFFE && bump(7, 3) == 21 - 0x10001l);
  return CHECK_RESULT();
}
