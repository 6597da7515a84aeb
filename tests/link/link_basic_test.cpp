// Linking and running: calls across objects through the generated start-up
// code, initialised data copied at start-up, special function registers as
// link-time symbols, and the map.
#include "sim/symmap.h"
#include "tests/link/link_bench.h"

using LinkRun = LinkBench;

TEST_F(LinkRun, StartupCallsMainAcrossObjects) {
  ObjBuilder mainobj;
  int code = mainobj.section(".code_main", 1);
  uint32_t helper = mainobj.external("helper");
  Asm a;
  a.op(CALL, 0, 0);
  a.op(ADDLW, 1);
  a.op(RETURN, 0);
  mainobj.code(code, a);
  mainobj.reloc(code, 0, helper, RELOCT_CALL);
  mainobj.reloc(code, 2, helper, RELOCT_GOTO2);
  mainobj.symbol("main", code, 0);
  ObjBuilder util;
  int ucode = util.section(".code_util", 1);
  Asm u;
  u.op(MOVLW, 0x29);
  u.op(RETURN, 0);
  util.code(ucode, u);
  util.symbol("helper", ucode, 0);
  add(mainobj, "main.o");
  add(util, "util.o");
  ASSERT_TRUE(link()) << all_errors();
  EXPECT_GE(addr("main"), LINK_CODE_START);
  EXPECT_EQ(run(), SIM_HALT_NONZERO);
  EXPECT_EQ(m->result, 0x2A);
  EXPECT_EQ(sim_fsr(*m, 1), addr("_stack"));
  EXPECT_EQ(sim_fsr(*m, 2), addr("_stack"));
}

TEST_F(LinkRun, InitialisedDataIsCopiedAtStartup) {
  ObjBuilder one = main_returning(0);
  int d1 = one.section(".idata_one", 2);
  one.data(d1, {1, 2, 3});
  one.symbol("three", d1, 0);
  ObjBuilder two;
  int d2 = two.section(".idata_two", 2);
  two.data(d2, {0x55, 0xAA});
  two.symbol("pair", d2, 0);
  int d3 = two.section(".idata_one", 2);  // joins the first object's section
  two.data(d3, {9});
  two.symbol("nine", d3, 0);
  add(one, "one.o");
  add(two, "two.o");
  ASSERT_TRUE(link()) << all_errors();
  EXPECT_EQ(addr("nine"), addr("three") + 3);
  ASSERT_EQ(run(), SIM_PASS);
  uint32_t t = addr("three"), p = addr("pair");
  EXPECT_EQ(m->dm[t], 1);
  EXPECT_EQ(m->dm[t + 1], 2);
  EXPECT_EQ(m->dm[t + 2], 3);
  EXPECT_EQ(m->dm[t + 3], 9);
  EXPECT_EQ(m->dm[p], 0x55);
  EXPECT_EQ(m->dm[p + 1], 0xAA);
  // The table: count, then program address, data address, length per section.
  uint32_t tab = addr("__idata_table");
  EXPECT_EQ(word(tab), 2);
  uint32_t rom = l.image[tab + 2] | l.image[tab + 3] << 8 | l.image[tab + 4] << 16;
  EXPECT_EQ(word(tab + 5), t);
  EXPECT_EQ(word(tab + 7), 4);
  EXPECT_EQ(l.image[rom + 3], 9);
}

TEST_F(LinkRun, SpecialRegistersAreLinkTimeSymbols) {
  ObjBuilder b;
  int code = b.section(".code", 1);
  uint32_t prodl = b.external("PRODL"), postinc1 = b.external("POSTINC1"), wreg = b.external("WREG");
  Asm a;
  a.op(MOVLW, 0x3C);
  a.op(MOVWF, 0, ACC);        // MOVWF PRODL
  a.op(MOVFF, 0, 0);          // MOVFF WREG, POSTINC1
  a.op(RETURN, 0);
  b.code(code, a);
  b.reloc(code, 2, prodl, RELOCT_F);
  b.reloc(code, 4, wreg, RELOCT_FF1);
  b.reloc(code, 6, postinc1, RELOCT_FF2);
  b.symbol("main", code, 0);
  add(b, "sfr.o");
  ASSERT_TRUE(link()) << all_errors();
  uint32_t stack = addr("_stack");
  ASSERT_EQ(run(), SIM_HALT_NONZERO);
  EXPECT_EQ(m->dm[SFR_PRODL], 0x3C);
  EXPECT_EQ(m->dm[stack], 0x3C);
  EXPECT_EQ(sim_fsr(*m, 1), stack + 1);
}

