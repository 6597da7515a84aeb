// Array indexes and pointer offsets that are signed chars and negative
// ints, reaching elements before the pointer.
#include "check.h"

int table[10];
unsigned char bytes[10];

int main(void)
{
  int *mid;
  unsigned char *bm;
  signed char k;
  int n;
  unsigned char i;
  for (i = 0; i < 10; i++) { table[i] = (int)i * 3; bytes[i] = i + 100; }
  mid = &table[5]; bm = &bytes[5];
  k = -2; CHECK(mid[k] == 9); CHECK(bm[k] == 103);
  n = -5; CHECK(mid[n] == 0); CHECK(*(bm + n) == 100);
  k = 4; CHECK(mid[k] == 27);
  CHECK(*(mid - 1) == 12);
  return CHECK_RESULT();
}
