// A chain of ten functions, each calling the next with its own mix of char
// and int arguments and adding to the result on the way back.
#include "check.h"

static int f9(unsigned char a, int b) { return a + b; }
static int f8(int a, unsigned char b) { return f9(b, a) + 1; }
static int f7(unsigned char a, unsigned char b) { return f8((int)a * 2, b) + 2; }
static int f6(int a, int b) { return f7((unsigned char)a, (unsigned char)b) + 3; }
static int f5(signed char a, int b) { return f6(a, b) + a; }
static int f4(int a) { return f5(-4, a) + 4; }
static int f3(unsigned char a, int b, unsigned char c) { return f4(b + a + c) + 5; }
static int f2(int a, unsigned char b) { return f3(b, a, b) + 6; }
static int f1(unsigned char a) { return f2(1000, a) + 7; }
static int f0(void) { return f1(10) + 8; }

int main(void)
{
  CHECK(f0() == 788);
  return CHECK_RESULT();
}
