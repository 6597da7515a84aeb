// Tests for equality with 0 at every width (the bytes ORed together) and
// products of an unsigned char widened to int with a constant of one byte
// (one 8 x 8 multiply): in the access bank, in banked RAM, in frame slots,
// through pointers and volatile, with the constant on either side, in
// signed and unsigned arithmetic, and as array indices.
#include "check.h"

#pragma udata access quick
near unsigned int qz;
#pragma udata zero_banked
unsigned char fill[120];
unsigned char bc;
unsigned int bw;
unsigned short long bs;
unsigned long bl;
volatile unsigned int vw;
#pragma udata

unsigned char table[8][6];
int wide[40];

static unsigned char zero_count(unsigned char c, unsigned int w, unsigned short long s, unsigned long l) {
  unsigned char n = 0;
  if (c == 0) n++;
  if (w == 0) n++;
  if (s == 0) n++;
  if (l == 0) n++;
  return n;
}

static unsigned char nonzero_count(const unsigned long *p, unsigned char k) {
  unsigned char n = 0;
  while (k-- != 0)
    if (*p++ != 0)
      n++;
  return n;
}

static unsigned int times(unsigned char x, unsigned char which) {
  switch (which) {
  case 0: return (unsigned int)x * 0u;
  case 1: return (unsigned int)x * 1u;
  case 2: return 3u * (unsigned int)x;
  case 3: return (unsigned int)x * 8u;
  case 4: return (unsigned int)x * 255u;
  default: return (unsigned int)((int)x * 200);
  }
}

int main(void) {
  unsigned long cells[5];
  unsigned char i, j, x;
  unsigned int sum;

  // every byte position of every width decides alone
  CHECK(zero_count(0, 0, 0, 0) == 4);
  CHECK(zero_count(1, 0x100, 0x10000, 0x1000000) == 0);
  CHECK(zero_count(0x80, 0x8000, 0x800000, 0x80000000) == 0);
  CHECK(zero_count(0, 1, 0x100, 0x10000) == 1);
  bc = 0; bw = 0; bs = 0; bl = 0; qz = 0;
  CHECK(bc == 0 && bw == 0 && bs == 0 && bl == 0 && qz == 0);
  bw = 0x0100; bs = 0x010000; bl = 0x00000100;
  CHECK(bw != 0 && bs != 0 && bl != 0);
  bl = 0x01000000;
  CHECK(!(bl == 0));
  qz = 0x0001;
  CHECK(qz != 0);
  vw = 0x8000;
  CHECK(vw != 0);
  vw = 0;
  CHECK(vw == 0);
  cells[0] = 0; cells[1] = 0x80000000; cells[2] = 0; cells[3] = 0x100; cells[4] = 1;
  CHECK(nonzero_count(cells, 5) == 3);
  sum = 0;
  for (x = 0xFF; x != 0; x >>= 1)
    sum++;
  CHECK(sum == 8);

  // products of a widened byte and a one-byte constant
  for (x = 0; x < 250; x += 7) {
    CHECK(times(x, 0) == 0);
    CHECK(times(x, 1) == x);
    CHECK(times(x, 2) == (unsigned int)x + x + x);
    CHECK(times(x, 3) == (unsigned int)x << 3);
    CHECK(times(x, 4) == (unsigned int)(((unsigned int)x << 8) - x));
  }
  CHECK(times(255, 4) == 65025u);
  CHECK(times(255, 5) == 51000u);
  CHECK((int)((unsigned int)bc * 200u) == 0);
  bc = 201;
  CHECK((unsigned int)bc * 200u == 40200u);
  CHECK((long)((int)bc * 100) == 20100L);

  // two-dimensional indices scale a byte index by the row size
  for (i = 0; i < 8; i++)
    for (j = 0; j < 6; j++)
      table[i][j] = (unsigned char)(i * 16 + j);
  sum = 0;
  for (i = 0; i < 8; i++)
    for (j = 0; j < 6; j++)
      sum += table[i][j];
  CHECK(sum == 2808u);  // 8 rows of 6: 16 * (0 + ... + 7) * 6 + 8 * (0 + ... + 5)
  for (i = 0; i < 40; i++)
    wide[i] = (int)i * -3;
  CHECK(wide[39] == -117 && wide[1] == -3);
  return CHECK_RESULT();
}
