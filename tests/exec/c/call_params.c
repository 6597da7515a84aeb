// Calls with char, int and mixed parameters in every order: each parameter
// arrives at its own place in the frame and results come back in W (char)
// and PRODH:PRODL (int).
#include "check.h"

static unsigned char c1(unsigned char a) { return a + 1; }
static unsigned char c3(unsigned char a, unsigned char b, unsigned char c) { return a - b - c; }
static int i1(int a) { return a - 1; }
static int i3(int a, int b, int c) { return a * 100 + b * 10 + c; }
static int mix1(unsigned char a, int b) { return b - a; }
static int mix2(int a, unsigned char b) { return a - b; }
static int mix3(signed char a, int b, unsigned char c, int d) { return a + b * 2 + (int)c * 3 + d * 4; }
static void none(void) {}
static unsigned char noargs(void) { return 77; }

int main(void)
{
  CHECK(c1(255) == 0);
  CHECK(c1(41) == 42);
  CHECK(c3(100, 30, 20) == 50);
  CHECK(c3(0, 1, 1) == 254);
  CHECK(i1(0) == -1);
  CHECK(i1(-32767) == -32767 - 1);
  CHECK(i3(1, 2, 3) == 123);
  CHECK(i3(-1, -2, -3) == -123);
  CHECK(mix1(10, 1000) == 990);
  CHECK(mix2(1000, 10) == 990);
  CHECK(mix3(-1, 1000, 200, -2) == 2591);
  none();
  CHECK(noargs() == 77);
  return CHECK_RESULT();
}
