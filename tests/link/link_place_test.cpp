// Placement rules and every linker error.
#include "tests/link/link_bench.h"

using Place = LinkBench;

TEST_F(Place, SectionsGoWhereTheRulesSay) {
  ObjBuilder b = main_returning(0);
  int u1 = b.section(".u1", 3), u2 = b.section(".u2", 3), big = b.section(".big", 3);
  b.reserve(u1, 200);
  b.reserve(u2, 100);
  b.reserve(big, 300);
  int acs = b.section(".acs", 3, false, 0, true);
  b.reserve(acs, 20);
  int ovl = b.section(".tmpdata", 3, false, 0, false, true);
  b.reserve(ovl, 5);
  int act = b.section(".actrec", 5);
  b.reserve(act, 7);
  int fixed = b.section(".fixed", 3, true, 0x300);
  b.reserve(fixed, 16);
  int rom = b.section(".rom", 4);
  b.data(rom, {1, 2, 3});
  int vec = b.section(".hivec", 1, true, 0x08);
  Asm v;
  v.op(RETFIE, 1);
  b.code(vec, v);
  add(b, "place.o");
  ASSERT_TRUE(link()) << all_errors();
  struct Range { uint32_t lo, hi; std::string name; };
  std::vector<Range> data;
  for (const LinkSection &s : l.sections) {
    SCOPED_TRACE(s.name);
    if (s.in_program()) {
      EXPECT_EQ(s.address % 2, 0u);
      if (!s.absolute) {
        EXPECT_GE(s.address, LINK_CODE_START);
      }
      continue;
    }
    EXPECT_LE(s.address + s.size, l.data_end);
    if (s.size <= 0x100 && s.size) {
      EXPECT_EQ(s.address >> 8, (s.address + s.size - 1) >> 8);
    }
    bool in_window = s.address < LINK_ACCESS_END && s.address + s.size > LINK_ACCESS_START;
    EXPECT_EQ(in_window, s.access);
    if (s.access) {
      EXPECT_GE(s.address, LINK_ACCESS_START);
    }
    for (const Range &r : data) EXPECT_TRUE(s.address >= r.hi || s.address + s.size <= r.lo) << r.name;
    if (s.size) data.push_back(Range{s.address, s.address + s.size, s.name});
  }
  EXPECT_EQ(l.sections[link_find_section(l, ".fixed")].address, 0x300u);
  EXPECT_EQ(word(0x08), 0x0011);  // RETFIE 1 at the high-priority vector
  EXPECT_EQ(word(0x00) & 0xFF00, 0xEF00);  // GOTO to the start-up code
}

TEST_F(Place, OverlaySectionsAreConcatenatedLikeOthers) {
  ObjBuilder a = main_returning(0), b;
  int ta = a.section(".tmpdata", 3, false, 0, false, true);
  a.reserve(ta, 3);
  a.symbol("ta", ta, 0, C_STAT);
  int tb = b.section(".tmpdata", 3, false, 0, false, true);
  b.reserve(tb, 2);
  b.symbol("tb", tb, 0, C_STAT);
  add(a, "a.o");
  add(b, "b.o");
  ASSERT_TRUE(link()) << all_errors();
  int t = link_find_section(l, ".tmpdata");
  EXPECT_EQ(l.sections[t].size, 5u);
  uint32_t x = 0;
  std::string n;
  ASSERT_TRUE(link_symbol_address(l, 1, 0, x, n));
  EXPECT_EQ(n, "tb");
  EXPECT_EQ(x, l.sections[t].address + 3);
}

using Errors = LinkBench;

TEST_F(Errors, UndefinedSymbolNamesSymbolAndObject) {
  ObjBuilder b = main_returning(0);
  int code = b.section(".more", 1);
  Asm a;
  a.op(CALL, 0, 0);
  a.op(CALL, 0, 0);
  b.code(code, a);
  uint32_t missing = b.external("missing_fn");
  b.reloc(code, 0, missing, RELOCT_CALL);
  b.reloc(code, 4, missing, RELOCT_CALL);
  add(b, "user.o");
  EXPECT_FALSE(link());
  EXPECT_EQ(l.errors.size(), 1u) << all_errors();
  EXPECT_TRUE(has_error("undefined symbol 'missing_fn' referenced in 'user.o'")) << all_errors();
  EXPECT_TRUE(l.image.empty());
}

TEST_F(Errors, MultiplyDefinedSymbol) {
  add(main_returning(1), "first.o");
  add(main_returning(2, ".code_other"), "second.o");
  EXPECT_FALSE(link());
  EXPECT_TRUE(has_error("symbol 'main' is defined in both 'first.o' and 'second.o'")) << all_errors();
}

TEST_F(Errors, OverlappingAbsoluteSections) {
  ObjBuilder a = main_returning(0), b;
  int s1 = a.section(".abs1", 3, true, 0x200);
  a.reserve(s1, 0x10);
  int s2 = b.section(".abs2", 3, true, 0x20F);
  b.reserve(s2, 4);
  int c1 = b.section(".abs3", 1, true, 0x02);  // runs into the start-up GOTO at 0
  Asm x;
  x.op(NOP);
  b.code(c1, x);
  add(a, "a.o");
  add(b, "b.o");
  EXPECT_FALSE(link());
  EXPECT_TRUE(has_error("sections '.abs1' (a.o) and '.abs2' (b.o) overlap at 0x00020F")) << all_errors();
  EXPECT_TRUE(has_error("sections '.abs3' (b.o) and '.reset' (<linker>) overlap at 0x000002")) << all_errors();
}

