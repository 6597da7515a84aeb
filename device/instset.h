// Instruction-set tables: one numbering of instruction types shared by the
// four instruction-set families, and per family the operations that turn a
// type and its operands into an instruction word and back, the relocation
// type of each operand, the validity test and the disassembler.
//
// Every operation exists once per family (suffix _Flint, _Garnet, _Ember,
// _Harrow) and once as a dispatcher taking the family code (InstSetCode of
// device/processors.h: 1 Flint, 2 Garnet, 3 Ember, 4 Harrow). An unknown
// family, a type the family lacks, a word that decodes to nothing and an
// operand index outside 0..2 are internal errors (__assert). Only the Harrow
// family carries encodings; an encoding request for another family is an
// internal error too.
#ifndef VELC_DEVICE_INSTSET_H
#define VELC_DEVICE_INSTSET_H

#include <cstdint>

#include "device/processors.h"

// Instruction types, 1..INST_TYPE_MAX, alphabetical; BANKSEL and PAGESEL are
// pseudo-instructions that no family encodes.
enum InstType : int {
#define INST_TYPE(num, name, flint, garnet, ember) name = num,
#include "device/instnames.def"
#undef INST_TYPE
};
constexpr int INST_TYPE_MAX = 106;

// Instruction word of a family (16 bits suffice for every family).
typedef uint16_t inst_word;

// Mnemonic of an instruction type (upper case).
const char *getInstName(int type);

// Case-insensitive mnemonic lookup within a family; sets *type and returns true on a match.
bool mnemonic2type(const char *text, int family, int *type);
// Type of an instruction word (first matching pattern); internal error when none matches.
int getInstType(inst_word word, int family);
// The word with its opcode bits replaced by the type's opcode; the type's operand bits are kept.
inst_word setInstType(inst_word word, int type, int family);

// Operand n (0, 1 or 2) of an instruction word; 0 when its type lacks the operand.
uint32_t getOperand(inst_word word, int family, int n);
// Operand one of an instruction word.
uint32_t getOperandOne(inst_word word, int family);
// Operand two of an instruction word.
uint32_t getOperandTwo(inst_word word, int family);
// Operand three of an instruction word.
uint32_t getOperandThree(inst_word word, int family);

// The word with operand n set to value masked to the field's width (unchanged when the type lacks it).
inst_word setOperand(inst_word word, uint32_t value, int family, int n);
// The word with operand one set (masked to its field).
inst_word setOperandOne(inst_word word, uint32_t value, int family);
// The word with operand two set (masked to its field).
inst_word setOperandTwo(inst_word word, uint32_t value, int family);
// The word with operand three set (masked to its field).
inst_word setOperandThree(inst_word word, uint32_t value, int family);

// Whether the type has operand n (0, 1 or 2).
bool hasOperand(int type, int family, int n);
// Whether the type has operand one.
bool hasOperandOne(int type, int family);
// Whether the type has operand two.
bool hasOperandTwo(int type, int family);
// Whether the type has operand three.
bool hasOperandThree(int type, int family);

// Whether the type is followed by a WORD2 second word.
bool hasWord2(int type, int family);
// Which operand (0 one, 1 two) continues in the second word; 0 for RCALL, TRAP, TRET; -1 otherwise.
int getWord2Arg(int type, int family);

// Relocation type (RELOCT_*) patching operand n of the type, -1 when never relocated.
int getOperandReloct(int type, int family, int n);
// Relocation type of operand one, -1 when none.
int getOperandOneReloct(int type, int family);
// Relocation type of operand two, -1 when none.
int getOperandTwoReloct(int type, int family);
// Relocation type of operand three, -1 when none.
int getOperandThreeReloct(int type, int family);
// Relocation type of the second word, -1 when none.
int getWord2Reloct(int type, int family);

// Whether the word is a valid instruction of the family; extended instructions only when extended.
bool isOpcodeValid(inst_word word, int family, bool extended);
// Text of the instruction at byte address `address` (static buffer, overwritten by
// the next call); *size receives the words used (1 or 2).
const char *disasm(uint32_t address, inst_word word1, inst_word word2, int *size, int family,
                   bool extended);

// ---- Table queries beyond the classic set (for simulators and test benches) ----

// Number of instruction types the family uses (Flint 37, Garnet 61, Ember 33, Harrow 90).
int getInstTypeCount(int family);
// Whether the family uses the type (no assertion for a foreign type).
bool isInstTypeOf(int type, int family);
// Opcode bits of the type (Harrow only).
inst_word getInstOpcode(int type, int family);
// Mask of the type's fixed opcode bits (Harrow only).
inst_word getInstFixedMask(int type, int family);
// Width in bits of operand n's field in the first word, 0 when the first word has none (Harrow only).
int getOperandWidth(int type, int family, int n);
// Whether operand one is a signed relative displacement (conditional branches, BRA, RCALL).
bool isRelativeBranch(int type, int family);
// Whether the type belongs to the extended instruction set.
bool isExtendedInst(int type, int family);

// ---- Per-family members behind the dispatchers ----
#define VELC_INST_FAMILY_DECLS(F)                                                         \
  bool mnemonic2type_##F(const char *text, int *type);                                     \
  int getInstType_##F(inst_word word);                                                     \
  inst_word setInstType_##F(inst_word word, int type);                                     \
  uint32_t getOperand_##F(inst_word word, int n);                                          \
  uint32_t getOperandOne_##F(inst_word word);                                              \
  uint32_t getOperandTwo_##F(inst_word word);                                              \
  uint32_t getOperandThree_##F(inst_word word);                                            \
  inst_word setOperand_##F(inst_word word, uint32_t value, int n);                         \
  inst_word setOperandOne_##F(inst_word word, uint32_t value);                             \
  inst_word setOperandTwo_##F(inst_word word, uint32_t value);                             \
  inst_word setOperandThree_##F(inst_word word, uint32_t value);                           \
  bool hasOperand_##F(int type, int n);                                                    \
  bool hasOperandOne_##F(int type);                                                        \
  bool hasOperandTwo_##F(int type);                                                        \
  bool hasOperandThree_##F(int type);                                                      \
  bool hasWord2_##F(int type);                                                             \
  int getWord2Arg_##F(int type);                                                           \
  int getOperandReloct_##F(int type, int n);                                               \
  int getOperandOneReloct_##F(int type);                                                   \
  int getOperandTwoReloct_##F(int type);                                                   \
  int getOperandThreeReloct_##F(int type);                                                 \
  int getWord2Reloct_##F(int type);                                                        \
  bool isOpcodeValid_##F(inst_word word, bool extended);                                   \
  const char *disasm_##F(uint32_t address, inst_word word1, inst_word word2, int *size,    \
                         bool extended);
VELC_INST_FAMILY_DECLS(Flint)
VELC_INST_FAMILY_DECLS(Garnet)
VELC_INST_FAMILY_DECLS(Ember)
VELC_INST_FAMILY_DECLS(Harrow)
#undef VELC_INST_FAMILY_DECLS

#endif
