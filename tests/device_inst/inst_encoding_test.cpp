// Encoder and decoder edge cases: opcode replacement keeps operand bits,
// operand values are masked to their fields, decoding order, the valid-word
// sets of both modes, and internal errors for words and types that cannot be.
#include <gtest/gtest.h>

#include "device/instset.h"

namespace {

constexpr int H = INSTSET_HARROW;
constexpr const char *kInternal = "Internal compiler error";

TEST(HarrowEncode, SetInstTypeKeepsOnlyTheTypesOperandBits) {
  EXPECT_EQ(setInstType(0x03FF, ADDWF, H), 0x27FF);
  EXPECT_EQ(setInstType(0xFFFF, ADDWF, H), 0x27FF);   // opcode bits are replaced
  EXPECT_EQ(setInstType(0xFFFF, NOP, H), 0x0000);     // no operands: the whole word
  EXPECT_EQ(setInstType(0xFFFF, RETURN, H), 0x0013);  // keeps the fast bit
  EXPECT_EQ(setInstType(0xFFFF, LFSR, H), 0xEE3F);
  EXPECT_EQ(setInstType(0xFFFF, CALL, H), 0xEDFF);
  EXPECT_EQ(setInstType(0x1234, MOVFF, H), 0xC234);
}

TEST(HarrowEncode, OperandValuesAreMaskedToTheirField) {
  inst_word bsf = setInstType(0, BSF, H);
  EXPECT_EQ(setOperandTwo(bsf, 9, H), 0x8200);  // bit number 9 & 7 = 1
  EXPECT_EQ(getOperandTwo(setOperandTwo(bsf, 9, H), H), 1u);
  EXPECT_EQ(setOperandOne(bsf, 0x1FF, H), 0x80FF);
  EXPECT_EQ(setOperandThree(bsf, 2, H), 0x8000);  // access bit takes bit 0 of the value
  EXPECT_EQ(setOperandOne(setInstType(0, GOTO, H), 0x12345, H), 0xEF45);
  EXPECT_EQ(setOperandOne(setInstType(0, WORD2, H), 0x12345, H), 0xF345);
  EXPECT_EQ(setOperandOne(setInstType(0, BRA, H), 0xFFFFFFFF, H), 0xD7FF);
  EXPECT_EQ(setOperandTwo(setInstType(0, LFSR, H), 0x123, H), 0xEE03);
}

TEST(HarrowEncode, SettersReplaceTheOldFieldValue) {
  inst_word w = 0x2785;  // ADDWF 0x85,1,1
  EXPECT_EQ(setOperandOne(w, 0x12, H), 0x2712);
  EXPECT_EQ(setOperandTwo(w, 0, H), 0x2585);
  EXPECT_EQ(setOperandThree(w, 0, H), 0x2685);
  EXPECT_EQ(setOperand(w, 0, H, 0), 0x2700);
}

TEST(HarrowEncode, OperandsOutsideTheFirstWordLeaveItUnchanged) {
  EXPECT_EQ(setOperandTwo(0xC456, 0xFE8, H), 0xC456);  // MOVFF destination
  EXPECT_EQ(setOperandTwo(0xEB25, 0x3A0, H), 0xEB25);  // MOVSF destination
  EXPECT_EQ(getOperandTwo(0xC456, H), 0u);
  EXPECT_EQ(setOperandThree(0x0E12, 1, H), 0x0E12);    // MOVLW has no operand three
  EXPECT_EQ(getOperandThree(0x0E12, H), 0u);
}

TEST(HarrowDecode, UlnkPatternsComeBeforeFsrArithmetic) {
  EXPECT_EQ(getInstType(0xE8C5, H), ADDULNK);
  EXPECT_EQ(getOperandOne(0xE8C5, H), 5u);
  EXPECT_EQ(getInstType(0xE9FF, H), SUBULNK);
  EXPECT_EQ(getInstType(0xE8BF, H), ADDFSR);  // FSR field 2
  EXPECT_EQ(getOperandOne(0xE8BF, H), 2u);
  EXPECT_EQ(getOperandTwo(0xE8BF, H), 0x3Fu);
  // FSR 3 written through the encoder reads back as the ULNK form.
  inst_word w = setOperandOne(setInstType(0, SUBFSR, H), 3, H);
  EXPECT_EQ(getInstType(w, H), SUBULNK);
}

TEST(HarrowDecode, SecondWordPatternAndNeighbours) {
  EXPECT_EQ(getInstType(0xF123, H), WORD2);
  EXPECT_EQ(getOperandOne(0xF123, H), 0x123u);
  EXPECT_EQ(getInstType(0xFFFF, H), WORD2);  // erased program memory
  EXPECT_EQ(getInstType(0xEFFF, H), GOTO);
  EXPECT_EQ(getInstType(0xEE3F, H), LFSR);
  EXPECT_EQ(getInstType(0xEDFF, H), CALL);
  EXPECT_EQ(getInstType(0xEB80, H), MOVSS);
  EXPECT_EQ(getInstType(0xEB7F, H), MOVSF);
  EXPECT_EQ(getInstType(0xD800, H), RCALL);
  EXPECT_EQ(getInstType(0xD7FF, H), BRA);
  EXPECT_EQ(getInstType(0x0100, H), MOVLB);
  EXPECT_EQ(getInstType(0x00FF, H), RESET);
  EXPECT_EQ(getInstType(0x0011, H), RETFIE);
  EXPECT_EQ(getInstType(0x0000, H), NOP);
}

TEST(HarrowValidity, HolesBetweenPatternsAreNotInstructions) {
  for (inst_word w : {0x0002, 0x0015, 0x0016, 0x0023, 0x00E2, 0x00FE, 0xEE40, 0xEEFF}) {
    EXPECT_FALSE(isOpcodeValid(w, H, true)) << std::hex << w;
    EXPECT_FALSE(isOpcodeValid(w, H, false)) << std::hex << w;
  }
}

TEST(HarrowValidity, ExtendedInstructionsNeedExtendedMode) {
  for (inst_word w : {0xE805, 0xE8C5, 0x0014, 0xEB25, 0xEBA5, 0xEA12, 0xE905, 0xE9C5}) {
    EXPECT_TRUE(isOpcodeValid(w, H, true)) << std::hex << w;
    EXPECT_FALSE(isOpcodeValid(w, H, false)) << std::hex << w;
  }
  for (inst_word w : {0x0000, 0x0012, 0xEC00, 0xEE00, 0xC000, 0xF000, 0x6A00}) {
    EXPECT_TRUE(isOpcodeValid(w, H, true)) << std::hex << w;
    EXPECT_TRUE(isOpcodeValid(w, H, false)) << std::hex << w;
  }
}

// Counted by hand from the field widths: 21 byte operations with d and a
// (1024 words each), 9 with a (512), 5 bit operations (4096), 10 literal
// operations and 8 conditional branches (256), BRA and RCALL (2048), 22 fixed
// codes, RETFIE and RETURN (2), the FSR/ULNK pages (2 x 256), WORD2 (4096),
// CALL 512, GOTO 256, LFSR 64, MOVFF 4096, MOVSF and MOVSS 128 each.
TEST(HarrowValidity, NumberOfValidWordsInBothModes) {
  int extended = 0, plain = 0;
  for (unsigned w = 0; w < 0x10000; ++w) {
    extended += isOpcodeValid(inst_word(w), H, true);
    plain += isOpcodeValid(inst_word(w), H, false);
  }
  EXPECT_EQ(extended, 65114);
  // Without extended mode ADDFSR, ADDULNK, SUBFSR, SUBULNK (512 words),
  // PUSHL (256), MOVSF and MOVSS (256) and CALLW (1) drop out.
  EXPECT_EQ(plain, 65114 - 1025);
}

// Rebuilding every valid word from its type and operands gives the word back:
// each bit outside the opcode lies in exactly one operand field.
TEST(HarrowValidity, EveryValidWordRoundTripsThroughTheEncoder) {
  int failures = 0;
  for (unsigned u = 0; u < 0x10000; ++u) {
    inst_word w = inst_word(u);
    if (!isOpcodeValid(w, H, true)) continue;
    int type = getInstType(w, H);
    inst_word again = setInstType(0, type, H);
    for (int n = 0; n < 3; ++n) {
      if (hasOperand(type, H, n)) again = setOperand(again, getOperand(w, H, n), H, n);
    }
    if (again != w && ++failures < 5) ADD_FAILURE() << std::hex << w << " -> " << again;
  }
  EXPECT_EQ(failures, 0);
}

// Words outside every pattern, types the family lacks, operand indexes
// outside 0 to 2.
TEST(HarrowDeath, InternalErrors) {
  EXPECT_DEATH(getInstType(0x0002, H), kInternal);
  EXPECT_DEATH(getOperandOne(0x0002, H), kInternal);
  EXPECT_DEATH(setOperandOne(0xEE40, 1, H), kInternal);
  EXPECT_DEATH(setInstType(0, CLRW, H), kInternal);
  EXPECT_DEATH(hasOperandOne(TRIS, H), kInternal);
  EXPECT_DEATH(hasWord2(BANKSEL, H), kInternal);
  EXPECT_DEATH(getWord2Reloct(PAGESEL, H), kInternal);
  EXPECT_DEATH(getOperandReloct(0, H, 0), kInternal);
  EXPECT_DEATH(getWord2Arg(INST_TYPE_MAX + 1, H), kInternal);
  EXPECT_DEATH(getOperand(0x2785, H, 3), kInternal);
  EXPECT_DEATH(setOperand(0x2785, 0, H, -1), kInternal);
  EXPECT_DEATH(hasOperand(ADDWF, H, 3), kInternal);
  EXPECT_DEATH(getOperandReloct(ADDWF, H, 3), kInternal);
}

}  // namespace
