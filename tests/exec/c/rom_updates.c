// Compound assignments, increments and decrements of rom bytes and ints,
// near and far, by constant and variable indexes and through a pointer, as
// statements and with their value used (prefix, postfix, compound, across
// wrap-around); each read back from the table.
// exec-compile: -p HR6810K
// exec-link: -p HR6810K
#include "check.h"
rom unsigned char rc = 5;
rom int ri = 100;
rom unsigned char tab[4] = {1, 2, 3, 4};
#pragma romdata high_tables = 0x10000
far rom int fw = 7;
far rom unsigned char fb[3] = {250, 1, 2};
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
  return CHECK_RESULT();
}
