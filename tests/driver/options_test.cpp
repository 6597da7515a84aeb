// End-to-end tests of the command line: refusals and their exit statuses,
// the value-setting rows and warnings, the help and message listings.
#include <algorithm>
#include <string>

#include "driver/diag.h"
#include "driver_run.h"

using OptionRun = DriverRun;

TEST_F(OptionRun, NoArgumentsPrintsHelpAndSucceeds) {
  run_result r = run({});
  EXPECT_EQ(r.status, 0);
  EXPECT_NE(r.out.find("[options] file [options]"), std::string::npos);
  EXPECT_NE(r.out.find("this help screen"), std::string::npos);
  // Hidden rows stay out of the help text.
  EXPECT_EQ(r.out.find("Dump the pre-processor command line"), std::string::npos);
  EXPECT_EQ(r.out.find("no-extended"), std::string::npos);
}

TEST_F(OptionRun, PoptErrorsStopParsing) {
  run_result r = run({"-bogus", "--help"});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "-bogus:  unknown option\n");

  // Help first: printed, then the bad option is reported.
  r = run({"--help", "-bogus"});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.out.find("this help screen"), std::string::npos);
  EXPECT_NE(r.out.find("-bogus:  unknown option\n"), std::string::npos);

  r = run({"prog.c", "-fo"});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "-fo:  missing argument\n");

  r = run({"-w", "two", "prog.c"});
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "two:  invalid numeric value\n");
}

// Every option word is one row of the table; the one-letter options take an
// attached argument (-Iinc, -DX=1, -w3) but are not letter groups, so a
// misspelt switch such as -Ox is refused rather than read as -O -x.
TEST_F(OptionRun, UnknownWordsAreNotReadAsLetterGroups) {
  add_input("prog.c", "prog.c");
  for (const char *word : {"-Ox", "-Ov", "-kl", "-Os+x", "-help", "-Ek"}) {
    run_result r = run({word, "prog.c"});
    EXPECT_EQ(r.status, 1) << word;
    EXPECT_EQ(r.out, std::string(word) + ":  unknown option\n") << word;
  }
  EXPECT_TRUE(pp_vectors().empty());

  // Like any popt error: what came before acted, nothing behind is parsed.
  run_result r = run({"--help", "-Ox", "-v"});
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.out.find("this help screen"), std::string::npos);
  EXPECT_TRUE(r.out.ends_with("\n-Ox:  unknown option\n")) << r.out;
  EXPECT_EQ(r.out.find("v3.00"), std::string::npos);
  r = run({"-kx", "--help"});
  EXPECT_EQ(r.out, "-kx:  unknown option\n");
}

TEST_F(OptionRun, DocumentedWordFormsStillWork) {
  add_input("prog.c", "prog.c");
  run_result r = run({"-Iinc", "-DX=1", "-w3", "-pa=2", "-fo=out.o", "-nw=2066", "-p", " harrow ", "-O", "-k",
                      "-D", "-Ox", "prog.c", "--", "-Oz"});
  EXPECT_EQ(r.status, 0) << r.out;
  EXPECT_EQ(r.out, "");
  auto vectors = pp_vectors();
  ASSERT_EQ(vectors.size(), 1u);
  const std::vector<std::string> &v = vectors[0];
  auto has = [&](const std::string &a, const std::string &b) {
    for (size_t i = 0; i + 1 < v.size(); i++)
      if (v[i] == a && v[i + 1] == b)
        return true;
    return false;
  };
  EXPECT_TRUE(has("--include", "\"inc\""));
  EXPECT_TRUE(has("--define", "X=1"));
  EXPECT_TRUE(has("--define", "-Ox"));  // an argument, not an option word
  EXPECT_TRUE(has("\"prog.c\"", "--diagnostic-level=3"));
  EXPECT_EQ(v.back(), "--suppress-message=2066");
}

TEST_F(OptionRun, SuppressionRefusalsDoNotStopTheRun) {
  add_input("prog.c", "prog.c");
  run_result r = run({"-nw", "1105", "-nw", "zz", "-nw", "0x812", "prog.c"});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "1105:  error messages cannot be suppressed\n\nzz:  invalid numeric value\n");
  auto vectors = pp_vectors();
  ASSERT_EQ(vectors.size(), 1u);
  EXPECT_EQ(vectors[0].back(), "--suppress-message=2066");
  EXPECT_EQ(vectors[0][vectors[0].size() - 2], "-d__EXTENDEDqx__");
}

