// A table-driven state machine: transitions and actions for five states and
// four events in a rom array of structures indexed by state and event (two
// variable indexes), driven by an event list; the final state, the action
// accumulator, the visits per state and a trace hash computed by the same
// machine on a PC.
#include "check.h"

typedef struct { unsigned char next; unsigned char action; } step_t;
rom step_t machine[5][4] = {
  {{3, 2}, {2, 1}, {1, 0}, {2, 3}},
  {{4, 0}, {2, 0}, {3, 1}, {3, 3}},
  {{1, 1}, {1, 0}, {0, 1}, {4, 0}},
  {{3, 0}, {2, 1}, {1, 3}, {0, 2}},
  {{1, 3}, {2, 2}, {0, 1}, {0, 3}},
};
unsigned char events[] = {0, 3, 3, 1, 0, 1, 3, 0, 0, 0, 1, 1, 2, 0, 0, 1, 0, 0, 3, 1, 3, 0, 3, 1, 0, 1, 1, 0, 0, 2, 1, 2, 0, 0, 3, 1, 1, 0, 2, 0, 2, 0, 2, 3, 1, 3, 1, 0, 3, 2, 0, 3, 0, 1, 1, 3, 2, 2, 0, 2};

int main(void)
{
  unsigned char s = 0, i, e, visits[5] = {0, 0, 0, 0, 0};
  unsigned int acc = 0;
  unsigned long trace = 0;
  for (i = 0; i < sizeof events; i++) {
    e = events[i];
    switch (machine[s][e].action) {
    case 1: acc++; break;
    case 2: acc *= 3; break;
    case 3: acc ^= s << 4 | e; break;
    }
    s = machine[s][e].next;
    visits[s]++;
    trace = trace * 5 + s;
  }
  CHECK(s == 1 && acc == 6024u && trace == 0xFECBF9BEul);
  CHECK(visits[0] == 7 && visits[1] == 17 && visits[2] == 12 && visits[3] == 15 && visits[4] == 9);
  return CHECK_RESULT();
}
