// Far (24-bit) pointers to program memory: tables placed above 64 KiB read
// by constant and variable indexes, far pointer variables (globals and
// locals) set to far tables, to near rom data and to string literals, read
// through, with constant and variable offsets; and near rom reads after far
// ones, which must find the upper address byte back at 0.
// exec-compile: -p HR6810K
// exec-link: -p HR6810K
#include "check.h"

#pragma romdata across = 0xFFFC
far rom unsigned char straddle[8] = {0xC0, 0xC1, 0xC2, 0xC3, 0xC4, 0xC5, 0xC6, 0xC7};
#pragma romdata high_tables = 0x10010
far rom unsigned char far_bytes[8] = {11, 22, 33, 44, 55, 66, 77, 0xF0};
far rom int far_words[4] = {-2, 1000, 0x7FFF, -30000};
far rom char far_text[] = "far away";
typedef struct { unsigned char tag; int value; } far_row_t;
far rom far_row_t far_rows[2] = {{7, -1234}, {8, 4321}};
#pragma romdata
rom unsigned char near_bytes[4] = {5, 6, 7, 8};
far rom unsigned char low_far[3] = {0xA1, 0xA2, 0xA3};

far rom unsigned char *gfp;
far rom int *gwp;
const far rom char *gsp;

int main(void)
{
  far rom unsigned char *fp;
  const far rom char *sp;
  unsigned char i, c;
  unsigned int k;
  int sum, n;

  /* far tables by constant and variable index */
  CHECK(far_bytes[0] == 11); CHECK(far_bytes[7] == 0xF0); CHECK(far_bytes[3] == 44);
  CHECK(far_words[0] == -2); CHECK(far_words[2] == 0x7FFF); CHECK(far_words[3] == -30000);
  CHECK(far_text[0] == 'f'); CHECK(far_text[4] == 'a'); CHECK(far_text[8] == 0);
  sum = 0;
  for (i = 0; i < 7; i++) sum += far_bytes[i];
  CHECK(sum == 308);
  for (k = 0; k < 8; k++) if (far_bytes[k] == 66) break;
  CHECK(k == 5);
  c = 0;
  for (i = 0; far_text[i]; i++) c++;
  CHECK(c == 8);

  /* a near read right after a far one */
  CHECK(far_bytes[1] == 22 && near_bytes[1] == 6);
  CHECK(near_bytes[far_bytes[0] - 10] == 6);
  i = 2; CHECK(far_bytes[i] + near_bytes[i] == 40);

  /* far pointer variables */
  gfp = far_bytes; CHECK(*gfp == 11); CHECK(gfp[6] == 77);
  i = 7; CHECK(gfp[i] == 0xF0);
  k = 4; CHECK(gfp[k] == 55);
  fp = far_bytes; CHECK(*fp == 11); CHECK(fp[1] == 22);
  i = 5; CHECK(fp[i] == 66); k = 2; CHECK(fp[k] == 33);
  gwp = far_words; CHECK(*gwp == -2); CHECK(gwp[1] == 1000); CHECK(gwp[3] == -30000);
  gsp = far_text; CHECK(gsp[2] == 'r');
  sp = gsp; CHECK(*sp == 'f'); CHECK(sp[7] == 'y');
  gsp = "literal"; CHECK(*gsp == 'l'); CHECK(gsp[6] == 'l'); CHECK(gsp[7] == 0);
  sp = "xyz"; i = 1; CHECK(sp[i] == 'y');
  fp = low_far; CHECK(*fp == 0xA1); CHECK(fp[2] == 0xA3);
  gfp = fp; CHECK(gfp[1] == 0xA2);
  fp = gfp; CHECK(fp[0] == 0xA1);
  c = 0;
  for (i = 0; sp[i]; i++) c += sp[i];
  CHECK(c == (unsigned char)('x' + 'y' + 'z'));
  /* signed int indexes, negative ones reaching back */
  fp = &far_bytes[4]; n = -2; CHECK(fp[n] == 33); n = 3; CHECK(fp[n] == 0xF0);
  n = -4; CHECK(fp[n] == 11);
  n = 6; CHECK(far_bytes[n] == 77); CHECK(far_text[n] == 'a');
  fp = low_far; n = 1; CHECK(fp[n] == 0xA2);
  /* a table that straddles 64 KiB: the carry into the upper byte */
  sum = 0;
  for (i = 0; i < 8; i++) sum += straddle[i];
  CHECK(sum == 1564);
  k = 4; CHECK(straddle[k] == 0xC4); CHECK(straddle[3] == 0xC3); CHECK(straddle[4] == 0xC4);
  fp = straddle; i = 5; CHECK(fp[i] == 0xC5); n = 3; CHECK(fp[n] == 0xC3);
  fp = &straddle[7]; n = -4; CHECK(fp[n] == 0xC3); n = -3; CHECK(fp[n] == 0xC4);
  gwp = (far rom int *)&straddle[3]; CHECK(*gwp == (int)0xC4C3);
  CHECK(far_rows[0].tag == 7); CHECK(far_rows[1].value == 4321); CHECK(far_rows[0].value == -1234);
  CHECK(near_bytes[3] == 8);
  /* a comma expression as the index: its left side runs */
  i = 0; CHECK(far_words[(i++, 1)] == 1000); CHECK(straddle[(i += 2, 6)] == 0xC6); CHECK(i == 3);
  return CHECK_RESULT();
}
