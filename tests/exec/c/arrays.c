// Arrays of char and int, global and local, with constant and computed
// indexes of both widths; sums, copies and reversals.
#include "check.h"

unsigned char ga[16];
int gi[16];

int main(void)
{
  unsigned char la[12];
  int li[6];
  unsigned char i, j;
  unsigned int k;
  int sum;
  for (i = 0; i < 16; i++) { ga[i] = 255 - i; gi[i] = (int)(unsigned char)(i * i) - 100; }
  CHECK(ga[0] == 255); CHECK(ga[15] == 240);
  CHECK(gi[0] == -100); CHECK(gi[15] == 125);
  k = 10; CHECK(ga[k] == 245); CHECK(gi[k] == 0);
  i = 3; j = 4; CHECK(ga[i + j] == 248); CHECK(gi[i * j] == 44);
  for (i = 0; i < 12; i++) la[i] = ga[i] ^ 0xFF;
  for (i = 0; i < 6; i++) { j = la[11 - i]; la[11 - i] = la[i]; la[i] = j; }
  CHECK(la[0] == 11); CHECK(la[11] == 0); CHECK(la[5] == 6);
  for (i = 0; i < 6; i++) li[i] = gi[i + 10];
  sum = 0;
  for (i = 0; i < 6; i++) sum += li[i];
  CHECK(sum == 355);
  li[5] = li[0] - 1; CHECK(li[5] == -1);
  gi[ga[15] - 230] = 7; CHECK(gi[10] == 7);
  return CHECK_RESULT();
}
