// Single bits: testing, setting, clearing and toggling bits of char and int
// variables and of array bytes, with constant and variable masks.
#include "check.h"

unsigned char flags;
unsigned int word;
unsigned char map[8];

static void set_bit(unsigned char n) { map[n >> 3] |= (unsigned char)(1 << (n & 7)); }
static unsigned char get_bit(unsigned char n) { return (map[n >> 3] >> (n & 7)) & 1; }

int main(void)
{
  unsigned char i, n;
  flags = 0;
  flags |= 0x80; CHECK(flags & 0x80);
  flags |= 0x01; CHECK(flags == 0x81);
  flags &= ~0x80; CHECK(flags == 0x01);
  flags ^= 0x03; CHECK(flags == 0x02);
  CHECK(!(flags & 0x01));
  word = 0; word |= 0x8000; word |= 1; CHECK(word == 0x8001);
  word &= 0xFFFE; CHECK(word == 0x8000);
  CHECK((word & 0x8000) != 0);
  if (word & 0x0100) flags = 99;
  CHECK(flags == 0x02);
  for (i = 0; i < 8; i++) map[i] = 0;
  for (i = 0; i < 64; i += 3) set_bit(i);
  n = 0;
  for (i = 0; i < 64; i++) n += get_bit(i);
  CHECK(n == 22);
  CHECK(get_bit(63) == 1); CHECK(get_bit(62) == 0);
  CHECK(map[0] == 0x49);
  return CHECK_RESULT();
}
