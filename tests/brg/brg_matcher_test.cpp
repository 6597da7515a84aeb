// End-to-end: the matcher generated at build time from tiny.brg labels
// trees of a stand-in node type and is reduced by a minimal reducer; the
// rules chosen, their costs, the actions run, the kids and the tables are
// the ones the grammar and its costs, guards and tie rule call for.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "trans/pcodell.h"

// A tree node with only what the matcher and the tiny grammar read.
struct TinyNode {
  int op;
  TinyNode *left, *right;
  void *state;  // the matcher's, freed with the node
  int value;    // I_CNST8: the constant
  int cop;      // I_cop8: B_ADD .. B_XOR
};

#define BURG_NODEPTR TinyNode *
#define BURG_OP(p) ((p)->op)
#define BURG_LEFT(p) ((p)->left)
#define BURG_RIGHT(p) ((p)->right)
#define BURG_STATE(p) ((p)->state)

// ---- the grammar's guards, cost function and actions ----------------------

static bool tinyIsZero(TinyNode *p) { return p->right->value == 0; }
static bool tinyIsAllOnes(TinyNode *p) { return p->right->value == 255; }
static bool tinyIsIdentity(TinyNode *p) { return p->right->value == (p->cop == B_AND ? 255 : 0); }
static bool tinyIsAndZero(TinyNode *p) { return p->cop == B_AND && p->right->value == 0; }

// Words of an in-place byte shift by the constant operand; a shift by 0
// says -4, which the matcher must count as 0.
static int tinyShiftCost(TinyNode *p) {
  switch (p->right->value) {
  case 0:
    return -4;
  case 1:
    return 2;
  case 4:
  case 7:
    return 3;
  case 2:
  case 3:
  case 5:
  case 6:
    return 4;
  default:
    return 0;
  }
}

static std::string s_actions;  // the actions run, in order, each followed by a blank

