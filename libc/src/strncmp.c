/* strncmp: strcmp over at most n bytes. */
#include <string.h>

int strncmp(const char *a, const char *b, size_t n) {
  const unsigned char *p = (const unsigned char *)a;
  const unsigned char *q = (const unsigned char *)b;
  while (n) {
    if (*p != *q) return (int)*p - (int)*q;
    if (!*p) return 0;
    p++;
    q++;
    n--;
  }
  return 0;
}
