// The labeller and the reducer. In: one statement tree. Out: its output
// code, built by the actions of the rules chosen for it: the tree is
// labelled bottom-up by the matcher generated from genqx-main.brg, then
// reduced top-down from the goal stmt, each node's actions running with its
// attribute record on the attribute stack. The -x switch traces every
// reduction; a tree no rule covers is dumped and reported with message 100.
#include <cstdio>
#include <cstring>

#include "driver/diag.h"
#include "driver/settings.h"
#include "gen/select.h"
#include "gen/select_actions.h"
#include "gen/temps.h"

#define BURG_NODEPTR pcodell_t *
#define BURG_OP(p) ((p)->opcode)
#define BURG_LEFT(p) ((p)->left)
#define BURG_RIGHT(p) ((p)->right)
// The node's state field, read and written through void * as the matcher
// expects.
namespace {
struct StateField {
  pcodell_t *p;
  template <class T> operator T *() const { return static_cast<T *>(static_cast<void *>(p->state)); }
  template <class T> StateField &operator=(T *state) {
    p->state = static_cast<gen_state *>(static_cast<void *>(state));
    return *this;
  }
};
}  // namespace
#define BURG_STATE(p) (StateField{(p)})
// A fatal error of the matcher unwinds to the driver, whose clean-up frees
// the module; the run still ends with status 1.
#define BURG_FATAL_END() fatal_unwind_counted()
#include "genqx-main.inc"

static_assert(burg_max_kids <= 8, "the reducer keeps at most 8 kids per rule");

namespace {

gen_attrib s_attrib_stack[sATTRIBSTACKSIZE];
int s_attrib_stack_tos;  // the first free record
int s_depth;

// The node whose action runs: its record, its first kid's record and the
// number of kids.
struct ActionContext {
  int record, kids, count, rule;
};
ActionContext s_context;

}  // namespace

gen_attrib *sel_self() { return &s_attrib_stack[s_context.record]; }
gen_attrib *sel_kid(int i) {
  VELC_ASSERT(i >= 0 && i < s_context.count);
  return &s_attrib_stack[s_context.kids + i];
}

// The last node of a record's list, found from the remembered tail: each
// append walks only the nodes it adds, so a node's code grows in linear time
// however deep the tree.
static ocode *s_last(gen_attrib *a) {
  if (!a->ilist)
    return a->itail = nullptr;
  ocode *last = a->itail ? a->itail : a->ilist;
  while (last->next)
    last = last->next;
  return a->itail = last;
}

// Appends a chain behind the node's own code; the chain's nodes that no
// rule has claimed yet are claimed by the running rule.
static void s_append(gen_attrib *self, ocode *chain, ocode *chain_tail) {
  if (!chain)
    return;
  ocode *last = s_last(self);
  if (last)
    objAppend(last, chain);
  else
    self->ilist = chain;
  self->itail = chain_tail ? chain_tail : chain;
}

void sel_take(int i) {
  gen_attrib *k = sel_kid(i);
  s_append(sel_self(), k->ilist, s_last(k));
  k->ilist = k->itail = nullptr;
}

void sel_emit_oc(ocode *oc) {
  ocode *last = oc;
  for (; last; last = last->next) {
    if (last->rule == 0)
      last->rule = s_context.rule;
    if (!last->next)
      break;
  }
  s_append(sel_self(), oc, last);
}

ocode *sel_last() { return s_last(sel_self()); }

void sel_set_last(ocode *last) {
  VELC_ASSERT(last && !last->next);
  sel_self()->itail = last;
}

void sel_take_all() {
  for (int i = 0; i < s_context.count; i++)
    sel_take(i);
}

const char *dbg_brg_rule_string(int rule) {
  if (rule < 0 || rule > burg_max_rule || !_string[rule])
    return "";
  return _string[rule];
}

[[noreturn]] static void s_fatal(const char *text) {
  printf("%s\n", text);
  fflush(stdout);
  fatal_unwind_counted();
}

void sel_cannot_reduce(const pcodell_t *p) {
  yylineno = p->line;
  if (p->file)
    snprintf(yyfilename, sizeof yyfilename, "%s", p->file);
  pcodell_dbg_dump_tree(p);
  fflush(stdout);
  post_error(100, "unable to reduce tree:");
  fatal_unwind_counted();  // only reached when message 100 is suppressed
}

// Runs one action of a rule with the node's records current.
static void s_run(burg_action action, pcodell_t *p, const ActionContext &context) {
  if (!action)
    return;
  ActionContext saved = s_context;
  s_context = context;
  action(p);
  s_context = saved;
}

