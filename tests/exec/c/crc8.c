// A CRC-8 (polynomial 0x07) and a Fletcher-16 over a buffer: byte loops,
// shifts, xor and conditional updates; results compared with values
// computed on a PC.
#include "check.h"

unsigned char data[32];

static unsigned char crc8(const unsigned char *p, unsigned char n)
{
  unsigned char crc, bit;
  crc = 0;
  while (n--) {
    crc ^= *p++;
    for (bit = 0; bit < 8; bit++)
      crc = (crc & 0x80) ? (unsigned char)((crc << 1) ^ 0x07) : (unsigned char)(crc << 1);
  }
  return crc;
}

static unsigned int fletcher(const unsigned char *p, unsigned char n)
{
  unsigned int a, b;
  a = 0; b = 0;
  while (n--) {
    a = (a + *p++) % 255;
    b = (b + a) % 255;
  }
  return (b << 8) | a;
}

int main(void)
{
  unsigned char i;
  for (i = 0; i < 32; i++) data[i] = i * 7 + 1;
  CHECK(crc8(data, 32) == 0x15);
  CHECK(fletcher(data, 32) == 0xD7BD);
  CHECK(crc8(data, 0) == 0);
  return CHECK_RESULT();
}
