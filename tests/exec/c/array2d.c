// Two-dimensional arrays of char and int: row-major layout, indexes
// computed from both subscripts, a matrix product.
#include "check.h"

signed char a[3][4];
signed char b[4][2];
int c[3][2];

int main(void)
{
  unsigned char i, j, k;
  int s;
  for (i = 0; i < 3; i++)
    for (j = 0; j < 4; j++)
      a[i][j] = (signed char)(i * 4 + j - 6);
  for (i = 0; i < 4; i++)
    for (j = 0; j < 2; j++)
      b[i][j] = (signed char)(j ? i : -i);
  for (i = 0; i < 3; i++)
    for (j = 0; j < 2; j++) {
      s = 0;
      for (k = 0; k < 4; k++) s += (int)a[i][k] * b[k][j];
      c[i][j] = s;
    }
  CHECK(a[0][0] == -6); CHECK(a[2][3] == 5);
  CHECK(*(&a[0][0] + 5) == a[1][1]);
  CHECK(c[0][1] == -5 * 1 + -4 * 2 + -3 * 3);
  CHECK(c[0][0] == 22);
  CHECK(c[2][1] == 3 * 1 + 4 * 2 + 5 * 3);
  CHECK(c[1][0] == -c[1][1]);
  return CHECK_RESULT();
}
