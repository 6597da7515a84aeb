// End-to-end runs of the compiler (with its preprocessor beside it) on the
// sources in e2e/: each NAME.c is compiled in a fresh directory. The console
// lines of the scanner's and the pragmas' own messages must equal
// NAME.expected ("<dir>" stands for the directory of the run); lines of
// later phases are left out of the comparison, so that the files do not
// change when those phases do. The run must end by itself with an error
// count, at least the number of expected errors, and never by a signal.
// The output read from a run is capped, and every run has a time limit.
#include <gtest/gtest.h>

#include <sys/wait.h>

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
struct compile_result {
  int status;        // exit status, or 128 + signal
  std::string text;  // standard output and standard error
};
}  // namespace

// Whether a run printed a sanitizer report (builds with sanitizers on).
static bool s_sanitizer_report(const std::string &text) {
  return text.find("Sanitizer") != std::string::npos || text.find("runtime error:") != std::string::npos;
}

// Compiles name in dir; reads at most a megabyte of output.
static compile_result s_compile(const fs::path &dir, const std::string &name) {
  std::string command = "cd '" + dir.string() + "' && timeout 60 '" VELC_COMPILER "' " + name + " 2>&1";
  FILE *pipe = popen(command.c_str(), "r");
  compile_result result{-1, ""};
  if (!pipe)
    return result;
  char buffer[4096];
  size_t n;
  while (result.text.size() < (1u << 20) && (n = fread(buffer, 1, sizeof buffer, pipe)) > 0)
    result.text.append(buffer, n);
  int status = pclose(pipe);
  result.status = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
  return result;
}

// The message numbers that the scanner, the line markers and the pragma
// directives report.
static bool s_scanner_message(const std::string &line) {
  static const int numbers[] = {1002, 1013, 1014, 1016, 1017, 1018, 1020, 1103, 1224, 1225,
                                1227, 1228, 2002, 2074, 2076, 2077};
  size_t at = line.find(" [");
  if (at == std::string::npos)
    return false;
  int number = atoi(line.c_str() + at + 2);
  for (int n : numbers)
    if (n == number)
      return true;
  return false;
}

static std::string s_scanner_lines(const std::string &text, int *errors) {
  std::istringstream in(text);
  std::string line, out;
  while (std::getline(in, line))
    if (s_scanner_message(line)) {
      out += line + "\n";
      *errors += line.find(":Error [") != std::string::npos;
    }
  return out;
}

class ScanEndToEnd : public testing::TestWithParam<std::string> {};

TEST_P(ScanEndToEnd, MessagesAndStatusAsExpected) {
  const std::string name = GetParam();
  fs::path dir = fs::temp_directory_path() / ("velc-scan-e2e-" + std::to_string(getpid()) + "-" + name);
  fs::remove_all(dir);
  fs::create_directories(dir);
  fs::copy_file(fs::path(SCAN_E2E_DIR) / (name + ".c"), dir / (name + ".c"));
  compile_result run = s_compile(dir, name + ".c");
  std::string expected = read_file(fs::path(SCAN_E2E_DIR) / (name + ".expected"));
  int got_errors = 0, expected_errors = 0;
  std::string got = s_scanner_lines(replace_all(run.text, fs::canonical(dir).string(), "<dir>"), &got_errors);
  s_scanner_lines(expected, &expected_errors);
  EXPECT_EQ(got, expected) << run.text.substr(0, 4000);
  EXPECT_GE(run.status, expected_errors) << "the exit status counts the errors";
  EXPECT_LT(run.status, 124) << "a time-out or a signal";
  EXPECT_FALSE(s_sanitizer_report(run.text)) << run.text.substr(0, 4000);
  EXPECT_FALSE(fs::exists(dir / (name + ".o"))) << "an object file after errors";
  fs::remove_all(dir);
}

INSTANTIATE_TEST_SUITE_P(Sources, ScanEndToEnd,
                         testing::Values("pragma_messages", "scanner_messages", "bad_input", "random_bytes"));

TEST(ScanEndToEndLarge, LinesOfEscapedQuotesCompileWithinTheTimeLimit) {
  // Two megabyte-long lines of escaped quotes that never close: each quote
  // fails in the same place, so the whole file scans in one pass.
  fs::path dir = fs::temp_directory_path() / ("velc-scan-e2e-" + std::to_string(getpid()) + "-quotes");
  fs::remove_all(dir);
  fs::create_directories(dir);
  {
    std::ofstream out(dir / "quotes.c", std::ios::binary);
    out << "int a = \"";
    for (int i = 0; i < 500000; i++)
      out << "\\\"";
    out << "\nint b = '";
    for (int i = 0; i < 500000; i++)
      out << "\\'";
    out << "\nint c;\n";
  }
  compile_result run = s_compile(dir, "quotes.c");
  EXPECT_GE(run.status, 1) << run.text.substr(0, 2000);
  EXPECT_LT(run.status, 124) << "a time-out or a signal";
  EXPECT_FALSE(s_sanitizer_report(run.text)) << run.text.substr(0, 4000);
  fs::remove_all(dir);
}
