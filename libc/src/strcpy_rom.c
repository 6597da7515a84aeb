/* strcpy_rom, strncpy_rom, strcat_rom: copies from a string in program
   memory into data memory, as strcpy, strncpy and strcat do. */
#include <string.h>

char *strcpy_rom(char *dst, const far rom char *src) {
  char *d = dst;
  while ((*d++ = *src++) != 0) {
  }
  return dst;
}

char *strncpy_rom(char *dst, const far rom char *src, size_t n) {
  char *d = dst;
  while (n && *src) {
    *d++ = *src++;
    n--;
  }
  while (n) {
    *d++ = 0;
    n--;
  }
  return dst;
}

char *strcat_rom(char *dst, const far rom char *src) {
  char *d = dst;
  while (*d) d++;
  while ((*d++ = *src++) != 0) {
  }
  return dst;
}
