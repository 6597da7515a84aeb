// short long, long and float objects in rom, near and far: whole objects,
// table elements by constant and variable indexes, members of rom
// structures, through near and far pointers, used in arithmetic and
// comparisons.
// exec-compile: -p HR6810K
// exec-link: -p HR6810K
#include "check.h"

rom long rl = 123456789L;
rom short long rs = -70000;
rom float rf = 1.5;
rom long rtab[3] = {-1L, 0x12345678L, 70000L};
struct pt { unsigned char a; int b; float f; long l; };
rom struct pt rp = {1, 2, 3.25, -99999L};
#pragma romdata high_tables = 0x10000
far rom long fl[3] = {70000L, -5L, 0x7FFFFFFFL};
far rom float ff = -2.5;
far rom short long fs[2] = {0x123456L, -2};
#pragma romdata

int main(void)
{
  long l;
  short long s;
  float f;
  unsigned char i;
  rom long *lp = rtab;
  far rom long *flp = fl;

  l = rl; CHECK(l == 123456789L);
  CHECK(rl - 1 == 123456788L);
  s = rs; CHECK(s == -70000);
  f = rf; CHECK(f == 1.5);
  f = rf * 2.0; CHECK(f == 3.0);
  i = 1; CHECK(rtab[i] == 0x12345678L);
  CHECK(rtab[2] == 70000L);
  CHECK(*lp == -1L);
  lp++; CHECK(*lp == 0x12345678L);
  f = rp.f; CHECK(f == 3.25);
  l = rp.l; CHECK(l == -99999L);
  CHECK(rp.b == 2);
  CHECK(fl[0] == 70000L);
  i = 2; CHECK(fl[i] == 0x7FFFFFFFL);
  CHECK(*flp == 70000L); flp++; CHECK(*flp == -5L);
  CHECK(*flp++ == -5L); CHECK(*flp == 0x7FFFFFFFL);
  f = ff; CHECK(f == -2.5);
  s = fs[0]; CHECK(s == 0x123456L);
  i = 1; CHECK(fs[i] == -2);
  return CHECK_RESULT();
}
