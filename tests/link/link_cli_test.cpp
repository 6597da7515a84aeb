// End-to-end: objects written with the object writer, linked by the
// harrow-link program and run by the harrow-sim program; exit statuses and
// messages of both for good and bad input.
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <utility>

#include "tests/link/link_bench.h"
#include "tests/support/files_and_commands.h"

namespace {

CommandRun s_run(const std::string &command) { return run_command(command + " 2>&1"); }

std::string s_dir() {
  std::string d = ::testing::TempDir() + "harrow_link_cli_" + std::to_string(getpid());
  mkdir(d.c_str(), 0700);
  return d;
}

bool s_write(const ObjBuilder &b, const std::string &path) {
  coff_file *f = b.build(path.c_str());
  coff_preWrite(f);
  int ok = coff_write(f);
  coff_free(f);
  return ok == 1;
}

// main prints the constant string through the output port, counting the
// characters in an initialised variable, and returns the int 0.
ObjBuilder s_printer() {
  ObjBuilder b;
  int code = b.section(".code_main", 1);
  int id = b.section(".idata_main", 2);
  b.data(id, {0x00, 0x07});
  uint32_t count = b.symbol("count", id, 0, C_EXT, T_UCHAR);
  b.symbol("seven", id, 1, C_EXT, T_UCHAR);
  uint32_t text = b.external("text");
  Asm a;
  b.reloc(code, a.pc(), text, RELOCT_LOW);
  a.op(MOVLW, 0);
  a.op(MOVWF, 0xF6, ACC);
  b.reloc(code, a.pc(), text, RELOCT_HIGH);
  a.op(MOVLW, 0);
  a.op(MOVWF, 0xF7, ACC);
  b.reloc(code, a.pc(), text, RELOCT_UPPER);
  a.op(MOVLW, 0);
  a.op(MOVWF, 0xF8, ACC);
  b.reloc(code, a.pc(), count, RELOCT_MOVLB);
  a.op(MOVLB, 0);
  uint32_t loop = a.op(TBLRDPOSTINC);
  a.op(MOVF, 0xF5, TO_W, ACC);
  uint32_t bz = a.br(BZ, 0);
  a.op(MOVWF, 0xD7, ACC);  // the simulator's output port
  b.reloc(code, a.pc(), count, RELOCT_F);
  a.op(INCF, 0, TO_F, BNK);
  a.br(BRA, loop);
  a.patch(bz, a.pc());
  a.op(CLRF, 0xF3, ACC);  // int result 0 in PRODH:PRODL
  a.op(CLRF, 0xF4, ACC);
  a.op(RETURN, 0);
  b.code(code, a);
  b.symbol("main", code, 0, C_EXT, T_INT | DT_FCN << N_TBSHFT);
  return b;
}

ObjBuilder s_text() {
  ObjBuilder b;
  int rom = b.section(".stringtable", 4);
  b.data(rom, {'H', 'e', 'l', 'l', 'o', '\n', 0});
  b.symbol("text", rom, 0);
  return b;
}

}  // namespace

TEST(LinkCli, LinkAndRunPrograms) {
  std::string d = s_dir();
  ASSERT_TRUE(s_write(s_printer(), d + "/main.o"));
  ASSERT_TRUE(s_write(s_text(), d + "/text.o"));
  CommandRun link = s_run(std::string(HARROW_LINK) + " --startup -o " + d + "/p.hex " + d + "/main.o " + d + "/text.o");
  ASSERT_EQ(link.status, 0) << link.out;
  EXPECT_EQ(link.out, "");
  std::ifstream map(d + "/p.map");
  ASSERT_TRUE(map.good());
  CommandRun sim = s_run(std::string(HARROW_SIM) + " -q -m " + d + "/p.map -d count -d seven " + d + "/p.hex");
  EXPECT_EQ(sim.status, 0) << sim.out;
  EXPECT_EQ(sim.out.substr(0, 6), "Hello\n");
  EXPECT_NE(sim.out.find("count (data 0x"), std::string::npos) << sim.out;
  EXPECT_NE(sim.out.find(", 1 bytes): 06\n"), std::string::npos) << sim.out;
  EXPECT_NE(sim.out.find(", 1 bytes): 07\n"), std::string::npos) << sim.out;
  std::filesystem::remove_all(d);
}

