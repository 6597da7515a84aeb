// 24- and 32-bit and, or, xor, complement and negation with constants whose
// bytes are 0x00 or 0xFF (bytes that need no code, or a clear or set) mixed
// with other bytes, on variables, and with variable operands. Results computed
// on a PC.
#include "check.h"

typedef struct { unsigned long v, and_c[6], or_c[6], xor_c[6]; } row_t;
row_t rows[] = {
  {0x12345678ul,
   {0x12005600ul, 0x00345600ul, 0x00000078ul, 0x12345600ul, 0x12340030ul, 0x00000000ul},
   {0xFF34FF78ul, 0x12FFFF78ul, 0x123456FFul, 0xFFFFFF78ul, 0x12FF567Cul, 0x92345679ul},
   {0xED34A978ul, 0x12CBA978ul, 0x12345687ul, 0xEDCBA978ul, 0x00CB564Cul, 0x92345679ul}},
  {0xFFFFFFFFul,
   {0xFF00FF00ul, 0x00FFFF00ul, 0x000000FFul, 0xFFFFFF00ul, 0x12FF0034ul, 0x80000001ul},
   {0xFFFFFFFFul, 0xFFFFFFFFul, 0xFFFFFFFFul, 0xFFFFFFFFul, 0xFFFFFFFFul, 0xFFFFFFFFul},
   {0x00FF00FFul, 0xFF0000FFul, 0xFFFFFF00ul, 0x000000FFul, 0xED00FFCBul, 0x7FFFFFFEul}},
  {0x80000000ul,
   {0x80000000ul, 0x00000000ul, 0x00000000ul, 0x80000000ul, 0x00000000ul, 0x80000000ul},
   {0xFF00FF00ul, 0x80FFFF00ul, 0x800000FFul, 0xFFFFFF00ul, 0x92FF0034ul, 0x80000001ul},
   {0x7F00FF00ul, 0x80FFFF00ul, 0x800000FFul, 0x7FFFFF00ul, 0x92FF0034ul, 0x00000001ul}},
  {0x00FF00FFul,
   {0x00000000ul, 0x00FF0000ul, 0x000000FFul, 0x00FF0000ul, 0x00FF0034ul, 0x00000001ul},
   {0xFFFFFFFFul, 0x00FFFFFFul, 0x00FF00FFul, 0xFFFFFFFFul, 0x12FF00FFul, 0x80FF00FFul},
   {0xFFFFFFFFul, 0x0000FFFFul, 0x00FF0000ul, 0xFF00FFFFul, 0x120000CBul, 0x80FF00FEul}},
};
unsigned long consts[] = {0xFF00FF00ul, 0x00FFFF00ul, 0x000000FFul, 0xFFFFFF00ul, 0x12FF0034ul, 0x80000001ul};

int main(void)
{
  unsigned char i, j;
  unsigned long v, r;
  unsigned short long m;
  long s;
  for (i = 0; i < sizeof rows / sizeof rows[0]; i++) {
    v = rows[i].v;
    CHECK((v & 0xFF00FF00ul) == rows[i].and_c[0] && (v | 0xFF00FF00ul) == rows[i].or_c[0] && (v ^ 0xFF00FF00ul) == rows[i].xor_c[0]);
    CHECK((v & 0x00FFFF00ul) == rows[i].and_c[1] && (v | 0x00FFFF00ul) == rows[i].or_c[1] && (v ^ 0x00FFFF00ul) == rows[i].xor_c[1]);
    CHECK((v & 0x000000FFul) == rows[i].and_c[2] && (v | 0x000000FFul) == rows[i].or_c[2] && (v ^ 0x000000FFul) == rows[i].xor_c[2]);
    CHECK((v & 0xFFFFFF00ul) == rows[i].and_c[3] && (v | 0xFFFFFF00ul) == rows[i].or_c[3] && (v ^ 0xFFFFFF00ul) == rows[i].xor_c[3]);
    CHECK((v & 0x12FF0034ul) == rows[i].and_c[4] && (v | 0x12FF0034ul) == rows[i].or_c[4] && (v ^ 0x12FF0034ul) == rows[i].xor_c[4]);
    CHECK((v & 0x80000001ul) == rows[i].and_c[5] && (v | 0x80000001ul) == rows[i].or_c[5] && (v ^ 0x80000001ul) == rows[i].xor_c[5]);
    for (j = 0; j < 6; j++) {
      r = v; r &= consts[j]; CHECK(r == rows[i].and_c[j]);
      r = v; r |= consts[j]; CHECK(r == rows[i].or_c[j]);
      r = consts[j] ^ v; CHECK(r == rows[i].xor_c[j]);
      m = v; m &= consts[j]; CHECK(m == (unsigned short long)rows[i].and_c[j]);
      m = v; m ^= consts[j]; CHECK(m == (unsigned short long)rows[i].xor_c[j]);
    }
    r = ~v; CHECK((r ^ v) == 0xFFFFFFFFul);
    s = -(long)v; CHECK(s + (long)v == 0 && (unsigned long)s == ~v + 1);
    m = ~(unsigned short long)v; CHECK(m == (unsigned short long)(v ^ 0xFFFFFFul));
  }
  return CHECK_RESULT();
}
