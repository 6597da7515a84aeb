// Compound assignments and increments whose target is reached through a
// pointer, an array element with a computed index or a structure member.
#include "check.h"

struct pair { unsigned char a; int b; };

unsigned char bytes[6];
int words[6];
struct pair pr;

int main(void)
{
  unsigned char *pb;
  int *pw;
  struct pair *pp;
  unsigned char i;
  for (i = 0; i < 6; i++) { bytes[i] = i; words[i] = (int)i * 100; }
  pb = &bytes[2]; *pb += 10; CHECK(bytes[2] == 12);
  *pb <<= 2; CHECK(bytes[2] == 48);
  pw = &words[5]; *pw -= 1000; CHECK(words[5] == -500);
  *pw /= 3; CHECK(words[5] == -166);
  i = 3; bytes[i + 1] *= 7; CHECK(bytes[4] == 28);
  words[i * 2 - 2] ^= 0x0F0F; CHECK(words[4] == (400 ^ 0x0F0F));
  words[i]++; CHECK(words[3] == 301);
  --bytes[i - 3]; CHECK(bytes[0] == 255);
  pp = &pr; pp->a = 5; pp->b = 7;
  pp->a *= pp->a; pp->b <<= 4; pp->b |= 3;
  CHECK(pr.a == 25); CHECK(pr.b == 115);
  pr.b--; pp->a--; CHECK(pr.b == 114); CHECK(pr.a == 24);
  return CHECK_RESULT();
}
