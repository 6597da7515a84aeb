// Callbacks: a routine walks an array and calls a function pointer for each
// element, with char and int arguments; accumulators in globals.
#include "check.h"

unsigned char data[10];
int acc;
unsigned char count;

static void add_to(unsigned char v) { acc += v; }
static void count_odd(unsigned char v) { if (v & 1) count++; }
static void each(unsigned char *a, unsigned char n, void (*f)(unsigned char))
{
  while (n--) f(*a++);
}
static int fold(int (*f)(int, unsigned char), int start)
{
  unsigned char i;
  for (i = 0; i < 10; i++) start = f(start, data[i]);
  return start;
}
static int weigh(int acc_so_far, unsigned char v) { return acc_so_far * 2 - v; }

int main(void)
{
  unsigned char i;
  for (i = 0; i < 10; i++) data[i] = i * 11;
  acc = 0; each(data, 10, add_to); CHECK(acc == 495);
  count = 0; each(data, 10, count_odd); CHECK(count == 5);
  CHECK(fold(weigh, 1) == -10119);
  return CHECK_RESULT();
}
