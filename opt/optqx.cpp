// The optimiser's phase. In: every code section's output code after code
// generation, the varlocate list. Out: marked symbols, canonical symbol
// references, every function optimised on its own (when optimisation is
// on and the function holds no assembly block) and every branch resolved.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "driver/diag.h"
#include "driver/settings.h"
#include "opt/blocks.h"
#include "opt/dataflow.h"
#include "opt/opt.h"
#include "opt/proc_abstraction.h"

constexpr int PASS_REPEAT_LIMIT = 10;   // whole pass sequence of one function
constexpr int UNTIL_STABLE_LIMIT = 200; // one pass repeated until it changes nothing

static char *s_copy(const char *text) {
  char *copy = strdup(text ? text : "");
  if (!copy)
    fatal_out_of_memory();
  return copy;
}

void opt_apply_varlocate() {
  for (const varlocate_entry *e = opt_varlocate_first(); e; e = e->next) {
    SymbolRecord *sym = sym_lookup_sym(e->name, 0);
    if (!sym) {
      post_error(2103, e->name);
      continue;
    }
    VELC_ASSERT(e->kind == VARLOCATE_BANK || e->kind == VARLOCATE_SECTION);
    if (e->kind == VARLOCATE_BANK) {
      sym->bank_located = 1;
      sym->located_bank = e->value;
    } else {
      sym->section_located = 1;
      free(sym->located_section);
      sym->located_section = s_copy(e->section);
    }
  }
}

// One function cut out of its section list.
struct function_entry {
  ocode *bfunct;  // the sublist: OC_BFUNCT ... OC_EFUNCT
  ocode *before;  // the node the sublist followed, null at the list's head
};

// Cuts every function out of the list; the nodes outside functions stay.
static std::vector<function_entry> s_build_function_list(ocode *&list) {
  std::vector<function_entry> functions;
  for (ocode *oc = list; oc;) {
    if (oc->type != OC_BFUNCT) {
      oc = oc->next;
      continue;
    }
    ocode *end = oc;
    while (end->next && end->type != OC_EFUNCT)
      end = end->next;
    ocode *after = end->next;
    function_entry entry{oc, oc->prev};
    if (oc->prev)
      oc->prev->next = after;
    else
      list = after;
    if (after)
      after->prev = oc->prev;
    oc->prev = end->next = nullptr;
    functions.push_back(entry);
    oc = after;
  }
  return functions;
}

// Links the sublists back where they were, in their original order.
static void s_link_functions_back(ocode *&list, const std::vector<function_entry> &functions) {
  for (auto it = functions.rbegin(); it != functions.rend(); ++it) {
    ocode *end = it->bfunct;
    while (end->next)
      end = end->next;
    ocode *after = it->before ? it->before->next : list;
    end->next = after;
    if (after)
      after->prev = end;
    it->bfunct->prev = it->before;
    if (it->before)
      it->before->next = it->bfunct;
    else
      list = it->bfunct;
  }
}

static void s_dump_blocks(basic_block *blocks) {
  if (!dump_assembly_level_basic_blocks)
    return;
  printf("\n\n++++++++++ Dump of assembly level basic blocks");
  dumpBasicBlocks(blocks);
  printf("\n++++++++++ end of assembly level basic block dump");
}

// Runs a pass over the blocks until it changes nothing; each change is
// followed by a fresh build of the blocks, or, for a pass that keeps the
// blocks up to date itself, by their new numbers and edges only. Returns
// whether anything changed.
static bool s_until_stable(ocode *function, basic_block *&blocks, int &count,
                           bool (*pass)(basic_block *, int), bool keeps_blocks) {
  bool changed = false;
  for (int i = 0; i < UNTIL_STABLE_LIMIT && pass(blocks, count); ++i) {
    changed = true;
    if (keeps_blocks) {
      count = opt_relink_blocks(blocks);
      continue;
    }
    opt_convert_block_branches(blocks);
    blocks = opt_calculate_basic_blocks(function, &count);
  }
  return changed;
}

static bool s_straighten_pass(basic_block *b, int n) { return opt_straighten(b, n); }
static bool s_tail_pass(basic_block *b, int n) { return opt_tail_merging(b, n); }
static bool s_block_branch_pass(basic_block *b, int) { return opt_block_branch_optimizations(b); }
static bool s_unreachable_pass(basic_block *b, int) { return opt_unreachable_code_removal(b); }

// Each block's rewrites are bounded by its length (each rewrite removes or
// narrows a node), not by a fixed count: a long block finishes in one
// round instead of taking more rounds of every pass the longer it is.
static bool s_peephole_all(basic_block *blocks) {
  bool changed = false;
  for (basic_block *b = blocks; b; b = b->next) {
    int length = 0;
    for (const ocode *oc = b->first; oc; oc = oc == b->last ? nullptr : oc->next)
      ++length;
    changed |= opt_peephole_block(b, UNTIL_STABLE_LIMIT + length) > 0;
  }
  return changed;
}

// Blocks emptied by a pass kept a no-op node in their place; with the
// blocks gone they can go too (code generation makes none).
static void s_drop_placeholders(ocode *function) {
  for (ocode *oc = function; oc && oc->type != OC_EFUNCT;) {
    ocode *next = oc->next;
    if (oc->type == OC_NOP && !oc->immutable)
      remove_instruction(oc);
    oc = next;
  }
}

// The passes of a round, for the ledger.
enum RoundPass : int {
  PASS_BRANCH, PASS_PEEPHOLE, PASS_BANKING, PASS_STRAIGHTEN, PASS_TAIL, PASS_BLOCK_BRANCH,
  PASS_UNREACHABLE, PASS_COPY, PASS_STORES, PASS_DEAD, PASS_COUNT
};

