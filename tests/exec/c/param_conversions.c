// Arguments converted to the parameter types of the prototype: char to int
// (sign or zero extension), int to char (truncation); char results used as
// int values.
#include "check.h"

static int as_int(int v) { return v; }
static unsigned int as_uint(unsigned int v) { return v; }
static unsigned char as_uchar(unsigned char v) { return v; }
static signed char as_schar(signed char v) { return v; }

int main(void)
{
  signed char s;
  unsigned char u;
  int i;
  s = -100; u = 156;
  CHECK(as_int(s) == -100);
  CHECK(as_int(u) == 156);
  CHECK(as_uint(s) == 65436u);
  CHECK(as_uchar(0x1FF) == 255);
  CHECK(as_schar(0x180) == -128);
  i = as_schar(u); CHECK(i == -100);
  i = as_uchar(s); CHECK(i == 156);
  i = (int)as_uchar(s) + as_uchar(s); CHECK(i == 312);
  return CHECK_RESULT();
}
