// Simulator internals shared by its files: the data-memory access path with
// the side effects of the core registers, and the decoder's helpers.
// Plain bytes take the inline fast path; addresses from the char output port
// up go through the core-register functions of datamem.cpp.
#ifndef VELC_SIM_SIM_INTERNAL_H
#define VELC_SIM_SIM_INTERNAL_H

#include "sim/sim.h"

// Decodes one instruction located at address from its two words.
SimDecoded sim_decode_words(uint32_t address, uint16_t w, uint16_t w2);
// Base cycle counts indexed by type.
const uint8_t *sim_cycle_table();

// Ends the run with an outcome at the current instruction.
void sim_end(SimMachine &m, SimOutcome outcome, const char *problem = nullptr);

// Appends a byte to the run's output (and its echo) without touching memory.
void sim_print(SimMachine &m, uint8_t v);

// Reads and writes of core registers (and the output port and sink).
uint8_t sim_read_core(SimMachine &m, unsigned a);
void sim_write_core(SimMachine &m, unsigned a, uint8_t v);

// One resolved file operand: the address actually accessed and the pointer
// update still owed by a post-increment or post-decrement register.
struct SimAccess {
  uint16_t addr;
  int8_t fsr;    // FSR to step after the access, -1 when none
  int8_t delta;  // +1 or -1
};

// Whether a 12-bit address is one of the fifteen indirect-access registers.
inline bool sim_is_virtual(unsigned a) { return a >= 0xFDB && a <= 0xFEF && (a & 7) >= 3; }

inline unsigned sim_fsr_low(int n) { return n == 0 ? SFR_FSR0L : n == 1 ? SFR_FSR1L : SFR_FSR2L; }

inline unsigned sim_fsr_fast(const SimMachine &m, int n) {
  unsigned lo = sim_fsr_low(n);
  return (unsigned)(m.dm[lo] | (m.dm[lo + 1] & 0x0F) << 8);
}

inline void sim_fsr_store(SimMachine &m, int n, unsigned v) {
  unsigned lo = sim_fsr_low(n);
  m.dm[lo] = (uint8_t)v;
  m.dm[lo + 1] = (uint8_t)((v >> 8) & 0x0F);
}

// Resolves an indirect-access register into the byte it designates. A
// pre-increment moves the pointer now; post-moves are owed to sim_close.
SimAccess sim_open_indirect(SimMachine &m, unsigned a);

inline SimAccess sim_open(SimMachine &m, unsigned a) {
  if (!sim_is_virtual(a)) return SimAccess{(uint16_t)a, -1, 0};
  return sim_open_indirect(m, a);
}

// Settles the owed pointer update. A write that landed on the pointer's own
// bytes wins over the update.
inline void sim_close(SimMachine &m, const SimAccess &acc, bool wrote) {
  if (acc.fsr < 0) return;
  unsigned lo = sim_fsr_low(acc.fsr);
  if (wrote && (acc.addr == lo || acc.addr == lo + 1)) return;
  sim_fsr_store(m, acc.fsr, (sim_fsr_fast(m, acc.fsr) + acc.delta) & 0xFFF);
}

// Only TOSU/TOSH/TOSL, STKPTR and PCL have read side effects or live outside dm.
inline uint8_t sim_rd(SimMachine &m, unsigned a) { return a < SFR_PCL ? m.dm[a] : sim_read_core(m, a); }

inline void sim_wr(SimMachine &m, unsigned a, uint8_t v) {
  if (a < SIM_OUT_PORT) m.dm[a] = v;
  else sim_write_core(m, a, v);
}

#endif
