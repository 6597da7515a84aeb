/* memchr: the first of n bytes at s equal to (unsigned char)c, or NULL. */
#include <string.h>

void *memchr(const void *s, int c, size_t n) {
  const unsigned char *p = (const unsigned char *)s;
  unsigned char v = (unsigned char)c;
  while (n) {
    if (*p == v) return (void *)p;
    p++;
    n--;
  }
  return NULL;
}
