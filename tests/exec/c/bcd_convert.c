// Packed BCD: unsigned ints below 10000 and unsigned longs below 100000000
// converted to packed BCD by division by ten and shifts, and back by
// multiplication; the BCD of a number reads as the number in hexadecimal,
// which gives the expected values.
#include "check.h"

unsigned int bin16[] = {0, 9, 10, 99, 100, 1234, 9999};
unsigned int bcd16[] = {0x0, 0x9, 0x10, 0x99, 0x100, 0x1234, 0x9999};
unsigned long bin32[] = {0ul, 12345678ul, 99999999ul, 10000000ul, 4294967ul, 5419896ul};
unsigned long bcd32[] = {0x0ul, 0x12345678ul, 0x99999999ul, 0x10000000ul, 0x4294967ul, 0x5419896ul};

static unsigned int to_bcd16(unsigned int v)
{
  unsigned int r = 0;
  unsigned char shift = 0;
  while (v) {
    r |= (v % 10) << shift;
    v /= 10;
    shift += 4;
  }
  return r;
}

static unsigned long to_bcd32(unsigned long v)
{
  unsigned long r = 0;
  unsigned char shift;
  for (shift = 0; v; shift += 4, v /= 10)
    r |= (unsigned long)(unsigned char)(v % 10) << shift;
  return r;
}

static unsigned long from_bcd32(unsigned long b)
{
  unsigned long r = 0;
  signed char shift;
  for (shift = 28; shift >= 0; shift -= 4)
    r = r * 10 + ((b >> shift) & 0x0F);
  return r;
}

int main(void)
{
  unsigned char i;
  for (i = 0; i < sizeof bin16 / sizeof bin16[0]; i++) {
    CHECK(to_bcd16(bin16[i]) == bcd16[i]);
    CHECK(from_bcd32(bcd16[i]) == bin16[i]);
  }
  for (i = 0; i < sizeof bin32 / sizeof bin32[0]; i++) {
    CHECK(to_bcd32(bin32[i]) == bcd32[i]);
    CHECK(from_bcd32(bcd32[i]) == bin32[i]);
  }
  return CHECK_RESULT();
}
