// Stores between every kind of byte and int location: access RAM, banked
// RAM in two banks, frame slots, through pointers; the constants 0 and 255
// (CLRF, SETF) and others; conversions among char, int and pointers;
// initialised local arrays.
#include "check.h"

#pragma udata access fast
near unsigned char na, nb;
near int ni;
#pragma udata
unsigned char a, b;
signed char sc;
int i, j;
unsigned int u;
#pragma udata far_bank = 0x300
unsigned char fa;
int fi;
#pragma udata

void main(void)
{
  unsigned char c, d;
  signed char s;
  int k, m;
  unsigned char *pc;
  int *pi;
  unsigned char init[5] = {0, 255, 7, 0x80, 1};
  int iinit[2] = {-2, 0x1234};

  CHECK(init[0] == 0); CHECK(init[1] == 255); CHECK(init[2] == 7); CHECK(init[3] == 0x80);
  CHECK(init[4] == 1); CHECK(iinit[0] == -2); CHECK(iinit[1] == 0x1234);

  na = 0;   CHECK(na == 0);
  na = 255; CHECK(na == 255);
  na = 5;   CHECK(na == 5);
  nb = na;  CHECK(nb == 5);
  a = 0x7F; b = a; CHECK(b == 0x7F);
  fa = b;   CHECK(fa == 0x7F);
  c = fa;   CHECK(c == 0x7F);
  d = c;    CHECK(d == 0x7F);
  a = 0;    a = d; CHECK(a == 0x7F);
  c = 255;  CHECK(c == 255);
  c = 0;    CHECK(c == 0);

  i = 0x1234; j = i; CHECK(j == 0x1234);
  fi = j;   CHECK(fi == 0x1234);
  k = fi;   CHECK(k == 0x1234);
  m = k;    CHECK(m == 0x1234);
  ni = m;   CHECK(ni == 0x1234);
  i = -1;   CHECK(i == -1);
  u = 65535u; CHECK(u == 65535u);
  k = 0;    CHECK(k == 0);
  a = b = 9; CHECK(a == 9); CHECK(b == 9);

  /* widening and narrowing */
  sc = -3;  i = sc; CHECK(i == -3);
  s = -128; k = s;  CHECK(k == -128);
  a = 200;  i = a;  CHECK(i == 200);
  c = 255;  u = c;  CHECK(u == 255u);
  i = 0x1281; a = (unsigned char)i; CHECK(a == 0x81);
  k = 0x7F02; c = (unsigned char)k; CHECK(c == 2);

  /* through pointers */
  pc = &a;  *pc = 77; CHECK(a == 77);
  pc = &c;  *pc = 0;  CHECK(c == 0);
  *pc = 255; CHECK(c == 255);
  pc = &fa; *pc = b;  CHECK(fa == 9);
  pi = &fi; *pi = 0x5AA5; CHECK(fi == 0x5AA5);
  pi = &m;  *pi = fi; CHECK(m == 0x5AA5);
  j = *pi;  CHECK(j == 0x5AA5);
  d = *pc;  CHECK(d == 9);
}
