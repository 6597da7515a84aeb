// Colour packing as a display driver does it: 8-bit channels packed into a
// 24-bit unsigned short long, split again by shifts and masks, converted
// to and from 16-bit RGB565 (with the low bits replicated on the way
// back), and blended 50/50 per channel. Expected values computed on a PC.
#include "check.h"

typedef unsigned short long rgb_t;

static rgb_t pack(unsigned char r, unsigned char g, unsigned char b) { return (rgb_t)r << 16 | (unsigned int)g << 8 | b; }
static unsigned char red(rgb_t c) { return c >> 16; }
static unsigned char green(rgb_t c) { return (unsigned char)(c >> 8); }
static unsigned int to565(rgb_t c) { return (unsigned int)(red(c) >> 3) << 11 | (unsigned int)(green(c) >> 2) << 5 | (unsigned char)c >> 3; }

static rgb_t from565(unsigned int w)
{
  unsigned char r = w >> 11, g = (w >> 5) & 63, b = w & 31;
  return pack(r << 3 | r >> 2, g << 2 | g >> 4, b << 3 | b >> 2);
}

static rgb_t blend(rgb_t a, rgb_t b) { return ((a & 0xFEFEFEul) >> 1) + ((b & 0xFEFEFEul) >> 1) + (a & b & 0x010101ul); }

int main(void)
{
  rgb_t c = pack(0xFF, 0x80, 0x01);
  CHECK(c == 0xFF8001ul && red(c) == 0xFF && green(c) == 0x80 && (unsigned char)c == 1);
  CHECK(to565(c) == 0xFC00 && to565(0xFFFFFFul) == 0xFFFF && to565(0x080400ul) == 0x0820);
  CHECK(from565(0xFFFF) == 0xFFFFFFul && from565(0xF800) == 0xFF0000ul && from565(0x07E0) == 0x00FF00ul);
  CHECK(from565(0x0821) == 0x080408ul && from565(to565(0x123456ul)) == 0x103452ul);
  CHECK(blend(0xFF0000ul, 0x00FF00ul) == 0x7F7F00ul && blend(0x010101ul, 0x030303ul) == 0x020202ul);
  CHECK(blend(c, c) == c && blend(0xFFFFFFul, 0) == 0x7F7F7Ful);
  return CHECK_RESULT();
}
