// A 16-byte ring buffer with masked head and tail indexes, a producer that
// fills it in bursts and a consumer that drains it, counting drops.
#include "check.h"

unsigned char buf[16];
unsigned char head, tail, dropped;
unsigned int sum;

static unsigned char put(unsigned char v)
{
  if (((head + 1) & 15) == tail) { dropped++; return 0; }
  buf[head] = v;
  head = (head + 1) & 15;
  return 1;
}

static unsigned char get(unsigned char *v)
{
  if (head == tail) return 0;
  *v = buf[tail];
  tail = (tail + 1) & 15;
  return 1;
}

int main(void)
{
  unsigned char i, round, v;
  head = tail = dropped = 0; sum = 0;
  for (round = 0; round < 10; round++) {
    for (i = 0; i < 20; i++) put(round * 20 + i);
    for (i = 0; i < 9; i++) if (get(&v)) sum += v;
  }
  while (get(&v)) sum += v;
  CHECK(dropped == 104);
  CHECK(sum == 8529);
  return CHECK_RESULT();
}
