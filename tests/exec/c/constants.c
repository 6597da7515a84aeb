// Stores of constants to 8- and 16-bit locations: 0 and 255 (the clear and
// set cases), other bytes, and 16-bit values with equal or zero bytes.
#include "check.h"

#pragma udata access fast
unsigned char near_byte;
unsigned int near_word;
#pragma udata
unsigned char far_byte;
unsigned int far_word;
unsigned char sink[200];

static void stores(void)
{
  unsigned char lb;
  unsigned int lw;
  lb = 0; CHECK(lb == 0);
  lb = 255; CHECK(lb == 255);
  lb = 0x42; CHECK(lb == 0x42);
  lw = 0; CHECK(lw == 0);
  lw = 0xFFFF; CHECK(lw == 0xFFFF);
  lw = 0x4242; CHECK(lw == 0x4242);
  lw = 0x00FF; CHECK(lw == 255);
}

int main(void)
{
  near_byte = 0; CHECK(near_byte == 0);
  near_byte = 255; CHECK(near_byte == 255);
  near_word = 0; CHECK(near_word == 0);
  near_word = 0xFF00; CHECK(near_word == 0xFF00);
  near_word = 0x1212; CHECK(near_word == 0x1212);
  far_byte = 0; CHECK(far_byte == 0);
  far_byte = 255; CHECK(far_byte == 255);
  far_word = 0x00FF; CHECK(far_word == 0x00FF);
  far_word = 0xFFFF; CHECK(far_word == 0xFFFF);
  far_word = 0; CHECK(far_word == 0);
  sink[199] = 0x80; CHECK(sink[199] == 0x80);
  stores();
  return CHECK_RESULT();
}
