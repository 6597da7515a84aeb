// Bad input for the scanner and parser: random bytes, truncated programs,
// unbalanced braces, huge identifiers, NUL bytes, pragma-only files, and a
// bounded mutation-fuzz loop. Every run must end with a diagnosis or a tree
// (never a crash, hang or sanitizer report) and must be repeatable: the
// same input parsed twice gives the same error count and the same tree.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "tests/support/files_and_commands.h"
#include "driver/diag.h"
#include "front/front.h"
#include "parse_text.h"
#include "tests/support/quiet_diagnostics.h"

namespace {

struct Outcome {
  int errors;
  std::string tree;  // detailed dump, empty when there is none
};

Outcome run(const std::string &text) {
  Outcome o;
  o.errors = parse(text, "fuzz.c");
  pcodehl *root = hl_get_ast();
  o.tree = dump(root);
  hl_free_ast(root);
  return o;
}

std::string read_golden(const char *name) { return read_file(std::string(PARSER_GOLDEN_DIR) + "/" + name); }

class Robustness : public QuietDiagnostics {};

}  // namespace

TEST_F(Robustness, RandomBytesAreDiagnosed) {
  std::mt19937 rng(12345);
  for (int round = 0; round < 20; round++) {
    std::string text = "}";  // never valid at file level
    size_t length = 1 + rng() % 4096;
    for (size_t i = 0; i < length; i++)
      text += static_cast<char>(rng() & 0xFF);
    Outcome first = run(text);
    EXPECT_GE(first.errors, 1) << "round " << round;
    Outcome second = run(text);
    EXPECT_EQ(first.errors, second.errors);
    EXPECT_EQ(first.tree, second.tree);
  }
}

TEST_F(Robustness, EveryPrefixOfAProgramParsesOrIsDiagnosed) {
  const std::string program = read_golden("statements.c") + read_golden("asm.c");
  ASSERT_GT(program.size(), 500u);
  EXPECT_EQ(run(program).errors, 0);
  int diagnosed = 0;
  for (size_t cut = 0; cut < program.size(); cut++) {
    Outcome o = run(program.substr(0, cut));
    diagnosed += o.errors > 0;
  }
  EXPECT_GT(diagnosed, static_cast<int>(program.size()) / 2);
  // Cut just inside the first body: the block and the function are unfinished.
  size_t brace = program.find('{');
  EXPECT_GE(run(program.substr(0, brace + 1)).errors, 1);
}

TEST_F(Robustness, UnbalancedBracesAreDiagnosed) {
  const char *cases[] = {
      "}", "{", "void f(void) {{", "void f(void) { } }", "void f(void) }",
      "struct s { int a; ", "int a[3] = { 1, { 2 };", "void f(void) { if (1) { else }",
  };
  for (const char *c : cases)
    EXPECT_GE(run(c).errors, 1) << c;
}

// Errors inside assembly brackets resume at "_endasm"; without one, the
// parse ends at the end of the input. Either way the entries already built
// are released (the sanitizer build checks for leaks).
TEST_F(Robustness, AsmErrorsResumeOrEndCleanly) {
  const char *cases[] = {
      "void f(void) { _asm NOP ) ",
      "void f(void) { _asm loop: MOVLW 1, ) NOP _endasm }",
      "void f(void) { _asm _asm _endasm }",
      "void f(void) { _asm MOVLW ( _endasm x = 1; }",
      "_asm ) _endasm int x;",
      "void f(void) { _asm } _endasm",
  };
  for (const char *c : cases)
    EXPECT_GE(run(c).errors, 1) << c;
  Outcome o = run("void f(void) { _asm MOVLW ( _endasm x = 1; }\nint y;\n");
  EXPECT_EQ(o.errors, 1);
  EXPECT_NE(o.tree.find("H_IDENT @2 y"), std::string::npos) << o.tree;
}

TEST_F(Robustness, MegabyteIdentifier) {
  std::string name(1 << 20, 'q');
  name[0] = '_';
  Outcome o = run("int " + name + ";\nvoid f(void) { " + name + " = " + name + " + 1; }\n");
  EXPECT_EQ(o.errors, 0);
  EXPECT_NE(o.tree.find("H_IDENT @1 " + name + "\n"), std::string::npos);
  EXPECT_NE(o.tree.find("H_IDENT @2 " + name + "\n"), std::string::npos);
}

