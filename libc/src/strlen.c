/* strlen: the number of bytes before the terminating zero. */
#include <string.h>

size_t strlen(const char *s) {
  const char *p = s;
  while (*p) p++;
  return (size_t)(p - s);
}
