// The instruction-effects table. In: an instruction type and the operand
// bits that matter (d, s, FSR number), or a data-memory address. Out: the
// resources read and written. The rows follow the core's instruction
// semantics; a test runs every row against the simulator.
#include "device/inst_effects.h"

#include <cstddef>
#include <vector>

#include "device/instset.h"

namespace {

// Row-only markers, expanded by inst_effects_of.
constexpr uint32_t DEST = 1u << 28;  // WREG when d = 0, the file register when d = 1
constexpr uint32_t FSRN = 1u << 29;  // the FSR the instruction names
constexpr uint32_t MARKERS = DEST | FSRN;

constexpr uint32_t W = EFF_WREG, F = EFF_FILE, C = EFF_C, DC = EFF_DC, Z = EFF_Z, OV = EFF_OV, N = EFF_N;
constexpr uint32_t ST = EFF_STATUS, ZN = EFF_Z | EFF_N, PC = EFF_PC, STK = EFF_STACK;
constexpr uint32_t TP = EFF_TBLPTR;

struct Row {
  int type;
  uint32_t reads, writes;
};

const Row s_rows[] = {
    // byte operations with a destination
    {ADDWF, W | F, DEST | ST},
    {ADDWFC, W | F | C, DEST | ST},
    {ANDWF, W | F, DEST | ZN},
    {COMF, F, DEST | ZN},
    {DECF, F, DEST | ST},
    {INCF, F, DEST | ST},
    {DECFSZ, F, DEST | PC},
    {INCFSZ, F, DEST | PC},
    {DCFSNZ, F, DEST | PC},
    {INFSNZ, F, DEST | PC},
    {IORWF, W | F, DEST | ZN},
    {XORWF, W | F, DEST | ZN},
    {MOVF, F, DEST | ZN},
    {RLCF, F | C, DEST | C | ZN},
    {RRCF, F | C, DEST | C | ZN},
    {RLNCF, F, DEST | ZN},
    {RRNCF, F, DEST | ZN},
    {SUBFWB, W | F | C, DEST | ST},
    {SUBWF, W | F, DEST | ST},
    {SUBWFB, W | F | C, DEST | ST},
    {SWAPF, F, DEST},
    // file operations without a destination
    {MOVWF, W, F},
    {CLRF, 0, F | Z},
    {SETF, 0, F},
    {NEGF, F, F | ST},
    {MULWF, W | F, EFF_PROD},
    {CPFSEQ, W | F, PC},
    {CPFSGT, W | F, PC},
    {CPFSLT, W | F, PC},
    {TSTFSZ, F, PC},
    // bit operations
    {BCF, F, F},
    {BSF, F, F},
    {BTG, F, F},
    {BTFSC, F, PC},
    {BTFSS, F, PC},
    // literal operations
    {ADDLW, W, W | ST},
    {SUBLW, W, W | ST},
    {ANDLW, W, W | ZN},
    {IORLW, W, W | ZN},
    {XORLW, W, W | ZN},
    {MOVLW, 0, W},
    {MOVLB, 0, EFF_BSR},
    {MULLW, W, EFF_PROD},
    {DAW, W | C | DC, W | C},
    // control
    {BC, C, PC},
    {BNC, C, PC},
    {BZ, Z, PC},
    {BNZ, Z, PC},
    {BN, N, PC},
    {BNN, N, PC},
    {BOV, OV, PC},
    {BNOV, OV, PC},
    {BRA, 0, PC},
    {GOTO, 0, PC},
    {RCALL, STK, STK | PC},
    {CALL, STK, STK | PC},
    {CALLW, W | EFF_PCLAT | STK, STK | PC},
    {RETURN, STK, STK | PC},
    {RETFIE, STK | EFF_INTCON, STK | PC | EFF_INTCON},
    {RETLW, STK, W | STK | PC},
    {PUSH, STK, STK},
    {POP, STK, STK},
    // moves between registers and through FSR2
    {MOVFF, F, EFF_FILE2},
    {MOVSF, EFF_FSR2 | EFF_INDIRECT, EFF_FILE2},
    {MOVSS, EFF_FSR2 | EFF_INDIRECT, EFF_INDIRECT},
    {LFSR, 0, FSRN},
    {ADDFSR, FSRN, FSRN},
    {SUBFSR, FSRN, FSRN},
    {PUSHL, EFF_FSR2, EFF_FSR2 | EFF_INDIRECT},
    {ADDULNK, EFF_FSR2 | STK, EFF_FSR2 | STK | PC},
    {SUBULNK, EFF_FSR2 | STK, EFF_FSR2 | STK | PC},
    // table access
    {TBLRD, TP | EFF_PROGMEM, EFF_TABLAT},
    {TBLRDPOSTINC, TP | EFF_PROGMEM, EFF_TABLAT | TP},
    {TBLRDPOSTDEC, TP | EFF_PROGMEM, EFF_TABLAT | TP},
    {TBLRDPREINC, TP | EFF_PROGMEM, EFF_TABLAT | TP},
    {TBLWT, TP | EFF_TABLAT, EFF_PROGMEM},
    {TBLWTPOSTINC, TP | EFF_TABLAT, EFF_PROGMEM | TP},
    {TBLWTPOSTDEC, TP | EFF_TABLAT, EFF_PROGMEM | TP},
    {TBLWTPREINC, TP | EFF_TABLAT, EFF_PROGMEM | TP},
    // the rest: no data effects, or the whole machine
    {NOP, 0, 0},
    {CLRWDT, 0, 0},
    {SLEEP, 0, PC},
    {RESET, 0, ~MARKERS},
    {HALT, W, PC},
    {STOP, W, PC},
    {LOG, W, 0},
    {PAUSE, 0, 0},
};

// The row of each instruction type, by type: the optimiser asks for every
// node of every pass, and a search of the table cost more than the answer.
const Row *s_find(int type) {
  static const std::vector<const Row *> by_type = [] {
    std::vector<const Row *> table;
    for (const Row &row : s_rows) {
      if (row.type < 0)
        continue;
      if (std::size_t(row.type) >= table.size())
        table.resize(std::size_t(row.type) + 1, nullptr);
      if (!table[std::size_t(row.type)])
        table[std::size_t(row.type)] = &row;
    }
    return table;
  }();
  return type >= 0 && std::size_t(type) < by_type.size() ? by_type[std::size_t(type)] : nullptr;
}

uint32_t s_expand(uint32_t mask, int d, int fsr) {
  uint32_t out = mask & ~MARKERS;
  if (mask & DEST)
    out |= d ? EFF_FILE : EFF_WREG;
  if (mask & FSRN)
    out |= inst_effects_fsr(fsr);
  return out;
}

}  // namespace

