/* strncpy: copies at most n bytes of src to dst and pads with zeros up to
   n; dst is not terminated when src has n bytes or more. */
#include <string.h>

char *strncpy(char *dst, const char *src, size_t n) {
  char *d = dst;
  while (n && *src) {
    *d++ = *src++;
    n--;
  }
  while (n) {
    *d++ = 0;
    n--;
  }
  return dst;
}
