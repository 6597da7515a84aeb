// Plain char is signed by default: values above 127 read back negative,
// compare below zero and sign-extend into int.
#include "check.h"

char c;
int i;

int main(void)
{
  c = (char)200; CHECK(c < 0);
  i = c; CHECK(i == -56);
  c = 127; c++; CHECK(c == -128);
  c = -1; CHECK(c < 1);
  i = c + 0; CHECK(i == -1);
  c = 'A'; CHECK(c == 65);
  return CHECK_RESULT();
}
