// Macro replacement: hide sets, stringizing, pasting, spacing of the output,
// redefinition and the line markers that keep tokens on their lines.
#include <gtest/gtest.h>

#include <algorithm>

#include "pp_test_util.h"

static std::string s_pp(const std::string &text) { return pp_text_only(pp_run_text(text).out); }

static std::vector<const Ident *> s_names(const HideSet *hs) { return hs ? hs->names : std::vector<const Ident *>{}; }

TEST(HideSets, UnionAndIntersection) {
  Pp pp;
  Ident *a = pp_ident(pp, "a", 1), *b = pp_ident(pp, "b", 1), *c = pp_ident(pp, "c", 1);
  const HideSet *sa = hs_single(pp, a), *sb = hs_single(pp, b), *sc = hs_single(pp, c);
  EXPECT_EQ(sa, hs_single(pp, a)) << "one singleton per name";
  const HideSet *ab = hs_union(pp, sa, sb);
  EXPECT_EQ(s_names(ab), s_names(hs_union(pp, sb, sa)));
  EXPECT_EQ(ab, hs_union(pp, sa, sb)) << "a union asked twice is remembered";
  EXPECT_TRUE(hs_has(ab, a));
  EXPECT_TRUE(hs_has(ab, b));
  EXPECT_FALSE(hs_has(ab, c));
  const HideSet *abc = hs_union(pp, ab, hs_union(pp, sc, sa));
  EXPECT_EQ(abc->names.size(), 3u) << "no duplicates";
  EXPECT_TRUE(std::is_sorted(abc->names.begin(), abc->names.end(), std::less<const Ident *>()));
  const HideSet *bc = hs_union(pp, sb, sc);
  EXPECT_EQ(s_names(hs_inter(pp, ab, bc)), std::vector<const Ident *>{b});
  EXPECT_EQ(hs_inter(pp, sa, sc), nullptr) << "the empty set is null";
  EXPECT_EQ(hs_union(pp, nullptr, sa), sa);
  EXPECT_EQ(hs_inter(pp, nullptr, sa), nullptr);
  EXPECT_FALSE(hs_has(nullptr, a));
}

// Texts through the preprocessor: the output without line markers and the
// number of errors. Rows: hide sets stop recursion (a name produced by its
// own replacement is never replaced, even when passed on as an argument); a
// function-like name without arguments; stringizing escapes literals only
// (a stray backslash at the end must not escape the closing quote, a new
// line in an argument is white space); pasting makes one token or fails, and
// its result is not replaced when it names the macro being replaced; the
// output never glues tokens; empty and variable arguments; redefinition
// agrees only when identical, and the new definition replaces the old one;
// command-line definitions; __LINE__ and __FILE__ follow #line.
TEST(Replacement, TextsAndErrors) {
  const struct {
    std::string text;
    std::vector<std::string> defines;
    const char *out;
    uint32_t errors;
  } rows[] = {
      {"#define x x + 1\nx\n", {}, "x + 1\n", 0},
      {"#define a b\n#define b c a\na b\n", {}, "c a c b\n", 0},
      {"#define f(x) g(x)\n#define g(x) f(x)\nf(1) g(f(2))\n", {}, "f(1) g(f(2))\n", 0},
      {"#define id(x) x\n#define r r id(r)\nr\n", {}, "r r\n", 0},
      {"#define f(x) [x]\nf + f(1) f\n(2) f\n", {}, "f + [1] [2]\nf\n", 0},
      {"#define f(x) [x]\n#define g f\ng(3)\n", {}, "[3]\n", 0},
      {"#define s(x) #x\ns(  a   +  \"b\\n\"  'c'  '\\'' \\ z)\n", {}, "\"a + \\\"b\\\\n\\\" 'c' '\\\\'' \\ z\"\n", 0},
      {"#define s(x) #x\ns(a \\)\n", {}, "\"a \"\n", 0},
      {"#define s(x) #x\ns(a\n b)\n", {}, "\"a b\"\n", 0},
      {"#define s(x, y) #x #y\ns(,)\n", {}, "\"\" \"\"\n", 0},
      {"#define c(a,b) a##b\nc(x,y) c(<,<=) c(-,>) c(L, 'a') c(0x,1f) c(.,.)\n", {}, "xy <<= -> L'a' 0x1f . .\n", 1},  // ".." is no token
      {"#define c(a,b) a##b\nc(a,+)\n", {}, "a+\n", 1},
      {"#define ab ab ## c\n#define abc done\nab\n", {}, "done\n", 0},
      {"#define E\n#define M -\n-E- +E+ &E& <E< M-1 M M x/E/y\n", {}, "- - + + & & < < - -1 - - x/ /y\n", 0},
      {"#define P(x) x\nP(a)P(b) P(1)P(2) P(.)P(5)\n", {}, "a b 1 2 . 5\n", 0},
      {"#define E\na+E+b c E d\n", {}, "a+ +b c d\n", 0},
      {"#define f(a,b,c) [a|b|c]\nf(,,) f( 1 , , 3 )\n", {}, "[| |] [1| |3]\n", 0},
      {"#define v(...) <__VA_ARGS__>\nv() v(1, 2 ,3)\n", {}, "<> <1, 2 ,3>\n", 0},
      {"#define e(f, ...) g(f, ## __VA_ARGS__)\ne(1) e(1, 2) e(1,2)\n", {}, "g(1) g(1, 2) g(1,2)\n", 0},
      {"#define A 1 + 2\n#define A 1  /* */ + 2\n#define F(x) x\n#define F( x ) x\n", {}, "", 0},
      {"#define A 1 + 2\n#define A 1+2\n", {}, "", 1},
      {"#define F(x) x\n#define F(y) y\n", {}, "", 1},
      {"#define F(x) x\n#define F x\n", {}, "", 1},
      {"#define F(x, ...) x\n#define F(x, y) x\n", {}, "", 1},
      {"#define A 1\n#undef A\n#define A 2\n", {}, "", 0},
      {"#define A 1\n#define A 2\nA\n", {}, "2\n", 1},
      {"A B C D(4)\n", {"A", "B=", "C=x=y", "D(n)=n*n"}, "1 x=y 4*4\n", 0},
      {"x\n", {"3=4"}, "x\n", 1},  // a definition must start with a name
      {"__LINE__\n#line 50 \"x\\\\y.c\"\n__LINE__ __FILE__\n__LINE__\n", {}, "1\n50 \"x\\\\y.c\"\n51\n", 0},
  };
  for (const auto &row : rows) {
    PpRun r = pp_run_text(row.text, row.defines);
    EXPECT_EQ(pp_text_only(r.out), row.out) << row.text;
    EXPECT_EQ(r.errors, row.errors) << row.text;
  }
}

