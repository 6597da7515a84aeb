// Enumerations (the smallest type that holds their values), typedef names
// for integer, pointer and structure types, and enumerators as constants.
#include "check.h"

typedef unsigned char u8;
typedef int s16;
typedef u8 *bytes_t;
enum colour { RED, GREEN = 5, BLUE };
enum big { SMALL = -1, LARGE = 1000 };
typedef struct { u8 r, g, b; } rgb;

rgb pixel;
u8 store[4];

static u8 brightness(const rgb *p) { return (u8)(((unsigned int)p->r + p->g + p->b) / 3); }

int main(void)
{
  enum colour c;
  enum big b;
  bytes_t p;
  s16 v;
  c = BLUE; CHECK(c == 6); CHECK(sizeof c == 1);
  b = LARGE; CHECK(b == 1000); CHECK(sizeof b == 2);
  b = SMALL; CHECK(b < 0);
  pixel.r = 255; pixel.g = 90; pixel.b = 0;
  CHECK(brightness(&pixel) == 115);
  p = store; p[GREEN - 2] = RED + 9; CHECK(store[3] == 9);
  v = (s16)GREEN * LARGE; CHECK(v == 5000);
  return CHECK_RESULT();
}
