// Returns of every width from several places in a function: early returns
// from loops and nested ifs, returns of expressions and of calls.
#include "check.h"

static signed char sign(int v) { if (v > 0) return 1; if (v < 0) return -1; return 0; }
static int find(const int *a, unsigned char n, int v)
{
  unsigned char i;
  for (i = 0; i < n; i++)
    if (a[i] == v) return i;
  return -1;
}
static unsigned int wide(unsigned char a) { return (unsigned int)a << 8 | a; }
static unsigned char narrow(unsigned int a) { return a; }
static int pass(int v) { return sign(v) * 100 + find(0, 0, v); }

int list[5];

int main(void)
{
  list[0] = 5; list[1] = -7; list[2] = 300; list[3] = 0; list[4] = 300;
  CHECK(sign(-32767) == -1); CHECK(sign(0) == 0); CHECK(sign(1) == 1);
  CHECK(find(list, 5, 300) == 2);
  CHECK(find(list, 5, 4) == -1);
  CHECK(find(list, 5, 0) == 3);
  CHECK(wide(0x5A) == 0x5A5A);
  CHECK(narrow(0x1234) == 0x34);
  CHECK(pass(-9) == -101);
  return CHECK_RESULT();
}