TEST_F(Robustness, NulBytesAreSkippedBetweenTokens) {
  Outcome o = run(std::string("int a;\0int b;\n", 14));
  EXPECT_EQ(o.errors, 0);
  EXPECT_NE(o.tree.find("H_IDENT @1 a"), std::string::npos);
  EXPECT_NE(o.tree.find("H_IDENT @1 b"), std::string::npos);
  // Skipped, a NUL does not join or separate declarations on its own.
  EXPECT_GE(run(std::string("int a\0b;\n", 9)).errors, 1);
  EXPECT_GE(run(std::string(64, '\0') + "}").errors, 1);
}

TEST_F(Robustness, PragmaOnlyAndEmptyFiles) {
  Outcome section = run("#pragma code\n");
  EXPECT_EQ(section.errors, 0);
  EXPECT_EQ(section.tree.rfind("H_PRAGMA @1 section code", 0), 0u);
  uint32_t warnings = get_warning_count();
  Outcome unknown = run("#pragma foo\n");
  EXPECT_EQ(unknown.errors, 0);
  EXPECT_EQ(get_warning_count(), warnings + 1);
  EXPECT_EQ(unknown.tree.rfind("H_NOP", 0), 0u);
  EXPECT_EQ(run("").tree.rfind("H_NOP", 0), 0u);
  EXPECT_GE(run("#pragma interrupt\n").errors, 1);  // 1018, and nothing to parse
}

TEST_F(Robustness, EachParseStartsWithAFreshScannerAndScopes) {
  // Input that ends inside an asm block or a block with a shadowing typedef
  // must not leak into the next parse.
  EXPECT_GE(run("typedef int NOP;\nvoid f(void) { int NOP; _asm NOP").errors, 1);
  Outcome o = run("int NOP;\n");
  EXPECT_EQ(o.errors, 0);
  EXPECT_NE(o.tree.find("H_IDENT @1 NOP"), std::string::npos);
  EXPECT_GE(run("typedef int T;\nvoid f(void) { int T;").errors, 1);
  EXPECT_GE(run("T x;\n").errors, 1);  // T names no type here
}

// Mutations of the golden programs: spans deleted and duplicated, bytes
// replaced, and tokens that stress the grammar's odd corners inserted.
TEST_F(Robustness, BoundedMutationFuzz) {
  const std::vector<std::string> seeds = {
      read_golden("expressions.c"), read_golden("statements.c"), read_golden("declarations.c"),
      read_golden("sue.c"),         read_golden("typedefs.c"),   read_golden("pragmas.c"),
      read_golden("asm.c"),
  };
  const std::vector<std::string> pieces = {
      "{", "}", "(", ")", "[", "]", ";", ",", "*", "=", ":", "?", "typedef ", "int ", "struct ",
      "enum ", "T ", "_asm ", " _endasm", "\n#pragma code\n", "\n#pragma interrupt f save=PROD\n",
      "'", "\"", "\\", "0x", "1.5e", "::", "$", "...", "else ", "case 1:", "default:", "goto ",
      std::string(1, '\0'), "MOVLW ", "lbl: ", "sizeof(", "(int)", "#line 7 \"x.h\"\n",
  };
  std::mt19937 rng(2024);
  auto start = std::chrono::steady_clock::now();
  int runs = 0, with_errors = 0, clean = 0;
  while (runs < 20000 && std::chrono::steady_clock::now() - start < std::chrono::seconds(3)) {
    std::string text = seeds[rng() % seeds.size()];
    for (int m = 1 + rng() % 3; m > 0 && !text.empty(); m--) {
      size_t at = rng() % text.size();
      size_t span = std::min<size_t>(1 + rng() % 40, text.size() - at);
      switch (rng() % 4) {
      case 0: text.erase(at, span); break;
      case 1: text.insert(at, text.substr(at, span)); break;
      case 2: text[at] = static_cast<char>(rng() & 0xFF); break;
      default: text.insert(at, pieces[rng() % pieces.size()]); break;
      }
    }
    Outcome o = run(text);
    runs++;
    (o.errors ? with_errors : clean)++;
    if (runs % 16 == 0) {
      Outcome again = run(text);
      ASSERT_EQ(o.errors, again.errors) << text;
      ASSERT_EQ(o.tree, again.tree) << text;
    }
  }
  EXPECT_GT(runs, 50);
  EXPECT_GT(with_errors, 0);
  EXPECT_GT(clean, 0);
}
