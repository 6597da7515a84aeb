/* printf, vprintf: the formatter's output through putchar. */
#include <stdio.h>

static void s_put(char c)
{
  putchar(c);
}

int vprintf(const rom char *fmt, va_list ap)
{
  return __format(s_put, fmt, ap);
}

int printf(const rom char *fmt, ...)
{
  va_list ap;
  int n;
  va_start(ap, fmt);
  n = __format(s_put, fmt, ap);
  va_end(ap);
  return n;
}
