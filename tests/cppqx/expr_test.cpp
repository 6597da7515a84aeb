// #if arithmetic: 32-bit long and unsigned long, C90 constant typing, errors.
#include <gtest/gtest.h>

#include "pp_test_util.h"

// 1 when the #if selects its group, 0 when not, -1 after an error.
static int s_if(const std::string &expr, const std::vector<std::string> &defines = {}) {
  PpRun r = pp_run_text("#if " + expr + "\nyes\n#else\nno\n#endif\n", defines);
  if (r.errors)
    return -1;
  return pp_text_only(r.out) == "yes\n" ? 1 : 0;
}

TEST(IfExpr, LongIsThirtyTwoBits) {
  EXPECT_EQ(s_if("2147483647 + 1 < 0"), 1);
  EXPECT_EQ(s_if("2147483647 + 1 == -2147483647 - 1"), 1);
  EXPECT_EQ(s_if("4294967295 == -1"), 1) << "4294967295 is unsigned long";
  EXPECT_EQ(s_if("4294967296"), -1) << "does not fit in 32 bits";
  EXPECT_EQ(s_if("0x80000000 > 0"), 1);
  EXPECT_EQ(s_if("65536 * 65536 == 0"), 1);
  EXPECT_EQ(s_if("-2147483647 - 1 < 0"), 1);
}

TEST(IfExpr, UsualArithmeticConversions) {
  EXPECT_EQ(s_if("-1 < 0"), 1);
  EXPECT_EQ(s_if("-1 < 0u"), 0);
  EXPECT_EQ(s_if("-1 > 1UL"), 1);
  EXPECT_EQ(s_if("(0u - 1) / 2 == 0x7fffffff"), 1);
  EXPECT_EQ(s_if("-1 / 2 == 0"), 1);
  EXPECT_EQ(s_if("-1 >> 1 == -1"), 1);
  EXPECT_EQ(s_if("-1u >> 1 == 0x7fffffff"), 1);
  EXPECT_EQ(s_if("(1 ? -1 : 0u) > 0"), 1);
  EXPECT_EQ(s_if("(1 ? -1 : 0) > 0"), 0);
  EXPECT_EQ(s_if("(-2147483647 - 1) / -1 < 0"), 1) << "the one overflowing division wraps";
}

TEST(IfExpr, ConstantsOfEveryForm) {
  EXPECT_EQ(s_if("0b11110000 == 0xF0 && 0360 == 240"), 1);
  EXPECT_EQ(s_if("0b2"), -1);
  EXPECT_EQ(s_if("08"), -1);
  EXPECT_EQ(s_if("1uu"), -1);
  EXPECT_EQ(s_if("10ul + 10LU + 10L + 10U == 40"), 1);
  EXPECT_EQ(s_if("'\\x7f' == 127 && '\\200' < 0 && '\\a' == 7 && '\\?' == 63"), 1);
  EXPECT_EQ(s_if("L'\\377' == 255"), 1);
  EXPECT_EQ(s_if("'abcd' == 0x61626364"), 1);
  EXPECT_EQ(s_if("'\\q'"), -1);
  EXPECT_EQ(s_if("1.5"), -1);
}

TEST(IfExpr, ShortCircuitSkipsDivisionByZero) {
  EXPECT_EQ(s_if("0 && 1 / 0"), 0);
  EXPECT_EQ(s_if("1 || 1 % 0"), 1);
  EXPECT_EQ(s_if("0 ? 1 / 0 : 2"), 1);
  EXPECT_EQ(s_if("1 ? 2 : 1 / 0"), 1);
  EXPECT_EQ(s_if("1 / 0 || 1"), -1);
  EXPECT_EQ(s_if("1 && 5 % 0"), -1);
}

TEST(IfExpr, ShiftsOfEveryWidth) {
  EXPECT_EQ(s_if("(1 << 31) < 0"), 1);
  EXPECT_EQ(s_if("(1 << 32) == 0"), 1);
  EXPECT_EQ(s_if("(8 << -1) == 4"), 1);
  EXPECT_EQ(s_if("(-8 >> 40) == -1"), 1);
  EXPECT_EQ(s_if("(0x80000000 >> 31) == 1"), 1);
}

TEST(IfExpr, DefinedAndMacros) {
  EXPECT_EQ(s_if("defined A && defined(B) && !defined C", {"A", "B=0"}), 1);
  EXPECT_EQ(s_if("A + B == 5", {"A=2", "B=(A+1)"}), 1);
  EXPECT_EQ(s_if("F(2) == 4", {"F(x)=((x)*2)"}), 1);
  EXPECT_EQ(s_if("F == 0", {"F(x)=x"}), 1) << "a function-like name without arguments is an identifier";
  EXPECT_EQ(s_if("D", {"D=defined(D)"}), 1);
  EXPECT_EQ(s_if("defined"), -1);
  EXPECT_EQ(s_if("defined(A"), -1);
  EXPECT_EQ(s_if("defined + 1"), -1);
}

TEST(IfExpr, MalformedLines) {
  for (const char *bad : {"", "(", "1 +", "()", "1 2", "+", "1 = 1", "\"s\"", "1 ? 2", "a++", "(((1)", "1)"})
    EXPECT_EQ(s_if(bad), -1) << bad;
  std::string deep(300, '(');
  EXPECT_EQ(s_if(deep + "1" + std::string(300, ')')), -1) << "nesting is bounded";
  std::string ok(100, '(');
  EXPECT_EQ(s_if(ok + "1" + std::string(100, ')')), 1);
  std::string minus;
  for (int i = 0; i < 200; i++)
    minus += "- ";
  EXPECT_EQ(s_if(minus + "1 == 1"), 1) << "an even number of minus signs";
}
