// The shared type numbering, mnemonic lookup, and the families' type sets;
// the older families answer name queries but carry no encodings.
#include <gtest/gtest.h>

#include <string>

#include "device/instset.h"

namespace {

constexpr const char *kInternal = "Internal compiler error";

TEST(InstNames, NumberingIsAlphabeticalWithPseudoInstructionsLast) {
  EXPECT_STREQ(getInstName(1), "ADDFSR");
  EXPECT_STREQ(getInstName(ADDWF), "ADDWF");
  EXPECT_STREQ(getInstName(59), "NOP");
  EXPECT_STREQ(getInstName(101), "TSTFSZ");
  EXPECT_STREQ(getInstName(102), "WORD2");
  EXPECT_STREQ(getInstName(104), "XORWF");
  EXPECT_STREQ(getInstName(105), "BANKSEL");
  EXPECT_STREQ(getInstName(106), "PAGESEL");
  for (int t = 2; t <= 104; ++t) {
    EXPECT_LT(std::string(getInstName(t - 1)), std::string(getInstName(t))) << t;
  }
}

TEST(InstNames, OutOfRangeTypesAreInternalErrors) {
  EXPECT_DEATH(getInstName(0), kInternal);
  EXPECT_DEATH(getInstName(107), kInternal);
  EXPECT_DEATH(getInstName(-1), kInternal);
}

TEST(InstFamilies, TypeCountsPerFamily) {
  EXPECT_EQ(getInstTypeCount(INSTSET_FLINT), 37);
  EXPECT_EQ(getInstTypeCount(INSTSET_GARNET), 61);
  EXPECT_EQ(getInstTypeCount(INSTSET_EMBER), 33);
  EXPECT_EQ(getInstTypeCount(INSTSET_HARROW), 90);
  for (int family = INSTSET_FLINT; family <= INSTSET_HARROW; ++family) {
    int n = 0;
    for (int t = 0; t <= INST_TYPE_MAX + 1; ++t) n += isInstTypeOf(t, family);
    EXPECT_EQ(n, getInstTypeCount(family)) << family;
  }
}

TEST(InstFamilies, MembersThatSetTheFamiliesApart) {
  for (int t : {CLRW, RLF, RRF, OPTION, TRIS}) {
    EXPECT_TRUE(isInstTypeOf(t, INSTSET_FLINT)) << getInstName(t);
    EXPECT_FALSE(isInstTypeOf(t, INSTSET_HARROW)) << getInstName(t);
  }
  for (int t : {OPTION, TRIS, CLRW}) EXPECT_TRUE(isInstTypeOf(t, INSTSET_EMBER));
  for (int t : {LCALL, MOVFP, MOVLR, MOVPF, NEGW, TABLRD, TABLWT, TLRD, TLWT}) {
    EXPECT_TRUE(isInstTypeOf(t, INSTSET_GARNET)) << getInstName(t);
    EXPECT_FALSE(isInstTypeOf(t, INSTSET_HARROW)) << getInstName(t);
  }
  for (int t : {ADDLW, RETURN, SUBLW, RETFIE}) EXPECT_FALSE(isInstTypeOf(t, INSTSET_EMBER));
  for (int t : {MOVFF, LFSR, WORD2, ADDULNK, TBLRDPOSTINC, BRA}) {
    EXPECT_TRUE(isInstTypeOf(t, INSTSET_HARROW)) << getInstName(t);
    EXPECT_FALSE(isInstTypeOf(t, INSTSET_GARNET)) << getInstName(t);
  }
  for (int family = INSTSET_FLINT; family <= INSTSET_HARROW; ++family) {
    EXPECT_FALSE(isInstTypeOf(BANKSEL, family));
    EXPECT_FALSE(isInstTypeOf(PAGESEL, family));
  }
}

TEST(InstMnemonics, LookupIgnoresCaseAndNeedsTheWholeName) {
  int type = 0;
  EXPECT_TRUE(mnemonic2type("addwf", INSTSET_HARROW, &type));
  EXPECT_EQ(type, ADDWF);
  EXPECT_TRUE(mnemonic2type("TblRdPostInc", INSTSET_HARROW, &type));
  EXPECT_EQ(type, TBLRDPOSTINC);
  EXPECT_TRUE(mnemonic2type("TBLRD", INSTSET_HARROW, &type));
  EXPECT_EQ(type, TBLRD);
  type = -7;
  EXPECT_FALSE(mnemonic2type("ADDW", INSTSET_HARROW, &type));
  EXPECT_FALSE(mnemonic2type("ADDWFX", INSTSET_HARROW, &type));
  EXPECT_FALSE(mnemonic2type("", INSTSET_HARROW, &type));
  EXPECT_FALSE(mnemonic2type("banksel", INSTSET_HARROW, &type));
  EXPECT_EQ(type, -7);  // untouched on failure
}

TEST(InstMnemonics, LookupIsPerFamily) {
  int type = 0;
  EXPECT_FALSE(mnemonic2type("clrw", INSTSET_HARROW, &type));
  EXPECT_TRUE(mnemonic2type("clrw", INSTSET_FLINT, &type));
  EXPECT_EQ(type, CLRW);
  EXPECT_TRUE(mnemonic2type("Tris", INSTSET_EMBER, &type));
  EXPECT_EQ(type, TRIS);
  EXPECT_FALSE(mnemonic2type("movff", INSTSET_GARNET, &type));
  EXPECT_TRUE(mnemonic2type("movpf", INSTSET_GARNET, &type));
  EXPECT_EQ(type, MOVPF);
  EXPECT_FALSE(mnemonic2type("addlw", INSTSET_EMBER, &type));
}

TEST(InstFamilies, OlderFamiliesHaveNoSecondWordsAndNoEncodings) {
  EXPECT_FALSE(hasWord2(CALL, INSTSET_FLINT));
  EXPECT_EQ(getWord2Arg(GOTO, INSTSET_GARNET), -1);
  EXPECT_EQ(getWord2Reloct(CALL, INSTSET_EMBER), -1);
  EXPECT_FALSE(isExtendedInst(ADDWF, INSTSET_FLINT));
  EXPECT_FALSE(isRelativeBranch(GOTO, INSTSET_EMBER));
  EXPECT_DEATH(setInstType(0, ADDWF, INSTSET_FLINT), kInternal);
  EXPECT_DEATH(getInstType(0x0000, INSTSET_GARNET), kInternal);
  EXPECT_DEATH(isOpcodeValid(0x0000, INSTSET_EMBER, false), kInternal);
  int size = 0;
  EXPECT_DEATH(disasm(0, 0, 0, &size, INSTSET_FLINT, false), kInternal);
  EXPECT_DEATH(getInstOpcode(ADDWF, INSTSET_GARNET), kInternal);
  EXPECT_DEATH(hasWord2(MOVFF, INSTSET_FLINT), kInternal);  // a type Flint lacks
}

TEST(InstFamilies, UnknownFamilyCodesAreInternalErrors) {
  int type = 0;
  EXPECT_DEATH(mnemonic2type("nop", 0, &type), kInternal);
  EXPECT_DEATH(getInstType(0, 5), kInternal);
  EXPECT_DEATH(hasWord2(CALL, -1), kInternal);
  EXPECT_DEATH(getInstTypeCount(7), kInternal);
  EXPECT_DEATH(isInstTypeOf(NOP, 0), kInternal);
}

}  // namespace
