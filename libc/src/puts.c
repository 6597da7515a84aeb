/* puts, puts_ram: a string from program memory (puts) or from RAM
   (puts_ram), then a newline, through putchar. Out: a non-negative value. */
#include <stdio.h>

int puts(const rom char *s)
{
  while (*s)
    putchar(*s++);
  putchar('\n');
  return 0;
}

int puts_ram(const char *s)
{
  while (*s)
    putchar(*s++);
  putchar('\n');
  return 0;
}
