// Helpers of the driver's end-to-end tests: a private copy of the compiler
// with the stand-in preprocessor beside it, a working directory, and runs of
// the program with captured output and exit status.
#ifndef VELC_TESTS_DRIVER_RUN_H
#define VELC_TESTS_DRIVER_RUN_H

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "tests/support/files_and_commands.h"

struct run_result {
  int status;       // exit status, 0..255
  std::string out;  // standard output
  std::string err;  // standard error
};

class DriverRun : public ::testing::Test {
 protected:
  std::string root;  // temporary tree
  std::string bin;   // compiler and cppqx
  std::string work;  // current directory of the runs
  std::string log;   // the stand-in's record of its argument vectors
  std::string tmp;   // TMPDIR of the runs, checked to be empty after each test

  void SetUp() override;
  void TearDown() override;
  // Runs the compiler with args in work; env entries are set for the run
  // (VELC_INCLUDE is unset unless given, TMPDIR is tmp unless given). argv0 replaces the program path
  // as argv[0] when not empty (the program is then found through PATH=bin).
  run_result run(const std::vector<std::string> &args, const std::map<std::string, std::string> &env = {},
                 const std::string &argv0 = "");
  // The argument vectors the stand-in preprocessor received, in order.
  std::vector<std::vector<std::string>> pp_vectors() const;
  // Copies a file of tests/driver/inputs into work (as name).
  void add_input(const std::string &input, const std::string &name) const;
  bool exists(const std::string &path_in_work) const;
  std::string read(const std::string &path_in_work) const;
  void write(const std::string &path_in_work, const std::string &text) const;
};

// Whether arg is the quoted name of a private preprocessed file of the
// source base in the folder dir: "DIR/BASE-XXXXXX.i".
bool is_private_pfile(const std::string &arg, const std::string &dir, const std::string &base);

#endif
