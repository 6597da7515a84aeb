// Relocation types of the object format: which field of an instruction word
// or data byte the linker patches with a symbol's address. Shared by the
// instruction-set tables (the defaults per operand), the object format and
// the linker.
#ifndef VELC_OBJECT_RELOC_TYPES_H
#define VELC_OBJECT_RELOC_TYPES_H

enum : unsigned short {
  RELOCT_CALL = 1,            // first word of CALL: low bits of the target
  RELOCT_GOTO = 2,            // first word of GOTO: low bits of the target
  RELOCT_HIGH = 3,            // bits 8..15 of an address
  RELOCT_LOW = 4,             // bits 0..7 of an address
  RELOCT_F = 10,              // 8-bit register field
  RELOCT_MOVLB = 13,          // bank literal of an in-line MOVLB
  RELOCT_GOTO2 = 14,          // second word of CALL and GOTO
  RELOCT_FF1 = 15,            // first word of MOVFF: source
  RELOCT_FF2 = 16,            // second word of MOVFF and MOVSF: destination
  RELOCT_LFSR1 = 17,          // first word of LFSR: high bits of the literal
  RELOCT_LFSR2 = 18,          // second word of LFSR: low byte of the literal
  RELOCT_BRA = 19,            // BRA and RCALL: 11-bit displacement
  RELOCT_CONDBRA = 20,        // conditional branches: 8-bit displacement
  RELOCT_UPPER = 21,          // bits 16..23 of an address
  RELOCT_SCNSZ_LOW = 25,      // bytes of the size of the named section
  RELOCT_SCNSZ_HIGH = 26,
  RELOCT_SCNSZ_UPPER = 27,
  RELOCT_SCNEND_LOW = 28,     // bytes of the end address of the named section
  RELOCT_SCNEND_HIGH = 29,
  RELOCT_SCNEND_UPPER = 30,
  RELOCT_SCNEND_LFSR1 = 31,   // LFSR loaded with the named section's end
  RELOCT_SCNEND_LFSR2 = 32,
};

#endif
