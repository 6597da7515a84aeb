// Calls whose arguments are calls, results of calls used in expressions
// with values that must survive the inner calls (temporaries saved around
// calls).
#include "check.h"

unsigned char depth;

static int add(int a, int b) { return a + b; }
static int mul(int a, int b) { return a * b; }
static unsigned char inc(unsigned char a) { depth++; return a + 1; }

int main(void)
{
  int x;
  unsigned char c;
  CHECK(add(mul(3, 4), mul(5, 6)) == 42);
  CHECK(add(add(add(1, 2), 3), add(4, add(5, 6))) == 21);
  x = mul(add(2, 3), add(4, 5)) - add(1, 1);
  CHECK(x == 43);
  x = 100;
  x = x + mul(x, 2) + add(x, -50);
  CHECK(x == 350);
  depth = 0;
  c = inc(inc(inc(inc(0))));
  CHECK(c == 4); CHECK(depth == 4);
  c = inc(1) + inc(2) * inc(3);
  CHECK(c == 14);
  x = (add(1, 2) > add(0, 2)) ? mul(7, 7) : 0;
  CHECK(x == 49);
  return CHECK_RESULT();
}
