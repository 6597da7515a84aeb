/* <stdarg.h>: access to the arguments a variadic function receives beyond
   its named parameters.

   The caller pushes the arguments on the software stack last one first, so
   the named parameters lie above the extra ones: the first extra argument
   ends right below the last named parameter, the next one right below that,
   and so on. A va_list is a RAM pointer that starts at the last named
   parameter and steps down by each argument's size.

   Without -Oi+ a char argument (and an integer constant that fits in a
   char) travels as one byte: read it as char, or cast it to int at the
   call. With -Oi+ it travels as an int, and __INT_PROMOTION__ is defined.
   Calls of the printf family always widen char arguments to int. */
#ifndef __STDARG_H
#define __STDARG_H

typedef unsigned char *va_list;

#define va_start(ap, last) ((void)((ap) = (va_list)&(last)))
#define va_arg(ap, type)   (*(type *)((ap) -= sizeof(type)))
#define va_end(ap)         ((void)0)
#define va_copy(dst, src)  ((void)((dst) = (src)))

#endif
