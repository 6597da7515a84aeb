// Bit-fields of every width from 1 to 8 at every kind of position, signed
// and unsigned, char- and int-typed: every value written to every field of
// a global, a frame structure, an array element and a structure reached
// through a pointer reads back masked (and sign-extended) while the other
// fields keep theirs; compound assignments and increments against a model
// on plain bytes; one-bit fields in conditions.
#include "check.h"

struct bits {
  unsigned char u1 : 1;  // byte 0, bit 0
  unsigned char u2 : 2;  //         bits 1-2
  unsigned char u5 : 5;  //         bits 3-7
  signed char s3 : 3;    // byte 1, bits 0-2
  signed char s4 : 4;    //         bits 3-6
  unsigned char top : 1; //         bit 7
  unsigned int w6 : 6;   // byte 2, bits 0-5
  unsigned int w2 : 2;   //         bits 6-7
  int sw7 : 7;           // byte 3, bits 0-6
  unsigned char full : 8;// byte 4
  unsigned char after;   // byte 5
};

#define NFIELDS 10

struct bits g, arr[3];

static const unsigned char s_mask[NFIELDS] = {1, 3, 31, 7, 15, 1, 63, 3, 127, 255};
static const unsigned char s_sign[NFIELDS] = {1, 2, 16, 4, 8, 1, 32, 2, 64, 128};
static const unsigned char s_signed[NFIELDS] = {0, 0, 0, 1, 1, 0, 0, 0, 1, 0};

// The value field f reads after v was stored.
static int s_model(unsigned char v, unsigned char f) {
  int x = v & s_mask[f];
  if (s_signed[f] && (x & s_sign[f])) x -= (int)s_mask[f] + 1;
  return x;
}

static void s_store(struct bits *p, unsigned char field, unsigned char v) {
  if (field == 0) p->u1 = v;
  else if (field == 1) p->u2 = v;
  else if (field == 2) p->u5 = v;
  else if (field == 3) p->s3 = v;
  else if (field == 4) p->s4 = v;
  else if (field == 5) p->top = v;
  else if (field == 6) p->w6 = v;
  else if (field == 7) p->w2 = v;
  else if (field == 8) p->sw7 = v;
  else p->full = v;
}

static int s_load(const struct bits *p, unsigned char field) {
  if (field == 0) return p->u1;
  if (field == 1) return p->u2;
  if (field == 2) return p->u5;
  if (field == 3) return p->s3;
  if (field == 4) return p->s4;
  if (field == 5) return p->top;
  if (field == 6) return p->w6;
  if (field == 7) return p->w2;
  if (field == 8) return p->sw7;
  return p->full;
}

// Every value into every field through a pointer: each field reads its
// model value, and `after` (the byte beyond the fields) is never touched.
static void s_sweep(struct bits *p) {
  int expect[NFIELDS];
  unsigned char f, k;
  unsigned int v;
  p->after = 0xA5;
  for (f = 0; f < NFIELDS; f++) { s_store(p, f, 0); expect[f] = 0; }
  for (v = 0; v < 256; v += 7) {
    for (f = 0; f < NFIELDS; f++) {
      s_store(p, f, (unsigned char)(v + f));
      expect[f] = s_model((unsigned char)(v + f), f);
      for (k = 0; k < NFIELDS; k++)
        if (s_load(p, k) != expect[k]) { check_line = 1000 + f * 10 + k; check_fail(); return; }
    }
  }
  CHECK(p->after == 0xA5);
}

// Direct fields of a global and of a frame structure, stored and read
// without a pointer.
static void s_direct(void) {
  struct bits l;
  l.after = 1;
  g.u5 = 31; g.s3 = -4; g.top = 1; g.w6 = 63; g.sw7 = -64; g.full = 255; g.u1 = 0; g.u2 = 3;
  CHECK(g.u5 == 31 && g.s3 == -4 && g.top == 1 && g.w6 == 63 && g.sw7 == -64 && g.full == 255);
  CHECK(g.u1 == 0 && g.u2 == 3);
  l.s4 = 7; l.s4 = l.s4 + 1; CHECK(l.s4 == -8);
  l.w2 = 2; l.u1 = 1; l.sw7 = 63; CHECK(l.w2 == 2 && l.u1 == 1 && l.sw7 == 63);
  l.sw7 = l.sw7 + 1; CHECK(l.sw7 == -64);
  CHECK(l.after == 1);
  arr[1].u5 = 17; arr[2].u5 = 3; arr[1].u5 = arr[1].u5 + arr[2].u5; CHECK(arr[1].u5 == 20 && arr[2].u5 == 3);
}

