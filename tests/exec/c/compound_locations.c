// Compound assignment on every kind of location: a variable in the access
// bank and in banked RAM, a local and a parameter in the frame, the object
// of a pointer held in a variable or in the frame, and array elements with
// a variable index; every operator at 8 and 16 bits with a variable of the
// other signedness (or width) and with a constant as the right operand.
// Each result is checked against the same operation written as x = x op y
// on a plain local.
// exec-compile: -p HR6810K
// exec-link: -p HR6810K
#include "check.h"

#pragma udata access quick
near unsigned char qu;
near signed char qs;
near unsigned int qw;
near int qi;
#pragma udata compound_banked
unsigned char fill[200];
unsigned char bu;
signed char bs;
unsigned int bw;
int bi;
#pragma udata

unsigned char gu[4];
signed char gs[4];
unsigned int gw[4];
int gi[4];
unsigned char *pu;
int *pi;

signed char ys = -3;
unsigned char yu = 200;
int yi = -300;
unsigned int yw = 0x8001;

// x op= y against e = e op y, e a local of the function (EXPECTED).
#define ONE(T, e, x, op, opeq, a, y)                                          \
  do {                                                                        \
    e = (T)(a);                                                               \
    e = e op (y);                                                             \
    (x) = (T)(a);                                                             \
    (x) opeq (y);                                                             \
    CHECK((x) == e);                                                          \
  } while (0)

// The arithmetic and bitwise operators, then the shifts by 3.
#define ALL(T, e, x, a, y)                                                     \
  do {                                                                        \
    ONE(T, e, x, +, +=, a, y);                                                   \
    ONE(T, e, x, -, -=, a, y);                                                   \
    ONE(T, e, x, *, *=, a, y);                                                   \
    ONE(T, e, x, /, /=, a, y);                                                   \
    ONE(T, e, x, %, %=, a, y);                                                   \
    ONE(T, e, x, &, &=, a, y);                                                   \
    ONE(T, e, x, |, |=, a, y);                                                   \
    ONE(T, e, x, ^, ^=, a, y);                                                   \
    ONE(T, e, x, <<, <<=, a, 3);                                                 \
    ONE(T, e, x, >>, >>=, a, 3);                                                 \
  } while (0)

// A location of each type with a variable and a constant operand.
#define UCHAR(x) ALL(unsigned char, eu, x, 0xE7, ys); ALL(unsigned char, eu, x, 0x35, 7)
#define SCHAR(x) ALL(signed char, es, x, -100, yu); ALL(signed char, es, x, 0x55, -9)
#define UINT(x) ALL(unsigned int, ew, x, 0xF00D, yi); ALL(unsigned int, ew, x, 0x1234, 1000)
#define SINT(x) ALL(int, ei, x, -20000, yw); ALL(int, ei, x, 3000, yu); ALL(int, ei, x, -7, -300)
#define EXPECTED unsigned char eu; signed char es; unsigned int ew; int ei

static void on_params(unsigned char u, signed char s, unsigned int w, int i)
{
  EXPECTED;
  UCHAR(u);
  SCHAR(s);
  UINT(w);
  SINT(i);
}

static void on_locals(void)
{
  EXPECTED;
  unsigned char u;
  signed char s;
  unsigned int w;
  int i;
  UCHAR(u);
  SCHAR(s);
  UINT(w);
  SINT(i);
}

static void through_pointers(unsigned char *fu, int *fi)
{
  EXPECTED;
  UCHAR(*fu);
  SINT(*fi);
  pu = &gu[3];
  pi = &gi[1];
  UCHAR(*pu);
  SINT(*pi);
}

static void on_elements(unsigned char k)
{
  EXPECTED;
  UCHAR(gu[k]);
  SCHAR(gs[k + 1]);
  UINT(gw[k]);
  SINT(gi[3 - k]);
}

// Both operands read through pointers, or both array elements.
static void object_and_object(void)
{
  unsigned char *p = &gu[0], *q = &gu[1];
  int *pw = &gi[0], *qw = &gi[1];
  unsigned char i = 2, j = 1;
  gu[0] = 10; gu[1] = 20; gu[2] = 30;
  gi[0] = 1000; gi[1] = 2000; gi[2] = -3000;
  *p += *q; CHECK(gu[0] == 30);
  *p -= *q; CHECK(gu[0] == 10);
  *p *= *q; CHECK(gu[0] == 200);
  *p /= *q; CHECK(gu[0] == 10);
  *p <<= *q - 18; CHECK(gu[0] == 40);
  *pw += *qw; CHECK(gi[0] == 3000);
  *pw -= *qw; CHECK(gi[0] == 1000);
  *pw *= *qw; CHECK(gi[0] == (int)0x8480);  /* 2,000,000 mod 65536 */
  *pw = 1000;
  *pw /= *qw - 1990; CHECK(gi[0] == 100);
  *pw >>= *qw - 1998; CHECK(gi[0] == 25);
  gu[i] += gu[j]; CHECK(gu[2] == 50);
  gi[i] -= gi[j]; CHECK(gi[2] == -5000);
  gi[i] ^= gi[i - 2]; CHECK(gi[2] == (-5000 ^ 25));
}

int main(void)
{
  EXPECTED;
  UCHAR(qu);
  SCHAR(qs);
  UINT(qw);
  SINT(qi);
  UCHAR(bu);
  SCHAR(bs);
  UINT(bw);
  SINT(bi);
  CHECK(fill[199] == 0);
  on_params(0, 0, 0, 0);
  on_locals();
  through_pointers(&gu[0], &gi[2]);
  on_elements(2);
  object_and_object();
  return CHECK_RESULT();
}
