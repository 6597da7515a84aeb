// 16-bit addition and subtraction with carries across the byte boundary,
// unsigned and signed, by constants and variables.
#include "check.h"

unsigned int a, b, r;
int s, t, q;

int main(void)
{
  a = 0x00FF; b = 1; r = a + b; CHECK(r == 0x0100);
  a = 0xFFFF; r = a + b; CHECK(r == 0);
  a = 0; r = a - b; CHECK(r == 0xFFFF);
  a = 0x1234; b = 0x0FCC; r = a + b; CHECK(r == 0x2200);
  r = a - b; CHECK(r == 0x0268);
  r = a + 0x100; CHECK(r == 0x1334);
  r = a - 0x35; CHECK(r == 0x11FF);
  r = 1000 - a; CHECK(r == 0xF1B4);
  s = 32767; t = 1; q = s + t; CHECK(q == -32767 - 1);
  s = -32767 - 1; q = s - t; CHECK(q == 32767);
  s = -300; t = 200; q = s + t; CHECK(q == -100);
  q = t - s; CHECK(q == 500);
  q = s + 1; CHECK(q == -299);
  a = 60000u; a += 6000; CHECK(a == 464);
  a -= 465; CHECK(a == 65535u);
  return CHECK_RESULT();
}
