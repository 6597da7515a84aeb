// Dead-code removal over one function. In: the function's basic blocks.
// Out: every instruction removed whose results nothing essential reads.
// Essential to start with: what the instruction table says must stay
// (calls, returns, branches, skips and the instructions they skip, table
// writes, writes through pointers and frame operands, reads of volatile
// bytes), writes to bytes that are not plain variables or scratch
// registers, and the immutable nodes. From these the use-definition chains
// spread essentiality to every definition an essential node reads; the
// function's end reads what its callers and the running program still see.
#include <vector>

#include "gen/gen.h"
#include "opt/blocks.h"
#include "opt/dataflow.h"

static bool s_def_forces_essential(const dfa_ref &d) {
  if (d.type == PTR_REF || d.type == CALL_REF)
    return true;
  if (d.type == CC_REF)
    return false;
  return !opt_sym_def_removable(d.sym);
}

static void s_initialize_essential(basic_block *blocks, const dfa_map *defs) {
  for (const dfa_ref &d : defs->refs)
    if (s_def_forces_essential(d))
      d.node->dfa->essential = true;
  for (basic_block *b = blocks; b; b = b->next)
    for (ocode *oc = b->first; oc; oc = oc->next) {
      if (oc->immutable || oc->type != OC_INST)
        oc->dfa->essential = true;
      if (oc == b->last)
        break;
    }
}

// Makes essential every definition that an essential node's chain holds,
// and so on from those definitions' nodes. A definition is taken once:
// `taken` marks the ones whose nodes are already essential and on the
// list, so that a broad use's set costs a pass over its words and only
// its new members one by one.
static void s_spread(basic_block *blocks, const dfa_map *defs) {
  std::vector<ocode *> work;
  for (basic_block *b = blocks; b; b = b->next)
    for (ocode *oc = b->first; oc; oc = oc->next) {
      if (oc->dfa->essential)
        work.push_back(oc);
      if (oc == b->last)
        break;
    }
  std::vector<uint32_t> taken(defs->wide_words, 0);
  auto take = [&](int n) {
    ocode *def = defs->refs[size_t(n)].node;
    def->dfa->essential = true;
    if (!def->dfa->processed)
      work.push_back(def);
  };
  while (!work.empty()) {
    ocode *oc = work.back();
    work.pop_back();
    if (oc->dfa->processed)
      continue;
    oc->dfa->processed = true;
    const ocode_dfa &d = *oc->dfa;
    for (int i = d.chain_first; i < d.chain_first + d.chain_count; ++i) {
      int n = defs->chains[size_t(i)];
      uint32_t bit = 1u << (n % 32);
      if (!(taken[size_t(n) / 32] & bit)) {
        taken[size_t(n) / 32] |= bit;
        take(n);
      }
    }
    const uint32_t *set = defs->wide.data() + d.wide_first;
    for (int k = 0; k < d.wide_count; ++k, set += defs->wide_words)
      for (size_t w = 0; w < defs->wide_words; ++w) {
        uint32_t fresh = set[w] & ~taken[w];
        taken[w] |= fresh;
        for (; fresh; fresh &= fresh - 1)
          take(int(w * 32 + __builtin_ctz(fresh)));
      }
  }
}

// Removes an instruction and its second word.
static void s_remove(basic_block *b, ocode *oc) {
  while (oc->next && opt_is_op(oc->next, WORD2) && !oc->next->immutable) {
    oc->next->dfa = nullptr;
    remove_instruction_from_block(b, oc->next);
  }
  oc->dfa = nullptr;
  remove_instruction_from_block(b, oc);
}

bool opt_dead_code_removal(const SymbolRecord *, basic_block *blocks, dfa_map *defs) {
  s_initialize_essential(blocks, defs);
  s_spread(blocks, defs);
  std::vector<std::pair<basic_block *, ocode *>> dead;
  for (basic_block *b = blocks; b; b = b->next)
    for (ocode *oc = b->first; oc; oc = oc->next) {
      if (b->immutable)
        oc->dfa->essential = true;  // stays, and so still reads what it reads
      else if (oc->type == OC_INST && !oc->dfa->essential && !opt_is_op(oc, WORD2))
        dead.push_back({b, oc});
      if (oc == b->last)
        break;
    }
  for (auto &[b, oc] : dead)
    s_remove(b, oc);
  return !dead.empty();
}

// Above this many set words (blocks times definitions / 32) a function is
// left as it is: the dense sets would cost more time and memory than the
// pass is worth.
constexpr size_t DENSE_WORD_LIMIT = size_t(1) << 21;

bool opt_dead_code_pass(ocode *function, basic_block *blocks, bool retarget, bool *settled) {
  dfa_map *defs = opt_bitmap_defs(blocks, DENSE_WORD_LIMIT);
  if (!defs)
    return false;
  opt_reaching_defs(blocks, defs);
  opt_bitmap_uses(blocks);
  opt_build_chains(blocks, defs, function->data.funct.sym);
  bool changed = opt_dead_code_removal(function->data.funct.sym, blocks, defs);
  if (retarget)
    changed |= opt_retarget_stores(blocks, defs, settled);
  opt_free_dataflow(blocks, defs);
  return changed;
}
