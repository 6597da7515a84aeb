// Values of 24 and 32 bits read from program memory: short long, long and
// float elements of rom arrays indexed by constants and variables, float
// members of rom structures reached through a rom pointer, and values
// reached through far rom pointers (also stepped by p++), and members of
// a far rom array of structures indexed by a variable; and compound assignments to a near
// array element whose index is computed.
#include "check.h"

rom short long steps[4] = {0x123456, -2, 800000, 0x7FFFFF};
rom long words[3] = {0x12345678L, -100000L, 0x7FFFFFFFL};
typedef struct { float c0, c1, c2; } poly_t;
rom poly_t poly = {1.5f, 2.0f, 0.25f};
far rom long far_words[2] = {-1L, 0x01020304L};
#pragma udata access near_data
near unsigned char frame[4];
#pragma udata

static float poly_eval(const rom poly_t *p, float x) { return p->c0 + x * (p->c1 + x * p->c2); }
static short long step_at(unsigned char i) { return steps[i]; }
const far rom long *far_ptr;
far rom char far_text[] = "far text";
typedef struct { unsigned char id; const far rom char *text; } entry_t;
far rom entry_t entries[3] = {{4, far_text}, {9, far_text + 4}, {0, 0}};

static unsigned char far_strlen(const far rom char *s);

/* The length of the text of the entry with the given id, or 255. */
static unsigned char entry_length(unsigned char id)
{
  unsigned char i;
  for (i = 0; entries[i].id != 0; i++)
    if (entries[i].id == id)
      return far_strlen(entries[i].text);
  return 255;
}

static unsigned char far_strlen(const far rom char *s)
{
  unsigned char n = 0;
  while (*s++ != '\0')
    n++;
  return n;
}

int main(void)
{
  unsigned char i;
  unsigned int k;
  short long s;
  long l;

  CHECK(steps[0] == 0x123456);
  for (i = 0; i < 4; i++) {
    s = step_at(i);
    CHECK(s == steps[i]);
  }
  CHECK(step_at(1) == -2);
  CHECK(step_at(2) == 800000);
  k = 2;
  CHECK(steps[k] + 1 == 800001);
  l = words[0];
  CHECK(l == 0x12345678L);
  for (k = 0; k < 3; k++)
    l = words[k];
  CHECK(l == 0x7FFFFFFFL);
  CHECK(words[1] == -100000L);
  CHECK(poly_eval(&poly, 2.0f) == 6.5f);
  CHECK(poly_eval(&poly, 0.0f) == 1.5f);
  far_ptr = far_words;
  CHECK(*far_ptr == -1L);
  far_ptr = &far_words[1];
  l = *far_ptr;
  CHECK(l == 0x01020304L);
  CHECK(far_strlen(far_text) == 8);
  CHECK(far_strlen(far_text + 4) == 4);
  CHECK(entry_length(4) == 8);
  CHECK(entry_length(9) == 4);
  CHECK(entry_length(5) == 255);

  for (i = 0; i < 4; i++)
    frame[i] = i;
  for (i = 1; i < 4; i++)
    frame[4 - 1 - i] |= 0x80;
  frame[3 - i + 1] ^= 0x0F;
  CHECK(frame[0] == 0x8F && frame[1] == 0x81 && frame[2] == 0x82 && frame[3] == 3);
  return CHECK_RESULT();
}
