// The ones'-complement checksum of network headers: big-endian words summed
// into an unsigned long, the carries folded back, the complement taken; over a
// 20-byte header (whose checksum, put in place, makes the sum check to zero)
// and over an odd-length buffer. Expected sums computed on a PC.
#include "check.h"

unsigned char header[20] = {0x45, 0x00, 0x00, 0x3C, 0x1C, 0x46, 0x40, 0x00, 0x40, 0x06, 0x00, 0x00, 0xAC, 0x10, 0x0A, 0x63, 0xAC, 0x10, 0x0A, 0x0C};
unsigned char data[255];

static unsigned int checksum(const unsigned char *p, unsigned char n)
{
  unsigned long sum = 0;
  while (n > 1) {
    sum += (unsigned int)p[0] << 8 | p[1];
    p += 2;
    n -= 2;
  }
  if (n)
    sum += (unsigned int)*p << 8;
  while (sum >> 16)
    sum = (sum & 0xFFFF) + (sum >> 16);
  return ~(unsigned int)sum;
}

int main(void)
{
  unsigned int c;
  unsigned char i;
  c = checksum(header, 20);
  CHECK(c == 0xB1E6);
  header[10] = c >> 8;
  header[11] = (unsigned char)c;
  CHECK(checksum(header, 20) == 0);
  for (i = 0; i < 255; i++)
    data[i] = i * 131 + 7;
  CHECK(checksum(data, 255) == 0xC0C3);
  return CHECK_RESULT();
}
