// Branch optimisations. In: one function's output code whose branch nodes
// target labels (or its blocks, for the inversion). Out: conditional
// branches that a following unconditional branch makes useless removed,
// chains of branches short-cut, branches to the next instruction removed,
// unconditional branches to a return replaced by the return; and a
// conditional branch over a lone unconditional branch turned into one
// inverted conditional branch (with the blocks kept up to date but for
// their numbers and edges).
#include <set>
#include <unordered_map>
#include <vector>

#include "driver/diag.h"
#include "opt/blocks.h"
#include "opt/opt.h"

// What opt_real_instruction stops at.
static bool s_is_real(const ocode *oc) {
  if (oc->type == OC_INST)
    return !opt_is_op(oc, WORD2);
  return ocode_is_branch_kind(oc->type) || oc->type == OC_EFUNCT;
}

namespace {
// The real instruction at or after each node the pass has asked about: the
// ends of nested conditionals leave long runs of labels that many branches
// reach, and each run is walked once. A node the pass removes (kept until
// the pass ends, so that no new node takes its address) or replaces sends
// its askers on to the node that now follows.
struct RealAfter {
  std::unordered_map<const ocode *, ocode *> real, moved;
  std::vector<ocode *> removed;

  ocode *follow(ocode *v) {
    for (auto it = moved.find(v); it != moved.end(); it = moved.find(v))
      v = it->second;
    return v;
  }
  ocode *of(ocode *oc) {
    ocode *v = oc;
    for (int i = 0; i < 8 && v; ++i, v = v->next)  // most are near: no need to remember them
      if (s_is_real(v))
        return v;
    std::vector<const ocode *> walked;
    v = oc;
    for (; v; v = v->next) {
      auto it = real.find(v);
      if (it != real.end()) {
        v = it->second = follow(it->second);
        break;
      }
      if (s_is_real(v))
        break;
      walked.push_back(v);
    }
    for (const ocode *w : walked)
      real[w] = v;
    return v;
  }
  void remove(ocode *oc) {
    moved[oc] = of(oc->next);
    removed.push_back(ocode_unlink(oc));
  }
  ~RealAfter() {
    for (ocode *oc : removed)
      ocodeFree(oc);
  }
};
}  // namespace

// The first real instruction a branch node goes to, null when outside.
static ocode *s_target_real(const ocode *oc, RealAfter &after) {
  ocode *target = nullptr;
  if (oc->data.branch.type == LABEL_BRANCH)
    target = oc->data.branch.target.label;
  else if (oc->data.branch.type == SYMBOL_BRANCH && oc->data.branch.target.symbol &&
           oc->data.branch.target.symbol->type == LABEL)
    target = oc->data.branch.target.symbol->label_node;
  return target ? after.of(target) : nullptr;
}

static bool s_same_tested_operand(const ocode *a, const ocode *b) {
  if (a->type != OC_BTFBS && a->type != OC_BTFBC)
    return true;
  const auto &x = a->data.branch.data, &y = b->data.branch.data;
  if (x.src_type != y.src_type || x.bit != y.bit || x.offset != y.offset)
    return false;
  return x.src_type == SRC_IDX || (x.sym == y.sym && x.access == y.access);
}

// Whether nothing that takes program words lies between the branch and its
// target label (a distance of 1, forward).
static bool s_target_is_next(const ocode *oc) {
  const ocode *label = oc->data.branch.type == LABEL_BRANCH ? oc->data.branch.target.label : nullptr;
  if (oc->data.branch.type == SYMBOL_BRANCH && oc->data.branch.target.symbol &&
      oc->data.branch.target.symbol->type == LABEL)
    label = oc->data.branch.target.symbol->label_node;
  for (const ocode *p = oc->next; p && label; p = p->next) {
    if (p == label)
      return true;
    if (opt_max_instruction_size(p) != 0 || p->type == OC_EFUNCT)
      return false;
  }
  return false;
}

static bool s_targets_itself(const ocode *oc, RealAfter &after) { return s_target_real(oc, after) == oc; }

// A retargetable branch node (not one whose target is a block or unknown).
static bool s_movable_target(const ocode *oc) {
  return oc->data.branch.type == LABEL_BRANCH || oc->data.branch.type == SYMBOL_BRANCH;
}

static void s_take_target(ocode *oc, const ocode *from) {
  oc->data.branch.type = from->data.branch.type;
  oc->data.branch.target = from->data.branch.target;
}

