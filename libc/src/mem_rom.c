/* memcpy_rom, memcmp_rom: memcpy and memcmp with the source (the second
   operand) in program memory. */
#include <string.h>

void *memcpy_rom(void *dst, const far rom void *src, size_t n) {
  unsigned char *d = (unsigned char *)dst;
  const far rom unsigned char *s = (const far rom unsigned char *)src;
  while (n) {
    *d++ = *s++;
    n--;
  }
  return dst;
}

int memcmp_rom(const void *a, const far rom void *b, size_t n) {
  const unsigned char *p = (const unsigned char *)a;
  const far rom unsigned char *q = (const far rom unsigned char *)b;
  while (n) {
    if (*p != *q) return (int)*p - (int)*q;
    p++;
    q++;
    n--;
  }
  return 0;
}
