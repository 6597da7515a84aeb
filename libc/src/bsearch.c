/* bsearch: finds key among count sorted elements of size bytes at base;
   a matching element, or NULL. */
#include <stdlib.h>

void *bsearch(const void *key, const void *base, size_t count, size_t size,
              int (*compare)(const void *, const void *)) {
  const unsigned char *b = (const unsigned char *)base;
  size_t lo = 0, hi = count, mid;
  int r;
  while (lo < hi) {
    mid = lo + (hi - lo) / 2;
    r = compare(key, b + mid * size);
    if (r == 0) return (void *)(b + mid * size);
    if (r < 0) hi = mid;
    else lo = mid + 1;
  }
  return NULL;
}
