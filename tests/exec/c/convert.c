// Conversions among char, unsigned char, int and unsigned int: sign
// extension, zero extension and truncation, in assignments and casts.
#include "check.h"

signed char sc;
unsigned char uc;
int si;
unsigned int ui;

int main(void)
{
  sc = -1; si = sc; CHECK(si == -1);
  ui = sc; CHECK(ui == 0xFFFF);
  uc = 0xFF; si = uc; CHECK(si == 255);
  ui = uc; CHECK(ui == 255);
  si = 0x1280; sc = si; CHECK(sc == -128);
  uc = si; CHECK(uc == 0x80);
  si = -129; sc = (signed char)si; CHECK(sc == 127);
  sc = -128; uc = sc; CHECK(uc == 128);
  uc = 200; sc = uc; CHECK(sc == -56);
  si = (signed char)uc; CHECK(si == -56);
  si = (unsigned char)sc; CHECK(si == 200);
  ui = 0xABCD; uc = (unsigned char)(ui >> 8); CHECK(uc == 0xAB);
  uc = (unsigned char)ui; CHECK(uc == 0xCD);
  si = (int)sc * 2; CHECK(si == -112);
  si = (int)uc + (int)uc; CHECK(si == 410);
  si = sc + si; CHECK(si == 354);
  ui = uc; ui = ui << 8 | uc; CHECK(ui == 0xCDCD);
  return CHECK_RESULT();
}
