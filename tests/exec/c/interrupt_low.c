// A low-priority interrupt routine whose save list names a variable and a
// data section of 300 bytes that the interrupted computation uses as well
// (one run per arrival time). The routine overwrites both; on its return
// they hold what the interrupted code had put there, the whole section
// included, and the computation ends as it does with interrupts off. The
// routine calls a function that uses compiler temporaries, and in some runs
// a high-priority routine calling the same function interrupts it. The
// saved section is larger than a bank, so the stack may span banks.
// exec-compile: -ls
// exec-link: --stack 1024
// exec-run: --irq-low 700000
// exec-run: --irq-low 820001
// exec-run: --irq-low 950003
// exec-run: --irq-low 1080007
// exec-run: --irq-low 1200011
// exec-run: --irq-low 820001 --irq-high 831500
// exec-run: --irq-low 820001 --irq-high 836000
// exec-run: --irq-low 820001 --irq-high 840000
// exec-run: --irq-low 820001 --irq-high 842500
#include "check.h"

#pragma udata shared_data
unsigned char ring[300];
#pragma udata

unsigned int scratch;
unsigned char low_count;
unsigned int low_seen;

unsigned int fold(unsigned int a, unsigned char b)
{
  return (a << 1) + (a >> 15) + b * 7 + (a & 0xFF) / (b | 1);
}

void low_isr(void);
#pragma interruptlow low_isr save=scratch, section("shared_data")

void low_isr(void)
{
  unsigned int i, sum = 0;
  unsigned char *p = ring;
  scratch = 0xBEEF;
  for (i = 0; i < sizeof ring; i++)
    p[i] = (unsigned char)i ^ 0x5A;
  for (i = 0; i < sizeof ring; i += 7)
    sum = fold(sum, ring[i]);
  low_seen = sum + scratch;
  low_count++;
}

// A high-priority routine that may arrive while the low-priority one runs
// (runs that request both): it calls the same function.
unsigned char high_count;
unsigned int high_seen;

void high_isr(void);
#pragma interrupt high_isr

void high_isr(void)
{
  high_seen = fold(high_seen + 0x1234, 9) * 3;
  high_count++;
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

static unsigned int work(unsigned char seed)
{
  unsigned int i, k;
  for (i = 0; i < sizeof ring; i++)
    ring[i] = (unsigned char)(i * seed);
  scratch = seed;
  for (k = 0; k < 3; k++)
    for (i = 0; i < sizeof ring; i++) {
      scratch = fold(scratch, ring[i]) + ring[(i * 5) % sizeof ring];
      ring[i] = ring[i] + (unsigned char)scratch;
    }
  for (i = 0; i < sizeof ring; i++)
    k += ring[i] * (i + 1);
  return k ^ scratch;
}

static unsigned int expected_seen(void)
{
  unsigned int i, sum = 0;
  for (i = 0; i < sizeof ring; i += 7)
    sum = fold(sum, (unsigned char)i ^ 0x5A);
  return sum + 0xBEEF;
}

void main(void)
{
  unsigned int quiet, loud;
  quiet = work(13);
  _asm
    BSF 0xF2, 6, 0
    BSF 0xF2, 7, 0
  _endasm
  loud = work(13);
  _asm BCF 0xF2, 7, 0 _endasm
  CHECK(loud == quiet);
  CHECK(low_count == 1);
  CHECK(low_seen == expected_seen());
  CHECK(high_count <= 1);
  if (high_count)
    CHECK(high_seen == fold(0x1234, 9) * 3);
  check_done();
}
