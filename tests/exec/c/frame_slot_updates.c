// Compound assignments, increments and decrements whose value is used, on
// elements of local arrays with a constant index (a frame slot whose
// address is the array's slot plus a constant), at every width and as
// floats; the value, the element and its neighbours are all checked.
#include "check.h"

volatile unsigned char vone = 1;

// One width: every compound operator, pre/post increment and decrement, on
// element 1 of a local array and the value of each used.
#define UPDATES(T, a, v)                                                     \
  a[1] = 40;   v = (a[1] += 3);   CHECK(v == 43 && a[1] == 43);              \
  v = (a[1] -= 5);  CHECK(v == 38 && a[1] == 38);                            \
  v = (a[1] *= 3);  CHECK(v == 114 && a[1] == 114);                          \
  v = (a[1] /= 5);  CHECK(v == 22 && a[1] == 22);                            \
  v = (a[1] %= 7);  CHECK(v == 1 && a[1] == 1);                              \
  v = (a[1] |= 0x70); CHECK(v == 0x71 && a[1] == 0x71);                      \
  v = (a[1] &= 0x3C); CHECK(v == 0x30 && a[1] == 0x30);                      \
  v = (a[1] ^= 0x0F); CHECK(v == 0x3F && a[1] == 0x3F);                      \
  v = (a[1] <<= 2); CHECK(v == 0xFC && a[1] == 0xFC);                        \
  v = (a[1] >>= 3); CHECK(v == 0x1F && a[1] == 0x1F);                        \
  v = (a[1] <<= vone); CHECK(v == 0x3E && a[1] == 0x3E);                     \
  v = ++a[1];   CHECK(v == 0x3F && a[1] == 0x3F);                            \
  v = --a[1];   CHECK(v == 0x3E && a[1] == 0x3E);                            \
  v = a[1]++;   CHECK(v == 0x3E && a[1] == 0x3F);                            \
  v = a[1]--;   CHECK(v == 0x3F && a[1] == 0x3E);                            \
  CHECK(a[0] == (T)-2 && a[2] == (T)-3)

static void int_slots(void)
{
  long l[3], lv;
  unsigned short long s[3], sv;
  int i[3], iv;
  unsigned char c[3], cv;
  l[0] = -2; s[0] = -2; i[0] = -2; c[0] = -2;
  l[2] = -3; s[2] = -3; i[2] = -3; c[2] = -3;
  UPDATES(long, l, lv);
  UPDATES(unsigned short long, s, sv);
  UPDATES(int, i, iv);
  UPDATES(unsigned char, c, cv);
}

static void float_slots(void)
{
  float a[3], f;
  a[0] = -2.0f; a[2] = -3.0f;
  a[1] = 1.5f; f = (a[1] *= 3.0f); CHECK(f == 4.5f && a[1] == 4.5f);
  f = (a[1] += 0.5f); CHECK(f == 5.0f && a[1] == 5.0f);
  f = (a[1] /= 4.0f); CHECK(f == 1.25f && a[1] == 1.25f);
  f = --a[1]; CHECK(f == 0.25f && a[1] == 0.25f);
  f = a[1]++; CHECK(f == 0.25f && a[1] == 1.25f);
  CHECK(a[0] == -2.0f && a[2] == -3.0f);
}

int main(void)
{
  int_slots();
  float_slots();
  return CHECK_RESULT();
}
