// switch edge cases: char selectors signed and unsigned with cases that
// look alike (255 and -1), default first, last and missing, fall-through
// chains, nested switches, break and continue inside loops, a selector with
// side effects evaluated once, selectors in frame slots, through pointers
// and computed, and unsigned int cases at both ends of the range.
#include "check.h"

unsigned char calls;
unsigned char sel_u;
signed char sel_s;
unsigned int big;

static unsigned char next_value(void)
{
  calls++;
  return sel_u;
}

// 255 on an unsigned char and -1 on a signed char are the same byte.
static unsigned char on_uchar(unsigned char c)
{
  switch (c) {
  case 255: return 1;
  case 0: return 2;
  case 128: return 3;
  case 127: return 4;
  }
  return 0;
}

static unsigned char on_schar(signed char c)
{
  switch (c) {
  default: return 9;
  case -1: return 1;
  case 0: return 2;
  case -128: return 3;
  case 127: return 4;
  }
}

// Default in the middle with fall-through into and out of it.
static unsigned char fall(unsigned char c)
{
  unsigned char r = 0;
  switch (c) {
  case 1: r += 1;
  case 2: r += 2;
  default: r += 4;
  case 3: r += 8;
    break;
  case 4: r += 16;
  }
  return r;
}

// Nested switches; the inner break leaves only the inner switch.
static int nested(int a, unsigned char b)
{
  int r = 0;
  switch (a) {
  case -300:
    switch (b) {
    case 1: r = 1; break;
    case 2: r = 2; break;
    default: r = 3;
    }
    r += 100;
    break;
  case 300:
    switch (b) {
    case 1: return 7;
    }
    r = 200;
  case 0x7FFF:
    r += 1000;
    break;
  case -32768:
    r = -5;
  }
  return r;
}

// continue inside a switch goes to the loop; break only leaves the switch.
static unsigned int loop_control(void)
{
  unsigned char i;
  unsigned int odd = 0, stop = 0;
  for (i = 0; i < 10; i++) {
    switch (i & 3) {
    case 1:
    case 3:
      odd++;
      continue;
    case 2:
      break;
    default:
      stop++;
    }
    stop += 10;
  }
  return odd * 100 + stop;
}

// Unsigned int cases: 0xFFFF, 0x8000, 0x00FF and 0xFF00 differ by one byte.
static unsigned char on_uint(unsigned int v)
{
  switch (v) {
  case 0xFFFF: return 1;
  case 0x8000: return 2;
  case 0x00FF: return 3;
  case 0xFF00: return 4;
  case 0: return 5;
  case 0x0100: return 6;
  }
  return 0;
}

// Selectors widened from a byte: cases the widening cannot produce never
// match, however their low byte looks.
static unsigned char widened(unsigned char c, signed char s)
{
  unsigned char r = 0;
  switch ((int)c) {
  case -1: r = 1; break;
  case 256: r = 2; break;
  case 255: r = 3; break;
  case 0x1FF: r = 4; break;
  case 0: r = 5; break;
  }
  switch ((int)s) {
  case 255: r += 10; break;
  case -1: r += 20; break;
  case -129: r += 40; break;
  case 127: r += 50; break;
  case -128: r += 60; break;
  }
  return r;
}

// Cases written out of order in a switch without a default.
static unsigned char order(unsigned char c)
{
  unsigned char r = 50;
  switch (c) {
  case 3: r = 3; break;
  case 1: r = 1; break;
  case 2: r = 2; break;
  }
  return r;
}

// An empty switch and one with only a default.
static unsigned char degenerate(unsigned char c)
{
  unsigned char r = 1;
  switch (c) {
  }
  switch (c) {
  default: r = 2;
  }
  return r;
}

