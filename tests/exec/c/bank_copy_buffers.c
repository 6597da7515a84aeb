// Buffers of 300 bytes in two sections in different banks: copied forwards
// and backwards through char pointers and by an int index, compared and
// reversed in place; the bytes at each bank boundary get there intact.
#include "check.h"

#pragma udata buf_a
unsigned char a[300];
#pragma udata buf_b
unsigned char b[300];
#pragma udata

static void copy(unsigned char *to, const unsigned char *from, unsigned int n)
{
  while (n--)
    *to++ = *from++;
}

static int compare(const unsigned char *x, const unsigned char *y, unsigned int n)
{
  for (; n; n--, x++, y++)
    if (*x != *y)
      return *x < *y ? -1 : 1;
  return 0;
}

int main(void)
{
  unsigned int i;
  unsigned char t, *p, *q;
  for (i = 0; i < 300; i++)
    a[i] = (unsigned char)(i * 7 + (i >> 8));
  copy(b, a, 300);
  CHECK(compare(a, b, 300) == 0);
  b[299]++;
  CHECK(compare(a, b, 300) == -1 && compare(b, a, 300) == 1);
  for (p = a, q = a + 299; p < q; p++, q--) {
    t = *p;
    *p = *q;
    *q = t;
  }
  for (i = 0; i < 300; i++)
    CHECK(a[i] == (unsigned char)((299 - i) * 7 + ((299 - i) >> 8)) && b[i] == (unsigned char)(i * 7 + (i >> 8) + (i == 299)));
  for (i = 300; i-- > 0;)
    b[i] = a[299 - i];
  for (i = 0; i < 300; i++)
    CHECK(b[i] == (unsigned char)(i * 7 + (i >> 8)));
  copy(a + 1, b, 299);
  CHECK(compare(a + 1, b, 299) == 0 && a[0] == (unsigned char)(299 * 7 + 1));
  return CHECK_RESULT();
}
