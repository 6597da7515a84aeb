// Control flow and truth values: if/else chains, while and for loops with
// increments and decrements, &&, || and ! as conditions and as values,
// short-circuit evaluation.
#include "check.h"

unsigned char calls;

static unsigned char yes(void) { calls++; return 1; }
static unsigned char no(void) { calls++; return 0; }

static unsigned char classify(signed char v)
{
  if (v < 0) return 1;
  else if (v == 0) return 2;
  else if (v > 100) return 4;
  return 3;
}

void main(void)
{
  unsigned char a, b, n, t;
  int k, c;

  a = 1; b = 0;
  CHECK(a && !b); CHECK(a || b); CHECK(!(a && b)); CHECK(!(b || b));
  t = a && b; CHECK(t == 0);
  t = a || b; CHECK(t == 1);
  t = !a; CHECK(t == 0);
  t = !b; CHECK(t == 1);
  calls = 0; t = no() && yes(); CHECK(t == 0); CHECK(calls == 1);
  calls = 0; t = yes() || no(); CHECK(t == 1); CHECK(calls == 1);
  calls = 0; t = yes() && no(); CHECK(t == 0); CHECK(calls == 2);
  calls = 0; t = no() || yes(); CHECK(t == 1); CHECK(calls == 2);
  CHECK(classify(-5) == 1); CHECK(classify(0) == 2); CHECK(classify(50) == 3); CHECK(classify(127) == 4);

  n = 0;
  for (a = 0; a < 10; a++) n++;
  CHECK(n == 10); CHECK(a == 10);
  n = 0; a = 5;
  while (a) { a--; n++; }
  CHECK(n == 5);
  c = 0;
  for (k = -3; k < 300; k++) c++;
  CHECK(c == 303);
  c = 0; k = 1000;
  do { k--; c++; } while (k > 995);
  CHECK(c == 5);
  n = 0;
  for (a = 0; a < 4; a++)
    for (b = 3; b != 0; b--)
      if (a == b || (a > 2 && b == 1)) n++;
  CHECK(n == 4);
  a = 0;
  if (a) CHECK(0); else a = 7;
  CHECK(a == 7);
}
