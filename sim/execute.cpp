// Instruction execution. In: the machine with its predecoded image. Out: the
// machine state after each instruction, the cycle and instruction counts, and
// the outcome when the run ends (hook instruction, fault or cycle limit).
#include "sim/sim_internal.h"

namespace {

constexpr uint8_t ALL_FLAGS = FLAG_C | FLAG_DC | FLAG_Z | FLAG_OV | FLAG_N;
constexpr uint8_t ZN = FLAG_Z | FLAG_N;

const uint8_t *const s_cycles = sim_cycle_table();

struct Alu {
  uint8_t r;      // result
  uint8_t flags;  // new flag values
  uint8_t mask;   // flags the instruction affects
};

// The core's one adder: a + b + cin with all five flags.
inline Alu s_add(uint8_t a, uint8_t b, unsigned cin) {
  unsigned s = a + b + cin;
  uint8_t r = (uint8_t)s;
  uint8_t f = 0;
  if (s > 0xFF) f |= FLAG_C;
  if ((a & 0x0F) + (b & 0x0F) + cin > 0x0F) f |= FLAG_DC;
  if ((a ^ r) & (b ^ r) & 0x80) f |= FLAG_OV;
  if (r & 0x80) f |= FLAG_N;
  if (r == 0) f |= FLAG_Z;
  return Alu{r, f, ALL_FLAGS};
}

// a - b - (1 - cin): the adder with b complemented.
inline Alu s_sub(uint8_t a, uint8_t b, unsigned cin) { return s_add(a, (uint8_t)~b, cin); }

inline Alu s_logic(uint8_t r) { return Alu{r, (uint8_t)((r ? 0 : FLAG_Z) | (r & 0x80 ? FLAG_N : 0)), ZN}; }

inline uint8_t &s_w(SimMachine &m) { return m.dm[SFR_WREG]; }
inline unsigned s_c(const SimMachine &m) { return m.dm[SFR_STATUS] & FLAG_C; }

inline void s_set_flags(SimMachine &m, uint8_t flags, uint8_t mask) {
  m.dm[SFR_STATUS] = (uint8_t)((m.dm[SFR_STATUS] & ~mask) | (flags & mask));
}

// Effective address of the file operand of a byte or bit instruction.
inline unsigned s_ea(const SimMachine &m, const SimDecoded &d) {
  if (d.x == EA_ABSOLUTE) return d.arg;
  if (d.x == EA_BANKED) return (unsigned)(m.dm[SFR_BSR] & 0x0F) << 8 | d.arg;
  unsigned a = (sim_fsr_fast(m, 2) + d.arg) & 0xFFF;
  return sim_is_virtual(a) ? (unsigned)SIM_SINK : a;
}

inline void s_push(SimMachine &m, uint32_t v) {
  if (m.sp >= 31) {
    m.stack_flags |= 0x80;
    sim_end(m, SIM_STACK_OVERFLOW);
    return;
  }
  m.stack[++m.sp] = v & 0x1FFFFE;
  if (m.sp == 31) m.stack_flags |= 0x80;
}

inline bool s_pop(SimMachine &m, uint32_t &v) {
  if (m.sp == 0) {
    m.stack_flags |= 0x40;
    sim_end(m, SIM_STACK_UNDERFLOW);
    return false;
  }
  v = m.stack[m.sp--];
  return true;
}

// Skips the next instruction: one extra cycle per word skipped.
inline void s_skip(SimMachine &m) {
  uint32_t wi = m.next_pc >> 1;
  unsigned words = wi < m.code.size() ? m.code[wi].words : 1;
  m.next_pc += 2 * words;
  m.cycles += words;
}

inline void s_return(SimMachine &m, bool fast) {
  uint32_t v;
  if (!s_pop(m, v)) return;
  m.next_pc = v;
  if (fast) {
    s_w(m) = m.ws;
    m.dm[SFR_STATUS] = m.statuss;
    m.dm[SFR_BSR] = m.bsrs;
  }
}

// Stores a flag-setting result. With STATUS as the destination the result is
// dropped and only the affected flags change.
inline void s_store(SimMachine &m, const SimDecoded &d, const SimAccess &acc, const Alu &alu) {
  if (!(d.y & 1)) s_w(m) = alu.r;
  else if (acc.addr != SFR_STATUS) sim_wr(m, acc.addr, alu.r);
  s_set_flags(m, alu.flags, alu.mask);
}

Alu s_byte_alu(SimMachine &m, uint8_t op, uint8_t f) {
  uint8_t w = s_w(m);
  switch (op) {
  case SOP_ADDWF: return s_add(w, f, 0);
  case SOP_ADDWFC: return s_add(w, f, s_c(m));
  case SOP_ANDWF: return s_logic(w & f);
  case SOP_COMF: return s_logic((uint8_t)~f);
  case SOP_DECF: return s_sub(f, 1, 1);
  case SOP_INCF: return s_add(f, 1, 0);
  case SOP_IORWF: return s_logic(w | f);
  case SOP_MOVF: return s_logic(f);
  case SOP_SUBFWB: return s_sub(w, f, s_c(m));
  case SOP_SUBWF: return s_sub(f, w, 1);
  case SOP_SUBWFB: return s_sub(f, w, s_c(m));
  case SOP_XORWF: return s_logic(w ^ f);
  case SOP_SWAPF: return Alu{(uint8_t)(f << 4 | f >> 4), 0, 0};
  case SOP_RLNCF: { Alu a = s_logic((uint8_t)(f << 1 | f >> 7)); return a; }
  case SOP_RRNCF: { Alu a = s_logic((uint8_t)(f >> 1 | f << 7)); return a; }
  case SOP_RLCF: {
    Alu a = s_logic((uint8_t)(f << 1 | s_c(m)));
    a.flags |= (uint8_t)(f >> 7);
    a.mask |= FLAG_C;
    return a;
  }
  default: {  // RRCF
    Alu a = s_logic((uint8_t)(f >> 1 | s_c(m) << 7));
    a.flags |= (uint8_t)(f & 1);
    a.mask |= FLAG_C;
    return a;
  }
  }
}

// Byte instructions with a destination, flags from the result.
void s_byte_op(SimMachine &m, const SimDecoded &d) {
  SimAccess acc = sim_open(m, s_ea(m, d));
  uint8_t f = sim_rd(m, acc.addr);
  Alu alu = s_byte_alu(m, d.op, f);
  if (alu.mask == 0 && (d.y & 1)) sim_wr(m, acc.addr, alu.r);  // SWAPF writes STATUS like any register
  else if (alu.mask == 0) s_w(m) = alu.r;
  else s_store(m, d, acc, alu);
  sim_close(m, acc, d.y & 1);
}

// DECFSZ, INCFSZ, DCFSNZ, INFSNZ: count without flags, then maybe skip.
void s_count_skip(SimMachine &m, const SimDecoded &d) {
  SimAccess acc = sim_open(m, s_ea(m, d));
  uint8_t f = sim_rd(m, acc.addr);
  bool down = d.op == SOP_DECFSZ || d.op == SOP_DCFSNZ;
  uint8_t r = (uint8_t)(down ? f - 1 : f + 1);
  if (d.y & 1) sim_wr(m, acc.addr, r);
  else s_w(m) = r;
  sim_close(m, acc, d.y & 1);
  bool on_zero = d.op == SOP_DECFSZ || d.op == SOP_INCFSZ;
  if ((r == 0) == on_zero) s_skip(m);
}

// Instructions with f and a but no destination.
void s_file_op(SimMachine &m, const SimDecoded &d) {
  SimAccess acc = sim_open(m, s_ea(m, d));
  uint8_t w = s_w(m);
  bool wrote = true;
  switch (d.op) {
  case SOP_MOVWF: sim_wr(m, acc.addr, w); break;
  case SOP_SETF: sim_wr(m, acc.addr, 0xFF); break;
  case SOP_CLRF:
    if (acc.addr != SFR_STATUS) sim_wr(m, acc.addr, 0);
    s_set_flags(m, FLAG_Z, FLAG_Z);
    break;
  case SOP_NEGF: {
    Alu alu = s_sub(0, sim_rd(m, acc.addr), 1);
    if (acc.addr != SFR_STATUS) sim_wr(m, acc.addr, alu.r);
    s_set_flags(m, alu.flags, alu.mask);
    break;
  }
  default: {
    wrote = false;
    uint8_t f = sim_rd(m, acc.addr);
    if (d.op == SOP_MULWF) {
      unsigned p = w * f;
      m.dm[SFR_PRODL] = (uint8_t)p;
      m.dm[SFR_PRODH] = (uint8_t)(p >> 8);
      break;
    }
    bool skip = d.op == SOP_CPFSEQ ? f == w : d.op == SOP_CPFSGT ? f > w : d.op == SOP_CPFSLT ? f < w : f == 0;
    if (skip) s_skip(m);
  }
  }
  sim_close(m, acc, wrote);
}

void s_bit_op(SimMachine &m, const SimDecoded &d) {
  SimAccess acc = sim_open(m, s_ea(m, d));
  uint8_t bit = (uint8_t)(1u << (d.y >> 1));
  uint8_t f = sim_rd(m, acc.addr);
  bool wrote = true;
  switch (d.op) {
  case SOP_BCF: sim_wr(m, acc.addr, f & (uint8_t)~bit); break;
  case SOP_BSF: sim_wr(m, acc.addr, f | bit); break;
  case SOP_BTG: sim_wr(m, acc.addr, f ^ bit); break;
  default:
    wrote = false;
    if (((f & bit) != 0) == (d.op == SOP_BTFSS)) s_skip(m);
  }
  sim_close(m, acc, wrote);
}

void s_literal_op(SimMachine &m, const SimDecoded &d) {
  uint8_t k = (uint8_t)d.arg;
  uint8_t &w = s_w(m);
  Alu alu{0, 0, 0};
  switch (d.op) {
  case SOP_ADDLW: alu = s_add(w, k, 0); break;
  case SOP_SUBLW: alu = s_sub(k, w, 1); break;
  case SOP_ANDLW: alu = s_logic(w & k); break;
  case SOP_IORLW: alu = s_logic(w | k); break;
  case SOP_XORLW: alu = s_logic(w ^ k); break;
  case SOP_MOVLW: w = k; return;
  case SOP_MOVLB: m.dm[SFR_BSR] = k & 0x0F; return;
  case SOP_MULLW: {
    unsigned p = w * k;
    m.dm[SFR_PRODL] = (uint8_t)p;
    m.dm[SFR_PRODH] = (uint8_t)(p >> 8);
    return;
  }
  default: return;
  }
  w = alu.r;
  s_set_flags(m, alu.flags, alu.mask);
}

bool s_branch_taken(const SimMachine &m, uint8_t op) {
  uint8_t st = m.dm[SFR_STATUS];
  switch (op) {
  case SOP_BC: return st & FLAG_C;
  case SOP_BNC: return !(st & FLAG_C);
  case SOP_BZ: return st & FLAG_Z;
  case SOP_BNZ: return !(st & FLAG_Z);
  case SOP_BN: return st & FLAG_N;
  case SOP_BNN: return !(st & FLAG_N);
  case SOP_BOV: return st & FLAG_OV;
  default: return !(st & FLAG_OV);  // BNOV
  }
}

bool s_forbidden_dest(unsigned a) { return a == SFR_PCL || a == SFR_TOSU || a == SFR_TOSH || a == SFR_TOSL; }

// MOVFF, MOVSF, MOVSS: the source access (with its pointer step) completes
// before the destination is formed.
void s_move_op(SimMachine &m, const SimDecoded &d) {
  unsigned fsr2 = sim_fsr_fast(m, 2);
  unsigned src = d.op == SOP_MOVFF ? (d.arg & 0xFFF) : (fsr2 + (d.arg & 0x7F)) & 0xFFF;
  unsigned dst = d.op == SOP_MOVSS ? (fsr2 + (d.arg >> 16)) & 0xFFF : d.arg >> 16;
  uint8_t v = 0;
  if (d.op == SOP_MOVFF || !sim_is_virtual(src)) {
    SimAccess s = sim_open(m, src);
    v = sim_rd(m, s.addr);
    sim_close(m, s, false);
  }
  if (d.op == SOP_MOVSS && sim_is_virtual(dst)) return;
  SimAccess t = sim_open(m, dst);
  if (s_forbidden_dest(t.addr)) {
    sim_end(m, SIM_UNSUPPORTED, "two-word move into PCL or the top of stack");
    return;
  }
  sim_wr(m, t.addr, v);
  sim_close(m, t, true);
}

void s_fsr_op(SimMachine &m, const SimDecoded &d) {
  switch (d.op) {
  case SOP_LFSR: sim_fsr_store(m, d.x, d.arg); break;
  case SOP_ADDFSR: sim_fsr_store(m, d.x, (sim_fsr_fast(m, d.x) + d.arg) & 0xFFF); break;
  case SOP_SUBFSR: sim_fsr_store(m, d.x, (sim_fsr_fast(m, d.x) - d.arg) & 0xFFF); break;
  case SOP_PUSHL: {  // a store through FSR2: a virtual register there drops it
    unsigned p = sim_fsr_fast(m, 2);
    sim_wr(m, sim_is_virtual(p) ? (unsigned)SIM_SINK : p, (uint8_t)d.arg);
    sim_fsr_store(m, 2, (sim_fsr_fast(m, 2) - 1) & 0xFFF);
    break;
  }
  case SOP_ADDULNK: sim_fsr_store(m, 2, (sim_fsr_fast(m, 2) + d.arg) & 0xFFF); s_return(m, false); break;
  default: sim_fsr_store(m, 2, (sim_fsr_fast(m, 2) - d.arg) & 0xFFF); s_return(m, false); break;  // SUBULNK
  }
}

void s_table_op(SimMachine &m, uint8_t op) {
  uint32_t p = sim_tblptr(m);
  bool pre = op == SOP_TBLRDPREINC || op == SOP_TBLWTPREINC;
  int step = (op == SOP_TBLRDPOSTINC || op == SOP_TBLWTPOSTINC) ? 1
           : (op == SOP_TBLRDPOSTDEC || op == SOP_TBLWTPOSTDEC) ? -1 : 0;
  if (pre) p = (p + 1) & 0x3FFFFF;
  bool read = op <= SOP_TBLRDPREINC;
  if (read) m.dm[SFR_TABLAT] = sim_pm_read(m, p);
  else sim_pm_write(m, p, m.dm[SFR_TABLAT]);
  p = (p + (uint32_t)step) & 0x3FFFFF;
  m.dm[SFR_TBLPTRL] = (uint8_t)p;
  m.dm[SFR_TBLPTRH] = (uint8_t)(p >> 8);
  m.dm[SFR_TBLPTRU] = (uint8_t)((p >> 16) & 0x3F);
}

// Decimal adjust of W after a packed-BCD addition.
void s_daw(SimMachine &m) {
  unsigned t = s_w(m);
  uint8_t st = m.dm[SFR_STATUS];
  if ((t & 0x0F) > 9 || (st & FLAG_DC)) t += 0x06;
  if (t > 0x9F || (st & FLAG_C)) {
    t += 0x60;
    s_set_flags(m, FLAG_C, FLAG_C);
  }
  s_w(m) = (uint8_t)t;
}

void s_control_op(SimMachine &m, const SimDecoded &d) {
  switch (d.op) {
  case SOP_GOTO: m.next_pc = d.arg; break;
  case SOP_BRA: m.next_pc = d.arg; break;
  case SOP_RCALL: s_push(m, m.next_pc); m.next_pc = d.arg; break;
  case SOP_CALL:
    if (d.x) {
      m.ws = s_w(m);
      m.statuss = m.dm[SFR_STATUS];
      m.bsrs = m.dm[SFR_BSR];
    }
    s_push(m, m.next_pc);
    m.next_pc = d.arg;
    break;
  case SOP_CALLW:
    s_push(m, m.next_pc);
    m.next_pc = (uint32_t)(m.dm[SFR_PCLATU] & 0x1F) << 16 | (uint32_t)m.dm[SFR_PCLATH] << 8 | (s_w(m) & 0xFE);
    break;
  case SOP_RETURN: s_return(m, d.x); break;
  case SOP_RETFIE:
    s_return(m, d.x);
    m.dm[SFR_INTCON] |= (m.dm[SFR_INTCON] & INT_ENABLE_HIGH) ? INT_ENABLE_LOW : INT_ENABLE_HIGH;
    break;
  case SOP_RETLW: {
    s_return(m, false);
    s_w(m) = (uint8_t)d.arg;
    break;
  }
  case SOP_PUSH: s_push(m, m.next_pc); break;
  case SOP_POP: { uint32_t v; s_pop(m, v); break; }
  default: sim_reset(m); m.next_pc = 0; break;  // RESET
  }
}

void s_sleep(SimMachine &m) {
  uint64_t wake = m.irq_high_at < m.irq_low_at ? m.irq_high_at : m.irq_low_at;
  if (m.irq_high_pending || m.irq_low_pending) return;
  if (wake == SIM_NO_EVENT) {
    sim_end(m, SIM_SLEEP);
    return;
  }
  if (m.cycles < wake) m.cycles = wake;
}

void s_hook_op(SimMachine &m, uint8_t op) {
  switch (op) {
  case SOP_HALT:
    m.result = s_w(m);
    sim_end(m, m.result == 0 ? SIM_PASS : SIM_HALT_NONZERO);
    break;
  case SOP_STOP: m.result = s_w(m); sim_end(m, SIM_STOPPED); break;
  case SOP_LOG: sim_print(m, s_w(m)); break;  // prints W; the output port keeps its byte
  case SOP_PAUSE: if (m.pause_hook) m.pause_hook(m, m.pause_context); break;
  case SOP_SLEEP: s_sleep(m); break;
  default: break;  // NOP, CLRWDT, WORD2 on its own
  }
}

// Flat dispatcher: one call per instruction family.
inline void s_execute(SimMachine &m, const SimDecoded &d) {
  switch (d.op) {
  case SOP_ADDWF: case SOP_ADDWFC: case SOP_ANDWF: case SOP_COMF: case SOP_DECF: case SOP_INCF:
  case SOP_IORWF: case SOP_MOVF: case SOP_RLCF: case SOP_RLNCF: case SOP_RRCF: case SOP_RRNCF:
  case SOP_SUBFWB: case SOP_SUBWF: case SOP_SUBWFB: case SOP_SWAPF: case SOP_XORWF:
    s_byte_op(m, d); break;
  case SOP_DECFSZ: case SOP_INCFSZ: case SOP_DCFSNZ: case SOP_INFSNZ: s_count_skip(m, d); break;
  case SOP_MOVWF: case SOP_CLRF: case SOP_SETF: case SOP_NEGF: case SOP_MULWF:
  case SOP_CPFSEQ: case SOP_CPFSGT: case SOP_CPFSLT: case SOP_TSTFSZ: s_file_op(m, d); break;
  case SOP_BCF: case SOP_BSF: case SOP_BTG: case SOP_BTFSC: case SOP_BTFSS: s_bit_op(m, d); break;
  case SOP_ADDLW: case SOP_SUBLW: case SOP_ANDLW: case SOP_IORLW: case SOP_XORLW: case SOP_MOVLW:
  case SOP_MOVLB: case SOP_MULLW: s_literal_op(m, d); break;
  case SOP_BC: case SOP_BNC: case SOP_BZ: case SOP_BNZ: case SOP_BN: case SOP_BNN: case SOP_BOV: case SOP_BNOV:
    if (s_branch_taken(m, d.op)) { m.next_pc = d.arg; m.cycles += 1; }
    break;
  case SOP_GOTO: case SOP_BRA: case SOP_RCALL: case SOP_CALL: case SOP_CALLW: case SOP_RETURN: case SOP_RETFIE:
  case SOP_RETLW: case SOP_PUSH: case SOP_POP: case SOP_RESET: s_control_op(m, d); break;
  case SOP_MOVFF: case SOP_MOVSF: case SOP_MOVSS: s_move_op(m, d); break;
  case SOP_LFSR: case SOP_ADDFSR: case SOP_SUBFSR: case SOP_PUSHL: case SOP_ADDULNK: case SOP_SUBULNK:
    s_fsr_op(m, d); break;
  case SOP_TBLRD: case SOP_TBLRDPOSTINC: case SOP_TBLRDPOSTDEC: case SOP_TBLRDPREINC:
  case SOP_TBLWT: case SOP_TBLWTPOSTINC: case SOP_TBLWTPOSTDEC: case SOP_TBLWTPREINC: s_table_op(m, d.op); break;
  case SOP_DAW: s_daw(m); break;
  case SOP_INVALID: case SOP_TRAP: case SOP_TRET: sim_end(m, SIM_INVALID); break;
  case SOP_UNLOADED: sim_end(m, SIM_OUTSIDE_IMAGE); break;
  default: s_hook_op(m, d.op); break;
  }
}

void s_trace(SimMachine &m) {
  fprintf(m.trace, "%06X  %-28s W=%02X STATUS=%02X BSR=%X FSR0=%03X FSR1=%03X FSR2=%03X SP=%u\n",
          (unsigned)m.pc, sim_disasm(m, m.pc).c_str(), m.dm[SFR_WREG], m.dm[SFR_STATUS], m.dm[SFR_BSR],
          sim_fsr(m, 0), sim_fsr(m, 1), sim_fsr(m, 2), (unsigned)m.sp);
}

// Accepts a pending interrupt whose enables allow it.
bool s_accept_interrupt(SimMachine &m) {
  uint8_t en = m.dm[SFR_INTCON];
  bool high = m.irq_high_pending && (en & INT_ENABLE_HIGH);
  bool low = !high && m.irq_low_pending && (en & INT_ENABLE_HIGH) && (en & INT_ENABLE_LOW);
  if (!high && !low) return false;
  (high ? m.irq_high_pending : m.irq_low_pending) = false;
  m.cur_pc = m.pc;
  m.next_pc = m.pc;
  s_push(m, m.pc);
  if (m.stop) return true;
  m.ws = s_w(m);
  m.statuss = m.dm[SFR_STATUS];
  m.bsrs = m.dm[SFR_BSR];
  m.dm[SFR_INTCON] &= (uint8_t)~(high ? INT_ENABLE_HIGH : INT_ENABLE_LOW);
  m.pc = high ? 0x08 : 0x18;
  m.cycles += 2;
  return true;
}

void s_update_next_event(SimMachine &m) {
  uint64_t e = m.cycle_limit;
  if (m.irq_high_at < e) e = m.irq_high_at;
  if (m.irq_low_at < e) e = m.irq_low_at;
  if (m.irq_high_pending || m.irq_low_pending) e = 0;
  m.next_event = e;
}

// Looks around between instructions: cycle limit and interrupt requests.
// Returns true when the step is taken by an interrupt or the run ended.
bool s_events(SimMachine &m) {
  if (m.cycles >= m.irq_high_at) { m.irq_high_pending = true; m.irq_high_at = SIM_NO_EVENT; }
  if (m.cycles >= m.irq_low_at) { m.irq_low_pending = true; m.irq_low_at = SIM_NO_EVENT; }
  if (m.cycles >= m.cycle_limit) {
    m.cur_pc = m.pc;
    m.next_pc = m.pc;
    sim_end(m, SIM_CYCLE_LIMIT);
    return true;
  }
  bool taken = (m.irq_high_pending || m.irq_low_pending) && s_accept_interrupt(m);
  s_update_next_event(m);
  // A request that cannot be accepted yet is looked at again after each instruction.
  if (m.irq_high_pending || m.irq_low_pending) m.next_event = m.cycles + 1;
  return taken;
}

inline void s_step(SimMachine &m) {
  if (m.cycles >= m.next_event && s_events(m)) return;
  uint32_t wi = m.pc >> 1;
  if (m.trace) s_trace(m);
  const SimDecoded d = wi < m.code.size() ? m.code[wi] : SimDecoded{SOP_UNLOADED, 1, 0, 0, 0};
  m.cur_pc = m.pc;
  m.cur_words = d.words;
  m.next_pc = m.pc + 2u * d.words;
  m.cycles += s_cycles[d.op];
  m.instructions++;
  s_execute(m, d);
  if (m.stop) return;
  if (m.pcl_written) {
    m.pcl_written = false;
    m.next_pc = m.pcl_target;
    m.cycles += 1;
  }
  m.pc = m.next_pc & 0x1FFFFE;
}

}  // namespace

void sim_end(SimMachine &m, SimOutcome outcome, const char *problem) {
  if (m.stop) return;
  m.stop = true;
  m.outcome = outcome;
  m.outcome_pc = m.cur_pc;
  if (problem) m.problem = problem;
  m.pcl_written = false;
}

SimOutcome sim_step(SimMachine &m) {
  if (!m.stop) s_step(m);
  return m.outcome;
}

SimOutcome sim_run(SimMachine &m) {
  s_update_next_event(m);
  while (!m.stop) s_step(m);
  return m.outcome;
}

void sim_request_interrupt(SimMachine &m, bool high) {
  (high ? m.irq_high_pending : m.irq_low_pending) = true;
  m.next_event = 0;
}

void sim_schedule_interrupt(SimMachine &m, bool high, uint64_t cycle) {
  (high ? m.irq_high_at : m.irq_low_at) = cycle;
  s_update_next_event(m);
}