// Which passes would find nothing to do. Every pass is a function of the
// code it is given, so a pass that changed nothing when it last ran has
// nothing to do until some pass changes the code again: the final round of
// a function, which only confirms that nothing changes, then runs just the
// passes that ran before the last change. A pass that settles what it
// changed (dead-code removal: a second run at once would find nothing)
// counts as clean after its own change too.
struct PassLedger {
  long changes = 0;                 // changes made to the function so far
  long clean_at[PASS_COUNT] = {};   // 1 + `changes` when the pass last found nothing
  bool skip(RoundPass pass) const { return clean_at[pass] == changes + 1; }
  bool ran(RoundPass pass, bool changed, bool settles = false) {
    if (changed)
      ++changes;
    if (!changed || settles)
      clean_at[pass] = changes + 1;
    return changed;
  }
};

// Runs one block pass through the ledger: until it is stable, with the
// blocks built again after each change (or numbered and linked again, for
// a pass that keeps them up to date).
static bool s_block_pass(PassLedger &ledger, RoundPass id, bool on, ocode *function, basic_block *&blocks,
                         int &count, bool (*pass)(basic_block *, int), bool keeps_blocks = false) {
  if (!on || ledger.skip(id))
    return false;
  return ledger.ran(id, s_until_stable(function, blocks, count, pass, keeps_blocks));
}

// One round of all passes; true when any of them changed the code.
static bool s_optimize_round(ocode *function, PassLedger &ledger) {
  bool changed = false;
  ocode_enumerate(function);
  if (do_branch_optimizations && !ledger.skip(PASS_BRANCH)) {
    bool branched = false;
    for (int i = 0; i < UNTIL_STABLE_LIMIT && opt_branch_optimizations(function); ++i)
      branched = true;
    changed |= ledger.ran(PASS_BRANCH, branched);
  }
  int count = 0;
  basic_block *blocks = opt_calculate_basic_blocks(function, &count);
  s_dump_blocks(blocks);
  if (!ledger.skip(PASS_PEEPHOLE))
    changed |= ledger.ran(PASS_PEEPHOLE, s_peephole_all(blocks));
  // the bank pass walks the blocks once per call; its rewrites keep the blocks
  if ((do_banking_optimizations || do_wreg_tracking) && !ledger.skip(PASS_BANKING) &&
      ledger.ran(PASS_BANKING, opt_optimize_banking(blocks))) {
    changed = true;
    opt_convert_block_branches(blocks);
    blocks = opt_calculate_basic_blocks(function, &count);
  }
  changed |= s_block_pass(ledger, PASS_STRAIGHTEN, do_code_straightening, function, blocks, count, s_straighten_pass);
  changed |= s_block_pass(ledger, PASS_TAIL, do_tail_merging, function, blocks, count, s_tail_pass, true);
  changed |= s_block_pass(ledger, PASS_BLOCK_BRANCH, do_branch_optimizations, function, blocks, count,
                          s_block_branch_pass, true);
  changed |= s_block_pass(ledger, PASS_UNREACHABLE, do_unreachable_code_removal, function, blocks, count,
                          s_unreachable_pass);
  if (do_copy_propagation && !ledger.skip(PASS_COPY))
    changed |= ledger.ran(PASS_COPY, opt_copy_propagation(blocks));
  if (do_redundant_store_elimination && !ledger.skip(PASS_STORES))
    changed |= ledger.ran(PASS_STORES, opt_redundant_store_elimination(blocks));
  if (do_dead_code_removal && !ledger.skip(PASS_DEAD)) {
    bool settled = true;
    bool removed = opt_dead_code_pass(function, blocks, do_copy_propagation, &settled);
    changed |= ledger.ran(PASS_DEAD, removed, settled);
  }
  opt_convert_block_branches(blocks);
  s_drop_placeholders(function);
  return changed;
}

static void s_optimize_function(ocode *function) {
  PassLedger ledger;
  for (int round = 0; round < PASS_REPEAT_LIMIT && s_optimize_round(function, ledger); ++round) {
  }
}

static bool s_has_inline_asm(const ocode *bfunct) {
  const SymbolRecord *fsym = bfunct->data.funct.sym;
  return fsym && fsym->has_inline_asm;
}

static ocode *s_optimize_section(SectionRecord *scn, ocode *list) {
  std::vector<function_entry> functions = s_build_function_list(list);
  for (const function_entry &f : functions)
    if (!s_has_inline_asm(f.bfunct))
      s_optimize_function(f.bfunct);
  s_link_functions_back(list, functions);
  opt_procedural_abstraction(scn, list);
  for (int i = 0; i < UNTIL_STABLE_LIMIT && opt_post_process_peephole_optimizations(list); ++i) {
  }
  return list;
}

void optimize_assembly() {
  opt_apply_varlocate();
  opt_normalize_all_symrefs();
  opt_pa_reset();
  if (!section_set)
    return;
  for (void *rec = list_first(section_set); rec; rec = list_next(rec)) {
    SectionRecord *scn = *static_cast<SectionRecord **>(rec);
    if (scn->kind != SECTION_CODE || !scn->code)
      continue;
    scn->code = opt_convert_literal_branches(scn->code);
    if (global_optimize_flag)
      scn->code = s_optimize_section(scn, scn->code);
    scn->code = opt_resolve_branches(scn->code);
  }
  opt_release_spare_labels();
}