TEST_F(Errors, OutOfRangeRelocations) {
  ObjBuilder b = main_returning(0);
  int code = b.section(".far", 1);
  int u = b.section(".udata", 3);
  b.reserve(u, 1);
  uint32_t var = b.symbol("var", u, 0);
  int away = b.section(".away", 1, true, 0x4000);
  Asm f;
  f.op(RETURN, 0);
  b.code(away, f);
  uint32_t distant = b.symbol("distant", away, 0);
  uint32_t wild = b.symbol("wild", away, 0x7FFFC000u);  // at 0x80000000
  Asm a;
  a.op(BRA, 0);            // a value that is no address at all
  a.op(BZ, 0);             // 0x4000 is beyond an 8-bit displacement
  a.op(MOVWF, 0, ACC);     // var is not in the access bank
  a.op(MOVFF, 0, 0);       // a program address is no data address
  a.op(CALL, 0, 0);        // odd target
  b.code(code, a);
  b.reloc(code, 0, wild, RELOCT_BRA);
  b.reloc(code, 2, distant, RELOCT_CONDBRA);
  b.reloc(code, 4, var, RELOCT_F);
  b.reloc(code, 6, distant, RELOCT_FF1);
  b.reloc(code, 10, distant, RELOCT_CALL, 1);
  add(b, "range.o");
  EXPECT_FALSE(link());
  EXPECT_TRUE(has_error("relocation RELOCT_CONDBRA against 'distant' in section '.far' of 'range.o': value 0x4000 out of range"))
      << all_errors();
  EXPECT_TRUE(has_error("relocation RELOCT_F against 'var'")) << all_errors();
  EXPECT_TRUE(has_error("relocation RELOCT_FF1 against 'distant'")) << all_errors();
  EXPECT_TRUE(has_error("relocation RELOCT_CALL against 'distant' in section '.far' of 'range.o': value 0x4001"))
      << all_errors();
  EXPECT_TRUE(has_error("relocation RELOCT_BRA against 'wild' in section '.far' of 'range.o': value 0x80000000 out of range"))
      << all_errors();
  EXPECT_EQ(l.errors.size(), 5u) << all_errors();
}

TEST_F(Errors, BranchDisplacementLimits) {
  // BRA reaches 1023 words ahead; 1024 is one too far.
  for (int words : {1023, 1024}) {
    link_free(l);
    l = Linker{};
    link_init(l, LinkOptions{PROC_GENERIC_ID, 128, false});
    ObjBuilder b;
    int code = b.section(".code", 1);
    Asm a;
    a.op(BRA, 0);
    for (int i = 0; i < words; ++i) a.op(NOP);
    uint32_t target = b.symbol("target", code, a.pc(), C_LABEL);
    a.op(NOP);
    b.code(code, a);
    b.reloc(code, 0, target, RELOCT_BRA);
    add(b, "bra.o");
    EXPECT_EQ(link(), words == 1023) << all_errors();
  }
}

TEST_F(Errors, NoRoomKindClashAndBadPlacement) {
  ObjBuilder a = main_returning(0), b;
  int acs = a.section(".acs", 3, false, 0, true);
  a.reserve(acs, 40);  // the access RAM has 32 bytes
  int k1 = a.section(".shared", 3);
  a.reserve(k1, 1);
  int k2 = b.section(".shared", 2);
  b.data(k2, {1});
  int outside = b.section(".outside", 4, true, 0x10000);  // past 64 KiB of program memory
  b.data(outside, {1, 2});
  add(a, "a.o");
  add(b, "b.o");
  EXPECT_FALSE(link());
  EXPECT_TRUE(has_error("no room for section '.acs' (a.o) of 40 bytes in access memory")) << all_errors();
  EXPECT_TRUE(has_error("section '.shared' is idata in 'b.o' but udata in 'a.o'")) << all_errors();
  EXPECT_TRUE(has_error("section '.outside' (b.o) at 0x010000 lies outside program memory")) << all_errors();
}

TEST_F(Errors, SectionRelocationNeedsASectionAndStartupNeedsMain) {
  ObjBuilder b;
  int code = b.section(".code", 1);
  Asm a;
  a.op(MOVLW, 0);
  b.code(code, a);
  b.reloc(code, 0, b.external(".nosuch"), RELOCT_SCNSZ_LOW);
  b.reloc(code, 4, b.external(".nosuch"), RELOCT_LOW);  // past the end of the section
  add(b, "s.o");
  EXPECT_FALSE(link());
  EXPECT_TRUE(has_error("no section named '.nosuch'")) << all_errors();
  EXPECT_TRUE(has_error("offset outside the section's contents")) << all_errors();
  link_free(l);
  l = Linker{};
  link_init(l, LinkOptions{PROC_GENERIC_ID, 128, true});
  ObjBuilder nomain;
  int c = nomain.section(".code", 1);
  nomain.code(c, a);
  add(nomain, "n.o");
  EXPECT_FALSE(link());
  EXPECT_TRUE(has_error("undefined symbol 'main' referenced by the start-up code")) << all_errors();
}

TEST_F(Errors, SmallDeviceHasLessRoom) {
  // A device with one bank of data memory cannot hold a 300-byte section.
  int small = 0;
  for (int id = 1; id <= PROC_COUNT && !small; ++id)
    if (getInstSet(id) == INSTSET_HARROW && supports_extended_mode(id) && getDataLocations(id) <= 512 &&
        getProgramLocations(id) > 0)
      small = id;
  ASSERT_NE(small, 0);
  link_init(l, LinkOptions{small, 16, true});
  ObjBuilder b = main_returning(0);
  int u = b.section(".u", 3);
  b.reserve(u, 600);
  add(b, "s.o");
  EXPECT_FALSE(link());
  EXPECT_TRUE(has_error("no room for section '.u' (s.o) of 600 bytes in data memory")) << all_errors();
}
