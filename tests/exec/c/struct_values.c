// Structures and unions as values: assignment between every kind of
// location (globals, locals, through pointers, array elements), structures
// of 1, 2, 5 and 17 bytes passed as arguments and returned, results used
// directly as arguments and returned again, through a function pointer,
// and in recursion; initialised local aggregates.
#include "check.h"

struct s1 { unsigned char a; };
struct s2 { unsigned char a; signed char b; };
struct s5 { unsigned char a; int b; int c; };
struct s17 { unsigned char tag; int v[8]; };
union u5 { struct s5 s; unsigned char raw[5]; };

struct s5 g5, h5, arr5[3];
struct s17 g17;
struct s5 *gp5;

static struct s1 make1(unsigned char a) { struct s1 r; r.a = a; return r; }
static struct s2 make2(unsigned char a, signed char b) { struct s2 r; r.a = a; r.b = b; return r; }
static struct s5 make5(unsigned char a, int b, int c) { struct s5 r; r.a = a; r.b = b; r.c = c; return r; }

static struct s17 make17(unsigned char tag) {
  struct s17 r;
  unsigned char i;
  r.tag = tag;
  for (i = 0; i < 8; i++) r.v[i] = (int)tag * 100 + i;
  return r;
}

static int sum17(struct s17 s) {
  int t;
  unsigned char i;
  t = s.tag;
  for (i = 0; i < 8; i++) t += s.v[i];
  s.tag = 0;  // the callee's copy only
  return t;
}

static struct s5 swap5(struct s5 s) {
  int t;
  t = s.b; s.b = s.c; s.c = t;
  s.a++;
  return s;
}

// Initialised frame aggregates, copied from their images at each call.
static int s_init(unsigned char k) {
  struct s5 a = {7, -7, 700};
  unsigned char b[6] = {1, 2};
  struct s17 c = {3, {10, 20, 30}};
  union u5 d = {{1, 2, 3}};
  int t;
  t = a.a + a.b + a.c + b[0] + b[1] + b[5] + c.tag + c.v[2] + c.v[7] + d.raw[0] + d.s.c;
  a.c = k; b[5] = k; c.v[7] = k;  // the next call starts from the images again
  return t + a.c - k + b[5] - k + c.v[7] - k;
}

static unsigned char get1(struct s1 s) { return s.a; }
static int get2(unsigned char k, struct s2 s, unsigned char m) { return s.a * k + s.b - m; }
static struct s5 global5(void) { return g5; }
static struct s5 through(struct s5 *p) { return *p; }

// Sum of 1..n carried in a structure returned from each level.
static struct s5 tri(unsigned char n) {
  struct s5 r;
  if (n == 0) return make5(0, 0, 0);
  r = tri(n - 1);
  r.a = n;
  r.b += n;
  r.c = r.c + (int)n * n;
  return r;
}

typedef struct s5 (*maker5)(unsigned char, int, int);

int main(void)
{
  struct s5 l5, m5;
  struct s17 l17;
  struct s1 l1;
  struct s2 l2;
  union u5 u, v;
  struct s5 *lp;
  maker5 mk;
  unsigned char i;

  // Assignment between locations of every kind.
  g5.a = 1; g5.b = -2; g5.c = 3000;
  l5 = g5; CHECK(l5.a == 1 && l5.b == -2 && l5.c == 3000);
  l5.c = 7; h5 = l5; CHECK(h5.c == 7 && h5.b == -2);
  m5 = l5; m5.a = 9; CHECK(m5.a == 9 && l5.a == 1);
  lp = &arr5[1]; *lp = m5; CHECK(arr5[1].a == 9 && arr5[1].c == 7);
  gp5 = &arr5[2]; *gp5 = *lp; CHECK(arr5[2].a == 9 && arr5[2].b == -2);
  i = 0; arr5[i] = arr5[i + 2]; CHECK(arr5[0].c == 7);
  arr5[0].c = 1; l5 = arr5[0]; CHECK(l5.c == 1);
  g5 = h5 = m5; CHECK(g5.a == 9 && h5.a == 9);
  u.s = g5; v = u; CHECK(v.raw[0] == 9 && v.s.c == 7);

  // Results of 1, 2, 5 and 17 bytes.
  l1 = make1(200); CHECK(l1.a == 200);
  CHECK(get1(make1(77)) == 77);
  l2 = make2(3, -4); CHECK(l2.a == 3 && l2.b == -4);
  CHECK(get2(10, l2, 1) == 25);
  CHECK(get2(2, make2(5, 6), 3) == 13);
  l5 = make5(4, 500, -600); CHECK(l5.a == 4 && l5.b == 500 && l5.c == -600);
  l5 = swap5(l5); CHECK(l5.a == 5 && l5.b == -600 && l5.c == 500);
  l5 = swap5(swap5(make5(1, 2, 3))); CHECK(l5.a == 3 && l5.b == 2 && l5.c == 3);
  g17 = make17(3); CHECK(g17.tag == 3 && g17.v[7] == 307);
  l17 = g17; CHECK(sum17(l17) == 3 + 8 * 300 + 28); CHECK(l17.tag == 3);
  CHECK(sum17(make17(1)) == 1 + 800 + 28);
  m5 = global5(); CHECK(m5.a == 9 && m5.c == 7);
  m5 = through(&arr5[1]); CHECK(m5.a == 9 && m5.b == -2);
  mk = make5; l5 = mk(8, 9, 10); CHECK(l5.a == 8 && l5.c == 10);
  CHECK(make5(1, 2, 3).c == 3); CHECK(swap5(make5(1, 2, 3)).b == 3); CHECK(mk(4, 5, 6).a == 4);
  CHECK(make17(2).v[5] == 205);
  l5 = tri(10); CHECK(l5.a == 10 && l5.b == 55 && l5.c == 385);
  CHECK(s_init(9) == 7 - 7 + 700 + 1 + 2 + 0 + 3 + 30 + 0 + 1 + 3);
  CHECK(s_init(200) == 7 - 7 + 700 + 1 + 2 + 0 + 3 + 30 + 0 + 1 + 3);
  return CHECK_RESULT();
}
