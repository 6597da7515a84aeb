// 24-bit comparisons of both signednesses over a table: values that differ in
// only one byte (each byte in turn, in its low and in its sign bit), values
// across the sign boundary, equal values; each relation used as a value and
// the unsigned ones also as conditions. Relations computed on a PC.
#include "check.h"

typedef struct { unsigned short long a, b; unsigned char s, u; } row_t;
row_t rows[] = {
  {0x73CF25ul, 0x73CF24ul, 0x2C, 0x2C},
  {0x73CF25ul, 0x73CFA5ul, 0x23, 0x23},
  {0xDDA149ul, 0xDDA049ul, 0x2C, 0x2C},
  {0xDDA149ul, 0xDD2149ul, 0x2C, 0x2C},
  {0x8F4D3Eul, 0x8E4D3Eul, 0x2C, 0x2C},
  {0x8F4D3Eul, 0xF4D3Eul, 0x23, 0x2C},
  {0, 0x800000ul, 0x2C, 0x23},
  {1, 0, 0x2C, 0x2C},
  {1, 0x800000ul, 0x2C, 0x23},
  {0xFFFFFFul, 0, 0x23, 0x2C},
  {0xFFFFFFul, 1, 0x23, 0x2C},
  {0xFFFFFFul, 0x800000ul, 0x2C, 0x2C},
  {0x800000ul, 0x7FFFFFul, 0x23, 0x2C},
  {0x7FFFFFul, 0, 0x2C, 0x2C},
  {0x123456ul, 0x123456ul, 0x1A, 0x1A},
};

static unsigned char rel_signed(short long a, short long b)
{
  return (a < b) | (a <= b) << 1 | (a > b) << 2 | (a >= b) << 3 | (a == b) << 4 | (a != b) << 5;
}

int main(void)
{
  unsigned char i, c;
  unsigned short long a, b;
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
    CHECK(((short long)b > (short long)a) == (rows[i].s & 1));
  }
  return CHECK_RESULT();
}
