/* memset: fills n bytes at dst with the byte c. */
#include <string.h>

void *memset(void *dst, int c, size_t n) {
  unsigned char *d = (unsigned char *)dst;
  unsigned char v = (unsigned char)c;
  while (n) {
    *d++ = v;
    n--;
  }
  return dst;
}
