// Table writes: stores into rom bytes and words (near and far, by constant
// and variable indexes, through near and far pointers), of constants, RAM
// values, frame values, computed values and other rom values; each read
// back through the table pointer.
// exec-compile: -p HR6810K
// exec-link: -p HR6810K
#include "check.h"

rom unsigned char cell = 1;
rom unsigned char bytes[8] = {1, 2, 3, 4, 5, 6, 7, 8};
rom int words[4] = {100, 200, 300, 400};
rom int word_cell;
#pragma romdata high_tables = 0x10000
far rom unsigned char far_bytes[4] = {9, 9, 9, 9};
far rom int far_word;
#pragma romdata

unsigned char gv;
int gw;

int main(void)
{
  unsigned char i, c;
  int w;
  unsigned int k;
  rom unsigned char *p;
  rom int *q;
  far rom unsigned char *fp;

  /* constants, RAM and frame values into a rom byte */
  cell = 0; CHECK(cell == 0);
  cell = 255; CHECK(cell == 255);
  cell = 0x5A; CHECK(cell == 0x5A);
  gv = 77; cell = gv; CHECK(cell == 77);
  c = 12; cell = c; CHECK(cell == 12);
  cell = c + gv; CHECK(cell == 89);
  cell = bytes[3]; CHECK(cell == 4);
  c = cell = 33; CHECK(c == 33); CHECK(cell == 33);

  /* byte arrays by constant and variable indexes, and through pointers */
  bytes[0] = 10; CHECK(bytes[0] == 10); CHECK(bytes[1] == 2);
  for (i = 0; i < 8; i++) bytes[i] = i * 3;
  for (i = 0; i < 8; i++) CHECK(bytes[i] == i * 3);
  k = 7; bytes[k] = 0xEE; CHECK(bytes[7] == 0xEE); CHECK(bytes[6] == 18);
  for (i = 1; i < 8; i++) bytes[i] = bytes[i - 1] + 1;
  CHECK(bytes[7] == 7);
  p = &bytes[2]; *p = 0xC3; CHECK(bytes[2] == 0xC3); p[1] = 0x3C; CHECK(bytes[3] == 0x3C);
  p++; *p = *p + 1; CHECK(bytes[3] == 0x3D);

  /* words */
  word_cell = -1; CHECK(word_cell == -1);
  word_cell = 0x1234; CHECK(word_cell == 0x1234);
  gw = -30000; word_cell = gw; CHECK(word_cell == -30000);
  w = 555; words[1] = w; CHECK(words[1] == 555); CHECK(words[0] == 100); CHECK(words[2] == 300);
  for (i = 0; i < 4; i++) words[i] = (int)i * 1000 - 1;
  CHECK(words[0] == -1); CHECK(words[3] == 2999);
  q = &words[2]; *q = 0x7FFF; CHECK(words[2] == 0x7FFF); q[1] = words[0]; CHECK(words[3] == -1);
  words[0] = words[2] + 1; CHECK(words[0] == (int)0x8000);

  /* far rom */
  far_bytes[0] = 1; far_bytes[3] = 4; CHECK(far_bytes[0] == 1); CHECK(far_bytes[3] == 4); CHECK(far_bytes[1] == 9);
  for (i = 0; i < 4; i++) far_bytes[i] = bytes[i] + 100;
  CHECK(far_bytes[2] == 39); CHECK(far_bytes[1] == 101);
  far_bytes[2] = cell; CHECK(far_bytes[2] == 33);
  fp = far_bytes; fp[1] = 0xAB; CHECK(far_bytes[1] == 0xAB); *fp = gv; CHECK(far_bytes[0] == 77);
  far_word = -2; CHECK(far_word == -2); far_word = words[3]; CHECK(far_word == -1);
  /* near rom still right after far writes */
  bytes[5] = 55; CHECK(bytes[5] == 55); CHECK(bytes[4] == 4);
  return CHECK_RESULT();
}
