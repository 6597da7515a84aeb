// Golden cases: runs the cppqx program on every cases/*.c (with the extra
// arguments of its .args file) and compares the preprocessed text with .out,
// the console diagnostics with .diag (case directory removed from paths) and
// the exit status with .status. The error file must hold the same
// diagnostics in its own line format, and must not exist when none was shown.
#include <gtest/gtest.h>

#include <filesystem>
#include <unistd.h>
#include <fstream>
#include <sstream>
#include <sys/wait.h>

#include "tests/support/files_and_commands.h"

namespace fs = std::filesystem;

static std::string s_shell_quote(const std::string &arg) { return "'" + replace_all(arg, "'", "'\\''") + "'"; }

static std::vector<std::string> s_case_names() {
  std::vector<std::string> names;
  for (const auto &entry : fs::directory_iterator(CPPQX_CASES))
    if (entry.path().extension() == ".c")
      names.push_back(entry.path().stem().string());
  std::sort(names.begin(), names.end());
  return names;
}

// The error-file line that a console diagnostic line stands for:
// "FILE:LINE:Kind [N] text" becomes "Kind[N] FILE LINE : text" and
// "FILE:LINE:Kind: text" becomes "Kind[yy] FILE LINE : text".
static std::string s_error_file_line(const std::string &console) {
  const std::string bad = "unrecognised console line: " + console;
  size_t colon = 0, after = 0;
  for (colon = console.find(':'); colon != std::string::npos; colon = console.find(':', colon + 1)) {
    after = colon + 1;
    while (after < console.size() && isdigit(static_cast<unsigned char>(console[after])))
      after++;
    if (after > colon + 1 && after < console.size() && console[after] == ':')
      break;
  }
  if (colon == std::string::npos)
    return bad;
  std::string file = console.substr(0, colon), line = console.substr(colon + 1, after - colon - 1);
  std::string rest = console.substr(after + 1);
  size_t bracket = rest.find(" ["), close = rest.find("] ");
  if (bracket != std::string::npos && close != std::string::npos && bracket < rest.find(':'))
    return rest.substr(0, bracket) + "[" + rest.substr(bracket + 2, close - bracket - 2) + "] " + file + " " + line +
           " : " + rest.substr(close + 2);
  size_t word = rest.find(": ");
  if (word == std::string::npos)
    return bad;
  return rest.substr(0, word) + "[yy] " + file + " " + line + " : " + rest.substr(word + 2);
}

class GoldenCase : public testing::TestWithParam<std::string> {};

TEST_P(GoldenCase, MatchesExpectedFiles) {
  const std::string name = GetParam();
  const fs::path cases = fs::canonical(CPPQX_CASES);
  const fs::path tmp = fs::path(testing::TempDir()) / (("cppqx_golden_" + name) + std::string("_") + std::to_string(getpid()));
  fs::remove_all(tmp);
  fs::create_directories(tmp);
  std::string cmd = "cd " + s_shell_quote(cases.string()) + " && SOURCE_DATE_EPOCH=0 " + s_shell_quote(CPPQX_BIN) +
                    " -o " + s_shell_quote((tmp / "out.i").string()) + " -e " + s_shell_quote((tmp / "out.err").string());
  std::istringstream args(read_file(cases / (name + ".args")));
  for (std::string line; std::getline(args, line);)
    cmd += " " + s_shell_quote(line);
  cmd += " " + s_shell_quote(name + ".c") + " > " + s_shell_quote((tmp / "stdout").string()) + " 2> " +
         s_shell_quote((tmp / "stderr").string());
  int raw = std::system(cmd.c_str());
  ASSERT_TRUE(WIFEXITED(raw)) << "cppqx did not exit normally: " << raw;
  EXPECT_EQ(std::to_string(WEXITSTATUS(raw)) + "\n", read_file(cases / (name + ".status")));

  std::string console = replace_all(read_file(tmp / "stdout"), cases.string() + "/", "");
  EXPECT_EQ(console, read_file(cases / (name + ".diag")));
  if (fs::exists(cases / (name + ".out")))
    EXPECT_EQ(read_file(tmp / "out.i"), read_file(cases / (name + ".out")));
  else
    EXPECT_FALSE(fs::exists(tmp / "out.i"));

  std::string expected_err;
  std::istringstream lines(console);
  for (std::string line; std::getline(lines, line);)
    expected_err += s_error_file_line(line) + "\n";
  if (expected_err.empty())
    EXPECT_FALSE(fs::exists(tmp / "out.err")) << "an error file without diagnostics is removed";
  else
    EXPECT_EQ(replace_all(read_file(tmp / "out.err"), cases.string() + "/", ""), expected_err);
  fs::remove_all(tmp);
}

