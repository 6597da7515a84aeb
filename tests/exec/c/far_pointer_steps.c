// Far (24-bit) pointers to ints and longs in program memory stepped by
// ++ and --, prefix and postfix, as statements and with their value used,
// global and local, through a pointer to the pointer, and across 64 KiB:
// each step is the pointee's size.
// exec-compile: -p HR6810K
// exec-link: -p HR6810K
#include "check.h"
#pragma romdata across = 0xFFFC
far rom int straddle[4] = {-1, 2, -3, 4};
#pragma romdata high_tables = 0x10010
far rom int fw[4] = {100, 200, 300, 400};
far rom long fl[3] = {70000L, -5L, 123456L};
#pragma romdata
far rom int *gwp;
far rom long *glp;
int main(void)
{
  far rom int *wp; far rom long *lp; far rom int **pp;
  wp = fw; wp++; CHECK(*wp == 200);
  gwp = fw; gwp++; CHECK(*gwp == 200);
  gwp = fw; ++gwp; CHECK(*gwp == 200);
  gwp--; CHECK(*gwp == 100);
  wp = fw + 3; --wp; CHECK(*wp == 300);
  lp = fl; lp++; CHECK(*(far rom unsigned char *)lp == 0xFB);
  ++lp; CHECK(*(far rom unsigned char *)lp == 0x40);
  glp = fl + 2; glp--; CHECK(*(far rom unsigned char *)glp == 0xFB);
  wp = straddle; wp++; wp++; CHECK(*wp == -3); wp--; wp--; CHECK(*wp == -1);
  wp = straddle + 1; wp++; wp++; CHECK(*wp == 4);
  gwp = fw; pp = &gwp; ++*pp; CHECK(*gwp == 200); (*pp)++; CHECK(*gwp == 300); --*pp; CHECK(*gwp == 200);
  gwp = fw; wp = ++gwp; CHECK(*wp == 200);
  gwp = fw; wp = gwp++; CHECK(*wp == 100); CHECK(*gwp == 200);
  return CHECK_RESULT();
}
