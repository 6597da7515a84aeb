// Program memory as values: rom structures copied into globals, locals and
// through pointers and passed by value (near and far tables, constant and
// variable indexes, a near rom pointer); compound assignments, increments
// and decrements of rom short long, long and float objects, near and far,
// with the value used where it is exact; far addresses stored into frame
// array elements and through pointers, and far pointers compared with a
// far table's address plus an offset.
// exec-compile: -p HR6810K
// exec-link: -p HR6810K
#include "check.h"

struct pt { int x; char c; long w; };
rom struct pt near_tab[3] = {{1, 'a', 100000L}, {-2, 'b', -5L}, {300, 'c', 0x7FFFFFFFL}};
rom long rl = 1000;
rom short long rs = -5;
rom unsigned long ru = 0xFFFFFFF0UL;
rom float rf = 1.5f;
rom long rla[3] = {10, 20, 30};
#pragma romdata high_tables = 0x10000
far rom struct pt far_tab[2] = {{7, 'x', 70000L}, {8, 'y', -70000L}};
far rom long fl = -1;
far rom float ff = 2.0f;
far rom char far_bytes[8] = {1, 2, 3, 4, 5, 6, 7, 8};
#pragma romdata

struct pt gpt;
far rom char *gfp;

static long weigh(struct pt p) { return p.x + p.c + p.w; }
static long weigh2(char k, struct pt p, char m) { return k * 1000L + p.x + p.w + m; }

static void fill(struct pt *dst, unsigned char i) { *dst = near_tab[i]; }

int main(void)
{
  struct pt lp, arr[2];
  unsigned char i = 1, j = 2;
  rom struct pt *np = near_tab;
  far rom char *fps[3];
  far rom char *fp;
  long v; short long s; float f;
  int n;

  // Structure copies out of rom.
  lp = near_tab[0]; CHECK(lp.x == 1 && lp.c == 'a' && lp.w == 100000L);
  lp = near_tab[i]; CHECK(lp.x == -2 && lp.c == 'b' && lp.w == -5L);
  gpt = near_tab[j]; CHECK(gpt.x == 300 && gpt.c == 'c' && gpt.w == 0x7FFFFFFFL);
  arr[i] = near_tab[0]; CHECK(arr[1].w == 100000L);
  fill(&arr[0], 2); CHECK(arr[0].x == 300 && arr[0].w == 0x7FFFFFFFL);
  lp = *np; CHECK(lp.c == 'a');
  np++; lp = *np; CHECK(lp.x == -2);
  lp = far_tab[1]; CHECK(lp.x == 8 && lp.c == 'y' && lp.w == -70000L);
  gpt = far_tab[i - 1]; CHECK(gpt.x == 7 && gpt.w == 70000L);
  CHECK(near_tab[1].x == -2);                      // near reads after the far copy

  // Passed by value.
  CHECK(weigh(near_tab[0]) == 1 + 'a' + 100000L);
  CHECK(weigh(near_tab[i]) == -2 + 'b' - 5L);
  CHECK(weigh(far_tab[1]) == 8 + 'y' - 70000L);
  CHECK(weigh2(3, far_tab[i], 4) == 3000L + 8 - 70000L + 4);
  CHECK(weigh2(2, *np, 1) == 2000L - 2 - 5 + 1);

  // Updates of wide rom objects.
  rl += 234; CHECK(rl == 1234);
  rl -= 2000; CHECK(rl == -766);
  rl *= -2; CHECK(rl == 1532);
  rl <<= 4; CHECK(rl == 24512);
  rl |= 0x10000L; CHECK(rl == 0x15FC0L);
  v = ++rl; CHECK(v == 0x15FC1L && rl == 0x15FC1L);
  v = rl--; CHECK(v == 0x15FC1L && rl == 0x15FC0L);
  rl++; --rl; CHECK(rl == 0x15FC0L);
  rs += 10; CHECK(rs == 5);
  s = rs--; CHECK(s == 5 && rs == 4);
  rs >>= 1; CHECK(rs == 2);
  ru += 0x20; CHECK(ru == 0x10UL);                 // wraps
  v = ru++; CHECK(v == 0x10L && ru == 0x11UL);
  rla[i] += 5; CHECK(rla[1] == 25);
  rla[j]++; CHECK(rla[2] == 31);
  n = 0; v = rla[n]--; CHECK(v == 10 && rla[0] == 9);
  fl += 2; CHECK(fl == 1);
  v = ++fl; CHECK(v == 2 && fl == 2);
  rf += 1.0f; CHECK(rf == 2.5f);
  rf *= 4.0f; CHECK(rf == 10.0f);
  rf++; CHECK(rf == 11.0f);
  f = --rf; CHECK(f == 10.0f && rf == 10.0f);
  ff /= 8.0f; CHECK(ff == 0.25f);
  ff--; CHECK(ff == -0.75f);

  // Far addresses into memory, far pointer comparisons.
  fps[0] = &far_bytes[2]; fps[i] = &far_bytes[3]; fps[j] = far_bytes;
  CHECK(*fps[0] == 3 && *fps[1] == 4 && *fps[2] == 1);
  { far rom char **pp = &fps[1]; *pp = far_bytes + 5; CHECK(*fps[1] == 6); }
  n = 0;
  for (fp = far_bytes; fp < &far_bytes[4]; ++fp) n += *fp;
  CHECK(n == 10);
  gfp = far_bytes + 1;
  CHECK(gfp < &far_bytes[4]); CHECK(!(gfp >= &far_bytes[4])); CHECK(gfp != &far_bytes[4]);
  CHECK(gfp == &far_bytes[1]); CHECK(gfp > far_bytes); CHECK(&far_bytes[7] > gfp);
  return CHECK_RESULT();
}
