// Function pointers whose functions take and return short long, long,
// float and structures: held in a table, in a structure member and in a
// local, passed as an argument, chosen by a conditional, and called with
// arguments that are themselves indirect calls.
#include "check.h"

typedef struct { long lo, hi; } range_t;
typedef long (*lfun)(long, short long);

static long add(long a, short long b) { return a + b; }
static long sub(long a, short long b) { return a - b; }
static long mul(long a, short long b) { return a * b; }
static float avg(float a, float b) { return (a + b) * 0.5f; }
static range_t widen(range_t r, long by) { r.lo -= by; r.hi += by; return r; }
static long apply(lfun f, long a, short long b) { return f(a, b); }

lfun table[3] = {add, sub, mul};
struct { float (*f)(float, float); range_t (*g)(range_t, long); } ops = {avg, widen};

int main(void)
{
  unsigned char i;
  long acc = 1;
  lfun pick;
  range_t r = {-10, 10};
  for (i = 0; i < 6; i++)
    acc = table[i % 3](acc, (short long)i * 0x10000l - 1);
  CHECK(acc == -458751l);
  pick = acc > 0 ? add : sub;
  CHECK(apply(pick, 100000l, -8388608l) == 100000l + 8388608l && pick == sub);
  CHECK(apply(table[2], table[0](2, 3), table[1](10, 4)) == 30);
  CHECK(ops.f(ops.f(1.0f, 3.0f), 6.0f) == 4.0f);
  r = ops.g(ops.g(r, 100000l), -5);
  CHECK(r.lo == -100005l && r.hi == 100005l);
  return CHECK_RESULT();
}
