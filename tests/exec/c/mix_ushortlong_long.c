// unsigned short long with long: long holds every 24-bit unsigned value, so
// the operations are signed 32-bit. Results computed on a PC.
#include "check.h"

typedef struct { unsigned short long a; long b; long add, sub, mul, quo, rem, and, xor; unsigned char rel; long shr; unsigned short long acc; } row_t;
row_t rows[] = {
  {0, 1, 1, -1, 0, 0, 0, 0, 1, 3, 1, 1},
  {1, -1, 0, 2, -1, -1, 0, 1, -2, 0, -1, 0},
  {0x7FFFFFul, 3, 8388610l, 8388604l, 25165821l, 2796202l, 1, 3, 8388604l, 0, 0, 0x800002ul},
  {0x800000ul, (-2147483647l - 1), -2139095040l, -2139095040l, 0, 0, 8388608l, 0, -2139095040l, 0, (-2147483647l - 1), 0x800000ul},
  {0xFFFFFFul, -65536l, 16711679l, 16842751l, 65536l, -255, 65535l, 16711680l, -16711681l, 0, -512, 0xFEFFFFul},
  {0x123456ul, 2147483647l, -2146290603l, -2146290601l, -1193046l, 0, 1193046l, 1193046l, 2146290601l, 3, 33554431l, 0x123455ul},
  {0xFF0000ul, 305419896l, 322131576l, -288708216l, 562561024l, 0, 16711680l, 3407872l, 315315832l, 3, 305419896l, 0x335678ul},
  {0x708BC5ul, -1866636826l, -1859261013l, 1874012639l, 176437246l, 0, 7375813l, 3146180l, -1865553373l, 0, -58332401l, 0x2DEDABul},
};

int main(void)
{
  unsigned char i, rel;
  unsigned short long a, acc;
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
