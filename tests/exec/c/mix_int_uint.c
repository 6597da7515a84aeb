// int with unsigned int: the operations are unsigned 16-bit, so -1 compares
// above every other value and divides as 65535. Results computed on a PC.
#include "check.h"

typedef struct { int a; unsigned int b; unsigned int add, sub, mul, quo, rem, and, xor; unsigned char rel; unsigned int shr; int acc; } row_t;
row_t rows[] = {
  {0, 1, 1, 0xFFFFu, 0, 0, 0, 0, 1, 3, 1, 1},
  {1, 0xFFFFu, 0, 2, 0xFFFFu, 0, 1, 1, 0xFFFEu, 3, 0x7FFF, 0},
  {32767, 3, 0x8002u, 0x7FFC, 0x7FFD, 0x2AAA, 1, 3, 0x7FFC, 0, 0, -32766},
  {-32768, 0x8000u, 0, 0, 0, 1, 0, 0x8000u, 0, 6, 0x8000u, 0},
  {-1, 0xFF00u, 0xFEFFu, 0xFF, 0x100, 1, 0xFF, 0xFF00u, 0xFF, 0, 0x1FE, -257},
  {4660, 0x7FFF, 0x9233u, 0x9235u, 0xEDCCu, 0, 0x1234, 0x1234, 0x6DCB, 3, 0x7FF, -28109},
  {-256, 0x1234, 0x1134, 0xECCCu, 0xCC00u, 0xE, 0x28, 0x1200, 0xED34u, 0, 0x1234, 4404},
  {17852, 0x11DB, 0x5797, 0x33E1, 0x23D4, 3, 0x102B, 0x198, 0x5467, 0, 0x11D, 22423},
};

int main(void)
{
  unsigned char i, rel;
  int a, acc;
  unsigned int b;
  unsigned int r;
  for (i = 0; i < sizeof rows / sizeof rows[0]; i++) {
    a = rows[i].a; b = rows[i].b;
    r = a + b; CHECK(r == rows[i].add);
    r = a - b; CHECK(r == rows[i].sub);
    r = b * a; CHECK(r == rows[i].mul);
    r = a / b; CHECK(r == rows[i].quo);
    r = a % b; CHECK(r == rows[i].rem);
    CHECK((a & b) == rows[i].and);
    CHECK((b ^ a) == rows[i].xor);
    rel = (a < b) | (a <= b) << 1 | (b == a) << 2;
    CHECK(rel == rows[i].rel);
    CHECK((a > b) == !(rel & 2)); CHECK((b >= a) == ((rel & 2) != 0));
    CHECK((b >> ((unsigned char)a & 7)) == rows[i].shr);
    acc = a; acc += b; CHECK(acc == rows[i].acc);
  }
  return CHECK_RESULT();
}
