// A structure assignment used as a value: a member taken from it, passed as
// an argument and assigned on; the copy happens once, before the use.
#include "check.h"

typedef struct { long a; char b; int arr[3]; } big_t;

big_t x = {70000l, 2, {3, 4, 5}}, y, z;

static long first(big_t b) { return b.a + b.arr[2]; }

int main(void)
{
  CHECK(first(y = x) == 70005l && y.b == 2);
  z = y = x;
  CHECK(z.arr[1] == 4);
  x.arr[0] = -1;
  CHECK((y = x).arr[0] == -1 && (z = y).a == 70000l && z.arr[0] == -1);
  return CHECK_RESULT();
}
