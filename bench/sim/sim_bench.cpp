// Simulator speed benchmark: runs a loop of typical compiled-code
// instructions (indirect stack pushes and pops, frame-slot arithmetic, a
// 16-bit add chain, a skip and a backward branch) for a fixed number of
// cycles and prints the simulated instructions per second.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>

#include "sim/sim.h"

// Hand-encoded words of the loop; see the comment beside each.
static const std::vector<uint16_t> s_program = {
    0xEE13, 0xF000,  // LFSR 1, 0x300
    0xEE23, 0xF000,  // LFSR 2, 0x300
    // loop at 0x0008:
    0x0E05,          // MOVLW 5
    0x6EE6,          // MOVWF POSTINC1
    0x2401,          // ADDWF [1], W
    0x6E02,          // MOVWF [2]
    0x2A03,          // INCF [3], F
    0x2004,          // ADDWFC [4], W
    0x50E5,          // MOVF POSTDEC1, W
    0xC302, 0xF303,  // MOVFF 0x302, 0x303
    0x0D07,          // MULLW 7
    0xA0D8,          // BTFSS STATUS, C
    0x0000,          // NOP
    0x1A05,          // XORWF [5], F
    0xD7F2,          // BRA loop
};

int main(int argc, char **argv) {
  uint64_t cycles = argc > 1 ? strtoull(argv[1], nullptr, 0) : 200000000ull;
  auto m = std::make_unique<SimMachine>();
  sim_init(*m, 0);
  sim_load_words(*m, 0, s_program);
  m->cycle_limit = cycles;
  auto t0 = std::chrono::steady_clock::now();
  SimOutcome out = sim_run(*m);
  double secs = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
  printf("outcome: %s at 0x%06X\n", sim_outcome_text(out), (unsigned)m->outcome_pc);
  printf("instructions: %llu, cycles: %llu, seconds: %.3f\n", (unsigned long long)m->instructions,
         (unsigned long long)m->cycles, secs);
  printf("speed: %.1f million instructions per second\n", m->instructions / secs / 1e6);
  return out == SIM_CYCLE_LIMIT ? 0 : 1;
}
