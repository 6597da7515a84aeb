// unsigned int with short long: the 24-bit signed type holds every unsigned
// int, so the operations are signed 24-bit. Results computed on a PC.
#include "check.h"

typedef struct { unsigned int a; short long b; short long add, sub, mul, quo, rem, and, xor; unsigned char rel; short long shr; unsigned int acc; } row_t;
row_t rows[] = {
  {0, 1, 1, -1, 0, 0, 0, 0, 1, 3, 1, 1},
  {1, -1, 0, 2, -1, -1, 0, 1, -2, 0, -1, 0},
  {0x7FFF, 3, 32770l, 32764, 98301l, 10922, 1, 3, 32764, 0, 0, 0x8002u},
  {0x8000u, -8388608l, -8355840l, -8355840l, 0, 0, 32768l, 0, -8355840l, 0, -8388608l, 0x8000u},
  {0xFFFFu, -65536l, -1, 131071l, 65536l, 0, 65535l, 0, -1, 0, -512, 0xFFFFu},
  {0x1234, 8388607l, -8383949l, -8383947l, -4660, 0, 4660, 4660, 8383947l, 3, 524287l, 0x1233},
  {0xFF00u, 1193046l, 1258326l, -1127766l, 2206208l, 0, 65280l, 13312, 1231702l, 3, 1193046l, 0x3356},
  {0x5864, -3226847l, -3204219l, 3249475l, -2649884l, 0, 22628, 16416, -3237051l, 0, -201678l, 0x1B85},
};

int main(void)
{
  unsigned char i, rel;
  unsigned int a, acc;
  short long b;
  short long r;
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
