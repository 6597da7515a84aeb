// A 32-bit shift by a variable count whose result is live across a call:
// the temporary holding it is saved before the call, and a count of 0 must
// not jump over that save (found by the random programs, seed 3143).
#include "check.h"

long gl; unsigned char gn, gk;

static unsigned short long low24(unsigned char a) { unsigned short long r; r = a; return r; }

int main(void)
{
  int e;
  gl = 0x12345605; gk = 5;
  for (gn = 0; gn < 3; gn++) {
    e = ((unsigned short long)(gl << gn) == low24(gk));
    CHECK(e == 0);
    e = ((unsigned short long)(gl << gn) != low24(gk << gn));
    CHECK(e == 1);
  }
  gl = 5; gn = 0;
  e = ((gl << gn) == low24(gk)); CHECK(e == 1);
  e = ((gl >> gn) == low24(gk)); CHECK(e == 1);
  return CHECK_RESULT();
}
