// The conditional operator with short long and long arms: into locals, as an
// argument and an operand, as a return value, and unused.
#include "check.h"
long a = 100000L, b = -5L; short long s = 70000, t = -3;
unsigned char k;
long f(long x) { return x + 1; }
long pick(unsigned char c, long x, long y) { return c ? x : y; }
int main(void) {
  long r; short long q;
  r = k ? a : b; CHECK(r == -5L);
  k = 1; r = k ? a : b; CHECK(r == 100000L);
  q = (a > 5L) ? s : t; CHECK(q == 70000);
  q = (a < 5L) ? s + 1 : t - 1; CHECK(q == -4);
  r = f(k ? a : b) + (k ? 1L : 2L); CHECK(r == 100002L);
  CHECK(pick(0, 1L, 0x12345678L) == 0x12345678L);
  CHECK(pick(3, 0x7FFFFFFFL, 0) == 0x7FFFFFFFL);
  k ? (a = 7) : (b = 8); CHECK(a == 7);
  return CHECK_RESULT();
}
