/* Compound assignments through pointers (the object reached through FSR0)
   and on array elements, mixed with operands that are themselves read
   through pointers; expressions whose operands are computed values (the
   selector's temporaries). */
#include "check.h"

unsigned char bytes[4];
int words[3];
signed char sc;

static void bump(unsigned char *p, unsigned char by) { *p += by; }
static void scale(int *q, int k) { *q *= k; }

void main(void)
{
  unsigned char *p;
  int *q;
  unsigned char n;
  int v;

  bytes[0] = 10; bytes[1] = 200; bytes[2] = 0x81; bytes[3] = 7;
  p = &bytes[1];
  *p += 100; CHECK(bytes[1] == 44);
  *p -= bytes[3]; CHECK(bytes[1] == 37);
  *p |= 0x80; CHECK(bytes[1] == 0xA5);
  *p &= 0x0F; CHECK(bytes[1] == 5);
  *p ^= 0xFF; CHECK(bytes[1] == 0xFA);
  *p *= 3; CHECK(bytes[1] == 0xEE);
  n = 3;
  *p >>= n; CHECK(bytes[1] == 0x1D);
  *p <<= n; CHECK(bytes[1] == 0xE8);
  *p <<= 2; CHECK(bytes[1] == 0xA0);
  *p >>= 5; CHECK(bytes[1] == 5);
  bump(&bytes[0], 250); CHECK(bytes[0] == 4);
  bytes[2] = bytes[0] * bytes[3] + bytes[1]; CHECK(bytes[2] == 33);
  bytes[3] = (bytes[0] + bytes[1]) * (bytes[2] - bytes[0]); CHECK(bytes[3] == 0x05);

  words[0] = 1000; words[1] = -2; words[2] = 0x1234;
  q = &words[0];
  *q += words[2]; CHECK(words[0] == 0x161C);
  *q -= 0x1000; CHECK(words[0] == 0x061C);
  *q &= 0xFF0F; CHECK(words[0] == 0x060C);
  *q |= words[1]; CHECK(words[0] == -2);
  *q ^= 0x00FF; CHECK(words[0] == (int)0xFF01);
  scale(&words[2], 3); CHECK(words[2] == 0x369C);
  v = (words[2] - words[1]) * (words[1] + 7) / 3; CHECK(v == 0x05B2);
  v = words[2] % (words[1] - 5) + (words[2] >> 4); CHECK(v == 0x036A);
  sc = -77;
  sc >>= 2; CHECK(sc == -20);
  sc = -sc * 3; CHECK(sc == 60);
}
