// Floats through calls: float parameters mixed with char, int and long ones
// in every position, float results used in expressions and as arguments of
// further calls, through function pointers held in an array, and a float
// member of a structure returned by value. Values are exact in binary so
// each result is known exactly.
#include "check.h"

typedef struct { unsigned char id; float gain; } channel_t;

static float scale(char k, float x, int n) { return x * k + n; }
static float mix(float a, long b, float c) { return a - (float)b * c; }
static float halve(float x) { return x * 0.5f; }
static float twice(float x) { return x + x; }
static channel_t make(unsigned char id, float g) { channel_t c; c.id = id; c.gain = g * 4.0f; return c; }

float (*ops[2])(float) = {halve, twice};

int main(void)
{
  float r;
  unsigned char i;
  channel_t ch;
  CHECK(scale(-3, 2.5f, 100) == 92.5f);
  CHECK(scale(127, -0.25f, -32768) == -32799.75f);
  r = mix(1.0f, 100000l, 0.125f);
  CHECK(r == -12499.0f);
  CHECK(mix(scale(2, 0.75f, 1), -2, halve(3.0f)) == 5.5f);
  r = 10.0f;
  for (i = 0; i < 6; i++)
    r = ops[i & 1](r) + 1.0f;
  CHECK(r == 19.0f);
  ch = make(7, halve(twice(1.5f)));
  CHECK(ch.id == 7 && ch.gain == 6.0f && make(1, -0.5f).gain == -2.0f);
  CHECK(twice(make(2, 0.25f).gain) - scale(1, 1.0f, 1) == 0.0f);
  return CHECK_RESULT();
}
