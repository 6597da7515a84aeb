// A shift by a variable count of 0 just before a call, with temporaries live
// across the call: the loop's skip must land on the saves of the call, not
// past them (found by the random programs, seed 855 with -Oi+).
#include "check.h"

unsigned int w1, w2, r;
unsigned char c, d;
int k;
unsigned int expect_and[2] = {0x0020u, 0x0081u}, expect_sum[2] = {0x72D8u, 0x396Cu};

static unsigned char one(int p0, unsigned char p1) { return p0 == 1 && p1 == 0x61; }

int main(void)
{
  k = -19818; d = 0xEE; c = 0x61; w2 = 1;
  for (w1 = 0; w1 < 2; w1++) {
    r = ((65209u * (k <= d)) & ((c << (w1 & 15)) ^ one(w2, c)));
    CHECK(r == expect_and[w1]);
    r = ((unsigned char)(c >> w1) + one(w2, c)) * 300u;
    CHECK(r == expect_sum[w1]);
  }
  return CHECK_RESULT();
}
