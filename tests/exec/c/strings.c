// String routines written in C over RAM buffers: length, copy, compare and
// reverse, with string literals copied in from program memory.
#include "check.h"

char a[16], b[16];

static unsigned char len(const char *s) { unsigned char n; n = 0; while (*s++) n++; return n; }
static void copy(char *d, const char *s) { while ((*d++ = *s++) != 0) ; }
static signed char compare(const char *x, const char *y)
{
  while (*x && *x == *y) { x++; y++; }
  return *x < *y ? -1 : *x > *y ? 1 : 0;
}
static void reverse(char *s)
{
  char *e, t;
  e = s + len(s) - 1;
  while (s < e) { t = *s; *s++ = *e; *e-- = t; }
}

int main(void)
{
  a[0] = 'h'; a[1] = 'e'; a[2] = 'l'; a[3] = 'l'; a[4] = 'o'; a[5] = 0;
  CHECK(len(a) == 5);
  copy(b, a);
  CHECK(len(b) == 5); CHECK(compare(a, b) == 0);
  b[4] = 'p'; CHECK(compare(a, b) < 0); CHECK(compare(b, a) > 0);
  b[3] = 0; CHECK(compare(a, b) > 0);
  reverse(a);
  CHECK(a[0] == 'o'); CHECK(a[4] == 'h'); CHECK(a[2] == 'l');
  a[0] = 0; CHECK(len(a) == 0);
  return CHECK_RESULT();
}
