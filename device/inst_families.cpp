// Members of the Flint, Garnet and Ember families. In: mnemonics, types and
// words of those families. Out: the mnemonic lookup and the facts that hold
// without encodings (none of them has a second word). The compiler generates
// code only for Harrow, so these families carry no opcode tables: asking one
// of them to encode, decode or describe operands is an internal error.
#include <cctype>

#include "device/inst_harrow.h"

// Case-insensitive comparison of a mnemonic with the text of the source.
static bool s_same_mnemonic(const char *name, const char *text) {
  size_t i = 0;
  while (name[i] != '\0' && std::toupper((unsigned char)text[i]) == name[i]) ++i;
  return name[i] == '\0' && text[i] == '\0';
}

static bool s_mnemonic_lookup(const char *text, int family, int *type) {
  VELC_ASSERT(text != nullptr && type != nullptr);
  for (int t = 1; t <= INST_TYPE_MAX; ++t) {
    if (isInstTypeOf(t, family) && s_same_mnemonic(getInstName(t), text)) {
      *type = t;
      return true;
    }
  }
  return false;
}

bool mnemonic2type_Harrow(const char *text, int *type) {
  return s_mnemonic_lookup(text, INSTSET_HARROW, type);
}

// An encoding request for a family without opcode tables.
[[noreturn]] static void s_no_encoding() {
  __assert("instruction family without encodings", __FILE__, __LINE__);
}

static void s_check_type(int type, int family) { VELC_ASSERT(isInstTypeOf(type, family)); }
static void s_check_operand(int type, int family, int n) {
  VELC_ASSERT(n >= 0 && n <= 2);
  s_check_type(type, family);
}

#define INST_FAMILY_MEMBERS(F, CODE)                                                         \
  bool mnemonic2type_##F(const char *text, int *type) {                                      \
    return s_mnemonic_lookup(text, CODE, type);                                              \
  }                                                                                          \
  int getInstType_##F(inst_word) { s_no_encoding(); }                                        \
  inst_word setInstType_##F(inst_word, int type) { s_check_type(type, CODE); s_no_encoding(); } \
  uint32_t getOperand_##F(inst_word, int) { s_no_encoding(); }                               \
  uint32_t getOperandOne_##F(inst_word) { s_no_encoding(); }                                 \
  uint32_t getOperandTwo_##F(inst_word) { s_no_encoding(); }                                 \
  uint32_t getOperandThree_##F(inst_word) { s_no_encoding(); }                               \
  inst_word setOperand_##F(inst_word, uint32_t, int) { s_no_encoding(); }                    \
  inst_word setOperandOne_##F(inst_word, uint32_t) { s_no_encoding(); }                      \
  inst_word setOperandTwo_##F(inst_word, uint32_t) { s_no_encoding(); }                      \
  inst_word setOperandThree_##F(inst_word, uint32_t) { s_no_encoding(); }                    \
  bool hasOperand_##F(int type, int n) { s_check_operand(type, CODE, n); s_no_encoding(); }  \
  bool hasOperandOne_##F(int type) { return hasOperand_##F(type, 0); }                       \
  bool hasOperandTwo_##F(int type) { return hasOperand_##F(type, 1); }                       \
  bool hasOperandThree_##F(int type) { return hasOperand_##F(type, 2); }                     \
  bool hasWord2_##F(int type) { s_check_type(type, CODE); return false; }                    \
  int getWord2Arg_##F(int type) { s_check_type(type, CODE); return -1; }                     \
  int getOperandReloct_##F(int type, int n) { s_check_operand(type, CODE, n); s_no_encoding(); } \
  int getOperandOneReloct_##F(int type) { return getOperandReloct_##F(type, 0); }            \
  int getOperandTwoReloct_##F(int type) { return getOperandReloct_##F(type, 1); }            \
  int getOperandThreeReloct_##F(int type) { return getOperandReloct_##F(type, 2); }          \
  int getWord2Reloct_##F(int type) { s_check_type(type, CODE); return -1; }                  \
  bool isOpcodeValid_##F(inst_word, bool) { s_no_encoding(); }                               \
  const char *disasm_##F(uint32_t, inst_word, inst_word, int *, bool) { s_no_encoding(); }

INST_FAMILY_MEMBERS(Flint, INSTSET_FLINT)
INST_FAMILY_MEMBERS(Garnet, INSTSET_GARNET)
INST_FAMILY_MEMBERS(Ember, INSTSET_EMBER)
