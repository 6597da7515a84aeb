/* qsort: sorts count elements of size bytes at base in place with the
   caller's comparison. Shell sort with the gaps 1, 4, 13, 40, ...: no
   recursion (the software stack is small) and no extra memory; elements are
   moved by swapping their bytes. Not stable. */
#include <stdlib.h>

static void s_swap(unsigned char *a, unsigned char *b, size_t size) {
  unsigned char t;
  while (size) {
    t = *a;
    *a++ = *b;
    *b++ = t;
    size--;
  }
}

void qsort(void *base, size_t count, size_t size, int (*compare)(const void *, const void *)) {
  unsigned char *b = (unsigned char *)base;
  size_t gap = 1;
  size_t i, j;
  if (count < 2 || size == 0) return;
  while (gap < count / 3) gap = gap * 3 + 1;
  for (; gap; gap /= 3) {
    for (i = gap; i < count; i++) {
      for (j = i; j >= gap; j -= gap) {
        unsigned char *hi = b + j * size;
        unsigned char *lo = hi - gap * size;
        if (compare(lo, hi) <= 0) break;
        s_swap(lo, hi, size);
      }
    }
  }
}
