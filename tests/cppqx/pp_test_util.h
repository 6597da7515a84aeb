// Runs the preprocessor in-process on a text for the unit tests.
#ifndef VELC_TESTS_CPPQX_PP_TEST_UTIL_H
#define VELC_TESTS_CPPQX_PP_TEST_UTIL_H

#include <climits>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <unistd.h>
#include <vector>

#include "cppqx/pp.h"
#include "tests/support/files_and_commands.h"
#include "driver/diag.h"

struct PpRun {
  std::string out;   // the preprocessed text
  uint32_t errors;   // errors reported by this run
  uint32_t warnings;
};

// A scratch directory of the running test: ctest runs tests in parallel.
inline std::filesystem::path pp_test_dir() {
  const testing::TestInfo *info = testing::UnitTest::GetInstance()->current_test_info();
  std::string name = "cppqx_unit_" + std::to_string(getpid());
  if (info)
    name += std::string("_") + info->test_suite_name() + "_" + info->name();
  return std::filesystem::path(testing::TempDir()) / name;
}

inline PpRun pp_run_text(const std::string &text, const std::vector<std::string> &defines = {},
                         const std::string &name = "t.c") {
  namespace fs = std::filesystem;
  maxerror = INT_MAX;
  fs::path dir = pp_test_dir();
  fs::create_directories(dir);
  fs::path src = dir / name, out = dir / "t.i";
  std::ofstream(src, std::ios::binary) << text;
  uint32_t errors = get_error_count(), warnings = get_warning_count();
  {
    auto pp = std::make_unique<Pp>();
    try {
      mac_predefine(*pp);
      for (const std::string &d : defines)
        mac_define_option(*pp, d);
      if (out_open(*pp, out.c_str()))
        pp_run(*pp, src.string());
    } catch (const FatalUnwind &) {
    }
    out_close(*pp);
  }
  std::string output = read_file(out);
  fs::remove_all(dir);
  return {output, get_error_count() - errors, get_warning_count() - warnings};
}

// The output without line markers and blank lines, lines joined by '\n'.
inline std::string pp_text_only(const std::string &out) {
  std::istringstream in(out);
  std::string result;
  for (std::string line; std::getline(in, line);)
    if (!line.empty() && line.rfind("#line ", 0) != 0)
      result += line + "\n";
  return result;
}

#endif
