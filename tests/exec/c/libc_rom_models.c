// The C library's program-memory functions from a large-model program (rom
// pointers of 24 bits, as the library takes them) and on tables placed
// above 64 KiB; the other programs pass the small model's near pointers.
// exec-compile: -ml -p HR6810K
// exec-link: -p HR6810K
#include <stdlib.h>
#include <string.h>
#include "check.h"

#pragma romdata high_text = 0x10010
far rom char high[] = "far above";
far rom unsigned char high_bytes[3] = {9, 0xF0, 7};
#pragma romdata

char buf[16];
unsigned char bytes[3];

int main(void) {
  const far rom char *p = high;
  CHECK(strlen_rom(high) == 9 && strlen_rom(p + 4) == 5 && strlen_rom("") == 0);
  CHECK(strcpy_rom(buf, high) == buf && strcmp_rom(buf, "far above") == 0 && strcmp_rom(buf, high) == 0);
  CHECK(strncmp_rom(buf, high, 3) == 0 && strcmp_rom(buf, "far") > 0);
  CHECK(strstr_rom(buf, p + 4) == buf + 4);
  CHECK(strcat_rom(buf, "!") == buf && strlen(buf) == 10);
  CHECK(memcpy_rom(bytes, high_bytes, 3) == bytes && bytes[1] == 0xF0 && memcmp_rom(bytes, high_bytes, 3) == 0);
  CHECK(atoi_rom("-321") == -321 && atol_rom("70000") == 70000L);
  return CHECK_RESULT();
}
