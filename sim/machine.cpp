// Machine set-up of the simulator. In: a fill pattern and program bytes (or
// an Intel HEX file). Out: a machine at power-up with its image predecoded,
// ready for sim_run; and the outcome names and exit statuses.
#include <cstring>

#include "sim/ihex.h"
#include "sim/sim_internal.h"

struct OutcomeRow {
  int status;
  const char *text;
};

static const OutcomeRow s_outcomes[] = {
#define X(name, status, text) {status, text},
#include "sim/outcomes.def"
#undef X
};
static_assert(sizeof(s_outcomes) / sizeof(s_outcomes[0]) == SIM_OUTCOME_COUNT, "one row per outcome");

const char *sim_outcome_text(SimOutcome outcome) {
  return outcome >= 0 && outcome < SIM_OUTCOME_COUNT ? s_outcomes[outcome].text : "?";
}

int sim_outcome_status(SimOutcome outcome) {
  return outcome >= 0 && outcome < SIM_OUTCOME_COUNT ? s_outcomes[outcome].status : -1;
}

void sim_init(SimMachine &m, uint8_t fill) {
  m.pm.assign(SIM_PM_SIZE, 0xFF);
  m.config.clear();
  m.code.clear();
  m.fill = fill;
  memset(m.dm, fill, 0x1000);
  m.dm[SIM_SINK] = 0;
  // Unimplemented bits read 0 whatever the power-up contents.
  m.dm[SFR_STATUS] &= 0x1F;
  m.dm[SFR_FSR0H] &= 0x0F;
  m.dm[SFR_FSR1H] &= 0x0F;
  m.dm[SFR_FSR2H] &= 0x0F;
  for (unsigned a = 0xFDB; a <= 0xFEF; ++a)
    if (sim_is_virtual(a)) m.dm[a] = 0;
  m.dm[SFR_INTCON] = 0;  // interrupts start disabled
  memset(m.stack, 0, sizeof m.stack);
  m.stack_flags = 0;
  m.ws = m.statuss = m.bsrs = 0;
  m.cycles = m.instructions = 0;
  m.cycle_limit = SIM_NO_EVENT;
  m.irq_high_at = m.irq_low_at = SIM_NO_EVENT;
  m.irq_high_pending = m.irq_low_pending = false;
  m.stop = false;
  m.outcome = SIM_RUNNING;
  m.outcome_pc = 0;
  m.result = 0;
  m.problem.clear();
  m.output.clear();
  m.echo = nullptr;
  m.trace = nullptr;
  m.pause_hook = nullptr;
  m.pause_context = nullptr;
  m.cur_pc = m.next_pc = 0;
  m.cur_words = 1;
  m.pcl_written = false;
  m.pcl_target = 0;
  sim_reset(m);
}

void sim_reset(SimMachine &m) {
  m.pc = 0;
  m.sp = 0;
  m.dm[SFR_BSR] = 0;
  m.dm[SFR_PCLATH] = 0;
  m.dm[SFR_PCLATU] = 0;
  m.dm[SFR_TBLPTRU] = m.dm[SFR_TBLPTRH] = m.dm[SFR_TBLPTRL] = 0;
  m.dm[SFR_TABLAT] = 0;
  m.next_event = 0;
}

// Marks the words of [address, address+count) as part of the image and
// decodes them, with the word before (its second word may have changed).
static void s_decode_range(SimMachine &m, uint32_t address, size_t count) {
  uint32_t first = address >> 1, last = (uint32_t)((address + count - 1) >> 1);
  if (m.code.size() <= last + 1) m.code.resize(last + 2, SimDecoded{SOP_UNLOADED, 1, 0, 0, 0});
  if (first > 0 && m.code[first - 1].op != SOP_UNLOADED) m.code[first - 1] = sim_predecode(m, 2 * (first - 1));
  for (uint32_t wi = first; wi <= last; ++wi) m.code[wi] = sim_predecode(m, 2 * wi);
}

void sim_load(SimMachine &m, uint32_t address, const uint8_t *bytes, size_t count) {
  address &= 0x3FFFFF;  // program and configuration space together are 22 bits
  size_t in_pm = 0;
  for (size_t i = 0; i < count; ++i) {
    uint32_t a = (uint32_t)((address + i) & 0x3FFFFF);
    if (a < SIM_PM_SIZE) {
      m.pm[a] = bytes[i];
      ++in_pm;
    } else {
      m.config[a] = bytes[i];
    }
  }
  if (in_pm && address < SIM_PM_SIZE) {
    size_t n = address + count > SIM_PM_SIZE ? SIM_PM_SIZE - address : count;
    s_decode_range(m, address, n);
  }
}

void sim_load_words(SimMachine &m, uint32_t address, const std::vector<uint16_t> &words) {
  std::vector<uint8_t> bytes;
  for (uint16_t w : words) {
    bytes.push_back((uint8_t)w);
    bytes.push_back((uint8_t)(w >> 8));
  }
  sim_load(m, address, bytes.data(), bytes.size());
}

bool sim_load_hex(SimMachine &m, const char *path, std::string &error) {
  return ihex_read(path, [&m](uint32_t a, const uint8_t *b, size_t n) { sim_load(m, a, b, n); }, error);
}
