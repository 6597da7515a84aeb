// The C library's memory and string functions, and their forms that read
// from program memory: empty strings, lengths 0 and 1, overlapping
// memmove both ways, bytes above 127 in comparisons, the terminator found
// by strchr and strrchr, padding of strncpy.
#include <string.h>
#include "check.h"

char empty[] = "";
char hello[] = "hello";
char world[] = "world";
char hay[] = "abababc";
char high[] = "\xF0";
char low[] = "\x10";
char buf[32];
unsigned char mem[16];
unsigned char big[260], big2[260];
rom unsigned char long_rom[260] = {1, 2, 3};
#define T10 "xxxxxxxxxx"
#define T50 T10 T10 T10 T10 T10
rom char long_text[] = T50 T50 T50 T50 T50 "xxxxxxxx";  // 258 characters

static void fill(void) {
  unsigned char i;
  for (i = 0; i < 16; i++) mem[i] = i;
}

static void memory(void) {
  unsigned char i;
  fill();
  CHECK(memset(mem, 0xAB, 0) == mem && mem[0] == 0);
  CHECK(memset(mem + 2, 0x1AB, 3) == mem + 2);
  CHECK(mem[1] == 1 && mem[2] == 0xAB && mem[4] == 0xAB && mem[5] == 5);
  fill();
  CHECK(memcpy(buf, mem, 16) == buf);
  CHECK(memcmp(buf, mem, 16) == 0);
  CHECK(memcpy(buf, hello, 0) == buf && buf[0] == 0);
  // Overlap, destination above the source: must copy backwards.
  memmove(mem + 2, mem, 10);
  for (i = 0; i < 10; i++) CHECK(mem[i + 2] == i);
  CHECK(mem[0] == 0 && mem[1] == 1 && mem[12] == 12);
  fill();
  // Overlap, destination below the source: forwards.
  CHECK(memmove(mem, mem + 3, 13) == mem);
  for (i = 0; i < 13; i++) CHECK(mem[i] == i + 3);
  CHECK(mem[13] == 13);
  memmove(mem, mem, 16);
  CHECK(mem[0] == 3);
  CHECK(memcmp(hello, world, 0) == 0);
  CHECK(memcmp(hello, world, 1) < 0);
  CHECK(memcmp(world, hello, 5) > 0);
  CHECK(memcmp(high, low, 1) > 0);  // bytes compare unsigned
  CHECK(memchr(hello, 'l', 5) == hello + 2);
  CHECK(memchr(hello, 'o', 4) == NULL);
  CHECK(memchr(hello, 0, 6) == hello + 5);
  CHECK(memchr(high, 0x1F0, 1) == high);
  CHECK(memchr(hello, 'h', 0) == NULL);
}

// Lengths of 256 and more: the counts' high bytes.
static void long_runs(void) {
  unsigned int k;
  unsigned char bad = 0;
  memset(big2, 0xEE, 260);
  CHECK(memset(big, 0x5A, 257) == big && big[0] == 0x5A && big[255] == 0x5A && big[256] == 0x5A && big[257] == 0);
  memset(big, 1, 256);
  CHECK(big[0] == 1 && big[255] == 1 && big[256] == 0x5A);
  for (k = 0; k < 260; k++) big[k] = (unsigned char)(k * 7u);
  CHECK(memcpy(big2, big, 258) == big2 && big2[258] == 0xEE && big2[259] == 0xEE);
  for (k = 0; k < 258; k++) bad |= big2[k] != big[k];
  CHECK(bad == 0 && memcmp(big, big2, 258) == 0 && memcmp(big, big2, 259) != 0);
  memmove(big + 1, big, 259);  // upwards, overlapping, longer than 256
  for (k = 0; k < 259; k++) bad |= big[k + 1] != (unsigned char)(k * 7u);
  memmove(big, big + 3, 257);  // downwards
  for (k = 0; k < 257; k++) bad |= big[k] != (unsigned char)((k + 2) * 7u);
  CHECK(bad == 0);
  memset(big, 0x5A, 260);
  CHECK(memcpy_rom(big, long_rom, 258) == big && big[0] == 1 && big[2] == 3 && big[258] == 0x5A);
  for (k = 3; k < 258; k++) bad |= big[k] != 0;
  CHECK(bad == 0 && memcmp_rom(big, long_rom, 258) == 0 && memcmp_rom(big, long_rom, 259) != 0);
  memset(big, 'x', 259);
  big[259] = 0;
  CHECK(strlen((char *)big) == 259);
  CHECK(strcpy((char *)big2, (char *)big) == (char *)big2 && big2[258] == 'x' && big2[259] == 0);
  CHECK(strlen_rom(long_text) == 258);
  memset(big2, 0xEE, 260);
  CHECK(strcpy_rom((char *)big2, long_text) == (char *)big2 && big2[257] == 'x' && big2[258] == 0 && big2[259] == 0xEE);
  big2[100] = 0;
  CHECK(strcat((char *)big2, (char *)big + 200) == (char *)big2 && strlen((char *)big2) == 159);
}

