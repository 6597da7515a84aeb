// Harrow encoder and decoder. In: instruction types, operand values and
// 16-bit instruction words. Out: words with opcode and operand fields set,
// the type and operands read back from a word, and the table's facts per
// type (operands, second word, relocation types, validity).
#include <algorithm>
#include <array>

#include "device/inst_harrow.h"

static constexpr harrow_field F(int hi, int lo) { return {uint8_t(lo), uint8_t(hi - lo + 1)}; }
static constexpr harrow_field NO = {0, 0};
static constexpr int8_t NR = -1;

static constexpr harrow_row s_rows[] = {
#define HARROW_INST(type, opcode, fixed, op1, op2, op3, join, w2arg, r1, r2, rw2, flags) \
  {type, opcode, fixed, {op1, op2, op3}, join, w2arg, {r1, r2}, rw2, flags},
#include "device/instructions.def"
#undef HARROW_INST
};
static_assert(std::size(s_rows) == HARROW_TYPE_COUNT, "the Harrow family has 90 types");

static constexpr inst_word s_field_mask(harrow_field f) {
  return inst_word(((1u << f.width) - 1u) << f.lo);
}

// Every bit outside the opcode mask belongs to exactly one operand field, and
// every opcode lies inside its own mask: setInstType relies on both.
static constexpr bool s_rows_consistent() {
  for (const harrow_row &r : s_rows) {
    unsigned fields = 0;
    for (const harrow_field &f : r.op) {
      if ((fields & s_field_mask(f)) != 0) return false;
      fields |= s_field_mask(f);
    }
    if (fields != inst_word(~r.fixed) || (r.opcode & ~r.fixed) != 0) return false;
    if (r.join != J_NONE && (r.w2arg < 0 || r.w2arg > 1)) return false;
  }
  return true;
}
static_assert(s_rows_consistent(), "operand fields must fill exactly the non-opcode bits");

// Row index per type (-1 for types the family lacks).
static constexpr std::array<int8_t, INST_TYPE_MAX + 1> s_make_index() {
  std::array<int8_t, INST_TYPE_MAX + 1> index{};
  index.fill(-1);
  for (size_t i = 0; i < std::size(s_rows); ++i) index[s_rows[i].type] = int8_t(i);
  return index;
}
static constexpr std::array<int8_t, INST_TYPE_MAX + 1> s_index = s_make_index();

// Decoding table: the type of every 16-bit word, 0 for none. Patterns are
// tried in descending order of opcode, first match wins: each row writes
// the words it matches (every value of its free bits), the rows taken from
// the last to try to the first, so that the first match writes last.
namespace {
struct s_decoder {
  std::array<uint8_t, 0x10000> type{};
  s_decoder() {
    std::array<const harrow_row *, HARROW_TYPE_COUNT> order{};
    for (size_t i = 0; i < order.size(); ++i) order[i] = &s_rows[i];
    std::sort(order.begin(), order.end(),
              [](const harrow_row *a, const harrow_row *b) { return a->opcode > b->opcode; });
    for (auto it = order.rbegin(); it != order.rend(); ++it) {
      const harrow_row *r = *it;
      inst_word free = inst_word(~r->fixed);
      for (inst_word bits = free;; bits = inst_word((bits - 1) & free)) {
        type[inst_word(r->opcode | bits)] = uint8_t(r->type);
        if (bits == 0)
          break;
      }
    }
  }
};
}  // namespace

static const s_decoder &s_decode_table() {
  static const s_decoder table;
  return table;
}

static void s_check_operand_index(int n) { VELC_ASSERT(n >= 0 && n <= 2); }

const harrow_row *harrow_find_row(int type) {
  if (type < 1 || type > INST_TYPE_MAX || s_index[type] < 0) return nullptr;
  return &s_rows[s_index[type]];
}

const harrow_row &harrow_row_of(int type) {
  const harrow_row *row = harrow_find_row(type);
  VELC_ASSERT(row != nullptr);
  return *row;
}

int harrow_decode(inst_word word) { return s_decode_table().type[word]; }

