// RAM pointers and arrays: addresses of globals and locals, reads and
// writes through char and int pointers, walking an array with ++ and --,
// char-indexed char arrays, pointers held in frame slots.
#include "check.h"

unsigned char buf[8];
int words[3];
unsigned char *gp;
#pragma udata other_bank = 0x400
unsigned char far_buf[4];
#pragma udata

static void fill(unsigned char *p, unsigned char n, unsigned char v)
{
  while (n) {
    *p = v;
    p++;
    v++;
    n--;
  }
}

static unsigned char sum_ok(unsigned char *p)
{
  if (p[0] != 10) return 0;
  if (p[1] != 11) return 0;
  if (p[7] != 17) return 0;
  return 1;
}

static void set_int(int *q, int v) { *q = v; }

void main(void)
{
  unsigned char local[4];
  unsigned char i, v;
  int w;
  int *pw;
  unsigned char *p;

  fill(buf, 8, 10);
  CHECK(buf[0] == 10); CHECK(buf[7] == 17);
  CHECK(sum_ok(buf));
  i = 3; CHECK(buf[i] == 13);
  buf[i] = 99; CHECK(buf[3] == 99);
  fill(local, 4, 200);
  CHECK(local[0] == 200); CHECK(local[3] == 203);
  i = 2; CHECK(local[i] == 202);
  local[i] = 7; CHECK(local[2] == 7);
  fill(far_buf, 4, 250);
  CHECK(far_buf[3] == 253); i = 1; CHECK(far_buf[i] == 251);

  p = local; CHECK(*p == 200); p++; CHECK(*p == 201); ++p; CHECK(*p == 7);
  v = *p++; CHECK(v == 7); CHECK(*p == 203);
  v = *--p; CHECK(v == 7);
  p--; p--; CHECK(*p == 200);
  (*p)++; CHECK(local[0] == 201);
  --(*p); CHECK(local[0] == 200);

  gp = &buf[0]; *gp = 1; CHECK(buf[0] == 1);
  gp++; *gp = 2; CHECK(buf[1] == 2);
  set_int(&w, -2); CHECK(w == -2);
  set_int(&words[0], 0x1234); CHECK(words[0] == 0x1234);
  pw = &words[0]; CHECK(*pw == 0x1234);
  pw++; *pw = 0x55AA; CHECK(words[1] == 0x55AA);
  w = *pw; CHECK(w == 0x55AA);
  (*pw)++; CHECK(words[1] == 0x55AB);
  w = (*pw)--; CHECK(w == 0x55AB); CHECK(words[1] == 0x55AA);
  /* int elements: the index scaled by the element size */
  w = -1;
  for (i = 0; i < 3; i++) { words[i] = w; w--; }
  i = 2; CHECK(words[i] == -3); i--; CHECK(words[i] == -2);
  pw = words; CHECK(pw[2] == -3); CHECK(*(pw + i) == -2);
}