// Compound assignments and increments, against the same operations on
// bytes masked to the field's width.
static void s_compound(struct bits *p) {
  struct bits l;
  unsigned char m;
  int s;
  p->u5 = 9; m = 9;
  p->u5 += 30; m = (m + 30) & 31; CHECK(p->u5 == m);
  p->u5 -= 7; m = (m - 7) & 31; CHECK(p->u5 == m);
  p->u5 *= 3; m = (m * 3) & 31; CHECK(p->u5 == m);
  p->u5 /= 2; m = m / 2; CHECK(p->u5 == m);
  p->u5 |= 0x18; m |= 0x18; CHECK(p->u5 == m);
  p->u5 &= 0x0E; m &= 0x0E; CHECK(p->u5 == m);
  p->u5 ^= 0x1F; m ^= 0x1F; CHECK(p->u5 == m);
  p->u5 <<= 2; m = (m << 2) & 31; CHECK(p->u5 == m);
  p->u5 >>= 1; m >>= 1; CHECK(p->u5 == m);
  p->u5 %= 5; m %= 5; CHECK(p->u5 == m);
  p->u2 = 3; p->u2++; CHECK(p->u2 == 0); p->u2--; CHECK(p->u2 == 3); ++p->u2; --p->u2; CHECK(p->u2 == 3);
  p->s4 = -5; s = -5;
  p->s4 += 3; s = s + 3; CHECK(p->s4 == s);
  p->s4 -= 5; s = s - 5; CHECK(p->s4 == -7);
  p->s4 -= 2; CHECK(p->s4 == 7);  // wraps from -9
  p->w6 = 60; p->w6 += 10; CHECK(p->w6 == 6);
  p->w6 *= 11; CHECK(p->w6 == 2);
  p->sw7 = -60; p->sw7 -= 10; CHECK(p->sw7 == 58);
  l.full = 250; l.full += 10; CHECK(l.full == 4);
  l.top = 0; l.top++; CHECK(l.top == 1); l.top++; CHECK(l.top == 0);
  l.s3 = 3; l.s3++; CHECK(l.s3 == -4); l.s3 >>= 1; CHECK(l.s3 == -2);
  g.w2 = 1; g.w2 += 2; CHECK(g.w2 == 3); g.w2 <<= 1; CHECK(g.w2 == 2);
}

struct flags { unsigned int f0 : 1; unsigned int f7 : 7; };
struct flags fl;

// One-bit fields in conditions (bit tests and jumps) and as truth values:
// through a pointer, in a global, in a frame structure, int-typed.
static void s_one_bit(struct bits *p) {
  struct flags lf;
  unsigned char n, i;
  lf.f0 = 1; lf.f7 = 0; fl.f0 = 0; fl.f7 = 127;
  n = 0;
  if (lf.f0) n += 1;
  if (!lf.f0) n += 2;
  if (fl.f0) n += 4;
  if (!fl.f0) n += 8;
  if (fl.f7) n += 16;
  CHECK(n == 1 + 8 + 16);
  for (i = 0; i < 3; i++) { if (lf.f0) lf.f0 = 0; else lf.f0 = 1; }
  CHECK(lf.f0 == 0 && lf.f7 == 0);
  p->u1 = 1; p->top = 0;
  CHECK(p->u1); CHECK(!p->top);
  n = 0;
  for (i = 0; i < 5; i++) { if (p->u1) n++; p->u1 = !p->u1; }
  CHECK(n == 3);
  n = 0;
  while (!p->top) { n++; if (n == 4) p->top = 1; }
  CHECK(n == 4);
  g.u1 = 1; CHECK(g.u1 && p->top); g.u1 = 0; CHECK(!(g.u1 || !p->top));
}

int main(void)
{
  struct bits local;
  s_sweep(&g);
  s_sweep(&local);
  s_sweep(&arr[2]);
  s_direct();
  s_compound(&arr[0]);
  s_compound(&local);
  s_one_bit(&arr[1]);
  s_one_bit(&local);
  return CHECK_RESULT();
}
