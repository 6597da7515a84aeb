/* strcmp_rom, strncmp_rom: compare a string in data memory with one in
   program memory, as strcmp and strncmp do. */
#include <string.h>

int strcmp_rom(const char *a, const far rom char *b) {
  const unsigned char *p = (const unsigned char *)a;
  const far rom unsigned char *q = (const far rom unsigned char *)b;
  while (*p && *p == *q) {
    p++;
    q++;
  }
  return (int)*p - (int)*q;
}

int strncmp_rom(const char *a, const far rom char *b, size_t n) {
  const unsigned char *p = (const unsigned char *)a;
  const far rom unsigned char *q = (const far rom unsigned char *)b;
  while (n) {
    if (*p != *q) return (int)*p - (int)*q;
    if (!*p) return 0;
    p++;
    q++;
    n--;
  }
  return 0;
}
