// End-to-end runs of the real compiler with the real preprocessor beside
// it: diagnostics of the front end carry the true file and line through
// line markers (headers included), the exit status is the error count, and
// a failed compilation leaves no object file.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

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
  std::string read(const std::string &name) {
    std::ifstream in(work / name);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
  }
  // Runs the compiler in the work folder; returns the exit status and stdout.
  int run(const std::string &args, std::string *out) {
    std::string cmd = "cd '" + work.string() + "' && '" + VELC_COMPILER + "' " + args + " > stdout.txt 2>&1";
    int status = std::system(cmd.c_str());
    *out = read("stdout.txt");
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
};

TEST_F(Pipeline, SyntaxErrorsNameTheirFileAndLineThroughHeaders) {
  write("inc/regs.h", "#ifndef REGS_H\n#define REGS_H\nextern volatile near unsigned char PORTA;\nint broken = ;\n#endif\n");
  write("prog.c", "#include \"regs.h\"\n#define SET(r, b) ((r) |= (1 << (b)))\nvoid main(void)\n{\n  SET(PORTA, 3)\n}\n");
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

}  // namespace
