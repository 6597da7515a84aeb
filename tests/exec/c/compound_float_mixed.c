// Compound assignments that mix floats with integers: an integer target
// with a float right operand is converted to float, operated on and
// converted back (truncating towards zero), at every integer width and
// signedness; a float target with char, int, short long and long right
// operands. Targets are globals, locals and members through a pointer.
#include "check.h"

typedef struct { int i; long l; float f; } box_t;

signed char sc = -100;
unsigned char uc = 200;
unsigned int ui = 65000u;
short long sl = -8000000l;
long gl = 100000l;
box_t box = {1000, -3, 0.5f};

int main(void)
{
  box_t *p = &box;
  float f = 10.0f;
  unsigned long ul = 4000000000ul;
  int i = 7;
  sc *= 1.25f;
  uc += 55.9f;
  ui /= 2.5f;
  sl -= 0.5f;
  gl *= -0.001f;
  CHECK(sc == -125 && uc == 255 && ui == 26000 && sl == -8000000l && gl == -100);
  i -= 7.75f;
  ul /= 3.0f;
  CHECK(i == 0 && ul == 1333333376ul);
  p->i *= 0.3f;
  p->l += 2.75f;
  p->f -= p->l;
  CHECK(p->i == 300 && p->l == 0 && p->f == 0.5f);
  f += sc;
  f *= ui;
  f /= gl;
  f -= (unsigned char)uc;
  CHECK(f == 29645.0f);
  f = 0.25f;
  f += sl;
  CHECK(f == -8000000.0f);
  return CHECK_RESULT();
}
