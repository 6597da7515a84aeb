// The simulator's own decoder against the project's instruction tables:
// every 16-bit word must decode to the same type, with the same register,
// destination, access and bit operands, and the same mnemonic.
#include <gtest/gtest.h>

#include "device/instset.h"
#include "sim/sim.h"

constexpr int HR = INSTSET_HARROW;

TEST(DecodeCrossCheck, EveryWordDecodesAlike) {
  int mismatches = 0, valid = 0;
  for (unsigned w = 0; w < 0x10000; ++w) {
    uint8_t mine = sim_decode_type((uint16_t)w);
    if (!isOpcodeValid((inst_word)w, HR, true)) {
      if (mine != SOP_INVALID && ++mismatches < 10) ADD_FAILURE() << std::hex << w << " valid only here";
      continue;
    }
    ++valid;
    int theirs = getInstType((inst_word)w, HR);
    if (mine != theirs && ++mismatches < 10) ADD_FAILURE() << std::hex << w << ": " << (int)mine << " vs " << theirs;
  }
  EXPECT_EQ(mismatches, 0);
  EXPECT_GT(valid, 60000);
}

TEST(DecodeCrossCheck, NamesAgree) {
  for (int t = 1; t <= INST_TYPE_MAX; ++t) {
    if (!isInstTypeOf(t, HR)) continue;
    EXPECT_STREQ(sim_op_name((uint8_t)t), getInstName(t)) << t;
  }
  EXPECT_EQ(getInstTypeCount(HR), 90);
}

// Byte- and bit-oriented words: f, d/bit and a as both decoders see them.
TEST(DecodeCrossCheck, FileOperandsAgree) {
  SimMachine *m = new SimMachine();
  sim_init(*m, 0);
  int checked = 0;
  for (unsigned w = 0x1000; w < 0xC000; w += 7) {
    if (!isOpcodeValid((inst_word)w, HR, true)) continue;
    int t = getInstType((inst_word)w, HR);
    uint16_t words[2] = {(uint16_t)w, 0xF000};
    sim_load(*m, 0, reinterpret_cast<const uint8_t *>(words), 4);
    SimDecoded d = sim_predecode(*m, 0);
    if (t == MOVFF) {
      EXPECT_EQ(d.arg & 0xFFF, getOperandOne((inst_word)w, HR));
      continue;
    }
    unsigned f = getOperandOne((inst_word)w, HR);
    bool banked = getOperand((inst_word)w, HR, hasOperandThree(t, HR) ? 2 : 1) != 0;
    EXPECT_EQ(d.x == EA_BANKED, banked) << std::hex << w;
    unsigned want = banked || f < 0x60 ? f : f >= 0x80 ? 0xF00 + f : f;
    EXPECT_EQ(d.arg, want) << std::hex << w;
    bool bit_op = t == BCF || t == BSF || t == BTG || t == BTFSC || t == BTFSS;
    if (bit_op) {
      EXPECT_EQ((unsigned)d.y >> 1, getOperandTwo((inst_word)w, HR)) << std::hex << w;
    } else if (hasOperandThree(t, HR)) {
      EXPECT_EQ(d.y & 1u, getOperandTwo((inst_word)w, HR)) << std::hex << w;
    }
    ++checked;
  }
  delete m;
  EXPECT_GT(checked, 3000);
}
