// Every relocation type: the patched fields checked against the placed
// addresses (decoded with the project's instruction tables), and a program
// that uses them run in the simulator.
#include "tests/link/link_bench.h"

using Reloc = LinkBench;

namespace {

// One object with data, constants, a far function and code that refers to
// them through every relocation type of instruction words.
struct RelocProgram {
  ObjBuilder b;
  int code, udata, acs, rom, far;
  std::map<std::string, uint32_t> at;  // offsets of interesting words in .code
  RelocProgram() {
    code = b.section(".code", 1);
    udata = b.section(".udata", 3);
    b.reserve(udata, 8);
    acs = b.section(".acs", 3, false, 0, true);
    b.reserve(acs, 2);
    rom = b.section(".rom", 4);
    b.data(rom, {0x11, 0x22, 0x33, 0x44, 0x55});
    far = b.section(".far", 1, true, 0x1000);
    Asm f;
    f.op(MOVLW, 0x77);
    f.op(RETURN, 0);
    b.code(far, f);
  }
  uint32_t sym(const std::string &name, int section, uint32_t off, uint8_t sclass = C_EXT) {
    return b.symbol(name, section, off, sclass);
  }
};

}  // namespace

TEST_F(Reloc, EveryInstructionRelocationRunsAndPatches) {
  RelocProgram p;
  ObjBuilder &b = p.b;
  uint32_t v1 = p.sym("v1", p.udata, 0), v2 = p.sym("v2", p.udata, 1), v3 = p.sym("v3", p.udata, 2);
  uint32_t v4 = p.sym("v4", p.udata, 3), v5 = p.sym("v5", p.udata, 4), v6 = p.sym("v6", p.udata, 5);
  uint32_t a1 = p.sym("a1", p.acs, 0), konst = p.sym("konst", p.rom, 0), farfn = p.sym("farfn", p.far, 0);
  uint32_t romscn = b.external(".rom"), udscn = b.external(".udata");
  Asm a;
  auto here = [&](const char *name) { p.at[name] = a.pc(); };
  auto rel = [&](uint32_t sym, uint16_t type, int16_t add = 0) { b.reloc(p.code, a.pc(), sym, type, add); };
  here("movlb"); rel(v1, RELOCT_MOVLB); a.op(MOVLB, 0);
  a.op(MOVLW, 0x5A);
  here("movwf"); rel(v1, RELOCT_F); a.op(MOVWF, 0, BNK);
  here("movff"); rel(v1, RELOCT_FF1); a.op(MOVFF, 0, 0);
  b.reloc(p.code, a.pc() - 2, v2, RELOCT_FF2);
  here("acs"); rel(a1, RELOCT_F); a.op(MOVWF, 0, ACC);
  here("lfsr"); rel(v2, RELOCT_LFSR1); a.op(LFSR, 0, 0);
  b.reloc(p.code, a.pc() - 2, v2, RELOCT_LFSR2);
  a.op(INCF, 0xEF, TO_F, ACC);  // INCF INDF0: v2 = 0x5B
  here("low"); rel(konst, RELOCT_LOW, 2); a.op(MOVLW, 0);
  a.op(MOVWF, 0xF6, ACC);
  here("high"); rel(konst, RELOCT_HIGH, 2); a.op(MOVLW, 0);
  a.op(MOVWF, 0xF7, ACC);
  here("upper"); rel(konst, RELOCT_UPPER, 2); a.op(MOVLW, 0);
  a.op(MOVWF, 0xF8, ACC);
  a.op(TBLRD);
  rel(v3, RELOCT_FF2, 0); a.op(MOVFF, SFR_TABLAT, 0);  // the relocation patches the second word
  b.secs[p.code - 1].relocs.back().r_vaddr += 2;
  here("call"); rel(farfn, RELOCT_CALL); a.op(CALL, 0, 0);
  b.reloc(p.code, a.pc() - 2, farfn, RELOCT_GOTO2);
  a.op(MOVFF, SFR_WREG, 0);
  b.reloc(p.code, a.pc() - 2, v4, RELOCT_FF2);
  here("bnz"); uint32_t skip = b.symbol("skip", p.code, 0, C_LABEL); rel(skip, RELOCT_CONDBRA); a.op(BNZ, 0);
  a.op(MOVLW, 0xEE);
  b.syms[skip].value = a.pc();
  here("rcall"); uint32_t sub = b.symbol("sub", p.code, 0, C_LABEL); rel(sub, RELOCT_BRA); a.op(RCALL, 0);
  here("bra"); uint32_t after = b.symbol("after", p.code, 0, C_LABEL); rel(after, RELOCT_BRA); a.op(BRA, 0);
  b.syms[sub].value = a.pc();
  a.op(MOVLW, 0x42);
  a.op(RETURN, 0);
  b.syms[after].value = a.pc();
  a.op(MOVFF, SFR_WREG, 0);
  b.reloc(p.code, a.pc() - 2, v5, RELOCT_FF2);
  here("szlow"); rel(romscn, RELOCT_SCNSZ_LOW); a.op(MOVLW, 0);
  here("szhigh"); rel(romscn, RELOCT_SCNSZ_HIGH); a.op(MOVLW, 0);
  here("szupper"); rel(romscn, RELOCT_SCNSZ_UPPER); a.op(MOVLW, 0);
  here("endhigh"); rel(udscn, RELOCT_SCNEND_HIGH); a.op(MOVLW, 0);
  here("endupper"); rel(udscn, RELOCT_SCNEND_UPPER); a.op(MOVLW, 0);
  here("endlow"); rel(udscn, RELOCT_SCNEND_LOW); a.op(MOVLW, 0);
  a.op(MOVFF, SFR_WREG, 0);
  b.reloc(p.code, a.pc() - 2, v6, RELOCT_FF2);
  here("endlfsr"); rel(udscn, RELOCT_SCNEND_LFSR1); a.op(LFSR, 0, 0);
  b.reloc(p.code, a.pc() - 2, udscn, RELOCT_SCNEND_LFSR2);
  here("goto"); uint32_t done = b.symbol("done", p.code, 0, C_LABEL); rel(done, RELOCT_GOTO); a.op(GOTO, 0);
  b.reloc(p.code, a.pc() - 2, done, RELOCT_GOTO2);
  a.op(STOP);
  b.syms[done].value = a.pc();
  a.op(MOVLW, 0);
  a.op(RETURN, 0);
  b.code(p.code, a);
  b.symbol("main", p.code, 0);
  add(b, "reloc.o");
  ASSERT_TRUE(link()) << all_errors();

  uint32_t base = addr("main"), u = addr("v1"), ud_end = u + 7;
  auto w = [&](const char *name, int n = 0) { return word(base + p.at[name] + 2 * n); };
  EXPECT_EQ(getOperandOne(w("movlb"), HR), u >> 8);
  EXPECT_EQ(getOperandOne(w("movwf"), HR), u & 0xFF);
  EXPECT_EQ(getOperandOne(w("movff"), HR), u);
  EXPECT_EQ(getOperandOne(w("movff", 1), HR), u + 1);
  EXPECT_EQ(getOperandOne(w("acs"), HR), addr("a1"));
  EXPECT_GE(addr("a1"), LINK_ACCESS_START);
  EXPECT_EQ(getOperandTwo(w("lfsr"), HR) << 8 | getOperandOne(w("lfsr", 1), HR), u + 1);
  uint32_t k = addr("konst") + 2;
  EXPECT_EQ(getOperandOne(w("low"), HR), k & 0xFF);
  EXPECT_EQ(getOperandOne(w("high"), HR), (k >> 8) & 0xFF);
  EXPECT_EQ(getOperandOne(w("upper"), HR), k >> 16);
  EXPECT_EQ((getOperandOne(w("call", 1), HR) << 8 | getOperandOne(w("call"), HR)) * 2, 0x1000u);
  EXPECT_EQ(getOperandOne(w("szlow"), HR), 5u);
  EXPECT_EQ(getOperandOne(w("szhigh"), HR), 0u);
  EXPECT_EQ(getOperandOne(w("szupper"), HR), 0u);
  EXPECT_EQ(getOperandOne(w("endlow"), HR), ud_end & 0xFF);
  EXPECT_EQ(getOperandOne(w("endhigh"), HR), ud_end >> 8);
  EXPECT_EQ(getOperandOne(w("endupper"), HR), 0u);
  EXPECT_EQ(getOperandTwo(w("endlfsr"), HR) << 8 | getOperandOne(w("endlfsr", 1), HR), ud_end);

  ASSERT_EQ(run(), SIM_PASS) << sim_outcome_text(m->outcome) << " at " << std::hex << m->outcome_pc;
  EXPECT_EQ(m->dm[u], 0x5A);
  EXPECT_EQ(m->dm[u + 1], 0x5B);
  EXPECT_EQ(m->dm[addr("a1")], 0x5A);
  EXPECT_EQ(m->dm[u + 2], 0x33);  // konst[2] through the table pointer
  EXPECT_EQ(m->dm[u + 3], 0x77);  // far call result
  EXPECT_EQ(m->dm[u + 4], 0x42);  // BNZ taken, RCALL, BRA over the subroutine
  EXPECT_EQ(m->dm[u + 5], ud_end & 0xFF);
  EXPECT_EQ(sim_fsr(*m, 0), ud_end);
}

