// if, if-else and else-if chains over char and int conditions, with
// comparisons against zero and constants as the condition.
#include "check.h"

static unsigned char classify(int v)
{
  if (v < -100) return 1;
  else if (v < 0) return 2;
  else if (v == 0) return 3;
  else if (v <= 100) return 4;
  return 5;
}

static unsigned char range(unsigned char c)
{
  unsigned char r;
  r = 0;
  if (c >= '0' && c <= '9') r = 1;
  else if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z')) r = 2;
  else r = 3;
  if (!c) r = 4;
  return r;
}

int main(void)
{
  CHECK(classify(-32767 - 1) == 1);
  CHECK(classify(-101) == 1);
  CHECK(classify(-100) == 2);
  CHECK(classify(-1) == 2);
  CHECK(classify(0) == 3);
  CHECK(classify(1) == 4);
  CHECK(classify(100) == 4);
  CHECK(classify(101) == 5);
  CHECK(classify(32767) == 5);
  CHECK(range('5') == 1);
  CHECK(range('q') == 2);
  CHECK(range('Q') == 2);
  CHECK(range('@') == 3);
  CHECK(range(0) == 4);
  CHECK(range(200) == 3);
  return CHECK_RESULT();
}
