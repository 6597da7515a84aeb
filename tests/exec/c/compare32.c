// 32-bit comparisons of both signednesses over a table: values that differ in
// only one byte (each byte in turn, in its low and in its sign bit), values
// across the sign boundary, equal values; each relation used as a value and
// the unsigned ones also as conditions. Relations computed on a PC.
#include "check.h"

typedef struct { unsigned long a, b; unsigned char s, u; } row_t;
row_t rows[] = {
  {0xD4EA65D0ul, 0xD4EA65D1ul, 0x23, 0x23},
  {0xD4EA65D0ul, 0xD4EA6550ul, 0x2C, 0x2C},
  {0x8743FEB6ul, 0x8743FFB6ul, 0x23, 0x23},
  {0x8743FEB6ul, 0x87437EB6ul, 0x2C, 0x2C},
  {0x102B938Bul, 0x102A938Bul, 0x2C, 0x2C},
  {0x102B938Bul, 0x10AB938Bul, 0x23, 0x23},
  {0xF3EBDD3ul, 0xE3EBDD3ul, 0x2C, 0x2C},
  {0xF3EBDD3ul, 0x8F3EBDD3ul, 0x2C, 0x23},
  {0, 1, 0x23, 0x23},
  {1, 0, 0x2C, 0x2C},
  {1, 0x80000000ul, 0x2C, 0x23},
  {1, 0x7FFFFFFFul, 0x23, 0x23},
  {0xFFFFFFFFul, 0, 0x23, 0x2C},
  {0xFFFFFFFFul, 1, 0x23, 0x2C},
  {0xFFFFFFFFul, 0x80000000ul, 0x2C, 0x2C},
  {0x80000000ul, 0, 0x23, 0x2C},
  {0x80000000ul, 0x7FFFFFFFul, 0x23, 0x2C},
  {0x7FFFFFFFul, 0, 0x2C, 0x2C},
  {0x7FFFFFFFul, 0x80000000ul, 0x2C, 0x23},
  {0x123456ul, 0x123456ul, 0x1A, 0x1A},
};

static unsigned char rel_signed(long a, long b)
{
  return (a < b) | (a <= b) << 1 | (a > b) << 2 | (a >= b) << 3 | (a == b) << 4 | (a != b) << 5;
}

int main(void)
{
  unsigned char i, c;
  unsigned long a, b;
  for (i = 0; i < sizeof rows / sizeof rows[0]; i++) {
    a = rows[i].a; b = rows[i].b;
    CHECK(rel_signed(a, b) == rows[i].s);
    c = 0;
    if (a < b) c |= 1;
    if (a <= b) c |= 2;
    if (a > b) c |= 4;
    if (a >= b) c |= 8;
    if (a == b) c |= 16;
    if (a != b) c |= 32;
    CHECK(c == rows[i].u);
    CHECK(((long)b > (long)a) == (rows[i].s & 1));
  }
  return CHECK_RESULT();
}
