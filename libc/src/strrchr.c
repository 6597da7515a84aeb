/* strrchr: the last byte of s equal to (char)c (the terminator counts), or
   NULL. */
#include <string.h>

char *strrchr(const char *s, int c) {
  char v = (char)c;
  const char *found = NULL;
  for (;;) {
    if (*s == v) found = s;
    if (!*s) return (char *)found;
    s++;
  }
}
