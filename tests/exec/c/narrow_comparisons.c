// Comparisons of a widened value with a constant, which are made at the
// value's own width, or decided at compile time when the constant lies
// outside the value's range: every operator, the constant on either side,
// unsigned and signed bytes against int, unsigned int and long constants
// (a signed byte converted to unsigned int compares equal to 65535u when it
// is -1), 16- and 24-bit values against long constants. Each result is
// checked against the same comparison with the constant in a volatile
// variable of the constant's type, which is made at the wide width. The
// constants are cast to their type: a small constant alone has the type of
// its value, char, unless integer promotion is on.
#include "check.h"

unsigned char fails;
unsigned char reads;

#define SAME(x, K, k) \
  ((x == K) == (x == k) && (x != K) == (x != k) && (x < K) == (x < k) && (x > K) == (x > k) && \
   (x <= K) == (x <= k) && (x >= K) == (x >= k) && (K < x) == (k < x) && (K == x) == (k == x) && \
   (K >= x) == (k >= x))

#define ROW(T, x, K) \
  do { \
    volatile T k = (K); \
    if (!SAME(x, ((T)(K)), k)) { \
      fails++; \
      check_line = __LINE__; \
    } \
  } while (0)

static void bytes(unsigned char u) {
  signed char s = (signed char)u;
  ROW(int, u, -129); ROW(int, u, -1); ROW(int, u, 0); ROW(int, u, 1); ROW(int, u, 127);
  ROW(int, u, 128); ROW(int, u, 200); ROW(int, u, 255); ROW(int, u, 256); ROW(int, u, 300);
  ROW(unsigned int, u, 200u); ROW(unsigned int, u, 255u); ROW(unsigned int, u, 256u);
  ROW(unsigned int, u, 65535u);
  ROW(long, u, 70000L); ROW(long, u, -1L); ROW(long, u, 255L);
  ROW(int, s, -129); ROW(int, s, -128); ROW(int, s, -1); ROW(int, s, 0); ROW(int, s, 1);
  ROW(int, s, 127); ROW(int, s, 128); ROW(int, s, 200); ROW(int, s, 255); ROW(int, s, 300);
  ROW(unsigned int, s, 127u); ROW(unsigned int, s, 128u); ROW(unsigned int, s, 65535u);
  ROW(unsigned int, s, 0xFF80u); ROW(unsigned int, s, 0xFF7Fu);
  ROW(long, s, -128L); ROW(long, s, 70000L);
}

static void words(unsigned int w, int i, short long m) {
  ROW(long, w, 65535L); ROW(long, w, 65536L); ROW(long, w, -1L); ROW(long, w, 1000L);
  ROW(unsigned long, w, 65535ul); ROW(unsigned long, w, 70000ul);
  ROW(long, i, 32767L); ROW(long, i, 32768L); ROW(long, i, -32768L); ROW(long, i, -32769L);
  ROW(unsigned long, i, 0xFFFFFFFFul); ROW(unsigned long, i, 0xFFFF8000ul); ROW(unsigned long, i, 5ul);
  ROW(long, m, 0x7FFFFFL); ROW(long, m, 0x800000L); ROW(long, m, -0x800000L); ROW(long, m, -1L);
}

volatile unsigned char port;

int main(void) {
  unsigned int n = 0;
  static const unsigned int wv[] = {0, 1, 999, 1000, 1001, 0x7FFF, 0x8000, 0xFFFE, 0xFFFF};
  static const short long mv[] = {0, -1, 0x7FFFFF, -0x7FFFFF - 1, 0x123456};
  unsigned char j;
  do {
    bytes((unsigned char)n);
  } while (++n < 256);
  for (j = 0; j < sizeof wv / sizeof wv[0]; j++)
    words(wv[j], (int)wv[j], mv[j % 5]);
  if (fails) {
    check_fail();
    fails = 0;
  }
  // Out-of-range constants with a volatile operand: the comparison is
  // still made (and still false or true).
  port = 7;
  CHECK(!(port == 300) && port != -1 && port < 256 && !(port > 1000));
  return CHECK_RESULT();
}
