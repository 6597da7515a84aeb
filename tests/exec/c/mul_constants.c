// 16-bit multiplication by the constants code generators special-case
// (2, 3, 5, 7, 10, 16, 255, 256, 257) against repeated addition.
#include "check.h"

static unsigned int by_adding(unsigned int v, unsigned int k)
{
  unsigned int r;
  r = 0;
  while (k--) r += v;
  return r;
}

int main(void)
{
  unsigned int v;
  unsigned char i;
  for (i = 0; i < 4; i++) {
    v = 0x1357 + i * 1111u;
    CHECK(v * 2 == by_adding(v, 2));
    CHECK(v * 3 == by_adding(v, 3));
    CHECK(v * 5 == by_adding(v, 5));
    CHECK(v * 7 == by_adding(v, 7));
    CHECK(v * 10 == by_adding(v, 10));
    CHECK(v * 16 == by_adding(v, 16));
    CHECK(v * 255 == by_adding(v, 255));
    CHECK(v * 256 == by_adding(v, 256));
    CHECK(v * 257 == by_adding(v, 257));
  }
  return CHECK_RESULT();
}