TEST_F(OptionRun, DefineAndIncludeLimits) {
  add_input("prog.c", "prog.c");
  std::vector<std::string> args;
  for (int i = 0; i < 128; i++) {
    args.push_back("-DM" + std::to_string(i));
    args.push_back("-Idir" + std::to_string(i));
  }
  args.push_back("prog.c");
  run_result r = run(args);
  EXPECT_EQ(r.status, 0) << r.out;
  auto vectors = pp_vectors();
  ASSERT_EQ(vectors.size(), 1u);
  EXPECT_EQ(vectors[0][1], "--include");
  EXPECT_EQ(vectors[0][2], "\"dir0\"");
  EXPECT_EQ(vectors[0][2 * 128], "\"dir127\"");
  EXPECT_EQ(vectors[0][2 * 128 + 2], "M0");

  std::vector<std::string> too_many_defines = args;
  too_many_defines.insert(too_many_defines.begin(), "-DEXTRA");
  r = run(too_many_defines);
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "Too many macro definitions: at most 128 -D options are allowed\n");

  std::vector<std::string> too_many_includes = args;
  too_many_includes.insert(too_many_includes.begin(), "-Iextra");
  r = run(too_many_includes);
  EXPECT_EQ(r.status, 1);
  EXPECT_EQ(r.out, "Too many include directories: at most 128 -I options are allowed\n");
  EXPECT_EQ(pp_vectors().size(), 1u);
}

TEST_F(OptionRun, MessageHelp) {
  run_result r = run({"--help-message=1105"});
  EXPECT_EQ(r.status, 0);
  std::string long_text;
  for (int i = 0; i < MESSAGE_TABLE_SZ; i++)
    if (message_table[i].number == 1105)
      long_text = message_table[i].long_text;
  ASSERT_FALSE(long_text.empty());
  EXPECT_EQ(r.out, "1105: symbol '%s' has not been defined\n" + long_text + "\n");

}

TEST_F(OptionRun, MessageListings) {
  int listed = 0;
  for (int i = 0; i < MESSAGE_TABLE_SZ; i++)
    listed += message_table[i].number >= 500;
  run_result list = run({"--help-message-list"});
  EXPECT_EQ(list.status, 0);
  EXPECT_EQ(std::count(list.out.begin(), list.out.end(), '\n'), listed);
  EXPECT_EQ(list.out.rfind("1000: %s\n1002: syntax error, '%s' expected\n", 0), 0u);
  EXPECT_NE(list.out.find("\n1114: case label outside switch statement detected\n1159: "), std::string::npos);
  EXPECT_EQ(list.out.find("\n102:"), std::string::npos);

  run_result all = run({"--help-message=0"});
  EXPECT_EQ(all.status, 0);
  EXPECT_EQ(all.out.rfind("1000: %s\n\n\n1002: syntax error, '%s' expected\n", 0), 0u);
  EXPECT_EQ(all.out, run({"--help-message-all"}).out);
  EXPECT_EQ(all.out.find("-internal-"), std::string::npos);
}

