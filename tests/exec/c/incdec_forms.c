// Every increment and decrement form, pre and post, with the value used
// and unused, at the wrap-around boundaries: on char, int and pointer
// variables in the access bank, in banked RAM, in frame slots and
// parameters, through pointers ((*p)++, *p++,
// p[i]++), and pointers whose step is the pointee's size (int, pairs of
// int, rows of three bytes, blocks of 300 bytes).
#include "check.h"

typedef int pair_t[2];
typedef unsigned char row3_t[3];
typedef unsigned char block_t[300];

#pragma udata access quick
near unsigned char qu;
near signed char qs;
near unsigned int qw;
near int qi;
int * near qp;
#pragma udata incdec_banked
unsigned char fill[200];
unsigned char bu;
signed char bs;
unsigned int bw;
int bi;
pair_t *bp;
#pragma udata

int words[4];
pair_t pairs[3];
row3_t rows[3];
unsigned char bytes[4];
int *gp;
int **gpp;
unsigned char *gcp;
unsigned char steps;

// v stepped by one in T's arithmetic (a constant such as 0xFF is a char).
#define UP(T, v) ((T)((T)(v) + 1))
#define DOWN(T, v) ((T)((T)(v) - 1))

// The eight forms on a location x of type T starting from v, and the
// forms used directly as operands.
#define FORMS(T, x, v)                                                        \
  do {                                                                        \
    T r_;                                                                     \
    (x) = (v); (x)++; CHECK((x) == UP(T, v));                                 \
    (x) = (v); (x)--; CHECK((x) == DOWN(T, v));                               \
    (x) = (v); ++(x); CHECK((x) == UP(T, v));                                 \
    (x) = (v); --(x); CHECK((x) == DOWN(T, v));                               \
    (x) = (v); r_ = (x)++; CHECK(r_ == (T)(v)); CHECK((x) == UP(T, v));       \
    (x) = (v); r_ = (x)--; CHECK(r_ == (T)(v)); CHECK((x) == DOWN(T, v));     \
    (x) = (v); r_ = ++(x); CHECK(r_ == UP(T, v)); CHECK((x) == r_);           \
    (x) = (v); r_ = --(x); CHECK(r_ == DOWN(T, v)); CHECK((x) == r_);         \
    (x) = (v); CHECK((x)++ == (T)(v)); CHECK((x)-- == UP(T, v));              \
    CHECK(++(x) == UP(T, v)); CHECK(--(x) == (T)(v)); CHECK((x) == (T)(v));   \
  } while (0)

static void on_params(unsigned char a, signed char b, unsigned int c, int d, int *e)
{
  FORMS(unsigned char, a, 255);
  FORMS(unsigned char, a, 0);
  FORMS(signed char, b, 127);
  FORMS(signed char, b, -128);
  FORMS(unsigned int, c, 0xFFFF);
  FORMS(unsigned int, c, 0x00FF);
  FORMS(int, d, 0x7FFF);
  FORMS(int, d, -32768);
  FORMS(int *, e, &words[1]);
}

static void on_locals(void)
{
  unsigned char u;
  signed char s;
  unsigned int w;
  int i;
  pair_t *pp;
  row3_t *rp;
  block_t *kp;
  FORMS(unsigned char, u, 0x7F);
  FORMS(signed char, s, 0);
  FORMS(unsigned int, w, 0x0100);
  FORMS(int, i, -1);
  FORMS(pair_t *, pp, &pairs[1]);
  FORMS(row3_t *, rp, &rows[1]);
  FORMS(block_t *, kp, (block_t *)0x0180);
  kp = (block_t *)0x0100;
  kp++;
  CHECK((unsigned int)kp == 0x0100 + 300);
  kp -= 2;
  CHECK((unsigned int)kp == 0x0100 - 300);
}

static void copy(unsigned char *d, const unsigned char *s, unsigned char n)
{
  while (n--)
    *d++ = *s++;
}

