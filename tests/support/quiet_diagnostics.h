// A test fixture for bad-input suites: diagnostics are counted but not
// shown, and the error limit is lifted, so that one test can feed many
// broken inputs without ending at the 25th error.
#ifndef VELC_TESTS_SUPPORT_QUIET_DIAGNOSTICS_H
#define VELC_TESTS_SUPPORT_QUIET_DIAGNOSTICS_H

#include <gtest/gtest.h>

#include "driver/diag.h"

class QuietDiagnostics : public ::testing::Test {
protected:
  void SetUp() override {
    maxerror = 1 << 30;
    saved_level = error_level;
    error_level = 0;
  }
  void TearDown() override {
    maxerror = 25;
    error_level = saved_level;
  }
  int saved_level = 2;
};

#endif
