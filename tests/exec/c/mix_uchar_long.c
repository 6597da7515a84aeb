// unsigned char operands with long ones: the char is zero-extended and every
// operation is done in 32 bits, signed. Results computed on a PC.
#define A unsigned char
#define B long
#include "mix_ops.h"

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
  mix_check(rows, sizeof rows / sizeof rows[0]);
  return CHECK_RESULT();
}
