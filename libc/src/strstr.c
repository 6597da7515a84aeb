/* strstr: the first place where find occurs in s, or NULL; an empty find
   gives s. */
#include <string.h>

char *strstr(const char *s, const char *find) {
  const char *p;
  const char *q;
  if (!*find) return (char *)s;
  for (; *s; s++) {
    if (*s != *find) continue;
    p = s;
    q = find;
    while (*q && *p == *q) {
      p++;
      q++;
    }
    if (!*q) return (char *)s;
  }
  return NULL;
}