uint32_t inst_effects_fsr(int n) { return n == 0 ? EFF_FSR0 : n == 1 ? EFF_FSR1 : EFF_FSR2; }

inst_effects inst_effects_of(int type, int d, int fast, int fsr) {
  const Row *row = s_find(type);
  if (!row)
    return {0, 0};
  inst_effects e{s_expand(row->reads, d, fsr), s_expand(row->writes, d, fsr)};
  if (fast && type == CALL) {
    e.reads |= EFF_WREG | EFF_STATUS | EFF_BSR;
    e.writes |= EFF_SHADOW;
  }
  if (fast && (type == RETURN || type == RETFIE)) {
    e.reads |= EFF_SHADOW;
    e.writes |= EFF_WREG | EFF_STATUS | EFF_BSR;
  }
  return e;
}

uint32_t inst_effects_register(unsigned address) {
  address &= 0xFFF;
  if (address >= 0xFDB && address <= 0xFEF && (address & 7) >= 3) {
    int n = address >= 0xFEB ? 0 : address >= 0xFE3 ? 1 : 2;
    return inst_effects_fsr(n) | EFF_INDIRECT | ((address & 7) == 3 ? uint32_t(EFF_WREG) : 0u);
  }
  switch (address) {
  case 0xFE8: return EFF_WREG;
  case 0xFD8: return EFF_STATUS;
  case 0xFE0: return EFF_BSR;
  case 0xFF3: case 0xFF4: return EFF_PROD;
  case 0xFE9: case 0xFEA: return EFF_FSR0;
  case 0xFE1: case 0xFE2: return EFF_FSR1;
  case 0xFD9: case 0xFDA: return EFF_FSR2;
  case 0xFF6: case 0xFF7: case 0xFF8: return EFF_TBLPTR;
  case 0xFF5: return EFF_TABLAT;
  case 0xFFC: case 0xFFD: case 0xFFE: case 0xFFF: return EFF_STACK;
  case 0xFF9: return EFF_PC;
  case 0xFFA: case 0xFFB: return EFF_PCLAT;
  case 0xFF2: return EFF_INTCON;
  default: return 0;
  }
}
