// Temporaries live across calls: an address computed into a temporary
// before a call whose result is stored there, nested calls, and values
// the callee's own temporaries would otherwise overwrite.
#include "check.h"

unsigned char table[6];
int wide[2];

static unsigned char twice_index(unsigned char i)
{
  unsigned char *p;
  p = &table[i];   /* uses a temporary of its own */
  *p = i;
  return table[i];
}

static int echo(int v) { return v; }

void main(void)
{
  unsigned char i, j;
  unsigned char *q;

  i = 2; j = 5;
  table[i] = twice_index(j);
  CHECK(table[2] == 5); CHECK(table[5] == 5);
  table[twice_index(1)] = twice_index(twice_index(3));
  CHECK(table[1] == 3); CHECK(table[3] == 3);
  q = &table[0];
  q[i] = twice_index(4);
  CHECK(table[2] == 4);
  wide[echo(1) == 1] = echo(0x7EED);
  CHECK(wide[1] == 0x7EED);
  wide[i == 2] = echo(-7);
  CHECK(wide[1] == -7);
  wide[0] = 0;
  wide[wide[0] + 1] = echo(wide[1] + 8);
  CHECK(wide[1] == 1);
}
