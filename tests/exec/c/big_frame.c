// A frame at the 96-byte limit: parameters and locals at the far end of the
// frame (offsets up to 95) are read and written through the stack slots.
#include "check.h"

static int far_end(unsigned char a, int b, unsigned char pad[1], int c)
{
  unsigned char block[80];
  unsigned char tail;
  int last;
  unsigned char i;
  for (i = 0; i < 80; i++) block[i] = i;
  tail = a;
  last = b + c;
  CHECK(block[79] == 79);
  CHECK(block[0] == 0);
  return last + tail + block[40] + pad[0];
}

static unsigned char high_params(unsigned char a, unsigned char b, int c, unsigned char d)
{
  unsigned char big[88];
  big[87] = a; big[0] = b;
  return big[87] - big[0] + c + d;
}

int main(void)
{
  unsigned char one[1];
  one[0] = 3;
  CHECK(far_end(7, 1000, one, -500) == 550);
  CHECK(high_params(50, 20, 100, 5) == 135);
  return CHECK_RESULT();
}
