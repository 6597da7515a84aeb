// Bounded mutation fuzzing: every golden input, cut, spliced and sprinkled
// with preprocessing punctuation, and now and then plain random bytes, must
// preprocess to completion with a sane output and a clean final state. The
// loop stops after a fixed time budget.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <unistd.h>
#include <fstream>
#include <random>
#include <sstream>

#include "tests/support/files_and_commands.h"
#include "cppqx/pp.h"
#include "driver/diag.h"

namespace fs = std::filesystem;

static const std::vector<std::string> s_snippets = {
    "#", "##", "(", ")", ",", "\n", "#if 1\n", "#if 0\n", "#else\n", "#elif 1\n", "#endif\n", "/*", "*/", "//",
    "\"", "'", "\\\n", std::string(1, '\0'), "?\?/", "__VA_ARGS__", "#define F(x,...) #x x##__VA_ARGS__\n",
    "F(", "defined", "#include \"inc/inner.h\"\n", "#line 5\n", "#undef F\n", "...", "__LINE__", "L'", "0x1e+",
};

static std::string s_mutate(std::string text, std::mt19937 &rng) {
  int edits = 1 + static_cast<int>(rng() % 6);
  for (int e = 0; e < edits; e++) {
    size_t at = text.empty() ? 0 : rng() % (text.size() + 1);
    switch (rng() % 4) {
    case 0:
      text.erase(at, rng() % 16);
      break;
    case 1:
      text.insert(at, s_snippets[rng() % s_snippets.size()]);
      break;
    case 2:
      text.insert(at, text.substr(rng() % (text.size() + 1), rng() % 64));
      break;
    default:
      text.resize(at);
      break;
    }
  }
  return text;
}

// "#line N "FILE"" with N at least 1.
static bool s_is_marker(const std::string &line) {
  size_t i = 6;
  if (line.compare(0, i, "#line ") != 0 || i >= line.size() || line[i] < '1' || line[i] > '9')
    return false;
  while (i < line.size() && isdigit(static_cast<unsigned char>(line[i])))
    i++;
  return line.size() >= i + 3 && line.compare(i, 2, " \"") == 0 && line.back() == '"';
}

TEST(CppqxFuzz, MutatedInputsPreprocessCleanly) {
  for (long n = 1000; n < 2000; n++)
    suppress_message(n);
  maxerror = 1 << 30;
  const fs::path cases = CPPQX_CASES;
  const fs::path dir = fs::path(testing::TempDir()) / ("cppqx_fuzz" + std::string("_") + std::to_string(getpid()));
  fs::create_directories(dir);
  std::vector<std::string> seeds;
  for (const auto &entry : fs::directory_iterator(cases))
    if (entry.path().extension() == ".c")
      seeds.push_back(read_file(entry.path()));
  std::sort(seeds.begin(), seeds.end());
  ASSERT_FALSE(seeds.empty());
  std::mt19937 rng(20260206);
  auto stop = std::chrono::steady_clock::now() + std::chrono::seconds(3);
  int runs = 0;
  while (std::chrono::steady_clock::now() < stop && runs < 20000) {
    std::string input;
    if (runs % 10 == 9) {
      // Now and then plain random bytes, of every value.
      input.resize(rng() % 2048);
      for (char &c : input)
        c = static_cast<char>(rng() & 0xFF);
    } else {
      input = s_mutate(seeds[rng() % seeds.size()], rng);
    }
    std::ofstream(dir / "f.c", std::ios::binary) << input;
    auto pp = std::make_unique<Pp>();
    pp->include_dirs = {(cases / "inc").string(), (cases / "sys").string()};
    bool fatal = false;
    try {
      mac_predefine(*pp);
      ASSERT_TRUE(out_open(*pp, (dir / "f.i").c_str()));
      pp_run(*pp, (dir / "f.c").string());
    } catch (const FatalUnwind &) {
      fatal = true;
    }
    out_close(*pp);
    if (!fatal) {
      EXPECT_TRUE(pp->conds.empty()) << input;
      EXPECT_EQ(pp->stack.size(), 1u) << input;
      EXPECT_EQ(pp->arg_depth, 0) << input;
    }
    std::istringstream out(read_file(dir / "f.i"));
    for (std::string line; std::getline(out, line);) {
      if (line.rfind("#line", 0) == 0) {
        EXPECT_TRUE(s_is_marker(line)) << line;
      }
    }
    runs++;
    if (HasFailure())
      break;
  }
  EXPECT_GT(runs, 50);
  printf("fuzz runs: %d\n", runs);
  fs::remove_all(dir);
}
