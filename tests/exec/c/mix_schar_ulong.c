// signed char operands with unsigned long ones: the char is sign-extended and
// the operation is unsigned 32-bit. Results computed on a PC.
#define A signed char
#define B unsigned long
#include "mix_ops.h"

row_t rows[] = {
  {0, 1, 1, 0xFFFFFFFFul, 0, 0, 0, 0, 1, 3, 1, 1},
  {1, 0xFFFFFFFFul, 0, 2, 0xFFFFFFFFul, 0, 1, 1, 0xFFFFFFFEul, 3, 0x7FFFFFFFul, 0},
  {127, 3, 0x82, 0x7C, 0x17D, 0x2A, 1, 3, 0x7C, 0, 0, -126},
  {-128, 0x80000000ul, 0x7FFFFF80ul, 0x7FFFFF80ul, 0, 1, 0x7FFFFF80ul, 0x80000000ul, 0x7FFFFF80ul, 0, 0x80000000ul, -128},
  {-1, 0xFFFF0000ul, 0xFFFEFFFFul, 0xFFFFu, 0x10000ul, 1, 0xFFFFu, 0xFFFF0000ul, 0xFFFFu, 0, 0x1FFFE00ul, -1},
  {90, 0x7FFFFFFFul, 0x80000059ul, 0x8000005Bul, 0xFFFFFFA6ul, 0, 0x5A, 0x5A, 0x7FFFFFA5ul, 3, 0x1FFFFFFFul, 89},
  {-110, 0x12345678ul, 0x1234560Aul, 0xEDCBA91Aul, 0x2D82D870ul, 0xE, 0x1234502ul, 0x12345610ul, 0xEDCBA9EAul, 0, 0x48D159Eul, 10},
  {56, 0xBC1D2594ul, 0xBC1D25CCul, 0x43E2DAA4ul, 0x26603860ul, 0, 0x38, 0x10, 0xBC1D25ACul, 3, 0xBC1D2594ul, -52},
};

int main(void)
{
  mix_check(rows, sizeof rows / sizeof rows[0]);
  return CHECK_RESULT();
}