// One branch node; true when it changed (*gone when it was removed).
static bool s_optimize_one(ocode *oc, bool *gone, RealAfter &after) {
  *gone = false;
  if (oc->immutable || !s_movable_target(oc))
    return false;
  bool conditional = ocode_is_conditional_kind(oc->type);
  ocode *target = s_target_real(oc, after);
  ocode *next = after.of(oc->next);
  if (conditional && next && next->type == OC_BRANCH && !next->immutable && s_movable_target(next) &&
      target && s_target_real(next, after) == target && !opt_after_skip(oc)) {
    VELC_ASSERT(!oc->immutable);
    after.remove(oc);
    *gone = true;
    return true;
  }
  if (conditional && target && target != oc && target->type == oc->type && s_movable_target(target) &&
      s_same_tested_operand(oc, target) && !s_targets_itself(target, after) &&
      s_target_real(target, after) != target) {
    s_take_target(oc, target);
    return true;
  }
  if (s_target_is_next(oc) && !opt_after_skip(oc)) {
    after.remove(oc);
    *gone = true;
    return true;
  }
  if (target && target != oc && target->type == OC_BRANCH && s_movable_target(target) &&
      !s_targets_itself(target, after)) {
    s_take_target(oc, target);
    return true;
  }
  if (oc->type == OC_BRANCH && target && target->type == OC_INST && is_return(target)) {
    ocode *copy = ocodeInst(inst_copy(target->data.inst.ins), oc->line, oc->file);
    copy->prev = oc->prev;
    copy->next = oc->next;
    oc->prev->next = copy;
    if (oc->next)
      oc->next->prev = copy;
    oc->prev = oc->next = nullptr;
    after.moved[oc] = copy;
    after.removed.push_back(oc);
    *gone = true;
    return true;
  }
  return false;
}

bool opt_branch_optimizations(ocode *function) {
  bool changed = false;
  RealAfter after;
  for (ocode *oc = function; oc && oc->type != OC_EFUNCT;) {
    ocode *next = oc->next;
    bool gone = false;
    if (ocode_is_branch_kind(oc->type) && oc->data.branch.resolved == NOT_RESOLVED)
      changed |= s_optimize_one(oc, &gone, after);
    oc = next;
  }
  return changed;
}

static int32_t s_inverse(int32_t kind) {
  switch (kind) {
  case OC_BZ: return OC_BNZ;
  case OC_BNZ: return OC_BZ;
  case OC_BC: return OC_BNC;
  case OC_BNC: return OC_BC;
  case OC_BOV: return OC_BNOV;
  case OC_BNOV: return OC_BOV;
  case OC_BN: return OC_BNN;
  case OC_BNN: return OC_BN;
  case OC_BTFBS: return OC_BTFBC;
  default: return OC_BTFBS;
  }
}

// The block's only real node when it is one unconditional branch node.
static ocode *s_lone_branch(const basic_block *b) {
  ocode *branch = opt_block_branch(b);
  if (!branch || branch->type != OC_BRANCH || branch->immutable)
    return nullptr;
  return opt_real_instruction(b->first) == branch ? branch : nullptr;
}

bool opt_block_branch_optimizations(basic_block *blocks) {
  bool changed = false;
  std::set<const basic_block *> touched;  // gained a predecessor the edges do not show
  basic_block *joined = nullptr;          // blocks taken into the one before
  for (basic_block *b = blocks; b; b = b->next) {
    ocode *cond = opt_block_branch(b);
    basic_block *n = b->next;
    if (!cond || !ocode_is_conditional_kind(cond->type) || cond->immutable || !n || !n->next || n->immutable ||
        touched.count(n))
      continue;
    ocode *jump = s_lone_branch(n);
    if (!jump || cond->data.branch.type != BLOCK_BRANCH || cond->data.branch.target.block != n->next ||
        jump->data.branch.type != BLOCK_BRANCH || opt_edge_count_upto(n->predecessors, 2) != 1 ||
        n->predecessors->block != b)
      continue;
    cond->type = s_inverse(cond->type);
    cond->data.branch.target.block = jump->data.branch.target.block;
    touched.insert(cond->data.branch.target.block);
    remove_instruction_from_block(n, jump);
    changed = true;
    // What is left of n (no real node) ends b, as a fresh build would have it;
    // blocks further on are untouched.
    basic_block *gone = opt_join_next_block(b);
    gone->next = joined;
    joined = gone;
  }
  opt_release_blocks(joined);
  return changed;  // the caller numbers the blocks and makes their edges again
}
