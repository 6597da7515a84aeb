// Constant expressions of char constants fold to what the same operation
// computes at run time on char variables: 8 bits without integer promotion,
// 16 bits with it. (Random programs found folded 200 << 1, 200 + 100 and
// -(200) keeping 16-bit values without promotion.)
#include "check.h"

unsigned char u200, u100, one;
int folded, computed;

int main(void)
{
  u200 = 200; u100 = 100; one = 1;
  folded = 200 << 1; computed = u200 << one; CHECK(folded == computed);
  folded = 200 + 100; computed = u200 + u100; CHECK(folded == computed);
  folded = -(200); computed = -u200; CHECK(folded == computed);
  folded = 100 * 3; computed = u100 * 3; CHECK(folded == computed);
  return CHECK_RESULT();
}
