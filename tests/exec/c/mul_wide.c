// 24- and 32-bit multiplication over a table: the low bits of the product for
// operands of one to four significant bytes, negative operands, powers of two
// and the boundaries; the same products through *= and by constants. Products
// computed on a PC.
#include "check.h"

typedef struct { unsigned long a, b, p32; unsigned short long p24; } row_t;
row_t rows[] = {
  {0xFFFFFFFFul, 0xFFFFFFFFul, 0x00000001ul, 0x000001ul},
  {0x00010000ul, 0x00010000ul, 0x00000000ul, 0x000000ul},
  {0x7FFFFFFFul, 0x00000002ul, 0xFFFFFFFEul, 0xFFFFFEul},
  {0x0000FFFFul, 0x0000FFFFul, 0xFFFE0001ul, 0xFE0001ul},
  {0x00000123ul, 0x00456789ul, 0x4EE4B0BBul, 0xE4B0BBul},
  {0x80000000ul, 0x00000003ul, 0x80000000ul, 0x000000ul},
  {0x000000FFul, 0x01010101ul, 0xFFFFFFFFul, 0xFFFFFFul},
  {0x12345678ul, 0x9ABCDEF0ul, 0x242D2080ul, 0x2D2080ul},
  {0xFFFFFFFDul, 0x000F4240ul, 0xFFD23940ul, 0xD23940ul},
  {0xFFFEEE90ul, 0xFFFEEE90ul, 0x24101100ul, 0x101100ul},
  {0x00FFFFFFul, 0x01000001ul, 0xFFFFFFFFul, 0xFFFFFFul},
  {0x00000001ul, 0xDEADBEEFul, 0xDEADBEEFul, 0xADBEEFul},
};

int main(void)
{
  unsigned char i;
  unsigned long a, b, p;
  short long x, y, q;
  long s;
  for (i = 0; i < sizeof rows / sizeof rows[0]; i++) {
    a = rows[i].a; b = rows[i].b;
    p = a * b; CHECK(p == rows[i].p32);
    p = b; p *= a; CHECK(p == rows[i].p32);
    s = (long)a * (long)b; CHECK((unsigned long)s == rows[i].p32);
    x = a; y = b;
    q = x * y; CHECK((unsigned short long)q == rows[i].p24);
    x *= y; CHECK((unsigned short long)x == rows[i].p24);
    CHECK(a * 10 == (a << 3) + (a << 1));
    CHECK((unsigned short long)(y * 1000) == (unsigned short long)((y << 10) - (y << 4) - (y << 3)));
  }
  return CHECK_RESULT();
}
