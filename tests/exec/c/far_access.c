// Far (24-bit) rom accesses through computed addresses: tables of ints
// indexed by char and int variables (the index scaled by the element
// size), across 64 KiB; *p++ on far pointers to bytes and ints, its value
// read; far addresses and far pointers passed as arguments.
// exec-compile: -p HR6810K
// exec-link: -p HR6810K
#include "check.h"

#pragma romdata across = 0xFFFA
far rom int straddle[5] = {-1, 2, -3, 4, 0x1234};
#pragma romdata high_tables = 0x10020
far rom unsigned char fb[6] = {1, 2, 3, 4, 5, 6};
far rom int fw[4] = {100, 200, 300, -400};
#pragma romdata

static unsigned char first(far rom unsigned char *q) { return *q; }
static int second(far rom int *q) { q++; return *q; }
static int at(far rom int *q, unsigned char i) { return q[i]; }

int main(void)
{
  far rom unsigned char *fp = fb;
  far rom int *wp = fw;
  unsigned char i;
  unsigned int j;
  int k, sum;

  i = 2; k = fw[i]; CHECK(k == 300);
  i = 3; CHECK(fw[i] == -400);
  j = 1; CHECK(fw[j] == 200);
  sum = 0;
  for (i = 0; i < 5; i++) sum += straddle[i];
  CHECK(sum == 2 + 0x1234);
  for (j = 0; j < 5; j++) if (straddle[j] == 4) break;
  CHECK(j == 3);

  CHECK(*fp++ == 1); CHECK(*fp == 2); CHECK(*fp++ == 2); CHECK(*fp == 3);
  CHECK(*wp++ == 100); CHECK(*wp++ == 200); CHECK(*wp == 300);
  wp = straddle + 1; k = *wp++; CHECK(k == 2); k = *wp++; CHECK(k == -3); CHECK(*wp == 4);

  CHECK(first(fb) == 1);
  CHECK(first(fb + 4) == 5);
  CHECK(first(fp) == 3);
  CHECK(second(fw) == 200);
  CHECK(second(straddle + 2) == 4);
  CHECK(at(straddle, 4) == 0x1234);
  CHECK(at(fw, 3) == -400);
  return CHECK_RESULT();
}
