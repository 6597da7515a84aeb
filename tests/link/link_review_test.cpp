// Review checks of the linker: address bytes of program addresses in
// literals, fast calls, hand-computed placements at bank and access-RAM
// limits, and objects whose section names clash with the linker's own.
#include <unistd.h>

#include <cstdio>
#include <random>

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

// Object files damaged byte by byte (overwritten bytes, truncation) are read
// and linked to a result or to errors, never to a crash or a stray access.
TEST(ReviewHostile, DamagedObjectFilesGiveErrors) {
  ObjBuilder b = main_returning(0);
  int code = b.section(".code_x", 1);
  Asm a;
  a.op(MOVLW, 1);
  a.op(CALL, 0, 0);
  a.op(BRA, 0);
  b.code(code, a);
  int id = b.section(".idata_longer_name", 2);
  b.data(id, {1, 2, 3, 4});
  uint32_t v = b.symbol("variable_with_long_name", id, 1);
  uint32_t ext = b.external("main");
  b.reloc(code, 0, v, RELOCT_LOW);
  b.reloc(code, 2, ext, RELOCT_CALL);
  b.reloc(code, 4, ext, RELOCT_GOTO2);
  b.reloc(code, 6, ext, RELOCT_BRA);
  b.reloc(id, 3, v, RELOCT_HIGH);
  std::string path = ::testing::TempDir() + "review_hostile_" + std::to_string(getpid()) + ".o";
  coff_file *f = b.build(path.c_str());
  coff_preWrite(f);
  ASSERT_EQ(coff_write(f), 1);
  coff_free(f);
  std::vector<char> good;
  {
    FILE *in = fopen(path.c_str(), "rb");
    ASSERT_NE(in, nullptr);
    char buf[4096];
    size_t n;
    while ((n = fread(buf, 1, sizeof buf, in)) > 0) good.insert(good.end(), buf, buf + n);
    fclose(in);
  }
  ASSERT_GT(good.size(), 100u);
  std::mt19937 rng(4242);
  int unreadable = 0, failed = 0, linked = 0;
  for (int round = 0; round < 400; ++round) {
    std::vector<char> bad = good;
    int edits = 1 + (int)(rng() % 4);
    for (int e = 0; e < edits; ++e) {
      size_t at = rng() % bad.size();
      bad[at] = (char)(rng() % 3 == 0 ? 0xFF : rng());
    }
    if (round % 10 == 0) bad.resize(rng() % bad.size());
    FILE *out = fopen(path.c_str(), "wb");
    ASSERT_NE(out, nullptr);
    fwrite(bad.data(), 1, bad.size(), out);
    fclose(out);
    Linker l;
    link_init(l, LinkOptions{PROC_GENERIC_ID, 64, round % 2 == 0});
    if (!link_add_object(l, path.c_str())) {
      ++unreadable;
      EXPECT_FALSE(l.errors.empty());
    } else if (!link_run(l)) {
      ++failed;
      EXPECT_FALSE(l.errors.empty());
      EXPECT_TRUE(l.image.empty());
    } else {
      ++linked;
      EXPECT_FALSE(l.image.empty());
    }
    EXPECT_NE(link_map_text(l, "x.hex").find("Sections:"), std::string::npos);
    link_free(l);
  }
  remove(path.c_str());
  EXPECT_GT(unreadable + failed, 0);
  EXPECT_GT(linked, 0);
}

// Start-up copies of initial data longer than a bank (a 16-bit count whose
// low byte runs out several times), of exactly a bank, and in access RAM.
TEST_F(Review, StartupCopiesLongInitialData) {
  ObjBuilder b = main_returning(0);
  const uint32_t sizes[] = {0x180, 0x100, 0x11};
  const char *names[] = {".idata_big", ".idata_bank", ".idata_acs"};
  for (int k = 0; k < 3; ++k) {
    int s = b.section(names[k], 2, false, 0, k == 2);
    std::vector<uint8_t> bytes(sizes[k]);
    for (uint32_t i = 0; i < sizes[k]; ++i) bytes[i] = (uint8_t)(i * 7 + 3 + k);
    b.data(s, bytes);
    b.symbol(std::string("d") + std::to_string(k), s, 0);
  }
  add(b, "long.o");
  ASSERT_TRUE(link()) << all_errors();
  EXPECT_EQ(addr("d1") & 0xFF, 0u);  // a whole bank
  uint32_t acs = addr("d2");
  EXPECT_GE(acs, 0x060u);
  EXPECT_LE(acs + 0x11, 0x080u);
  ASSERT_EQ(run(), SIM_PASS);
  for (int k = 0; k < 3; ++k) {
    uint32_t at = addr(std::string("d") + std::to_string(k));
    for (uint32_t i = 0; i < sizes[k]; ++i)
      ASSERT_EQ(m->dm[at + i], (uint8_t)(i * 7 + 3 + k)) << names[k] << " byte " << i;
  }
}
