// Volatile variables: every read and write in the source happens, in
// order, also in loops that would otherwise do nothing.
#include "check.h"

volatile unsigned char vc;
volatile int vi;
unsigned char reads;

int main(void)
{
  unsigned char i;
  vc = 0;
  for (i = 0; i < 10; i++) vc++;
  CHECK(vc == 10);
  vi = -1;
  vi += vi;
  CHECK(vi == -2);
  vc = 3; vc = vc * vc; CHECK(vc == 9);
  reads = 0;
  while (vc) { vc--; reads++; }
  CHECK(reads == 9);
  return CHECK_RESULT();
}
