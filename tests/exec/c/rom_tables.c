// Constant tables in program memory (rom) of bytes and words, indexed by
// constants and by computed char and int indexes.
#include "check.h"

rom unsigned char squares[8] = {0, 1, 4, 9, 16, 25, 36, 49};
rom int signs[4] = {-1000, 1000, -1, 32767};
rom char text[] = "harrow";

int main(void)
{
  unsigned char i;
  unsigned int k;
  int sum;
  CHECK(squares[3] == 9);
  i = 7; CHECK(squares[i] == 49);
  k = 5; CHECK(squares[k] == 25);
  sum = 0;
  for (i = 0; i < 8; i++) sum += squares[i];
  CHECK(sum == 140);
  sum = 0;
  for (i = 0; i < 4; i++) sum += signs[i];
  CHECK(sum == 32766);
  CHECK(signs[0] == -1000);
  i = 0;
  while (text[i]) i++;
  CHECK(i == 6); CHECK(text[1] == 'a');
  return CHECK_RESULT();
}
