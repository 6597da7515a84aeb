/* putchar: one byte to the output port (0xFD7, a peripheral address in the
   access bank). In: the character. Out: the character written. */
#include <stdio.h>

int putchar(int c)
{
  *(volatile near unsigned char *)0xFD7 = (unsigned char)c;
  return (unsigned char)c;
}
