// int with unsigned long: the int is sign-extended to 32 bits and the
// operations are unsigned (-1 becomes 0xFFFFFFFF). Results computed on a PC.
#define A int
#define B unsigned long
#include "mix_ops.h"

row_t rows[] = {
  {0, 1, 1, 0xFFFFFFFFul, 0, 0, 0, 0, 1, 3, 1, 1},
  {1, 0xFFFFFFFFul, 0, 2, 0xFFFFFFFFul, 0, 1, 1, 0xFFFFFFFEul, 3, 0x7FFFFFFFul, 0},
  {32767, 3, 0x8002u, 0x7FFC, 0x17FFDul, 0x2AAA, 1, 3, 0x7FFC, 0, 0, -32766},
  {-32768, 0x80000000ul, 0x7FFF8000ul, 0x7FFF8000ul, 0, 1, 0x7FFF8000ul, 0x80000000ul, 0x7FFF8000ul, 0, 0x80000000ul, -32768},
  {-1, 0xFFFF0000ul, 0xFFFEFFFFul, 0xFFFFu, 0x10000ul, 1, 0xFFFFu, 0xFFFF0000ul, 0xFFFFu, 0, 0x1FFFE00ul, -1},
  {4660, 0x7FFFFFFFul, 0x80001233ul, 0x80001235ul, 0xFFFFEDCCul, 0, 0x1234, 0x1234, 0x7FFFEDCBul, 3, 0x7FFFFFFul, 4659},
  {-256, 0x12345678ul, 0x12345578ul, 0xEDCBA888ul, 0xCBA98800ul, 0xE, 0x1234470ul, 0x12345600ul, 0xEDCBA978ul, 0, 0x12345678ul, 21880},
  {-18390, 0x9D2A2BE2ul, 0x9D29E40Cul, 0x62D58C48ul, 0xEC93A314ul, 1, 0x62D58C48ul, 0x9D2A2822ul, 0x62D593C8ul, 0, 0x274A8AF8ul, -7156},
};

int main(void)
{
  mix_check(rows, sizeof rows / sizeof rows[0]);
  return CHECK_RESULT();
}
