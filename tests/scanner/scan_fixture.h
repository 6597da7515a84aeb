// Shared helpers of the scanner tests: scan a text into a list of tokens
// (releasing every owned value), capture the console diagnostics, and reset
// the process-wide state that the scanner and the pragma handlers keep.
#ifndef VELC_TESTS_SCANNER_SCAN_FIXTURE_H
#define VELC_TESTS_SCANNER_SCAN_FIXTURE_H

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cparse.hpp"
#include "front/pragma.h"
#include "front/scan.h"

// One token as the parser would see it, with its value turned into text.
struct scanned {
  int code;
  std::string text;      // identifier, label, mnemonic, typedef name; string bytes
  hl_constant constant;  // constants
  long line;             // yylineno after the token
  int column;            // yycolumn after the token
  std::string pragma;    // TOK_PRAGMA: pragma_record_format of the record
  pragma_record record;  // TOK_PRAGMA: the record, already released (words only)
};

// Copies the token's value out of yylval and frees what it owned.
scanned take_token(int code);

// Scans all of source (bytes, zero bytes allowed) up to the end of input.
std::vector<scanned> scan_all(const std::string &source, size_t limit = 100000);

// Token codes only.
std::vector<int> codes_of(const std::vector<scanned> &tokens);

// Diagnostics printed while fn runs (the console lines, path and all).
template <typename Fn>
std::string console_of(Fn fn) {
  testing::internal::CaptureStdout();
  fn();
  return testing::internal::GetCapturedStdout();
}

// The console line that post_error prints for a diagnostic on line.
std::string diag_line(const char *kind, long number, long line, const std::string &text);

// Resets scanner, diagnostics limits, save flags, varlocate list and pool.
class ScanTest : public testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
};

#endif
