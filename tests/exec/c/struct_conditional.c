// The conditional operator with structure operands of more than four bytes:
// assigned, returned, passed as an argument and with a member taken from
// its result; only the chosen arm's call runs.
#include "check.h"

typedef struct { long a; char b; } pair_t;

pair_t x = {1, 2}, y = {-3, 4}, z;
unsigned char made;

static pair_t make(long a) { pair_t p; p.a = a; p.b = 0; made++; return p; }
static pair_t pick(unsigned char c) { return c ? x : y; }
static long first(pair_t p) { return p.a; }

int main(void)
{
  unsigned char c = 1;
  z = c ? x : y;
  CHECK(z.a == 1 && z.b == 2);
  z = pick(0);
  CHECK(z.a == -3 && z.b == 4);
  CHECK(first(c ? y : x) == -3 && (c - 1 ? x : y).b == 4);
  z = c ? make(70000l) : make(5);
  CHECK(z.a == 70000l && made == 1);
  return CHECK_RESULT();
}
