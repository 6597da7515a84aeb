// switch on a short long selector whose cases differ only in the high byte or
// the middle byte (5, 0x10005, 0x20005, 0xFF0005, -5, 0x105), with a dense run
// of negative cases and fall-through into default. Expected codes from the
// case list.
#include "check.h"

short long probes[] = {5, 65541l, 131077l, -65531l, -5, 8323072l, -8388608l, 261, 196613l, 517, 65797l, 0, 8323073l, -8388607l};
unsigned char codes[] = {1, 2, 3, 4, 5, 6, 7, 8, 0, 0, 0, 0, 0, 0};

static unsigned char classify(short long v)
{
  unsigned char r = 100;
  switch (v) {
  case 5: r = 1; break;
  case 65541l: r = 2; break;
  case 131077l: r = 3; break;
  case 16711685l: r = 4; break;
  case -5: r = 5; break;
  case 8323072l: r = 6; break;
  case -8388608l: r = 7; break;
  case 261: r = 8; break;
  case -9: r++;
  case -8: r++;
  case -7:
  case -6: r++;
  default: if (r == 100) r = 0; else r -= 100;
  }
  return r;
}

int main(void)
{
  unsigned char i;
  short long n;
  for (i = 0; i < sizeof probes / sizeof probes[0]; i++)
    CHECK(classify(probes[i]) == codes[i]);
  CHECK(classify(-9) == 3 && classify(-8) == 2 && classify(-7) == 1 && classify(-6) == 1 && classify(-10) == 0);
  for (n = 0x2FFFC; n < 0x30008; n++)
    CHECK(classify(n) == 0);
  return CHECK_RESULT();
}
