// Event counters packed in bit-fields: four 3-bit wrapping counters and a
// 2-bit state per structure, in an array updated through pointers and by
// index with compound assignments (+=, -=, |=, &=, ^=) whose results wrap
// to the field width, next to a one-bit flag that must not change.
#include "check.h"

typedef struct {
  unsigned char rx : 3;
  unsigned char tx : 3;
  unsigned char state : 2;
  unsigned char err : 3;
  unsigned char flag : 1;
  unsigned char drops : 4;
} counters_t;

counters_t ports[3];

static void on_event(counters_t *c, unsigned char kind, unsigned char n)
{
  switch (kind) {
  case 0: c->rx += n; break;
  case 1: c->tx += n; break;
  case 2: c->err -= n; break;
  case 3: c->drops ^= n; break;
  default: c->state |= n; c->drops &= 0x0C;
  }
}

int main(void)
{
  unsigned char i, k;
  counters_t *p = &ports[1];
  ports[0].flag = 1;
  ports[2].flag = 1;
  for (i = 0; i < 11; i++)
    on_event(p, 0, 1);
  CHECK(p->rx == 3 && p->tx == 0 && p->state == 0);
  on_event(p, 1, 200);
  CHECK(p->tx == 0 && p->rx == 3);
  on_event(p, 1, 13);
  CHECK(p->tx == 5);
  on_event(p, 2, 1);
  CHECK(p->err == 7 && p->flag == 0);
  for (k = 0; k < 3; k++) {
    on_event(&ports[k], 3, 0x1F);
    on_event(&ports[k], 4, k);
  }
  CHECK(ports[0].drops == 0x0C && ports[1].drops == 0x0C && ports[2].drops == 0x0C);
  CHECK(ports[0].state == 0 && ports[1].state == 1 && ports[2].state == 2);
  ports[2].state += 3;
  ports[k - 1].err += 9;
  CHECK(ports[2].state == 1 && ports[2].err == 1 && ports[2].flag == 1 && ports[0].flag == 1);
  CHECK(ports[0].rx == 0 && ports[2].rx == 0 && ports[1].err == 7);
  return CHECK_RESULT();
}
