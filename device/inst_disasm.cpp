// Harrow disassembler. In: the byte address of an instruction, its first word
// and the word that follows it, and whether extended mode is on. Out: one
// line of text in a static buffer (overwritten by the next call) and the
// number of words the instruction occupies.
//
// Text: the mnemonic left-justified in 10 columns, then the operands in hex,
// comma-separated. A relative branch shows its target address; in extended
// mode an access-bank register operand at 0x5F or below is a frame offset
// and shows as "[0x..]"; the operand continued in a second word is joined
// from both words, or shown as "???" when the second word is not valid.
#include <algorithm>
#include <cstdio>
#include <cstring>

#include "device/inst_harrow.h"

static constexpr uint32_t PROGRAM_ADDRESS_MASK = 0x1FFFFF;  // 21-bit program counter
static constexpr uint32_t FRAME_OFFSET_LIMIT = 0x5F;  // access-bank addresses below the SFRs

static char s_text[64];

// Target of a relative branch: the next instruction plus twice the signed
// word displacement held in the operand's field.
static uint32_t s_branch_target(uint32_t address, uint32_t disp, int width) {
  int32_t sdisp = int32_t(disp);
  if (disp & (1u << (width - 1))) sdisp -= int32_t(1u << width);
  return (address + 2u + uint32_t(2 * sdisp)) & PROGRAM_ADDRESS_MASK;
}

// The operand carried on by the second word, joined from both words.
static uint32_t s_join(harrow_join join, uint32_t first, inst_word word2) {
  uint32_t payload = word2 & WORD2_PAYLOAD;
  switch (join) {
    case J_HIGH: return (payload << 8) | (first & 0xFF);
    case J_LOW8: return (first << 8) | (payload & 0xFF);
    case J_FULL: return payload;
    case J_OFF7: return payload & 0x7F;
    case J_NONE: break;
  }
  VELC_ASSERT(join != J_NONE);
  return 0;
}

// Whether register operand one is shown as a frame offset: an access-bank
// reference (a = 0) in the low part of the access bank is FSR2-relative in
// extended mode.
static bool s_is_frame_operand(const harrow_row &row, inst_word word, bool extended) {
  int access = (row.flags & X_ACC2) ? 1 : (row.flags & X_ACC3) ? 2 : -1;
  if (!extended || access < 0) return false;
  return harrow_field_get(row, word, access) == 0 && harrow_field_get(row, word, 0) <= FRAME_OFFSET_LIMIT;
}

// Appends one operand: the separator, then the value as hex or as a frame offset.
static void s_append(size_t *len, bool first, bool frame, unsigned long value) {
  const char *format = frame ? (first ? "[0x%lx]" : ",[0x%lx]") : (first ? "0x%lx" : ",0x%lx");
  int n = snprintf(s_text + *len, sizeof s_text - *len, format, value);
  if (n > 0) *len = std::min(*len + size_t(n), sizeof s_text - 1);
}

// Appends the stand-in for an operand whose second word is not valid.
static void s_append_missing(size_t *len, bool first) {
  int n = snprintf(s_text + *len, sizeof s_text - *len, "%s", first ? "???" : ",???");
  if (n > 0) *len = std::min(*len + size_t(n), sizeof s_text - 1);
}

const char *disasm_Harrow(uint32_t address, inst_word word1, inst_word word2, int *size,
                          bool extended) {
  const harrow_row &row = harrow_row_of(getInstType_Harrow(word1));
  snprintf(s_text, sizeof s_text, "%-10s", getInstName(row.type));
  size_t len = strlen(s_text);
  *size = 1;
  bool first = true;
  for (int n = 0; n < 3; ++n) {
    if (!hasOperand_Harrow(row.type, n)) continue;
    uint32_t value = harrow_field_get(row, word1, n);
    if (row.join != J_NONE && row.w2arg == n) {
      if (!isOpcodeValid_Harrow(word2, extended)) {
        s_append_missing(&len, first);
        first = false;
        continue;
      }
      value = s_join(row.join, value, word2);
      *size = 2;
    }
    if (n == 0 && (row.flags & X_REL)) value = s_branch_target(address, value, row.op[0].width);
    s_append(&len, first, n == 0 && s_is_frame_operand(row, word1, extended), value);
    first = false;
  }
  return s_text;
}
