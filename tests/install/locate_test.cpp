// Where the compiler looks for its preprocessor and its standard headers,
// relative to its own folder, in the layouts of a build tree and of an
// installed tree: one table of folder layouts, each with the paths expected.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "driver/spawn.h"

namespace fs = std::filesystem;

struct Layout {
  const char *name;
  bool cppqx_beside, cppqx_libexec, include_private, include_plain;
  const char *expected_cppqx;    // relative to the tree's top
  const char *expected_headers;  // relative to the tree's top; "" for none
};

static const Layout LAYOUTS[] = {
    {"build_tree", true, false, false, true, "bin/cppqx", "include"},
    {"installed_tree", false, true, true, false, "libexec/velcqx/cppqx", "include/velcqx"},
    {"installed_beside_host_headers", false, true, true, true, "libexec/velcqx/cppqx", "include/velcqx"},
    {"beside_wins_over_libexec", true, true, true, false, "bin/cppqx", "include/velcqx"},
    {"nothing_installed", false, false, false, false, "bin/cppqx", ""},
};

static void PrintTo(const Layout &l, std::ostream *os) { *os << l.name; }

class Locate : public ::testing::TestWithParam<Layout> {};

static void s_program(const fs::path &path) {
  fs::create_directories(path.parent_path());
  std::ofstream(path) << "#!/bin/sh\n";
  fs::permissions(path, fs::perms::owner_all);
}

TEST_P(Locate, PreprocessorAndHeaders) {
  const Layout &l = GetParam();
  fs::path top = fs::canonical(fs::temp_directory_path()) / ("velc-locate-" + std::to_string(getpid()) + "-" + l.name);
  fs::remove_all(top);
  fs::create_directories(top / "bin");
  if (l.cppqx_beside) s_program(top / "bin/cppqx");
  if (l.cppqx_libexec) s_program(top / "libexec/velcqx/cppqx");
  if (l.include_private) fs::create_directories(top / "include/velcqx");
  if (l.include_plain) fs::create_directories(top / "include");
  std::string compiler = (top / "bin/velcqx-extended").string();
  EXPECT_EQ(fs::path(pp_program_path(compiler.c_str())).lexically_normal(), top / l.expected_cppqx);
  std::string expected_headers = *l.expected_headers ? (top / l.expected_headers).string() : "";
  EXPECT_EQ(pp_standard_headers(compiler.c_str()), expected_headers);
  fs::remove_all(top);
}

INSTANTIATE_TEST_SUITE_P(Layouts, Locate, ::testing::ValuesIn(LAYOUTS),
                         [](const ::testing::TestParamInfo<Layout> &info) { return std::string(info.param.name); });
