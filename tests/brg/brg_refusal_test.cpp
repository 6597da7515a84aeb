// velc-burg refuses bad grammars at build time: each row is a tiny grammar
// (a small good one with one fault put in) and the refusal it must give,
// as "file:line: text" on standard error with exit status 1 and no
// matcher written.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "tests/support/files_and_commands.h"

namespace {

// velc-burg with args: its exit status and what it printed on standard error.
CommandRun s_run(const std::string &args) {
  return run_command(std::string("'") + VELC_BURG + "' " + args + " 2>&1 >/dev/null");
}

std::string s_dir() {
  std::string d = ::testing::TempDir() + "velc_burg_" + std::to_string(getpid());
  mkdir(d.c_str(), 0700);
  return d;
}

void s_write(const std::string &path, const std::string &text) { std::ofstream(path) << text; }

// A good grammar of seven lines; rows append to it or change one line.
const std::string GOOD =
    "%term leaf I_CNST8 I_IDRAM8\n"
    "%term unary I_IND8RAM8\n"
    "%term binary I_MOV8\n"
    "%nonterm stmt reg addr\n"
    "1 stmt: I_MOV8(I_IND8RAM8(addr),reg) 1\n"
    "2 addr: I_IDRAM8 0\n"
    "3 reg: I_CNST8 1\n";

// A pattern of n indirections around addr.
std::string s_nested(int n) {
  std::string rule = "4 reg: ";
  for (int i = 0; i < n; i++)
    rule += "I_IND8RAM8(";
  return rule + "addr" + std::string(static_cast<size_t>(n), ')') + " 1\n";
}

struct Refusal {
  const char *name;
  std::string grammar;   // g.brg
  std::string include;   // inc.binc, when not empty
  std::string message;   // one line of the refusal, without the folder
};

const Refusal s_refusals[] = {
    // names and arities
    {"unknown_operator", GOOD + "4 reg: I_FOO(reg) 1\n", "", "g.brg:8: unknown operator I_FOO"},
    {"unknown_operator_declared", "%term leaf I_FOO\n" + GOOD, "", "g.brg:1: unknown operator I_FOO"},
    {"operator_not_a_terminal", GOOD + "4 reg: I_MOV16(reg,reg) 1\n", "",
     "g.brg:8: operator I_MOV16 is not declared by %term"},
    {"unknown_nonterminal", GOOD + "4 reg: I_IND8RAM8(adr) 1\n", "", "g.brg:8: unknown nonterminal adr"},
    {"unknown_left_side", GOOD + "4 rag: I_IND8RAM8(addr) 1\n", "", "g.brg:8: unknown nonterminal rag"},
    {"operator_on_the_left", GOOD + "4 I_MOV8: reg 1\n", "",
     "g.brg:8: I_MOV8 is an operator; a rule's left side is a nonterminal"},
    {"too_few_operands", GOOD + "4 stmt: I_MOV8(reg) 1\n", "", "g.brg:8: operator I_MOV8 takes 2 operands, not 1"},
    {"too_many_operands", GOOD + "4 reg: I_IND8RAM8(addr,reg) 1\n", "",
     "g.brg:8: operator I_IND8RAM8 takes 1 operand, not 2"},
    {"operands_of_a_leaf", GOOD + "4 reg: I_CNST8(reg) 1\n", "", "g.brg:8: operator I_CNST8 takes 0 operands, not 1"},
    {"binary_operator_as_a_leaf", GOOD + "4 stmt: I_MOV8 1\n", "", "g.brg:8: operator I_MOV8 takes 2 operands, not 0"},
    {"operands_of_a_nonterminal", GOOD + "4 stmt: reg(addr) 1\n", "",
     "g.brg:8: reg is a nonterminal and takes no operands"},
    // declarations
    {"nonterminal_declared_twice", GOOD + "%nonterm reg\n", "",
     "g.brg:8: nonterminal reg is declared twice (first at "},
    {"nonterminal_named_as_an_operator", GOOD + "%nonterm I_NOP\n", "",
     "g.brg:8: nonterminal I_NOP has the name of an operator"},
    {"nonterminal_named_as_a_keyword", GOOD + "%nonterm int\n", "", "g.brg:8: nonterminal int is a C++ keyword"},
    {"terminal_declared_twice", GOOD + "%term leaf I_CNST8\n", "", "g.brg:8: operator I_CNST8 is declared twice"},
    {"terminal_no_rule_uses", "%term leaf I_LABEL\n" + GOOD, "",
     "g.brg:1: operator I_LABEL is declared but no rule uses it"},
    {"no_nonterminals", "%term leaf I_CNST8\n", "", "g.brg: no nonterminal is declared (%nonterm)"},
    {"start_underivable", "%underivable never\n" + GOOD, "",
     "g.brg:1: the first nonterminal, never, is the start and cannot be %underivable"},
    // rule numbers
    {"duplicate_rule_number", GOOD + "2 reg: I_IND8RAM8(addr) 1\n", "",
     "g.brg:8: rule number 2 is used twice (first at "},
    {"rule_number_0", GOOD + "0 reg: I_IND8RAM8(addr) 1\n", "", "g.brg:8: rule number 0 is not 1 to 32767"},
    // derivation and reach
    {"no_rule_derives", GOOD + "%nonterm mem\n4 reg: mem 1\n", "", "g.brg:8: nonterminal mem: no rule derives it"},
    {"derived_only_from_itself", GOOD + "%nonterm mem\n4 reg: mem 1\n5 mem: I_IND8RAM8(mem) 0\n", "",
     "g.brg:8: nonterminal mem: no tree derives it (each of its rules needs a nonterminal that is never derived)"},
    {"unreachable", GOOD + "%nonterm mem\n4 mem: I_IND8RAM8(addr) 0\n", "",
     "g.brg:8: nonterminal mem is not reachable from stmt"},
    {"underivable_derived", GOOD + "%underivable never\n4 never: I_IND8RAM8(addr) 0\n", "",
     "g.brg:9: rule 4 derives never, which is declared %underivable"},
    // rules that can never apply
    {"identical_unguarded", GOOD + "4 reg: I_CNST8 2\n", "",
     "g.brg:8: rule 4 repeats rule 3 (" /* folder */},
    {"identical_same_guard", GOOD + "4 reg: I_IND8RAM8(addr) 1 if isX\n5 reg: I_IND8RAM8(addr) 0 if isX\n", "",
     "with the same guard isX to tell them apart, so one of them can never apply"},
    {"guarded_behind_unguarded", GOOD + "4 reg: I_CNST8 1 if isZero\n", "",
     "g.brg:8: rule 4 can never apply: rule 3 ("},
    {"chain_to_itself", GOOD + "4 reg: reg 0\n", "", "g.brg:8: rule 4 derives reg from itself, so it can never apply"},
    // the line syntax
    {"missing_cost", GOOD + "4 reg: I_IND8RAM8(addr)\n", "",
     "g.brg:8: expected a cost (0 to 32766 words, or a cost function), not the end of the line"},
    {"cost_too_large", GOOD + "4 reg: I_IND8RAM8(addr) 32767\n", "", "g.brg:8: expected a cost (0 to 32766 words"},
    {"unknown_option", GOOD + "4 reg: I_IND8RAM8(addr) 1 when isX\n", "",
     "g.brg:8: expected if, pre, in or post after the cost, not 'when'"},
    {"option_twice", GOOD + "4 reg: I_IND8RAM8(addr) 1 post a post b\n", "", "g.brg:8: 'post' is given twice"},
    {"unclosed_pattern", GOOD + "4 reg: I_IND8RAM8(addr 1\n", "",
     "g.brg:8: expected ',' or ')' in the pattern, not '1'"},
    {"pattern_too_deep", GOOD + s_nested(40), "", "g.brg:8: pattern nests deeper than 32 operators"},
    {"missing_colon", GOOD + "4 reg I_IND8RAM8(addr) 1\n", "", "g.brg:8: expected ':' after reg, not 'I_IND8RAM8'"},
    {"unknown_directive", GOOD + "%terminal leaf I_NOP\n", "",
     "g.brg:8: expected a rule, %include, %term, %nonterm or %underivable, not '%terminal'"},
    {"term_without_arity", "%term I_CNST8\n" + GOOD, "",
     "g.brg:1: expected leaf, unary or binary after %term, not 'I_CNST8'"},
    {"stray_character", GOOD + "4 reg: I_IND8RAM8(addr) 1 ;\n", "", "g.brg:8: expected if, pre, in or post after the cost, not ';'"},
    // includes
    {"fault_in_an_include", GOOD + "%include \"inc.binc\"\n", "# rules\n4 reg: I_IND8RAM8(adr) 1\n",
     "inc.binc:2: unknown nonterminal adr"},
    {"missing_include", GOOD + "%include \"none.binc\"\n", "", "g.brg:8: cannot open "},
    {"include_cycle", GOOD + "%include \"inc.binc\"\n", "%include \"g.brg\"\n", "inc.binc:1: cycle of includes back to "},
};

void PrintTo(const Refusal &row, std::ostream *os) { *os << row.name; }

class GeneratorRefuses : public ::testing::TestWithParam<Refusal> {};

TEST_P(GeneratorRefuses, WithFileLineAndText) {
  const Refusal &row = GetParam();
  std::string dir = s_dir() + "/" + row.name;
  std::filesystem::create_directories(dir);
  s_write(dir + "/g.brg", row.grammar);
  if (!row.include.empty())
    s_write(dir + "/inc.binc", row.include);
  std::string out = dir + "/m.inc";
  CommandRun r = s_run("-d '" OPERATORS_DEF "' -o '" + out + "' '" + dir + "/g.brg'");
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.out.find(row.message), std::string::npos) << r.out;
  EXPECT_FALSE(std::filesystem::exists(out));
}

