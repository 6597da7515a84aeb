// A timer queue as a binary min-heap of unsigned long deadlines with a
// char payload, in an array of structures: insertions sift up, removals
// sift down by swapping whole structures; deadlines come out in order,
// also after ones that wrap past 32 bits were left out.
#include "check.h"

typedef struct { unsigned long due; unsigned char id; } timer_t;

timer_t heap[16];
unsigned char count;

static void push(unsigned long due, unsigned char id)
{
  unsigned char i = count++, parent;
  timer_t t;
  heap[i].due = due;
  heap[i].id = id;
  while (i && heap[parent = (i - 1) / 2].due > heap[i].due) {
    t = heap[parent]; heap[parent] = heap[i]; heap[i] = t;
    i = parent;
  }
}

static timer_t pop(void)
{
  timer_t top = heap[0], t;
  unsigned char i = 0, c;
  heap[0] = heap[--count];
  while ((c = 2 * i + 1) < count) {
    if (c + 1 < count && heap[c + 1].due < heap[c].due)
      c++;
    if (heap[i].due <= heap[c].due)
      break;
    t = heap[c]; heap[c] = heap[i]; heap[i] = t;
    i = c;
  }
  return top;
}

unsigned long dues[12] = {500000ul, 10, 0xFFFFFFFFul, 70000ul, 10, 65536ul, 65535ul, 0x80000000ul, 3, 0x7FFFFFFFul, 256, 255};

int main(void)
{
  unsigned char i;
  unsigned long last = 0;
  unsigned int ids = 0;
  timer_t t;
  for (i = 0; i < 12; i++)
    push(dues[i], i);
  CHECK(count == 12 && heap[0].due == 3 && heap[0].id == 8);
  for (i = 0; i < 12; i++) {
    t = pop();
    CHECK(t.due >= last && dues[t.id] == t.due);
    last = t.due;
    ids |= (unsigned int)1 << t.id;
  }
  CHECK(count == 0 && last == 0xFFFFFFFFul && ids == 0x0FFF);
  return CHECK_RESULT();
}
