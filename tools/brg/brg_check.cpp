// The grammar checks. In: the grammar as read. Out: every rule's names
// resolved to operator and nonterminal numbers, its text "lhs: pattern" and
// its index among the rules of its left side; or refusals for what would
// make a wrong or partly dead matcher: unknown names, wrong operand counts,
// reused rule numbers, terminals no rule uses, nonterminals nothing derives
// or the start never reaches, and rules that can never apply.
#include <map>
#include <set>

#include "tools/brg/brg.h"

static std::string s_place(const BrgPlace &at) { return at.file + ":" + std::to_string(at.line); }

static std::string s_operands(int n) { return std::to_string(n) + (n == 1 ? " operand" : " operands"); }

std::string brg_pattern_text(const BrgPattern &p) {
  std::string text = p.name;
  if (p.kids.empty())
    return text;
  text += "(";
  for (size_t i = 0; i < p.kids.size(); i++)
    text += (i ? "," : "") + brg_pattern_text(p.kids[i]);
  return text + ")";
}

// ---- names --------------------------------------------------------------

static bool s_resolve_operator(BrgGrammar &g, BrgErrors &errors, const BrgPlace &at, BrgPattern &p) {
  auto found = g.op_by_name.find(p.name);
  if (found == g.op_by_name.end()) {
    brg_error(errors, at, (p.has_operands ? "unknown operator " : "unknown nonterminal ") + p.name);
    return false;
  }
  BrgOperator *op = brg_operator(g, found->second);
  if (op->arity < 0) {
    brg_error(errors, at, "operator " + p.name + " is not declared by %term");
    return false;
  }
  if (op->arity != static_cast<int>(p.kids.size())) {
    brg_error(errors, at, "operator " + p.name + " takes " + s_operands(op->arity) + ", not " +
                              std::to_string(p.kids.size()));
    return false;
  }
  op->used = true;
  p.number = op->number;
  return true;
}

static bool s_resolve_pattern(BrgGrammar &g, BrgErrors &errors, const BrgPlace &at, BrgPattern &p) {
  auto nt = g.nt_by_name.find(p.name);
  if (nt != g.nt_by_name.end()) {
    if (p.has_operands) {
      brg_error(errors, at, p.name + " is a nonterminal and takes no operands");
      return false;
    }
    p.is_nonterminal = true;
    p.number = nt->second;
    return true;
  }
  if (!s_resolve_operator(g, errors, at, p))
    return false;
  for (BrgPattern &kid : p.kids)
    if (!s_resolve_pattern(g, errors, at, kid))
      return false;
  return true;
}

static void s_resolve_rule(BrgGrammar &g, BrgErrors &errors, BrgRule &rule, int index) {
  auto lhs = g.nt_by_name.find(rule.lhs_name);
  if (lhs == g.nt_by_name.end()) {
    brg_error(errors, rule.at,
              g.op_by_name.count(rule.lhs_name) ? rule.lhs_name + " is an operator; a rule's left side is a nonterminal"
                                                : "unknown nonterminal " + rule.lhs_name);
    return;
  }
  if (!s_resolve_pattern(g, errors, rule.at, rule.pattern))
    return;
  BrgNonterminal &nt = g.nts[lhs->second];
  rule.lhs = nt.number;
  rule.text = rule.lhs_name + ": " + brg_pattern_text(rule.pattern);
  rule.resolved = true;
  nt.rules.push_back(index);
  rule.local = static_cast<int>(nt.rules.size());
  if (rule.pattern.is_nonterminal)
    g.nts[rule.pattern.number].chain_source = true;
}

// ---- numbers and terminals ----------------------------------------------

static void s_check_rule_numbers(const BrgGrammar &g, BrgErrors &errors) {
  std::map<int, const BrgRule *> first;
  for (const BrgRule &rule : g.rules) {
    auto [it, fresh] = first.emplace(rule.number, &rule);
    if (!fresh)
      brg_error(errors, rule.at, "rule number " + std::to_string(rule.number) + " is used twice (first at " +
                                     s_place(it->second->at) + ")");
  }
}

static void s_check_terminals_used(const BrgGrammar &g, BrgErrors &errors) {
  for (const BrgOperator &op : g.ops)
    if (op.arity >= 0 && !op.used)
      brg_error(errors, op.declared, "operator " + op.name + " is declared but no rule uses it");
}

// ---- derivation and reach -----------------------------------------------

static void s_leaf_nonterminals(const BrgPattern &p, std::vector<int> &out) {
  if (p.is_nonterminal)
    out.push_back(p.number);
  for (const BrgPattern &kid : p.kids)
    s_leaf_nonterminals(kid, out);
}

