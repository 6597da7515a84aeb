// Harrow instruction-set simulator: the machine record and its operations.
// In: a program image (bytes at program addresses, usually from an Intel HEX
// file). Out: the machine state after a run, how the run ended, and the text
// the program printed. The core always runs in extended mode.
#ifndef VELC_SIM_SIM_H
#define VELC_SIM_SIM_H

#include <cstdint>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

// Instruction types the simulator executes; the values are the type numbers
// of the instruction-set tables. SOP_INVALID and SOP_UNLOADED mark words that
// decode to nothing and words outside the loaded image.
enum SimOp : uint8_t {
#define X(name, type, opcode, mask, form, words, cycles) SOP_##name = type,
#include "sim/ops.def"
#undef X
  SOP_INVALID = 0,
  SOP_UNLOADED = 255,
};

enum SimOutcome : int {
#define X(name, status, text) SIM_##name,
#include "sim/outcomes.def"
#undef X
  SIM_OUTCOME_COUNT
};

// Effective-address modes of a file operand, fixed at decode time.
enum : uint8_t { EA_ABSOLUTE = 0, EA_BANKED = 1, EA_INDEXED = 2 };

// One predecoded program word.
struct SimDecoded {
  uint8_t op;     // SimOp
  uint8_t words;  // 1 or 2
  uint8_t x;      // EA mode, FSR number, or fast bit
  uint8_t y;      // d bit (bit 0) and bit number (bits 3-1), or fast bit
  uint32_t arg;   // register/absolute address, literal, target, or packed pair
};
static_assert(sizeof(SimDecoded) == 8, "predecoded word stays 8 bytes");

// Core register addresses in data memory.
enum : uint16_t {
  SFR_TOSU = 0xFFF, SFR_TOSH = 0xFFE, SFR_TOSL = 0xFFD, SFR_STKPTR = 0xFFC,
  SFR_PCLATU = 0xFFB, SFR_PCLATH = 0xFFA, SFR_PCL = 0xFF9, SFR_TBLPTRU = 0xFF8,
  SFR_TBLPTRH = 0xFF7, SFR_TBLPTRL = 0xFF6, SFR_TABLAT = 0xFF5, SFR_PRODH = 0xFF4,
  SFR_PRODL = 0xFF3, SFR_INTCON = 0xFF2, SFR_FSR0H = 0xFEA, SFR_FSR0L = 0xFE9,
  SFR_WREG = 0xFE8, SFR_FSR1H = 0xFE2, SFR_FSR1L = 0xFE1, SFR_BSR = 0xFE0,
  SFR_FSR2H = 0xFDA, SFR_FSR2L = 0xFD9, SFR_STATUS = 0xFD8,
  SIM_OUT_PORT = 0xFD7,  // a byte written here is printed by the test bench
  SIM_SINK = 0x1000,     // target of indirect accesses that read 0 and drop writes
};

// STATUS flag bits.
enum : uint8_t { FLAG_C = 0x01, FLAG_DC = 0x02, FLAG_Z = 0x04, FLAG_OV = 0x08, FLAG_N = 0x10 };

// Interrupt enables, bits of the interrupt control register.
enum : uint8_t { INT_ENABLE_HIGH = 0x80, INT_ENABLE_LOW = 0x40 };

constexpr uint32_t SIM_PM_SIZE = 0x200000;     // program space; above it the configuration space
constexpr uint64_t SIM_NO_EVENT = ~0ull;

struct SimMachine;
using SimPauseHook = void (*)(SimMachine &machine, void *context);

