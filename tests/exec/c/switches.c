// switch over char and int values: dense and sparse cases, default,
// fall-through and break, negative case values.
#include "check.h"

static unsigned char dense(unsigned char c)
{
  switch (c) {
  case 0: return 10;
  case 1: return 11;
  case 2:
  case 3: return 12;
  case 4: c = 20; break;
  default: return 99;
  }
  return c + 1;
}

static int sparse(int v)
{
  int r;
  r = 0;
  switch (v) {
  case -1000: r = 1; break;
  case -1: r = 2; break;
  case 256: r = 3;
  case 257: r += 4; break;
  case 30000: r = 5; break;
  default: r = -1;
  }
  return r;
}

int main(void)
{
  CHECK(dense(0) == 10);
  CHECK(dense(1) == 11);
  CHECK(dense(2) == 12);
  CHECK(dense(3) == 12);
  CHECK(dense(4) == 21);
  CHECK(dense(5) == 99);
  CHECK(dense(255) == 99);
  CHECK(sparse(-1000) == 1);
  CHECK(sparse(-1) == 2);
  CHECK(sparse(256) == 7);
  CHECK(sparse(257) == 4);
  CHECK(sparse(30000) == 5);
  CHECK(sparse(0) == -1);
  CHECK(sparse(255) == -1);
  return CHECK_RESULT();
}
