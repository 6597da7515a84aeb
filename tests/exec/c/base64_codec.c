// Base64 encoding and decoding of binary data: 24-bit groups assembled in a
// short long and taken apart by shifts of 18, 12, 6 and 0, the alphabet in
// rom, padding for one and two leftover bytes, and decoding back through a
// reverse table built at run time. The encoded text was computed on a PC.
#include "check.h"

rom char alphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
unsigned char data[10] = {0x00, 0xFF, 0x10, 0x83, 0x7E, 0x41, 0x42, 0x43, 0xFE, 0x01};
rom char expected[] = "AP8Qg35BQkP+AQ==";
unsigned char reverse[128];

static unsigned char encode(const unsigned char *in, unsigned char n, char *out)
{
  unsigned char i, o = 0;
  unsigned short long g;
  for (i = 0; i < n; i += 3) {
    g = (unsigned short long)in[i] << 16;
    if (i + 1 < n) g |= (unsigned int)in[i + 1] << 8;
    if (i + 2 < n) g |= in[i + 2];
    out[o++] = alphabet[(unsigned char)(g >> 18) & 63];
    out[o++] = alphabet[(unsigned char)(g >> 12) & 63];
    out[o++] = i + 1 < n ? alphabet[(unsigned char)(g >> 6) & 63] : '=';
    out[o++] = i + 2 < n ? alphabet[(unsigned char)g & 63] : '=';
  }
  out[o] = 0;
  return o;
}

static unsigned char decode(const char *in, unsigned char *out)
{
  unsigned char n = 0, k;
  unsigned short long g;
  for (; *in; in += 4) {
    g = 0;
    for (k = 0; k < 4; k++)
      g = g << 6 | (in[k] == '=' ? 0 : reverse[in[k]]);
    out[n++] = g >> 16;
    if (in[2] != '=') out[n++] = g >> 8;
    if (in[3] != '=') out[n++] = (unsigned char)g;
  }
  return n;
}

int main(void)
{
  char text[20];
  unsigned char back[12], i, n;
  for (i = 0; i < 64; i++)
    reverse[alphabet[i]] = i;
  for (n = 8; n <= 10; n++) {
    CHECK(encode(data, n, text) == (n + 2) / 3 * 4);
    CHECK(decode(text, back) == n);
    for (i = 0; i < n; i++)
      CHECK(back[i] == data[i]);
  }
  for (i = 0; expected[i]; i++)
    CHECK(text[i] == expected[i]);
  CHECK(text[i] == 0 && i == 16);
  return CHECK_RESULT();
}
