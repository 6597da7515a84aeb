// Increments and decrements of floats in every form, value used and
// unused: globals, locals, array elements by variable index and members
// through a pointer; at 16777216 (where adding one is lost to rounding),
// around zero (-0.5 + 1), and on a value with a fraction.
#include "check.h"

typedef struct { char tag; float f; } cell_t;

float g, arr[3];
cell_t cells[2];

int main(void)
{
  float r, loc = -0.5f;
  unsigned char k = 2;
  cell_t *p = &cells[1];
  g = 16777216.0f;
  r = g++;
  CHECK(r == 16777216.0f && g == 16777216.0f);
  r = --g;
  CHECK(r == 16777215.0f && g == 16777215.0f);
  r = loc++;
  CHECK(r == -0.5f && loc == 0.5f);
  --loc;
  CHECK(loc == -0.5f);
  arr[k] = 2.75f;
  r = arr[k]--;
  CHECK(r == 2.75f && arr[k] == 1.75f && arr[1] == 0.0f);
  r = ++arr[k];
  CHECK(r == 2.75f);
  p->f = -1.0f;
  r = p->f++;
  CHECK(r == -1.0f && p->f == 0.0f && p->tag == 0);
  ++p->f;
  p->f++;
  r = --p->f;
  CHECK(r == 1.0f && p->f == 1.0f && cells[0].f == 0.0f);
  g = 8388607.5f;
  g++;
  CHECK(g == 8388608.0f);
  g--;
  CHECK(g == 8388607.0f);
  return CHECK_RESULT();
}
