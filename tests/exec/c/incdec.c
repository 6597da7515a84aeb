// Pre- and post-increment and decrement of char, int and pointer
// variables, as statements and as values, across byte boundaries.
#include "check.h"

unsigned char u, r;
signed char s;
unsigned int w, x;
int i;
unsigned char buf[4];
unsigned char *p;

int main(void)
{
  u = 255; u++; CHECK(u == 0);
  u--; CHECK(u == 255);
  r = u++; CHECK(r == 255); CHECK(u == 0);
  r = ++u; CHECK(r == 1); CHECK(u == 1);
  r = u--; CHECK(r == 1); CHECK(u == 0);
  r = --u; CHECK(r == 255);
  s = 127; s++; CHECK(s == -128);
  w = 0x00FF; w++; CHECK(w == 0x0100);
  w--; CHECK(w == 0x00FF);
  x = w++; CHECK(x == 0x00FF); CHECK(w == 0x0100);
  x = --w; CHECK(x == 0x00FF);
  w = 0; w--; CHECK(w == 0xFFFF);
  i = -1; i++; CHECK(i == 0);
  i = 0; x = i--; CHECK(x == 0); CHECK(i == -1);
  buf[0] = 1; buf[1] = 2; buf[2] = 3; buf[3] = 4;
  p = buf;
  r = *p++; CHECK(r == 1);
  r = *++p; CHECK(r == 3);
  r = *p--; CHECK(r == 3);
  CHECK(*p == 2);
  (*p)++; CHECK(buf[1] == 3);
  ++buf[3]; CHECK(buf[3] == 5);
  return CHECK_RESULT();
}
