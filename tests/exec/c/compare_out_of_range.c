// Comparisons of narrow variables with constants outside their range, and
// of unsigned variables with negative constants: the result is fixed by the
// types (an unsigned char is never 256 nor below 0, a signed char is never
// above 127), whatever value the variable holds, as a value and as a
// condition.
#include "check.h"

unsigned char uc_vals[] = {0, 1, 127, 128, 255};
signed char sc_vals[] = {-128, -1, 0, 1, 127};
unsigned int ui_vals[] = {0, 1, 0x7FFF, 0x8000, 0xFFFF};

int main(void)
{
  unsigned char i, hits = 0;
  for (i = 0; i < 5; i++) {
    unsigned char u = uc_vals[i];
    signed char s = sc_vals[i];
    unsigned int w = ui_vals[i];
    long l = w;
    CHECK(u != 256 && u < 256 && u <= 255 && u >= 0 && !(u > 255) && u > (int)-1);
    CHECK(s < 128 && s > -129 && s != 255 && s != -129 && s >= -128 && s <= 127);
    CHECK(w < 65536l && w > -1l && w != -1l && w != 65535l + 1);
    CHECK(l >= 0 && l <= 65535l && (l == -1) == 0);
    if (u == 256 || s == 128 || w == 65536l)
      hits++;
    if (u < 0 || s > 127 || w < 0)
      hits++;
    if (u > (int)-1)
      hits += 2;
  }
  CHECK(hits == 10);
  return CHECK_RESULT();
}
