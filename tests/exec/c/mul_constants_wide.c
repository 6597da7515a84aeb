// long multiplication by constants that code generators special-case or could
// (0, 1, 2, 3, 10, 255, 256, 257, 1000, 0x10000, 0x10001, -1, -10, 0x1000000),
// as values and as *=, over values at the boundaries, and short long products
// by the same constants. Products computed on a PC.
#include "check.h"

long vals[] = {0, 1, -1, 2147483647l, (-2147483647l - 1), 305419896l, 65535l, -70000l, 255};
typedef struct { long p[14]; short long s[14]; } row_t;
row_t rows[] = {
  {{0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
   {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
  {{0, 1, 2, 3, 10, 255, 256, 257, 1000, 65536l, 65537l, -1, -10, 16777216l},
   {0, 1, 2, 3, 10, 255, 256, 257, 1000, 65536l, 65537l, -1, -10, 0}},
  {{0, -1, -2, -3, -10, -255, -256, -257, -1000, -65536l, -65537l, 1, 10, -16777216l},
   {0, -1, -2, -3, -10, -255, -256, -257, -1000, -65536l, -65537l, 1, 10, 0}},
  {{0, 2147483647l, -2, 2147483645l, -10, 2147483393l, -256, 2147483391l, -1000, -65536l, 2147418111l, -2147483647l, 10, -16777216l},
   {0, -1, -2, -3, -10, -255, -256, -257, -1000, -65536l, -65537l, 1, 10, 0}},
  {{0, (-2147483647l - 1), 0, (-2147483647l - 1), 0, (-2147483647l - 1), 0, (-2147483647l - 1), 0, 0, (-2147483647l - 1), (-2147483647l - 1), 0, 0},
   {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
  {{0, 305419896l, 610839792l, 916259688l, -1240768336l, 572662152l, 878082048l, 1183501944l, 477217984l, 1450704896l, 1756124792l, -305419896l, 1240768336l, 2013265920l},
   {0, 3430008l, 6860016l, -6487192l, 745648l, 2236808l, 5666816l, -7680392l, 7455936l, 7864320l, -5482888l, -3430008l, -745648l, 0}},
  {{0, 65535l, 131070l, 196605l, 655350l, 16711425l, 16776960l, 16842495l, 65535000l, -65536l, -1, -65535l, -655350l, -16777216l},
   {0, 65535l, 131070l, 196605l, 655350l, -65791l, -256, 65279l, -1573864l, -65536l, -1, -65535l, -655350l, 0}},
  {{0, -70000l, -140000l, -210000l, -700000l, -17850000l, -17920000l, -17990000l, -70000000l, -292552704l, -292622704l, 70000l, 700000l, -1879048192l},
   {0, -70000l, -140000l, -210000l, -700000l, -1072784l, -1142784l, -1212784l, -2891136l, -7340032l, -7410032l, 70000l, 700000l, 0}},
  {{0, 255, 510, 765, 2550, 65025l, 65280l, 65535l, 255000l, 16711680l, 16711935l, -255, -2550, -16777216l},
   {0, 255, 510, 765, 2550, 65025l, 65280l, 65535l, 255000l, -65536l, -65281l, -255, -2550, 0}},
};

int main(void)
{
  unsigned char i;
  long v, r;
  short long s, t;
  for (i = 0; i < sizeof vals / sizeof vals[0]; i++) {
    v = vals[i];
    s = v;
    r = v * 0; CHECK(r == rows[i].p[0]); r = v; r *= 0; CHECK(r == rows[i].p[0]);
    t = s * 0; CHECK(t == rows[i].s[0]);
    r = v * 1; CHECK(r == rows[i].p[1]); r = v; r *= 1; CHECK(r == rows[i].p[1]);
    t = s * 1; CHECK(t == rows[i].s[1]);
    r = v * 2; CHECK(r == rows[i].p[2]); r = v; r *= 2; CHECK(r == rows[i].p[2]);
    t = s * 2; CHECK(t == rows[i].s[2]);
    r = v * 3; CHECK(r == rows[i].p[3]); r = v; r *= 3; CHECK(r == rows[i].p[3]);
    t = s * 3; CHECK(t == rows[i].s[3]);
    r = v * 10; CHECK(r == rows[i].p[4]); r = v; r *= 10; CHECK(r == rows[i].p[4]);
    t = s * 10; CHECK(t == rows[i].s[4]);
    r = v * 255; CHECK(r == rows[i].p[5]); r = v; r *= 255; CHECK(r == rows[i].p[5]);
    t = s * 255; CHECK(t == rows[i].s[5]);
    r = v * 256l; CHECK(r == rows[i].p[6]); r = v; r *= 256l; CHECK(r == rows[i].p[6]);
    t = s * 256l; CHECK(t == rows[i].s[6]);
    r = v * 257l; CHECK(r == rows[i].p[7]); r = v; r *= 257l; CHECK(r == rows[i].p[7]);
    t = s * 257l; CHECK(t == rows[i].s[7]);
    r = v * 1000l; CHECK(r == rows[i].p[8]); r = v; r *= 1000l; CHECK(r == rows[i].p[8]);
    t = s * 1000l; CHECK(t == rows[i].s[8]);
    r = v * 65536l; CHECK(r == rows[i].p[9]); r = v; r *= 65536l; CHECK(r == rows[i].p[9]);
    t = s * 65536l; CHECK(t == rows[i].s[9]);
    r = v * 65537l; CHECK(r == rows[i].p[10]); r = v; r *= 65537l; CHECK(r == rows[i].p[10]);
    t = s * 65537l; CHECK(t == rows[i].s[10]);
    r = v * (-1); CHECK(r == rows[i].p[11]); r = v; r *= (-1); CHECK(r == rows[i].p[11]);
    t = s * (-1); CHECK(t == rows[i].s[11]);
    r = v * (-10); CHECK(r == rows[i].p[12]); r = v; r *= (-10); CHECK(r == rows[i].p[12]);
    t = s * (-10); CHECK(t == rows[i].s[12]);
    r = v * 16777216l; CHECK(r == rows[i].p[13]); r = v; r *= 16777216l; CHECK(r == rows[i].p[13]);
    t = s * 16777216l; CHECK(t == rows[i].s[13]);
  }
  return CHECK_RESULT();
}
