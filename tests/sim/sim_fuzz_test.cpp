// Robustness: images of random words always end in a reported outcome
// (never a hang or a crash), and the machine stays within its bounds.
#include <random>

#include "tests/sim/sim_bench.h"

TEST(SimFuzz, RandomImagesEndWithAnOutcome) {
  std::mt19937 rng(12345);
  auto m = std::make_unique<SimMachine>();
  int ended[SIM_OUTCOME_COUNT] = {};
  for (int round = 0; round < 300; ++round) {
    sim_init(*m, (uint8_t)rng());
    std::vector<uint16_t> words(64 + rng() % 192);
    for (uint16_t &w : words) w = (uint16_t)rng();
    sim_load_words(*m, 0, words);
    if (round % 3 == 0) sim_schedule_interrupt(*m, round % 2 == 0, rng() % 500);
    m->dm[SFR_INTCON] = (uint8_t)(rng() & 0xC0);
    m->cycle_limit = 20000;
    SimOutcome out = sim_run(*m);
    ASSERT_NE(out, SIM_RUNNING);
    ASSERT_LE(m->sp, 31);
    ASSERT_LE(m->cycles, 20000u + 4);
    ++ended[out];
  }
  // Random code reaches at least the common ends.
  EXPECT_GT(ended[SIM_INVALID] + ended[SIM_OUTSIDE_IMAGE], 0);
}
