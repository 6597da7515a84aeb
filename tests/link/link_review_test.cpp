// Review checks of the linker: address bytes of program addresses in
// literals, fast calls, hand-computed placements at bank and access-RAM
// limits, and objects whose section names clash with the linker's own.
#include "tests/link/link_bench.h"

using Review = LinkBench;

namespace {

// An object whose function "farfn" (MOVLW k; RETURN 0) sits in an absolute
// code section at `at`.
int far_function(ObjBuilder &b, uint32_t at, uint8_t k) {
  int far = b.section(".farfn", 1, true, at);
  Asm f;
  f.op(MOVLW, k);
  f.op(RETURN, 0);
  b.code(far, f);
  return (int)b.symbol("farfn", far, 0);
}

// Starts a fresh link with or without start-up code.
void relink(Linker &l, bool startup) {
  link_free(l);
  l = Linker{};
  link_init(l, LinkOptions{PROC_GENERIC_ID, 128, startup});
}

}  // namespace

// The low byte of a program address is the literal of MOVLW, ADDLW and
// PUSHL whatever the address, not a register address limited to 12 bits.
// main calls farfn through CALLW with the three address bytes.
TEST_F(Review, AddressBytesOfAHighProgramAddress) {
  ObjBuilder b;
  int code = b.section(".code", 1);
  uint32_t fn = (uint32_t)far_function(b, 0xA346, 0x2A);
  Asm a;
  b.reloc(code, a.pc(), fn, RELOCT_UPPER);
  a.op(MOVLW, 0);
  a.op(MOVWF, SFR_PCLATU & 0xFF, ACC);
  b.reloc(code, a.pc(), fn, RELOCT_HIGH);
  a.op(MOVLW, 0);
  a.op(MOVWF, SFR_PCLATH & 0xFF, ACC);
  uint32_t low = a.pc();
  b.reloc(code, low, fn, RELOCT_LOW);
  a.op(MOVLW, 0);
  a.op(CALLW);
  a.op(RETURN, 0);
  uint32_t more = a.pc();
  b.reloc(code, more, fn, RELOCT_LOW, 1);
  a.op(PUSHL, 0);
  b.reloc(code, more + 2, fn, RELOCT_LOW, 0x10);
  a.op(ADDLW, 0);
  b.code(code, a);
  b.symbol("main", code, 0);
  add(b, "far.o");
  ASSERT_TRUE(link()) << all_errors();
  uint32_t main_at = addr("main");
  EXPECT_EQ(addr("farfn"), 0xA346u);
  EXPECT_EQ(word(main_at), 0x0E00);          // MOVLW upper 0x00
  EXPECT_EQ(word(main_at + 4), 0x0EA3);      // MOVLW high 0xA3
  EXPECT_EQ(word(main_at + low), 0x0E46);    // MOVLW low 0x46
  EXPECT_EQ(word(main_at + more), 0xEA47);   // PUSHL low(farfn + 1)
  EXPECT_EQ(word(main_at + more + 2), 0x0F56);  // ADDLW low(farfn + 0x10)
  EXPECT_EQ(run(), SIM_HALT_NONZERO);
  EXPECT_EQ(m->result, 0x2A);
}

// A register-field relocation keeps its 12-bit limit and the access rule.
TEST_F(Review, RegisterFieldsStillRejectProgramAddresses) {
  ObjBuilder b = main_returning(0);
  int code = b.section(".code", 1);
  uint32_t fn = (uint32_t)far_function(b, 0x2000, 1);
  Asm a;
  a.op(CLRF, 0, BNK);
  a.op(BSF, 0, 3, ACC);
  b.code(code, a);
  b.reloc(code, 0, fn, RELOCT_LOW);
  b.reloc(code, 2, fn, RELOCT_LOW);
  add(b, "reg.o");
  EXPECT_FALSE(link());
  EXPECT_TRUE(has_error("relocation RELOCT_LOW against 'farfn' in section '.code' of 'reg.o': value 0x2000 out of range"))
      << all_errors();
  EXPECT_EQ(l.errors.size(), 1u) << all_errors();
}

// CALL k, 1 keeps its fast bit when the target is patched in; the second
// word carries the word address's bits 19-8.
TEST_F(Review, FastCallKeepsItsBit) {
  ObjBuilder b;
  int code = b.section(".code", 1);
  uint32_t fn = (uint32_t)far_function(b, 0xA346, 0);
  Asm a;
  b.reloc(code, 0, fn, RELOCT_CALL);
  b.reloc(code, 2, fn, RELOCT_GOTO2);
  a.op(CALL, 0, 1);
  a.op(RETURN, 0);
  b.code(code, a);
  b.symbol("main", code, 0);
  add(b, "fast.o");
  ASSERT_TRUE(link()) << all_errors();
  // 0xA346 / 2 = 0x51A3: low byte 0xA3 with s = 1 in bit 8, then 0xF000 | 0x051.
  EXPECT_EQ(word(addr("main")), 0xEDA3);
  EXPECT_EQ(word(addr("main") + 2), 0xF051);
  EXPECT_EQ(run(), SIM_PASS);
}

// Hand-placed data: a bank-sized section may not cross a bank boundary, a
// larger one may, and neither may use the access RAM 0x060..0x07F.
TEST_F(Review, BankAndAccessLimitsByHand) {
  relink(l, false);
  ObjBuilder b;
  int low = b.section(".low", 3, true, 0x000);
  b.reserve(low, 0x10);
  int one = b.section(".one", 3);
  b.reserve(one, 0x100);
  int big = b.section(".big", 3);
  b.reserve(big, 0x101);
  int small = b.section(".small", 3);
  b.reserve(small, 0x50);
  int acs = b.section(".acs", 3, false, 0, true);
  b.reserve(acs, 0x20);
  add(b, "banks.o");
  ASSERT_TRUE(link()) << all_errors();
  auto at = [&](const char *name) { return l.sections[link_find_section(l, name)].address; };
  EXPECT_EQ(at(".one"), 0x100u);   // 0x010 would cross into bank 1
  EXPECT_EQ(at(".big"), 0x200u);   // 0x010 would run into the access RAM, 0x080 into .one
  EXPECT_EQ(at(".small"), 0x010u);  // fits below the access RAM
  EXPECT_EQ(at(".acs"), 0x060u);
}

TEST_F(Review, AccessRamHoldsThirtyTwoBytes) {
  relink(l, false);
  ObjBuilder b;
  int a1 = b.section(".acs1", 3, false, 0, true);
  b.reserve(a1, 0x20);
  int a2 = b.section(".acs2", 3, false, 0, true);
  b.reserve(a2, 1);
  add(b, "acs.o");
  EXPECT_FALSE(link());
  EXPECT_TRUE(has_error("no room for section '.acs2' (acs.o) of 1 bytes in access memory")) << all_errors();
}

// Objects may use the names the linker gives its own sections; the reset
// vector still jumps to the generated start-up code.
TEST_F(Review, ObjectSectionsNamedLikeTheLinkersOwn) {
  ObjBuilder b = main_returning(0);
  int reset = b.section(".reset", 1);
  Asm n;
  n.op(NOP);
  b.code(reset, n);
  int data = b.section(".startup_data", 3);
  b.reserve(data, 1);
  add(b, "names.o");
  ASSERT_TRUE(link()) << all_errors();
  uint32_t start = addr("__startup");
  EXPECT_EQ(word(0), 0xEF00 | ((start >> 1) & 0xFF));
  EXPECT_EQ(word(2), 0xF000 | (start >> 9));
  EXPECT_EQ(run(), SIM_PASS);
}
