// Helpers of the diagnostics tests: capturing standard output, and checks
// that run inside a fresh copy of the test program (the counters of the
// diagnostics only grow, so each counting scenario needs its own process).
#ifndef VELC_TESTS_DIAG_CAPTURE_H
#define VELC_TESTS_DIAG_CAPTURE_H

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>

#include "tests/support/files_and_commands.h"

// Runs fn with standard output redirected; returns what it printed.
inline std::string capture_stdout(const std::function<void()> &fn) {
  fflush(stdout);
  FILE *tmp = tmpfile();
  int saved = dup(1);
  dup2(fileno(tmp), 1);
  try {
    fn();
  } catch (...) {
    fflush(stdout);
    dup2(saved, 1);
    close(saved);
    fclose(tmp);
    throw;
  }
  fflush(stdout);
  dup2(saved, 1);
  close(saved);
  std::string text;
  rewind(tmp);
  for (int c; (c = fgetc(tmp)) != EOF;)
    text += static_cast<char>(c);
  fclose(tmp);
  return text;
}

// Inside a fresh process: a failed check prints itself and ends with status 1.
#define REQUIRE(cond)                                                       \
  do {                                                                      \
    if (!(cond)) {                                                          \
      fprintf(stderr, "line %d: check failed: %s\n", __LINE__, #cond);      \
      exit(1);                                                              \
    }                                                                       \
  } while (0)
#define REQUIRE_EQ(a, b)                                                                     \
  do {                                                                                       \
    auto va_ = (a);                                                                          \
    auto vb_ = (b);                                                                          \
    if (!(va_ == vb_)) {                                                                     \
      std::ostringstream msg_;                                                               \
      msg_ << "line " << __LINE__ << ": " #a " == " #b "\n  got:      [" << va_ << "]\n  expected: [" << vb_ << "]\n"; \
      fputs(msg_.str().c_str(), stderr);                                                     \
      exit(1);                                                                               \
    }                                                                                        \
  } while (0)

// Runs the block in a fresh copy of this program; it passes when the block
// completes without a failed REQUIRE.
#define IN_FRESH_PROCESS(block)                                  \
  do {                                                           \
    GTEST_FLAG_SET(death_test_style, "threadsafe");              \
    EXPECT_EXIT(                                                 \
        {                                                        \
          block;                                                 \
          fflush(stdout);                                        \
          exit(0);                                               \
        },                                                       \
        ::testing::ExitedWithCode(0), "");                       \
  } while (0)

#endif
