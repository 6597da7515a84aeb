// Taking 16-bit values apart into bytes and putting them together again:
// shifts by 8, masks, casts and byte swaps.
#include "check.h"

static unsigned int swap(unsigned int v) { return (v << 8) | (v >> 8); }
static unsigned int join(unsigned char hi, unsigned char lo) { return ((unsigned int)hi << 8) | lo; }

int main(void)
{
  unsigned int v;
  unsigned char hi, lo;
  v = 0xBEEF;
  hi = v >> 8; lo = v & 0xFF;
  CHECK(hi == 0xBE); CHECK(lo == 0xEF);
  CHECK(swap(v) == 0xEFBE);
  CHECK(join(hi, lo) == v);
  CHECK(join(lo, hi) == swap(v));
  CHECK(swap(swap(0x1234)) == 0x1234);
  v = join(0x80, 0x01);
  CHECK((int)v < 0);
  CHECK((unsigned char)(v >> 4) == 0x00);
  CHECK((unsigned char)(v >> 1) == 0x00);
  CHECK((unsigned char)(v >> 12) == 0x08);
  return CHECK_RESULT();
}
