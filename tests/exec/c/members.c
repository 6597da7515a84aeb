// Structure and union members at every offset: in access RAM, in banked
// RAM, in frame slots (up to the far end of the frame),
// through pointers held in a global, a local and a parameter, in array
// elements and nested structures; read, written, and updated with every
// compound assignment at 8 and 16 bits, each result checked against the
// same operations on plain variables.
#include "check.h"

struct inner { unsigned char lo; int mid; };
struct rec {
  unsigned char a;       // offset 0
  int w;                 // 1
  signed char s;         // 3
  unsigned char arr[3];  // 4
  struct inner in;       // 7
  int last;              // 10
};
struct one { unsigned char v; };
struct two { unsigned char x; signed char y; };
struct three { unsigned char t; int u; };
struct four { int p; int q; };
struct big { unsigned char pad[70]; int w; unsigned char c; };
union bytes { int word; unsigned char b[2]; };

#pragma udata access quick
near struct rec q;
#pragma udata far_bank
unsigned char filler[180];
struct rec g;
struct rec table[4];
struct one g1;
struct two g2;
struct three g3;
struct four g4;
#pragma udata
struct rec *gp;

// The byte and word sequences every location form must reproduce.
static unsigned char s_expect8(unsigned char a, unsigned char v) {
  a += v; a -= 3; a *= v; a /= 2; a %= 50; a &= 0x3F; a |= 0x80; a ^= v;
  return a;
}
static int s_expect16(int w, int v) {
  w += v; w -= 1000; w *= 3; w /= 7; w %= 1000; w &= 0x7F3F; w |= 0x0480; w ^= v;
  return w;
}

static void ops_param(struct rec *p, unsigned char v, int wv) {
  p->a += v; p->a -= 3; p->a *= v; p->a /= 2; p->a %= 50; p->a &= 0x3F; p->a |= 0x80; p->a ^= v;
  p->w += wv; p->w -= 1000; p->w *= 3; p->w /= 7; p->w %= 1000; p->w &= 0x7F3F; p->w |= 0x0480; p->w ^= wv;
  p->last += wv; p->last -= 1000; p->last *= 3; p->last /= 7; p->last %= 1000; p->last &= 0x7F3F;
  p->last |= 0x0480; p->last ^= wv;
  p->in.lo += v; p->in.lo -= 3; p->in.lo *= v; p->in.lo /= 2; p->in.lo %= 50; p->in.lo &= 0x3F;
  p->in.lo |= 0x80; p->in.lo ^= v;
  p->in.mid += wv; p->in.mid -= 1000; p->in.mid *= 3; p->in.mid /= 7; p->in.mid %= 1000;
  p->in.mid &= 0x7F3F; p->in.mid |= 0x0480; p->in.mid ^= wv;
}

static void ops_global_pointer(unsigned char v, int wv) {
  gp->a += v; gp->a -= 3; gp->a *= v; gp->a /= 2; gp->a %= 50; gp->a &= 0x3F; gp->a |= 0x80; gp->a ^= v;
  gp->last += wv; gp->last -= 1000; gp->last *= 3; gp->last /= 7; gp->last %= 1000; gp->last &= 0x7F3F;
  gp->last |= 0x0480; gp->last ^= wv;
}

static void ops_local_pointer(struct rec *from, unsigned char v, int wv) {
  struct rec *lp;
  lp = from;
  lp->arr[2] += v; lp->arr[2] -= 3; lp->arr[2] *= v; lp->arr[2] /= 2; lp->arr[2] %= 50; lp->arr[2] &= 0x3F;
  lp->arr[2] |= 0x80; lp->arr[2] ^= v;
  lp->w += wv; lp->w -= 1000; lp->w *= 3; lp->w /= 7; lp->w %= 1000; lp->w &= 0x7F3F; lp->w |= 0x0480;
  lp->w ^= wv;
}

