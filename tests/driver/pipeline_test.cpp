// End-to-end runs of the real compiler with the real preprocessor beside
// it: diagnostics of the front end carry the true file and line through
// line markers (headers included), the exit status is the error count, and
// a failed compilation leaves no object file.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "tests/support/files_and_commands.h"

namespace fs = std::filesystem;

namespace {

struct Pipeline : ::testing::Test {
  fs::path work;
  void SetUp() override {
    work = fs::temp_directory_path() / ("velc_pipeline_" + std::to_string(::getpid()) + "_" +
                                        ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(work);
    fs::create_directories(work / "inc");
  }
  void TearDown() override { fs::remove_all(work); }
  void write(const std::string &name, const std::string &text) { std::ofstream(work / name) << text; }
  std::string read(const std::string &name) { return read_file(work / name); }
  // Runs the compiler in the work folder; returns the exit status and stdout.
  int run(const std::string &args, std::string *out) {
    std::string cmd = "cd '" + work.string() + "' && '" + VELC_COMPILER + "' " + args + " > stdout.txt 2>&1";
    int status = std::system(cmd.c_str());
    *out = read("stdout.txt");
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
};

TEST_F(Pipeline, SyntaxErrorsNameTheirFileAndLineThroughHeaders) {
  write("inc/regs.h", "#ifndef REGS_H\n#define REGS_H\nextern volatile near unsigned char OUTA;\nint broken = ;\n#endif\n");
  write("prog.c", "#include \"regs.h\"\n#define SET(r, b) ((r) |= (1 << (b)))\nvoid main(void)\n{\n  SET(OUTA, 3)\n}\n");
  std::string out;
  int status = run("-Iinc prog.c", &out);
  EXPECT_EQ(status, 2) << out;
  std::string header = (work / "inc" / "regs.h").string();
  std::string source = (work / "prog.c").string();
  EXPECT_NE(out.find(header + ":4:Error: syntax error"), std::string::npos) << out;
  EXPECT_NE(out.find(source + ":6:Error: syntax error"), std::string::npos) << out;
  std::string err = read("prog.err");
  EXPECT_NE(err.find("Error[yy] " + header + " 4 : syntax error"), std::string::npos) << err;
  EXPECT_FALSE(fs::exists(work / "prog.o"));
  EXPECT_FALSE(fs::exists(work / "prog.i"));
}

TEST_F(Pipeline, PragmaWarningsKeepTheirLine) {
  write("prog.c", "int a;\n\n#pragma frobnicate now\nint b;\n");
  std::string out;
  int status = run("prog.c", &out);
  EXPECT_EQ(status, 0) << out;
  EXPECT_NE(out.find((work / "prog.c").string() + ":3:Warning [2002] unknown pragma 'frobnicate'"),
            std::string::npos) << out;
  EXPECT_TRUE(fs::exists(work / "prog.err"));  // a warning was shown at the default level
  status = run("-w1 prog.c", &out);
  EXPECT_EQ(status, 0);
  EXPECT_EQ(out.find("2002"), std::string::npos) << out;
}

TEST_F(Pipeline, PreprocessorErrorsStopBeforeParsing) {
  write("prog.c", "#include \"missing.h\"\nint a = ;\n");
  std::string out;
  int status = run("prog.c", &out);
  EXPECT_EQ(status, 1) << out;
  EXPECT_NE(out.find("[1027]"), std::string::npos) << out;
  EXPECT_EQ(out.find("syntax error"), std::string::npos) << out;  // the parse did not run
  EXPECT_NE(read("prog.err").find("1027"), std::string::npos);
}

TEST_F(Pipeline, PreprocessOnlyLeavesTheExpandedText) {
  write("prog.c", "#define N 4\nchar buf[N * 2];\n");
  std::string out;
  EXPECT_EQ(run("-E prog.c", &out), 0) << out;
  std::string i = read("prog.i");
  EXPECT_EQ(i.rfind("#line 2 \"", 0), 0u) << i;  // the marker names the line of the first text
  EXPECT_NE(i.find("char buf[4 * 2];"), std::string::npos) << i;
}

// Errors posted with a number stop the compilation at the 25th, which is
// still reported; the exit status is the count.
TEST_F(Pipeline, TwentyFifthNumberedErrorEndsTheCompilation) {
  std::string text;
  for (int i = 0; i < 30; i++)
    text += "#pragma interrupt\n";
  write("prog.c", text + "int x;\n");
  std::string out;
  int status = run("-verbose prog.c", &out);
  EXPECT_EQ(status, 25) << out;
  std::string source = (work / "prog.c").string();
  size_t shown = 0;
  for (size_t at = out.find(":Error [1018] "); at != std::string::npos; at = out.find(":Error [1018] ", at + 1))
    shown++;
  EXPECT_EQ(shown, 25u) << out;
  EXPECT_NE(out.find(source + ":25:Error [1018] function name expected in 'interrupt' pragma\n"), std::string::npos);
  EXPECT_EQ(out.find(source + ":26:"), std::string::npos);
  EXPECT_NE(out.find("Errors:    25\nWarnings:  0\n"), std::string::npos) << out;
  std::string err = read("prog.err");
  EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 25) << err;
  EXPECT_EQ(err.rfind("Error[1018] " + source + " 1 : function name expected in 'interrupt' pragma\n", 0), 0u);
  EXPECT_FALSE(fs::exists(work / "prog.i"));
  EXPECT_FALSE(fs::exists(work / "prog.o"));
}

// An expression needing more temporaries than there are is refused with
// message 1511, which ends the compilation with its error count (it used to
// fall into an internal error and abort). 700 float additions that each
// keep a partial sum.
TEST_F(Pipeline, OutOfTemporariesEndsTheCompilationWithItsMessage) {
  std::string sum = "v";
  for (int i = 0; i < 700; i++)
    sum += i == 100 ? " + 1.5e+3" : " + v";
  write("prog.c", "int v = 1;\nvoid main(void)\n{\n  int r = " + sum + ";\n}\n");
  std::string out;
  int status = run("prog.c", &out);
  EXPECT_EQ(status, 1) << out;
  std::string source = (work / "prog.c").string();
  EXPECT_NE(out.find(source + ":5:Error [1511] ran out of internal memory for temps\n"), std::string::npos) << out;
  EXPECT_EQ(out.find("Internal compiler error"), std::string::npos) << out;
  EXPECT_FALSE(fs::exists(work / "prog.o"));
}

// Updates whose value is used, of array elements past the end of a local
// array (undefined at run time, but code all the same): the slot lies
// beyond [k] addressing and is reached through FSR0. They used to end in an
// internal error for the wide types (found by fuzzing).
TEST_F(Pipeline, UpdatesPastALocalArrayCompile) {
  std::string body;
  const char *types[] = {"char", "int", "short long", "long", "float"};
  const char *updates[] = {"v = (a%d[40] += v);", "v = (a%d[40] /= 3);", "v = (a%d[40] <<= 2);",
                           "v = a%d[40]++;",      "v = --a%d[40];",      "a%d[40] *= v;"};
  for (int t = 0; t < 5; t++) {
    body += std::string("{ ") + types[t] + " a" + std::to_string(t) + "[3], v = 2; ";
    for (const char *u : updates) {
      if (t == 4 && strstr(u, "<<"))
        continue;
      char line[64];
      snprintf(line, sizeof line, u, t);
      body += line;
    }
    body += " g = v; }\n";
  }
  write("prog.c", "long g;\nvoid main(void)\n{\n" + body + "}\n");
  std::string out;
  EXPECT_EQ(run("prog.c", &out), 0) << out;
  EXPECT_EQ(out.find("Internal compiler error"), std::string::npos) << out;
  EXPECT_TRUE(fs::exists(work / "prog.o"));
}

// A suppressed warning is neither shown nor counted, and leaves no error file.
TEST_F(Pipeline, SuppressedWarningIsNotCounted) {
  write("prog.c", "#pragma frobnicate\n#pragma twiddle\nint b;\n");
  std::string out;
  EXPECT_EQ(run("-verbose -nw 2002 prog.c", &out), 0);
  EXPECT_EQ(out.find("2002"), std::string::npos) << out;
  EXPECT_NE(out.find("Errors:    0\nWarnings:  0\n"), std::string::npos) << out;
  EXPECT_FALSE(fs::exists(work / "prog.err"));
  // Hidden by -w1 it is still counted, but only the error count is printed.
  EXPECT_EQ(run("-verbose -w1 prog.c", &out), 0);
  EXPECT_EQ(out.find("2002"), std::string::npos) << out;
  EXPECT_NE(out.find("Errors:    0\n"), std::string::npos) << out;
  EXPECT_EQ(out.find("Warnings:"), std::string::npos) << out;
  EXPECT_FALSE(fs::exists(work / "prog.err"));
  EXPECT_EQ(run("-verbose prog.c", &out), 0);
  EXPECT_NE(out.find("Errors:    0\nWarnings:  2\n"), std::string::npos) << out;
  EXPECT_TRUE(fs::exists(work / "prog.err"));
}

// -fe naming a pipe or a device (/dev/null, to discard the messages): neither
// the preprocessor nor the compiler deletes it at the end of a clean run.
TEST_F(Pipeline, ErrorFileThatIsNoPlainFileIsKept) {
  write("prog.c", "int a;\n");
  std::string out;
  ASSERT_EQ(mkfifo((work / "pipe.err").c_str(), 0600), 0);
  int reader = open((work / "pipe.err").c_str(), O_RDONLY | O_NONBLOCK);  // lets the writers open it
  ASSERT_GE(reader, 0);
  EXPECT_EQ(run("-fe pipe.err prog.c", &out), 0) << out;
  close(reader);
  ASSERT_TRUE(fs::is_fifo(work / "pipe.err"));
  // /dev/null only where this run could not delete it, or once a device
  // node of the work folder's own (root only) was kept.
  bool safe = geteuid() != 0;
  if (!safe && mknod((work / "null.err").c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0 &&
      run("-fe null.err prog.c", &out) == 0) {
    ASSERT_TRUE(fs::is_character_file(work / "null.err")) << out;
    safe = true;
  }
  if (safe) {
    EXPECT_EQ(run("-fe /dev/null prog.c", &out), 0) << out;
    EXPECT_TRUE(fs::is_character_file("/dev/null"));
  }
}

// The bundled example compiles without a single diagnostic at every level.
TEST_F(Pipeline, BundledExampleIsCleanAtEveryLevel) {
  fs::copy_file(fs::path(VELC_EXAMPLES) / "blink.c", work / "blink.c");
  for (const char *level : {"1", "2", "3"}) {
    std::string out;
    EXPECT_EQ(run(std::string("-w ") + level + " blink.c", &out), 0) << out;
    EXPECT_EQ(out, "") << "-w " << level;
    EXPECT_FALSE(fs::exists(work / "blink.err"));
  }
}

// Firmware builds compile one source several times at once, with different
// definitions into different object and error files: each run reports its
// own variant's errors only, and leaves no preprocessed file behind.
TEST_F(Pipeline, ConcurrentCompilationsOfOneSourceKeepTheirVariants) {
  std::string text;
  for (int i = 0; i < 2000; i++)
    text += "int filler_" + std::to_string(i) + "(int a) { return a * " + std::to_string(i) + "; }\n";
  // Line 2002 is an error of TEST1 only, line 2005 one of TEST2 only.
  text += "#ifdef TEST1\nint only_test1 = ;\n#endif\n#ifdef TEST2\nvoid g(void) { only_test2 = 1; }\n#endif\n";
  write("prog.c", text);
  fs::create_directories(work / "tmp");
  std::string source = (work / "prog.c").string();
  for (int round = 0; round < 3; round++) {
    std::string one = "'" + std::string(VELC_COMPILER) + "' -DTEST1 -fo v1.o -fe v1.err prog.c > out1.txt 2>&1";
    std::string two = "'" + std::string(VELC_COMPILER) + "' -DTEST2 -fo v2.o -fe v2.err prog.c > out2.txt 2>&1";
    std::string cmd = "cd '" + work.string() + "' && export TMPDIR=tmp && { (" + one + "; echo $? > st1.txt) & (" +
                      two + "; echo $? > st2.txt) & wait; }";
    ASSERT_EQ(std::system(cmd.c_str()), 0);
    std::string out1 = read("out1.txt"), out2 = read("out2.txt");
    EXPECT_EQ(read("st1.txt"), "1\n") << out1;
    EXPECT_EQ(read("st2.txt"), "1\n") << out2;
    EXPECT_EQ(out1, source + ":2002:Error: syntax error\n");
    EXPECT_EQ(out2, source + ":2005:Error [1105] symbol 'only_test2' has not been defined\n");
    EXPECT_NE(read("v1.err").find(" 2002 : syntax error"), std::string::npos);
    EXPECT_NE(read("v2.err").find(" 2005 : symbol 'only_test2'"), std::string::npos);
    EXPECT_TRUE(fs::is_empty(work / "tmp"));
    EXPECT_FALSE(fs::exists(work / "prog.i"));
  }
}

}  // namespace

namespace {

TEST_F(Pipeline, TranslationDumpsWithDashXAndStopsOnSemanticErrors) {
  write("prog.c", "int g;\nvoid main(void)\n{\n  g = 2;\n}\n");
  std::string out;
  // -x dumps the trees, then traces every reduction: line, rule number and
  // the rule's text indented by depth.
  EXPECT_EQ(run("-x prog.c", &out), 0) << out;
  EXPECT_NE(out.find("   2: I_BFUNCT\n"), std::string::npos) << out;
  EXPECT_NE(out.find("   4:         I_IDRAM16(g)\n"), std::string::npos) << out;
  EXPECT_NE(out.find("I_EFUNCT\n"), std::string::npos) << out;
  EXPECT_NE(out.find("   2: <    1>stmt: I_BFUNCT\n"), std::string::npos) << out;
  EXPECT_NE(out.find(">        pram16: I_IDRAM16\n"), std::string::npos) << out;
  EXPECT_NE(out.find("   5: <    2>stmt: I_EFUNCT\n"), std::string::npos) << out;
  write("bad.c", "void main(void)\n{\n  undeclared = 1;\n}\n");
  EXPECT_EQ(run("-x bad.c", &out), 1) << out;
  EXPECT_NE(out.find(":3:Error [1105] symbol 'undeclared' has not been defined"), std::string::npos) << out;
  EXPECT_EQ(out.find("I_BFUNCT"), std::string::npos) << out;  // no dump once an error was counted
}

TEST_F(Pipeline, DashLPrintsTheSyntaxTree) {
  write("prog.c", "int g;\n");
  std::string out;
  EXPECT_EQ(run("-l prog.c", &out), 0) << out;
  EXPECT_NE(out.find("H_DECL"), std::string::npos) << out;
}

}  // namespace

namespace {

// "#pragma config" through the whole compiler: each faulty setting is
// reported at its own line with its number, and a unit that also declares
// _configuration gets 1226 at that declaration once the translation is done.
TEST_F(Pipeline, ConfigPragmaDiagnosticsNameTheirLines) {
  write("prog.c",
        "#pragma config OSC=HS, OSCS=OFF\n"
        "#pragma config WDT=OFF, FOO=1\n"
        "#pragma config osc=HS\n"
        "#pragma config WDTPS=3\n"
        "int x;\n");
  std::string out;
  EXPECT_EQ(run("-p HR4010 prog.c", &out), 3) << out;
  std::string source = (work / "prog.c").string();
  EXPECT_EQ(out, source + ":2:Error [1224] configuration setting 'FOO' not recognized\n" + source +
                     ":3:Error [1224] configuration setting 'osc' not recognized\n" + source +
                     ":4:Error [1225] configuration value '3' not recognized for configuration setting 'WDTPS'\n");
  // A repeated setting is found by the translator, which runs on a unit that parsed cleanly.
  write("again.c", "#pragma config OSC=HS, OSCS=OFF\nint x;\n#pragma config OSC=RC\n");
  EXPECT_EQ(run("-p HR4010 again.c", &out), 1) << out;
  EXPECT_EQ(out, (work / "again.c").string() +
                     ":3:Error [1223] configuration setting 'OSC' has already been specified\n");

  write("old.c", "#pragma config OSC=HS\nint x;\n\nrom const char _configuration = 0x22;\n");
  EXPECT_EQ(run("-p hr4010 old.c", &out), 1) << out;
  EXPECT_EQ(out, (work / "old.c").string() +
                     ":4:Error [1226] cannot specify both #pragma config and _CONFIG_DECL macro\n");
  write("new.c", "#pragma config OSC=HS, XINST=ON\nint x;\n");
  EXPECT_EQ(run("-p HR4010 new.c", &out), 0) << out;
  EXPECT_EQ(out, "");
}

}  // namespace
