// unsigned int with short long: the 24-bit signed type holds every unsigned
// int, so the operations are signed 24-bit. Results computed on a PC.
#define A unsigned int
#define B short long
#include "mix_ops.h"

row_t rows[] = {
  {0, 1, 1, -1, 0, 0, 0, 0, 1, 3, 1, 1},
  {1, -1, 0, 2, -1, -1, 0, 1, -2, 0, -1, 0},
  {0x7FFF, 3, 32770l, 32764, 98301l, 10922, 1, 3, 32764, 0, 0, 0x8002u},
  {0x8000u, -8388608l, -8355840l, -8355840l, 0, 0, 32768l, 0, -8355840l, 0, -8388608l, 0x8000u},
  {0xFFFFu, -65536l, -1, 131071l, 65536l, 0, 65535l, 0, -1, 0, -512, 0xFFFFu},
  {0x1234, 8388607l, -8383949l, -8383947l, -4660, 0, 4660, 4660, 8383947l, 3, 524287l, 0x1233},
  {0xFF00u, 1193046l, 1258326l, -1127766l, 2206208l, 0, 65280l, 13312, 1231702l, 3, 1193046l, 0x3356},
  {0x5864, -3226847l, -3204219l, 3249475l, -2649884l, 0, 22628, 16416, -3237051l, 0, -201678l, 0x1B85},
};

int main(void)
{
  mix_check(rows, sizeof rows / sizeof rows[0]);
  return CHECK_RESULT();
}
