// Unions of long, float, short long and byte views passed by value and
// returned: a union built from one member reads back through the others
// (little-endian bytes, the float's encoding), in the caller and in the
// callee, from globals, locals and array elements.
#include "check.h"

typedef union { unsigned long l; float f; short long s; unsigned char b[4]; unsigned int w[2]; } word_t;

word_t words[2];

static word_t from_bytes(unsigned char b0, unsigned char b1, unsigned char b2, unsigned char b3)
{
  word_t w;
  w.b[0] = b0; w.b[1] = b1; w.b[2] = b2; w.b[3] = b3;
  return w;
}

static word_t swap_halves(word_t w)
{
  unsigned int t = w.w[0];
  w.w[0] = w.w[1];
  w.w[1] = t;
  return w;
}

static unsigned char top_byte(word_t w) { return w.b[3]; }

int main(void)
{
  word_t w;
  w = from_bytes(0x78, 0x56, 0x34, 0x12);
  CHECK(w.l == 0x12345678ul && w.w[0] == 0x5678 && w.w[1] == 0x1234 && w.s == 0x345678l);
  w = from_bytes(0x00, 0x00, 0x80, 0xFF);
  CHECK(w.s == -8388608l && w.l == 0xFF800000ul);
  CHECK(w.f < -3e38f && w.f == w.f);
  words[1] = from_bytes(0x00, 0x00, 0xC0, 0x3F);
  CHECK(words[1].f == 1.5f);
  words[0].f = -2.0f;
  CHECK(words[0].l == 0xC0000000ul && top_byte(words[0]) == 0xC0);
  w = swap_halves(words[1]);
  CHECK(w.l == 0x00003FC0ul && words[1].l == 0x3FC00000ul);
  words[0] = swap_halves(swap_halves(w));
  CHECK(words[0].w[0] == 0x3FC0 && words[0].w[1] == 0 && top_byte(words[0]) == 0);
  w.s = -2;
  CHECK(w.b[0] == 0xFE && w.b[1] == 0xFF && w.b[2] == 0xFF && w.b[3] == 0);
  return CHECK_RESULT();
}
