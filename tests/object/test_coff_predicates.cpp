// Predicates of the object format: the order in which coff_has_aux decides
// an auxiliary kind, section kinds and flags, file-header tests, hexPrint,
// relocation names and the name helpers.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "object/coff.h"

namespace {

coff_syment sym(const char *name, uint32_t type, uint8_t sclass, int scnum = 1, uint8_t numaux = 1) {
  coff_syment s;
  memset(&s, 0, sizeof s);
  memcpy(s.n.n_name, name, std::min<size_t>(strlen(name), 8));
  if (!*name) s.n.n_name[1] = 1;
  s.n_type = type;
  s.n_sclass = sclass;
  s.n_scnum = int16_t(scnum);
  s.n_numaux = numaux;
  return s;
}

constexpr uint32_t FCN = DT_FCN << 5, ARY = DT_ARY << 5, PTR = DT_RAMPTR << 5;

TEST(CoffHasAux, FirstMatchingRuleDecidesTheKind) {
  coff_syment s = sym(".file", ARY | T_STRUCT, C_FILE, -2, 0);
  EXPECT_EQ(coff_has_aux(&s), AUX_NONE);  // no entries at all
  s.n_numaux = 1;
  EXPECT_EQ(coff_has_aux(&s), AUX_FILE);  // storage class before type
  s = sym(".eos", ARY, C_EOS);
  EXPECT_EQ(coff_has_aux(&s), AUX_EOS);
  s = sym("bits", ARY, C_FIELD);
  EXPECT_EQ(coff_has_aux(&s), AUX_FIELD);
  // An array anywhere in the derivations wins over a function first.
  s = sym("f", FCN | (DT_ARY << 8) | T_INT, C_EXT);
  EXPECT_EQ(coff_has_aux(&s), AUX_ARR);
  s = sym("f", FCN | (PTR << 3) | T_STRUCT, C_EXT);
  EXPECT_EQ(coff_has_aux(&s), AUX_FCN);
  // A function only when it is the outermost derivation.
  s = sym("fp", PTR | (DT_FCN << 8) | T_INT, C_EXT);
  EXPECT_EQ(coff_has_aux(&s), AUX_NONE);
  for (const char *name : {".bf", ".bb"}) {
    s = sym(name, T_NULL, C_FCN);
    EXPECT_EQ(coff_has_aux(&s), AUX_BOBF) << name;
  }
  for (const char *name : {".ef", ".eb"}) {
    s = sym(name, T_NULL, C_BLOCK);
    EXPECT_EQ(coff_has_aux(&s), AUX_EOBF) << name;
  }
  s = sym(".bfx", T_NULL, C_FCN);
  EXPECT_EQ(coff_has_aux(&s), AUX_NONE);
  for (uint8_t c : {C_STRTAG, C_UNTAG, C_ENTAG}) {
    s = sym("tag", T_STRUCT, c);
    EXPECT_EQ(coff_has_aux(&s), AUX_TAG);
  }
  for (uint32_t t : {T_STRUCT, T_UNION, T_ENUM}) {
    s = sym("v", PTR | t, C_EXT);
    EXPECT_EQ(coff_has_aux(&s), AUX_VAR);
  }
  s = sym(".code", T_NULL, C_SECTION);
  EXPECT_EQ(coff_has_aux(&s), AUX_SCN);
  s = sym("i", T_INT, C_EXT);
  EXPECT_EQ(coff_has_aux(&s), AUX_NONE);
}

TEST(CoffHasAux, NameComparisonNeedsNoTerminatorAndIgnoresLongNames) {
  coff_syment s = sym(".bf", T_NULL, C_FCN);
  s.n.n_n.n_zeroes = 0;  // a string-table name never counts as ".bf"
  s.n.n_n.n_offset = 4;
  EXPECT_EQ(coff_has_aux(&s), AUX_NONE);
  s = sym("abcdefgh", T_NULL, C_FCN);  // eight characters, no NUL in the field
  EXPECT_EQ(coff_has_aux(&s), AUX_NONE);
}

TEST(CoffSymbols, RelocatableNeedsASectionAndAnAddressClass) {
  for (uint8_t c : {C_EXT, C_STAT, C_LABEL, C_BLOCK, C_FCN}) {
    coff_syment s = sym("a", T_INT, c, 1);
    EXPECT_TRUE(coff_isRelocatable(&s)) << int(c);
    s.n_scnum = 0;
    EXPECT_FALSE(coff_isRelocatable(&s)) << int(c);
    s.n_scnum = -2;
    EXPECT_FALSE(coff_isRelocatable(&s)) << int(c);
  }
  for (uint8_t c : {C_AUTO, C_MOS, C_FILE, C_EOF, C_SECTION}) {
    coff_syment s = sym("a", T_INT, c, 3);
    EXPECT_FALSE(coff_isRelocatable(&s)) << int(c);
  }
  coff_syment deep = sym("a", T_INT | (DT_ARY << (5 + 3 * 8)), C_EXT);  // ninth derivation field
  EXPECT_TRUE(coff_is_array(&deep));
  EXPECT_EQ(coff_derivation(deep.n_type, 8), unsigned(DT_ARY));
  EXPECT_EQ(coff_derivation(deep.n_type, 9), unsigned(DT_NON));
}

TEST(CoffSections, KindsTestTheFlagsInOrder) {
  coff_scnhdr h;
  memset(&h, 0, sizeof h);
  EXPECT_EQ(getScnType(&h), 0);
  h.s_flags = STYP_ACTREC | STYP_DATA_ROM;
  EXPECT_EQ(getScnType(&h), 4);
  h.s_flags = STYP_ACTREC | STYP_ABS;
  EXPECT_EQ(getScnType(&h), 5);
  h.s_flags = STYP_TEXT | STYP_DATA;
  EXPECT_EQ(getScnType(&h), 1);
  h.s_flags = STYP_BSS | STYP_DATA_ROM;
  EXPECT_EQ(getScnType(&h), 3);
}

TEST(CoffSections, SetFlagsCombinesKindAndAttributes) {
  struct Row {
    int kind;
    bool abs, shared, overlay, access;
    uint32_t flags;
  };
  const Row rows[] = {
      {1, false, false, false, false, 0x20},      {2, true, false, false, false, 0x1040},
      {3, false, true, false, false, 0x2080},     {6, true, true, false, false, 0x3080},
      {4, false, false, true, false, 0x4100},     {5, false, false, false, true, 0x18000},
      {2, true, true, true, true, 0xF040},        {0, false, false, false, false, 0},
      {7, false, false, true, false, 0x4000},
  };
  for (const Row &r : rows) {
    coff_scnhdr h;
    memset(&h, 0xff, sizeof h);
    set_scn_flags(&h, r.kind, r.abs, r.shared, r.overlay, r.access);
    EXPECT_EQ(h.s_flags, r.flags) << r.kind;
    EXPECT_EQ(isScnAbs(&h), r.abs);
    EXPECT_EQ(isScnShared(&h), r.shared);
    EXPECT_EQ(isScnOverlay(&h), r.overlay);
    EXPECT_EQ(isScnActRec(&h), r.kind == 5);
  }
}

TEST(CoffFileHeader, StrippedBitsReadInverted) {
  coff_filehdr h{};
  EXPECT_TRUE(coff_hasRelocation(&h));
  EXPECT_TRUE(coff_hasLineNumbers(&h));
  EXPECT_TRUE(coff_hasLocalSymbols(&h));
  EXPECT_FALSE(coff_isExecutable(&h));
  h.f_flags = F_RELFLG | F_EXEC | F_LNNO | F_LSYMS;
  EXPECT_FALSE(coff_hasRelocation(&h));
  EXPECT_FALSE(coff_hasLineNumbers(&h));
  EXPECT_FALSE(coff_hasLocalSymbols(&h));
  EXPECT_TRUE(coff_isExecutable(&h));
}

TEST(CoffText, HexPrintMasksToTheByteCount) {
  EXPECT_STREQ(hexPrint(0x12345678, 1), "0x78");
  EXPECT_STREQ(hexPrint(0x12345678, 2), "0x5678");
  EXPECT_STREQ(hexPrint(0x12345678, 3), "0x345678");
  EXPECT_STREQ(hexPrint(0x12345678, 4), "0x12345678");
  EXPECT_STREQ(hexPrint(0xabcdef0123UL, 4), "0xcdef0123");
  EXPECT_STREQ(hexPrint(5, 4), "0x00000005");
  EXPECT_STREQ(hexPrint(5, 0), "<NaN>");
  EXPECT_STREQ(hexPrint(5, 5), "<NaN>");
  EXPECT_STREQ(hexPrint(5, -1), "<NaN>");
}

TEST(CoffText, RelocationNamesCoverTheSetOnly) {
  EXPECT_STREQ(coff_reloc_name(RELOCT_CALL), "RELOCT_CALL");
  EXPECT_STREQ(coff_reloc_name(RELOCT_CONDBRA), "RELOCT_CONDBRA");
  EXPECT_STREQ(coff_reloc_name(32), "RELOCT_SCNEND_LFSR2");
  for (unsigned t : {0u, 5u, 9u, 11u, 12u, 22u, 24u, 33u, 65535u}) EXPECT_EQ(coff_reloc_name(t), nullptr) << t;
}

TEST(CoffNames, StringTableGrowsAndLookupsStayInside) {
  coff_file *f = coff_create();
  ASSERT_NE(f, nullptr);
  EXPECT_EQ(coff_string_at(f, 4), nullptr);
  EXPECT_EQ(coff_add_string(f, "alpha"), 4u);
  EXPECT_EQ(coff_add_string(f, "alpha"), 10u);  // strings are not shared
  EXPECT_EQ(coff_add_string(f, ""), 16u);
  EXPECT_EQ(coff_string_table_length(f), 17u);
  EXPECT_STREQ(coff_string_at(f, 10), "alpha");
  EXPECT_STREQ(coff_string_at(f, 12), "pha");
  EXPECT_EQ(coff_string_at(f, 17), nullptr);
  EXPECT_EQ(coff_string_at(f, 3), nullptr);
  coff_syment s{};
  char buf[9];
  ASSERT_TRUE(coff_set_symbol_name(f, &s, "seven77"));
  EXPECT_NE(s.n.n_n.n_zeroes, 0u);
  EXPECT_STREQ(coff_symbol_name(f, &s, buf), "seven77");
  ASSERT_TRUE(coff_set_symbol_name(f, &s, "eight888"));
  EXPECT_EQ(s.n.n_n.n_zeroes, 0u);
  EXPECT_EQ(s.n.n_n.n_offset, 17u);
  EXPECT_STREQ(coff_symbol_name(f, &s, buf), "eight888");
  s.n.n_n.n_offset = 5000;
  EXPECT_STREQ(coff_symbol_name(f, &s, buf), "<bad string offset>");
  coff_scnhdr h{};
  ASSERT_TRUE(coff_set_section_name(f, &h, "sixsix"));
  EXPECT_STREQ(coff_section_name(f, &h, buf), "sixsix");
  ASSERT_TRUE(coff_set_section_name(f, &h, "seven77"));
  EXPECT_EQ(h.s_name.n_n.n_zeroes, 0u);
  EXPECT_STREQ(coff_section_name(f, &h, buf), "seven77");
  coff_free(f);
}

}  // namespace