static void strings(void) {
  CHECK(strlen(empty) == 0);
  CHECK(strlen(hello) == 5);
  CHECK(strcpy(buf, hello) == buf && strcmp(buf, hello) == 0);
  CHECK(strcpy(buf, empty) == buf && buf[0] == 0 && buf[1] == 'e');
  CHECK(strcat(buf, hello) == buf && strcmp(buf, hello) == 0);
  CHECK(strcat(buf, empty) == buf && strlen(buf) == 5);
  strcat(buf, world);
  CHECK(strlen(buf) == 10 && buf[5] == 'w' && buf[10] == 0);
  memset(buf, 'x', 12);
  CHECK(strncpy(buf, hello, 3) == buf && buf[2] == 'l' && buf[3] == 'x');
  strncpy(buf, hello, 8);
  CHECK(buf[4] == 'o' && buf[5] == 0 && buf[7] == 0 && buf[8] == 'x');
  strncpy(buf, hello, 0);
  CHECK(buf[0] == 'h');
  strcpy(buf, hello);
  CHECK(strncat(buf, world, 2) == buf && strlen(buf) == 7 && buf[6] == 'o');
  CHECK(strncat(buf, world, 0) == buf && strlen(buf) == 7);
  strncat(buf, world, 20);
  CHECK(strlen(buf) == 12);
  CHECK(strcmp(empty, empty) == 0);
  CHECK(strcmp(empty, hello) < 0);
  CHECK(strcmp(hello, empty) > 0);
  CHECK(strcmp(hello, world) < 0);
  CHECK(strcmp(high, low) > 0);
  strcpy_rom(buf, "hel");
  CHECK(strcmp(buf, hello) < 0 && strcmp(hello, buf) > 0);
  CHECK(strncmp(buf, hello, 3) == 0);
  CHECK(strncmp(buf, hello, 4) < 0);
  CHECK(strncmp(hello, world, 0) == 0);
  CHECK(strncmp(hello, hello, 100) == 0);
  CHECK(strchr(hello, 'l') == hello + 2);
  CHECK(strchr(hello, 'z') == NULL);
  CHECK(strchr(hello, 0) == hello + 5);
  CHECK(strchr(empty, 'a') == NULL);
  CHECK(strrchr(hello, 'l') == hello + 3);
  CHECK(strrchr(hello, 'h') == hello);
  CHECK(strrchr(hello, 0) == hello + 5);
  CHECK(strrchr(hello, 'q') == NULL);
  strcpy_rom(buf, "abc");
  CHECK(strstr(hay, buf) == hay + 4);
  CHECK(strstr(hay, empty) == hay);
  CHECK(strstr(empty, empty) == empty);
  CHECK(strstr(empty, buf) == NULL);
  CHECK(strstr(hello, world) == NULL);
  CHECK(strstr(buf, hay) == NULL);
  CHECK(strstr(hello, hello) == hello);
}

rom char rom_hello[] = "hello";
rom unsigned char rom_bytes[4] = {1, 2, 0xF0, 4};

static void from_rom(void) {
  CHECK(strlen_rom("") == 0);
  CHECK(strlen_rom(rom_hello) == 5);
  CHECK(strcpy_rom(buf, rom_hello) == buf && strcmp(buf, hello) == 0);
  CHECK(strcat_rom(buf, " world") == buf && strlen(buf) == 11 && buf[6] == 'w');
  memset(buf, 'x', 10);
  CHECK(strncpy_rom(buf, "ab", 4) == buf && buf[1] == 'b' && buf[2] == 0 && buf[3] == 0 && buf[4] == 'x');
  CHECK(strcmp_rom(hello, rom_hello) == 0);
  CHECK(strcmp_rom(hello, "help") < 0);
  CHECK(strcmp_rom(empty, "") == 0);
  CHECK(strcmp_rom(high, "\x10") > 0);
  CHECK(strncmp_rom(hello, "help", 3) == 0);
  CHECK(strncmp_rom(hello, "help", 4) < 0);
  CHECK(strstr_rom(hay, "abc") == hay + 4);
  CHECK(strstr_rom(hay, "") == hay);
  CHECK(strstr_rom(hay, "abd") == NULL);
  CHECK(memcpy_rom(mem, rom_bytes, 4) == mem && mem[2] == 0xF0 && mem[3] == 4);
  CHECK(memcmp_rom(mem, rom_bytes, 4) == 0);
  mem[2] = 0x10;
  CHECK(memcmp_rom(mem, rom_bytes, 4) < 0);
  CHECK(memcmp_rom(mem, rom_bytes, 2) == 0);
}

int main(void) {
  memory();
  long_runs();
  strings();
  from_rom();
  return CHECK_RESULT();
}
