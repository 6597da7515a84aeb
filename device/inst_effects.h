// Instruction effects of the Harrow core: for each instruction type, the
// machine resources it reads and writes (WREG, its file operand, the STATUS
// flags, BSR, PROD, the FSRs and data memory reached through them, the
// table pointer and latch, the return stack and its shadow registers).
// One table answers for every pass that needs to know what an instruction
// touches: the optimiser's WREG and bank tracking, the context saving of
// interrupt routines, the liveness of temporaries and the data-flow sets.
//
// In: an instruction type (InstType) and the operand bits that change its
// effects (destination bit, fast bit, FSR number). Out: two resource masks.
// A file operand is reported as EFF_FILE; what a particular register address
// stands for (WREG itself, STATUS, an FSR, an indirect register ...) comes
// from inst_effects_register, so a caller combines the two when the operand
// is a core register. How the operand is reached adds to the reads too: a
// banked operand (a = 1) reads BSR, an indexed one (a = 0, f < 0x60) FSR2.
#ifndef VELC_DEVICE_INST_EFFECTS_H
#define VELC_DEVICE_INST_EFFECTS_H

#include <cstdint>

// Machine resources, one bit each.
enum InstResource : uint32_t {
  EFF_WREG = 1u << 0,
  EFF_FILE = 1u << 1,      // the register operand f (MOVFF, MOVSF: the source)
  EFF_FILE2 = 1u << 2,     // the second word's register (MOVFF, MOVSF destination)
  EFF_C = 1u << 3,
  EFF_DC = 1u << 4,
  EFF_Z = 1u << 5,
  EFF_OV = 1u << 6,
  EFF_N = 1u << 7,
  EFF_BSR = 1u << 8,
  EFF_PROD = 1u << 9,      // PRODH:PRODL
  EFF_FSR0 = 1u << 10,
  EFF_FSR1 = 1u << 11,
  EFF_FSR2 = 1u << 12,
  EFF_INDIRECT = 1u << 13, // data memory reached through an FSR
  EFF_TBLPTR = 1u << 14,
  EFF_TABLAT = 1u << 15,
  EFF_PROGMEM = 1u << 16,  // program memory (table reads and writes)
  EFF_STACK = 1u << 17,    // the return stack and its pointer
  EFF_SHADOW = 1u << 18,   // the fast-return copies of WREG, STATUS and BSR
  EFF_PCLAT = 1u << 19,    // PCLATH and PCLATU
  EFF_INTCON = 1u << 20,   // the global interrupt enables
  EFF_PC = 1u << 21,       // control flow: a branch, call, return or skip
};

constexpr uint32_t EFF_STATUS = EFF_C | EFF_DC | EFF_Z | EFF_OV | EFF_N;

struct inst_effects {
  uint32_t reads;
  uint32_t writes;
};

// Effects of an instruction of the given type. d is the destination bit of
// the byte operations (0 WREG, 1 the file register), fast the s bit of CALL,
// RETURN and RETFIE, fsr the FSR number of LFSR, ADDFSR and SUBFSR. A type
// without effects (NOP, WORD2, pseudo-instructions) gives {0, 0}.
inst_effects inst_effects_of(int type, int d, int fast, int fsr);

// The resources a data-memory address stands for when an instruction names
// it as its file operand: WREG, STATUS, BSR, PRODL/H, an FSR byte, an
// indirect register (its FSR and the memory it reaches, plus WREG for the
// PLUSW forms), TBLPTR, TABLAT, the top-of-stack and stack-pointer registers,
// the PC latches, INTCON. 0 for an ordinary memory byte.
uint32_t inst_effects_register(unsigned address);

// The FSR resource of FSR number n (0, 1 or 2).
uint32_t inst_effects_fsr(int n);

#endif
