// Fixed-point filters as firmware writes them: a first-order low-pass in Q15
// (a long product of ints shifted right by 15) and a five-tap FIR in Q14 with
// a long accumulator and a delay line shifted along, over steps and impulses
// with full-scale values; outputs computed on a PC.
#include "check.h"

int input[] = {0, 32767, 32767, 32767, -32768, -32768, 1000, 1000, 1000, 1000, -5, 20000, 20000, 0, 0, 0};
int low_pass[] = {0, 6553, 11796, 15990, 6237, -1565, -1052, -642, -314, -52, -43, 3965, 7172, 5737, 4589, 3671};
int fir_out[] = {0, 2047, 10239, 22527, 26623, 12287, -10178, -18120, -9553, -1111, 937, 1936, 6560, 12561, 12499, 6250};
rom int taps[5] = {1024, 4096, 6144, 4096, 1024};

int main(void)
{
  unsigned char i, j;
  int y = 0, delay[5] = {0, 0, 0, 0, 0};
  long acc;
  for (i = 0; i < sizeof input / sizeof input[0]; i++) {
    acc = ((long)input[i] - y) * 6554;
    y += (int)(acc >> 15);
    CHECK(y == low_pass[i]);
    for (j = 4; j > 0; j--)
      delay[j] = delay[j - 1];
    delay[0] = input[i];
    acc = 0;
    for (j = 0; j < 5; j++)
      acc += (long)delay[j] * taps[j];
    CHECK((int)(acc >> 14) == fir_out[i]);
  }
  return CHECK_RESULT();
}
