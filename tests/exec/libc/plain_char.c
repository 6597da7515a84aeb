// Plain char and <limits.h> agree: signed by default, unsigned under -k
// (the test list runs this program both ways). A byte of 0xFF read as a
// plain char compares with CHAR_MIN/CHAR_MAX as the limits say, and a
// plain char widened to int keeps or loses its sign to match.
#include <limits.h>
#include "check.h"

static volatile unsigned char raw = 0xFF;

int main(void) {
  char c = (char)raw;
  int widened = c;
  CHECK(CHAR_MIN == ((char)-1 < 0 ? SCHAR_MIN : 0));
  CHECK(CHAR_MAX == ((char)-1 < 0 ? SCHAR_MAX : UCHAR_MAX));
  CHECK(c >= CHAR_MIN && c <= CHAR_MAX);
  CHECK(widened == (CHAR_MIN < 0 ? -1 : 255));
  CHECK((char)(CHAR_MAX + 1) == CHAR_MIN);
  return CHECK_RESULT();
}
