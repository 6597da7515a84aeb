// Tail merging. In: one function's basic blocks. Out: when two blocks end
// the same way (the same instructions before an unconditional branch to the
// same block, before falling into the block the other branches to, or
// before and including a return), one copy of the common tail stays and
// the other block branches to it; pairs merge a level at a time until a
// level finds none, with the blocks kept up to date in between.
#include <algorithm>
#include <cstring>
#include <functional>
#include <vector>
#include <utility>

#include "driver/diag.h"
#include "opt/blocks.h"

constexpr int TAIL_LEVEL_LIMIT = 200;  // levels of one run

static bool s_same_operand(const inst_operand &a, const inst_operand &b) {
  if (a.type != b.type)
    return false;
  if (a.type == LITERAL_OP)
    return a.data.literal == b.data.literal;
  if (a.type == SYMBOL_OP)
    return a.data.symbol.sym == b.data.symbol.sym && a.data.symbol.offset == b.data.symbol.offset &&
           a.reloc == b.reloc;
  return true;
}

// Same opcode and operands (a WORD2 node is compared on its own; its first
// word follows in the backward walk).
static bool s_compare_instructions(const ocode *a, const ocode *b) {
  if (a->type != OC_INST || b->type != OC_INST || a->immutable || b->immutable)
    return false;
  const inst *x = a->data.inst.ins, *y = b->data.inst.ins;
  if (x->opcode != y->opcode || x->from_asm || y->from_asm)
    return false;
  for (int i = 0; i < 4; ++i)
    if (!s_same_operand(x->operand[i], y->operand[i]))
      return false;
  return true;
}

// Where a block's compared part ends (inclusive), or null when the block
// has no part that can be compared. *kind: 0 falls through, 1 branches, 2 returns.
static ocode *s_compare_end(const basic_block *b, basic_block *succ, int *kind) {
  ocode *last = b->last;
  while (last && last != b->first && last->type != OC_INST && !ocode_is_branch_kind(last->type))
    last = last->prev;
  if (!last)
    return nullptr;
  if (last->type == OC_BRANCH && opt_ends_unconditionally(b)) {
    *kind = 1;
    bool to_succ = last->data.branch.type == BLOCK_BRANCH && last->data.branch.target.block == succ;
    return to_succ && last != b->first ? last->prev : nullptr;
  }
  if (last->type == OC_INST && is_return(last) && opt_ends_unconditionally(b)) {
    *kind = 2;
    return last;
  }
  if (ocode_is_branch_kind(last->type) || (last->type == OC_INST && is_skip_conditional(last)))
    return nullptr;
  *kind = 0;
  return b->next == succ ? last : nullptr;
}

// Number of nodes, from the ends backwards, that are the same in both.
static int s_common_tail(const basic_block *a, ocode *ea, const basic_block *b, ocode *eb, ocode **sa, ocode **sb) {
  int n = 0;
  ocode *pa = ea, *pb = eb;
  *sa = *sb = nullptr;
  while (pa && pb && s_compare_instructions(pa, pb)) {
    ++n;
    // a tail may start only at a first word that no skip steps over
    if (!opt_is_op(pa, WORD2) && !opt_after_skip(pa) && !opt_after_skip(pb) && pa != pb)
      *sa = pa, *sb = pb;
    if (pa == a->first || pb == b->first)
      break;
    pa = pa->prev;
    pb = pb->prev;
  }
  return n;
}

static int s_words(ocode *from, ocode *to) {
  int n = 0;
  for (ocode *oc = from;; oc = oc->next) {
    n += oc->type == OC_INST;
    if (oc == to)
      break;
  }
  return n;
}

// Removes the nodes from..to of a block and branches to block to instead; a
// block that ended with a branch (kind 1) has that branch replaced.
static void s_replace_by_branch(basic_block *b, int kind, ocode *from, ocode *to, basic_block *target) {
  ocode *jump = ocodeBLabel(OC_BRANCH, nullptr, to->line, to->file);
  jump->data.branch.type = BLOCK_BRANCH;
  jump->data.branch.target.block = target;
  ocode *at = kind == 1 ? opt_block_branch(b) : to;
  jump->prev = at;
  jump->next = at->next;
  if (at->next)
    at->next->prev = jump;
  at->next = jump;
  if (b->last == at)
    b->last = jump;
  if (kind == 1)
    remove_instruction(at);
  for (ocode *oc = from, *next; oc; oc = next) {
    next = oc == to ? nullptr : oc->next;
    if (b->first == oc)
      b->first = next ? next : jump;
    remove_instruction(oc);
  }
}

