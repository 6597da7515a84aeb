/* memcmp: compares n bytes as unsigned chars; the difference of the first
   pair that differs, 0 when all are equal. */
#include <string.h>

int memcmp(const void *a, const void *b, size_t n) {
  const unsigned char *p = (const unsigned char *)a;
  const unsigned char *q = (const unsigned char *)b;
  while (n) {
    if (*p != *q) return (int)*p - (int)*q;
    p++;
    q++;
    n--;
  }
  return 0;
}
