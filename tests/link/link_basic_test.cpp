// Linking and running: initialised data copied at start-up, special
// function registers as link-time symbols, and the map. (Calls across
// objects through the start-up code are what every execution program does.)
#include "sim/symmap.h"
#include "tests/link/link_bench.h"

using LinkRun = LinkBench;

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
  // The peripheral registers and their bit-field views share an address.
  struct { const char *name; unsigned addr; } peripherals[] = {
      {"PORTA", 0xF80}, {"PORTAbits", 0xF80}, {"TRISE", 0xF8E}, {"TMR3H", 0xF9B}, {"ADRESH", 0xFB2},
      {"DEBUGOUT", 0xFD7}, {"STATUSbits", 0xFD8}, {"INTCONbits", 0xFF2}, {"INTCON3", 0xFF0}};
  for (auto &r : peripherals) {
    ASSERT_TRUE(link_sfr_address(r.name, a)) << r.name;
    EXPECT_EQ(a, r.addr) << r.name;
  }
  EXPECT_FALSE(link_sfr_address("PORTF", a));
  EXPECT_FALSE(link_sfr_address("WREGbits", a));
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

// Uninitialised data starts at zero whatever the fill pattern: udata (a run
// longer than 256 bytes included), temporary data, access RAM and an absolute
// section; an absolute section outside the device's RAM, the stack and the
// idata copies are not cleared. main sees TBLPTRU and PCLATU at 0 although the
// initialisation table lies above 64 KiB.
TEST_F(LinkRun, StartupClearsUninitialisedDataBeforeCopying) {
  int big = 0;
  ASSERT_TRUE(convertDvsProcName("HR6810K", &big));
  link_init(l, LinkOptions{big, 64, true});
  ObjBuilder b;
  int code = b.section(".code_main", 1);
  int u = b.section(".udata_m", 3), t = b.section(".tmpdata", 6), acc = b.section(".udata_acs", 3, false, 0, true);
  int fixed = b.section(".udata_fixed", 3, true, 0x900), idata = b.section(".idata_m", 2);
  int rom = b.section(".romdata_big", 4);
  b.reserve(u, 300);
  b.reserve(t, 3);
  b.reserve(acc, 5);
  b.reserve(fixed, 2);
  b.data(idata, {7, 8});
  b.data(rom, std::vector<uint8_t>(70000, 0x11));
  b.symbol("big", u, 0);
  b.symbol("tmp", t, 0);
  b.symbol("acs", acc, 0);
  b.symbol("fixed", fixed, 0);
  b.symbol("init", idata, 0);
  Asm a;  // main: MOVFF TBLPTRU, 0x800; MOVFF PCLATU, 0x801; RETLW 0
  a.op(MOVFF, SFR_TBLPTRU, 0x800);
  a.op(MOVFF, SFR_PCLATU, 0x801);
  a.op(RETLW, 0);
  b.code(code, a);
  b.symbol("main", code, 0, C_EXT, T_UCHAR | DT_FCN << N_TBSHFT);
  ObjBuilder outside;  // the device has 3968 bytes of RAM: 0xF90 lies in its registers
  outside.reserve(outside.section(".udata_io", 3, true, 0xF90), 2);
  add(b, "m.o");
  add(outside, "io.o");
  ASSERT_TRUE(link()) << all_errors();
  ASSERT_GT(addr("__idata_table"), 0xFFFFu);
  ASSERT_EQ(run(), SIM_PASS);
  for (const char *name : {"big", "tmp", "acs", "fixed"}) {
    uint32_t s = addr(name);
    uint32_t size = std::string(name) == "big" ? 300 : std::string(name) == "acs" ? 5 : 2;
    for (uint32_t i = 0; i < size; ++i) ASSERT_EQ(m->dm[s + i], 0) << name << "+" << i;
  }
  EXPECT_EQ(m->dm[0xF90], 0xA5);
  EXPECT_EQ(m->dm[0xF91], 0xA5);
  EXPECT_EQ(m->dm[addr("init")], 7);
  EXPECT_EQ(m->dm[addr("init") + 1], 8);
  EXPECT_EQ(m->dm[0x800], 0);
  EXPECT_EQ(m->dm[0x801], 0);
  EXPECT_EQ(m->dm[addr("_stack") + 8], 0xA5);  // the stack is not cleared
}

// main's result ends the run: success exactly when every byte of it is 0, its
// width read from the type of main's symbol (W, PRODH:PRODL or __RETVAL0).
TEST_F(LinkRun, MainResultDecidesTheOutcome) {
  struct Row {
    uint32_t type;    // type word of main; 0: none
    uint8_t w;        // WREG at return
    uint16_t prod;    // PRODH:PRODL at return
    uint32_t retval;  // __RETVAL0 at return
    SimOutcome expect;
  } rows[] = {
      {T_INT, 0, 0x0100, 0, SIM_HALT_NONZERO},   // 256 does not pass for 0
      {T_UINT, 0, 0x0001, 0, SIM_HALT_NONZERO},
      {T_INT, 5, 0, 7, SIM_PASS},                // W and __RETVAL0 do not count
      {T_VOID, 7, 0, 0, SIM_HALT_NONZERO},      // void: W as main left it
      {T_VOID, 0, 3, 3, SIM_PASS},
      {T_UCHAR, 0, 1, 1, SIM_PASS},
      {T_CHAR, 3, 0, 0, SIM_HALT_NONZERO},
      {T_LONG, 0, 0, 0x01000000, SIM_HALT_NONZERO},
      {T_ULONG, 9, 1, 0, SIM_PASS},
      {T_SLONG, 0, 0, 0xFF000000, SIM_PASS},     // 24 bits: the fourth byte is not part of it
      {T_USLONG, 0, 0, 0x00010000, SIM_HALT_NONZERO},
      {0, 0, 1, 1, SIM_PASS},                    // no type: W as main left it
      {0, 2, 0, 0, SIM_HALT_NONZERO},
  };
  for (const Row &r : rows) {
    SCOPED_TRACE(testing::Message() << "type " << r.type << " W " << (int)r.w << " PROD " << r.prod << " RETVAL "
                                    << r.retval);
    link_free(l);
    l = Linker{};
    link_init(l, LinkOptions{PROC_GENERIC_ID, 128, true});
    ObjBuilder b;
    int code = b.section(".code_main", 1);
    uint32_t retval = b.external("__RETVAL0");
    Asm a;
    uint32_t lfsr = a.op(LFSR, 0, 0);
    for (int i = 0; i < 4; ++i) {
      a.op(MOVLW, (r.retval >> (8 * i)) & 0xFF);
      a.op(MOVWF, 0xEE, ACC);  // POSTINC0
    }
    a.op(MOVLW, r.prod & 0xFF);
    a.op(MOVWF, 0xF3, ACC);
    a.op(MOVLW, r.prod >> 8);
    a.op(MOVWF, 0xF4, ACC);
    a.op(MOVLW, r.w);
    a.op(RETURN, 0);
    b.code(code, a);
    b.reloc(code, lfsr, retval, RELOCT_LFSR1);
    b.reloc(code, lfsr + 2, retval, RELOCT_LFSR2);
    b.symbol("main", code, 0, C_EXT, r.type ? (r.type | DT_FCN << N_TBSHFT) : 0);
    add(b, "m.o");
    ASSERT_TRUE(link()) << all_errors();
    EXPECT_EQ(run(), r.expect);
  }
}
