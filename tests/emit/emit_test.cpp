// End-to-end checks of single facts of the objects the compiler writes, read
// back with the project's reader: entries of functions, static locals and
// externals, the header for a named device and the time stamp, the near
// check against the section (1303, no object), and output paths that cannot
// be written (1500, exit status 1, no file left behind).
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "tests/support/files_and_commands.h"
#include "object/coff.h"

namespace fs = std::filesystem;

namespace {

struct EmitRun : ::testing::Test {
  fs::path work;
  coff_file *object = nullptr;

  void SetUp() override {
    work = fs::temp_directory_path() / ("velc_emit_" + std::to_string(::getpid()) + "_" +
                                        ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(work);
    fs::create_directories(work);
  }
  void TearDown() override {
    coff_free(object);
    fs::remove_all(work);
  }
  void write(const std::string &name, const std::string &text) { std::ofstream(work / name) << text; }
  std::string read(const std::string &name) { return read_file(work / name); }
  // Compiles prog.c with args in the work folder; the exit status, and the console output in *out.
  int compile(const std::string &source, const std::string &args, std::string *out, const std::string &env = "") {
    write("prog.c", source);
    std::string cmd = "cd '" + work.string() + "' && " + env + " '" + VELC_COMPILER + "' " + args +
                      " prog.c > stdout.txt 2>&1";
    int status = std::system(cmd.c_str());
    *out = read("stdout.txt");
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
  // Compiles without errors and reads the object back; written again from
  // what was read (same time stamp), it must give the same bytes.
  void compile_ok(const std::string &source, const std::string &args = "", const std::string &env = "") {
    std::string out;
    ASSERT_EQ(compile(source, args, &out, env), 0) << out;
    object = coff_read((work / "prog.o").c_str());
    ASSERT_NE(object, nullptr);
    uint32_t stamp = object->file_hdr.f_timdat;
    ASSERT_TRUE(coff_set_filename(object, (work / "again.o").c_str()));
    coff_preWrite(object);
    object->file_hdr.f_timdat = stamp;
    ASSERT_EQ(coff_write(object), 1);
    EXPECT_EQ(read("again.o"), read("prog.o"));
  }
  // The index of the first symbol of that name, or -1.
  long find(const std::string &name) {
    char buf[9];
    for (uint32_t i = 0; i < object->file_hdr.f_nsyms; i += 1 + object->symbols[i].sym.n_numaux)
      if (name == coff_symbol_name(object, &object->symbols[i].sym, buf)) return long(i);
    return -1;
  }
  const coff_syment &sym(long index) { return object->symbols[index].sym; }
};

struct EntryRow {
  const char *source;
  const char *name;
  long index;         // position in the symbol table, -1: not checked
  int16_t scnum;      // 0 external, 1 and up a section
  uint32_t value;
  uint8_t sclass;
  uint32_t type;
};

// Functions are external unless static and take their address from their
// code; a static local lives in a data section; a function used but never
// defined is an external entry behind the labels (here the return label).
TEST_F(EmitRun, EntriesOfFunctionsStaticsAndExternals) {
  const char *calls = "static void g(void) { _asm NOP _endasm }\nvoid f(void) { _asm CALL g, 0 _endasm }";
  const char *nowhere = "extern void nowhere(void);\nvoid f(void) { _asm CALL nowhere, 0 _endasm }";
  const EntryRow rows[] = {
      {calls, "g", -1, 1, 0, C_STAT, T_VOID | DT_FCN << N_TBSHFT},
      {calls, "f", -1, 1, 4, C_EXT, T_VOID | DT_FCN << N_TBSHFT},
      {"void f(void) { static int s = 3; _asm NOP _endasm }", "s", -1, 2, 0, C_STAT, T_INT},
      {"extern int ext(void);\nrom int (*p)(void) = ext;", "ext", -1, 0, 0, C_EXT, T_INT | DT_FCN << N_TBSHFT},
      {nowhere, "nowhere", 14, 0, 0, C_EXT, T_VOID | DT_FCN << N_TBSHFT},
  };
  for (const EntryRow &row : rows) {
    SCOPED_TRACE(row.source);
    coff_free(object);
    object = nullptr;
    compile_ok(row.source);
    if (HasFatalFailure()) return;
    long i = find(row.name);
    ASSERT_GE(i, 0);
    if (row.index >= 0) {
      EXPECT_EQ(i, row.index);
      EXPECT_EQ(uint32_t(i + 1), object->file_hdr.f_nsyms);  // the last entry
    }
    EXPECT_EQ(sym(i).n_scnum, row.scnum);
    EXPECT_EQ(sym(i).n_value, row.value);
    EXPECT_EQ(sym(i).n_sclass, row.sclass);
    EXPECT_EQ(sym(i).n_type, row.type);
  }
}

// Code whose line marker names no file still gets line numbers, naming the
// .file entry that the marker's (empty) name resolves to.
TEST_F(EmitRun, LineMarkerWithAnEmptyName) {
  compile_ok("#line 1 \"\"\nvoid main(void)\n{\n  _asm\n    MOVLW 0\n  _endasm\n}\n");
  if (HasFatalFailure()) return;
  const coff_section &code = object->sections[0];
  ASSERT_EQ(code.header.s_nlnno, 2);
  EXPECT_EQ(code.lines[0].l_lnno, 4);
  uint32_t file = code.lines[0].l_srcndx;
  ASSERT_LT(file, object->file_hdr.f_nsyms);
  EXPECT_EQ(object->symbols[file].sym.n_sclass, C_FILE);
}

// A named device clears the generic flag; the time stamp is the time of
// writing unless SOURCE_DATE_EPOCH fixes it.
TEST_F(EmitRun, HeaderFlagsAndTimeStamp) {
  compile_ok("int x;", "-p HR4410K", "unset SOURCE_DATE_EPOCH;");
  if (HasFatalFailure()) return;
  EXPECT_EQ(object->file_hdr.f_flags, F_HARROW);
  EXPECT_EQ(object->opt_hdr.vstamp, COFF_VSTAMP);
  EXPECT_LE(std::labs(long(object->file_hdr.f_timdat) - long(time(nullptr))), 3600);
  coff_free(object);
  object = nullptr;
  compile_ok("int x;", "", "SOURCE_DATE_EPOCH=12345");
  if (HasFatalFailure()) return;
  EXPECT_EQ(object->file_hdr.f_flags, F_HARROW | F_GENERIC);
  EXPECT_EQ(object->file_hdr.f_timdat, 12345u);
}

// A near object outside an access section is an error at its own line, and
// no object is written.
TEST_F(EmitRun, NearObjectOutsideAccessSectionIs1303) {
  write("prog.o", "stale");
  std::string out;
  EXPECT_EQ(compile("int a;\nnear char n;\nint b;\n", "", &out), 1);
  EXPECT_NE(out.find((work / "prog.c").string() + ":2:Error [1303] 'near' symbol defined in non-access qualified section"),
            std::string::npos) << out;
  EXPECT_FALSE(fs::exists(work / "prog.o"));
}

// An object path in a missing folder, or naming a folder, cannot be written:
// message 1500, exit status 1 (one error), and nothing left behind.
TEST_F(EmitRun, UnwritableObjectPathIs1500) {
  fs::create_directories(work / "full");
  write("full/keep", "");
  fs::create_directories(work / "empty");
  for (const char *path : {"missing/x.o", "full", "empty"}) {
    SCOPED_TRACE(path);
    std::string out;
    EXPECT_EQ(compile("int x = 1;", std::string("-fo=") + path, &out), 1);
    EXPECT_NE(out.find(std::string("Error [1500] unable to open file '") + path + "'"), std::string::npos) << out;
    EXPECT_TRUE(fs::is_directory(work / "full"));
    EXPECT_TRUE(fs::is_directory(work / "empty"));
    EXPECT_TRUE(fs::is_empty(work / "empty"));
    size_t files = 0;
    for (const auto &entry : fs::directory_iterator(work)) files += entry.is_regular_file();
    EXPECT_EQ(files, 3u);  // prog.c, prog.err, stdout.txt: no object, no temporary file
  }
}

}  // namespace
