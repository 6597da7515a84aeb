// A byte store of a shift xor-ed with && whose right side calls a function:
// random programs found that the branch resolution stopped the compiler
// with an internal error on it.
#include "check.h"

signed char c1, c2;
unsigned char u1, arr[8];

static unsigned char f2(unsigned char p) { return p; }

int main(void)
{
  c1 = 2; c2 = -16; u1 = 1;
  arr[5] = (c2 >> c1) ^ (u1 && f2(1));
  CHECK(arr[5] == 0xFD);
  u1 = 0;
  arr[5] = (c2 >> c1) ^ (u1 && f2(1));
  CHECK(arr[5] == 0xFC);
  return CHECK_RESULT();
}
