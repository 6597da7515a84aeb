// short long with unsigned long: sign extension from 24 to 32 bits, then
// unsigned operations. Results computed on a PC.
#define A short long
#define B unsigned long
#include "mix_ops.h"

row_t rows[] = {
  {0, 1, 1, 0xFFFFFFFFul, 0, 0, 0, 0, 1, 3, 1, 1},
  {1, 0xFFFFFFFFul, 0, 2, 0xFFFFFFFFul, 0, 1, 1, 0xFFFFFFFEul, 3, 0x7FFFFFFFul, 0},
  {8388607l, 3, 0x800002ul, 0x7FFFFCul, 0x17FFFFDul, 0x2AAAAAul, 1, 3, 0x7FFFFCul, 0, 0, -8388606l},
  {-8388608l, 0x80000000ul, 0x7F800000ul, 0x7F800000ul, 0, 1, 0x7F800000ul, 0x80000000ul, 0x7F800000ul, 0, 0x80000000ul, -8388608l},
  {-1, 0xFFFF0000ul, 0xFFFEFFFFul, 0xFFFFu, 0x10000ul, 1, 0xFFFFu, 0xFFFF0000ul, 0xFFFFu, 0, 0x1FFFE00ul, -65537l},
  {1193046l, 0x7FFFFFFFul, 0x80123455ul, 0x80123457ul, 0xFFEDCBAAul, 0, 0x123456ul, 0x123456ul, 0x7FEDCBA9ul, 3, 0x1FFFFFFul, 1193045l},
  {-65536l, 0x12345678ul, 0x12335678ul, 0xEDCAA988ul, 0xA9880000ul, 0xE, 0x1224570ul, 0x12340000ul, 0xEDCB5678ul, 0, 0x12345678ul, 3364472l},
  {6546598l, 0xDAD5E26Ful, 0xDB39C715ul, 0x258E0237ul, 0xF548AFFAul, 0, 0x63E4A6ul, 0x41E026ul, 0xDAB606C9ul, 3, 0x36B5789ul, 3786517l},
};

int main(void)
{
  mix_check(rows, sizeof rows / sizeof rows[0]);
  return CHECK_RESULT();
}
