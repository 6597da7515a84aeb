// long variables compared with constants whose bytes are 0x00 and 0xFF in
// various places (0, -1, 0xFFFF, 0x10000, the extremes, 0xFF, -256, 0xFF0000),
// each relation as a value, over values next to each constant. Expected
// relations computed on a PC.
#include "check.h"

long vals[] = {0, -1, 1, 65535l, 65536l, 2147483647l, (-2147483647l - 1), 255, 256, -256, -257, 16711680l, 16711679l};
/* per value, one bit per (constant, relation) */
unsigned long expect[][2] = {
  {0x238E3B1Aul, 0x0023B23Bul},
  {0x238E36A3ul, 0x0023B23Bul},
  {0x238E3B2Cul, 0x0023B23Bul},
  {0x238DAB2Cul, 0x0023B2CBul},
  {0x236ACB2Cul, 0x0023B2CBul},
  {0x1AB2CB2Cul, 0x002CB2CBul},
  {0xA38E38E3ul, 0x00238E36ul},
  {0x238E3B2Cul, 0x0023B1ABul},
  {0x238E3B2Cul, 0x0023B2CBul},
  {0x238E38E3ul, 0x00236A3Bul},
  {0x238E38E3ul, 0x00238E3Bul},
  {0x23B2CB2Cul, 0x001AB2CBul},
  {0x23B2CB2Cul, 0x0023B2CBul},
};

static unsigned char got(unsigned char k, unsigned char rel, unsigned char i)
{
  return (unsigned char)(expect[i][k / 32] >> (k % 32)) & 1;
}

int main(void)
{
  unsigned char i;
  for (i = 0; i < sizeof vals / sizeof vals[0]; i++) {
    long v = vals[i];
    CHECK((v < 0) == got(0, 0, i) && (v <= 0) == got(1, 1, i) && (v > 0) == got(2, 2, i));
    CHECK((v >= 0) == got(3, 3, i) && (v == 0) == got(4, 4, i) && (v != 0) == got(5, 5, i));
    CHECK((v < -1) == got(6, 0, i) && (v <= -1) == got(7, 1, i) && (v > -1) == got(8, 2, i));
    CHECK((v >= -1) == got(9, 3, i) && (v == -1) == got(10, 4, i) && (v != -1) == got(11, 5, i));
    CHECK((v < 65535l) == got(12, 0, i) && (v <= 65535l) == got(13, 1, i) && (v > 65535l) == got(14, 2, i));
    CHECK((v >= 65535l) == got(15, 3, i) && (v == 65535l) == got(16, 4, i) && (v != 65535l) == got(17, 5, i));
    CHECK((v < 65536l) == got(18, 0, i) && (v <= 65536l) == got(19, 1, i) && (v > 65536l) == got(20, 2, i));
    CHECK((v >= 65536l) == got(21, 3, i) && (v == 65536l) == got(22, 4, i) && (v != 65536l) == got(23, 5, i));
    CHECK((v < 2147483647l) == got(24, 0, i) && (v <= 2147483647l) == got(25, 1, i) && (v > 2147483647l) == got(26, 2, i));
    CHECK((v >= 2147483647l) == got(27, 3, i) && (v == 2147483647l) == got(28, 4, i) && (v != 2147483647l) == got(29, 5, i));
    CHECK((v < (-2147483647l - 1)) == got(30, 0, i) && (v <= (-2147483647l - 1)) == got(31, 1, i) && (v > (-2147483647l - 1)) == got(32, 2, i));
    CHECK((v >= (-2147483647l - 1)) == got(33, 3, i) && (v == (-2147483647l - 1)) == got(34, 4, i) && (v != (-2147483647l - 1)) == got(35, 5, i));
    CHECK((v < 255) == got(36, 0, i) && (v <= 255) == got(37, 1, i) && (v > 255) == got(38, 2, i));
    CHECK((v >= 255) == got(39, 3, i) && (v == 255) == got(40, 4, i) && (v != 255) == got(41, 5, i));
    CHECK((v < -256) == got(42, 0, i) && (v <= -256) == got(43, 1, i) && (v > -256) == got(44, 2, i));
    CHECK((v >= -256) == got(45, 3, i) && (v == -256) == got(46, 4, i) && (v != -256) == got(47, 5, i));
    CHECK((v < 16711680l) == got(48, 0, i) && (v <= 16711680l) == got(49, 1, i) && (v > 16711680l) == got(50, 2, i));
    CHECK((v >= 16711680l) == got(51, 3, i) && (v == 16711680l) == got(52, 4, i) && (v != 16711680l) == got(53, 5, i));
  }
  return CHECK_RESULT();
}
