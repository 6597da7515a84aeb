/* memmove: copies n bytes from src to dst; the areas may overlap. A copy to
   a lower address runs forwards (memcpy, which copies upwards a byte at a
   time), one to a higher address backwards. */
#include <string.h>

void *memmove(void *dst, const void *src, size_t n) {
  unsigned char *d = (unsigned char *)dst;
  const unsigned char *s = (const unsigned char *)src;
  if (d <= s) return memcpy(dst, src, n);
  d += n;
  s += n;
  while (n) {
    *--d = *--s;
    n--;
  }
  return dst;
}
