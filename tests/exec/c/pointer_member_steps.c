// Pointers kept in structures and stepped in place: p->cur++ and ++p->cur
// on pointers to char, int and long members reached through a pointer,
// *p->cur++ = v as a buffer writer does, (*pp)++ on a pointer reached
// through a pointer to it, and p->cur -= n; each pointer lands on the
// element expected and the writes fill the buffers in order.
#include "check.h"

typedef struct { unsigned char *cur; int *wcur; long *lcur; unsigned char used; } writer_t;

unsigned char bytes[8];
int words[4];
long longs[3];
writer_t w = {bytes, words, longs, 0};

static void put(writer_t *p, unsigned char v)
{
  *p->cur++ = v;
  p->used++;
}

int main(void)
{
  writer_t *p = &w;
  unsigned char **pp = &p->cur, *old;
  long **lp = &p->lcur;
  put(p, 10);
  put(p, 20);
  CHECK(p->cur == bytes + 2 && bytes[0] == 10 && bytes[1] == 20 && p->used == 2);
  old = p->cur++;
  CHECK(old == bytes + 2 && p->cur == bytes + 3);
  ++p->cur;
  (*pp)++;
  CHECK(w.cur == bytes + 5);
  p->cur -= 4;
  CHECK(*p->cur == 20);
  *p->wcur++ = -1;
  *++p->wcur = 0x1234;
  CHECK(words[0] == -1 && words[1] == 0 && words[2] == 0x1234 && p->wcur == &words[2]);
  p->wcur--;
  *p->wcur += 5;
  CHECK(words[1] == 5);
  *(*lp)++ = 0x12345678l;
  **lp = -1;
  ++*lp;
  **lp = 0x10000l;
  CHECK(longs[0] == 0x12345678l && longs[1] == -1 && longs[2] == 0x10000l && *lp == &longs[2]);
  return CHECK_RESULT();
}
