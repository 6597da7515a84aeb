/* The checks of the mix_* programs: every operator between an A and a B
   (their usual conversion is B in every pair), against rows of results
   computed on a PC. A program defines A and B, includes this, and lists
   its rows. */
#include "check.h"

typedef struct { A a; B b; B add, sub, mul, quo, rem, and, xor; unsigned char rel; B shr; A acc; } row_t;

static void mix_check(const row_t *row, unsigned char n)
{
  unsigned char rel;
  A a, acc;
  B b, r;
  for (; n != 0; n--, row++) {
    a = row->a; b = row->b;
    r = a + b; CHECK(r == row->add);
    r = a - b; CHECK(r == row->sub);
    r = b * a; CHECK(r == row->mul);
    r = a / b; CHECK(r == row->quo);
    r = a % b; CHECK(r == row->rem);
    CHECK((a & b) == row->and);
    CHECK((b ^ a) == row->xor);
    rel = (a < b) | (a <= b) << 1 | (b == a) << 2;
    CHECK(rel == row->rel);
    CHECK((a > b) == !(rel & 2)); CHECK((b >= a) == ((rel & 2) != 0));
    CHECK((b >> ((unsigned char)a & 7)) == row->shr);
    acc = a; acc += b; CHECK(acc == row->acc);
  }
}
