// Calendar arithmetic as a real-time clock's firmware does it: leap years,
// day numbers since 1970 in a long (days before each month from a rom
// table), the weekday by modulo 7, and seconds since 1970 in an unsigned
// long broken back into date and time. Expected values worked out by hand
// (2000-03-01 is day 11017, a Wednesday).
#include "check.h"

rom unsigned int before_month[12] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};

static unsigned char leap(unsigned int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

static long day_number(unsigned int y, unsigned char m, unsigned char d)
{
  long days = (long)(y - 1970) * 365;
  unsigned int k;
  for (k = 1972; k < y; k += 4)
    if (leap(k))
      days++;
  days += before_month[m - 1] + d - 1;
  if (m > 2 && leap(y))
    days++;
  return days;
}

static unsigned char weekday(long days) { return (unsigned char)((days + 4) % 7); }  // 0 is Sunday

int main(void)
{
  unsigned long secs;
  long days;
  CHECK(leap(2000) && !leap(1900) && leap(2024) && !leap(2023));
  CHECK(day_number(1970, 1, 1) == 0 && weekday(0) == 4);
  CHECK(day_number(2000, 3, 1) == 11017 && weekday(11017) == 3);
  CHECK(day_number(2038, 1, 19) == 24855 && weekday(24855) == 2);
  CHECK(day_number(2100, 3, 1) == 47541l);
  secs = (unsigned long)day_number(2038, 1, 19) * 86400ul + 3ul * 3600 + 14 * 60l + 7;
  CHECK(secs == 0x7FFFFFFFul);
  days = secs / 86400ul;
  secs %= 86400ul;
  CHECK(days == 24855 && secs / 3600 == 3 && secs / 60 % 60 == 14 && secs % 60 == 7);
  return CHECK_RESULT();
}