static int s_kid_count(int rule) {
  int n = 0;
  for (auto nt = _nts[rule]; *nt; nt++)
    n++;
  return n;
}

// Marks every node of the list that no rule has claimed yet.
static void s_stamp(ocode *list, int rule) {
  for (ocode *oc = list; oc; oc = oc->next)
    if (oc->rule == 0)
      oc->rule = rule;
}

// Reduces p to goal into the record at index `record` (already on the
// stack, possibly holding a destination written by the parent). The kids'
// records are pushed above the stack top; each kid's own kids go above them.
static void s_reduce(pcodell_t *p, int goal, int record, bool root) {
  if (!p)
    s_fatal("Null tree");
  if (goal < 1 || goal > burg_nt_count) {
    char text[64];
    snprintf(text, sizeof text, "Bad goal nonterminal %d", goal);
    s_fatal(text);
  }
  int rule = _rule(burg_state_of(p), goal);
  if (rule == 0)
    sel_cannot_reduce(p);
  if (debug_code_gen_flag)
    printf("%4ld: <%5d>%*s%s\n", p->line, rule, 4 * s_depth, "", _string[rule]);
  s_depth++;
  pcodell_t *kids[burg_max_kids + 1] = {};
  _kids(p, rule, kids);
  ActionContext context{record, s_attrib_stack_tos, s_kid_count(rule), rule};
  if (context.kids + context.count >= sATTRIBSTACKSIZE) {
    // Deeper than any expression the translator lets through; reported,
    // never overrun.
    yylineno = p->line;
    if (p->file)
      snprintf(yyfilename, sizeof yyfilename, "%s", p->file);
    post_error(1000, "expression too complex");
    fatal_unwind_counted();
  }
  for (int i = 0; i < context.count; i++)
    s_attrib_stack[context.kids + i] = gen_attrib{};
  s_attrib_stack_tos = context.kids + context.count;
  s_run(_action_0_tbl[rule], p, context);
  for (int i = 0; i < context.count; i++) {
    s_reduce(kids[i], _nts[rule][i], context.kids + i, false);
    if (i == 0)
      s_run(_action_1_tbl[rule], p, context);
  }
  s_attrib_stack_tos = context.kids;  // the kids' records stay readable above
  s_run(_action_2_tbl[rule], p, context);
  for (int i = 0; i < context.count; i++)
    VELC_ASSERT(s_attrib_stack[context.kids + i].ilist == nullptr && "a kid's code was not taken");
  gen_attrib *self = &s_attrib_stack[record];
  if (root && goal == stmt_NT) {
    bool from_asm = self->ilist && self->ilist->type == OC_INST && self->ilist->data.inst.ins->from_asm;
    if (!from_asm)
      self->ilist = tmp_save_and_restore(self->ilist);
    self->itail = nullptr;
    s_stamp(self->ilist, rule);  // the saves and restores just added
  }
  s_depth--;
}

// The labeller's states are needed only while the statement is reduced;
// the trees stay until the end of the function.
static void s_free_states(pcodell_t *p) {
  for (; p; p = p->right) {
    free(p->state);
    p->state = nullptr;
    s_free_states(p->left);
  }
}

void sel_reduce_statement(pcodell_t *tree, ocode **code) {
  if (!tree)
    s_fatal("Null tree");
  sel_rewrite_bitfield_updates(tree);
  sel_rewrite_rom_updates(tree);
  s_depth = 0;
  s_attrib_stack[0] = gen_attrib{};
  s_attrib_stack_tos = 1;
  try {
    _label(tree);
    if (!_rule(tree->state, stmt_NT) && sel_rewrite_value_updates(tree))
      _label(tree);
    s_reduce(tree, stmt_NT, 0, true);
  } catch (const FatalUnwind &) {
    // A message that ends the run (out of temporaries, a tree no rule
    // covers) leaves the code made so far on the attribute stack.
    for (int i = 0; i < s_attrib_stack_tos; i++) {
      objFree(s_attrib_stack[i].ilist);
      s_attrib_stack[i].ilist = nullptr;
    }
    s_attrib_stack_tos = 0;
    tmp_clear();
    s_free_states(tree);
    throw;
  }
  *code = s_attrib_stack[0].ilist;
  s_attrib_stack[0].ilist = nullptr;
  s_attrib_stack_tos = 0;
  tmp_clear();
  s_free_states(tree);
}

int sel_kid_count() { return s_context.count; }
