// Straightening. In: one function's basic blocks. Out: a block that ends
// with an unconditional branch to a block reached from nowhere else is
// followed by that block instead, without the branch; when the moved block
// used to fall through, it gets an explicit branch to where it fell.
#include <set>

#include "driver/diag.h"
#include "opt/blocks.h"

// Whether target may be moved to follow b in place of b's final branch.
static bool s_can_move(const basic_block *b, const ocode *branch, const basic_block *target) {
  if (!branch || branch->type != OC_BRANCH || branch->immutable || branch->data.branch.type != BLOCK_BRANCH)
    return false;
  if (target == b || target->immutable || b->immutable || !opt_ends_unconditionally(b))
    return false;
  if (opt_edge_count_upto(target->predecessors, 2) != 1 || target->predecessors->block != b)
    return false;
  if (target == b->next)
    return false;  // a branch to the next block is for the branch optimisations
  ocode *last = target->last;
  while (last != target->first && !(last->type == OC_INST || ocode_is_branch_kind(last->type)))
    last = last->prev;
  if (last->type == OC_INST && is_skip_conditional(last))
    return false;  // the next block must stay behind the skip
  return true;
}

// Unlinks the nodes first..last from the list; returns first.
static ocode *s_cut(ocode *first, ocode *last) {
  first->prev->next = last->next;
  if (last->next)
    last->next->prev = first->prev;
  first->prev = last->next = nullptr;
  return first;
}

static void s_paste_after(ocode *at, ocode *first, ocode *last) {
  last->next = at->next;
  if (at->next)
    at->next->prev = last;
  at->next = first;
  first->prev = at;
}

bool opt_straighten(basic_block *blocks, int count) {
  // Several moves per call, each on blocks no earlier move touched (their
  // neighbours and edges are stale until the caller rebuilds the blocks).
  std::set<const basic_block *> touched;
  bool changed = false;
  (void)count;
  for (basic_block *b = blocks; b; b = b->next) {
    ocode *branch = opt_block_branch(b);
    if (!branch || branch->data.branch.type != BLOCK_BRANCH || touched.count(b))
      continue;
    basic_block *target = branch->data.branch.target.block;
    if (touched.count(target) || (target->next && touched.count(target->next)) || !s_can_move(b, branch, target))
      continue;
    if (!opt_ends_unconditionally(target)) {
      if (!target->next || target->next->first->type == OC_EFUNCT)
        continue;
      ocode *jump = ocodeBranchBlock(target->next, target->last->line, target->last->file);
      s_paste_after(target->last, jump, jump);
      target->last = jump;
    }
    ocode *first = target->first, *last = target->last;
    s_cut(first, last);
    ocode *at = b->last;
    s_paste_after(at, first, last);
    if (b->first == branch)
      b->first = branch->next;  // other branches may target b: keep its start valid
    remove_instruction(branch);
    for (const basic_block *t : {b, b->next, target, target->previous, target->next})
      touched.insert(t);
    changed = true;
  }
  return changed;  // the caller rebuilds the blocks
}
