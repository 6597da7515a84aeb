// The records of velc-burg, the generator of the instruction selector's
// tree matcher. A grammar is read into these records (brg_operators.cpp,
// brg_read.cpp), checked (brg_check.cpp) and written out as C++ source
// (brg_emit.cpp). The tool runs on the build host only.
#ifndef VELC_TOOLS_BRG_BRG_H
#define VELC_TOOLS_BRG_BRG_H

#include <map>
#include <string>
#include <vector>

// Where a declaration or rule was read: the file as it was opened, line from 1.
struct BrgPlace {
  std::string file;
  int line = 0;
};

// Refusals collect here as "file:line: text"; any entry makes the run fail.
using BrgErrors = std::vector<std::string>;
void brg_error(BrgErrors &errors, const BrgPlace &at, const std::string &text);

// One operator of the low-level tree. Every operator of the operator list
// is known by name and number; only those the grammar declares with %term
// are terminals of the grammar.
struct BrgOperator {
  std::string name;
  int number = 0;
  int arity = -1;      // 0 to 2 once declared a terminal; -1 otherwise
  BrgPlace declared;   // the %term line
  bool used = false;   // some rule's pattern names it
};

// One nonterminal, numbered from 1 in declaration order.
struct BrgNonterminal {
  std::string name;
  int number = 0;
  bool placeholder = false;  // declared %underivable: numbered, never derived
  BrgPlace declared;
  std::vector<int> rules;    // indexes into BrgGrammar::rules with this left side, grammar order
  bool chain_source = false; // the right side of some chain rule
};

// A pattern tree as written; names are resolved after the whole grammar is read.
struct BrgPattern {
  std::string name;
  bool has_operands = false;      // written NAME(...), so NAME must be an operator
  std::vector<BrgPattern> kids;   // 0 to 2
  bool is_nonterminal = false;    // set by resolution
  int number = 0;                 // operator number or nonterminal number
};

// What a rule's action slot runs: before the kids, after the first kid, after all kids.
enum BrgActionSlot { BRG_PRE = 0, BRG_IN = 1, BRG_POST = 2 };

struct BrgRule {
  int number = 0;            // external rule number, as written
  std::string lhs_name;
  int lhs = 0;               // nonterminal number, set by resolution
  BrgPattern pattern;
  int cost = 0;              // literal program words, when cost_function is empty
  std::string cost_function; // named cost of the node, otherwise
  std::string guard;         // named predicate; false adds the guard penalty
  std::string action[3];     // by BrgActionSlot; empty when none
  BrgPlace at;
  bool resolved = false;     // every name and arity checked out
  int local = 0;             // index among the rules of its left side, from 1
  std::string text;          // "lhs: pattern", set by resolution
};

struct BrgGrammar {
  int first_op = 0, last_op = -1;           // range of the operator list
  std::vector<BrgOperator> ops;             // by number - first_op; gaps have empty names
  std::map<std::string, int> op_by_name;    // name to number
  std::vector<BrgNonterminal> nts;          // by number; entry 0 unused
  std::map<std::string, int> nt_by_name;
  std::vector<BrgRule> rules;               // grammar order across includes
  std::vector<std::string> files;           // every file read, for the dependency list
  std::string main_file;
};

// Reads the operator list: lines OP(name, number), // comments and blank lines.
bool brg_read_operators(const std::string &path, BrgGrammar &g, BrgErrors &errors);
// Reads the main grammar file and everything it includes.
void brg_read_grammar(const std::string &path, BrgGrammar &g, BrgErrors &errors);
// Resolves names and refuses grammars that are wrong or hold dead parts.
void brg_check(BrgGrammar &g, BrgErrors &errors);
// The matcher's C++ source; the grammar must have passed brg_check.
std::string brg_emit(const BrgGrammar &g);

// The operator record of a number, or null outside the list.
const BrgOperator *brg_operator(const BrgGrammar &g, int number);
BrgOperator *brg_operator(BrgGrammar &g, int number);

// "lhs: pattern" with no blanks, the text the trace and the tables show.
std::string brg_pattern_text(const BrgPattern &p);

#endif