namespace {
// One run of the pass: merges a level at a time and keeps the blocks up to
// date between levels, changing only the blocks a merge touched; the blocks
// are those a fresh build of the changed code would give, but for their
// numbers and the predecessor lists, which the caller makes again.
struct TailRun {
  int numbers = 0;                   // block numbers in use: 0 .. numbers - 1
  std::vector<int> branches_to;      // by block number: branch nodes that target it
  bool counted = false;
  std::vector<basic_block *> losing; // blocks that lost a branch to them this level
  basic_block *released = nullptr;   // blocks joined into the one before
  // By block number: the key of the block's tail (when keyed), and whether
  // the last level changed the block (made, split, joined or merged it).
  // A group of blocks none of which changed found no pair in the last
  // level and finds none in this one.
  std::vector<uint64_t> key;
  std::vector<uint8_t> keyed, dirty;

  void count_branches(basic_block *blocks) {
    branches_to.assign(size_t(numbers), 0);
    for (ocode *oc = blocks->first; oc && oc->type != OC_EFUNCT; oc = oc->next)
      if (ocode_is_branch_kind(oc->type) && oc->data.branch.type == BLOCK_BRANCH)
        ++branches_to[size_t(oc->data.branch.target.block->number)];
    counted = true;
  }
  basic_block *split(basic_block *b, ocode *at) {
    basic_block *nb = opt_split_block(b, at, numbers++);
    if (counted)
      branches_to.push_back(0);
    dirty.resize(size_t(numbers), 0);
    dirty[size_t(nb->number)] = 1;
    return nb;
  }
};
}  // namespace

static bool s_try_pair(TailRun &run, basic_block *blocks, basic_block *a, basic_block *b) {
  if (a->immutable || b->immutable || a->first->type == OC_BFUNCT || b->first->type == OC_BFUNCT)
    return false;
  if (opt_edge_count(a->successors) > 1 || opt_edge_count(b->successors) > 1)
    return false;
  basic_block *succ = a->successors ? a->successors->block : nullptr;
  if ((b->successors ? b->successors->block : nullptr) != succ)
    return false;
  int ka = -1, kb = -1;
  ocode *ea = s_compare_end(a, succ, &ka), *eb = s_compare_end(b, succ, &kb);
  if (!ea || !eb || (ka == 2) != (kb == 2) || (ka == 0 && kb == 0) || (!succ && ka != 2))
    return false;
  ocode *sa, *sb;
  s_common_tail(a, ea, b, eb, &sa, &sb);
  if (!sa)
    return false;
  // The copy in the block that falls through stays (it needs no branch).
  if (ka == 0) {
    std::swap(a, b), std::swap(ea, eb), std::swap(sa, sb), std::swap(ka, kb);
  }
  int saved = s_words(sa, ea) + (ka == 1 ? 1 : 0) - 1;
  if (saved <= 0)
    return false;
  // The kept tail starts a block of its own (b's other nodes fall into it).
  basic_block *target = sb == b->first ? b : run.split(b, sb);
  if (ka == 1) {
    if (!run.counted)
      run.count_branches(blocks);
    --run.branches_to[size_t(succ->number)];
    run.losing.push_back(succ);
  }
  s_replace_by_branch(a, ka, sa, ea, target);
  if (run.counted)
    ++run.branches_to[size_t(target->number)];
  opt_set_successor(a, target);
  run.dirty[size_t(a->number)] = run.dirty[size_t(b->number)] = 1;
  return true;
}

// After a level: a block that no branch names any more, which the block
// before falls into, is no longer a block of its own.
static void s_join_unnamed(TailRun &run) {
  for (basic_block *s : run.losing) {
    if (run.branches_to[size_t(s->number)] > 0 || s->immutable || !s->previous ||
        s->previous->first->type == OC_BFUNCT || s->first->type == OC_EFUNCT)
      continue;
    ocode *before = opt_prev_real(s->first);
    if (before && (ocode_is_branch_kind(before->type) || is_return(before)))
      continue;
    run.branches_to[size_t(s->number)] = 1;  // once only, when named twice in the list
    run.dirty[size_t(s->previous->number)] = 1;
    basic_block *gone = opt_join_next_block(s->previous);
    gone->next = run.released;
    run.released = gone;
  }
  run.losing.clear();
}