static std::vector<bool> s_derivable(const BrgGrammar &g) {
  std::vector<bool> derivable(g.nts.size(), false);
  for (bool changed = true; changed;) {
    changed = false;
    for (const BrgRule &rule : g.rules) {
      if (!rule.resolved || derivable[rule.lhs] || g.nts[rule.lhs].placeholder)
        continue;
      std::vector<int> leaves;
      s_leaf_nonterminals(rule.pattern, leaves);
      bool all = true;
      for (int nt : leaves)
        all = all && derivable[nt];
      if (all)
        derivable[rule.lhs] = changed = true;
    }
  }
  return derivable;
}

static void s_check_derivable(const BrgGrammar &g, BrgErrors &errors) {
  std::vector<bool> derivable = s_derivable(g);
  for (const BrgNonterminal &nt : g.nts) {
    if (nt.number == 0 || nt.placeholder || derivable[nt.number])
      continue;
    if (nt.rules.empty())
      brg_error(errors, nt.declared, "nonterminal " + nt.name + ": no rule derives it");
    else
      brg_error(errors, nt.declared, "nonterminal " + nt.name +
                                         ": no tree derives it (each of its rules needs a nonterminal that is never derived)");
  }
  for (const BrgRule &rule : g.rules)
    if (rule.resolved && g.nts[rule.lhs].placeholder)
      brg_error(errors, rule.at, "rule " + std::to_string(rule.number) + " derives " + rule.lhs_name +
                                     ", which is declared %underivable");
}

static void s_check_reachable(const BrgGrammar &g, BrgErrors &errors) {
  std::vector<bool> reached(g.nts.size(), false);
  std::vector<int> work{1};
  reached[1] = true;
  while (!work.empty()) {
    int nt = work.back();
    work.pop_back();
    for (int index : g.nts[nt].rules) {
      std::vector<int> leaves;
      s_leaf_nonterminals(g.rules[index].pattern, leaves);
      for (int leaf : leaves)
        if (!reached[leaf]) {
          reached[leaf] = true;
          work.push_back(leaf);
        }
    }
  }
  for (const BrgNonterminal &nt : g.nts)
    if (nt.number && !nt.placeholder && !reached[nt.number])
      brg_error(errors, nt.declared, "nonterminal " + nt.name + " is not reachable from " + g.nts[1].name);
}

// ---- rules that can never apply -----------------------------------------

// A later rule with the same left side and pattern as an earlier one is
// chosen only when strictly cheaper. With the same guard (or none) the two
// always cost the same or one always less, so one of them is dead; behind
// an unguarded rule of no greater fixed cost, a guard only adds.
static void s_check_repeated(const BrgRule &earlier, const BrgRule &later, BrgErrors &errors) {
  std::string n = "rule " + std::to_string(later.number);
  std::string m = "rule " + std::to_string(earlier.number);
  bool fixed_costs = earlier.cost_function.empty() && later.cost_function.empty();
  if (earlier.guard == later.guard)
    brg_error(errors, later.at,
              n + " repeats " + m + " (" + s_place(earlier.at) + ") " +
                  (later.guard.empty() ? "with no guard" : "with the same guard " + later.guard) +
                  " to tell them apart, so one of them can never apply");
  else if (earlier.guard.empty() && fixed_costs && later.cost >= earlier.cost)
    brg_error(errors, later.at,
              n + " can never apply: " + m + " (" + s_place(earlier.at) +
                  ") has the same pattern, no guard and a cost no greater");
}

static void s_check_dead_rules(const BrgGrammar &g, BrgErrors &errors) {
  std::map<std::string, std::vector<const BrgRule *>> same;
  for (const BrgRule &rule : g.rules) {
    if (!rule.resolved)
      continue;
    if (rule.pattern.is_nonterminal && rule.pattern.number == rule.lhs) {
      brg_error(errors, rule.at, "rule " + std::to_string(rule.number) + " derives " + rule.lhs_name +
                                     " from itself, so it can never apply");
      continue;
    }
    std::vector<const BrgRule *> &earlier = same[rule.text];
    for (const BrgRule *e : earlier)
      s_check_repeated(*e, rule, errors);
    earlier.push_back(&rule);
  }
}

void brg_check(BrgGrammar &g, BrgErrors &errors) {
  if (g.nts.size() < 2) {
    errors.push_back(g.main_file + ": no nonterminal is declared (%nonterm)");
    return;
  }
  if (g.nts[1].placeholder)
    brg_error(errors, g.nts[1].declared, "the first nonterminal, " + g.nts[1].name +
                                             ", is the start and cannot be %underivable");
  for (size_t i = 0; i < g.rules.size(); i++)
    s_resolve_rule(g, errors, g.rules[i], static_cast<int>(i));
  s_check_rule_numbers(g, errors);
  s_check_dead_rules(g, errors);
  // Derivation and reach are judged only on a grammar read and resolved
  // without fault, so one misspelling does not also report what it starved.
  if (!errors.empty())
    return;
  s_check_terminals_used(g, errors);
  s_check_derivable(g, errors);
  s_check_reachable(g, errors);
}
