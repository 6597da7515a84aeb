// Float comparisons (<, <=, >, >=, ==, !=) as values and as conditions over a
// table: signed zeros, neighbours one unit apart, negative values (sign and
// magnitude order), subnormals, infinities. Expected relations worked out by
// hand.
#include "check.h"

typedef struct { unsigned long a, b; unsigned char rel; } row_t;
row_t rows[] = {
  {0x00000000ul, 0x80000000ul, 0x1A},
  {0x3F800000ul, 0x3F800001ul, 0x23},
  {0xBF800000ul, 0xBF800001ul, 0x2C},
  {0xC0000000ul, 0x3F800000ul, 0x23},
  {0xC0400000ul, 0xC0000000ul, 0x23},
  {0x00000001ul, 0x00000000ul, 0x2C},
  {0x80000001ul, 0x00000000ul, 0x23},
  {0x7F800000ul, 0x7F61B1E6ul, 0x2C},
  {0xFF800000ul, 0xFF61B1E6ul, 0x23},
  {0x7F800000ul, 0x7F800000ul, 0x1A},
  {0x43800000ul, 0x437FFFFFul, 0x2C},
  {0xBF000000ul, 0xBF000000ul, 0x1A},
  {0x47800000ul, 0x37800000ul, 0x2C},
};
typedef union { unsigned long u; float f; } fu_t;

int main(void)
{
  unsigned char i, rel, cond;
  fu_t a, b;
  for (i = 0; i < sizeof rows / sizeof rows[0]; i++) {
    a.u = rows[i].a; b.u = rows[i].b;
    rel = (a.f < b.f) | (a.f <= b.f) << 1 | (a.f > b.f) << 2 | (a.f >= b.f) << 3 | (a.f == b.f) << 4 | (a.f != b.f) << 5;
    CHECK(rel == rows[i].rel);
    cond = 0;
    if (a.f < b.f) cond |= 1;
    if (a.f <= b.f) cond |= 2;
    if (a.f > b.f) cond |= 4;
    if (a.f >= b.f) cond |= 8;
    if (a.f == b.f) cond |= 16;
    if (a.f != b.f) cond |= 32;
    CHECK(cond == rows[i].rel);
    CHECK((b.f > a.f) == (rel & 1) && (b.f == a.f) == !!(rel & 16));
  }
  return CHECK_RESULT();
}
