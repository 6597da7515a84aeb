/* putchar: one byte to the output port DEBUGOUT (0xFD7, in the access bank;
   the linker knows its address). In: the character. Out: the character
   written, as an unsigned char. */
#include <stdio.h>

extern volatile near unsigned char DEBUGOUT;

int putchar(int c)
{
  DEBUGOUT = (unsigned char)c;
  return (unsigned char)c;
}
