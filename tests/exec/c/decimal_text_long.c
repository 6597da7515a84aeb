// Decimal text for longs as a console would print and parse it: conversion to
// a string by division by ten (with the most negative long), parsing back with
// sign and overflow by wrap-around, and unsigned long to hexadecimal digits;
// the strings compared character by character.
#include "check.h"

static char *to_dec(long v, char *end)
{
  unsigned long u = v < 0 ? 0ul - (unsigned long)v : (unsigned long)v;
  *--end = 0;
  do {
    *--end = '0' + (char)(u % 10);
    u /= 10;
  } while (u);
  if (v < 0)
    *--end = '-';
  return end;
}

static long from_dec(const char *s)
{
  unsigned long u = 0;
  unsigned char neg = *s == '-';
  if (neg)
    s++;
  while (*s >= '0' && *s <= '9')
    u = u * 10 + (unsigned char)(*s++ - '0');
  return neg ? (long)(0ul - u) : (long)u;
}

static void to_hex(unsigned long v, char *out)
{
  signed char i;
  for (i = 7; i >= 0; i--, v >>= 4)
    out[i] = "0123456789ABCDEF"[(unsigned char)v & 15];
  out[8] = 0;
}

static unsigned char same(const char *a, const rom char *b)
{
  while (*a && *a == *b) { a++; b++; }
  return *a == *b;
}

long values[] = {0, -1, 7, (-2147483647l - 1), 2147483647l, 1000000l, -40960l, 65535l, 100};
rom char *rom texts[] = {"0", "-1", "7", "-2147483648", "2147483647", "1000000", "-40960", "65535", "100"};
rom char *rom hexes[] = {"00000000", "FFFFFFFF", "00000007", "80000000", "7FFFFFFF", "000F4240", "FFFF6000", "0000FFFF", "00000064"};

int main(void)
{
  char buf[12], hex[9], *s;
  unsigned char i;
  for (i = 0; i < sizeof values / sizeof values[0]; i++) {
    s = to_dec(values[i], buf + sizeof buf);
    CHECK(same(s, texts[i]));
    CHECK(from_dec(s) == values[i]);
    to_hex(values[i], hex);
    CHECK(same(hex, hexes[i]));
  }
  return CHECK_RESULT();
}
