// The command line as the compiler driver builds it.
#include <gtest/gtest.h>

#include "cppqx/options.h"

static bool s_parse(std::vector<const char *> args, CppOptions &opts) {
  return opt_parse(static_cast<int>(args.size()), args.data(), opts);
}

TEST(Options, DriverArgumentVector) {
  CppOptions o;
  ASSERT_TRUE(s_parse({"--include", "\"inc one\"", "--include", "\"two\"", "--define", "A=1", "--define", "B",
                       "-o", "\"prog.i\"", "-e", "\"prog.err\"", "\"prog.c\"", "--diagnostic-level=3", "-d__HARROW",
                       "-d__SMALL__", "-i", "\"x;y:z;;\"", "--verbose", "--suppress-message=1099",
                       "--suppress-message=2002"},
                      o))
      << o.problem;
  EXPECT_EQ(o.include_dirs, (std::vector<std::string>{"inc one", "two"}));
  EXPECT_EQ(o.defines, (std::vector<std::string>{"A=1", "B", "__HARROW", "__SMALL__"}));
  EXPECT_EQ(o.output, "prog.i");
  EXPECT_EQ(o.error_file, "prog.err");
  EXPECT_EQ(o.sources, std::vector<std::string>{"prog.c"});
  EXPECT_EQ(o.level, 3);
  EXPECT_EQ(o.system_dirs, (std::vector<std::string>{"x", "y", "z"}));
  EXPECT_TRUE(o.verbose);
  EXPECT_EQ(o.suppressed, (std::vector<long>{1099, 2002}));
}

TEST(Options, EqualsFormsAndUnquoting) {
  CppOptions o;
  ASSERT_TRUE(s_parse({"--include=d", "--define=X=2", "-o=o.i", "s.c"}, o)) << o.problem;
  EXPECT_EQ(o.include_dirs, std::vector<std::string>{"d"});
  EXPECT_EQ(o.defines, std::vector<std::string>{"X=2"});
  EXPECT_EQ(o.output, "o.i");
  EXPECT_EQ(opt_unquote("\"a\""), "a");
  EXPECT_EQ(opt_unquote("\"\""), "");
  EXPECT_EQ(opt_unquote("\""), "\"");
  EXPECT_EQ(opt_unquote("\"a"), "\"a");
  EXPECT_EQ(opt_unquote("\"\"x\"\""), "\"x\"") << "only one pair is removed";
}

TEST(Options, ErrorsAreReported) {
  const std::vector<std::vector<const char *>> bad = {
      {"-o", "x.i", "--bogus", "s.c"}, {"-o", "x.i"},       {"-o"},
      {"s.c", "--include"},          {"--diagnostic-level=0", "s.c"}, {"--diagnostic-level=x", "s.c"},
      {"--suppress-message=", "s.c"}, {"-d", "s.c"},       {"--include=", "s.c"}};
  for (const auto &args : bad) {
    CppOptions o;
    EXPECT_FALSE(s_parse(args, o)) << args[0];
    EXPECT_FALSE(o.problem.empty());
  }
  CppOptions two;
  EXPECT_TRUE(s_parse({"a.c", "b.c"}, two)) << "two sources are the program's 1033, not an option error";
  EXPECT_EQ(two.sources.size(), 2u);
}
