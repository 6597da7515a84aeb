// A high-priority interrupt routine arrives in the middle of a long
// computation (one run per arrival time). The computation keeps values in
// compiler temporaries, multiplies (PROD), goes through pointers (FSR0),
// divides through a run-time helper and calls a function; the routine does
// all of that too, through the same function, with locals of its own. The
// interrupted computation must give what it gives with interrupts off, and
// the routine's own result must be right. Should the computation end before
// the request (faster code), main waits for it, so every run sees it.
// exec-run: --irq-high 49000
// exec-run: --irq-high 56000
// exec-run: --irq-high 63001
// exec-run: --irq-high 70003
// exec-run: --irq-high 77007
// exec-run: --irq-high 84011
// exec-run: --irq-high 89999
#include "check.h"

volatile unsigned char isr_count;
unsigned int isr_result;
unsigned int isr_data[4] = {11, 222, 3333, 4444};
unsigned int table[8];

unsigned int mix(unsigned int a, unsigned int b)
{
  return ((a * 3 + b) ^ (a / (b | 1))) + (a >> 3);
}

void high_isr(void);
#pragma interrupt high_isr

void high_isr(void)
{
  unsigned int *p = isr_data;
  unsigned char k = 2;
  isr_result = mix(isr_count + 7, p[3]) * (p[k - 1] + 5) / (p[0] - k);
  isr_count++;
}

#pragma code high_vector = 0x08
void high_vector(void)
{
  _asm GOTO high_isr _endasm
}
#pragma code

static unsigned int work(unsigned int seed)
{
  unsigned int sum = 0, i;
  unsigned int *p;
  for (i = 0; i < 8; i++)
    table[i] = seed + i;
  for (i = 0; i < 60; i++) {
    p = &table[i & 7];
    sum += ((*p * (i + 3)) ^ mix(sum, i)) + (seed - i) / (i + 1) + (unsigned char)(sum >> 8) * (unsigned char)i;
    *p = sum - *p;
  }
  return sum + table[3];
}

int main(void)
{
  unsigned int quiet, loud;
  quiet = work(1234);
  _asm BSF 0xF2, 7, 0 _endasm
  loud = work(1234);
  while (isr_count == 0)
    ;
  _asm BCF 0xF2, 7, 0 _endasm
  CHECK(loud == quiet);
  CHECK(isr_count == 1);
  CHECK(isr_result == mix(7, 4444) * (222 + 5) / 9);
  return CHECK_RESULT();
}