// The register table agrees with the simulator's view of the core.
TEST(LinkSfr, AddressesMatchTheCore) {
  struct { const char *name; unsigned addr; } rows[] = {
      {"TOSU", SFR_TOSU}, {"TOSH", SFR_TOSH}, {"TOSL", SFR_TOSL}, {"TOS", SFR_TOSL}, {"STKPTR", SFR_STKPTR},
      {"PCLATU", SFR_PCLATU}, {"PCLATH", SFR_PCLATH}, {"PCL", SFR_PCL}, {"TBLPTRU", SFR_TBLPTRU},
      {"TBLPTRH", SFR_TBLPTRH}, {"TBLPTRL", SFR_TBLPTRL}, {"TBLPTR", SFR_TBLPTRL}, {"TABLAT", SFR_TABLAT},
      {"PRODH", SFR_PRODH}, {"PRODL", SFR_PRODL}, {"PROD", SFR_PRODL}, {"FSR0H", SFR_FSR0H}, {"FSR0L", SFR_FSR0L},
      {"FSR0", SFR_FSR0L}, {"WREG", SFR_WREG}, {"FSR1H", SFR_FSR1H}, {"FSR1L", SFR_FSR1L}, {"FSR1", SFR_FSR1L},
      {"BSR", SFR_BSR}, {"FSR2H", SFR_FSR2H}, {"FSR2L", SFR_FSR2L}, {"FSR2", SFR_FSR2L}, {"STATUS", SFR_STATUS}};
  for (auto &r : rows) {
    uint32_t a = 0;
    ASSERT_TRUE(link_sfr_address(r.name, a)) << r.name;
    EXPECT_EQ(a, r.addr) << r.name;
  }
  // The fifteen indirect registers: INDFn, POSTINCn, POSTDECn, PREINCn, PLUSWn.
  const char *kinds[] = {"INDF", "POSTINC", "POSTDEC", "PREINC", "PLUSW"};
  const unsigned base[] = {0xFEF, 0xFE7, 0xFDF};
  for (int n = 0; n < 3; ++n)
    for (int k = 0; k < 5; ++k) {
      uint32_t a = 0;
      std::string name = std::string(kinds[k]) + std::to_string(n);
      ASSERT_TRUE(link_sfr_address(name, a)) << name;
      EXPECT_EQ(a, base[n] - k) << name;
    }
  uint32_t a;
  EXPECT_FALSE(link_sfr_address("INTCTL", a));
}

TEST_F(LinkRun, MapListsSectionsAndSymbols) {
  ObjBuilder b = main_returning(0);
  int u = b.section(".udata_m", 3);
  b.reserve(u, 6);
  b.symbol("counter", u, 2, C_EXT, T_INT);
  b.symbol("buffer", u, 4, C_STAT, T_CHAR | DT_ARY << N_TBSHFT);
  add(b, "m.o");
  ASSERT_TRUE(link()) << all_errors();
  std::string text = link_map_text(l, "m.hex");
  std::map<std::string, MapSymbol> syms;
  symmap_parse(text, syms);
  ASSERT_TRUE(syms.count("main") && syms.count("counter") && syms.count("_stack") && syms.count("buffer"));
  EXPECT_TRUE(syms["main"].program);
  EXPECT_EQ(syms["main"].address, addr("main"));
  EXPECT_FALSE(syms["counter"].program);
  EXPECT_EQ(syms["counter"].address, l.sections[link_find_section(l, ".udata_m")].address + 2);
  EXPECT_EQ(syms["counter"].size, 2u);
  EXPECT_EQ(syms["_stack"].size, 128u);
  EXPECT_NE(text.find(".udata_m"), std::string::npos);
  EXPECT_NE(text.find("Device: HR4410K"), std::string::npos);
}
