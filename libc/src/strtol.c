/* strtol, strtoul, atoi, atol: integers from text. Leading white space, an
   optional sign, then digits of the base: 2 to 36, or 0 for the C rule
   (0x or 0X: 16, a leading 0: 8, else 10); base 16 also accepts the 0x
   prefix. *end (when end is not NULL) points past the last digit used, or
   at s when there was no number. A value out of range gives LONG_MIN or
   LONG_MAX (strtol) or ULONG_MAX (strtoul); the negation of an unsigned
   value wraps, as for any unsigned. atoi and atol are strtol in base 10. */
#include <limits.h>
#include <stdlib.h>

static int s_digit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'z') return c - 'a' + 10;
  if (c >= 'A' && c <= 'Z') return c - 'A' + 10;
  return 99;
}

/* Reads the magnitude; *neg gets the sign, *over whether it passed ULONG_MAX. */
static unsigned long s_scan(const char *s, char **end, int base, unsigned char *neg, unsigned char *over) {
  const char *p = s;
  unsigned long v = 0;
  unsigned long limit;
  unsigned char last;
  unsigned char any = 0;
  int d;
  *neg = 0;
  *over = 0;
  while (*p == ' ' || (*p >= '\t' && *p <= '\r')) p++;
  if (*p == '-' || *p == '+') *neg = *p++ == '-';
  if ((base == 0 || base == 16) && p[0] == '0' && (p[1] == 'x' || p[1] == 'X') && s_digit(p[2]) < 16) {
    p += 2;
    base = 16;
  } else if (base == 0) {
    base = p[0] == '0' ? 8 : 10;
  }
  if (base >= 2 && base <= 36) {
    limit = ULONG_MAX / (unsigned long)base;
    last = (unsigned char)(ULONG_MAX % (unsigned long)base);
    for (; (d = s_digit(*p)) < base; p++) {
      any = 1;
      if (v > limit || (v == limit && (unsigned char)d > last)) *over = 1;
      v = v * (unsigned long)base + (unsigned long)d;
    }
  }
  if (end) *end = (char *)(any ? p : s);
  return v;
}

long strtol(const char *s, char **end, int base) {
  unsigned char neg, over;
  unsigned long v = s_scan(s, end, base, &neg, &over);
  if (neg) {
    if (over || v > (unsigned long)LONG_MAX + 1) return LONG_MIN;
    return (long)(0 - v);
  }
  if (over || v > (unsigned long)LONG_MAX) return LONG_MAX;
  return (long)v;
}

unsigned long strtoul(const char *s, char **end, int base) {
  unsigned char neg, over;
  unsigned long v = s_scan(s, end, base, &neg, &over);
  if (over) return ULONG_MAX;
  return neg ? 0 - v : v;
}

long atol(const char *s) { return strtol(s, NULL, 10); }

int atoi(const char *s) { return (int)strtol(s, NULL, 10); }
