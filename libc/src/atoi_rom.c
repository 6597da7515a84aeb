/* atoi_rom, atol_rom: atoi and atol of text in program memory (leading
   white space, a sign, decimal digits; the value wraps when too large). */
#include <stdlib.h>

long atol_rom(const far rom char *s) {
  unsigned long v = 0;
  unsigned char neg = 0;
  while (*s == ' ' || (*s >= '\t' && *s <= '\r')) s++;
  if (*s == '-' || *s == '+') neg = *s++ == '-';
  while (*s >= '0' && *s <= '9') v = v * 10 + (unsigned long)(*s++ - '0');
  return neg ? (long)(0 - v) : (long)v;
}

int atoi_rom(const far rom char *s) { return (int)atol_rom(s); }