TEST(LinkCli, ErrorsAndExitStatuses) {
  std::string d = s_dir();
  ASSERT_TRUE(s_write(s_printer(), d + "/main.o"));
  CommandRun undefined = s_run(std::string(HARROW_LINK) + " -o " + d + "/u.hex " + d + "/main.o");
  EXPECT_EQ(undefined.status, 1);
  EXPECT_NE(undefined.out.find("harrow-link: error: undefined symbol 'text' referenced in '" + d + "/main.o'"),
            std::string::npos)
      << undefined.out;
  EXPECT_FALSE(std::ifstream(d + "/u.hex").good());
  std::ofstream(d + "/junk.o") << "not an object\n";
  CommandRun junk = s_run(std::string(HARROW_LINK) + " -o " + d + "/j.hex " + d + "/junk.o");
  EXPECT_EQ(junk.status, 2);
  EXPECT_NE(junk.out.find("cannot read object file '" + d + "/junk.o'"), std::string::npos) << junk.out;
  EXPECT_EQ(s_run(std::string(HARROW_LINK)).status, 2);
  CommandRun dev = s_run(std::string(HARROW_LINK) + " -p nosuchchip " + d + "/main.o");
  EXPECT_EQ(dev.status, 2);
  EXPECT_NE(dev.out.find("unknown Harrow device 'nosuchchip'"), std::string::npos);
  EXPECT_EQ(s_run(std::string(HARROW_LINK) + " --stack 0 " + d + "/main.o").status, 2);
  // A symbol file gives external names their addresses; a bad line or file is bad usage.
  const std::pair<const char *, int> files[] = {
      {"# registers\n\ntext 0x123\n", 0}, {"text\n", 2}, {"text 0x1000\n", 2},
      {"text 12 more\n", 2},               {"text zz\n", 2}, {"text -1\n", 2}};
  for (const auto &[text, status] : files) {
    std::ofstream(d + "/s.sym") << text;
    CommandRun given = s_run(std::string(HARROW_LINK) + " --symbols " + d + "/s.sym -o " + d + "/s.hex " + d + "/main.o");
    EXPECT_EQ(given.status, status) << text << given.out;
    if (status) {
      EXPECT_NE(given.out.find("s.sym:1: expected a name and a data address"), std::string::npos) << given.out;
    }
  }
  EXPECT_EQ(s_run(std::string(HARROW_LINK) + " --symbols " + d + "/none.sym " + d + "/main.o").status, 2);
  std::filesystem::remove_all(d);
}

