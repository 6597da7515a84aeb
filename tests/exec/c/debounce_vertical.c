// Debouncing eight inputs at once with vertical counters, as keypad
// firmware does: two bytes hold a 2-bit counter per input, a change is
// accepted after four equal samples in a row, and the pressed and released
// edges come out as masks (a glitch shorter than four samples is ignored).
// Expected edges computed on a PC.
#include "check.h"

typedef struct { unsigned char cnt0, cnt1, state; } debounce_t;

static unsigned char sample(debounce_t *d, unsigned char raw)
{
  unsigned char delta = raw ^ d->state, toggle;
  d->cnt1 = (d->cnt1 ^ d->cnt0) & delta;
  d->cnt0 = ~d->cnt0 & delta;
  toggle = delta & ~(d->cnt0 | d->cnt1);
  d->state ^= toggle;
  return toggle;
}

unsigned char raws[] = {0x01, 0x01, 0x01, 0x01, 0x03, 0x01, 0x03, 0x03, 0x03, 0x03, 0x02, 0x02, 0x02, 0x02, 0x80, 0x80, 0x80, 0x00, 0x00};
unsigned char toggles[] = {0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00, 0x00, 0x00, 0x02, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0x00, 0x02, 0x00};

int main(void)
{
  debounce_t d = {0, 0, 0};
  unsigned char i, t, pressed = 0, released = 0;
  for (i = 0; i < sizeof raws; i++) {
    t = sample(&d, raws[i]);
    CHECK(t == toggles[i]);
    pressed |= t & d.state;
    released |= t & ~d.state;
  }
  CHECK(d.state == 0 && pressed == 0x03 && released == 0x03);
  return CHECK_RESULT();
}
