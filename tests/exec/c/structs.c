// Structure members of char and int, directly and through pointers, an
// array of structures, a structure pointer passed to a function.
#include "check.h"

struct item { unsigned char tag; int value; unsigned char flags; };

struct item items[4];
struct item one;

static void bump(struct item *p, int by) { p->value += by; p->flags |= 1; }

int main(void)
{
  struct item local;
  struct item *p;
  unsigned char i;
  int sum;
  one.tag = 9; one.value = -300; one.flags = 0;
  bump(&one, 301); CHECK(one.value == 1); CHECK(one.flags == 1);
  for (i = 0; i < 4; i++) { items[i].tag = i; items[i].value = i * 1000; items[i].flags = 0; }
  p = &items[2]; CHECK(p->tag == 2); CHECK(p->value == 2000);
  p++; CHECK(p->value == 3000);
  bump(p, -3000); CHECK(items[3].value == 0); CHECK(items[3].flags == 1);
  local.tag = 5; local.value = 500; local.flags = 2;
  bump(&local, 5); CHECK(local.value == 505); CHECK(local.flags == 3);
  sum = 0;
  for (p = items; p < items + 4; p++) sum += p->value + p->tag;
  CHECK(sum == 3006);
  return CHECK_RESULT();
}
