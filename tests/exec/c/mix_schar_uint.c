// signed char with unsigned int: the char is sign-extended to 16 bits, then
// the operations are unsigned. Results computed on a PC.
#include "check.h"

typedef struct { signed char a; unsigned int b; unsigned int add, sub, mul, quo, rem, and, xor; unsigned char rel; unsigned int shr; signed char acc; } row_t;
row_t rows[] = {
  {0, 1, 1, 0xFFFFu, 0, 0, 0, 0, 1, 3, 1, 1},
  {1, 0xFFFFu, 0, 2, 0xFFFFu, 0, 1, 1, 0xFFFEu, 3, 0x7FFF, 0},
  {127, 3, 0x82, 0x7C, 0x17D, 0x2A, 1, 3, 0x7C, 0, 0, -126},
  {-128, 0x8000u, 0x7F80, 0x7F80, 0, 1, 0x7F80, 0x8000u, 0x7F80, 0, 0x8000u, -128},
  {-1, 0xFF00u, 0xFEFFu, 0xFF, 0x100, 1, 0xFF, 0xFF00u, 0xFF, 0, 0x1FE, -1},
  {90, 0x7FFF, 0x8059u, 0x805Bu, 0xFFA6u, 0, 0x5A, 0x5A, 0x7FA5, 3, 0x1FFF, 89},
  {103, 0x1234, 0x129B, 0xEE33u, 0x52EC, 0, 0x67, 0x24, 0x1253, 3, 0x24, -101},
  {85, 0x8876u, 0x88CBu, 0x77DF, 0x4F2E, 0, 0x55, 0x54, 0x8823u, 3, 0x443, -53},
};

int main(void)
{
  unsigned char i, rel;
  signed char a, acc;
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
