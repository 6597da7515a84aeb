// The instruction-effects table against the simulator: every instruction
// type runs on many random machine states; every byte that changes must be
// declared written, every declared read must change an output for some
// state, and no undeclared resource may change an output.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <random>
#include <vector>

#include "device/inst_effects.h"
#include "device/instset.h"
#include "sim/sim.h"

namespace {

struct OpForm {
  int type;
  const char *form;
};

const OpForm s_forms[] = {
#define X(name, type, opcode, mask, form, words, cycles) {type, #form},
#include "sim/ops.def"
#undef X
};

// Hooks that end or pause the run, and words that are no instruction.
bool s_skipped(int type) {
  return type == WORD2 || type == HALT || type == STOP || type == PAUSE || type == SLEEP || type == RESET ||
         type == TRAP || type == TRET || type == LOG;
}

// One encoded instruction and the operand bits the table needs.
struct Case {
  std::vector<uint16_t> words;
  int d = 0, fast = 0, fsr = 0;
  unsigned file = 0, file2 = 0;  // absolute addresses of the register operands
};

constexpr uint32_t CODE = 0x100;
constexpr uint32_t PM_LO = 0x1000, PM_HI = 0x1100;  // window for table reads and writes

Case s_encode(int type, const char *form, std::mt19937 &rng) {
  Case c;
  uint16_t op = getInstOpcode(type, 4);
  c.file = 0x60 + rng() % 32;  // access bank, absolute
  do c.file2 = 0x60 + rng() % 32; while (c.file2 == c.file);
  std::string f = form;
  if (f == "FDA") { c.d = rng() & 1; c.words = {(uint16_t)(op | c.d << 9 | c.file)}; }
  else if (f == "FA") c.words = {(uint16_t)(op | c.file)};
  else if (f == "BIT") c.words = {(uint16_t)(op | (rng() % 8) << 9 | c.file)};
  else if (f == "LIT") c.words = {(uint16_t)(op | (rng() & 0xFF))};
  else if (f == "BR8") c.words = {(uint16_t)(op | (uint8_t)(int8_t)(rng() % 16 - 8))};
  else if (f == "BR11") c.words = {(uint16_t)(op | ((rng() % 16 - 8) & 0x7FF))};
  else if (f == "CALL" || f == "GOTO") {
    c.fast = f == "CALL" ? rng() & 1 : 0;
    c.words = {(uint16_t)(op | c.fast << 8 | (0x40 + rng() % 0x80)), 0xF000};
  } else if (f == "LFSR") {
    c.fsr = rng() % 3;
    unsigned k = 0x100 + rng() % 0x600;
    c.words = {(uint16_t)(op | c.fsr << 4 | k >> 8), (uint16_t)(0xF000 | (k & 0xFF))};
  } else if (f == "MOVFF") c.words = {(uint16_t)(op | c.file), (uint16_t)(0xF000 | c.file2)};
  else if (f == "MOVSF") c.words = {(uint16_t)(op | rng() % 0x80), (uint16_t)(0xF000 | c.file2)};
  else if (f == "MOVSS") c.words = {(uint16_t)(op | rng() % 0x80), (uint16_t)(0xF000 | rng() % 0x80)};
  else if (f == "FSRK") { c.fsr = rng() % 3; c.words = {(uint16_t)(op | c.fsr << 6 | rng() % 64)}; }
  else if (f == "ULNK") c.words = {(uint16_t)(op | rng() % 64)};
  else if (f == "FAST") { c.fast = rng() & 1; c.words = {(uint16_t)(op | c.fast)}; }
  else c.words = {op};
  return c;
}

// The resources with storage the test can set and look at, and STATUS bits.
const uint32_t s_resources[] = {EFF_WREG, EFF_FILE, EFF_FILE2, EFF_C,       EFF_DC,      EFF_Z,      EFF_OV,
                                EFF_N,    EFF_BSR,  EFF_PROD,  EFF_FSR0,    EFF_FSR1,    EFF_FSR2,   EFF_INDIRECT,
                                EFF_TBLPTR, EFF_TABLAT, EFF_PROGMEM, EFF_STACK, EFF_SHADOW, EFF_PCLAT, EFF_INTCON};

std::vector<unsigned> s_addresses(uint32_t res, const Case &c) {
  switch (res) {
  case EFF_WREG: return {SFR_WREG};
  case EFF_FILE: return {c.file};
  case EFF_FILE2: return {c.file2};
  case EFF_BSR: return {SFR_BSR};
  case EFF_PROD: return {SFR_PRODL, SFR_PRODH};
  case EFF_FSR0: return {SFR_FSR0L, SFR_FSR0H};
  case EFF_FSR1: return {SFR_FSR1L, SFR_FSR1H};
  case EFF_FSR2: return {SFR_FSR2L, SFR_FSR2H};
  case EFF_TBLPTR: return {SFR_TBLPTRL, SFR_TBLPTRH, SFR_TBLPTRU};
  case EFF_TABLAT: return {SFR_TABLAT};
  case EFF_PCLAT: return {SFR_PCLATH, SFR_PCLATU};
  case EFF_INTCON: return {SFR_INTCON};
  default: return {};
  }
}

uint8_t s_flag_bit(uint32_t res) {
  switch (res) {
  case EFF_C: return FLAG_C;
  case EFF_DC: return FLAG_DC;
  case EFF_Z: return FLAG_Z;
  case EFF_OV: return FLAG_OV;
  case EFF_N: return FLAG_N;
  default: return 0;
  }
}

// The bytes that hold a resource in a machine.
std::vector<uint32_t> s_view(const SimMachine &m, uint32_t res, const Case &c) {
  std::vector<uint32_t> v;
  if (uint8_t bit = s_flag_bit(res)) return {(uint32_t)(m.dm[SFR_STATUS] & bit)};
  for (unsigned a : s_addresses(res, c)) v.push_back(m.dm[a]);
  if (res == EFF_INDIRECT)
    for (unsigned a = 0x100; a < 0x800; ++a) v.push_back(m.dm[a]);
  if (res == EFF_PROGMEM)
    for (uint32_t a = PM_LO; a < PM_HI; ++a) v.push_back(m.pm[a]);
  if (res == EFF_STACK) {
    v.push_back(m.sp);
    v.push_back(m.stack_flags);
    for (uint32_t e : m.stack) v.push_back(e);
  }
  if (res == EFF_SHADOW) v = {m.ws, m.statuss, m.bsrs};
  return v;
}

// Sets a resource to random contents that keep the run inside its bounds.
void s_randomize(SimMachine &m, uint32_t res, const Case &c, std::mt19937 &rng) {
  if (uint8_t bit = s_flag_bit(res)) { m.dm[SFR_STATUS] ^= bit; return; }
  for (unsigned a : s_addresses(res, c)) m.dm[a] = (uint8_t)rng();
  if (res == EFF_BSR) m.dm[SFR_BSR] &= 0x0F;
  if (res == EFF_FSR0 || res == EFF_FSR1 || res == EFF_FSR2) {
    unsigned lo = s_addresses(res, c)[0];
    m.dm[lo + 1] = (uint8_t)(1 + rng() % 6);
  }
  if (res == EFF_TBLPTR) {
    m.dm[SFR_TBLPTRU] = 0;
    m.dm[SFR_TBLPTRH] = PM_LO >> 8;
    m.dm[SFR_TBLPTRL] = (uint8_t)(1 + rng() % 0xFE);
  }
  if (res == EFF_PCLAT) { m.dm[SFR_PCLATU] = 0; m.dm[SFR_PCLATH] = (uint8_t)(rng() % 4); }
  // equal and zero operands, so that compares and zero tests go both ways
  if (res == EFF_FILE && rng() % 2) m.dm[c.file] = rng() % 2 ? 0 : m.dm[SFR_WREG];
  if (res == EFF_WREG && rng() % 4 == 0) m.dm[SFR_WREG] = m.dm[c.file];
  if (res == EFF_INTCON) m.dm[SFR_INTCON] &= 0xC0;
  if (res == EFF_INDIRECT)
    for (unsigned a = 0x100; a < 0x800; ++a) m.dm[a] = (uint8_t)rng();
  if (res == EFF_PROGMEM)
    for (uint32_t a = PM_LO; a < PM_HI; ++a) m.pm[a] = (uint8_t)rng();
  if (res == EFF_STACK) {
    m.sp = (uint8_t)(1 + rng() % 20);
    for (uint32_t &e : m.stack) e = 2 * (rng() % 0x200);
  }
  if (res == EFF_SHADOW) { m.ws = (uint8_t)rng(); m.statuss = rng() & 0x1F; m.bsrs = rng() & 0x0F; }
}

void s_prepare(SimMachine &m, const Case &c, std::mt19937 &rng) {
  sim_init(m, 0);
  std::vector<uint16_t> image(0x200, 0x0000);  // NOPs around the instruction
  for (size_t i = 0; i < c.words.size(); ++i) image[CODE / 2 + i] = c.words[i];
  sim_load_words(m, 0, image);
  for (unsigned a = 0; a < 0x800; ++a) m.dm[a] = (uint8_t)rng();
  m.dm[SFR_STATUS] = rng() & 0x1F;
  for (uint32_t res : s_resources) s_randomize(m, res, c, rng);
  m.pc = CODE;
}

// The machine state an instruction can change, saved and put back so that
// one loaded machine serves every probe of a case.
struct State {
  uint8_t dm[0x1001];
  uint32_t stack[32];
  uint8_t sp, stack_flags, ws, statuss, bsrs;
  uint8_t pm[PM_HI - PM_LO];
};

void s_save(const SimMachine &m, State &s) {
  memcpy(s.dm, m.dm, sizeof s.dm);
  memcpy(s.stack, m.stack, sizeof s.stack);
  s.sp = m.sp, s.stack_flags = m.stack_flags, s.ws = m.ws, s.statuss = m.statuss, s.bsrs = m.bsrs;
  memcpy(s.pm, &m.pm[PM_LO], sizeof s.pm);
}

void s_restore(SimMachine &m, const State &s) {
  memcpy(m.dm, s.dm, sizeof s.dm);
  memcpy(m.stack, s.stack, sizeof s.stack);
  m.sp = s.sp, m.stack_flags = s.stack_flags, m.ws = s.ws, m.statuss = s.statuss, m.bsrs = s.bsrs;
  memcpy(&m.pm[PM_LO], s.pm, sizeof s.pm);
  m.pc = CODE;
  m.stop = false;
  m.outcome = SIM_RUNNING;
  m.cycles = m.instructions = 0;
  m.next_event = SIM_NO_EVENT;
}

struct Outcome {
  std::vector<std::vector<uint32_t>> parts;  // per resource
  uint32_t pc;
  std::vector<uint8_t> dm;
};

Outcome s_run(SimMachine &m, const Case &c) {
  sim_step(m);
  Outcome o;
  for (uint32_t res : s_resources) o.parts.push_back(s_view(m, res, c));
  o.pc = m.pc;
  o.dm.assign(m.dm, m.dm + 0x1000);
  return o;
}

// Whether the outputs a table row declares (its writes and the next PC)
// agree between the base run and a probe whose input differs in res. A
// memory region the instruction writes only in part keeps the probe's own
// bytes where the base run left them alone (or wrote the value they held).
bool s_same_outputs(const Outcome &base, const std::vector<uint32_t> &base_in, const Outcome &probe,
                    const std::vector<uint32_t> &probe_in, uint32_t writes, uint32_t res) {
  for (size_t i = 0; i < std::size(s_resources); ++i) {
    if (!(writes & s_resources[i])) continue;
    if (s_resources[i] != res || (res != EFF_INDIRECT && res != EFF_PROGMEM)) {
      if (base.parts[i] != probe.parts[i]) return false;
      continue;
    }
    const std::vector<uint32_t> &ba = base.parts[i], &pa = probe.parts[i];
    for (size_t k = 0; k < ba.size(); ++k)
      if (pa[k] != ba[k] && (ba[k] != base_in[k] || pa[k] != probe_in[k])) return false;
  }
  return base.pc == probe.pc;
}

// Every byte outside the declared resources stays as it was.
void s_check_writes(int type, const SimMachine &before, const Outcome &after, const inst_effects &e,
                    const Case &c) {
  const char *name = getInstName(type);
  for (size_t i = 0; i < std::size(s_resources); ++i) {
    if (!(e.writes & s_resources[i])) {
      EXPECT_EQ(s_view(before, s_resources[i], c), after.parts[i]) << name << " writes undeclared resource "
                                                                    << s_resources[i];
    }
  }
  std::vector<bool> claimed(0x1000, false);
  for (uint32_t res : s_resources)
    for (unsigned a : s_addresses(res, c)) claimed[a] = true;
  for (unsigned a = 0x100; a < 0x800; ++a) claimed[a] = true;
  claimed[SFR_STATUS] = true;
  for (unsigned a = 0; a < 0x1000; ++a) {
    if (!claimed[a] && before.dm[a] != after.dm[a])
      ADD_FAILURE() << name << " changes address 0x" << std::hex << a;
  }
  if (!(e.writes & EFF_PC)) {
    EXPECT_EQ(after.pc, CODE + 2 * c.words.size()) << name << " changes the flow undeclared";
  }
}

TEST(InstEffects, TableAgreesWithTheSimulator) {
  std::mt19937 rng(20261206);
  auto m = std::make_unique<SimMachine>();
  auto before = std::make_unique<SimMachine>();
  auto saved = std::make_unique<State>();
  sim_init(*before, 0);
  int tested = 0;
  for (const OpForm &form : s_forms) {
    if (s_skipped(form.type)) continue;
    ++tested;
    uint32_t read_seen = 0;  // declared reads that changed an output
    uint32_t declared = 0;
    for (int round = 0; round < 60; ++round) {
      Case c = s_encode(form.type, form.form, rng);
      inst_effects e = inst_effects_of(form.type, c.d, c.fast, c.fsr);
      declared |= e.reads;
      s_prepare(*m, c, rng);
      s_save(*m, *saved);
      memcpy(before->dm, m->dm, sizeof m->dm);
      memcpy(&before->pm[PM_LO], &m->pm[PM_LO], PM_HI - PM_LO);
      memcpy(before->stack, m->stack, sizeof m->stack);
      before->sp = m->sp, before->stack_flags = m->stack_flags;
      before->ws = m->ws, before->statuss = m->statuss, before->bsrs = m->bsrs;
      Outcome base = s_run(*m, c);
      s_check_writes(form.type, *before, base, e, c);
      for (uint32_t res : s_resources) {
        s_restore(*m, *saved);
        s_randomize(*m, res, c, rng);
        std::vector<uint32_t> probe_in = s_view(*m, res, c);
        Outcome probe = s_run(*m, c);
        bool same = s_same_outputs(base, s_view(*before, res, c), probe, probe_in, e.writes, res);
        if (e.reads & res) read_seen |= same ? 0 : res;
        else EXPECT_TRUE(same) << getInstName(form.type) << " reads undeclared resource " << res;
      }
    }
    EXPECT_EQ(read_seen, declared & ~(uint32_t)EFF_PC) << getInstName(form.type) << ": a declared read never matters";
  }
  EXPECT_GT(tested, 80);
}

TEST(InstEffects, RegistersAndOperandBits) {
  struct Row {
    unsigned address;
    uint32_t res;
  } rows[] = {
      {0xFE8, EFF_WREG},                          {0xFD8, EFF_STATUS},
      {0xFE0, EFF_BSR},                           {0xFF4, EFF_PROD},
      {0xFEF, EFF_FSR0 | EFF_INDIRECT},           {0xFEB, EFF_FSR0 | EFF_INDIRECT | EFF_WREG},
      {0xFE6, EFF_FSR1 | EFF_INDIRECT},           {0xFDB, EFF_FSR2 | EFF_INDIRECT | EFF_WREG},
      {0xFDE, EFF_FSR2 | EFF_INDIRECT},           {0xFDA, EFF_FSR2},
      {0xFF8, EFF_TBLPTR},                        {0xFF5, EFF_TABLAT},
      {0xFFD, EFF_STACK},                         {0x060, 0},
      {0xF80, 0},
  };
  for (const Row &r : rows) EXPECT_EQ(inst_effects_register(r.address), r.res) << std::hex << r.address;
  EXPECT_EQ(inst_effects_of(ADDWF, 0, 0, 0).writes & (EFF_WREG | EFF_FILE), (uint32_t)EFF_WREG);
  EXPECT_EQ(inst_effects_of(ADDWF, 1, 0, 0).writes & (EFF_WREG | EFF_FILE), (uint32_t)EFF_FILE);
  EXPECT_EQ(inst_effects_of(LFSR, 0, 0, 1).writes, (uint32_t)EFF_FSR1);
  EXPECT_TRUE(inst_effects_of(RETURN, 0, 1, 0).writes & EFF_BSR);
  EXPECT_FALSE(inst_effects_of(RETURN, 0, 0, 0).writes & EFF_BSR);
  EXPECT_EQ(inst_effects_of(BANKSEL, 0, 0, 0).reads | inst_effects_of(BANKSEL, 0, 0, 0).writes, 0u);
}

}  // namespace
