/* strcat: appends src with its terminator to the string at dst. */
#include <string.h>

char *strcat(char *dst, const char *src) {
  char *d = dst;
  while (*d) d++;
  while ((*d++ = *src++) != 0) {
  }
  return dst;
}
