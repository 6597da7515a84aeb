/* __format: the formatter shared by printf and sprintf. In: an output
   routine, a format in program memory and the arguments after it. Out:
   each character of the result through the routine, and their count.
   Integers are converted in unsigned long, so %ld costs no more code than
   %d; the digits are built backwards in a buffer on the stack. */
#include <stdio.h>

static void (*s_put)(char c);
static int s_count;

static void s_emit(char c)
{
  s_put(c);
  s_count++;
}

static void s_repeat(char c, int n)
{
  while (n-- > 0)
    s_emit(c);
}

/* The digits of v in base 10 or 16, last digit at end[-1]; returns the
   first digit's place. */
static char *s_digits(char *end, unsigned long v, unsigned char base, char ten)
{
  do {
    unsigned char d = (unsigned char)(v % base);
    *--end = d < 10 ? '0' + d : ten + (d - 10);
    v /= base;
  } while (v);
  return end;
}

int __format(void (*put)(char c), const rom char *fmt, va_list ap)
{
  char buf[10];          /* 4294967295: ten digits */
  char *text;            /* the converted text, in RAM ... */
  const rom char *rtext; /* ... or in program memory */
  unsigned int len;
  unsigned char left, zero, islong;
  int width;
  char c, sign;
  unsigned long v;

  s_put = put;
  s_count = 0;
  for (; (c = *fmt) != 0; fmt++) {
    if (c != '%') {
      s_emit(c);
      continue;
    }
    left = zero = islong = 0;
    for (;;) {
      c = *++fmt;
      if (c == '-')
        left = 1;
      else if (c == '0')
        zero = 1;
      else
        break;
    }
    width = 0;
    while (c >= '0' && c <= '9') {
      width = width * 10 + (c - '0');
      c = *++fmt;
    }
    if (c == 'l') {
      islong = 1;
      c = *++fmt;
    }
    if (c == 0)
      break;
    sign = 0;
    text = buf + sizeof buf;
    rtext = 0;
    len = 0;
    switch (c) {
    case 'd':
    case 'i':
      if (islong)
        v = va_arg(ap, long);
      else
        v = (long)va_arg(ap, int);
      if ((long)v < 0) {
        sign = '-';
        v = 0 - v;
      }
      text = s_digits(text, v, 10, 'a');
      break;
    case 'u':
    case 'x':
    case 'X':
      if (islong)
        v = va_arg(ap, unsigned long);
      else
        v = va_arg(ap, unsigned int);
      text = s_digits(text, v, c == 'u' ? 10 : 16, c == 'X' ? 'A' : 'a');
      break;
    case 'c':
      *--text = (char)va_arg(ap, int);
      break;
    case 's':
      text = va_arg(ap, char *);
      while (text[len])
        len++;
      break;
    case 'S':
      rtext = va_arg(ap, const rom char *);
      while (rtext[len])
        len++;
      break;
    default: /* %% and anything unknown: the character itself */
      *--text = c;
      break;
    }
    if (c != 's' && c != 'S')
      len = (unsigned int)(buf + sizeof buf - text);
    width -= len + (sign != 0);
    if (!left && !zero)
      s_repeat(' ', width);
    if (sign)
      s_emit(sign);
    if (!left && zero)
      s_repeat('0', width);
    if (rtext)
      while (*rtext)
        s_emit(*rtext++);
    else
      while (len--)
        s_emit(*text++);
    if (left)
      s_repeat(' ', width);
  }
  return s_count;
}
