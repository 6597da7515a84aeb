// Globals in several data banks: named sections in the access bank and in
// banked RAM, and arrays large enough that the variables after them fall in
// other banks; copies between variables of different banks.
#include "check.h"

#pragma udata access quick
unsigned char q8;
unsigned int q16;
#pragma udata bank_one
unsigned char fill_a[200];
unsigned char b8;
unsigned int b16;
#pragma udata bank_two
unsigned char fill_b[200];
unsigned char c8;
unsigned int c16;
#pragma udata bank_three
unsigned char fill_c[120];
#pragma udata
unsigned char d8;
unsigned int d16;

int main(void)
{
  q8 = 1; b8 = 2; c8 = 3; d8 = 4;
  q16 = 1000; b16 = 2000; c16 = 3000; d16 = 4000;
  fill_a[199] = 0xAA; fill_b[0] = 0xBB; fill_c[119] = 0xCC;
  CHECK(q8 + b8 + c8 + d8 == 10);
  CHECK(q16 + b16 + c16 + d16 == 10000);
  b8 = c8; CHECK(b8 == 3);
  c16 = b16; CHECK(c16 == 2000);
  d8 = q8; q8 = fill_a[199]; CHECK(d8 == 1); CHECK(q8 == 0xAA);
  d16 = c16 + q16; CHECK(d16 == 3000);
  c8 = b8 * d8 + fill_b[0]; CHECK(c8 == 0xBE);
  fill_c[0] = fill_c[119]; CHECK(fill_c[0] == 0xCC);
  CHECK(fill_a[199] == 0xAA); CHECK(fill_b[0] == 0xBB);
  return CHECK_RESULT();
}
