// Towers of Hanoi by recursion with four char parameters, counting moves
// and checking every move is legal on three explicit pegs.
#include "check.h"

unsigned char peg[3][8];
unsigned char top[3];
unsigned int moves;
unsigned char illegal;

static void move(unsigned char from, unsigned char to)
{
  unsigned char disc;
  disc = peg[from][--top[from]];
  if (top[to] && peg[to][top[to] - 1] < disc) illegal++;
  peg[to][top[to]++] = disc;
  moves++;
}

static void hanoi(unsigned char n, unsigned char from, unsigned char to, unsigned char via)
{
  if (n == 0) return;
  hanoi(n - 1, from, via, to);
  move(from, to);
  hanoi(n - 1, via, to, from);
}

int main(void)
{
  unsigned char i;
  for (i = 0; i < 7; i++) peg[0][i] = 7 - i;
  top[0] = 7; top[1] = 0; top[2] = 0;
  moves = 0; illegal = 0;
  hanoi(7, 0, 2, 1);
  CHECK(moves == 127);
  CHECK(illegal == 0);
  CHECK(top[2] == 7); CHECK(top[0] == 0);
  CHECK(peg[2][0] == 7); CHECK(peg[2][6] == 1);
  return CHECK_RESULT();
}
