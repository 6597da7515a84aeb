// Data and program memory of the simulator. In: addresses and values from
// executing instructions. Out: the core registers' behaviour (return-stack
// window, stack pointer, program counter latches, masked bits, indirect
// access), the char output port, and program-memory bytes for table access.
#include "sim/sim_internal.h"

static bool s_is_tos(unsigned a) { return a == SFR_TOSU || a == SFR_TOSH || a == SFR_TOSL; }

static uint8_t s_read_tos(const SimMachine &m, unsigned a) {
  if (m.sp == 0) return 0;
  uint32_t v = m.stack[m.sp];
  if (a == SFR_TOSU) return (uint8_t)((v >> 16) & 0x1F);
  return (uint8_t)(a == SFR_TOSH ? v >> 8 : v);
}

// Reading PCL yields the low byte of the next word's address and loads the
// latches with its upper bytes.
static uint8_t s_read_pcl(SimMachine &m) {
  if (m.cur_words == 2) {
    sim_end(m, SIM_UNSUPPORTED, "read of PCL by a two-word instruction");
    return 0;
  }
  uint32_t v = m.cur_pc + 2;
  m.dm[SFR_PCLATH] = (uint8_t)(v >> 8);
  m.dm[SFR_PCLATU] = (uint8_t)((v >> 16) & 0x1F);
  return (uint8_t)v;
}

uint8_t sim_read_core(SimMachine &m, unsigned a) {
  if (s_is_tos(a)) return s_read_tos(m, a);
  if (a == SFR_STKPTR) return (uint8_t)(m.stack_flags | m.sp);
  if (a == SFR_PCL) return s_read_pcl(m);
  return m.dm[a];
}

static void s_write_tos(SimMachine &m, unsigned a, uint8_t v) {
  if (m.sp == 0) return;
  uint32_t &e = m.stack[m.sp];
  if (a == SFR_TOSU) e = (e & 0x00FFFF) | (uint32_t)(v & 0x1F) << 16;
  else if (a == SFR_TOSH) e = (e & 0x1F00FF) | (uint32_t)v << 8;
  else e = (e & 0x1FFF00) | v;
}

static void s_write_stkptr(SimMachine &m, uint8_t v) {
  m.sp = v & 0x1F;
  m.stack_flags &= (uint8_t)(v & 0xC0);
}

// Writing PCL jumps within the page the latches name; bit 0 is dropped.
static void s_write_pcl(SimMachine &m, uint8_t v) {
  m.pcl_written = true;
  m.pcl_target = (uint32_t)(m.dm[SFR_PCLATU] & 0x1F) << 16 | (uint32_t)m.dm[SFR_PCLATH] << 8 | (v & 0xFE);
}

void sim_print(SimMachine &m, uint8_t v) {
  m.output.push_back((char)v);
  if (m.echo) fputc(v, m.echo);
}

void sim_write_core(SimMachine &m, unsigned a, uint8_t v) {
  switch (a) {
  case SIM_OUT_PORT: m.dm[a] = v; sim_print(m, v); return;
  case SIM_SINK: return;
  case SFR_TOSU: case SFR_TOSH: case SFR_TOSL: s_write_tos(m, a, v); return;
  case SFR_STKPTR: s_write_stkptr(m, v); return;
  case SFR_PCL: s_write_pcl(m, v); return;
  case SFR_PCLATU: m.dm[a] = v & 0x1F; return;
  case SFR_TBLPTRU: m.dm[a] = v & 0x3F; return;
  case SFR_FSR0H: case SFR_FSR1H: case SFR_FSR2H: case SFR_BSR: m.dm[a] = v & 0x0F; return;
  case SFR_STATUS: m.dm[a] = v & 0x1F; return;
  default:
    if (!sim_is_virtual(a)) m.dm[a] = v;
    return;
  }
}

SimAccess sim_open_indirect(SimMachine &m, unsigned a) {
  int n = a >= 0xFEB ? 0 : a >= 0xFE3 ? 1 : 2;
  unsigned p = sim_fsr_fast(m, n);
  SimAccess acc{0, -1, 0};
  unsigned target = p;
  switch (a & 7) {
  case 6: acc.fsr = (int8_t)n; acc.delta = 1; break;   // POSTINC
  case 5: acc.fsr = (int8_t)n; acc.delta = -1; break;  // POSTDEC
  case 4:                                              // PREINC
    target = (p + 1) & 0xFFF;
    sim_fsr_store(m, n, target);
    break;
  case 3: target = (p + (unsigned)(int8_t)m.dm[SFR_WREG]) & 0xFFF; break;  // PLUSW
  default: break;                                                            // INDF
  }
  acc.addr = (uint16_t)(sim_is_virtual(target) ? (unsigned)SIM_SINK : target);
  return acc;
}

uint8_t sim_peek(const SimMachine &m, unsigned address) {
  address &= 0xFFF;
  if (sim_is_virtual(address)) return 0;
  if (s_is_tos(address)) return s_read_tos(m, address);
  if (address == SFR_STKPTR) return (uint8_t)(m.stack_flags | m.sp);
  return m.dm[address];
}

unsigned sim_fsr(const SimMachine &m, int n) { return sim_fsr_fast(m, n); }

void sim_set_fsr(SimMachine &m, int n, unsigned value) { sim_fsr_store(m, n, value & 0xFFF); }

uint32_t sim_tblptr(const SimMachine &m) {
  return (uint32_t)(m.dm[SFR_TBLPTRU] & 0x3F) << 16 | (uint32_t)m.dm[SFR_TBLPTRH] << 8 | m.dm[SFR_TBLPTRL];
}

uint8_t sim_pm_read(const SimMachine &m, uint32_t address) {
  address &= 0x3FFFFF;
  if (address < SIM_PM_SIZE) return m.pm[address];
  auto it = m.config.find(address);
  return it == m.config.end() ? 0xFF : it->second;
}

// Re-decodes the instruction at a word address if it lies in the image.
static void s_redecode(SimMachine &m, uint32_t address) {
  uint32_t wi = address >> 1;
  if (wi >= m.code.size() || m.code[wi].op == SOP_UNLOADED) return;
  m.code[wi] = sim_predecode(m, address);
}

void sim_pm_write(SimMachine &m, uint32_t address, uint8_t value) {
  address &= 0x3FFFFF;
  if (address >= SIM_PM_SIZE) {
    m.config[address] = value;
    return;
  }
  m.pm[address] = value;
  uint32_t word = address & ~1u;
  s_redecode(m, word);
  if (word >= 2) s_redecode(m, word - 2);  // a two-word instruction whose second word changed
}
