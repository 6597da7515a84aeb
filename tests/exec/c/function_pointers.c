// Function pointers: held in globals, locals and arrays, passed as
// arguments, called with char and int arguments and results.
#include "check.h"

static int add(int a, int b) { return a + b; }
static int sub(int a, int b) { return a - b; }
static int mul(int a, int b) { return a * b; }
static unsigned char half(unsigned char a) { return a >> 1; }

int (*op)(int, int);
int (*table[3])(int, int);

static int apply(int (*f)(int, int), int a, int b) { return f(a, b); }

int main(void)
{
  int (*local)(int, int);
  unsigned char (*h)(unsigned char);
  unsigned char i;
  int r;
  op = add; CHECK(op(2, 3) == 5);
  op = sub; CHECK(op(2, 3) == -1);
  local = mul; CHECK(local(-4, 5) == -20);
  CHECK(apply(add, 100, 200) == 300);
  CHECK(apply(local, 30, 30) == 900);
  table[0] = add; table[1] = sub; table[2] = mul;
  r = 1;
  for (i = 0; i < 3; i++) r = table[i](r, 3);
  CHECK(r == 3);
  h = half; CHECK(h(200) == 100); CHECK((*h)(7) == 3);
  CHECK(table[2](table[0](1, 2), table[1](10, 4)) == 18);
  CHECK(local == mul); CHECK(op != local);
  return CHECK_RESULT();
}