// A key for the instruction a block's compared part ends with: blocks whose
// keys differ share no tail, so only blocks with equal keys are paired
// (a block that many others branch to would otherwise cost the square of
// their number). Null when the block has nothing to compare.
static bool s_tail_key(const basic_block *b, basic_block *succ, uint64_t *key) {
  int kind = -1;
  ocode *end = s_compare_end(b, succ, &kind);
  if (!end || end->type != OC_INST)
    return false;
  const inst *ins = end->data.inst.ins;
  uint64_t h = uint64_t(ins->opcode) * 31 + (kind == 2 ? 1 : 0);
  for (const inst_operand &op : ins->operand) {
    h = h * 1000003 + uint64_t(op.type);
    if (op.type == LITERAL_OP)
      h = h * 1000003 + uint64_t(op.data.literal);
    else if (op.type == SYMBOL_OP)
      h = (h * 1000003 + uint64_t(reinterpret_cast<uintptr_t>(op.data.symbol.sym))) * 31 + uint64_t(op.data.symbol.offset);
  }
  *key = h;
  return true;
}

namespace {
struct TailEntry {
  const basic_block *succ;
  uint64_t key;
  basic_block *block;
};
}  // namespace

// The tail keys of the blocks a level looks at: every block in the first
// level, then only the groups (successor, key) that hold a changed block.
static std::vector<TailEntry> s_level_entries(TailRun &run, basic_block *blocks, bool first) {
  size_t numbers = size_t(run.numbers);
  run.key.resize(numbers, 0);
  run.keyed.resize(numbers, 0);
  run.dirty.resize(numbers, 0);
  std::vector<std::pair<uintptr_t, uint64_t>> groups;  // (successor, key)
  for (basic_block *b = blocks; b; b = b->next) {
    size_t n = size_t(b->number);
    if (!first && !run.dirty[n])
      continue;
    basic_block *succ = b->successors ? b->successors->block : nullptr;
    // only blocks with one successor (or none: returns) can share a tail
    run.keyed[n] = !(b->successors && b->successors->next) && s_tail_key(b, succ, &run.key[n]);
    if (!first && run.keyed[n])
      groups.emplace_back(reinterpret_cast<uintptr_t>(succ), run.key[n]);
  }
  std::sort(groups.begin(), groups.end());
  std::vector<TailEntry> entries;
  for (basic_block *b = blocks; b; b = b->next) {
    size_t n = size_t(b->number);
    if (!run.keyed[n])
      continue;
    basic_block *succ = b->successors ? b->successors->block : nullptr;
    if (first ||
        std::binary_search(groups.begin(), groups.end(), std::make_pair(reinterpret_cast<uintptr_t>(succ), run.key[n])))
      entries.push_back({succ, run.key[n], b});
  }
  run.dirty.assign(numbers, 0);
  return entries;
}

// One level: every pair of blocks no earlier merge of the level touched.
static bool s_merge_level(TailRun &run, basic_block *blocks, bool first) {
  // Groups go in the order of (successor, key), each in code order.
  std::vector<TailEntry> entries = s_level_entries(run, blocks, first);
  std::stable_sort(entries.begin(), entries.end(), [](const TailEntry &x, const TailEntry &y) {
    return std::less<const basic_block *>()(x.succ, y.succ) || (x.succ == y.succ && x.key < y.key);
  });
  std::vector<uint8_t> touched(size_t(run.numbers), 0);
  bool changed = false;
  for (size_t from = 0, to; from < entries.size(); from = to) {
    for (to = from + 1; to < entries.size() && entries[to].succ == entries[from].succ &&
                        entries[to].key == entries[from].key;)
      ++to;
    for (size_t i = from; i < to; ++i)
      for (size_t j = i + 1; j < to && !touched[entries[i].block->number]; ++j)
        if (!touched[entries[j].block->number] && s_try_pair(run, blocks, entries[i].block, entries[j].block)) {
          touched[entries[i].block->number] = touched[entries[j].block->number] = 1;
          changed = true;
        }
  }
  s_join_unnamed(run);
  return changed;
}

bool opt_tail_merging(basic_block *blocks, int count) {
  // A merge leaves a new tail that may match others in turn, so the levels
  // go on until one merges nothing.
  TailRun run;
  run.numbers = std::max(count, 0);
  for (basic_block *b = blocks; b; b = b->next)
    run.numbers = std::max(run.numbers, b->number + 1);
  bool changed = false;
  for (int level = 0; level < TAIL_LEVEL_LIMIT && s_merge_level(run, blocks, level == 0); ++level)
    changed = true;
  opt_release_blocks(run.released);
  return changed;  // the caller numbers the blocks and makes their edges again
}
