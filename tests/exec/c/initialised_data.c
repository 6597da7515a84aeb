// Initial values of every kind of global: short long, long and float
// scalars and arrays, structures with mixed members and nested arrays,
// pointers initialised to array elements, to structure members and to
// functions, a partly initialised array (the rest is zero), and static
// locals with initial values.
#include "check.h"

typedef struct { signed char c; unsigned int w; short long s; float f; long l[2]; } mixed_t;

short long s24 = -8388608l;
unsigned long u32 = 0xDEADBEEFul;
float ratio = -0.375f;
long table[5] = {-1, 0x7FFFFFFFl, 3};
mixed_t m = {-7, 0xFFFE, 0x123456, 1.5f, {-100000l, 100000l}};
mixed_t pair[2] = {{1, 2, 3, 4.0f, {5, 6}}, {-1, 0x8000, -3, -4.0f, {-5, -6}}};
long *into = &table[2];
unsigned int *member = &pair[1].w;
short long *deep = &pair[1].s;
static int twice(int x) { return x * 2; }
int (*fp)(int) = twice;
char text[8] = "ab";

static unsigned long counter(void)
{
  static unsigned long n = 0xFFFFFFFEul;
  return ++n;
}

int main(void)
{
  CHECK(s24 == -8388608l && u32 == 0xDEADBEEFul && ratio == -0.375f);
  CHECK(table[0] == -1 && table[1] == 0x7FFFFFFFl && table[2] == 3 && table[3] == 0 && table[4] == 0);
  CHECK(m.c == -7 && m.w == 0xFFFE && m.s == 0x123456 && m.f == 1.5f && m.l[0] == -100000l && m.l[1] == 100000l);
  CHECK(pair[0].l[1] == 6 && pair[1].f == -4.0f && pair[1].s == -3 && pair[1].l[0] == -5);
  CHECK(*into == 3 && into[-2] == -1 && *member == 0x8000 && *deep == -3);
  *deep -= 0x10000;
  CHECK(pair[1].s == -0x10003l && fp(21) == 42);
  CHECK(text[0] == 'a' && text[1] == 'b' && text[2] == 0 && text[7] == 0);
  CHECK(counter() == 0xFFFFFFFFul && counter() == 0 && counter() == 1);
  return CHECK_RESULT();
}