INSTANTIATE_TEST_SUITE_P(Cases, GoldenCase, testing::ValuesIn(s_case_names()),
                         [](const testing::TestParamInfo<std::string> &info) { return info.param; });

// Option errors are reported on standard error with status 1 and no output.
TEST(CppqxProgram, OptionErrorsFailWithStatusOne) {
  const fs::path tmp = fs::path(testing::TempDir()) / ("cppqx_options" + std::string("_") + std::to_string(getpid()));
  fs::create_directories(tmp);
  const std::string bin = s_shell_quote(CPPQX_BIN);
  const std::string out = s_shell_quote((tmp / "x.i").string());
  const std::string src = s_shell_quote(std::string(CPPQX_CASES) + "/comments.c");
  const std::string quiet = " > /dev/null 2>&1";
  for (const std::string &args : {std::string("-o ") + out + " --bogus " + src, std::string("-o ") + out,
                                   std::string("-o ") + out + " --diagnostic-level=7 " + src,
                                   std::string("-o ") + out + " " + src + " --include", src}) {
    fs::remove(tmp / "x.i");
    int raw = std::system((bin + " " + args + quiet).c_str());
    ASSERT_TRUE(WIFEXITED(raw));
    EXPECT_EQ(WEXITSTATUS(raw), 1) << args;
    EXPECT_FALSE(fs::exists(tmp / "x.i")) << args;
  }
  int raw = std::system((bin + " -o " + out + " " + s_shell_quote((tmp / "missing.c").string()) + quiet).c_str());
  EXPECT_EQ(WEXITSTATUS(raw), 1) << "a missing source is an error";
  fs::remove_all(tmp);
}

// Arguments arrive as the compiler driver writes them: each wrapped in quotes.
TEST(CppqxProgram, AcceptsDriverQuotedArguments) {
  const fs::path tmp = fs::path(testing::TempDir()) / ("cppqx_quoted" + std::string("_") + std::to_string(getpid()));
  fs::create_directories(tmp);
  std::ofstream(tmp / "q.c") << "__HARROW __LARGE__ X\n#include <h.h>\n";
  fs::create_directories(tmp / "d");
  std::ofstream(tmp / "d" / "h.h") << "int from_h;\n";
  std::string cmd = "cd " + s_shell_quote(tmp.string()) + " && " + s_shell_quote(CPPQX_BIN) +
                    " '--include' '\"d\"' '--define' 'X=3' '-o' '\"q.i\"' '-e' '\"q.err\"' '\"q.c\"'"
                    " '--diagnostic-level=2' '-d__HARROW' '-d__LARGE__' > /dev/null";
  int raw = std::system(cmd.c_str());
  ASSERT_TRUE(WIFEXITED(raw));
  EXPECT_EQ(WEXITSTATUS(raw), 0);
  EXPECT_EQ(read_file(tmp / "q.i"), "#line 1 \"q.c\"\n1 1 3\n#line 1 \"d/h.h\"\nint from_h;\n#line 3 \"q.c\"\n");
  EXPECT_FALSE(fs::exists(tmp / "q.err"));
  fs::remove_all(tmp);
}

// An error file that cannot be opened would swallow every diagnostic: the run
// fails with status 1 and writes no output, even for a clean source.
TEST(CppqxProgram, UnopenableErrorFileFails) {
  const fs::path tmp = fs::path(testing::TempDir()) / ("cppqx_errfile" + std::string("_") + std::to_string(getpid()));
  fs::create_directories(tmp);
  std::ofstream(tmp / "ok.c") << "int ok;\n";
  const std::string base = s_shell_quote(CPPQX_BIN) + " -o " + s_shell_quote((tmp / "ok.i").string());
  const std::string src = " " + s_shell_quote((tmp / "ok.c").string()) + " > /dev/null 2>&1";
  int raw = std::system((base + " -e " + s_shell_quote((tmp / "ok.err").string()) + src).c_str());
  ASSERT_TRUE(WIFEXITED(raw));
  EXPECT_EQ(WEXITSTATUS(raw), 0) << "a writable error file and a clean source succeed";
  EXPECT_TRUE(fs::exists(tmp / "ok.i"));
  fs::remove(tmp / "ok.i");
  for (const fs::path &bad : {tmp / "no_such_dir" / "ok.err", tmp}) {
    raw = std::system((base + " -e " + s_shell_quote(bad.string()) + src).c_str());
    ASSERT_TRUE(WIFEXITED(raw));
    EXPECT_EQ(WEXITSTATUS(raw), 1) << bad;
    EXPECT_FALSE(fs::exists(tmp / "ok.i")) << bad;
  }
  fs::remove_all(tmp);
}
