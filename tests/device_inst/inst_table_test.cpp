// Every Harrow type through the public operations: encode with setInstType
// and the operand setters, decode with getInstType and the getters, the
// operand and second-word facts, the relocation types, and the disassembly.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "device/inst_harrow.h"
#include "device/instset.h"

namespace {

struct HandRow {
  int type;
  uint32_t ops[3];      // operand values put into the first word
  int nops;             // operands the instruction takes
  inst_word word1;      // expected first word
  uint32_t payload;     // second word's operand (WORD2 operand one)
  inst_word word2;      // expected second word, 0 for one-word types
  uint32_t address;     // byte address used for disassembly
  const char *text;     // expected disassembly (extended mode)
  int size;             // expected words
  int r1, r2, rw2;      // relocation types
};

const HandRow kRows[] = {
#include "harrow_rows.inc"
};

constexpr int H = INSTSET_HARROW;

inst_word Encode(const HandRow &r) {
  inst_word w = setInstType(0, r.type, H);
  if (r.nops > 0) w = setOperandOne(w, r.ops[0], H);
  if (r.nops > 1) w = setOperandTwo(w, r.ops[1], H);
  if (r.nops > 2) w = setOperandThree(w, r.ops[2], H);
  return w;
}

TEST(HarrowTable, CoversEveryTypeOfTheFamilyOnce) {
  std::set<int> seen;
  for (const HandRow &r : kRows) {
    EXPECT_TRUE(isInstTypeOf(r.type, H)) << getInstName(r.type);
    seen.insert(r.type);
  }
  EXPECT_EQ(seen.size(), std::size(kRows));
  EXPECT_EQ(int(seen.size()), getInstTypeCount(H));
}

TEST(HarrowTable, DecodesEveryWordAsTheFirstMatchByDescendingOpcode) {
  std::vector<const harrow_row *> rows;
  for (int type = 1; type <= INST_TYPE_MAX; ++type)
    if (const harrow_row *r = harrow_find_row(type))
      rows.push_back(r);
  std::stable_sort(rows.begin(), rows.end(),
                   [](const harrow_row *a, const harrow_row *b) { return a->opcode > b->opcode; });
  int mismatches = 0;
  for (unsigned w = 0; w < 0x10000; ++w) {
    int expected = 0;
    for (const harrow_row *r : rows)
      if ((w & r->fixed) == r->opcode) {
        expected = r->type;
        break;
      }
    mismatches += harrow_decode(inst_word(w)) != expected;
  }
  EXPECT_EQ(mismatches, 0);
}

TEST(HarrowTable, EncodesEveryTypeAndDecodesItBack) {
  for (const HandRow &r : kRows) {
    SCOPED_TRACE(getInstName(r.type));
    inst_word w = Encode(r);
    EXPECT_EQ(w, r.word1);
    EXPECT_EQ(getInstType(r.word1, H), r.type);
    for (int n = 0; n < 3; ++n) {
      uint32_t expect = n < r.nops ? r.ops[n] : 0;
      EXPECT_EQ(getOperand(r.word1, H, n), expect) << "operand " << n;
    }
    EXPECT_EQ(getOperandOne(r.word1, H), r.nops > 0 ? r.ops[0] : 0);
    EXPECT_EQ(getOperandTwo(r.word1, H), r.nops > 1 ? r.ops[1] : 0);
    EXPECT_EQ(getOperandThree(r.word1, H), r.nops > 2 ? r.ops[2] : 0);
  }
}

TEST(HarrowTable, SecondWordsCarryTheirPayloadAsWord2) {
  for (const HandRow &r : kRows) {
    SCOPED_TRACE(getInstName(r.type));
    EXPECT_EQ(hasWord2(r.type, H), r.word2 != 0);
    if (r.word2 == 0) continue;
    inst_word w2 = setOperandOne(setInstType(0, WORD2, H), r.payload, H);
    EXPECT_EQ(w2, r.word2);
    EXPECT_EQ(getInstType(w2, H), WORD2);
    EXPECT_EQ(getOperandOne(w2, H), r.payload);
  }
}

TEST(HarrowTable, OperandPresenceMatchesTheOperandCount) {
  for (const HandRow &r : kRows) {
    SCOPED_TRACE(getInstName(r.type));
    EXPECT_EQ(hasOperandOne(r.type, H), r.nops > 0);
    EXPECT_EQ(hasOperandTwo(r.type, H), r.nops > 1);
    EXPECT_EQ(hasOperandThree(r.type, H), r.nops > 2);
    for (int n = 0; n < 3; ++n) EXPECT_EQ(hasOperand(r.type, H, n), n < r.nops);
  }
}

TEST(HarrowTable, RelocationTypesPerOperandAndSecondWord) {
  for (const HandRow &r : kRows) {
    SCOPED_TRACE(getInstName(r.type));
    EXPECT_EQ(getOperandOneReloct(r.type, H), r.r1);
    EXPECT_EQ(getOperandTwoReloct(r.type, H), r.r2);
    EXPECT_EQ(getOperandThreeReloct(r.type, H), -1);
    EXPECT_EQ(getOperandReloct(r.type, H, 0), r.r1);
    EXPECT_EQ(getOperandReloct(r.type, H, 1), r.r2);
    EXPECT_EQ(getOperandReloct(r.type, H, 2), -1);
    EXPECT_EQ(getWord2Reloct(r.type, H), r.rw2);
  }
}

TEST(HarrowTable, DisassemblesEveryType) {
  for (const HandRow &r : kRows) {
    SCOPED_TRACE(getInstName(r.type));
    int size = -1;
    EXPECT_STREQ(disasm(r.address, r.word1, r.word2, &size, H, true), r.text);
    EXPECT_EQ(size, r.size);
  }
}

// Which operand the second word continues; RCALL, TRAP and TRET answer 0
// although they are one-word instructions.
TEST(HarrowTable, Word2ArgumentOfEveryType) {
  for (const HandRow &r : kRows) {
    SCOPED_TRACE(getInstName(r.type));
    int expect = -1;
    switch (r.type) {
      case CALL: case GOTO: case RCALL: case TRAP: case TRET: expect = 0; break;
      case LFSR: case MOVFF: case MOVSF: case MOVSS: expect = 1; break;
      default: break;
    }
    EXPECT_EQ(getWord2Arg(r.type, H), expect);
  }
}

TEST(HarrowTable, ExtendedSetAndRelativeBranches) {
  const std::set<int> extended = {ADDFSR, ADDULNK, CALLW, MOVSF, MOVSS, PUSHL, SUBFSR, SUBULNK};
  const std::set<int> relative = {BC, BN, BNC, BNN, BNOV, BNZ, BOV, BZ, BRA, RCALL};
  for (const HandRow &r : kRows) {
    SCOPED_TRACE(getInstName(r.type));
    EXPECT_EQ(isExtendedInst(r.type, H), extended.count(r.type) == 1);
    EXPECT_EQ(isRelativeBranch(r.type, H), relative.count(r.type) == 1);
    EXPECT_EQ(isOpcodeValid(r.word1, H, true), true);
    EXPECT_EQ(isOpcodeValid(r.word1, H, false), extended.count(r.type) == 0);
  }
}

}  // namespace
