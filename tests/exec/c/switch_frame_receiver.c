// A byte-stuffed frame receiver as a state machine (flag 0x7E, escape 0x7D,
// length, payload, checksum): a switch over an enumeration of states fed one
// byte at a time, with escapes inside payloads and checksums, a bad checksum,
// noise between frames and an empty frame. Counts computed by the same machine
// written on a PC.
#include "check.h"

unsigned char stream[] = {0x00, 0x13, 0x7E, 0x03, 0x01, 0x02, 0x03, 0x06, 0x7E, 0x03, 0x7D, 0x5E, 0x7D, 0x5D, 0x10, 0x0B, 0x7E, 0x02, 0x09, 0x09, 0x13, 0x55, 0x7E, 0x00, 0x00, 0x7E, 0x03, 0xC8, 0x64, 0x7C, 0xA8, 0x7E, 0x05, 0x41, 0x41, 0x41, 0x41, 0x41, 0x45};

enum state { IDLE, LENGTH, DATA, CHECKSUM };

typedef struct {
  enum state st;
  unsigned char escaped, length, got, sum;
  unsigned int good, bad;
  unsigned long total;
} rx_t;

static void feed(rx_t *r, unsigned char b)
{
  if (b == 0x7E) {
    r->st = LENGTH;
    return;
  }
  if (r->st == IDLE)
    return;
  if (r->st != LENGTH) {
    if (b == 0x7D && !r->escaped) {
      r->escaped = 1;
      return;
    }
    if (r->escaped) {
      b ^= 0x20;
      r->escaped = 0;
    }
  }
  switch (r->st) {
  case LENGTH:
    r->length = b;
    r->got = 0;
    r->sum = 0;
    r->escaped = 0;
    r->st = b ? DATA : CHECKSUM;
    break;
  case DATA:
    r->sum += b;
    r->total += b;
    if (++r->got == r->length)
      r->st = CHECKSUM;
    break;
  case CHECKSUM:
    if (r->sum == b)
      r->good++;
    else
      r->bad++;
    r->st = IDLE;
    break;
  default:
    break;
  }
}

int main(void)
{
  rx_t rx = {IDLE, 0, 0, 0, 0, 0, 0, 0};
  unsigned char i;
  for (i = 0; i < sizeof stream; i++)
    feed(&rx, stream[i]);
  CHECK(rx.good == 5 && rx.bad == 1 && rx.total == 1040 && rx.st == IDLE);
  return CHECK_RESULT();
}
