/* strchr: the first byte of s equal to (char)c, or NULL; the terminator
   counts, so strchr(s, 0) finds the end. */
#include <string.h>

char *strchr(const char *s, int c) {
  char v = (char)c;
  for (;;) {
    if (*s == v) return (char *)s;
    if (!*s) return NULL;
    s++;
  }
}