TEST_F(Reloc, DataRelocationsInConstantsAndInitialisedData) {
  ObjBuilder b = main_returning(0);
  int cfg = b.section(".config", 4, true, 0x300000);
  b.data(cfg, {0x3C, 0x1E, 0x00, 0x00, 0x81});
  uint32_t target = b.symbol("target", cfg, 4);
  int u = b.section(".udata", 3);
  b.reserve(u, 4);
  uint32_t var = b.symbol("var", u, 3);
  int rom = b.section(".ptrs", 4);
  b.data(rom, {0, 0, 0, 0});
  b.reloc(rom, 0, target, RELOCT_LOW);
  b.reloc(rom, 1, target, RELOCT_HIGH);
  b.reloc(rom, 2, target, RELOCT_UPPER);
  b.reloc(rom, 3, b.external(".udata"), RELOCT_SCNSZ_LOW);
  b.symbol("ptrs", rom, 0);
  int id = b.section(".idata", 2);
  b.data(id, {0, 0, 0x99});
  b.reloc(id, 0, var, RELOCT_LOW);
  b.reloc(id, 1, var, RELOCT_HIGH, 0x100);
  b.symbol("init", id, 0);
  add(b, "data.o");
  ASSERT_TRUE(link()) << all_errors();
  uint32_t p = addr("ptrs");
  EXPECT_EQ(l.image[p], 0x04);
  EXPECT_EQ(l.image[p + 1], 0x00);
  EXPECT_EQ(l.image[p + 2], 0x30);
  EXPECT_EQ(l.image[0x300004], 0x81);
  EXPECT_EQ(l.image[p + 3], 4);
  ASSERT_EQ(run(), SIM_PASS);
  uint32_t v = addr("var"), i = addr("init");
  EXPECT_EQ(m->dm[i], v & 0xFF);
  EXPECT_EQ(m->dm[i + 1], ((v + 0x100) >> 8) & 0xFF);
  EXPECT_EQ(m->dm[i + 2], 0x99);
}
