// A packed protocol header described by bit-fields, overlaid on the bytes of
// a receive buffer through a union: fields built one by one give the bytes
// a wire format expects (fields fill each byte from bit 0 up), and bytes
// received read back as the fields, through a pointer into an array of
// frames.
#include "check.h"

typedef struct {
  unsigned char version : 3;
  unsigned char kind : 2;
  unsigned char urgent : 1;
  unsigned char ack : 1;
  unsigned char last : 1;
  unsigned char seq : 4;
  unsigned char window : 4;
  signed char delta : 6;
  unsigned char parity : 2;
  unsigned char length;
} header_t;

typedef union { header_t h; unsigned char raw[4]; } frame_t;

frame_t frames[3];

static unsigned char build(frame_t *f, unsigned char seq, signed char delta, unsigned char len)
{
  f->h.version = 5; f->h.kind = 2; f->h.urgent = 0; f->h.ack = 1; f->h.last = seq == 15;
  f->h.seq = seq; f->h.window = 9; f->h.delta = delta; f->h.parity = 3; f->h.length = len;
  return f->raw[0] ^ f->raw[1] ^ f->raw[2] ^ f->raw[3];
}

int main(void)
{
  frame_t *f = &frames[1];
  unsigned char x;
  x = build(f, 15, -3, 200);
  CHECK(f->raw[0] == 0xD5 && f->raw[1] == 0x9F && f->raw[2] == 0xFD && f->raw[3] == 200);
  CHECK(x == (0xD5 ^ 0x9F ^ 0xFD ^ 200));
  x = build(&frames[2], 6, 31, 0);
  CHECK(frames[2].raw[0] == 0x55 && frames[2].raw[1] == 0x96 && frames[2].raw[2] == 0xDF && frames[2].raw[3] == 0);
  CHECK(frames[0].raw[0] == 0 && frames[0].raw[3] == 0);
  f = &frames[0];
  f->raw[0] = 0x3A; f->raw[1] = 0xC7; f->raw[2] = 0x60; f->raw[3] = 17;
  CHECK(f->h.version == 2 && f->h.kind == 3 && f->h.urgent == 1 && f->h.ack == 0 && f->h.last == 0);
  CHECK(f->h.seq == 7 && f->h.window == 12 && f->h.delta == -32 && f->h.parity == 1 && f->h.length == 17);
  if (f->h.urgent && !f->h.ack)
    f->h.window -= 4;
  CHECK(f->raw[1] == 0x87 && f->h.seq == 7);
  return CHECK_RESULT();
}
