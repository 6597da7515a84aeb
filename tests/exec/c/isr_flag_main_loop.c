// The usual firmware shape: a high-priority routine captures a reading,
// counts itself in a long and raises a volatile flag; the main loop works on
// long and int arithmetic until it sees the flag, then takes the reading.
// The work gives the same result as without the interrupt, wherever the
// request arrives (one run per arrival time; the first arrives before the
// interrupts are enabled and is taken when they are).
// exec-run: --irq-high 20000
// exec-run: --irq-high 41000
// exec-run: --irq-high 52003
// exec-run: --irq-high 65001
// exec-run: --irq-high 77007
#include "check.h"

volatile unsigned char ready;
volatile unsigned int reading;
unsigned long isr_calls = 0xFFFFFFFFul;
unsigned char adc_low = 0x34, adc_high = 0x12;

void high_isr(void);
#pragma interrupt high_isr

void high_isr(void)
{
  isr_calls++;
  reading = ((unsigned int)adc_high << 8 | adc_low) + (unsigned int)isr_calls;
  ready = 1;
}

#pragma code high_vector = 0x08
void high_vector(void)
{
  _asm GOTO high_isr _endasm
}
#pragma code

static unsigned long work(unsigned char rounds)
{
  unsigned long acc = 0x13579BDFul;
  int x = -1234;
  while (rounds--) {
    acc = (acc << 3 | acc >> 29) ^ (unsigned long)(long)x;
    x = x * 7 + (int)(acc % 1000);
  }
  return acc + (unsigned int)x;
}

int main(void)
{
  unsigned long quiet, loud;
  unsigned int got, polls = 0;
  quiet = work(40);
  _asm BSF 0xF2, 7, 0 _endasm
  loud = work(40);
  while (!ready)
    polls++;
  got = reading;
  ready = 0;
  _asm BCF 0xF2, 7, 0 _endasm
  CHECK(loud == quiet);
  CHECK(got == 0x1234 && isr_calls == 0 && !ready);
  return CHECK_RESULT();
}
