// Pointer arithmetic on char and int pointers: adding and subtracting
// constants and variables (scaled by the element size), walking arrays.
#include "check.h"

int words[8];
unsigned char bytes[8];

int main(void)
{
  int *pw;
  unsigned char *pb;
  unsigned char i;
  int sum;
  for (i = 0; i < 8; i++) { words[i] = 1000 * i; bytes[i] = i * 3; }
  pw = words; pw += 3; CHECK(*pw == 3000);
  pw = pw + 2; CHECK(*pw == 5000);
  pw--; CHECK(*pw == 4000);
  i = 2; CHECK(*(pw + i) == 6000); CHECK(*(pw - i) == 2000);
  CHECK(pw[3] == 7000);
  CHECK(pw - words == 4);
  pb = bytes + 7; CHECK(*pb == 21);
  pb -= i; CHECK(*pb == 15);
  sum = 0;
  for (pw = words; pw < words + 8; pw++) sum += *pw;
  CHECK(sum == 28000);
  sum = 0;
  for (pb = &bytes[7]; pb >= bytes; pb--) sum += *pb;
  CHECK(sum == 84);
  return CHECK_RESULT();
}
