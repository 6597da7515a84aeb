// Tail merging. In: one function's basic blocks. Out: when two blocks end
// the same way (the same instructions before an unconditional branch to the
// same block, before falling into the block the other branches to, or
// before and including a return), one copy of the common tail stays and
// the other block branches to it.
#include <algorithm>
#include <cstring>
#include <functional>
#include <vector>
#include <utility>

#include "driver/diag.h"
#include "opt/blocks.h"

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

// Removes the nodes from..to of a block and branches to label instead; a
// block that ended with a branch (kind 1) has that branch replaced.
static void s_replace_by_branch(basic_block *b, int kind, ocode *from, ocode *to, ocode *label) {
  ocode *jump = ocodeBLabel(OC_BRANCH, label, to->line, to->file);
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

static bool s_try_pair(basic_block *a, basic_block *b) {
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
  ocode *label = objInsertLabel(sb);
  s_replace_by_branch(a, ka, sa, ea, label);
  return true;
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

bool opt_tail_merging(basic_block *blocks, int count) {
  // Only blocks with the same single successor (or none: returns) can share
  // a tail; several merges per call, each on blocks no earlier one touched.
  // Groups go in the order of (successor, key), each in code order.
  std::vector<TailEntry> entries;
  int numbers = std::max(count, 0);
  for (basic_block *b = blocks; b; b = b->next) {
    numbers = std::max(numbers, b->number + 1);
    if (b->successors && b->successors->next)
      continue;
    basic_block *succ = b->successors ? b->successors->block : nullptr;
    uint64_t key = 0;
    if (s_tail_key(b, succ, &key))
      entries.push_back({succ, key, b});
  }
  std::stable_sort(entries.begin(), entries.end(), [](const TailEntry &x, const TailEntry &y) {
    return std::less<const basic_block *>()(x.succ, y.succ) || (x.succ == y.succ && x.key < y.key);
  });
  std::vector<uint8_t> touched(size_t(numbers), 0);
  bool changed = false;
  for (size_t from = 0, to; from < entries.size(); from = to) {
    for (to = from + 1; to < entries.size() && entries[to].succ == entries[from].succ &&
                        entries[to].key == entries[from].key;)
      ++to;
    for (size_t i = from; i < to; ++i)
      for (size_t j = i + 1; j < to && !touched[entries[i].block->number]; ++j)
        if (!touched[entries[j].block->number] && s_try_pair(entries[i].block, entries[j].block)) {
          touched[entries[i].block->number] = touched[entries[j].block->number] = 1;
          changed = true;
        }
  }
  return changed;  // the caller rebuilds the blocks
}