static void s_fill(struct rec *r, unsigned char a, int w) {
  unsigned char i;
  r->a = a; r->w = w; r->s = -5; r->last = w; r->in.lo = a; r->in.mid = w;
  for (i = 0; i < 3; i++) r->arr[i] = a + i;
}

static int s_sum(const struct rec *r) {
  return r->a + r->w + r->s + r->arr[0] + r->arr[1] + r->arr[2] + r->in.lo + r->in.mid + r->last;
}

static void test_pointers(void) {
  struct rec local;
  unsigned char i;
  s_fill(&g, 40, 1234);
  ops_param(&g, 7, 300);
  CHECK(g.a == s_expect8(40, 7)); CHECK(g.w == s_expect16(1234, 300)); CHECK(g.last == s_expect16(1234, 300));
  CHECK(g.in.lo == s_expect8(40, 7)); CHECK(g.in.mid == s_expect16(1234, 300)); CHECK(g.s == -5);
  s_fill(&q, 200, -2000);
  ops_param(&q, 9, -77);
  CHECK(q.a == s_expect8(200, 9)); CHECK(q.w == s_expect16(-2000, -77)); CHECK(q.in.mid == s_expect16(-2000, -77));
  s_fill(&local, 13, 32000);
  ops_param(&local, 250, 5);
  CHECK(local.a == s_expect8(13, 250)); CHECK(local.w == s_expect16(32000, 5));
  CHECK(local.last == s_expect16(32000, 5)); CHECK(local.in.lo == s_expect8(13, 250));
  for (i = 0; i < 4; i++) s_fill(&table[i], i * 10, (int)i * 1000);
  gp = &table[2];
  ops_global_pointer(3, 999);
  CHECK(table[2].a == s_expect8(20, 3)); CHECK(table[2].last == s_expect16(2000, 999));
  CHECK(table[1].a == 10); CHECK(table[3].last == 3000); CHECK(table[2].w == 2000);
  ops_local_pointer(&table[3], 11, -1);
  CHECK(table[3].arr[2] == s_expect8(32, 11)); CHECK(table[3].w == s_expect16(3000, -1));
  CHECK(table[3].arr[1] == 31);
  ops_local_pointer(&local, 1, 1);
  CHECK(local.arr[2] == s_expect8(15, 1));
}

// Direct members: a banked global, an access-RAM global, a local and an
// element with a computed index; reads in expressions of every kind.
static void test_direct(void) {
  struct rec l;
  unsigned char i, k;
  int t;
  s_fill(&l, 1, 2);
  l.a = 100; l.a += 55; CHECK(l.a == 155);
  l.a -= 200; CHECK(l.a == 211);
  l.w = 30000; l.w += 5000; CHECK(l.w == -30536);
  l.s = -100; l.s /= 7; CHECK(l.s == -14);
  l.s %= 5; CHECK(l.s == -4);
  l.s >>= 1; CHECK(l.s == -2);
  l.last = 0x1234; l.last <<= 4; CHECK(l.last == 0x2340);
  l.last >>= 8; CHECK(l.last == 0x23);
  l.in.mid = -1; l.in.mid ^= 0x00FF; CHECK(l.in.mid == (int)0xFF00);
  g.a = 7; g.a <<= 5; CHECK(g.a == 224);
  g.w = 1000; g.w *= g.a; CHECK(g.w == 27392);
  q.s = 77; q.s -= q.a & 0x0F; CHECK(q.s == 77 - (q.a & 0x0F));
  for (i = 0; i < 4; i++) { table[i].w = (int)i * 111; table[i].arr[i % 3] = i; }
  t = 0;
  for (i = 0; i < 4; i++) t += table[i].w * 2 - table[i].arr[i % 3];
  CHECK(t == (0 + 111 + 222 + 333) * 2 - 6);
  k = 3;
  table[k].w -= table[k - 1].w; CHECK(table[3].w == 111);
  table[k - 2].in.lo = 9; table[k - 2].in.lo *= 9; CHECK(table[1].in.lo == 81);
  CHECK(table[1].in.lo > table[1].a); CHECK(table[2].w < table[1].w * 3); CHECK(table[3].w != 0);
  CHECK(!(table[0].w)); CHECK(table[3].w && table[1].in.lo);
  CHECK((table[3].w | 0x100) == 0x16F); CHECK((table[1].in.lo ^ 0xFF) == 174);
  CHECK(-table[3].w == -111); CHECK((unsigned char)~table[1].in.lo == 174);
}

