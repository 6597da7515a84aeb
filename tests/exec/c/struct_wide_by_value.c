// Structures with long, short long and float members passed by value and
// returned: the callee works on its own copy, results are assigned to
// globals, locals, array elements and through pointers, a returned
// structure's member is used directly, and calls nest as arguments.
#include "check.h"

typedef struct { long total; unsigned short long count; float mean; signed char last; } acc_t;

acc_t history[3];

static acc_t add(acc_t a, signed char sample)
{
  a.total += sample;
  a.count++;
  a.mean = (float)a.total / (float)a.count;
  a.last = sample;
  return a;
}

static acc_t start(long bias)
{
  acc_t a;
  a.total = bias;
  a.count = 0xFFFFFFul;
  a.mean = 0.0f;
  a.last = 0;
  return a;
}

static long spread(acc_t a, acc_t b) { return a.total - b.total + (long)(a.count - b.count); }

int main(void)
{
  acc_t a, *p = &history[2];
  a = start(100000l);
  CHECK(a.count == 0xFFFFFFul && a.total == 100000l);
  a = add(add(add(a, -128), 127), 1);
  CHECK(a.total == 100000l && a.count == 2 && a.last == 1 && a.mean == 50000.0f);
  history[1] = add(a, -50);
  CHECK(a.total == 100000l && history[1].total == 99950l && history[1].count == 3);
  *p = add(history[1], 5);
  CHECK(p->count == 4 && p->total == 99955l && p->mean == 24988.75f);
  CHECK(add(*p, -100).last == -100 && add(start(-1), 3).total == 2);
  CHECK(spread(history[2], history[1]) == 6);
  CHECK(spread(start(-70000l), add(start(0), 0)) == 0xFFFFFFl - 70000l);
  CHECK(history[0].total == 0 && history[0].count == 0);
  return CHECK_RESULT();
}
