// A critical section: the main loop copies a 32-bit tick count and a
// structure that the high-priority routine updates, with interrupts
// disabled around the copy. A request arriving inside the section waits
// until the interrupts are enabled again and is taken then; one arriving
// outside is taken at once. Either way the copy is never torn and the
// routine's update is seen afterwards (one run per arrival time).
// exec-run: --irq-high 1500
// exec-run: --irq-high 6000
// exec-run: --irq-high 9011
// exec-run: --irq-high 20021
#include "check.h"

typedef struct { unsigned long ticks; unsigned int overflows; unsigned char tag; } clock_t;

volatile clock_t clk = {0xFFFFFF00ul, 7, 0x5A};
volatile unsigned char taken;

void high_isr(void);
#pragma interrupt high_isr

void high_isr(void)
{
  clk.ticks += 0x100;
  if (clk.ticks == 0)
    clk.overflows++;
  clk.tag ^= 0xFF;
  taken++;
}

#pragma code high_vector = 0x08
void high_vector(void)
{
  _asm GOTO high_isr _endasm
}
#pragma code

int main(void)
{
  clock_t copy;
  unsigned int rounds = 0, spin;
  _asm BSF 0xF2, 7, 0 _endasm
  while (!taken || rounds < 60) {
    _asm BCF 0xF2, 7, 0 _endasm
    copy.ticks = clk.ticks;
    for (spin = 0; spin < 20; spin++)
      ;
    copy.overflows = clk.overflows;
    copy.tag = clk.tag;
    _asm BSF 0xF2, 7, 0 _endasm
    if (copy.tag == 0x5A)
      CHECK(copy.ticks == 0xFFFFFF00ul && copy.overflows == 7);
    else
      CHECK(copy.tag == 0xA5 && copy.ticks == 0 && copy.overflows == 8);
    rounds++;
  }
  _asm BCF 0xF2, 7, 0 _endasm
  CHECK(taken == 1 && clk.ticks == 0 && clk.overflows == 8 && clk.tag == 0xA5);
  return CHECK_RESULT();
}