TEST(LineMarkers, TokensKeepTheirLines) {
  PpRun r = pp_run_text("a\n\n\nb\n" + std::string(20, '\n') + "c\n#define F(x) x\nF(\n1\n) d\n");
  const std::string name = (pp_test_dir() / "t.c").string();
  EXPECT_EQ(r.out, "#line 1 \"" + name + "\"\na\n\n\nb\n#line 25 \"" + name + "\"\nc\n\n1\n\nd\n");
}

TEST(Limits, NestedArgumentsAreBounded) {
  std::string ok = "#define f(x) x\n", bad = ok;
  for (int i = 0; i < 150; i++)
    ok += "f(";
  ok += "1" + std::string(150, ')') + "\n";
  PpRun r = pp_run_text(ok);
  EXPECT_EQ(r.errors, 0u);
  EXPECT_EQ(pp_text_only(r.out), "1\n");
  for (int i = 0; i < 5000; i++)
    bad += "f(";
  bad += "1" + std::string(5000, ')') + "\n";
  PpRun deep = pp_run_text(bad);
  EXPECT_GE(deep.errors, 1u) << "too deep: a clear error, not a stack overflow";
}

TEST(Limits, ExponentialDefinitionsStayWithinTheirSize) {
  // Each level doubles: 2^12 tokens in the end, all produced without recursion.
  std::string text = "#define L0 x\n";
  for (int i = 1; i <= 12; i++)
    text += "#define L" + std::to_string(i) + " L" + std::to_string(i - 1) + " L" + std::to_string(i - 1) + "\n";
  PpRun r = pp_run_text(text + "L12\n");
  EXPECT_EQ(r.errors, 0u);
  std::string line = pp_text_only(r.out);
  EXPECT_EQ(std::count(line.begin(), line.end(), 'x'), 4096);
}

TEST(Definition, LongParameterListsFindEveryParameterAndRepeats) {
  // 40 parameters p0..p39: the body names some of them, the call passes i*10.
  std::string params, args;
  for (int i = 0; i < 40; i++) {
    params += (i ? ", p" : "p") + std::to_string(i);
    args += (i ? ", " : "") + std::to_string(i * 10);
  }
  EXPECT_EQ(s_pp("#define M(" + params + ") p39 p0 p17 q\nM(" + args + ")\n"), "390 0 170 q\n");
  PpRun repeated = pp_run_text("#define N(" + params + ", p23) x\nN\n");
  EXPECT_EQ(repeated.errors, 1u);
  EXPECT_EQ(pp_text_only(repeated.out), "N\n") << "the definition is refused";
}
