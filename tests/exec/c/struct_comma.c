// The comma operator with a structure value on its right: assigned to a
// variable and through a pointer, passed as an argument, returned, and with
// a call on either side; the left side's effects happen first and once.
// Structures of 3 bytes (which travel as integers) and of 11 bytes.
#include "check.h"

typedef struct { long a; char b; int arr[3]; } big_t;
typedef struct { char c; int w; } small_t;

big_t x = {1, 2, {3, 4, 5}}, y, z;
small_t s1 = {7, -300}, s2;
unsigned char n;

static big_t get(void) { n++; return x; }
static big_t back(void) { return (n += 10, y); }
static long first(big_t b) { return b.a + b.arr[0]; }
static int weight(small_t s) { return s.c * s.w; }

int main(void)
{
  big_t *p = &z;
  y = (n++, x);
  CHECK(y.b == 2 && y.arr[2] == 5 && n == 1);
  y.a = 70000l;
  CHECK(first((n++, y)) == 70003l && n == 2);
  z = back();
  CHECK(z.a == 70000l && n == 12);
  *p = (n = 0, get());
  CHECK(p->a == 1 && p->arr[1] == 4 && n == 1);
  s2 = (n--, s1);
  CHECK(s2.c == 7 && s2.w == -300 && n == 0 && weight((n = 5, s2)) == -2100 && n == 5);
  return CHECK_RESULT();
}
