// Compound assignments, increments and decrements of rom bytes and ints,
// near and far, by constant and variable indexes and through a pointer, as
// statements and with their value used (prefix, postfix, compound, across
// wrap-around), with an index that has side effects (taken once); each
// read back from the table.
// exec-compile: -p HR6810K
// exec-link: -p HR6810K
#include "check.h"
rom unsigned char rc = 5;
rom int ri = 100;
rom unsigned char tab[4] = {1, 2, 3, 4};
#pragma romdata high_tables = 0x10000
far rom int fw = 7;
far rom unsigned char fb[3] = {250, 1, 2};
far rom long fl[2] = {100000, -5};
far rom float ff[2] = {1.5, 2.5};
#pragma romdata
int main(void)
{
  unsigned char i = 2, r; int k; rom unsigned char *p = tab;
  rc += 2; CHECK(rc == 7);
  ri -= 5; CHECK(ri == 95);
  rc++; CHECK(rc == 8);
  ++ri; CHECK(ri == 96);
  r = rc++; CHECK(r == 8); CHECK(rc == 9);
  k = ri--; CHECK(k == 96); CHECK(ri == 95);
  CHECK(++rc == 10); CHECK(--ri == 94);
  k = (ri *= 2) + 1; CHECK(k == 189); CHECK(ri == 188);
  tab[i] |= 0x80; CHECK(tab[2] == 0x83);
  tab[i + 1]--; CHECK(tab[3] == 3);
  CHECK(*p++ == 1);
  (*p) <<= 2; CHECK(tab[1] == 8);
  fw += 1000; CHECK(fw == 1007);
  fb[0] += 10; CHECK(fb[0] == 4);
  CHECK(fb[1]++ == 1); CHECK(fb[1] == 2);
  CHECK(--fb[2] == 1);
  rc = 255; CHECK(rc++ == 255); CHECK(rc == 0);
  ri = 0; CHECK(ri-- == 0); CHECK(ri == -1);
  i = 0; tab[i++] += 3; CHECK(i == 1); CHECK(tab[0] == 4);
  tab[++i] <<= 1; CHECK(i == 2); CHECK(tab[2] == 6);
  fl[--i] *= 3; CHECK(i == 1); CHECK(fl[1] == -15);
  fl[i--] -= 1; CHECK(i == 0); CHECK(fl[1] == -16);
  ff[i++] -= 0.5; CHECK(i == 1); CHECK(ff[0] == 1.0);
  CHECK((ff[i--] *= 2.0) == 5.0); CHECK(i == 0);
  CHECK(ff[i++]++ == 1.0); CHECK(i == 1); CHECK(ff[0] == 2.0);
  CHECK(ff[1]-- == 5.0); CHECK(ff[1] == 4.0);
  ff[0]++; CHECK(ff[0] == 3.0);
  return CHECK_RESULT();
}
