// 8-bit operators whose two operands are array elements at constant
// indexes (of one array and of two): each operand is read from its own
// address. Random programs found arr[6] + arr[2] computed as arr[6] + arr[6].
#include "check.h"

unsigned char arr[8], brr[8], r;

int main(void)
{
  arr[6] = 204; arr[2] = 101; brr[1] = 7;
  r = arr[6] + arr[2]; CHECK(r == 49);
  r = arr[2] + arr[6]; CHECK(r == 49);
  r = arr[6] + brr[1]; CHECK(r == 211);
  r = arr[6] - arr[2]; CHECK(r == 103);
  r = arr[6] ^ brr[1]; CHECK(r == 203);
  r = arr[2] & arr[6]; CHECK(r == 68);
  return CHECK_RESULT();
}
