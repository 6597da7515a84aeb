// Unions of a 16-bit word and its two bytes (little-endian in data
// memory), and of a structure with an array.
#include "check.h"

union word { unsigned int w; unsigned char b[2]; };
union word g;

int main(void)
{
  union word l;
  g.w = 0x1234;
  CHECK(g.b[0] == 0x34); CHECK(g.b[1] == 0x12);
  g.b[1] = 0xAB; CHECK(g.w == 0xAB34);
  l.b[0] = 0xFF; l.b[1] = 0x00; CHECK(l.w == 0x00FF);
  l.w++; CHECK(l.b[1] == 1); CHECK(l.b[0] == 0);
  CHECK(sizeof(union word) == 2);
  return CHECK_RESULT();
}
