// unsigned short long variables compared with constants whose bytes are 0x00
// and 0xFF in various places (0, 1, 0xFFFF, 0x10000, 0xFFFFFF, 0x800000,
// 0xFF00), each relation as a value, over values next to each constant.
// Expected relations computed on a PC.
#include "check.h"

unsigned short long vals[] = {0, 1, 2, 0xFFFFu, 0x10000ul, 0xFFFFFFul, 0xFFFFFEul, 0x7FFFFFul, 0x800000ul, 0xFF00u, 0xFEFFu, 0xFF01u};
/* per value, one bit per (constant, relation) */
unsigned long expect[][2] = {
  {0xE38E38DAul, 0x00008E38ul},
  {0xE38E36ACul, 0x00008E38ul},
  {0xE38E3B2Cul, 0x00008E38ul},
  {0xE38DAB2Cul, 0x0000B2C8ul},
  {0xE36ACB2Cul, 0x0000B2C8ul},
  {0x1AB2CB2Cul, 0x0000B2CBul},
  {0x23B2CB2Cul, 0x0000B2CBul},
  {0xE3B2CB2Cul, 0x0000B2C8ul},
  {0xA3B2CB2Cul, 0x0000B2C6ul},
  {0xE38E3B2Cul, 0x000069A8ul},
  {0xE38E3B2Cul, 0x00008E38ul},
  {0xE38E3B2Cul, 0x0000B2C8ul},
};

static unsigned char got(unsigned char k, unsigned char rel, unsigned char i)
{
  return (unsigned char)(expect[i][k / 32] >> (k % 32)) & 1;
}

int main(void)
{
  unsigned char i;
  for (i = 0; i < sizeof vals / sizeof vals[0]; i++) {
    unsigned short long v = vals[i];
    CHECK((v < 0) == got(0, 0, i) && (v <= 0) == got(1, 1, i) && (v > 0) == got(2, 2, i));
    CHECK((v >= 0) == got(3, 3, i) && (v == 0) == got(4, 4, i) && (v != 0) == got(5, 5, i));
    CHECK((v < 1) == got(6, 0, i) && (v <= 1) == got(7, 1, i) && (v > 1) == got(8, 2, i));
    CHECK((v >= 1) == got(9, 3, i) && (v == 1) == got(10, 4, i) && (v != 1) == got(11, 5, i));
    CHECK((v < 0xFFFFu) == got(12, 0, i) && (v <= 0xFFFFu) == got(13, 1, i) && (v > 0xFFFFu) == got(14, 2, i));
    CHECK((v >= 0xFFFFu) == got(15, 3, i) && (v == 0xFFFFu) == got(16, 4, i) && (v != 0xFFFFu) == got(17, 5, i));
    CHECK((v < 0x10000ul) == got(18, 0, i) && (v <= 0x10000ul) == got(19, 1, i) && (v > 0x10000ul) == got(20, 2, i));
    CHECK((v >= 0x10000ul) == got(21, 3, i) && (v == 0x10000ul) == got(22, 4, i) && (v != 0x10000ul) == got(23, 5, i));
    CHECK((v < 0xFFFFFFul) == got(24, 0, i) && (v <= 0xFFFFFFul) == got(25, 1, i) && (v > 0xFFFFFFul) == got(26, 2, i));
    CHECK((v >= 0xFFFFFFul) == got(27, 3, i) && (v == 0xFFFFFFul) == got(28, 4, i) && (v != 0xFFFFFFul) == got(29, 5, i));
    CHECK((v < 0x800000ul) == got(30, 0, i) && (v <= 0x800000ul) == got(31, 1, i) && (v > 0x800000ul) == got(32, 2, i));
    CHECK((v >= 0x800000ul) == got(33, 3, i) && (v == 0x800000ul) == got(34, 4, i) && (v != 0x800000ul) == got(35, 5, i));
    CHECK((v < 0xFF00u) == got(36, 0, i) && (v <= 0xFF00u) == got(37, 1, i) && (v > 0xFF00u) == got(38, 2, i));
    CHECK((v >= 0xFF00u) == got(39, 3, i) && (v == 0xFF00u) == got(40, 4, i) && (v != 0xFF00u) == got(41, 5, i));
    CHECK((v < 0xFF00u) == got(42, 0, i) && (v <= 0xFF00u) == got(43, 1, i) && (v > 0xFF00u) == got(44, 2, i));
    CHECK((v >= 0xFF00u) == got(45, 3, i) && (v == 0xFF00u) == got(46, 4, i) && (v != 0xFF00u) == got(47, 5, i));
  }
  return CHECK_RESULT();
}
