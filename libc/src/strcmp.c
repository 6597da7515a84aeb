/* strcmp: compares two strings as unsigned chars; the difference of the
   first pair that differs, 0 when they are equal. */
#include <string.h>

int strcmp(const char *a, const char *b) {
  const unsigned char *p = (const unsigned char *)a;
  const unsigned char *q = (const unsigned char *)b;
  while (*p && *p == *q) {
    p++;
    q++;
  }
  return (int)*p - (int)*q;
}
