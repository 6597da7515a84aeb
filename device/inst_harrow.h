// Private to the instruction-set module: the Harrow encoding table as
// records, shared by the encoder/decoder and the disassembler. The rows come
// from instructions.def, whose block comment defines every column.
#ifndef VELC_DEVICE_INST_HARROW_H
#define VELC_DEVICE_INST_HARROW_H

#include <cstddef>
#include <iterator>

#include "device/instset.h"
#include "driver/diag.h"

// How the second word of a two-word instruction continues an operand.
enum harrow_join : uint8_t {
  J_NONE,  // one-word instruction
  J_HIGH,  // payload above bits 7..0 of the first word (20-bit word address)
  J_LOW8,  // low 8 bits of the payload below the operand's bits (12-bit literal)
  J_FULL,  // the 12-bit payload is the operand
  J_OFF7,  // the payload's low 7 bits are the operand
};

// Row flags.
enum : uint8_t {
  X_NONE = 0,
  X_EXT = 1,   // extended instruction set only
  X_REL = 2,   // operand one is a signed word displacement from the next instruction
  X_ACC2 = 4,  // operand two is the access bit
  X_ACC3 = 8,  // operand three is the access bit
};

// One operand field of the first word: bits lo .. lo+width-1; width 0 = absent.
struct harrow_field {
  uint8_t lo;
  uint8_t width;
};

// One row of the Harrow table.
struct harrow_row {
  int type;              // InstType
  inst_word opcode;      // opcode bits
  inst_word fixed;       // mask of the opcode bits
  harrow_field op[3];    // operand fields one, two, three
  harrow_join join;      // second-word continuation
  int8_t w2arg;          // operand carried by the second word (see getWord2Arg)
  int8_t reloc[2];       // relocation types of operands one and two, -1 none
  int8_t rw2;            // relocation type of the second word, -1 none
  uint8_t flags;         // X_*
};

constexpr int HARROW_TYPE_COUNT = 90;   // rows of the table, WORD2 included
constexpr unsigned WORD2_PAYLOAD = 0x0FFF;  // bits of a second word beyond its opcode

// The row of a Harrow type; internal error when the family lacks the type.
const harrow_row &harrow_row_of(int type);
// The row of a type, or null when the family lacks it.
const harrow_row *harrow_find_row(int type);
// The type of a word, or 0 when no pattern matches.
int harrow_decode(inst_word word);
// Operand n of a word decoded as the row's type (0 when the row lacks it).
uint32_t harrow_field_get(const harrow_row &row, inst_word word, int n);


// Opcode bits of a Harrow type.
inst_word getInstOpcode_Harrow(int type);
// Opcode mask of a Harrow type.
inst_word getInstFixedMask_Harrow(int type);
// Width of operand n's field in the first word (0 when the first word has none).
int getOperandWidth_Harrow(int type, int n);
// Whether operand one is a relative displacement.
bool isRelativeBranch_Harrow(int type);
// Whether the type is an extended instruction.
bool isExtendedInst_Harrow(int type);

#endif
