// while, do-while and for loops with char and int counters, counting up
// and down, with break and continue, and nested.
#include "check.h"

unsigned char i, j, n;
int k, sum;

int main(void)
{
  sum = 0;
  for (i = 0; i < 10; i++) sum += i;
  CHECK(sum == 45);
  sum = 0; i = 10;
  while (i) { sum += i; i--; }
  CHECK(sum == 55);
  sum = 0; i = 0;
  do { sum += 2; } while (++i < 5);
  CHECK(sum == 10);
  sum = 0;
  for (k = -5; k <= 5; k++) sum += k;
  CHECK(sum == 0);
  sum = 0;
  for (k = 1000; k > 0; k -= 300) sum++;
  CHECK(sum == 4); CHECK(k == -200);
  n = 0;
  for (i = 0; i < 5; i++)
    for (j = 0; j < 7; j++)
      n++;
  CHECK(n == 35);
  sum = 0;
  for (i = 0; i < 20; i++) {
    if (i == 15) break;
    if (i & 1) continue;
    sum += i;
  }
  CHECK(sum == 56); CHECK(i == 15);
  n = 0; i = 0;
  while (1) { if (++i == 200) break; n++; }
  CHECK(n == 199);
  n = 0;
  for (i = 250; i != 4; i++) n++;
  CHECK(n == 10);
  return CHECK_RESULT();
}
