// Q15 fixed-point arithmetic: products rounded (0x4000 added before the shift
// by 15) and saturated at both ends (-1 * -1 gives 32767), a Q15 dot product
// in a long accumulator, and Q15 values converted to float and back. Expected
// values computed on a PC.
#include "check.h"

int qa[] = {32767, -32768, -32768, 16384, 1, -1, 12345, 16384, 100};
int qb[] = {32767, -32768, 32767, 16384, 1, 1, -23456, -16384, 200};
int qp[] = {32766, 32767, -32767, 8192, 0, 0, -8837, -8192, 1};

static int q15_mul(int a, int b)
{
  long p = ((long)a * b + 0x4000) >> 15;
  if (p > 32767) return 32767;
  if (p < -32768) return -32768;
  return (int)p;
}

int main(void)
{
  unsigned char i;
  long dot = 0;
  float f;
  for (i = 0; i < sizeof qa / sizeof qa[0]; i++) {
    CHECK(q15_mul(qa[i], qb[i]) == qp[i]);
    CHECK(q15_mul(qb[i], qa[i]) == qp[i]);
    dot += (long)qa[i] * qb[i];
    f = qa[i] / 32768.0f;
    CHECK((int)(f * 32768.0f) == qa[i]);
  }
  CHECK(dot == 784164737l);
  return CHECK_RESULT();
}
