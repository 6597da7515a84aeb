// int with unsigned short long: the int is sign-extended to 24 bits and the
// operations are unsigned 24-bit. Results computed on a PC.
#define A int
#define B unsigned short long
#include "mix_ops.h"

row_t rows[] = {
  {0, 1, 1, 0xFFFFFFul, 0, 0, 0, 0, 1, 3, 1, 1},
  {1, 0xFFFFFFul, 0, 2, 0xFFFFFFul, 0, 1, 1, 0xFFFFFEul, 3, 0x7FFFFFul, 0},
  {32767, 3, 0x8002u, 0x7FFC, 0x17FFDul, 0x2AAA, 1, 3, 0x7FFC, 0, 0, -32766},
  {-32768, 0x800000ul, 0x7F8000ul, 0x7F8000ul, 0, 1, 0x7F8000ul, 0x800000ul, 0x7F8000ul, 0, 0x800000ul, -32768},
  {-1, 0xFF0000ul, 0xFEFFFFul, 0xFFFFu, 0x10000ul, 1, 0xFFFFu, 0xFF0000ul, 0xFFFFu, 0, 0x1FE00ul, -1},
  {4660, 0x7FFFFFul, 0x801233ul, 0x801235ul, 0xFFEDCCul, 0, 0x1234, 0x1234, 0x7FEDCBul, 3, 0x7FFFFul, 4659},
  {-256, 0x123456ul, 0x123356ul, 0xEDCAAAul, 0xCBAA00ul, 0xE, 0x1224Cul, 0x123400ul, 0xEDCB56ul, 0, 0x123456ul, 13142},
  {2396, 0x4F1272ul, 0x4F1BCEul, 0xB0F6EAul, 0x10A2F8ul, 0, 0x95C, 0x50, 0x4F1B2Eul, 3, 0x4F127ul, 7118},
};

int main(void)
{
  mix_check(rows, sizeof rows / sizeof rows[0]);
  return CHECK_RESULT();
}
