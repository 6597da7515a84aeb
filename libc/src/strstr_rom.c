/* strstr_rom: strstr with the string searched for in program memory. */
#include <string.h>

char *strstr_rom(const char *s, const far rom char *find) {
  const char *p;
  const far rom char *q;
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
