// Serial-port divisors as start-up code computes them from the oscillator
// frequency and the baud rate: unsigned long division with rounding, the first
// of three prescalers (64, 16, 4) that gives a divisor in range, the actual
// rate and its error in tenths of a percent (signed, truncated towards zero).
// Expected values computed on a PC.
#include "check.h"

typedef struct { unsigned long fosc; unsigned long baud; unsigned char mult; unsigned int div; unsigned long actual; int err; } row_t;
row_t rows[] = {
  {4000000ul, 9600ul, 64, 6, 8928ul, -70},
  {4000000ul, 19200ul, 64, 2, 20833ul, 85},
  {4000000ul, 57600ul, 64, 0, 62500ul, 85},
  {4000000ul, 115200ul, 64, 0, 62500ul, -457},
  {8000000ul, 9600ul, 64, 12, 9615ul, 1},
  {8000000ul, 19200ul, 64, 6, 17857ul, -69},
  {8000000ul, 57600ul, 64, 1, 62500ul, 85},
  {8000000ul, 115200ul, 64, 0, 125000ul, 85},
  {16000000ul, 9600ul, 64, 25, 9615ul, 1},
  {16000000ul, 19200ul, 64, 12, 19230ul, 1},
  {16000000ul, 57600ul, 64, 3, 62500ul, 85},
  {16000000ul, 115200ul, 64, 1, 125000ul, 85},
  {40000000ul, 9600ul, 64, 64, 9615ul, 1},
  {40000000ul, 19200ul, 64, 32, 18939ul, -13},
  {40000000ul, 57600ul, 64, 10, 56818ul, -13},
  {40000000ul, 115200ul, 64, 4, 125000ul, 85},
  {64000000ul, 9600ul, 64, 103, 9615ul, 1},
  {64000000ul, 19200ul, 64, 51, 19230ul, 1},
  {64000000ul, 57600ul, 64, 16, 58823ul, 21},
  {64000000ul, 115200ul, 64, 8, 111111ul, -35},
};

static unsigned int divisor(unsigned long fosc, unsigned long baud, unsigned char *mult)
{
  static rom unsigned char mults[3] = {64, 16, 4};
  unsigned char i;
  unsigned long d;
  for (i = 0; i < 3; i++) {
    *mult = mults[i];
    d = (fosc + *mult * baud / 2) / (*mult * baud) - 1;
    if (d <= 65535ul)
      break;
  }
  return (unsigned int)d;
}

int main(void)
{
  unsigned char i, m;
  unsigned int d;
  unsigned long actual;
  int err;
  for (i = 0; i < sizeof rows / sizeof rows[0]; i++) {
    d = divisor(rows[i].fosc, rows[i].baud, &m);
    CHECK(m == rows[i].mult && d == rows[i].div);
    actual = rows[i].fosc / ((unsigned long)m * (d + 1ul));
    CHECK(actual == rows[i].actual);
    err = (int)(((long)actual - (long)rows[i].baud) * 1000 / (long)rows[i].baud);
    CHECK(err == rows[i].err);
  }
  return CHECK_RESULT();
}