INSTANTIATE_TEST_SUITE_P(Grammars, GeneratorRefuses, ::testing::ValuesIn(s_refusals),
                         [](const auto &info) { return std::string(info.param.name); });

// The good grammar the rows start from is accepted, so each row's refusal
// comes from its one fault; a refused grammar reports every fault, not the first.
TEST(Generator, AcceptsTheGoodGrammarAndReportsEveryFault) {
  std::string dir = s_dir() + "/good";
  std::filesystem::create_directories(dir);
  s_write(dir + "/g.brg", GOOD);
  CommandRun good = s_run("-d '" OPERATORS_DEF "' -o '" + dir + "/m.inc' '" + dir + "/g.brg'");
  EXPECT_EQ(good.status, 0);
  EXPECT_EQ(good.out, "");
  EXPECT_TRUE(std::filesystem::exists(dir + "/m.inc"));

  s_write(dir + "/bad.brg", GOOD + "4 reg: I_FOO 1\n4 reg: I_IND8RAM8(addr) 1 ;\n5 stmt: I_MOV8(reg) 1\n");
  CommandRun bad = s_run("-d '" OPERATORS_DEF "' -o '" + dir + "/n.inc' '" + dir + "/bad.brg'");
  EXPECT_EQ(bad.status, 1);
  EXPECT_NE(bad.out.find("bad.brg:8: unknown nonterminal I_FOO"), std::string::npos) << bad.out;
  EXPECT_NE(bad.out.find("bad.brg:9: expected if, pre, in or post"), std::string::npos) << bad.out;
  EXPECT_NE(bad.out.find("bad.brg:10: operator I_MOV8 takes 2 operands, not 1"), std::string::npos) << bad.out;
}

// A bad operator list or command line is refused too.
TEST(Generator, RefusesABadOperatorListAndCommandLine) {
  std::string dir = s_dir() + "/ops";
  std::filesystem::create_directories(dir);
  s_write(dir + "/g.brg", GOOD);
  s_write(dir + "/ops.def", "// operators\nOP(I_NOP, 100)\nOP(I_MOV8, 100)\nOP I_CNST8\n");
  CommandRun r = s_run("-d '" + dir + "/ops.def' -o '" + dir + "/m.inc' '" + dir + "/g.brg'");
  EXPECT_EQ(r.status, 1);
  EXPECT_NE(r.out.find("ops.def:3: operator number 100 is given to I_NOP already"), std::string::npos) << r.out;
  EXPECT_NE(r.out.find("ops.def:4: expected OP(name, number)"), std::string::npos) << r.out;
  EXPECT_EQ(s_run("'" + dir + "/g.brg'").status, 2);  // no operator list
  EXPECT_EQ(s_run("-d '" OPERATORS_DEF "' -q '" + dir + "/g.brg'").status, 2);
  EXPECT_EQ(s_run("-d '" OPERATORS_DEF "' '" + dir + "/none.brg'").status, 1);
}

}  // namespace
