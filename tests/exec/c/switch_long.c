// switch on long and unsigned long selectors with sparse cases that share
// bytes (0xFFFF, -1, -65536, 0x10000, 0xFF0000, 256 and 255, 0x1000000) and
// the extremes, probed with every case value and with neighbours that differ
// in one byte. Expected codes from the case list.
#include "check.h"

long probes[] = {0, -1, 65536l, 2147483647l, (-2147483647l - 1), 16711680l, 255, 256, -256, 16777216l, 65535l, -65536l, 1, -2, 65537l, 2147483646l, 255, 511, 16646144l, 33554432l, 65534l, 131071l, -65535l, 16711680l};
unsigned char codes[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 0, 0, 0, 0, 7, 0, 0, 0, 0, 0, 0, 6};

static unsigned char classify(long v)
{
  switch (v) {
  case 0: return 1;
  case -1: return 2;
  case 65536l: return 3;
  case 2147483647l: return 4;
  case (-2147483647l - 1): return 5;
  case 16711680l: return 6;
  case 255: return 7;
  case 256: return 8;
  case -256: return 9;
  case 16777216l: return 10;
  case 65535l: return 11;
  case -65536l: return 12;
  }
  return 0;
}

static unsigned char classify_unsigned(unsigned long v)
{
  unsigned char r = 0;
  switch (v) {
  case 0: r = 1; break;
  case 0xFFFFFFFFul: r = 2; break;
  case 0x10000ul: r = 3; break;
  case 0x7FFFFFFFul: r = 4; break;
  case 0x80000000ul: r = 5; break;
  case 0xFF0000ul: r = 6; break;
  case 0xFF: r = 7; break;
  case 0x100: r = 8; break;
  case 0xFFFFFF00ul: r = 9; break;
  case 0x1000000ul: r = 10; break;
  case 0xFFFFu: r = 11; break;
  case 0xFFFF0000ul: r = 12; break;
  default: r = 0;
  }
  return r;
}

long g;
struct { char c; long m; } box = {1, 0x10000};

static unsigned char on_place(long *p)
{
  unsigned char r = 0;
  switch (g) { case 0x10000: r = 1; break; case -1: r = 2; }
  switch (*p) { case 0x10000: r += 10; break; case -1: r += 20; }
  switch (box.m) { case 0x10000: r += 30; break; default: r += 40; }
  return r;
}

static unsigned char on_sum(long a, long b)
{
  switch (a + b) { case 0x12345678l: return 1; case 0: return 2; default: return 3; }
}

int main(void)
{
  unsigned char i;
  long l = -1;
  for (i = 0; i < sizeof probes / sizeof probes[0]; i++) {
    CHECK(classify(probes[i]) == codes[i]);
    CHECK(classify_unsigned(probes[i]) == codes[i]);
  }
  g = 0x10000;
  CHECK(on_place(&l) == 51);
  g = -1; box.m = 0x1000;
  CHECK(on_place(&g) == 62);
  CHECK(on_sum(0x12340000l, 0x5678) == 1 && on_sum(-5, 5) == 2 && on_sum(0x12345678l, 0x10000) == 3);
  return CHECK_RESULT();
}
