// CRC-32 (reflected, polynomial 0xEDB88320) computed bit by bit on unsigned
// longs: shifts, xors and a mask taken from the low bit, over the check string
// and a generated buffer, also in two parts; expected values computed on a PC.
#include "check.h"

static unsigned long crc32_update(unsigned long crc, const unsigned char *p, unsigned char n)
{
  unsigned char k;
  while (n--) {
    crc ^= *p++;
    for (k = 0; k < 8; k++)
      crc = (crc >> 1) ^ (0xEDB88320ul & -(long)(crc & 1));
  }
  return crc;
}

int main(void)
{
  unsigned char data[64], i;
  unsigned long crc;
  static unsigned char check[] = "123456789";
  CHECK(~crc32_update(0xFFFFFFFFul, check, 9) == 0xCBF43926ul);
  for (i = 0; i < 64; i++)
    data[i] = i * 7 + 3;
  CHECK(~crc32_update(0xFFFFFFFFul, data, 64) == 0xCBD9ECF0ul);
  crc = crc32_update(0xFFFFFFFFul, data, 20);
  crc = crc32_update(crc, data + 20, 44);
  CHECK((crc ^ 0xFFFFFFFFul) == 0xCBD9ECF0ul);
  return CHECK_RESULT();
}
