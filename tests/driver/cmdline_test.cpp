// Unit tests of the option table: each option word stores what its row
// says into the right setting and into no other, and the ignored options
// change nothing. The expectations are the option table's own: value-setting
// pairs store 1 and 0, -Oi+ and -Oi- the reverse, the hidden short forms 1.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

#include "driver/cmdline.h"
#include "driver/settings.h"

namespace {

struct setting {
  const char *name;
  int *value;
};

const std::vector<setting> &s_settings() {
  static const std::vector<setting> all = {
      {"memory_model", &memory_model},
      {"stack_multi_bank_flag", &stack_multi_bank_flag},
      {"lfsr_valid", &lfsr_valid},
      {"verbose", &verbose},
      {"dump_version_only", &dump_version_only},
      {"preprocess_only", &preprocess_only},
      {"dump_preprocessor_cmd_line", &dump_preprocessor_cmd_line},
      {"show_pragma_config_help", &show_pragma_config_help},
      {"error_level", &error_level},
      {"global_optimize_flag", &global_optimize_flag},
      {"do_banking_optimizations", &do_banking_optimizations},
      {"do_unreachable_code_removal", &do_unreachable_code_removal},
      {"do_code_straightening", &do_code_straightening},
      {"do_tail_merging", &do_tail_merging},
      {"do_branch_optimizations", &do_branch_optimizations},
      {"do_wreg_tracking", &do_wreg_tracking},
      {"do_dead_code_removal", &do_dead_code_removal},
      {"do_copy_propagation", &do_copy_propagation},
      {"do_redundant_store_elimination", &do_redundant_store_elimination},
      {"do_procedural_abstraction", &do_procedural_abstraction},
      {"procedural_abstraction_count", &procedural_abstraction_count},
      {"dump_procedural_abstraction", &dump_procedural_abstraction},
      {"dump_assembly_level_basic_blocks", &dump_assembly_level_basic_blocks},
      {"plain_char_signed_flag", &plain_char_signed_flag},
      {"suppress_integer_promotion_flag", &suppress_integer_promotion_flag},
      {"merge_duplicate_strings_flag", &merge_duplicate_strings_flag},
      {"debug_trans_flag", &debug_trans_flag},
      {"debug_code_gen_flag", &debug_code_gen_flag},
      {"emit_assembly_flag", &emit_assembly_flag},
  };
  return all;
}

std::vector<int> s_snapshot() {
  std::vector<int> values;
  for (const setting &s : s_settings())
    values.push_back(*s.value);
  return values;
}

void s_restore(const std::vector<int> &values) {
  for (size_t i = 0; i < values.size(); i++)
    *s_settings()[i].value = values[i];
}

// Parses "prog words... x.c" with standard output discarded; returns
// cmd_parse_args's result.
int s_parse(const std::vector<std::string> &words) {
  std::vector<const char *> argv = {"velcqx-extended"};
  for (const std::string &w : words)
    argv.push_back(w.c_str());
  argv.push_back("x.c");
  argv.push_back(nullptr);
  fflush(stdout);
  FILE *sink = tmpfile();
  int saved = dup(1);
  dup2(fileno(sink), 1);
  int result = 0;
  if (cmd_init(static_cast<int>(argv.size()) - 1, argv.data()))
    result = cmd_parse_args();
  fflush(stdout);
  dup2(saved, 1);
  close(saved);
  fclose(sink);
  cmd_free();
  return result;
}

class OptionTable : public ::testing::Test {
 protected:
  std::vector<int> defaults = s_snapshot();
  void TearDown() override { s_restore(defaults); }

