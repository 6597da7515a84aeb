// Disassembly text rules: frame offsets in extended mode, relative branch
// targets, operands joined from two words, and "???" for a bad second word.
#include <gtest/gtest.h>

#include <string>

#include "device/instset.h"

namespace {

constexpr int H = INSTSET_HARROW;

std::string Dis(uint32_t address, inst_word w1, inst_word w2, bool extended, int *size) {
  return disasm(address, w1, w2, size, H, extended);
}

TEST(HarrowDisasm, AccessBankOperandsBecomeFrameOffsetsInExtendedMode) {
  int size = 0;
  EXPECT_EQ(Dis(0, 0x2610, 0, true, &size), "ADDWF     [0x10],0x1,0x0");
  EXPECT_EQ(size, 1);
  EXPECT_EQ(Dis(0, 0x2610, 0, false, &size), "ADDWF     0x10,0x1,0x0");
  EXPECT_EQ(Dis(0, 0x265F, 0, true, &size), "ADDWF     [0x5f],0x1,0x0");  // last frame offset
  EXPECT_EQ(Dis(0, 0x2660, 0, true, &size), "ADDWF     0x60,0x1,0x0");    // first access SFR/GPR
  EXPECT_EQ(Dis(0, 0x2710, 0, true, &size), "ADDWF     0x10,0x1,0x1");    // banked
  EXPECT_EQ(Dis(0, 0x6A05, 0, true, &size), "CLRF      [0x5],0x0");
  EXPECT_EQ(Dis(0, 0x6B05, 0, true, &size), "CLRF      0x5,0x1");
  EXPECT_EQ(Dis(0, 0x8620, 0, true, &size), "BSF       [0x20],0x3,0x0");
  EXPECT_EQ(Dis(0, 0x0E05, 0, true, &size), "MOVLW     0x5");  // a literal, not a register
  EXPECT_EQ(Dis(0, 0xEC05, 0xF000, true, &size), "CALL      0x5,0x0");  // fast bit, not access
}

TEST(HarrowDisasm, RelativeBranchesShowTheirTarget) {
  int size = 0;
  EXPECT_EQ(Dis(0x100, 0xE0FE, 0, true, &size), "BZ        0xfe");     // -2 words
  EXPECT_EQ(Dis(0x100, 0xE07F, 0, true, &size), "BZ        0x200");    // +127 words
  EXPECT_EQ(Dis(0x100, 0xE080, 0, true, &size), "BZ        0x2");      // -128 words
  EXPECT_EQ(Dis(0x0, 0xD7FF, 0, true, &size), "BRA       0x0");        // branch to itself
  EXPECT_EQ(Dis(0x1000, 0xD400, 0, true, &size), "BRA       0x802");   // -1024 words
  EXPECT_EQ(Dis(0x1000, 0xDBFF, 0, true, &size), "RCALL     0x1800");  // +1023 words
  // Below address 0 the 21-bit program counter wraps.
  EXPECT_EQ(Dis(0x0, 0xE080, 0, true, &size), "BZ        0x1fff02");
}

TEST(HarrowDisasm, TwoWordOperandsAreJoined) {
  int size = 0;
  EXPECT_EQ(Dis(0, 0xEC00, 0xFFFF, true, &size), "CALL      0xfff00,0x0");
  EXPECT_EQ(size, 2);
  EXPECT_EQ(Dis(0, 0xEF80, 0xF001, true, &size), "GOTO      0x180");
  EXPECT_EQ(Dis(0, 0xEE0F, 0xFAFF, true, &size), "LFSR      0x0,0xfff");  // payload bits 11-8 unused
  EXPECT_EQ(Dis(0, 0xEE30, 0xF000, true, &size), "LFSR      0x3,0x0");
  EXPECT_EQ(Dis(0, 0xCFFF, 0xF000, true, &size), "MOVFF     0xfff,0x0");
  EXPECT_EQ(Dis(0, 0xEB7F, 0xFFFF, true, &size), "MOVSF     0x7f,0xfff");
  EXPECT_EQ(Dis(0, 0xEBFF, 0xFFFF, true, &size), "MOVSS     0x7f,0x7f");  // 7-bit offset
  EXPECT_EQ(size, 2);
}

TEST(HarrowDisasm, InvalidSecondWordLeavesQuestionMarks) {
  int size = 0;
  EXPECT_EQ(Dis(0, 0xED45, 0x0002, true, &size), "CALL      ???,0x1");
  EXPECT_EQ(size, 1);
  EXPECT_EQ(Dis(0, 0xEF12, 0xEE40, true, &size), "GOTO      ???");
  EXPECT_EQ(size, 1);
  EXPECT_EQ(Dis(0, 0xC456, 0x0016, true, &size), "MOVFF     0x456,???");
  EXPECT_EQ(Dis(0, 0xEE29, 0x00FE, true, &size), "LFSR      0x2,???");
  // An extended instruction is not a valid word outside extended mode.
  EXPECT_EQ(Dis(0, 0xC456, 0xEA00, false, &size), "MOVFF     0x456,???");
  EXPECT_EQ(size, 1);
}

TEST(HarrowDisasm, WordOutsideEveryPatternIsAnInternalError) {
  int size = 0;
  EXPECT_DEATH(disasm(0, 0x0002, 0, &size, H, true), "Internal compiler error");
}

}  // namespace
