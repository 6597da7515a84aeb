// A moving average over the last eight int samples: a ring of samples, a long
// running sum updated by the difference of the new and the dropped sample
// (which exceeds 16 bits), and the average by signed long division. Expected
// averages computed on a PC.
#include "check.h"

int samples[] = {100, 200, -300, 32767, 32767, 32767, 32767, -32768, 5, 5, 5, 5, 1000, -1000, 7, 8, 9, 10};
int averages[] = {12, 37, 0, 4095, 8191, 12287, 16383, 12287, 12275, 12251, 12289, 8194, 4223, 2, -4092, 4, 4, 5};

typedef struct { int ring[8]; unsigned char next; long sum; } avg_t;

static int push(avg_t *a, int x)
{
  a->sum += (long)x - a->ring[a->next];
  a->ring[a->next] = x;
  a->next = (a->next + 1) & 7;
  return (int)(a->sum / 8);
}

avg_t filter;

int main(void)
{
  unsigned char i;
  for (i = 0; i < sizeof samples / sizeof samples[0]; i++)
    CHECK(push(&filter, samples[i]) == averages[i]);
  CHECK(filter.next == (sizeof samples / sizeof samples[0]) % 8);
  return CHECK_RESULT();
}
