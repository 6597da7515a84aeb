// Bad input for the translation: programs full of semantic errors,
// incomplete types, recursive structures, huge bounds, deep declarators,
// ten thousand cases, self-referencing initialisers, and a bounded
// mutation loop over the golden programs. Every run must end with
// diagnostics or a statement list, never a crash, a hang or a sanitizer
// report, and the same input must give the same result twice.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "driver/compile.h"
#include "driver/diag.h"
#include "driver/settings.h"
#include "front/front.h"
#include "trans/declare.h"
#include "trans/trans.h"
#include "tests/support/quiet_diagnostics.h"
#include "tests/support/files_and_commands.h"
#include "tests/support/translation_cleanup.h"

namespace {

struct Outcome {
  uint32_t parse_errors = 0;
  uint32_t errors = 0;  // translation errors
  bool unwound = false;
  long statements = 0;
};

Outcome run(const std::string &text) {
  snprintf(yyfilename, sizeof yyfilename, "%s", "bad.c");
  snprintf(ofile, sizeof ofile, "%s", "bad.o");
  yylineno = 1;
  Outcome o;
  uint32_t e0 = get_error_count();
  front_parse_bytes(text.data(), text.size());
  pcodehl *root = hl_get_ast();
  o.parse_errors = get_error_count() - e0;
  StatementRecord *list = nullptr;
  if (o.parse_errors == 0) {
    uint32_t e1 = get_error_count();
    try {
      list = trnTranslateAST(root);
    } catch (const FatalUnwind &) {
      o.unwound = true;
    }
    o.errors = get_error_count() - e1;
  }
  for (StatementRecord *s = list; s; s = s->next)
    o.statements++;
  free_translation(list, root);
  return o;
}

class TranslateRobustness : public QuietDiagnostics {};

}  // namespace

TEST_F(TranslateRobustness, TwentyFifthErrorStopsTheTranslation) {
  std::string src = "struct s { int a; } v;\nvoid f(void) {\n";
  for (int i = 0; i < 60; i++)
    src += "  v = v + " + std::to_string(i) + ";\n";
  src += "}\n";
  maxerror = static_cast<int>(get_error_count()) + 25;
  Outcome o = run(src);
  EXPECT_TRUE(o.unwound);
  EXPECT_EQ(o.errors, 25u);
}

// The error that reaches the limit may come from the middle of any part of
// the translation; the unwinding must give back every tree, type and
// statement record (pool records, which the leak checker cannot see).
TEST_F(TranslateRobustness, UnwindingAtTheErrorLimitLeavesNoRecords) {
  const char *rows[] = {
      "int v; void f(void) { v = q; v = (char char)v; }\n",           // 1161 in a cast's type
      "int v; void f(void) { v = q; v = (signed unsigned)v; }\n",     // 1162 in a cast's type
      "void f(void) { int a = q; signed unsigned b; b = a; }\n",      // in a local's type
      "int v = q; char char w;\n",                                    // in a file-level type
      "int v; void f(void) { v = q; v = sizeof(int int); }\n",        // in sizeof's type
      "typedef void v(void) { }\n",                                   // fatal 100 after a definition's type
  };
  for (const char *row : rows) {
    SCOPED_TRACE(row);
    size_t live = hl_live_records() + type_live_records() + pcodell_live_records();
    maxerror = static_cast<int>(get_error_count()) + 2;
    Outcome o = run(row);
    maxerror = 1 << 30;
    EXPECT_TRUE(o.unwound);
    EXPECT_EQ(hl_live_records() + type_live_records() + pcodell_live_records(), live);
  }
}

// Whole programs of wrong or extreme declarations: each ends with its
// diagnostics (at least `errors`, or exactly when `exact`), never unwinding.
TEST_F(TranslateRobustness, BadProgramsAreDiagnosed) {
  std::string stars(50, '*'), brackets, fn = "int x";
  for (int i = 0; i < 50; i++) {
    brackets += "[1]";
    fn = "(*" + fn + ")(void)";
  }
  const struct {
    std::string source;
    uint32_t errors;
    bool exact;
  } rows[] = {
      {"struct inc; struct inc *p; struct inc x; union u *q;\nint f(struct inc a);\n"
       "void g(void) { int n; n = sizeof(struct inc); n = p->m; p++; n = *p; n = q->x; n = sizeof x; f(*p); }\n",
       5, false},
      {"struct s { struct s inner; int a; } v;\nstruct t { struct t *next; struct t self; };\n"
       "void f(void) { v.a = 1; v.inner.a = 2; }\n", 1, false},
      // The local frame is far too large.
      {"char big[0x7fffffff]; long huge[0x40000000]; char init[0x7ffffff0] = {1};\n"
       "void f(void) { char local[0x7fff] = {1}; local[0] = big[5]; }\n", 1, false},
      {"int " + stars + "p;\nchar a" + brackets + ";\n" + fn + ";\nvoid f(void) { int " + stars + "q; q = p; a" +
           brackets.substr(0, 9) + "[0] = 1; }\n", 0, true},
      // g is too large; b exceeds the frame (1300).
      {"char g[0x7fffffff] = \"ab\";\nstruct B { char a[0x10000]; int n; };\n"
       "void f(int n) { struct B b = { \"x\", n }; b.n = 0; }\n", 2, true},
      {"void v; void a[3]; int x[0]; extern static int y; auto int z;\n"
       "struct s { int a; int a; void f(void); int w : 99; } sv;\nenum e { A = 1, B = 0x80000000, A = 2 };\n"
       "int main(int argc) { return argc; }\nint twice(void) { return 0; } int twice(void) { return 1; }\n"
       "void p(extern int a, rom int b, static int c);\ntypedef int T; T T2; int q = sizeof(struct nowhere);\n",
       8, false},
  };
  for (const auto &row : rows) {
    SCOPED_TRACE(row.source.substr(0, 60));
    Outcome o = run(row.source);
    EXPECT_FALSE(o.unwound);
    if (row.exact)
      EXPECT_EQ(o.errors, row.errors);
    else
      EXPECT_GE(o.errors, row.errors);
  }
}

