// End-to-end: objects written with the object writer, linked by the
// harrow-link program and run by the harrow-sim program; exit statuses and
// messages of both for good and bad input.
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "tests/link/link_bench.h"

namespace {

struct Outcome {
  int status;
  std::string out;
};

Outcome s_run(const std::string &command) {
  Outcome r{-1, ""};
  FILE *p = popen((command + " 2>&1").c_str(), "r");
  if (!p) return r;
  char buf[256];
  while (fgets(buf, sizeof buf, p)) r.out += buf;
  int st = pclose(p);
  r.status = WIFEXITED(st) ? WEXITSTATUS(st) : -1;
  return r;
}

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
  Outcome link = s_run(std::string(HARROW_LINK) + " --startup -o " + d + "/p.hex " + d + "/main.o " + d + "/text.o");
  ASSERT_EQ(link.status, 0) << link.out;
  EXPECT_EQ(link.out, "");
  std::ifstream map(d + "/p.map");
  ASSERT_TRUE(map.good());
  Outcome sim = s_run(std::string(HARROW_SIM) + " -q -m " + d + "/p.map -d count -d seven " + d + "/p.hex");
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
  Outcome undefined = s_run(std::string(HARROW_LINK) + " -o " + d + "/u.hex " + d + "/main.o");
  EXPECT_EQ(undefined.status, 1);
  EXPECT_NE(undefined.out.find("harrow-link: error: undefined symbol 'text' referenced in '" + d + "/main.o'"),
            std::string::npos)
      << undefined.out;
  EXPECT_FALSE(std::ifstream(d + "/u.hex").good());
  std::ofstream(d + "/junk.o") << "not an object\n";
  Outcome junk = s_run(std::string(HARROW_LINK) + " -o " + d + "/j.hex " + d + "/junk.o");
  EXPECT_EQ(junk.status, 2);
  EXPECT_NE(junk.out.find("cannot read object file '" + d + "/junk.o'"), std::string::npos) << junk.out;
  EXPECT_EQ(s_run(std::string(HARROW_LINK)).status, 2);
  Outcome dev = s_run(std::string(HARROW_LINK) + " -p nosuchchip " + d + "/main.o");
  EXPECT_EQ(dev.status, 2);
  EXPECT_NE(dev.out.find("unknown Harrow device 'nosuchchip'"), std::string::npos);
  EXPECT_EQ(s_run(std::string(HARROW_LINK) + " --stack 0 " + d + "/main.o").status, 2);
  std::filesystem::remove_all(d);
}
