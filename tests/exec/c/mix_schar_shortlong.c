// signed char with short long: sign extension from 8 to 24 bits, signed 24-bit
// operations. Results computed on a PC.
#define A signed char
#define B short long
#include "mix_ops.h"

row_t rows[] = {
  {0, 1, 1, -1, 0, 0, 0, 0, 1, 3, 1, 1},
  {1, -1, 0, 2, -1, -1, 0, 1, -2, 0, -1, 0},
  {127, 3, 130, 124, 381, 42, 1, 3, 124, 0, 0, -126},
  {-128, -8388608l, 8388480l, 8388480l, 0, 0, -128, -8388608l, 8388480l, 0, -8388608l, -128},
  {-1, -65536l, -65537l, 65535l, 65536l, 0, -1, -65536l, 65535l, 0, -512, -1},
  {90, 8388607l, -8388519l, -8388517l, -90, 0, 90, 90, 8388517l, 3, 2097151l, 89},
  {-101, 1193046l, 1192945l, -1193147l, -3057134l, 0, -101, 1192978l, -1193011l, 3, 149130l, -15},
  {-83, 7315204l, 7315121l, -7315287l, -3182156l, 0, -83, 7315204l, -7315287l, 3, 228600l, -79},
};

int main(void)
{
  mix_check(rows, sizeof rows / sizeof rows[0]);
  return CHECK_RESULT();
}