struct SimMachine {
  // program memory (filled by loading, changed by table writes)
  std::vector<uint8_t> pm;                 // SIM_PM_SIZE bytes, 0xFF where never loaded
  std::map<uint32_t, uint8_t> config;      // configuration space, sparse
  std::vector<SimDecoded> code;            // one per word up to the end of the image
  // data memory and core registers
  uint8_t dm[0x1001];                      // 4096 bytes plus the sink byte (always 0)
  uint8_t fill;                            // power-up pattern of data memory
  uint32_t pc;                             // byte address of the next instruction
  uint32_t stack[32];                      // entries 1..31
  uint8_t sp;                              // number of entries, 0 = empty
  uint8_t stack_flags;                     // full (0x80) and underflow (0x40)
  uint8_t ws, statuss, bsrs;               // fast-return shadows
  // current instruction (valid while it executes)
  uint32_t cur_pc;
  uint32_t next_pc;
  uint8_t cur_words;
  bool pcl_written;
  uint32_t pcl_target;
  // run control and counters
  uint64_t cycles;
  uint64_t instructions;
  uint64_t cycle_limit;                    // SIM_NO_EVENT: none
  uint64_t irq_high_at, irq_low_at;        // cycle at which a request is raised
  bool irq_high_pending, irq_low_pending;
  uint64_t next_event;                     // earliest cycle at which the loop must look around
  bool stop;
  SimOutcome outcome;
  uint32_t outcome_pc;
  uint8_t result;                          // W at HALT or STOP
  std::string problem;                     // detail of an unsupported operation
  // what the program printed; also echoed to echo when set
  std::string output;
  FILE *echo;
  FILE *trace;                             // instruction trace, or null
  SimPauseHook pause_hook;
  void *pause_context;
};

// Power-up: empties program memory, fills data memory with fill, resets the core.
void sim_init(SimMachine &m, uint8_t fill);
// Loads bytes at a program address (0x200000 and above: configuration space).
void sim_load(SimMachine &m, uint32_t address, const uint8_t *bytes, size_t count);
// Loads little-endian instruction words at a byte address.
void sim_load_words(SimMachine &m, uint32_t address, const std::vector<uint16_t> &words);
// Loads an Intel HEX file; false with a message in error on failure.
bool sim_load_hex(SimMachine &m, const char *path, std::string &error);
// The RESET instruction's effect (also used after loading).
void sim_reset(SimMachine &m);
// Runs until the run ends; returns the outcome.
SimOutcome sim_run(SimMachine &m);
// Executes one instruction (or accepts one interrupt); returns the outcome so far.
SimOutcome sim_step(SimMachine &m);
// Raises an interrupt request now (high or low priority).
void sim_request_interrupt(SimMachine &m, bool high);
// Schedules a request for the given cycle count.
void sim_schedule_interrupt(SimMachine &m, bool high, uint64_t cycle);

// Byte of program or configuration memory (0xFF where never loaded).
uint8_t sim_pm_read(const SimMachine &m, uint32_t address);
// Writes program memory and re-decodes the words it touches.
void sim_pm_write(SimMachine &m, uint32_t address, uint8_t value);
// Data byte as an instruction would read it, without side effects on pointers.
uint8_t sim_peek(const SimMachine &m, unsigned address);
// 12-bit value of FSRn.
unsigned sim_fsr(const SimMachine &m, int n);
// Sets FSRn to a 12-bit value.
void sim_set_fsr(SimMachine &m, int n, unsigned value);
// 22-bit table pointer.
uint32_t sim_tblptr(const SimMachine &m);

// Name and exit status of an outcome.
const char *sim_outcome_text(SimOutcome outcome);
int sim_outcome_status(SimOutcome outcome);
// Mnemonic of a type (SOP_ value), "???" for anything else.
const char *sim_op_name(uint8_t op);
// Type of an instruction word by the decoding order, SOP_INVALID when none matches.
uint8_t sim_decode_type(uint16_t word);
// Predecodes the word at a byte address (w2 read from the image).
SimDecoded sim_predecode(const SimMachine &m, uint32_t address);
// One line of disassembly of the predecoded instruction at a byte address.
std::string sim_disasm(const SimMachine &m, uint32_t address);

#endif
