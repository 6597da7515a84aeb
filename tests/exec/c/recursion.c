// Recursive functions with char and int parameters and results: factorial,
// Fibonacci, greatest common divisor, a mutual recursion, and one that
// mixes parameter widths at every level.
#include "check.h"

static unsigned int fact(unsigned char n) { return n <= 1 ? 1 : n * fact(n - 1); }
static int fib(int n) { return n < 2 ? n : fib(n - 1) + fib(n - 2); }
static unsigned int gcd(unsigned int a, unsigned int b) { return b == 0 ? a : gcd(b, a % b); }
static unsigned char is_odd(unsigned char n);
static unsigned char is_even(unsigned char n) { return n == 0 ? 1 : is_odd(n - 1); }
static unsigned char is_odd(unsigned char n) { return n == 0 ? 0 : is_even(n - 1); }
static int walk(signed char step, int acc, unsigned char left)
{
  if (left == 0) return acc;
  return walk(-step, acc + step * (int)left, left - 1);
}

int main(void)
{
  CHECK(fact(0) == 1);
  CHECK(fact(5) == 120);
  CHECK(fact(8) == 40320u);
  CHECK(fib(0) == 0);
  CHECK(fib(10) == 55);
  CHECK(fib(20) == 6765);
  CHECK(gcd(48, 18) == 6);
  CHECK(gcd(65535u, 255) == 255);
  CHECK(gcd(17, 5) == 1);
  CHECK(is_even(20) == 1);
  CHECK(is_odd(21) == 1);
  CHECK(is_even(7) == 0);
  CHECK(walk(3, 0, 10) == 15);
  return CHECK_RESULT();
}
