/* memcpy: copies n bytes from src to dst (the areas must not overlap). */
#include <string.h>

void *memcpy(void *dst, const void *src, size_t n) {
  unsigned char *d = (unsigned char *)dst;
  const unsigned char *s = (const unsigned char *)src;
  while (n) {
    *d++ = *s++;
    n--;
  }
  return dst;
}