// A switch of ten thousand cases (one duplicate: 1515) and thirty thousand
// string literals translate; how fast is measured by the benchmarks.
TEST_F(TranslateRobustness, ManyCasesAndManyStringLiterals) {
  std::string cases = "int r; void f(int n) { switch (n) {\n";
  for (int i = 0; i < 10000; i++)
    cases += "case " + std::to_string(i) + ": r = " + std::to_string(i % 7) + "; break;\n";
  EXPECT_EQ(run(cases + "case 17: r = 0; }\n}\n").errors, 1u);
  std::string strings = "void use(const char *s);\nvoid f(void) {\n";
  for (int i = 0; i < 30000; i++)
    strings += "  use(\"literal number " + std::to_string(i) + "\"); use(\"same\");\n";
  Outcome o = run(strings + "}\n");
  EXPECT_EQ(o.errors, 0u);
  EXPECT_FALSE(o.unwound);
  EXPECT_GT(o.statements, 0);
}

TEST_F(TranslateRobustness, SelfReferencingInitialisers) {
  Outcome o = run("int s = s; int *p = (int *)&p; struct n { struct n *next; } head = {&head};\n"
                  "void f(void) { int a = a; int b[2] = {b[1], b[0]}; a = b[0]; }\n");
  EXPECT_FALSE(o.unwound);
  EXPECT_EQ(o.errors, 1u);  // 1214 for s: not a constant
  EXPECT_GT(o.statements, 0);
}

TEST_F(TranslateRobustness, EveryKindOfWrongExpression) {
  const char *bodies[] = {
      "v = 1;", "v(1);", "1 = 2;", "&1;", "*v;", "v.x;", "v->x;", "p->x;", "v[0];", "0[0];",
      "f = 1;", "f++;", "--f;", "-f;", "!v;", "~v;", "v ? 1 : 2;", "i ? v : p;", "(struct s)1;",
      "(void)v + 1;", "i = sizeof(v) + v;", "i = (int)v;", "p = &v.b;", "f(f, f, f);", "i = \"str\"[v];",
      "i <<= v;", "p += p;", "p -= 1.5;", "v += 1;", "i %= 1.0;", "i = p * 2;", "i = p / p;",
  };
  for (const char *body : bodies) {
    std::string src = std::string("struct s { int a; unsigned b : 2; } v; struct t *p; int i;\n"
                                  "void f(void) { ") + body + " }\n";
    Outcome first = run(src);
    EXPECT_FALSE(first.unwound) << body;
    EXPECT_GE(first.errors, 1u) << body;
    Outcome second = run(src);
    EXPECT_EQ(first.errors, second.errors) << body;
  }
}

// Bounded mutation loop over the golden programs: drop, repeat or swap
// tokens-ish byte runs and translate whatever still parses.
TEST_F(TranslateRobustness, MutatedProgramsTranslateOrAreDiagnosed) {
  std::vector<std::string> programs;
  for (const char *name : {"loops", "static_data", "auto_init", "pointer_arith", "member_access", "calls",
                           "conditional", "switch_char", "sections", "logical"})
    programs.push_back(read_file(std::string(TRANSLATE_GOLDEN_DIR) + "/" + name + ".c"));
  std::mt19937 rng(20261206);
  auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(4);
  int runs = 0, translated = 0;
  const char *inserts[] = {"*", "&", "(", ")", "0", "-1", "[", "]", "{", "}", ";", ",", "v", ".", "->", "sizeof",
                           "struct s", "void", "char", "\"s\"", "=", "+", "?", ":", "++", "!", "rom", "static"};
  while (std::chrono::steady_clock::now() < deadline && runs < 3000) {
    std::string text = programs[rng() % programs.size()];
    int edits = 1 + static_cast<int>(rng() % 4);
    for (int e = 0; e < edits && !text.empty(); e++) {
      size_t at = rng() % text.size();
      size_t len = 1 + rng() % 8;
      switch (rng() % 3) {
      case 0: text.erase(at, len); break;
      case 1: text.insert(at, inserts[rng() % (sizeof inserts / sizeof inserts[0])]); break;
      default: text.insert(at, text.substr(rng() % text.size(), len)); break;
      }
    }
    Outcome o = run(text);
    runs++;
    translated += o.parse_errors == 0;
  }
  EXPECT_GT(runs, 50);
  EXPECT_GT(translated, 0);
}

TEST_F(TranslateRobustness, ExpressionsTooDeepAreRefusedOnce) {
  std::string sum, commas;
  for (int i = 0; i < 20000; i++) {
    sum += i ? " + x" : "x";
    commas += i ? ", x" : "x";
  }
  std::string parens = std::string(900, '(') + "x" + std::string(900, ')');
  Outcome o = run("int x;\nvoid f(void) {\n  x = " + sum + ";\n  x = (" + commas + ");\n  x = " + parens +
                  ";\n  x = x + x;\n}\n");
  EXPECT_FALSE(o.unwound);
  EXPECT_EQ(o.errors, 2u);  // one for the sum, one for the comma chain
}