  // words store expected into the named setting (preset to the opposite
  // value first) and leave every other setting as it was.
  void expect_stores(const std::vector<std::string> &words, int *target, int expected) {
    s_restore(defaults);
    *target = expected == 1 ? 0 : 1;
    if (target == &error_level || target == &procedural_abstraction_count)
      *target = 1;
    std::vector<int> before = s_snapshot();
    ASSERT_EQ(s_parse(words), 1) << words.back();
    std::vector<int> after = s_snapshot();
    for (size_t i = 0; i < after.size(); i++) {
      if (s_settings()[i].value == target)
        EXPECT_EQ(after[i], expected) << words.back() << " -> " << s_settings()[i].name;
      else
        EXPECT_EQ(after[i], before[i]) << words.back() << " also changed " << s_settings()[i].name;
    }
  }
};

TEST_F(OptionTable, OptimisationPairsAndTheirShortForms) {
  struct pair_row {
    const char *name;
    int *target;
  };
  const pair_row pairs[] = {
      {"-Om", &merge_duplicate_strings_flag}, {"-On", &do_banking_optimizations},
      {"-Ou", &do_unreachable_code_removal},  {"-Os", &do_code_straightening},
      {"-Ot", &do_tail_merging},              {"-Ob", &do_branch_optimizations},
      {"-Od", &do_dead_code_removal},         {"-Opa", &do_procedural_abstraction},
      {"-Op", &do_copy_propagation},          {"-Or", &do_redundant_store_elimination},
      {"-Ow", &do_wreg_tracking},
  };
  for (const pair_row &p : pairs) {
    expect_stores({std::string(p.name) + "+"}, p.target, 1);
    expect_stores({std::string(p.name) + "-"}, p.target, 0);
    expect_stores({p.name}, p.target, 1);
  }
  expect_stores({"-O+"}, &global_optimize_flag, 1);
  expect_stores({"-O"}, &global_optimize_flag, 1);
  expect_stores({"-O-"}, &global_optimize_flag, 0);
  // Integer promotion is stored as its suppression.
  expect_stores({"-Oi+"}, &suppress_integer_promotion_flag, 0);
  expect_stores({"-Oi"}, &suppress_integer_promotion_flag, 0);
  expect_stores({"-Oi-"}, &suppress_integer_promotion_flag, 1);
  // The deprecated banking levels still set the banking switch.
  expect_stores({"-On0"}, &do_banking_optimizations, 0);
  expect_stores({"-On1"}, &do_banking_optimizations, 1);
  expect_stores({"-On2"}, &do_banking_optimizations, 1);
}

TEST_F(OptionTable, FlagsAndValues) {
  expect_stores({"-k"}, &plain_char_signed_flag, 0);
  expect_stores({"-ls"}, &stack_multi_bank_flag, 1);
  expect_stores({"-bs"}, &stack_multi_bank_flag, 1);
  expect_stores({"-ml"}, &memory_model, 3);
  s_restore(defaults);
  memory_model = 3;
  ASSERT_EQ(s_parse({"-ms"}), 1);
  EXPECT_EQ(memory_model, 0);
  expect_stores({"-verbose"}, &verbose, 1);
  expect_stores({"-v"}, &dump_version_only, 1);
  expect_stores({"-E"}, &preprocess_only, 1);
  expect_stores({"-tp"}, &dump_preprocessor_cmd_line, 1);
  expect_stores({"-tob"}, &dump_assembly_level_basic_blocks, 1);
  expect_stores({"-topa"}, &dump_procedural_abstraction, 1);
  expect_stores({"-l"}, &debug_trans_flag, 1);
  expect_stores({"-x"}, &debug_code_gen_flag, 1);
  expect_stores({"-s"}, &emit_assembly_flag, 1);
  expect_stores({"-lfsr"}, &lfsr_valid, 1);
  expect_stores({"--help-config"}, &show_pragma_config_help, 1);
  expect_stores({"-w", "3"}, &error_level, 3);
  expect_stores({"-w0x3"}, &error_level, 3);  // automatic base
  expect_stores({"-pa=7"}, &procedural_abstraction_count, 7);
  expect_stores({"-pa", "010"}, &procedural_abstraction_count, 8);
}

TEST_F(OptionTable, IgnoredOptionsChangeNothing) {
  for (const char *word : {"-sco", "-scs", "-sca", "-Ol", "-Ol+", "-Ol-", "-Oa", "-Oa+", "-Oa-", "--extended"}) {
    s_restore(defaults);
    ASSERT_EQ(s_parse({word}), 1) << word;
    EXPECT_EQ(s_snapshot(), defaults) << word;
  }
  // -O- switches the optimiser off as a whole; the single switches stay.
  ASSERT_EQ(s_parse({"-Ot-", "-O-"}), 1);
  EXPECT_EQ(global_optimize_flag, 0);
  EXPECT_EQ(do_tail_merging, 0);
  EXPECT_EQ(do_copy_propagation, 1);
}

TEST_F(OptionTable, ResultCodes) {
  auto parse = [&](const std::vector<std::string> &words) {
    s_restore(defaults);
    return s_parse(words);
  };
  EXPECT_EQ(parse({"--no-extended"}), 0);
  EXPECT_EQ(parse({"-w", "4"}), 0);
  EXPECT_EQ(parse({"-pa=0"}), 1);
  EXPECT_EQ(parse({"-h"}), -1);
  EXPECT_EQ(parse({"--help-message-list"}), -1);
  EXPECT_EQ(parse({"-h", "-Ox"}), 0);
  EXPECT_EQ(parse({"-nw", "1105"}), 1);
  EXPECT_EQ(parse({"--help-message", "x"}), 0);
}

}  // namespace
