// Compound shifts of 24- and 32-bit members of structures in the frame
// (also a member of a member), by constants and by a variable count, both
// signednesses, next to the same shifts of a global instance.
#include "check.h"

struct inner { unsigned char pad; short long s; };
struct rec { signed char a; long h; unsigned long u; unsigned short long t; struct inner in; };

struct rec g;

int main(void)
{
  struct rec ls;
  unsigned char n;
  ls.h = 5; ls.h <<= 31; CHECK((unsigned long)ls.h == 0x80000000UL);
  ls.h >>= 28; CHECK((unsigned long)ls.h == 0xFFFFFFF8UL);
  ls.u = 0x80000001UL; ls.u >>= 31; CHECK(ls.u == 1UL);
  ls.t = 0x123456U; ls.t <<= 4; CHECK(ls.t == 0x234560U);
  ls.t >>= 12; CHECK(ls.t == 0x234U);
  ls.in.s = -4096; ls.in.s >>= 3; CHECK((unsigned long)ls.in.s == 0xFFFFFE00UL);
  ls.in.s <<= 9; CHECK((unsigned long)ls.in.s == 0xFFFC0000UL);
  n = 7;
  ls.h = 0x7FL; ls.h <<= n; CHECK(ls.h == 0x3F80L);
  ls.u = 0xF0000000UL; ls.u >>= n; CHECK(ls.u == 0x1E00000UL);
  ls.in.s = -1; ls.in.s >>= n; CHECK(ls.in.s == -1);
  g.h = -256; g.h >>= n; CHECK(g.h == -2L);
  g.in.s = 3; g.in.s <<= n; CHECK(g.in.s == 384);
  ls.a = 9; CHECK(ls.a == 9);
  return CHECK_RESULT();
}
