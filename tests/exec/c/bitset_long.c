// A set of 32 flags in an unsigned long: bits set, cleared, toggled and
// tested by variable positions (1ul << n for every n), union, intersection
// and difference of sets, the count of members and the lowest member found
// by a loop; and a 24-bit set in a short long for positions up to 23.
#include "check.h"

static unsigned char count(unsigned long s) { unsigned char n = 0; for (; s; s >>= 1) n += (unsigned char)s & 1; return n; }
static signed char lowest(unsigned long s) { signed char n = 0; if (!s) return -1; while (!(s & 1)) { s >>= 1; n++; } return n; }

int main(void)
{
  unsigned long a = 0, b = 0;
  unsigned short long m = 0;
  unsigned char n;
  for (n = 0; n < 32; n += 3)
    a |= 1ul << n;
  CHECK(a == 0x49249249ul && count(a) == 11);
  for (n = 1; n < 32; n += 2)
    b |= 1ul << n;
  CHECK(b == 0xAAAAAAAAul);
  CHECK((a & b) == 0x08208208ul && (a | b) == 0xEBAEBAEBul && (a & ~b) == 0x41041041ul);
  for (n = 0; n < 32; n++)
    if (a & 1ul << n)
      b ^= 1ul << n;
  CHECK(b == (0xAAAAAAAAul ^ 0x49249249ul));
  b &= ~(1ul << 31);
  b &= ~(1ul << 1);
  CHECK(b == 0x638E38E1ul && lowest(b) == 0 && lowest(b & ~1ul) == 5 && lowest(0) == -1 && lowest(0x80000000ul) == 31);
  for (n = 0; n < 24; n += 5)
    m |= (unsigned short long)1 << n;
  CHECK(m == 0x108421ul && count(m) == 5 && !(m & (unsigned short long)1 << 23));
  return CHECK_RESULT();
}
