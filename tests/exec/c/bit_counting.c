// Bit counting and reversal in loops at 8, 16 and 32 bits: population count,
// parity, leading zeros and bit reversal of the low byte, the low int and the
// whole long of each value. Expected values computed on a PC.
#include "check.h"

typedef struct { unsigned long v, rev32; unsigned int rev16; unsigned char rev8, pop32, clz32, clz16, par8; } row_t;
row_t rows[] = {
  {0x00000000ul, 0x00000000ul, 0x0000, 0x00, 0, 32, 16, 0},
  {0x00000001ul, 0x80000000ul, 0x8000, 0x80, 1, 31, 15, 1},
  {0x80000000ul, 0x00000001ul, 0x0000, 0x00, 1, 0, 16, 0},
  {0xFFFFFFFFul, 0xFFFFFFFFul, 0xFFFF, 0xFF, 32, 0, 0, 0},
  {0x12345678ul, 0x1E6A2C48ul, 0x1E6A, 0x1E, 13, 3, 1, 0},
  {0x00F0F00Ful, 0xF00F0F00ul, 0xF00F, 0xF0, 12, 8, 0, 0},
  {0x7FFF8001ul, 0x8001FFFEul, 0x8001, 0x80, 17, 1, 0, 1},
};

static unsigned char pop(unsigned long v) { unsigned char n = 0; while (v) { v &= v - 1; n++; } return n; }
static unsigned char lz32(unsigned long v) { unsigned char n = 32; while (v) { v >>= 1; n--; } return n; }
static unsigned char lz16(unsigned int v) { unsigned char n = 0; if (!v) return 16; while (!(v & 0x8000)) { v <<= 1; n++; } return n; }
static unsigned char parity8(unsigned char v) { v ^= v >> 4; v ^= v >> 2; v ^= v >> 1; return v & 1; }
static unsigned char rev8(unsigned char v) { unsigned char r = 0, i; for (i = 0; i < 8; i++) { r = r << 1 | (v & 1); v >>= 1; } return r; }
static unsigned int rev16(unsigned int v) { return (unsigned int)rev8(v) << 8 | rev8(v >> 8); }
static unsigned long rev32(unsigned long v)
{
  unsigned long r = 0;
  unsigned char i;
  for (i = 0; i < 32; i++, v >>= 1)
    r = (r << 1) | (v & 1);
  return r;
}

int main(void)
{
  unsigned char i;
  for (i = 0; i < sizeof rows / sizeof rows[0]; i++) {
    unsigned long v = rows[i].v;
    CHECK(pop(v) == rows[i].pop32);
    CHECK(lz32(v) == rows[i].clz32 && lz16((unsigned int)v) == rows[i].clz16);
    CHECK(parity8((unsigned char)v) == rows[i].par8);
    CHECK(rev8((unsigned char)v) == rows[i].rev8 && rev16((unsigned int)v) == rows[i].rev16);
    CHECK(rev32(v) == rows[i].rev32);
  }
  return CHECK_RESULT();
}
