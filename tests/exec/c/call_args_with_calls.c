// A call whose first argument holds a call inside || and whose second holds
// a 16-bit modulo inside &&: each argument reaches its parameter. Random
// programs (seed 45) found the second argument lost: 0 instead of 1.
#include "check.h"

signed char c0, c1, c2;
unsigned char u0;
int i1;
int iarr[4];

static signed char f0(unsigned int p0, int p1)
{
  return (signed char)(p1);
}

int main(void)
{
  c0 = 0; c1 = 162; c2 = 253; u0 = 223; i1 = 33329; iarr[0] = 54328u;
  c1 = f0(((c2 && iarr[0]) || f0(1000, u0)), ((c0 % i1) && iarr[0]));
  CHECK(c1 == 0);
  c0 = 5;
  c1 = f0(((c2 && iarr[0]) || f0(1000, u0)), ((c0 % i1) && iarr[0]));
  CHECK(c1 == 1);
  return CHECK_RESULT();
}