TEST_F(OptionRun, VersionAndVerboseCounts) {
  add_input("prog.c", "prog.c");
  run_result r = run({"-v", "prog.c"});
  EXPECT_EQ(r.status, 0);
  EXPECT_NE(r.out.find("v3.00"), std::string::npos);
  EXPECT_EQ(std::count(r.out.begin(), r.out.end(), '\n'), 1);
  EXPECT_TRUE(pp_vectors().empty());
  // --version is the same option.
  run_result same = run({"prog.c", "--version"});
  EXPECT_EQ(same.status, 0);
  EXPECT_EQ(same.out, r.out);
  EXPECT_TRUE(pp_vectors().empty());
  EXPECT_NE(run({"--help"}).out.find("-v, --version"), std::string::npos);
  EXPECT_EQ(run({"-version"}).status, 1);

  // -verbose says which phases ran, then the counts.
  r = run({"-verbose", "prog.c"});
  EXPECT_EQ(r.status, 0);
  EXPECT_NE(r.out.find("v3.00"), std::string::npos);
  EXPECT_NE(r.out.find("Phases run: preprocessing, parsing, translation, code generation, optimisation, "
                       "branch resolution, object file.\n"),
            std::string::npos)
      << r.out;
  EXPECT_NE(r.out.find(" file written"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("\nErrors:    0\nWarnings:  0\n"), std::string::npos) << r.out;
  EXPECT_EQ(run({"prog.c"}).out, "");
  EXPECT_EQ(r.out.find("Messages:"), std::string::npos);
  EXPECT_EQ(pp_vectors().at(0).back(), "--verbose");

  r = run({"-verbose", "-w1", "prog.c"});
  EXPECT_NE(r.out.find("Errors:    0\n"), std::string::npos);
  EXPECT_EQ(r.out.find("Warnings:"), std::string::npos);

  r = run({"-verbose", "-w", "3", "prog.c"});
  EXPECT_NE(r.out.find("Errors:    0\nWarnings:  0\nMessages:  0\n"), std::string::npos);
}

// Runs whose whole output is known: the argument words, the exit status,
// the exact standard output, and how many preprocessor runs they start.
TEST_F(OptionRun, RunsWithExactOutput) {
  add_input("prog.c", "prog.c");
  const struct {
    std::vector<std::string> args;
    int status;
    const char *out;
    size_t pp_runs;
  } rows[] = {
      {{"-w", "4", "prog.c"}, 1, "Warning level must be 1, 2, or 3\n", 0},
      {{"-pa=-1", "prog.c"}, 1, "Procedural abstraction repeat count must be greater than 0\n", 0},
      // A repeat count of 0 is a notice, not a refusal.
      {{"-pa=0", "prog.c"}, 0, "-pa=0 specified; disabling procedural abstraction\n", 1},
      // The level is checked before the count.
      {{"-w", "0", "-pa=-3", "prog.c"}, 1, "Warning level must be 1, 2, or 3\n", 0},
      {{"-sco", "-scs", "-sca", "-Ol-", "-Oa+", "prog.c"}, 0,
       "Warning [2025] default overlay locals is unsupported in extended mode, -sco ignored\n"
       "Warning [2026] default static locals is unsupported in extended mode, -scs ignored\n"
       "Warning [2027] default auto locals is redundant in extended mode, -sca ignored\n"
       "Warning [2028] default static locals is unsupported in extended mode, -Ol ignored\n"
       "Warning [2029] default access RAM is unsupported in extended mode, -Oa ignored\n", 1},
      {{"-On0", "-On2", "prog.c"}, 0,
       "-On0:  Option has been deprecated.  Please use -On-.\n-On2:  Option has been deprecated.  Please use -On+.\n", 1},
      {{"--extended", "prog.c"}, 0, "", 1},
      {{"--no-extended", "prog.c"}, 1, "Fatal [102] --no-extended cannot be specified to the extended mode compiler\n", 0},
      // Message numbers are 32-bit: beyond that they are no number, nor wrap round onto one.
      {{"-nw", "4294969362", "prog.c"}, 0, "4294969362:  invalid numeric value\n", 1},  // 2^32 + 2066
      {{"--help-message=4294968401"}, 1, "--help-message=4294968401:  invalid numeric value\n", 0},
      // The internal record is shown on request although the listings omit it.
      {{"--help-message", "100"}, 0,
       "100: -internal- %s\nAn internal compiler error has occurred. Contact Valdren Technical Support.\n", 0},
      {{"--help-message=0x7d0"}, 0, "", 0},  // 2000 is not catalogued
      {{"--help-message=x1"}, 1, "--help-message=x1:  invalid numeric value\n", 0},
      {{"-O-", "-k"}, 0, "no file specified.\n", 0},
  };
  size_t pp_before = 0;
  for (const auto &row : rows) {
    SCOPED_TRACE(row.args[0]);
    run_result r = run(row.args);
    EXPECT_EQ(r.status, row.status);
    EXPECT_EQ(r.out, row.out);
    size_t pp_now = pp_vectors().size();
    EXPECT_EQ(pp_now - pp_before, row.pp_runs);
    pp_before = pp_now;
  }
  // The fifth preprocessor run is the 2^32 + 2066 row's: no suppression passed on.
  EXPECT_EQ(pp_vectors().at(4).back(), "-d__EXTENDEDqx__");
  for (const char *option : {"-h", "-?", "--help"}) {
    run_result r = run({option});
    EXPECT_EQ(r.status, 0) << option;
    EXPECT_NE(r.out.find("Set processor (default is generic)"), std::string::npos) << option;
  }
}
