// Arguments converted to wide parameter types and back: char and int
// arguments to short long and long parameters (sign or zero extension by
// the argument's type), long arguments to char and int parameters
// (truncation), float to long and long to float parameters, and results
// converted to the declared return type.
#include "check.h"

static long widen_l(long x) { return x; }
static unsigned long widen_ul(unsigned long x) { return x; }
static short long widen_s(short long x) { return x; }
static unsigned char narrow_c(unsigned char x) { return x; }
static int narrow_i(int x) { return x; }
static long from_float(long x) { return x; }
static float to_float(float x) { return x; }
static signed char ret_char(long x) { return x; }
static unsigned int ret_uint(short long x) { return x; }
static long ret_long(signed char a, unsigned char b) { return a * 65536l + b; }

int main(void)
{
  signed char sc = -2;
  unsigned char uc = 254;
  int i = -30000;
  unsigned int ui = 40000u;
  long l = 0x12345678l;
  CHECK(widen_l(sc) == -2 && widen_l(uc) == 254 && widen_l(i) == -30000l && widen_l(ui) == 40000l);
  CHECK(widen_ul(sc) == 0xFFFFFFFEul && widen_ul(i) == 0xFFFF8AD0ul && widen_ul(ui) == 40000ul);
  CHECK(widen_s(sc) == -2 && widen_s(ui) == 40000l && widen_s(l) == 0x345678l);
  CHECK(narrow_c(l) == 0x78 && narrow_i(l) == 0x5678 && narrow_i(-70000l) == -4464);
  CHECK(from_float(-2.75f) == -2 && from_float(16777216.0f) == 16777216l && to_float(l) == 305419904.0f);
  CHECK(to_float(i) == -30000.0f && to_float(ui) == 40000.0f && to_float(sc) == -2.0f);
  CHECK(ret_char(0x1FF80l) == -128 && ret_uint(-1) == 0xFFFF && ret_uint(0x7F8001l) == 0x8001);
  CHECK(ret_long(sc, uc) == -131072l + 254 && ret_long(-128, 255) == -8388353l);
  return CHECK_RESULT();
}
