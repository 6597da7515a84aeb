// The conditional operator with char and int arms, nested, as an argument
// and with conditions of every kind.
#include "check.h"

unsigned char a, b, r;
int s, t, q;

static int twice(int v) { return v + v; }

int main(void)
{
  a = 5; b = 9;
  r = a > b ? a : b; CHECK(r == 9);
  r = a < b ? a : b; CHECK(r == 5);
  s = -4; t = 3;
  q = s < t ? s : t; CHECK(q == -4);
  q = s > 0 ? 1 : s < 0 ? -1 : 0; CHECK(q == -1);
  s = 0; q = s > 0 ? 1 : s < 0 ? -1 : 0; CHECK(q == 0);
  q = twice(a ? 300 : 400); CHECK(q == 600);
  q = (a == 5 && b == 9) ? 1000 : 2000; CHECK(q == 1000);
  r = a ? b ? 1 : 2 : 3; CHECK(r == 1);
  b = 0; r = a ? b ? 1 : 2 : 3; CHECK(r == 2);
  return CHECK_RESULT();
}
