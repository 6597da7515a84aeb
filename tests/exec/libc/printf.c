// printf on the output port (compared with printf.expected) and sprintf
// into a buffer (compared here): extremes of int and long, field widths,
// zero padding, left justification, %c, %s with an empty string, %S from
// program memory, %%, and the character counts both return.
#include <stdio.h>
#include "check.h"

static char buf[40];
static char empty[1];
static char word[] = "ram";

static unsigned char same(const char *a, const rom char *b)
{
  while (*a && *a == *b) {
    a++;
    b++;
  }
  return *a == *b;
}

int main(void)
{
  int n;
  n = printf("%d %d %d %d\n", -32767 - 1, 32767, 0, -1);
  CHECK(n == 18);
  printf("%ld %ld %lu %lx\n", -2147483647L - 1, 2147483647L, 4294967295UL, 0xDEADBEEFUL);
  printf("%u %x %X %lX\n", 65535u, 0xbeefu, 0xbeefu, 0x1234ABCDUL);
  printf("[%5d] [%-5d] [%05d] [%-05d] [%3d]\n", 42, 42, -42, 42, 12345);
  printf("[%8lx] [%08lX] [%-8lu]\n", 0xABCL, 0xABCL, 99UL);
  printf("[%c%c%c] [%3c] [%-3c]\n", 'a', (char)'b', 'c', 'x', 'y');
  printf("[%s] [%5s] [%-5s] [%s] [%S] [%4S]\n", word, word, word, empty, "rom", "ab");
  printf("100%% %q\n");
  n = printf("");
  CHECK(n == 0);

  CHECK(sprintf(buf, "%d|%u|%x", -32767 - 1, 65535u, 255) == 15);
  CHECK(same(buf, "-32768|65535|ff"));
  CHECK(sprintf(buf, "%ld|%ld", 2147483647L, -2147483647L - 1) == 22);
  CHECK(same(buf, "2147483647|-2147483648"));
  CHECK(sprintf(buf, "%06d|%-6d|%6d", -123, -123, -123) == 20);
  CHECK(same(buf, "-00123|-123  |  -123"));
  CHECK(sprintf(buf, "%s%c%S", empty, '!', "") == 1);
  CHECK(same(buf, "!"));
  CHECK(sprintf(buf, "") == 0);
  CHECK(buf[0] == 0);
  CHECK(sprintf(buf, "%08lX%%", 0xFEDCBAUL) == 9);
  CHECK(same(buf, "00FEDCBA%"));
  puts("done");
  puts_ram(word);
  putchar('\n');
  return CHECK_RESULT();
}
