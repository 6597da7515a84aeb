// An array of 100 unsigned longs (400 bytes, so it crosses a bank boundary
// and one element may have bytes in two banks) filled, summed and updated
// by int index, by char index and through a walking pointer; compound
// assignments and increments on elements on both sides of the boundary.
#include "check.h"

#pragma udata big_longs
unsigned long table[100];
#pragma udata

int main(void)
{
  unsigned int i;
  unsigned char k;
  unsigned long sum = 0, *p;
  for (i = 0; i < 100; i++)
    table[i] = (unsigned long)i * 0x01010101ul;
  for (k = 0; k < 100; k++)
    sum += table[k];
  CHECK(sum == 4950ul * 0x01010101ul);
  sum = 0;
  for (p = table; p < table + 100; p++)
    sum = sum * 3 + *p;
  CHECK(sum == 0x0894C6C2ul);
  for (i = 60; i < 70; i++) {
    table[i] += 0x00FF00FFul;
    table[i] *= 2;
    ++table[i];
  }
  for (i = 60; i < 70; i++)
    CHECK(table[i] == ((i * 0x01010101ul + 0x00FF00FFul) << 1) + 1);
  CHECK(table[59] == 59 * 0x01010101ul && table[70] == 70 * 0x01010101ul);
  p = &table[99];
  *p-- -= 1;
  *p |= 0x80000000ul;
  CHECK(table[99] == 99 * 0x01010101ul - 1 && table[98] == (98 * 0x01010101ul | 0x80000000ul));
  return CHECK_RESULT();
}
