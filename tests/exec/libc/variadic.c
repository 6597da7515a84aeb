// Without -Oi+ an integer constant that fits in a char is a char, and the
// extra arguments of a function other than the printf family are not
// promoted: such constants are cast to int where the callee reads an int.
// Variadic functions of our own: int, long, char (one byte without -Oi+,
// an int with it), pointers, mixed widths, no extra argument at all, a
// va_list handed to another function, and a variadic call from inside one.
#include <stdarg.h>
#include "check.h"

#ifdef __INT_PROMOTION__
#define CHAR_ARG int
#else
#define CHAR_ARG signed char
#endif

static int sum_ints(int count, ...)
{
  va_list ap;
  int total = 0;
  va_start(ap, count);
  while (count-- > 0)
    total += va_arg(ap, int);
  va_end(ap);
  return total;
}

static long sum_longs(unsigned char count, ...)
{
  va_list ap;
  long total = 0;
  va_start(ap, count);
  for (; count; count--)
    total += va_arg(ap, long);
  va_end(ap);
  return total;
}

// Reads a char the way the caller passed it.
static int chars(int count, ...)
{
  va_list ap;
  int total = 0;
  va_start(ap, count);
  while (count-- > 0)
    total = total * 10 + (va_arg(ap, CHAR_ARG) - '0');
  va_end(ap);
  return total;
}

// "i" int, "l" long, "c" char, "p" pointer to int (its target is added).
static long mixed(const rom char *kinds, ...)
{
  va_list ap;
  long total = 0;
  va_start(ap, kinds);
  for (; *kinds; kinds++) {
    switch (*kinds) {
    case 'i': total += va_arg(ap, int); break;
    case 'l': total += va_arg(ap, long); break;
    case 'c': total += va_arg(ap, CHAR_ARG); break;
    case 'p': total += *va_arg(ap, int *); break;
    }
  }
  va_end(ap);
  return total;
}

static int vsum(int count, va_list ap)
{
  int total = 0;
  while (count-- > 0)
    total += va_arg(ap, int);
  return total;
}

static int forward(int first, int count, ...)
{
  va_list ap;
  int total;
  va_start(ap, count);
  total = first + vsum(count, ap);
  va_end(ap);
  return total;
}

static int nested(int count, ...)
{
  va_list ap;
  int a, b;
  va_start(ap, count);
  a = va_arg(ap, int);
  b = sum_ints(2, a, va_arg(ap, int));
  va_end(ap);
  return b * count;
}

int main(void)
{
  int x = 7, y = -9;
  char c = '5';
  CHECK(sum_ints(0) == 0);
  CHECK(sum_ints(1, (int)42) == 42);
  CHECK(sum_ints(4, (int)1, (int)-2, 300, 4000) == 4299);
  CHECK(sum_longs(0) == 0);
  CHECK(sum_longs(3, 100000L, -1L, 2147483000L) == 2147582999L);
  CHECK(chars(3, '1', '2', c) == 125);
  CHECK(mixed("") == 0);
  CHECK(mixed("ilcp", (int)10, 70000L, '0', &y) == 10 + 70000L + 48 - 9);
  CHECK(mixed("pcil", &x, (signed char)-3, -1000, -5L) == 7 - 3 - 1000 - 5);
  CHECK(forward(5, 3, (int)1, (int)2, (int)3) == 11);
  CHECK(forward(5, 0) == 5);
  CHECK(nested(3, x + 13, x + 15) == 126);
  return CHECK_RESULT();
}
