// A low-priority routine plays a receiver: it puts six bytes into a 16-byte
// ring buffer and advances a volatile head; the main loop drains the ring
// between steps of its own work and checks the bytes arrive in order. In
// some runs a high-priority routine interrupts and updates members of a
// statistics structure through a pointer (+= and ++ on the members).
// exec-run: --irq-low 15000
// exec-run: --irq-low 30011
// exec-run: --irq-low 45007
// exec-run: --irq-low 30011 --irq-high 30060
// exec-run: --irq-low 45007 --irq-high 20000
#include "check.h"

typedef struct { unsigned char spurious; unsigned int high_hits; unsigned long bytes; } stats_t;

unsigned char ring[16];
volatile unsigned char head, tail;
stats_t stats;
stats_t *stats_p = &stats;

void low_isr(void);
#pragma interruptlow low_isr

void low_isr(void)
{
  unsigned char i;
  for (i = 1; i <= 6; i++) {
    unsigned char next = (head + 1) & 15;
    if (next == tail)
      break;
    ring[head] = i * 11;
    head = next;
  }
  stats_p->bytes += i - 1;
}

void high_isr(void);
#pragma interrupt high_isr

void high_isr(void)
{
  stats_p->high_hits += 300;
  stats_p->spurious++;
}

#pragma code high_vector = 0x08
void high_vector(void)
{
  _asm GOTO high_isr _endasm
}

#pragma code low_vector = 0x18
void low_vector(void)
{
  _asm GOTO low_isr _endasm
}
#pragma code

int main(void)
{
  unsigned char got = 0, expect = 11;
  unsigned int work = 1;
  _asm
    BSF 0xF2, 6, 0
    BSF 0xF2, 7, 0
  _endasm
  while (got < 6) {
    work = work * 3 + 1;
    while (tail != head) {
      CHECK(ring[tail] == expect);
      expect += 11;
      tail = (tail + 1) & 15;
      got++;
    }
  }
  _asm BCF 0xF2, 7, 0 _endasm
  CHECK(stats.bytes == 6 && head == 6 && tail == 6);
  CHECK(stats.spurious <= 1 && stats.high_hits == stats.spurious * 300u);
  return CHECK_RESULT();
}
