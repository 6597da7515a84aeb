// Pointers to RAM: to globals and locals, to char and int, read and write
// through them, pointer comparison and subtraction, out parameters.
#include "check.h"

unsigned char g8;
int g16;
unsigned char row[10];

static void swap(int *a, int *b) { int t; t = *a; *a = *b; *b = t; }
static void set_both(unsigned char *c, int *i) { *c = 0xAB; *i = -2; }

int main(void)
{
  unsigned char *pc;
  int *pi;
  int x, y;
  unsigned char l;
  pc = &g8; *pc = 17; CHECK(g8 == 17);
  pi = &g16; *pi = 0x1234; CHECK(g16 == 0x1234);
  *pi += 1; CHECK(g16 == 0x1235);
  x = 1; y = 2; swap(&x, &y); CHECK(x == 2); CHECK(y == 1);
  set_both(&l, &x); CHECK(l == 0xAB); CHECK(x == -2);
  set_both(&g8, &g16); CHECK(g8 == 0xAB); CHECK(g16 == -2);
  pc = &row[3];
  CHECK(pc - row == 3);
  CHECK(pc > row); CHECK(pc != row); CHECK(!(pc == row));
  pc = 0;
  CHECK(pc == 0); CHECK(!pc);
  pc = row;
  CHECK(pc);
  return CHECK_RESULT();
}
