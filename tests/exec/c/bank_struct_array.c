// An array of 40 nine-byte structures (360 bytes, crossing a bank boundary,
// with structures split across it) read and updated by index and through
// pointers: members of every width, compound assignments on members, and
// whole structures copied from one end of the array to the other.
#include "check.h"

typedef struct { unsigned char id; int level; unsigned short long stamp; signed char trend; unsigned int hits; } rec_t;

#pragma udata big_records
rec_t recs[40];
#pragma udata

static void touch(rec_t *r, int by)
{
  r->level += by;
  r->stamp += 0x10000;
  r->trend = by < 0 ? -1 : 1;
  r->hits++;
}

int main(void)
{
  unsigned char i;
  rec_t *p;
  long total = 0;
  for (i = 0; i < 40; i++) {
    recs[i].id = i;
    recs[i].level = (int)i * -100;
    recs[i].stamp = (unsigned short long)i << 12;
    recs[i].hits = 1000u * i;
  }
  for (p = recs; p != recs + 40; p++)
    touch(p, p->id & 1 ? -7 : 7);
  for (i = 0; i < 40; i++) {
    CHECK(recs[i].id == i && recs[i].hits == 1000u * i + 1);
    CHECK(recs[i].level == (int)i * -100 + (i & 1 ? -7 : 7));
    CHECK(recs[i].stamp == ((unsigned short long)i << 12) + 0x10000);
    CHECK(recs[i].trend == (i & 1 ? -1 : 1));
    total += recs[i].level;
  }
  CHECK(total == -78000l);
  recs[0] = recs[39];
  recs[28] = recs[27];
  CHECK(recs[0].id == 39 && recs[0].stamp == 0x37000ul && recs[0].hits == 39001u);
  CHECK(recs[28].id == 27 && recs[28].level == -2707 && recs[29].id == 29);
  return CHECK_RESULT();
}
