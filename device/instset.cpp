// Instruction-set dispatch. In: a family code and the arguments of one
// operation. Out: the answer of that family's member. Also the shared type
// names and which types each family uses.
#include "device/inst_harrow.h"

// Flat dispatch on the family code; any other code is an internal error.
#define INST_DISPATCH(op, ...)                                 \
  switch (family) {                                            \
    case INSTSET_FLINT: return op##_Flint(__VA_ARGS__);        \
    case INSTSET_GARNET: return op##_Garnet(__VA_ARGS__);      \
    case INSTSET_EMBER: return op##_Ember(__VA_ARGS__);        \
    case INSTSET_HARROW: return op##_Harrow(__VA_ARGS__);      \
  }                                                            \
  __assert("unknown instruction-set family", __FILE__, __LINE__)

// The shared numbering and which of the three older families use each type.
struct s_type_row {
  const char *name;
  bool flint, garnet, ember;
};

static constexpr s_type_row s_types[] = {
    {"", false, false, false},  // 0: no type
#define INST_TYPE(num, name, flint, garnet, ember) {#name, flint, garnet, ember},
#include "device/instnames.def"
#undef INST_TYPE
};
static_assert(std::size(s_types) == INST_TYPE_MAX + 1, "instruction types run 1 to 106");

// Checks that the numbering in instnames.def runs without gaps.
static constexpr bool s_numbering_dense() {
  int expected = 1;
#define INST_TYPE(num, name, flint, garnet, ember) \
  if (num != expected++) return false;
#include "device/instnames.def"
#undef INST_TYPE
  return true;
}
static_assert(s_numbering_dense(), "instruction types are numbered 1, 2, 3, ... without gaps");
static_assert(ADDFSR == 1 && TSTFSZ == 101 && WORD2 == 102 && XORWF == 104 && PAGESEL == 106);

static constexpr int s_count(bool s_type_row::*member) {
  int n = 0;
  for (const s_type_row &t : s_types) n += t.*member ? 1 : 0;
  return n;
}
static_assert(s_count(&s_type_row::flint) == 37, "the Flint family uses 37 types");
static_assert(s_count(&s_type_row::garnet) == 61, "the Garnet family uses 61 types");
static_assert(s_count(&s_type_row::ember) == 33, "the Ember family uses 33 types");

const char *getInstName(int type) {
  VELC_ASSERT(type >= 1 && type <= INST_TYPE_MAX);
  return s_types[type].name;
}

bool isInstTypeOf(int type, int family) {
  if (type < 1 || type > INST_TYPE_MAX) return false;
  switch (family) {
    case INSTSET_FLINT: return s_types[type].flint;
    case INSTSET_GARNET: return s_types[type].garnet;
    case INSTSET_EMBER: return s_types[type].ember;
    case INSTSET_HARROW: return harrow_find_row(type) != nullptr;
  }
  __assert("unknown instruction-set family", __FILE__, __LINE__);
}

int getInstTypeCount(int family) {
  switch (family) {
    case INSTSET_FLINT: return s_count(&s_type_row::flint);
    case INSTSET_GARNET: return s_count(&s_type_row::garnet);
    case INSTSET_EMBER: return s_count(&s_type_row::ember);
    case INSTSET_HARROW: return HARROW_TYPE_COUNT;
  }
  __assert("unknown instruction-set family", __FILE__, __LINE__);
}

bool mnemonic2type(const char *text, int family, int *type) {
  INST_DISPATCH(mnemonic2type, text, type);
}
int getInstType(inst_word word, int family) { INST_DISPATCH(getInstType, word); }
inst_word setInstType(inst_word word, int type, int family) {
  INST_DISPATCH(setInstType, word, type);
}

uint32_t getOperand(inst_word word, int family, int n) { INST_DISPATCH(getOperand, word, n); }
uint32_t getOperandOne(inst_word word, int family) { INST_DISPATCH(getOperandOne, word); }
uint32_t getOperandTwo(inst_word word, int family) { INST_DISPATCH(getOperandTwo, word); }
uint32_t getOperandThree(inst_word word, int family) { INST_DISPATCH(getOperandThree, word); }

inst_word setOperand(inst_word word, uint32_t value, int family, int n) {
  INST_DISPATCH(setOperand, word, value, n);
}
inst_word setOperandOne(inst_word word, uint32_t value, int family) {
  INST_DISPATCH(setOperandOne, word, value);
}
inst_word setOperandTwo(inst_word word, uint32_t value, int family) {
  INST_DISPATCH(setOperandTwo, word, value);
}
inst_word setOperandThree(inst_word word, uint32_t value, int family) {
  INST_DISPATCH(setOperandThree, word, value);
}

bool hasOperand(int type, int family, int n) { INST_DISPATCH(hasOperand, type, n); }
bool hasOperandOne(int type, int family) { INST_DISPATCH(hasOperandOne, type); }
bool hasOperandTwo(int type, int family) { INST_DISPATCH(hasOperandTwo, type); }
bool hasOperandThree(int type, int family) { INST_DISPATCH(hasOperandThree, type); }

bool hasWord2(int type, int family) { INST_DISPATCH(hasWord2, type); }
int getWord2Arg(int type, int family) { INST_DISPATCH(getWord2Arg, type); }

int getOperandReloct(int type, int family, int n) { INST_DISPATCH(getOperandReloct, type, n); }
int getOperandOneReloct(int type, int family) { INST_DISPATCH(getOperandOneReloct, type); }
int getOperandTwoReloct(int type, int family) { INST_DISPATCH(getOperandTwoReloct, type); }
int getOperandThreeReloct(int type, int family) { INST_DISPATCH(getOperandThreeReloct, type); }
int getWord2Reloct(int type, int family) { INST_DISPATCH(getWord2Reloct, type); }

bool isOpcodeValid(inst_word word, int family, bool extended) {
  INST_DISPATCH(isOpcodeValid, word, extended);
}
const char *disasm(uint32_t address, inst_word word1, inst_word word2, int *size, int family,
                   bool extended) {
  INST_DISPATCH(disasm, address, word1, word2, size, extended);
}

// The table queries below exist for the Harrow family only: the other
// families carry no encodings.
static void s_require_harrow(int family) {
  VELC_ASSERT(family >= INSTSET_FLINT && family <= INSTSET_HARROW);
  VELC_ASSERT(family == INSTSET_HARROW);
}

inst_word getInstOpcode(int type, int family) {
  s_require_harrow(family);
  return getInstOpcode_Harrow(type);
}
inst_word getInstFixedMask(int type, int family) {
  s_require_harrow(family);
  return getInstFixedMask_Harrow(type);
}
int getOperandWidth(int type, int family, int n) {
  s_require_harrow(family);
  return getOperandWidth_Harrow(type, n);
}
// The older families have neither relative branches nor an extended set.
bool isRelativeBranch(int type, int family) {
  if (family == INSTSET_HARROW) return isRelativeBranch_Harrow(type);
  VELC_ASSERT(isInstTypeOf(type, family));
  return false;
}
bool isExtendedInst(int type, int family) {
  if (family == INSTSET_HARROW) return isExtendedInst_Harrow(type);
  VELC_ASSERT(isInstTypeOf(type, family));
  return false;
}
