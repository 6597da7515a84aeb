// Structure values of more than four bytes in more expression positions:
// nested conditionals, arms in the frame and behind pointers, a member of
// a call's result, a call's result passed on, stored into an array element
// and returned through an assignment.
#include "check.h"

typedef struct { long a; int b; char c; } rec_t;

rec_t g1 = {10, 11, 12}, g2 = {20, 21, 22}, arr[3], out;

static rec_t make(long a) { rec_t r; r.a = a; r.b = 1; r.c = 2; return r; }
static long sum(rec_t r) { return r.a + r.b + r.c; }
static rec_t copy_out(rec_t r) { return out = r; }

int main(void)
{
  rec_t loc = {30, 31, 32}, *p = &g2;
  unsigned char i = 2, c = 0;
  out = c ? g1 : i == 2 ? loc : *p;
  CHECK(out.a == 30 && out.c == 32);
  CHECK((c ? loc : *p).b == 21 && (i ? loc : g1).c == 32);
  CHECK(make(5).a == 5 && sum(make(7)) == 10);
  arr[i] = make(9);
  CHECK(arr[2].a == 9 && arr[2].b == 1 && arr[0].a == 0);
  arr[i - 1] = c ? g1 : g2;
  CHECK(arr[1].b == 21);
  CHECK(copy_out(g1).a == 10 && out.b == 11);
  CHECK(sum(c ? make(100) : (i ? g1 : g2)) == 33);
  return CHECK_RESULT();
}
