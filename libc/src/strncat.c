/* strncat: appends at most n bytes of src to the string at dst, then a
   terminator. */
#include <string.h>

char *strncat(char *dst, const char *src, size_t n) {
  char *d = dst;
  while (*d) d++;
  while (n && *src) {
    *d++ = *src++;
    n--;
  }
  *d = 0;
  return dst;
}
