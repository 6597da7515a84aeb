// unsigned char with int: zero extension to 16 bits, signed operations (0xFF
// is 255, not -1). Results computed on a PC.
#define A unsigned char
#define B int
#include "mix_ops.h"

row_t rows[] = {
  {0, 1, 1, -1, 0, 0, 0, 0, 1, 3, 1, 1},
  {1, -1, 0, 2, -1, -1, 0, 1, -2, 0, -1, 0},
  {0x7F, 3, 130, 124, 381, 42, 1, 3, 124, 0, 0, 0x82},
  {0x80, -32768, -32640, -32640, 0, 0, 128, 0, -32640, 0, -32768, 0x80},
  {0xFF, -256, -1, 511, 256, 0, 255, 0, -1, 0, -2, 0xFF},
  {0x5A, 32767, -32679, -32677, -90, 0, 90, 90, 32677, 3, 8191, 0x59},
  {0xC6, 4660, 4858, -4462, 5176, 0, 198, 4, 4850, 3, 72, 0xFA},
  {0x8E, 26781, 26923, -26639, 1814, 0, 142, 140, 26643, 3, 418, 0x2B},
};

int main(void)
{
  mix_check(rows, sizeof rows / sizeof rows[0]);
  return CHECK_RESULT();
}