int main(void)
{
  unsigned char i, hits;
  int k;
  unsigned char *p;
  int *pk;

  CHECK(on_uchar(255) == 1);
  CHECK(on_uchar(0) == 2);
  CHECK(on_uchar(128) == 3);
  CHECK(on_uchar(127) == 4);
  CHECK(on_uchar(254) == 0);
  CHECK(on_uchar(1) == 0);
  CHECK(on_schar(-1) == 1);
  CHECK(on_schar(0) == 2);
  CHECK(on_schar(-128) == 3);
  CHECK(on_schar(127) == 4);
  CHECK(on_schar(1) == 9);
  CHECK(on_schar(-127) == 9);

  CHECK(fall(1) == 15);
  CHECK(fall(2) == 14);
  CHECK(fall(3) == 8);
  CHECK(fall(4) == 16);
  CHECK(fall(0) == 12);
  CHECK(fall(200) == 12);

  CHECK(nested(-300, 1) == 101);
  CHECK(nested(-300, 2) == 102);
  CHECK(nested(-300, 9) == 103);
  CHECK(nested(300, 1) == 7);
  CHECK(nested(300, 2) == 1200);
  CHECK(nested(0x7FFF, 2) == 1000);
  CHECK(nested(-32768, 2) == -5);
  CHECK(nested(44, 1) == 0);
  CHECK(nested(-299, 1) == 0);

  CHECK(loop_control() == 553);  /* 5 odd, 3 * 11 + 2 * 10 stops */

  CHECK(on_uint(0xFFFF) == 1);
  CHECK(on_uint(0x8000) == 2);
  CHECK(on_uint(0x00FF) == 3);
  CHECK(on_uint(0xFF00) == 4);
  CHECK(on_uint(0) == 5);
  CHECK(on_uint(0x0100) == 6);
  CHECK(on_uint(0x7FFF) == 0);
  CHECK(on_uint(0xFFFE) == 0);
  CHECK(on_uint(0x01FF) == 0);

  CHECK(widened(255, -1) == 23);
  CHECK(widened(0, 127) == 55);
  CHECK(widened(1, -128) == 60);
  CHECK(widened(128, 1) == 0);
  CHECK(order(1) == 1);
  CHECK(order(2) == 2);
  CHECK(order(3) == 3);
  CHECK(order(0) == 50);
  CHECK(degenerate(4) == 2);

  // The selector is computed once, even when no case matches.
  sel_u = 7;
  calls = 0;
  hits = 0;
  switch (next_value()) {
  case 6: hits = 6; break;
  case 7: hits = 7; break;
  }
  CHECK(calls == 1);
  CHECK(hits == 7);
  calls = 0;
  switch (next_value() + 1) {
  case 1: hits = 1; break;
  default: hits = 99;
  }
  CHECK(calls == 1);
  CHECK(hits == 99);

  // A selector with an increment: bumped once, the old value dispatched.
  sel_u = 254;
  hits = 0;
  for (i = 0; i < 3; i++) {
    switch (sel_u++) {
    case 254: hits += 1; break;
    case 255: hits += 10; break;
    case 0: hits += 100; break;
    }
  }
  CHECK(hits == 111);
  CHECK(sel_u == 1);

  // Selectors in a frame slot, through a pointer, and a signed global.
  k = -2;
  switch (k) {
  case 2: hits = 2; break;
  case -2: hits = 1; break;
  default: hits = 3;
  }
  CHECK(hits == 1);
  pk = &k;
  switch (*pk) {
  case -2: hits = 5; break;
  case 254: hits = 6; break;
  }
  CHECK(hits == 5);
  p = &sel_u;
  switch (*p) {
  case 1: hits = 11; break;
  default: hits = 12;
  }
  CHECK(hits == 11);
  sel_s = -128;
  switch (sel_s) {
  case 127: hits = 20; break;
  case -128: hits = 21; break;
  default: hits = 22;
  }
  CHECK(hits == 21);
  big = 0x1234;
  switch (big >> 4) {
  case 0x123: hits = 31; break;
  case 0x234: hits = 32; break;
  }
  CHECK(hits == 31);
  return CHECK_RESULT();
}
