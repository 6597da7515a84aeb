// Saturating addition and subtraction as signal-processing firmware writes
// them, at 8, 16 and 32 bits, signed and unsigned: the wrapped result is
// compared with the operands (or computed wider) to detect the overflow.
// Expected values worked out by hand at the limits.
#include "check.h"

static unsigned char uadd8(unsigned char a, unsigned char b) { unsigned char s = a + b; return s < a ? 255 : s; }
static signed char sadd8(signed char a, signed char b)
{
  int s = (int)a + b;
  return s > 127 ? 127 : s < -128 ? -128 : (signed char)s;
}
static unsigned int usub16(unsigned int a, unsigned int b) { return a > b ? a - b : 0; }
static int sadd16(int a, int b)
{
  long s = (long)a + b;
  if (s > 32767) return 32767;
  if (s < -32768) return -32768;
  return (int)s;
}
static long sadd32(long a, long b)
{
  long s = (long)((unsigned long)a + (unsigned long)b);
  if (a >= 0 && b >= 0 && s < 0) return 0x7FFFFFFFl;
  if (a < 0 && b < 0 && s >= 0) return (-2147483647l - 1);
  return s;
}
static unsigned long uadd32(unsigned long a, unsigned long b) { unsigned long s = a + b; return s < b ? 0xFFFFFFFFul : s; }

int main(void)
{
  CHECK(uadd8(200, 55) == 255 && uadd8(200, 56) == 255 && uadd8(100, 55) == 155);
  CHECK(sadd8(100, 27) == 127 && sadd8(100, 28) == 127 && sadd8(-100, -29) == -128 && sadd8(-100, 50) == -50);
  CHECK(usub16(1000, 1001) == 0 && usub16(65535u, 1) == 65534u && usub16(0, 65535u) == 0);
  CHECK(sadd16(32000, 767) == 32767 && sadd16(32000, 768) == 32767 && sadd16(-32000, -769) == -32768);
  CHECK(sadd16(-32768, 32767) == -1 && sadd16(12345, -345) == 12000);
  CHECK(sadd32(0x7FFFFFF0l, 15) == 0x7FFFFFFFl && sadd32(0x7FFFFFF0l, 16) == 0x7FFFFFFFl);
  CHECK(sadd32(-2147483647l, -2) == (-2147483647l - 1) && sadd32(-2147483647l, -1) == (-2147483647l - 1));
  CHECK(sadd32(-100000l, 99999l) == -1 && sadd32(0x40000000l, 0x40000000l) == 0x7FFFFFFFl);
  CHECK(uadd32(0xFFFFFFFEul, 1) == 0xFFFFFFFFul && uadd32(0xFFFFFFFEul, 2) == 0xFFFFFFFFul);
  CHECK(uadd32(0x80000000ul, 0x7FFFFFFFul) == 0xFFFFFFFFul && uadd32(0x00FFFFFFul, 1) == 0x01000000ul);
  return CHECK_RESULT();
}
