/* <stdio.h>: character output to the output port at data address 0xFD7
   (harrow-sim prints every byte written there), and a small formatter.

   Format strings are string literals, which live in program memory, so the
   formats are `const rom char *`. Conversions: %d %i %u %x %X %c %s %S %%,
   each integer one optionally with l (long); flags - (left-justify) and 0
   (zero padding), and a decimal field width. %s prints a string in RAM,
   %S one in program memory. Anything else after % is printed as it is.
   Nothing is buffered; the functions are not reentrant (an interrupt
   routine must not print while the main program does). */
#ifndef __STDIO_H
#define __STDIO_H

#include <stdarg.h>

#define EOF (-1)

/* A program-memory pointer is wider in the large memory model (-ml), so the
   library holds these functions twice; the large model's copies have other
   names, and a program links the ones its model needs. */
#ifdef __LARGE__
#define puts __lm_puts
#define puts_ram __lm_puts_ram
#define printf __lm_printf
#define vprintf __lm_vprintf
#define sprintf __lm_sprintf
#define vsprintf __lm_vsprintf
#define __format __lm_format
#endif

int putchar(int c);
int puts(const rom char *s);       /* a program-memory string and a newline */
int puts_ram(const char *s);       /* a RAM string and a newline */

int printf(const rom char *fmt, ...);
int vprintf(const rom char *fmt, va_list ap);
int sprintf(char *buf, const rom char *fmt, ...);
int vsprintf(char *buf, const rom char *fmt, va_list ap);

/* The formatter behind them: each character goes to `put`; the result is
   the number of characters. */
int __format(void (*put)(char c), const rom char *fmt, va_list ap);

#endif
