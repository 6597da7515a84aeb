/* strcat: appends src with its terminator to the string at dst, as a
   strcpy to the end that strlen finds. */
#include <string.h>

char *strcat(char *dst, const char *src) {
  strcpy(dst + strlen(dst), src);
  return dst;
}
