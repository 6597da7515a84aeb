// Run-length coding of a 300-byte image line (runs longer than 127 split,
// literal stretches marked by a negative count in a signed char), decoded
// back and compared; the coded size was worked out by hand from the runs:
// 127 and 73 bytes of 0xFF, five literals, 86 zeros, nine literals.
#include "check.h"

unsigned char line[300], coded[320], back[300];

static unsigned int encode(const unsigned char *in, unsigned int n, unsigned char *out)
{
  unsigned int i = 0, o = 0, run;
  while (i < n) {
    run = 1;
    while (i + run < n && run < 127 && in[i + run] == in[i])
      run++;
    if (run >= 3) {
      out[o++] = (unsigned char)run;
      out[o++] = in[i];
      i += run;
    } else {
      unsigned int start = i, len = 0;
      while (i < n && len < 127 && !(i + 2 < n && in[i] == in[i + 1] && in[i] == in[i + 2])) {
        i++;
        len++;
      }
      out[o++] = (unsigned char)-(signed char)len;
      while (start < i)
        out[o++] = in[start++];
    }
  }
  return o;
}

static unsigned int decode(const unsigned char *in, unsigned int n, unsigned char *out)
{
  unsigned int i = 0, o = 0;
  signed char c;
  while (i < n) {
    c = (signed char)in[i++];
    if (c > 0) {
      for (; c; c--)
        out[o++] = in[i];
      i++;
    } else {
      for (; c; c++)
        out[o++] = in[i++];
    }
  }
  return o;
}

int main(void)
{
  unsigned int i, n;
  for (i = 0; i < 300; i++)
    line[i] = i < 200 ? 0xFF : i < 205 ? (unsigned char)i : i < 290 ? 0 : (unsigned char)(i & 1);
  n = encode(line, 300, coded);
  CHECK(n == 2 + 2 + 6 + 2 + 10);
  CHECK(coded[0] == 127 && coded[1] == 0xFF && coded[2] == 73 && coded[4] == (unsigned char)-5 && coded[5] == 200);
  CHECK(decode(coded, n, back) == 300);
  for (i = 0; i < 300; i++)
    CHECK(back[i] == line[i]);
  return CHECK_RESULT();
}
