/* sprintf, vsprintf: the formatter's output into a RAM buffer, ended by a
   zero byte; the result does not count it. */
#include <stdio.h>

static char *s_next;

static void s_store(char c)
{
  *s_next++ = c;
}

int vsprintf(char *buf, const rom char *fmt, va_list ap)
{
  int n;
  s_next = buf;
  n = __format(s_store, fmt, ap);
  *s_next = 0;
  return n;
}

int sprintf(char *buf, const rom char *fmt, ...)
{
  va_list ap;
  int n;
  va_start(ap, fmt);
  n = vsprintf(buf, fmt, ap);
  va_end(ap);
  return n;
}
