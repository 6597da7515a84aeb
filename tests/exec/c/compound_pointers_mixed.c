// Compound assignments whose target and right operand are both reached through
// pointers and differ in width and signedness (every pair of the eight integer
// types in turn): the operation is done in the type of the usual conversions
// and the result converted to the target. Each result computed on a PC.
#include "check.h"

unsigned char v0 = 0x2A, *pv0 = &v0;
signed char v1 = 107, *pv1 = &v1;
int v2 = -20332, *pv2 = &v2;
unsigned int v3 = 0x6B04, *pv3 = &v3;
short long v4 = -6123685l, *pv4 = &v4;
unsigned short long v5 = 0x480075ul, *pv5 = &v5;
long v6 = 2057720845l, *pv6 = &v6;
unsigned long v7 = 0xD7E11B1Bul, *pv7 = &v7;

int main(void)
{
  *pv0 += *pv3; CHECK(*pv0 == 0x2E);
  *pv1 -= *pv7; CHECK(*pv1 == 80);
  *pv2 *= *pv5; CHECK(*pv2 == -19548);
  *pv3 /= *pv6; CHECK(*pv3 == 0);
  *pv4 %= *pv0; CHECK(*pv4 == -27);
  *pv5 &= *pv0; CHECK(*pv5 == 0x24);
  *pv6 |= *pv5; CHECK(*pv6 == 2057720877l);
  *pv7 ^= *pv6; CHECK(*pv7 == 0xAD474F36ul);
  *pv0 += *pv1; CHECK(*pv0 == 0x7E);
  *pv1 -= *pv2; CHECK(*pv1 == -84);
  *pv2 *= *pv3; CHECK(*pv2 == 0);
  *pv3 /= *pv6; CHECK(*pv3 == 0);
  *pv4 %= *pv0; CHECK(*pv4 == -27);
  *pv5 &= *pv6; CHECK(*pv5 == 0x24);
  *pv6 |= *pv1; CHECK(*pv6 == -83);
  *pv7 ^= *pv2; CHECK(*pv7 == 0xAD474F36ul);
  *pv0 += *pv3; CHECK(*pv0 == 0x7E);
  *pv1 -= *pv5; CHECK(*pv1 == -120);
  *pv2 *= *pv7; CHECK(*pv2 == 0);
  *pv3 /= *pv1; CHECK(*pv3 == 0);
  *pv4 %= *pv5; CHECK(*pv4 == 1);
  *pv5 &= *pv0; CHECK(*pv5 == 0x24);
  *pv6 |= *pv2; CHECK(*pv6 == -83);
  *pv7 ^= *pv1; CHECK(*pv7 == 0x52B8B0BEul);
  *pv0 += *pv1; CHECK(*pv0 == 6);
  *pv1 -= *pv0; CHECK(*pv1 == -126);
  *pv2 *= *pv7; CHECK(*pv2 == 0);
  *pv3 ^= *pv2; CHECK(*pv3 == 0);
  *pv4 %= *pv5; CHECK(*pv4 == 1);
  *pv5 &= *pv6; CHECK(*pv5 == 0x24);
  *pv6 |= *pv7; CHECK(*pv6 == -65);
  *pv7 ^= *pv2; CHECK(*pv7 == 0x52B8B0BEul);
  *pv0 += *pv2; CHECK(*pv0 == 6);
  *pv1 /= *pv7; CHECK(*pv1 == 3);
  *pv2 /= *pv1; CHECK(*pv2 == 0);
  *pv3 -= *pv6; CHECK(*pv3 == 0x41);
  *pv4 ^= *pv1; CHECK(*pv4 == 2);
  *pv5 /= *pv6; CHECK(*pv5 == 0);
  *pv6 *= *pv5; CHECK(*pv6 == 0);
  *pv7 ^= *pv6; CHECK(*pv7 == 0x52B8B0BEul);
  return CHECK_RESULT();
}