// Configuration bytes arrive as the compiler writes them: one absolute romdata
// section per byte, named after the address and the object, holding one
// static one-byte symbol. The linker puts them at their addresses in the
// configuration space and the image carries them; the simulator reads them
// back as program memory. Two objects that set the same byte overlap.
TEST(LinkCli, ConfigurationBytesReachTheImage) {
  auto config = [](const std::string &object, std::vector<std::pair<uint32_t, uint8_t>> bytes) {
    ObjBuilder b;
    int n = 0;
    for (auto [address, value] : bytes) {
      char name[64];
      snprintf(name, sizeof name, ".config_%x_%s", address, object.c_str());
      int s = b.section(name, 4, true, address);
      b.data(s, {value});
      b.symbol("__config_" + std::to_string(n++), s, 0, C_STAT, T_CHAR);
    }
    return b;
  };
  std::string d = s_dir();
  ASSERT_TRUE(s_write(s_printer(), d + "/main.o"));
  ASSERT_TRUE(s_write(s_text(), d + "/text.o"));
  ASSERT_TRUE(s_write(config("main.o", {{0x300001, 0x22}, {0x300006, 0xC5}}), d + "/cfg.o"));
  CommandRun link = s_run(std::string(HARROW_LINK) + " --startup -p HR4010 -o " + d + "/p.hex " + d + "/main.o " + d +
                       "/text.o " + d + "/cfg.o");
  ASSERT_EQ(link.status, 0) << link.out;
  std::ifstream hex(d + "/p.hex");
  std::string image((std::istreambuf_iterator<char>(hex)), std::istreambuf_iterator<char>());
  EXPECT_NE(image.find(":020000040030CA\n"), std::string::npos) << image;  // upper address 0x0030
  CommandRun sim = s_run(std::string(HARROW_SIM) + " -q -d p:0x300000:8 " + d + "/p.hex");
  EXPECT_EQ(sim.status, 0) << sim.out;
  EXPECT_NE(sim.out.find("0x300000 (program 0x300000, 8 bytes): FF 22 FF FF FF FF C5 FF\n"), std::string::npos)
      << sim.out;

  ASSERT_TRUE(s_write(config("other.o", {{0x300006, 0x85}}), d + "/other.o"));
  CommandRun twice = s_run(std::string(HARROW_LINK) + " -o " + d + "/t.hex " + d + "/main.o " + d + "/text.o " + d +
                        "/cfg.o " + d + "/other.o");
  EXPECT_EQ(twice.status, 1);
  EXPECT_NE(twice.out.find("overlap at 0x300006"), std::string::npos) << twice.out;
  std::filesystem::remove_all(d);
}

// The whole tool chain: a C program with config pragmas is compiled, linked
// with start-up code and run. Its main reads its own oscillator byte with a
// table read and halts with that byte XOR the expected value, so a pass means
// the running program saw the configured byte; the dump shows the whole
// configuration space (erased defaults in the bits no pragma gave, nothing
// where no pragma went).
TEST(LinkCli, CompiledConfigurationBytesReachTheImage) {
  std::string d = s_dir();
  std::ofstream(d + "/prog.c") << "#pragma config OSC=HS, OSCS=OFF\n"
                                  "#pragma config WDT=OFF\n"
                                  "#pragma config XINST=ON, DEBUG=ON\n"
                                  "void main(void)\n{\n  _asm\n"
                                  "    MOVLW 0x30\n    MOVWF TBLPTRU, 0\n    CLRF TBLPTRH, 0\n"
                                  "    MOVLW 0x01\n    MOVWF TBLPTRL, 0\n    TBLRD\n"
                                  "    MOVF TABLAT, 0, 0\n    XORLW 0x22\n"
                                  "  _endasm\n}\n";
  CommandRun cc = s_run("cd " + d + " && " + VELC_COMPILER + " -p HR4010 prog.c");
  ASSERT_EQ(cc.status, 0) << cc.out;
  CommandRun link = s_run(std::string(HARROW_LINK) + " --startup -p HR4010 -o " + d + "/p.hex " + d + "/prog.o");
  ASSERT_EQ(link.status, 0) << link.out;
  std::ifstream map(d + "/p.map");
  std::string text((std::istreambuf_iterator<char>(map)), std::istreambuf_iterator<char>());
  EXPECT_NE(text.find("  .config_300001_prog.o        romdata  0x300001  0x000001  "), std::string::npos)
      << text;
  CommandRun sim = s_run(std::string(HARROW_SIM) + " -q -d p:0x300000:14 " + d + "/p.hex");
  EXPECT_EQ(sim.status, 0) << sim.out;
  // HR4010 defaults: 27 0F 0F 80 85 at 0x300001..6; OSC=HS, OSCS=OFF -> 22;
  // WDT=OFF -> 0E; XINST=ON, DEBUG=ON -> 45.
  EXPECT_EQ(sim.out, "0x300000 (program 0x300000, 14 bytes): FF 22 FF 0E FF FF 45 FF FF FF FF FF FF FF\n");
  std::filesystem::remove_all(d);
}
