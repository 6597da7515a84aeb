// Constant expressions of char constants fold to what the same operation
// computes at run time on char variables: 8 bits without integer promotion,
// 16 bits with it. 0xC8 is an unsigned char constant; a decimal 200 does not
// fit a signed char and is an int, so 200 << 1 is 400 either way. (Random
// programs wrote 200 for an unsigned char constant and reported the int
// folding as wrong.)
#include "check.h"

unsigned char u200, u100, one;
int i200, folded, computed;

int main(void)
{
  u200 = 200; u100 = 100; one = 1; i200 = 200;
  folded = 0xC8 << 1; computed = u200 << one; CHECK(folded == computed);
  folded = 0xC8 + 100; computed = u200 + u100; CHECK(folded == computed);
  folded = -(0xC8); computed = -u200; CHECK(folded == computed);
  folded = 100 * 3; computed = u100 * 3; CHECK(folded == computed);
  folded = 200 << 1; computed = i200 << one; CHECK(folded == computed && folded == 400);
  folded = -(200); computed = -i200; CHECK(folded == computed && folded == -200);
  return CHECK_RESULT();
}
