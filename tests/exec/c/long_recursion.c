// Recursive functions with long and short long parameters and results:
// modular exponentiation by squaring, the sum of digits of a long, a
// recursive binary-to-Gray-code walk, and the Ackermann function for small
// arguments (recursion within the return stack's depth). Expected values
// computed on a PC. The frames take more than a bank: a large stack.
// exec-compile: -ls
// exec-link: --stack 512
#include "check.h"

static unsigned long mulmod(unsigned long a, unsigned long b, unsigned long m)
{
  unsigned long r = 0;
  a %= m;
  while (b) {
    if (b & 1)
      r = (r + a) % m;
    a = (a << 1) % m;
    b >>= 1;
  }
  return r;
}

static unsigned long powmod(unsigned long b, unsigned long e, unsigned long m)
{
  unsigned long h;
  if (e == 0)
    return 1 % m;
  h = powmod(b, e >> 1, m);
  h = mulmod(h, h, m);
  return e & 1 ? mulmod(h, b, m) : h;
}

static unsigned char digit_sum(long v) { return v < 0 ? digit_sum(-v) : v < 10 ? (unsigned char)v : (unsigned char)(v % 10) + digit_sum(v / 10); }

static short long gray_sum(short long n) { return n == 0 ? 0 : (n ^ (n >> 1)) + gray_sum(n - 1); }

static long ackermann(long m, long n)
{
  if (m == 0) return n + 1;
  if (n == 0) return ackermann(m - 1, 1);
  return ackermann(m - 1, ackermann(m, n - 1));
}

int main(void)
{
  CHECK(powmod(2, 10, 1000000007ul) == 1024);
  CHECK(powmod(3, 200, 1000000007ul) == 136318165ul);
  CHECK(powmod(0xFFFFFFFFul, 0xFFFFul, 65521ul) == 44252ul);
  CHECK(digit_sum(-2147483647l) == 46 && digit_sum(999999999l) == 81);
  CHECK(gray_sum(20) == 252);
  CHECK(ackermann(2, 3) == 9 && ackermann(1, 10) == 12);
  return CHECK_RESULT();
}
