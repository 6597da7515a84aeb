// The conditional operator with char and int arms: nested, as an operand,
// as call arguments, with side effects and calls in the arms (only the
// chosen arm runs), with conditions of every kind, into locals, globals,
// array elements and pointers, and as a statement whose value is unused.
#include "check.h"

unsigned char a, b, r, n;
signed char sc;
int s, t, q;
unsigned int u;
unsigned char arr[4] = {10, 20, 30, 40};
int warr[3] = {1000, -2000, 3000};
unsigned char calls;

static int twice(int v) { return v + v; }
static unsigned char inc(unsigned char v) { calls++; return v + 1; }
static int sum3(unsigned char x, int y, unsigned char z) { return x + y + z; }
static unsigned char pick(unsigned char c) { return c ? 7 : 9; }
static int ipick(int c, int x, int y) { return c > 0 ? x : y; }

int main(void)
{
  unsigned char lc, i;
  int li, lj;
  unsigned char *p;
  int *wp;
  /* side effects in the arms: only the chosen arm runs */
  a = 1; b = 5; n = 0;
  r = a ? b++ : n++; CHECK(r == 5); CHECK(b == 6); CHECK(n == 0);
  a = 0; r = a ? b++ : n++; CHECK(r == 0); CHECK(b == 6); CHECK(n == 1);
  calls = 0; r = a ? inc(b) : inc(n); CHECK(r == 2); CHECK(calls == 1);
  s = 10; t = 20;
  q = s > t ? s++ : t--; CHECK(q == 20); CHECK(t == 19); CHECK(s == 10);
  /* as operands */
  a = 3; b = 4;
  r = (a > b ? a : b) + (a < b ? a : b); CHECK(r == 7);
  r = 100 - (a ? b : 1); CHECK(r == 96);
  q = (s < t ? s : t) * 3 + 1; CHECK(q == 31);
  q = 1000 - (b == 4 ? 300 : -300); CHECK(q == 700);
  u = (unsigned)(a ? 40000u : 1u) + 1u; CHECK(u == 40001u);
  /* as call arguments, several at once */
  q = sum3(a ? 1 : 2, b ? 1000 : 2000, a == b ? 5 : 6); CHECK(q == 1007);
  q = twice(s ? t : s); CHECK(q == 38);
  CHECK(pick(0) == 9); CHECK(pick(3) == 7);
  CHECK(ipick(1, -5, 5) == -5); CHECK(ipick(-1, -5, 5) == 5); CHECK(ipick(0, 1, 2) == 2);
  /* nested in both arms, in the condition */
  for (i = 0; i < 4; i++) {
    lc = i < 2 ? (i == 0 ? 'a' : 'b') : (i == 2 ? 'c' : 'd');
    CHECK(lc == 'a' + i);
  }
  r = (a ? b : 0) ? 11 : 22; CHECK(r == 11);
  r = (a ? 0 : b) ? 11 : 22; CHECK(r == 22);
  /* locals on the stack, array elements, pointers */
  li = -7; lj = 7;
  li = li < 0 ? -li : li; CHECK(li == 7);
  lj = lj == li ? warr[1] : warr[2]; CHECK(lj == -2000);
  arr[a ? 1 : 2] = a > 2 ? 99 : 98; CHECK(arr[1] == 99);
  p = a ? &arr[3] : &arr[0]; CHECK(*p == 40);
  wp = b > 10 ? &warr[0] : 0; CHECK(wp == 0);
  wp = b < 10 ? &warr[2] : 0; CHECK(*wp == 3000);
  /* signed bytes, constants 0 and 255, stores into access and banked bytes */
  sc = -3; sc = sc < 0 ? -sc : sc; CHECK(sc == 3);
  r = a ? 0 : 255; CHECK(r == 0);
  r = a ? 255 : 0; CHECK(r == 255);
  /* value not used: only the effects */
  n = 0; b = 0;
  a ? n++ : b++; CHECK(n == 1); CHECK(b == 0);
  s ? (void)inc(1) : (void)0; CHECK(calls == 2);
  /* 16-bit condition, truth values in the arms */
  s = 0x100; r = s ? a > b : a < b; CHECK(r == 1); r = s ? a < b : 5; CHECK(r == 0);
  q = s ? s + 1 : s - 1; CHECK(q == 0x101);
  /* in a loop condition and a return */
  n = 0; for (i = 0; i < (a ? 5 : 2); i++) n++; CHECK(n == 5);
  /* the first cases */
  a = 5; b = 9;
  r = a > b ? a : b; CHECK(r == 9);
  r = a < b ? a : b; CHECK(r == 5);
  s = -4; t = 3;
  q = s < t ? s : t; CHECK(q == -4);
  q = s > 0 ? 1 : s < 0 ? -1 : 0; CHECK(q == -1);
  s = 0; q = s > 0 ? 1 : s < 0 ? -1 : 0; CHECK(q == 0);
  q = twice(a ? 300 : 400); CHECK(q == 600);
  q = (a == 5 && b == 9) ? 1000 : 2000; CHECK(q == 1000);
  r = a ? b ? 1 : 2 : 3; CHECK(r == 1);
  b = 0; r = a ? b ? 1 : 2 : 3; CHECK(r == 2);
  return CHECK_RESULT();
}