// Increments and decrements of members in every place, their values used.
static void test_incdec(struct rec *p) {
  struct rec l;
  unsigned char old8;
  int old16;
  l.a = 255; l.w = -1;
  l.a++; ++l.w; CHECK(l.a == 0); CHECK(l.w == 0);
  old8 = l.a--; old16 = l.w--; CHECK(old8 == 0 && l.a == 255); CHECK(old16 == 0 && l.w == -1);
  p->a = 9; p->w = 0x00FF; p->in.mid = 0x0100;
  p->a++; p->w++; --p->in.mid; CHECK(p->a == 10); CHECK(p->w == 0x0100); CHECK(p->in.mid == 0x00FF);
  old8 = p->a++; old16 = p->in.mid--; CHECK(old8 == 10 && p->a == 11); CHECK(old16 == 0xFF && p->in.mid == 0xFE);
  p->last = 41; old16 = ++p->last; CHECK(old16 == 42); old16 = p->last--; CHECK(old16 == 42); CHECK(p->last == 41);
  g.in.lo = 1; g.in.lo--; --g.in.lo; CHECK(g.in.lo == 255);
  q.last = 0x7FFF; q.last++; CHECK(q.last == (int)0x8000);
}

// Structures of one to four bytes (their members sit over an indirection of
// that width), a union's overlapping members, and members at the far end of
// a large frame structure.
static void test_sizes(struct two *p2, struct four *p4) {
  struct big b;
  struct three l3;
  union bytes u;
  union bytes *pu;
  g1.v = 5; g1.v += 250; CHECK(g1.v == 255);
  g2.x = 1; g2.y = -1; g2.y -= g2.x; CHECK(g2.y == -2);
  p2->x += 2; p2->y *= 3; CHECK(g2.x == 3); CHECK(g2.y == -6);
  g3.t = 4; g3.u = 500; g3.u += g3.t; CHECK(g3.u == 504);
  l3.t = 6; l3.u = -6; l3.u -= l3.t; CHECK(l3.u == -12); CHECK(l3.t == 6);
  g4.p = 1; g4.q = 2; p4->q += p4->p; p4->p -= 10; CHECK(g4.q == 3); CHECK(g4.p == -9);
  b.pad[69] = 1; b.w = 30000; b.c = 200;
  b.w += b.c; b.c -= b.pad[69]; CHECK(b.w == 30200); CHECK(b.c == 199); CHECK(b.pad[69] == 1);
  b.w = -b.w; b.w /= 100; CHECK(b.w == -302);
  u.word = 0x1234; CHECK(u.b[0] == 0x34); CHECK(u.b[1] == 0x12);
  pu = &u; pu->b[1] = 0xAB; pu->b[0] += 1; CHECK(u.word == (int)0xAB35);
  pu->word -= 0x35; CHECK(pu->b[0] == 0); CHECK(u.b[1] == 0xAB);
}

int main(void)
{
  test_pointers();
  test_direct();
  test_incdec(&table[1]);
  test_sizes(&g2, &g4);
  CHECK(s_sum(&table[1]) == table[1].a + table[1].w + table[1].s + table[1].arr[0] + table[1].arr[1] +
                            table[1].arr[2] + table[1].in.lo + table[1].in.mid + table[1].last);
  return CHECK_RESULT();
}