static void through_pointers(void)
{
  unsigned char *p;
  int *w;
  unsigned char i;
  unsigned char r;
  int v;

  p = &bytes[1];
  FORMS(unsigned char, *p, 255);
  FORMS(unsigned char, *p, 0);
  CHECK(bytes[1] == 0);
  w = &words[2];
  FORMS(int, *w, 0x00FF);
  FORMS(int, *w, -32768);
  CHECK(words[2] == (int)0x8000);
  gp = &words[3];
  FORMS(int, *gp, 0x0100);
  gcp = &bytes[3];
  FORMS(unsigned char, *gcp, 1);
  gpp = &gp;
  FORMS(int *, *gpp, &words[1]);
  CHECK(gp == &words[1]);
  i = 2;
  FORMS(unsigned char, bytes[i], 255);
  FORMS(int, words[i], 0xFFFF);
  FORMS(int, words[i + 1], 0);
  CHECK(words[3] == 0);

  // *p++ and friends: read or write through the pointer, then step it.
  bytes[0] = 10; bytes[1] = 20; bytes[2] = 30; bytes[3] = 40;
  p = bytes;
  r = *p++; CHECK(r == 10); CHECK(p == &bytes[1]);
  r = *++p; CHECK(r == 30); CHECK(p == &bytes[2]);
  r = *p--; CHECK(r == 30); CHECK(p == &bytes[1]);
  r = *--p; CHECK(r == 10); CHECK(p == &bytes[0]);
  *p++ = 11; *p++ = 21; CHECK(bytes[0] == 11); CHECK(bytes[1] == 21);
  (*p)++; CHECK(bytes[2] == 31); CHECK(p == &bytes[2]);
  ++*p; CHECK(bytes[2] == 32);
  r = (*p)--; CHECK(r == 32); CHECK(bytes[2] == 31);
  p[1]++; CHECK(bytes[3] == 41);
  r = --p[1]; CHECK(r == 40); CHECK(bytes[3] == 40);
  words[0] = 100; words[1] = 200; words[2] = 300; words[3] = 400;
  w = words;
  v = *w++; CHECK(v == 100); CHECK(w == &words[1]);
  v = *++w; CHECK(v == 300);
  *w-- = -3; CHECK(words[2] == -3); CHECK(w == &words[1]);
  v = (*w)++; CHECK(v == 200); CHECK(words[1] == 201);
  i = 3;
  v = w[i - 1]--; CHECK(v == 400); CHECK(words[3] == 399);
  gp = words;
  v = *gp++; v += *gp++; CHECK(v == 301); CHECK(gp == &words[2]);

  // Copies and compound assignments through stepped pointers.
  bytes[0] = 1; bytes[1] = 2;
  copy(&bytes[2], bytes, 2);
  CHECK(bytes[2] == 1); CHECK(bytes[3] == 2);
  w = &words[2];
  gp = words;
  for (i = 0; i < 2; i++)
    *w++ = *gp++;
  CHECK(words[2] == 100); CHECK(words[3] == 201);
  w = words;
  *w++ += 5; *w++ -= 3; *w++ <<= 1;
  CHECK(words[0] == 105); CHECK(words[1] == 198); CHECK(words[2] == 200);
  CHECK(w == &words[3]);

  // A count-down loop on the post-decrement's value.
  steps = 0;
  i = 3;
  while (i--)
    steps++;
  CHECK(steps == 3);
  CHECK(i == 255);
}

// Stepped objects as operands beside another object read through a pointer.
static void beside_other_pointers(void)
{
  unsigned char pair[2];
  int wpair[2];
  unsigned char *p = &pair[0], *q = &pair[1];
  int *pw = &wpair[0], *qw = &wpair[1];
  unsigned char r;
  int v;
  pair[0] = 10; pair[1] = 20;
  wpair[0] = 1000; wpair[1] = 2000;
  r = ++*p + *q; CHECK(r == 31); CHECK(pair[0] == 11);
  r = *q + (*p)++; CHECK(r == 31); CHECK(pair[0] == 12);
  r = (*q)-- - --*p; CHECK(r == 9); CHECK(pair[1] == 19); CHECK(pair[0] == 11);
  v = ++*pw + *qw; CHECK(v == 3001); CHECK(wpair[0] == 1001);
  v = *qw - (*pw)--; CHECK(v == 999); CHECK(wpair[0] == 1000);
  v = --*qw * 2; CHECK(v == 3998);
}

int main(void)
{
  FORMS(unsigned char, qu, 255);
  FORMS(unsigned char, qu, 0);
  FORMS(signed char, qs, 127);
  FORMS(signed char, qs, -128);
  FORMS(unsigned int, qw, 0xFFFF);
  FORMS(unsigned int, qw, 0x00FF);
  FORMS(int, qi, 0x7FFF);
  FORMS(int, qi, 0x0100);
  FORMS(int *, qp, &words[2]);
  FORMS(unsigned char, bu, 255);
  FORMS(signed char, bs, -128);
  FORMS(unsigned int, bw, 0);
  FORMS(int, bi, -32768);
  FORMS(pair_t *, bp, &pairs[1]);
  CHECK(fill[0] == 0);
  on_params(1, 2, 3, 4, 0);
  on_locals();
  through_pointers();
  beside_other_pointers();
  return CHECK_RESULT();
}