uint32_t harrow_field_get(const harrow_row &row, inst_word word, int n) {
  const harrow_field &f = row.op[n];
  return (word & s_field_mask(f)) >> f.lo;
}

int getInstType_Harrow(inst_word word) {
  int type = harrow_decode(word);
  VELC_ASSERT(type != 0);
  return type;
}

inst_word setInstType_Harrow(inst_word word, int type) {
  const harrow_row &r = harrow_row_of(type);
  return inst_word((word & ~r.fixed) | r.opcode);
}

uint32_t getOperand_Harrow(inst_word word, int n) {
  s_check_operand_index(n);
  return harrow_field_get(harrow_row_of(getInstType_Harrow(word)), word, n);
}

uint32_t getOperandOne_Harrow(inst_word word) { return getOperand_Harrow(word, 0); }
uint32_t getOperandTwo_Harrow(inst_word word) { return getOperand_Harrow(word, 1); }
uint32_t getOperandThree_Harrow(inst_word word) { return getOperand_Harrow(word, 2); }

// A type without the operand has a field of width 0: the value masks to nothing.
inst_word setOperand_Harrow(inst_word word, uint32_t value, int n) {
  s_check_operand_index(n);
  const harrow_field &f = harrow_row_of(getInstType_Harrow(word)).op[n];
  inst_word mask = s_field_mask(f);
  return inst_word((word & ~mask) | ((value << f.lo) & mask));
}

inst_word setOperandOne_Harrow(inst_word word, uint32_t value) {
  return setOperand_Harrow(word, value, 0);
}
inst_word setOperandTwo_Harrow(inst_word word, uint32_t value) {
  return setOperand_Harrow(word, value, 1);
}
inst_word setOperandThree_Harrow(inst_word word, uint32_t value) {
  return setOperand_Harrow(word, value, 2);
}

// An operand that lies wholly in the second word (the destinations of MOVFF,
// MOVSF and MOVSS) is still an operand of the instruction.
bool hasOperand_Harrow(int type, int n) {
  s_check_operand_index(n);
  const harrow_row &r = harrow_row_of(type);
  return r.op[n].width != 0 || (r.join != J_NONE && r.w2arg == n);
}

bool hasOperandOne_Harrow(int type) { return hasOperand_Harrow(type, 0); }
bool hasOperandTwo_Harrow(int type) { return hasOperand_Harrow(type, 1); }
bool hasOperandThree_Harrow(int type) { return hasOperand_Harrow(type, 2); }

bool hasWord2_Harrow(int type) { return harrow_row_of(type).join != J_NONE; }
int getWord2Arg_Harrow(int type) { return harrow_row_of(type).w2arg; }

int getOperandReloct_Harrow(int type, int n) {
  s_check_operand_index(n);
  const harrow_row &r = harrow_row_of(type);
  return n < 2 ? r.reloc[n] : -1;
}

int getOperandOneReloct_Harrow(int type) { return getOperandReloct_Harrow(type, 0); }
int getOperandTwoReloct_Harrow(int type) { return getOperandReloct_Harrow(type, 1); }
int getOperandThreeReloct_Harrow(int type) { return getOperandReloct_Harrow(type, 2); }
int getWord2Reloct_Harrow(int type) { return harrow_row_of(type).rw2; }

bool isOpcodeValid_Harrow(inst_word word, bool extended) {
  int type = harrow_decode(word);
  if (type == 0) return false;
  return extended || (harrow_row_of(type).flags & X_EXT) == 0;
}

inst_word getInstOpcode_Harrow(int type) { return harrow_row_of(type).opcode; }
inst_word getInstFixedMask_Harrow(int type) { return harrow_row_of(type).fixed; }

int getOperandWidth_Harrow(int type, int n) {
  s_check_operand_index(n);
  return harrow_row_of(type).op[n].width;
}

bool isRelativeBranch_Harrow(int type) { return (harrow_row_of(type).flags & X_REL) != 0; }
bool isExtendedInst_Harrow(int type) { return (harrow_row_of(type).flags & X_EXT) != 0; }
