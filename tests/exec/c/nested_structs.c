// Structures inside structures, arrays inside structures and structures
// inside arrays; members of both widths at every depth.
#include "check.h"

struct point { signed char x, y; };
struct box { struct point lo, hi; unsigned char tag[3]; int area; };

struct box boxes[3];

static int area(const struct box *b)
{
  return (int)(b->hi.x - b->lo.x) * (int)(b->hi.y - b->lo.y);
}

int main(void)
{
  unsigned char i;
  int total;
  for (i = 0; i < 3; i++) {
    boxes[i].lo.x = -(signed char)i; boxes[i].lo.y = -10;
    boxes[i].hi.x = 10 + i; boxes[i].hi.y = 20;
    boxes[i].tag[i] = i + 1;
    boxes[i].area = area(&boxes[i]);
  }
  CHECK(boxes[0].area == 300);
  CHECK(boxes[2].area == 420);
  CHECK(boxes[1].tag[1] == 2);
  total = 0;
  for (i = 0; i < 3; i++) total += boxes[i].area;
  CHECK(total == 1080);
  return CHECK_RESULT();
}
