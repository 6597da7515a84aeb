// Results of comparisons and logical operators used as numbers (0 or 1),
// stored into char and int variables and summed.
#include "check.h"

unsigned char c;
int i, a, b;

int main(void)
{
  a = -5; b = 300;
  i = (a < b) + (a > b) + (a == -5) + (b != 300) + (a <= -5) + (b >= 301);
  CHECK(i == 3);
  c = (unsigned char)(a < 0) * 10 + (unsigned char)(b > 255);
  CHECK(c == 11);
  i = !a + !b + !0 + !!b;
  CHECK(i == 2);
  c = (a && b) + (a || 0) + (0 && b);
  CHECK(c == 2);
  i = -(a < b);
  CHECK(i == -1);
  return CHECK_RESULT();
}
