// Elements at constant indices, read and written at their own link-time or
// frame address: arrays in the access bank, in banked RAM and across a
// bank boundary (a 400-byte array of longs one byte into its section at
// 0x80, so that big[31] has bytes in two banks), of every width, members
// of structures in arrays and arrays in structures, two-dimensional
// arrays, frame arrays at both ends of a nearly full frame, the constant
// on either side of the addition, element addresses as values, and the
// address one past the end, which is computed as before.
#include "check.h"

#pragma udata access quick
near unsigned char qa[6];
#pragma udata big_section
unsigned char pad1;
unsigned long big[100];
#pragma udata
unsigned char ba[10];
int iw[5];
short long sl[3];
struct rec {
  unsigned char tag;
  int value;
} recs[4];
unsigned char grid[3][4];
struct {
  unsigned char head;
  unsigned char body[5];
} frame;

static unsigned char frame_small(unsigned char x) {
  unsigned char buf[6];
  buf[0] = x;
  buf[5] = x + 1;
  buf[2] = buf[5] * 2;
  buf[5] += buf[0];
  return buf[2] + buf[5];
}

static unsigned int frame_large(unsigned char x) {
  unsigned char pad[70];
  unsigned int w[4];
  struct rec lr[3];
  pad[69] = x;
  pad[0] = 1;
  w[3] = pad[69] * 3u;
  w[0] = 7;
  w[3]++;
  lr[2].value = -5;
  lr[2].tag = pad[0];
  return w[3] + w[0] + pad[0] + pad[69] + lr[2].value + lr[2].tag;
}

static unsigned long big_at(unsigned char k) { return big[k]; }

int main(void) {
  unsigned char i, *p;
  qa[0] = 1;
  qa[2] = 0;
  qa[5] = 2;
  qa[5] += qa[0];
  ++qa[2];
  CHECK(qa[5] == 3 && qa[2] == 1);

  for (i = 0; i < 10; i++)
    ba[i] = i;
  ba[9] = ba[3] + ba[4];
  ba[0]--;
  2 [ba] = 40;
  ba[1] |= 0x80;
  CHECK(ba[9] == 7 && ba[0] == 255 && ba[2] == 40 && ba[1] == 0x81);
  p = &ba[3];
  CHECK(p == ba + 3 && *p == 3 && p[1] == 4);
  p = &ba[10];
  CHECK(p - ba == 10 && p[-1] == 7);

  iw[4] = -300;
  iw[0] = 1000;
  iw[4] += iw[0];
  sl[2] = 0x123456;
  sl[1] = sl[2] >> 4;
  CHECK(iw[4] == 700 && sl[1] == 0x012345 && sl[2] == 0x123456);

  recs[3].value = 0x1234;
  recs[3].tag = 9;
  recs[0].value = recs[3].value + 1;
  recs[3].value++;
  CHECK(recs[0].value == 0x1235 && recs[3].value == 0x1235 && recs[3].tag == 9);

  grid[2][3] = 7;
  grid[1][0] = grid[2][3] + 1;
  frame.body[4] = grid[1][0];
  frame.head = 1;
  p = &grid[0][0];
  CHECK(p[11] == 7 && p[4] == 8 && frame.body[4] == 8 && frame.head == 1);

  for (i = 0; i < 100; i++)
    big[i] = 0;
  big[0] = 0x11223344ul;
  big[31] = 0xA1B2C3D4ul;
  big[32] = 0x01020304ul;
  big[99] = 0xFFFFFFFFul;
  big[31] += 0x01010101ul;
  big[32]++;
  big[99] ^= big[0];
  CHECK(big_at(0) == 0x11223344ul && big_at(31) == 0xA2B3C4D5ul && big_at(32) == 0x01020305ul);
  CHECK(big_at(99) == 0xEEDDCCBBul && big_at(30) == 0 && big_at(33) == 0);
  big[31] = big[32];
  CHECK(big_at(31) == 0x01020305ul);

  CHECK(frame_small(10) == 22 + 21);
  CHECK(frame_large(5) == 16 + 7 + 1 + 5 - 5 + 1);
  return CHECK_RESULT();
}
