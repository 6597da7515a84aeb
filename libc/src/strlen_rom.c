/* strlen_rom: strlen of a string in program memory. */
#include <string.h>

size_t strlen_rom(const far rom char *s) {
  size_t n = 0;
  while (*s++) n++;
  return n;
}
