/* rand, srand: a linear congruential generator over 32 bits (multiplier
   1103515245, increment 12345); rand returns bits 16 to 30 of the state,
   0 to RAND_MAX. srand(1) restarts the sequence a program sees unseeded. */
#include <stdlib.h>

static unsigned long s_state = 1;

int rand(void) {
  s_state = s_state * 1103515245UL + 12345UL;
  return (int)((s_state >> 16) & RAND_MAX);
}

void srand(unsigned int seed) { s_state = seed; }
