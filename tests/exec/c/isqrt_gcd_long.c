// Integer square roots of unsigned longs by the bit-by-bit method, and
// greatest common divisors and least common multiples by Euclid's algorithm on
// unsigned longs (the run-time modulo and division in loops). Expected values
// computed on a PC.
#include "check.h"

unsigned long roots_of[] = {0ul, 1ul, 2ul, 3ul, 4ul, 15ul, 16ul, 65535ul, 65536ul, 1000000ul, 2147483647ul, 4294967295ul, 4294836225ul, 123456789ul};
unsigned int roots[] = {0u, 1u, 1u, 1u, 2u, 3u, 4u, 255u, 256u, 1000u, 46340u, 65535u, 65535u, 11111u};
unsigned long pairs[][4] = {
  {0ul, 5ul, 5ul, 0ul},
  {48ul, 18ul, 6ul, 144ul},
  {4294967295ul, 65535ul, 65535ul, 4294967295ul},
  {2147483648ul, 1048576ul, 1048576ul, 2147483648ul},
  {1234567890ul, 987654321ul, 9ul, 3743134242ul},
  {196611ul, 458759ul, 65537ul, 1376277ul},
  {17ul, 19ul, 1ul, 323ul},
};

static unsigned int isqrt(unsigned long v)
{
  unsigned long r = 0, bit = 1ul << 30;
  while (bit > v)
    bit >>= 2;
  while (bit) {
    if (v >= r + bit) {
      v -= r + bit;
      r = (r >> 1) + bit;
    } else {
      r >>= 1;
    }
    bit >>= 2;
  }
  return (unsigned int)r;
}

static unsigned long gcd(unsigned long a, unsigned long b)
{
  while (b) {
    unsigned long t = a % b;
    a = b;
    b = t;
  }
  return a;
}

int main(void)
{
  unsigned char i;
  for (i = 0; i < sizeof roots / sizeof roots[0]; i++)
    CHECK(isqrt(roots_of[i]) == roots[i]);
  for (i = 0; i < sizeof pairs / sizeof pairs[0]; i++) {
    unsigned long g = gcd(pairs[i][0], pairs[i][1]);
    CHECK(g == pairs[i][2]);
    CHECK((g ? pairs[i][0] / g * pairs[i][1] : 0) == pairs[i][3]);
  }
  return CHECK_RESULT();
}
