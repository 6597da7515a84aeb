// unsigned char operands with long ones: the char is zero-extended and every
// operation is done in 32 bits, signed. Results computed on a PC.
#include "check.h"

typedef struct { unsigned char a; long b; long add, sub, mul, quo, rem, and, xor; unsigned char rel; long shr; unsigned char acc; } row_t;
row_t rows[] = {
  {0, 1, 1, -1, 0, 0, 0, 0, 1, 3, 1, 1},
  {1, -1, 0, 2, -1, -1, 0, 1, -2, 0, -1, 0},
  {0x7F, 3, 130, 124, 381, 42, 1, 3, 124, 0, 0, 0x82},
  {0x80, (-2147483647l - 1), -2147483520l, -2147483520l, 0, 0, 128, 0, -2147483520l, 0, (-2147483647l - 1), 0x80},
  {0xFF, -65536l, -65281l, 65791l, -16711680l, 0, 255, 0, -65281l, 0, -512, 0xFF},
  {0x5A, 2147483647l, -2147483559l, -2147483557l, -90, 0, 90, 90, 2147483557l, 3, 536870911l, 0x59},
  {0xE1, 305419896l, 305420121l, -305419671l, -136, 0, 225, 96, 305419929l, 3, 152709948l, 0x59},
  {0x16, 244167821l, 244167843l, -244167799l, 1076724766l, 0, 22, 4, 244167835l, 3, 3815122l, 0xA3},
};

int main(void)
{
  unsigned char i, rel;
  unsigned char a, acc;
  long b;
  long r;
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