#define TINY_ACTION(name) \
  static void name(TinyNode *) { s_actions += #name " "; }
TINY_ACTION(tinyLabel)
TINY_ACTION(tinyStore)
TINY_ACTION(tinyClear)
TINY_ACTION(tinySet)
TINY_ACTION(tinyLoad)
TINY_ACTION(tinyLoadConst)
TINY_ACTION(tinySequence)
TINY_ACTION(tinyAddMem)
TINY_ACTION(tinyPrepare)
TINY_ACTION(tinyAddConst)

#include "tiny_matcher.inc"

namespace {

// Nodes of one test; their states are freed with them.
struct Trees {
  std::deque<TinyNode> nodes;
  ~Trees() {
    for (TinyNode &n : nodes)
      std::free(n.state);
  }
  TinyNode *op(int op, TinyNode *left = nullptr, TinyNode *right = nullptr) {
    return &nodes.emplace_back(TinyNode{op, left, right, nullptr, 0, 0});
  }
  TinyNode *cnst(int value) {
    TinyNode *n = op(I_CNST8);
    n->value = value;
    return n;
  }
  TinyNode *var() { return op(I_IND8RAM8, op(I_IDRAM8)); }  // a byte in access RAM
  TinyNode *cop(int cop, TinyNode *left, TinyNode *right) {
    TinyNode *n = op(I_cop8, left, right);
    n->cop = cop;
    return n;
  }
  TinyNode *shifted() { return op(I_SHL8, var(), cnst(1)); }  // a value only in a register
  TinyNode *store(TinyNode *value) { return op(I_MOV8, op(I_IND8RAM8, op(I_IDRAM8)), value); }
};

// Reduces as the selector does: pre-order action, the first kid, in-order
// action, the other kids, post-order action; records each rule number.
void s_reduce(TinyNode *p, int goal, std::vector<int> &rules) {
  int rule = _rule(p->state, goal);
  rules.push_back(rule);
  if (rule == 0)
    return;
  TinyNode *kids[burg_max_kids];
  _kids(p, rule, kids);
  if (_action_0_tbl[rule])
    _action_0_tbl[rule](p);
  for (int i = 0; _nts[rule][i]; i++) {
    s_reduce(kids[i], _nts[rule][i], rules);
    if (i == 0 && _action_1_tbl[rule])
      _action_1_tbl[rule](p);
  }
  if (_action_2_tbl[rule])
    _action_2_tbl[rule](p);
}

struct Selection {
  const char *name;
  std::function<TinyNode *(Trees &)> tree;
  int goal;
  int cost;                 // of the root for the goal
  std::vector<int> rules;   // in reduction order
  const char *actions;
};

const Selection s_selections[] = {
    {"label", [](Trees &t) { return t.op(I_LABEL); }, stmt_NT, 0, {1}, "tinyLabel "},
    {"store_0_clears", [](Trees &t) { return t.store(t.cnst(0)); }, stmt_NT, 1, {4, 10}, "tinyClear "},
    {"store_255_sets", [](Trees &t) { return t.store(t.cnst(255)); }, stmt_NT, 1, {5, 10}, "tinySet "},
    {"store_5_loads_the_constant", [](Trees &t) { return t.store(t.cnst(5)); }, stmt_NT, 2, {3, 10, 14, 12},
     "tinyLoadConst tinyStore "},
    {"store_copies_a_variable", [](Trees &t) { return t.store(t.var()); }, stmt_NT, 2, {3, 10, 13, 11, 10},
     "tinyLoad tinyStore "},
    {"value_as_statement_closes_twice", [](Trees &t) { return t.var(); }, stmt_NT, 1, {2, 13, 11, 10}, "tinyLoad "},
    {"add_0_passes_through", [](Trees &t) { return t.cop(B_ADD, t.var(), t.cnst(0)); }, reg_NT, 1,
     {22, 13, 11, 10}, "tinyLoad "},
    {"and_255_passes_through", [](Trees &t) { return t.cop(B_AND, t.var(), t.cnst(255)); }, reg_NT, 1,
     {22, 13, 11, 10}, "tinyLoad "},
    {"add_3_fails_the_guard", [](Trees &t) { return t.cop(B_ADD, t.shifted(), t.cnst(3)); }, reg_NT, 4,
     {23, 30, 13, 11, 10, 12}, "tinyPrepare tinyLoad tinyAddConst "},
    {"and_0_needs_an_underivable_operand", [](Trees &t) { return t.cop(B_AND, t.shifted(), t.cnst(0)); }, reg_NT, 4,
     {23, 30, 13, 11, 10, 12}, "tinyPrepare tinyLoad tinyAddConst "},
    {"memory_operand_ties_with_the_constant_rule", [](Trees &t) { return t.cop(B_ADD, t.var(), t.cnst(3)); }, reg_NT,
     2, {21, 11, 10, 14, 12}, "tinyLoadConst tinyAddMem "},
    {"equal_costs_keep_the_earlier_rule", [](Trees &t) { return t.cop(B_OR, t.var(), t.var()); }, reg_NT, 2,
     {20, 13, 11, 10, 11, 10}, "tinyLoad tinyAddMem "},
    {"shift_by_1_costs_2_in_place", [](Trees &t) { return t.op(I_SHL8, t.var(), t.cnst(1)); }, reg_NT, 3,
     {30, 13, 11, 10}, "tinyLoad "},
    {"shift_by_2_takes_the_general_rule", [](Trees &t) { return t.op(I_SHL8, t.var(), t.cnst(2)); }, reg_NT, 4,
     {31, 13, 11, 10, 12}, "tinyLoad "},
    {"shift_by_4_ties_and_keeps_the_earlier", [](Trees &t) { return t.op(I_SHL8, t.var(), t.cnst(4)); }, reg_NT, 4,
     {30, 13, 11, 10}, "tinyLoad "},
    {"negative_cost_counts_as_0", [](Trees &t) { return t.op(I_SHL8, t.var(), t.cnst(0)); }, reg_NT, 1,
     {30, 13, 11, 10}, "tinyLoad "},
    {"sequence_runs_the_in_order_action", [](Trees &t) { return t.op(I_RIGHT, t.op(I_LABEL), t.var()); }, reg_NT, 1,
     {15, 1, 13, 11, 10}, "tinyLabel tinySequence tinyLoad "},
    {"a_bare_address_is_no_statement", [](Trees &t) { return t.op(I_IDRAM8); }, stmt_NT, 32767, {0}, ""},
};

void PrintTo(const Selection &row, std::ostream *os) { *os << row.name; }

class MatcherSelects : public ::testing::TestWithParam<Selection> {};

TEST_P(MatcherSelects, RulesCostsAndActions) {
  const Selection &row = GetParam();
  Trees trees;
  TinyNode *root = row.tree(trees);
  burg_state *state = _label(root);
  EXPECT_EQ(state, root->state);
  EXPECT_EQ(state->cost[row.goal], row.cost);
  std::vector<int> rules;
  s_actions.clear();
  s_reduce(root, row.goal, rules);
  EXPECT_EQ(rules, row.rules);
  EXPECT_EQ(s_actions, row.actions);
}

INSTANTIATE_TEST_SUITE_P(Tiny, MatcherSelects, ::testing::ValuesIn(s_selections),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(Matcher, UnderivableOperandNeverApplies) {
  Trees trees;
  TinyNode *root = trees.cop(B_AND, trees.var(), trees.cnst(0));
  ASSERT_TRUE(tinyIsAndZero(root));  // the guard holds, the operand cannot be derived
  burg_state *state = _label(root);
  EXPECT_EQ(_rule(state, cnst_NT), 0);
  EXPECT_EQ(state->cost[cnst_NT], 32767);
  EXPECT_EQ(_rule(state, nothing_NT), 0);
}

TEST(Matcher, RelabellingReusesTheState) {
  Trees trees;
  TinyNode *root = trees.store(trees.cnst(0));
  burg_state *first = _label(root);
  root->right->value = 5;
  EXPECT_EQ(_label(root), first);
  EXPECT_EQ(_rule(first, stmt_NT), 3);
}

TEST(Matcher, KidsAreTheLeavesLeftToRight) {
  Trees trees;
  TinyNode *value = trees.var();
  TinyNode *root = trees.store(value);
  _label(root);
  TinyNode *kids[burg_max_kids] = {};
  _kids(root, 3, kids);
  EXPECT_EQ(kids[0], root->left->left);
  EXPECT_EQ(kids[1], value);
  _kids(value, 13, kids);  // a chain rule's kid is the node itself
  EXPECT_EQ(kids[0], value);
}

TEST(Matcher, Tables) {
  EXPECT_EQ(burg_nt_count, 6);
  EXPECT_EQ(burg_max_rule, 31);
  EXPECT_EQ(stmt_NT, 1);  // declaration order
  EXPECT_EQ(nothing_NT, 6);
  EXPECT_STREQ(_ntname[reg_NT], "reg");
  EXPECT_STREQ(_string[3], "stmt: I_MOV8(I_IND8RAM8(addr),reg)");
  EXPECT_STREQ(_string[5], "stmt: I_MOV8(I_IND8RAM8(addr),I_CNST8)");  // blanks in the grammar dropped
  EXPECT_STREQ(_string[13], "reg: mem");
  EXPECT_EQ(_string[6], nullptr);  // a gap in the numbering
  EXPECT_EQ(_nts[6], nullptr);
  EXPECT_EQ(std::vector<short>(_nts[3], _nts[3] + 3), (std::vector<short>{addr_NT, reg_NT, 0}));
  EXPECT_EQ(_nts[1][0], 0);
  EXPECT_EQ(_decode_reg[1], 13);  // local index 1 is the first reg rule
  EXPECT_EQ(_action_0_tbl[23], &tinyPrepare);
  EXPECT_EQ(_action_1_tbl[15], &tinySequence);
  EXPECT_EQ(_action_2_tbl[2], nullptr);
}

// The matcher's fatal errors print to standard output and exit with 1;
// the child sends standard output to standard error for the death test.
struct Fatal {
  const char *name;
  std::function<void()> run;
  const char *message;
};

void s_fatal_label(int op) {
  Trees trees;
  _label(trees.op(op));
}

const Fatal s_fatals[] = {
    {"null_tree", [] { _label(nullptr); }, "^Null tree\n$"},
    {"operator_outside_the_list", [] { s_fatal_label(7); }, "^Bad terminal 7\n$"},
    {"operator_the_grammar_lacks", [] { s_fatal_label(I_SECTION); }, "^Bad terminal I_SECTION\n$"},
    {"null_operand", [] { Trees t; _label(t.op(I_MOV8, t.var(), nullptr)); }, "^Null tree\n$"},
    {"goal_out_of_range", [] { Trees t; _rule(_label(t.var()), 7); }, "^Bad goal nonterminal 7\n$"},
    {"goal_zero", [] { _rule(nullptr, 0); }, "^Bad goal nonterminal 0\n$"},
    {"rule_number_in_a_gap", [] { Trees t; TinyNode *k[burg_max_kids]; _kids(t.var(), 6, k); }, "^Bad rule number 6\n$"},
};

void PrintTo(const Fatal &row, std::ostream *os) { *os << row.name; }

class MatcherFails : public ::testing::TestWithParam<Fatal> {};

TEST_P(MatcherFails, PrintsAndExitsWith1) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(
      {
        std::fflush(stdout);
        dup2(2, 1);
        GetParam().run();
      },
      ::testing::ExitedWithCode(1), GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(Tiny, MatcherFails, ::testing::ValuesIn(s_fatals),
                         [](const auto &info) { return std::string(info.param.name); });

}  // namespace
