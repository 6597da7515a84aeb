// Test bench for the simulator tests: a small assembler over the project's
// instruction encoder (so that every test also checks that encoder against
// the simulator's own decoder) and a fixture that loads and runs a program.
#ifndef VELC_TESTS_SIM_SIM_BENCH_H
#define VELC_TESTS_SIM_SIM_BENCH_H

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "device/instset.h"
#include "sim/sim.h"

constexpr int HR = INSTSET_HARROW;
constexpr uint32_t ACC = 0, BNK = 1;  // access bit values
constexpr uint32_t TO_W = 0, TO_F = 1;

// Encodes one instruction with the project's tables; two words for the
// two-word types, the continuation going into a WORD2.
inline std::vector<uint16_t> enc(int type, uint32_t o1 = 0, uint32_t o2 = 0, uint32_t o3 = 0) {
  inst_word w = setInstType(0, type, HR);
  uint32_t ops[3] = {o1, o2, o3};
  bool two = hasWord2(type, HR);
  int w2arg = two ? getWord2Arg(type, HR) : -1;
  bool split = type == CALL || type == GOTO || type == LFSR;
  for (int n = 0; n < 3; ++n) {
    if (!hasOperand(type, HR, n)) continue;
    uint32_t v = ops[n];
    if (n == w2arg && !split) continue;
    if (n == w2arg) v = type == LFSR ? v >> 8 : v & 0xFF;
    w = setOperand(w, v, HR, n);
  }
  std::vector<uint16_t> out{w};
  if (two) {
    uint32_t v = ops[w2arg];
    uint32_t payload = (type == CALL || type == GOTO) ? v >> 8 : type == LFSR ? v & 0xFF : v;
    out.push_back(setOperandOne(setInstType(0, WORD2, HR), payload, HR));
  }
  return out;
}

struct Asm {
  std::vector<uint16_t> w;
  uint32_t base = 0;
  uint32_t pc() const { return base + 2 * (uint32_t)w.size(); }
  uint32_t op(int type, uint32_t a = 0, uint32_t b = 0, uint32_t c = 0) {
    uint32_t at = pc();
    for (uint16_t x : enc(type, a, b, c)) w.push_back(x);
    return at;
  }
  // Relative branch (conditional, BRA, RCALL) to a byte address.
  uint32_t br(int type, uint32_t target) { return op(type, (uint32_t)((int32_t)(target - pc() - 2) / 2)); }
  // Re-points the branch at `at` to a byte address (for forward branches).
  void patch(uint32_t at, uint32_t target) {
    size_t i = (at - base) / 2;
    int type = getInstType(w[i], HR);
    w[i] = setOperandOne(w[i], (uint32_t)((int32_t)(target - at - 2) / 2), HR);
    ASSERT_EQ(getInstType(w[i], HR), type);
  }
  uint32_t call(uint32_t target, uint32_t fast = 0) { return op(CALL, target / 2, fast); }
  uint32_t go(uint32_t target) { return op(GOTO, target / 2); }
  uint32_t raw(uint16_t word) {
    uint32_t at = pc();
    w.push_back(word);
    return at;
  }
};

// A machine plus a program at address 0; run() appends HALT and runs.
struct SimBench : ::testing::Test {
  std::unique_ptr<SimMachine> mp = std::make_unique<SimMachine>();
  SimMachine &m = *mp;
  Asm a;
  SimBench() { sim_init(m, 0); }
  uint8_t &W() { return m.dm[SFR_WREG]; }
  uint8_t &ST() { return m.dm[SFR_STATUS]; }
  uint8_t &D(unsigned addr) { return m.dm[addr]; }
  void load() { sim_load_words(m, a.base, a.w); }
  SimOutcome run(uint64_t limit = 100000) {
    a.op(HALT);
    load();
    m.cycle_limit = limit;
    return sim_run(m);
  }
  // Runs exactly the program as assembled (no HALT appended).
  SimOutcome run_as_is(uint64_t limit = 100000) {
    load();
    m.cycle_limit = limit;
    return sim_run(m);
  }
};

#endif
