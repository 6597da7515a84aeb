// unsigned char with int: zero extension to 16 bits, signed operations (0xFF
// is 255, not -1). Results computed on a PC.
#include "check.h"

typedef struct { unsigned char a; int b; int add, sub, mul, quo, rem, and, xor; unsigned char rel; int shr; unsigned char acc; } row_t;
row_t rows[] = {
  {0, 1, 1, -1, 0, 0, 0, 0, 1, 3, 1, 1},
  {1, -1, 0, 2, -1, -1, 0, 1, -2, 0, -1, 0},
  {0x7F, 3, 130, 124, 381, 42, 1, 3, 124, 0, 0, 0x82},
  {0x80, -32768, -32640, -32640, 0, 0, 128, 0, -32640, 0, -32768, 0x80},
  {0xFF, -256, -1, 511, 256, 0, 255, 0, -1, 0, -2, 0xFF},
  {0x5A, 32767, -32679, -32677, -90, 0, 90, 90, 32677, 3, 8191, 0x59},
  {0xC6, 4660, 4858, -4462, 5176, 0, 198, 4, 4850, 3, 72, 0xFA},
  {0x8E, 26781, 26923, -26639, 1814, 0, 142, 140, 26643, 3, 418, 0x2B},
};

int main(void)
{
  unsigned char i, rel;
  unsigned char a, acc;
  int b;
  int r;
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
