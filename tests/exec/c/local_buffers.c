// Local arrays filled by callees through pointers, pointers to locals of
// the caller's frame passed down two levels, and a local structure.
#include "check.h"

static void fill(unsigned char *p, unsigned char n, unsigned char v) { while (n--) *p++ = v++; }
static unsigned int sum(const unsigned char *p, unsigned char n)
{
  unsigned int s;
  s = 0;
  while (n--) s += *p++;
  return s;
}
static void twice(unsigned char *p, unsigned char n) { fill(p, n, 100); fill(p + n, n, 200); }
static void store(int *where, int v) { *where = v; }

int main(void)
{
  unsigned char buf[20];
  int a, b;
  fill(buf, 20, 1);
  CHECK(sum(buf, 20) == 210);
  twice(buf, 10);
  CHECK(sum(buf, 10) == 1045);
  CHECK(sum(buf + 10, 10) == 2045);
  CHECK(buf[19] == 209);
  store(&a, -1234); store(&b, a * 2);
  CHECK(a == -1234); CHECK(b == -2468);
  return CHECK_RESULT();
}
