// Procedural abstraction. In: one code section's output-code list after the
// per-function passes (functions linked back, branch targets labels). Out:
// sequences of three or more instructions that occur often enough to pay
// moved into new functions "__pa_N" appended to the section, each counted
// occurrence replaced by CALL __pa_N (or, when the sequence ends the way a
// function ends, by a branch into the procedure's body); -topa traces.
//
// Blocks cover the whole section. Functions with assembly blocks and
// interrupt routines take no part. A node gets a key; equal keys mean
// equal instructions. Candidate pairs of starts come from a hash of the
// keys of three consecutive nodes, so only starts that can give a match of
// at least three nodes are compared. Matches of one length that share a
// first node collect in one dictionary item; items are tried in order of
// words saved, and an item whose counted occurrence overlaps one already
// replaced is dropped. An occurrence in a loop (from the target of a
// backward branch to the branch) stays in place unless it ends in a return,
// and only the occurrences replaced count towards the saving.
#include "opt/proc_abstraction.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "driver/diag.h"
#include "driver/settings.h"
#include "gen/gen.h"
#include "gen/interrupt.h"
#include "opt/blocks.h"
#include "opt/opt.h"
#include "trans/type.h"
#include "util/large_pages.h"

namespace {

struct pa_block {
  basic_block *block;
  bool excluded;               // assembly block, interrupt routine, outside functions
  bool called;                 // in a procedure that is called (not jumped to)
  size_t size;                 // nodes from first to last
  long base;                   // node index of the first node
};

// The occurrences of all items share one store (s_occurrences); each item
// chains its own in the order they were added.
struct pa_occurrence {
  uint32_t first_index;  // node index (ocode_enumerate order) of its first node
  uint32_t next;         // the item's next occurrence in the store, or PA_NONE
  bool overlap;          // overlaps an occurrence already in the item
  bool kept;             // in a loop, where a call would cost every pass: stays
};

constexpr uint32_t PA_NONE = ~uint32_t(0);

static bool s_counts(const pa_occurrence &o) { return !o.overlap && !o.kept; }

struct pa_item {
  long length;
  long count;  // occurrences that count
  long saving;
  uint32_t head, tail;  // first and last occurrence in the store
};

// A hash table from 64-bit keys to 64-bit values, open addressing, no
// removal: the dictionary makes a few entries per compared pair, and a
// node per entry would cost more than the comparisons.
struct pa_slot {
  uint64_t key, value;  // key == PA_EMPTY: free
};

struct pa_table {
  LargeVector<pa_slot> slots;
  size_t count;
  int shift;  // 64 - log2 of the number of slots
};

constexpr uint64_t PA_EMPTY = ~uint64_t(0);

}  // namespace

// Multiplicative hashing: the top bits of key times 2^64 / phi.
static inline pa_slot &s_table_slot(pa_table &t, uint64_t key) {
  const size_t mask = t.slots.size() - 1;
  size_t k = size_t((key * 0x9E3779B97F4A7C15u) >> t.shift);
  while (t.slots[k].key != PA_EMPTY && t.slots[k].key != key)
    k = (k + 1) & mask;
  return t.slots[k];
}

// Empty, with room for about `expected` entries before it grows.
static void s_table_clear(pa_table &t, size_t expected) {
  int bits = 6;
  while ((size_t(1) << bits) < 2 * expected && bits < 40)
    ++bits;
  t.slots.assign(size_t(1) << bits, pa_slot{PA_EMPTY, 0});
  t.count = 0;
  t.shift = 64 - bits;
}

static inline const uint64_t *s_table_find(pa_table &t, uint64_t key) {
  const pa_slot &slot = s_table_slot(t, key);
  return slot.key == key ? &slot.value : nullptr;
}

static void s_table_grow(pa_table &t) {
  LargeVector<pa_slot> old;
  old.swap(t.slots);
  t.slots.assign(2 * old.size(), pa_slot{PA_EMPTY, 0});
  --t.shift;
  for (const pa_slot &slot : old)
    if (slot.key != PA_EMPTY)
      s_table_slot(t, slot.key) = slot;
}

// The value of key, added as `value` when key is not there yet; *added
// tells which.
static inline uint64_t &s_table_find_or_insert(pa_table &t, uint64_t key, uint64_t value, bool *added) {
  VELC_ASSERT(key != PA_EMPTY);
  if (2 * (t.count + 1) > t.slots.size())
    s_table_grow(t);
  pa_slot &slot = s_table_slot(t, key);
  *added = slot.key != key;
  if (*added) {
    slot = pa_slot{key, value};
    ++t.count;
  }
  return slot.value;
}

// Adds key -> value unless key is there already; true when added.
static inline bool s_table_insert(pa_table &t, uint64_t key, uint64_t value) {
  bool added = false;
  s_table_find_or_insert(t, key, value, &added);
  return added;
}

// Kept across runs and sections of one compilation.
static long s_key;                       // last key handed out
static unsigned long s_procedure_number;
static std::set<const SymbolRecord *> s_called_procedures;

// One run.
static SectionRecord *s_current_section_symbol;
static std::vector<pa_block> s_block_list;
static std::vector<pa_item> s_dictionary;
static LargeVector<pa_occurrence> s_occurrences;
static pa_table s_item_of;  // (length, first index) -> the first item that has the occurrence
static pa_table s_spans;    // (item, first index) of every other item's occurrences
// (item, first index / length) -> first index of an occurrence that counts.
// The counted occurrences of an item do not overlap and have one length,
// so each such stretch of the list holds at most one of their starts.
static pa_table s_counted;
static std::vector<long> s_keys;  // per node index: its key
static std::vector<char> s_in_loop;  // per node index: between a backward branch and its target
static std::vector<uint16_t> s_flags;  // per node index: NF_... bits, worked out once per run

// NF_MATCH: an instruction or branch with a key, which may be part of a sequence.
// NF_MAY_END: a sequence of three nodes or more may end at the node.
// NF_CALLED: the node stands in a procedure that is called.
// NF_START: an instruction or branch that is neither a second word nor one
// that a skip may step over; a sequence may start there.
// NF_CODE: an instruction or branch. NF_JUMP: a branch node or a branch
// instruction (one that may name a label).
enum : uint16_t { NF_WORD2 = 1, NF_SKIP = 2, NF_CALL = 4, NF_ENDS_FUNCTION = 8, NF_MATCH = 16,
                  NF_CONDITIONAL = 32, NF_RETURN = 64, NF_MAY_END = 128, NF_CALLED = 256, NF_START = 512,
                  NF_CODE = 1024, NF_JUMP = 2048 };
static std::vector<int> s_block_of;        // per node index: its block
static std::vector<uint32_t> s_block_end;  // per node index: the node index after its block
static std::vector<ocode *> s_node_at;     // per node index: the node
static std::vector<uint64_t> s_last_item;  // per node index: see s_first_item
static std::vector<int> s_match_run;  // per node index: NF_MATCH nodes from it to the end of its block
static std::vector<long> s_next_call;  // per node index: the first NF_CALL node from it, or its block's end
// Per node index: how far the nearest node of its block with the same key
// is (at most 255; it may tell less). Occurrences of one item closer than
// their length have equal first keys, so a node whose nearest is farther
// overlaps none.
static std::vector<uint8_t> s_same_key_near;
static std::vector<uint32_t> s_later_with_key;  // per key: see s_pa_mark_flags

void opt_pa_reset() {
  s_key = 0;
  s_procedure_number = 0;
  s_called_procedures.clear();
}

// ---- node tests -------------------------------------------------------------------

static bool s_is_code(const ocode *oc) { return oc->type == OC_INST || ocode_is_branch_kind(oc->type); }

// RETFIE, RETLW, RETURN, ADDULNK, SUBULNK or an unconditional branch.
static bool s_ends_function_way(const ocode *oc) {
  if (oc->type == OC_BRANCH)
    return true;
  if (oc->type != OC_INST)
    return false;
  switch (oc->data.inst.ins->opcode) {
  case RETFIE: case RETLW: case RETURN: case ADDULNK: case SUBULNK: case GOTO: case BRA:
    return true;
  default:
    return false;
  }
}

static bool s_is_position_register(const SymbolRecord *sym) {
  if (!sym)
    return false;
  if (sym == PCLsym || sym == TOSLsym || sym == TOSHsym || sym == TOSUsym || sym == TOSsym || sym == STKPTRsym)
    return true;
  static const char *const names[] = {"PCL", "TOSL", "TOSH", "TOSU", "TOS", "STKPTR"};
  if (!sym->name || (sym->name[0] != 'P' && sym->name[0] != 'T' && sym->name[0] != 'S'))
    return false;
  for (const char *name : names)
    if (sym->name && strcmp(sym->name, name) == 0)
      return true;
  return false;
}

// An instruction that depends on where it stands or on the return stack:
// it keeps a key of its own and so never becomes part of a sequence.
static bool s_position_dependent(const ocode *oc) {
  if (oc->type != OC_INST)
    return false;
  const inst *ins = oc->data.inst.ins;
  if (ins->from_asm)
    return true;
  switch (ins->opcode) {
  case PUSH: case POP: case RESET:
    return true;
  case BRA: case RCALL: case BC: case BNC: case BN: case BNN: case BOV: case BNOV: case BZ: case BNZ:
    if (ins->operand[0].type != SYMBOL_OP)
      return true;
    break;
  default:
    break;
  }
  for (const inst_operand &op : ins->operand)
    if (op.type == SYMBOL_OP && s_is_position_register(op.data.symbol.sym))
      return true;
  return false;
}

// ---- keys ------------------------------------------------------------------------------

namespace {
// The values that are equal exactly when two instruction or branch nodes
// are equal: the node type, then the opcode and operands or the branch
// kind, target and tested bit.
struct pa_signature {
  int64_t value[20];
  int size;
  uint64_t hash;  // of the values so far
  void put(int64_t v) {
    value[size++] = v;
    hash = (hash ^ uint64_t(v)) * 0x100000001B3u + (hash >> 29);
  }
  bool operator==(const pa_signature &o) const {
    return size == o.size && std::equal(value, value + size, o.value);
  }
};
}  // namespace

static void s_pa_signature(const ocode *oc, pa_signature *sig) {
  sig->size = 0;
  sig->hash = 0;
  sig->put(oc->type);
  if (oc->type == OC_INST) {
    const inst *ins = oc->data.inst.ins;
    sig->put(ins->opcode);
    for (const inst_operand &op : ins->operand) {
      sig->put(op.type);
      if (op.type == SYMBOL_OP) {
        sig->put(reinterpret_cast<intptr_t>(op.data.symbol.sym));
        sig->put(op.data.symbol.offset);
        sig->put(op.reloc);
      } else if (op.type == LITERAL_OP) {
        sig->put(op.data.literal);
      }
    }
    return;
  }
  const auto &br = oc->data.branch;
  sig->put(br.type);
  switch (br.type) {
  case LITERAL_BRANCH: sig->put(br.target.literal); break;
  case SYMBOL_BRANCH: sig->put(reinterpret_cast<intptr_t>(br.target.symbol)); break;
  case LABEL_BRANCH: sig->put(reinterpret_cast<intptr_t>(br.target.label)); break;
  default: sig->put(reinterpret_cast<intptr_t>(br.target.block)); break;
  }
  if (oc->type == OC_BTFBS || oc->type == OC_BTFBC) {
    sig->put(br.data.src_type);
    sig->put(br.data.bit);
    sig->put(br.data.offset);
    if (br.data.src_type == SRC_SYMBOL) {
      sig->put(reinterpret_cast<intptr_t>(br.data.sym));
      sig->put(br.data.access);
    }
  }
}

static uint64_t s_signature_hash(const pa_signature &sig) { return sig.hash; }

// Every node in order: an instruction or branch takes the key of the
// earlier equal one, anything else (and what must stay put) a fresh key.
// The distinct signatures go in a flat array, found through an
// open-addressed table of their positions.
static void s_pa_assign_keys(ocode *list) {
  std::vector<pa_signature> distinct;
  std::vector<long> key_of;  // per distinct signature
  std::vector<int> slot(1024, -1);
  pa_signature sig;
  for (ocode *oc = list; oc; oc = oc->next) {
    if (!s_is_code(oc) || oc->immutable || s_position_dependent(oc)) {
      oc->key = ++s_key;
      continue;
    }
    s_pa_signature(oc, &sig);
    size_t mask = slot.size() - 1, k = size_t(s_signature_hash(sig)) & mask;
    while (slot[k] >= 0 && !(distinct[size_t(slot[k])] == sig))
      k = (k + 1) & mask;
    if (slot[k] >= 0) {
      oc->key = key_of[size_t(slot[k])];
      continue;
    }
    slot[k] = int(distinct.size());
    distinct.push_back(sig);
    key_of.push_back(oc->key = ++s_key);
    if (2 * distinct.size() > slot.size()) {
      slot.assign(2 * slot.size(), -1);
      for (size_t d = 0; d < distinct.size(); ++d) {
        size_t m = slot.size() - 1, at = size_t(s_signature_hash(distinct[d])) & m;
        while (slot[at] >= 0)
          at = (at + 1) & m;
        slot[at] = int(d);
      }
    }
  }
}

// A node made after the keys: the key of an earlier equal node, else a fresh one.
static void s_pa_assign_key(ocode *oc) {
  if (s_is_code(oc)) {
    pa_signature sig, other;
    s_pa_signature(oc, &sig);
    for (const ocode *p = oc->prev; p; p = p->prev)
      if (p->key && p->type == oc->type) {
        s_pa_signature(p, &other);
        if (other == sig) {
          oc->key = p->key;
          return;
        }
      }
  }
  oc->key = ++s_key;
}

// ---- blocks over the whole section ----------------------------------------------------

static ocode *s_target_node(const ocode *oc) {
  if (oc->data.branch.type == LABEL_BRANCH)
    return oc->data.branch.target.label;
  if (oc->data.branch.type == SYMBOL_BRANCH) {
    SymbolRecord *sym = oc->data.branch.target.symbol;
    return sym && sym->type == LABEL ? sym->label_node : nullptr;
  }
  return nullptr;
}

static bool s_function_excluded(const ocode *bfunct) {
  const SymbolRecord *fsym = bfunct->data.funct.sym;
  return !fsym || fsym->has_inline_asm || isr_record(fsym) != nullptr;
}

// The section's nodes by ordinal (their index field), with what the block
// build learns about each: marks by index instead of sets of nodes.
namespace {
enum : uint8_t { PN_NAMED = 1, PN_LEADER = 2, PN_STILL_NAMED = 4 };
struct pa_nodes {
  std::vector<ocode *> node;
  std::vector<uint8_t> flags;
  std::vector<int> block;          // of each node
  std::vector<uint32_t> branches;  // the branch nodes, in list order
  std::vector<uint32_t> labels;    // the labels, in list order
};
}  // namespace

// Kept across runs for their storage.
static pa_nodes s_nodes;

static long s_at(const pa_nodes &nodes, const ocode *oc) {
  return oc && oc->index >= 0 && oc->index < long(nodes.node.size()) && nodes.node[size_t(oc->index)] == oc
             ? oc->index
             : -1;
}

static bool s_marked(const pa_nodes &nodes, const ocode *oc, uint8_t flag) {
  long i = s_at(nodes, oc);
  return i >= 0 && (nodes.flags[size_t(i)] & flag);
}

static void s_mark(pa_nodes &nodes, const ocode *oc, uint8_t flag) {
  long i = s_at(nodes, oc);
  if (i >= 0)
    nodes.flags[size_t(i)] |= flag;
}

// RETURN, RETFIE, RETLW, ADDULNK, SUBULNK or RESET: the next node starts a block.
static bool s_is_return_op(int opcode) {
  switch (opcode) {
  case RETURN: case RETFIE: case RETLW: case ADDULNK: case SUBULNK: case RESET:
    return true;
  default:
    return false;
  }
}

// Labels an instruction operand names stay and start their block.
static void s_named_labels(pa_nodes &nodes) {
  for (ocode *oc : nodes.node)
    if (oc->type == OC_INST)
      for (const inst_operand &op : oc->data.inst.ins->operand)
        if (op.type == SYMBOL_OP && op.data.symbol.sym && op.data.symbol.sym->type == LABEL &&
            op.data.symbol.sym->label_node)
          s_mark(nodes, op.data.symbol.sym->label_node, PN_NAMED);
}

// Also lists the branches and the labels.
static void s_leaders(pa_nodes &nodes) {
  auto add = [&nodes](ocode *oc) { s_mark(nodes, oc, PN_LEADER); };
  if (!nodes.node.empty())
    add(nodes.node.front());
  for (ocode *oc : nodes.node) {
    if (oc->type == OC_LABEL)
      nodes.labels.push_back(uint32_t(oc->index));
    if (oc->type == OC_BFUNCT || oc->type == OC_EFUNCT) {
      add(oc);
      add(oc->type == OC_BFUNCT ? opt_real_instruction(oc->next) : oc->next);
    } else if (ocode_is_branch_kind(oc->type)) {
      nodes.branches.push_back(uint32_t(oc->index));
      if (ocode *target = s_target_node(oc))
        add(opt_real_instruction(target));
      add(opt_real_instruction(oc->next));
    } else if (oc->type == OC_INST && s_is_return_op(oc->data.inst.ins->opcode)) {
      add(opt_real_instruction(oc->next));
    } else if (nodes.flags[size_t(oc->index)] & PN_NAMED) {  // a node of the list: its index holds
      add(oc);
    }
  }
}

// The run's block records, in one store that keeps their addresses.
static std::deque<basic_block> s_block_store;

static basic_block *s_new_block(ocode *first) {
  basic_block *b = &s_block_store.emplace_back();
  b->number = int(s_block_list.size());
  b->first = b->last = first;
  if (!s_block_list.empty()) {
    b->previous = s_block_list.back().block;
    b->previous->next = b;
  }
  s_block_list.push_back(pa_block{b, false, false, 0, 0});
  return b;
}

// Branches of the blocks that take part go to blocks; the labels no one
// else names go (and leave their block one node shorter). Returns how many
// went.
static size_t s_to_block_targets(pa_nodes &nodes) {
  size_t removed = 0;
  for (uint32_t i : nodes.branches) {
    ocode *oc = nodes.node[i];
    const pa_block &pb = s_block_list[size_t(nodes.block[i])];
    ocode *target = s_target_node(oc);
    ocode *leader = target ? opt_real_instruction(target) : nullptr;
    long at = s_marked(nodes, leader, PN_LEADER) ? s_at(nodes, leader) : -1;
    if (!pb.excluded && at >= 0 && !s_block_list[size_t(nodes.block[size_t(at)])].excluded) {
      oc->data.branch.type = BLOCK_BRANCH;
      oc->data.branch.target.block = s_block_list[size_t(nodes.block[size_t(at)])].block;
    } else if (oc->data.branch.type == LABEL_BRANCH) {
      s_mark(nodes, target, PN_STILL_NAMED);
    }
  }
  for (uint32_t i : nodes.labels) {
    ocode *oc = nodes.node[i];
    pa_block &pb = s_block_list[size_t(nodes.block[i])];
    basic_block *b = pb.block;
    if (pb.excluded || (nodes.flags[i] & (PN_NAMED | PN_STILL_NAMED)) || oc == b->first)
      continue;
    if (oc->data.label.sym && oc->data.label.sym->label_node == oc)
      oc->data.label.sym->label_node = nullptr;
    if (b->last == oc)
      b->last = oc->prev;
    ocodeFree(ocode_unlink(oc));
    --pb.size;
    ++removed;
  }
  return removed;
}

// Returns the number of nodes, each numbered by ocode_enumerate.
static long s_pa_calculate_basic_blocks(ocode *list) {
  pa_nodes &nodes = s_nodes;
  nodes.node.clear();
  nodes.branches.clear();
  nodes.labels.clear();
  nodes.node.reserve(size_t(ocode_enumerate(list)));
  for (ocode *oc = list; oc; oc = oc->next)
    nodes.node.push_back(oc);
  nodes.flags.assign(nodes.node.size(), 0);
  nodes.block.assign(nodes.node.size(), -1);
  s_named_labels(nodes);
  s_leaders(nodes);
  bool excluded = true;  // outside functions
  bool called = false;
  basic_block *cur = nullptr;
  for (size_t i = 0; i < nodes.node.size(); ++i) {
    ocode *oc = nodes.node[i];
    if (oc->type == OC_BFUNCT) {
      excluded = s_function_excluded(oc);
      called = s_called_procedures.count(oc->data.funct.sym) != 0;
    }
    bool leader = (nodes.flags[i] & PN_LEADER) != 0;
    if (leader || !cur) {
      cur = s_new_block(oc);
      s_block_list.back().excluded = excluded;
      s_block_list.back().called = called;
    }
    cur->last = oc;
    ++s_block_list.back().size;
    nodes.block[i] = cur->number;
    if (oc->type == OC_EFUNCT)
      excluded = true;
  }
  return s_to_block_targets(nodes) ? ocode_enumerate(list) : long(nodes.node.size());
}

// Block targets become labels again; the blocks go.
static void s_pa_convert_block_branches(ocode *list) {
  std::map<basic_block *, ocode *> labels;
  for (ocode *oc = list; oc; oc = oc->next) {
    if (!ocode_is_branch_kind(oc->type) || oc->data.branch.type != BLOCK_BRANCH)
      continue;
    basic_block *tb = oc->data.branch.target.block;
    ocode *&label = labels[tb];
    if (!label)
      label = tb->first->type == OC_LABEL ? tb->first : objInsertLabel(tb->first);
    oc->data.branch.type = LABEL_BRANCH;
    oc->data.branch.target.label = label;
  }
  s_block_store.clear();
  s_block_list.clear();
}

// ---- loops ------------------------------------------------------------------------------

// The node a branch goes to, once targets may be blocks.
static ocode *s_branch_target(const ocode *oc) {
  if (ocode_is_branch_kind(oc->type))
    return oc->data.branch.type == BLOCK_BRANCH ? oc->data.branch.target.block->first : s_target_node(oc);
  if (oc->type != OC_INST)
    return nullptr;
  const inst *ins = oc->data.inst.ins;
  switch (ins->opcode) {
  case GOTO: case BRA: case BC: case BNC: case BN: case BNN: case BOV: case BNOV: case BZ: case BNZ:
    break;
  default:
    return nullptr;
  }
  const inst_operand &op = ins->operand[0];
  if (op.type != SYMBOL_OP || !op.data.symbol.sym || op.data.symbol.sym->type != LABEL)
    return nullptr;
  return op.data.symbol.sym->label_node;
}

// The function a CALL or RCALL names, or null.
static const SymbolRecord *s_callee(const ocode *oc) {
  if (!is_call(oc) && !is_rcall(oc))
    return nullptr;
  const inst_operand &op = oc->data.inst.ins->operand[0];
  return op.type == SYMBOL_OP ? op.data.symbol.sym : nullptr;
}

// A function of the section called from a node in a loop runs on every pass
// of that loop: its nodes are marked too, and so on down the calls.
static void s_mark_called_functions(ocode *list) {
  if (std::find(s_in_loop.begin(), s_in_loop.end(), 1) == s_in_loop.end())
    return;  // no loop: nothing runs on every pass of one
  std::map<const SymbolRecord *, std::pair<long, long>> span;  // function -> first, last index
  for (ocode *oc = list; oc; oc = oc->next)
    if (oc->type == OC_BFUNCT && oc->data.funct.sym)
      span[oc->data.funct.sym].first = oc->index;
    else if (oc->type == OC_EFUNCT && oc->data.funct.sym)
      span[oc->data.funct.sym].second = oc->index;
  std::vector<std::pair<long, long>> work;
  std::set<const SymbolRecord *> hot;
  auto scan = [&](long from, long to) {
    for (long k = from; k <= to && k < long(s_in_loop.size()) - 1; ++k) {
      const ocode *oc = s_node_at[size_t(k)];
      if (!s_in_loop[size_t(k)])
        continue;
      auto found = span.find(s_callee(oc));
      if (found != span.end() && found->second.second > found->second.first && hot.insert(found->first).second)
        work.push_back(found->second);
    }
  };
  scan(0, long(s_in_loop.size()));
  while (!work.empty()) {
    auto [first, last] = work.back();
    work.pop_back();
    std::fill(s_in_loop.begin() + first, s_in_loop.begin() + last + 1, 1);
    scan(first, last);
  }
}

// Marks, by node index, every node from the target of a backward branch to
// the branch, within one function, and every node of a function called from
// a marked node. Needs ocode_enumerate and s_pa_mark_flags (nodes by index).
static void s_pa_mark_loops(ocode *list, long node_count) {
  std::vector<long> delta(size_t(node_count) + 2, 0);
  long function_start = 0;
  for (ocode *oc = list; oc; oc = oc->next) {
    if (oc->type == OC_BFUNCT)
      function_start = oc->index;
    if (!(s_flags[size_t(oc->index)] & NF_JUMP))
      continue;
    const ocode *target = s_branch_target(oc);
    if (!target || target->index > oc->index || target->index < function_start)
      continue;
    ++delta[size_t(target->index)];
    --delta[size_t(oc->index) + 1];
  }
  s_in_loop.assign(size_t(node_count) + 1, 0);
  long depth = 0;
  for (size_t k = 0; k <= size_t(node_count); ++k) {
    depth += delta[k];
    s_in_loop[k] = depth > 0;
  }
  s_mark_called_functions(list);
}

// ---- the dictionary -------------------------------------------------------------------

static uint64_t s_item_key(long length, long first_index) { return (uint64_t(length) << 40) | uint64_t(first_index); }

static uint64_t s_item_node_key(size_t item_index, long index) { return (uint64_t(item_index) << 32) | uint64_t(index); }

// Whether the occurrence of the item from node index `first` overlaps a
// counted one: one that starts less than the length away, in the stretch
// of `first` or in the stretch before or after it.
static bool s_overlaps_counted(const pa_item &item, size_t item_index, long first) {
  if (item.count == 0 || long(s_same_key_near[size_t(first)]) >= item.length)
    return false;
  const long length = item.length;
  for (long stretch = std::max(first / length - 1, 0L); stretch <= first / length + 1; ++stretch) {
    const uint64_t *start = s_table_find(s_counted, s_item_node_key(item_index, stretch));
    if (start && long(*start) > first - length && long(*start) < first + length)
      return true;
  }
  return false;
}

static pa_occurrence s_occurrence(size_t x, long length);

// The first item that has the occurrence of `length` nodes at node index x,
// or -1. Most pairs of starts find both occurrences in one item already,
// and the same node is asked for the same length again and again: the last
// answer found for each node is kept (an entry of s_item_of never changes).
static inline long s_first_item(size_t x, long length) {
  const uint64_t last = s_last_item[x];
  if ((last >> 32) == uint64_t(length))
    return long(uint32_t(last));
  const uint64_t *found = s_table_find(s_item_of, s_item_key(length, long(x)));
  if (!found)
    return -1;
  s_last_item[x] = (uint64_t(length) << 32) | *found;
  return long(*found);
}

// Adds the occurrence at node index x to the item unless it has it already.
// first_item: s_first_item of the occurrence.
static void s_add_occurrence(pa_item &item, size_t item_index, size_t x, long first_item) {
  if (first_item < 0) {
    s_table_insert(s_item_of, s_item_key(item.length, long(x)), item_index);
    s_last_item[x] = (uint64_t(item.length) << 32) | item_index;
  } else if (size_t(first_item) == item_index ||
             !s_table_insert(s_spans, s_item_node_key(item_index, long(x)), 0)) {
    return;
  }
  pa_occurrence o = s_occurrence(x, item.length);
  o.overlap = s_overlaps_counted(item, item_index, long(x));
  if (s_counts(o)) {
    // Only an occurrence with a node of the same key nearer than its
    // length can be overlapped by a later one (see s_same_key_near).
    if (long(s_same_key_near[x]) < item.length) {
      bool added = s_table_insert(s_counted, s_item_node_key(item_index, long(x) / item.length), uint64_t(x));
      VELC_ASSERT(added);
    }
    ++item.count;
  }
  const uint32_t at = uint32_t(s_occurrences.size());
  s_occurrences.push_back(o);
  if (item.head == PA_NONE)
    item.head = at;
  else
    s_occurrences[item.tail].next = at;
  item.tail = at;
}

// The match of `length` nodes at node indices x and y (x first).
static void s_pa_add_match_to_dictionary(size_t x, size_t y, long length) {
  const long in_x = s_first_item(x, length), in_y = s_first_item(y, length);
  if (in_x >= 0) {  // the first occurrence is in that item already
    if (in_y != in_x)
      s_add_occurrence(s_dictionary[size_t(in_x)], size_t(in_x), y, in_y);
    return;
  }
  if (in_y >= 0) {  // the second one is
    s_add_occurrence(s_dictionary[size_t(in_y)], size_t(in_y), x, in_x);
    return;
  }
  s_dictionary.push_back(pa_item{length, 0, 0, PA_NONE, PA_NONE});
  size_t index = s_dictionary.size() - 1;
  s_add_occurrence(s_dictionary[index], index, x, -1);
  s_add_occurrence(s_dictionary[index], index, y, -1);
}

static pa_occurrence s_occurrence(size_t x, long length) {
  // A call adds a CALL and a RETURN to every pass of a loop; a branch into
  // a sequence that ends in a return runs once per call of the function.
  bool kept = s_in_loop[x] && !(s_flags[x + size_t(length) - 1] & NF_RETURN);
  return pa_occurrence{uint32_t(x), PA_NONE, false, kept};
}

// Whether a sequence of three nodes or more of the block from base to end
// (exclusive) may end at node index k: not between an instruction and its
// second word, not on a conditional branch or a skip (whose next
// instruction lies outside), and not on a return or branch that a skip
// inside the sequence may step over.
static bool s_may_end(size_t base, size_t end, size_t k) {
  if (k + 1 < end && (s_flags[k + 1] & NF_WORD2))
    return false;
  if (s_flags[k] & (NF_CONDITIONAL | NF_SKIP))
    return false;
  return !((s_flags[k] & NF_ENDS_FUNCTION) && k > base && (s_flags[k - 1] & NF_SKIP));
}

// The NF_ bits a node has of itself (all but NF_MAY_END and NF_CALLED).
static uint16_t s_node_flags(const ocode *oc) {
  const uint16_t code = (oc->key ? NF_MATCH : 0) | NF_CODE;
  if (ocode_is_branch_kind(oc->type))
    return code | NF_JUMP | (ocode_is_conditional_kind(oc->type) ? NF_CONDITIONAL : 0) |
           (oc->type == OC_BRANCH ? NF_ENDS_FUNCTION : 0);
  if (oc->type != OC_INST)
    return 0;
  switch (oc->data.inst.ins->opcode) {
  case WORD2:
    return code | NF_WORD2;
  case TSTFSZ: case CPFSLT: case CPFSGT: case CPFSEQ: case BTFSC: case BTFSS:
  case DCFSNZ: case DECFSZ: case INFSNZ: case INCFSZ:
    return code | NF_SKIP;
  case CALL: case RCALL: case CALLW:
    return code | NF_CALL;
  case RETFIE: case RETLW: case RETURN: case ADDULNK: case SUBULNK:
    return code | NF_ENDS_FUNCTION | NF_RETURN;
  case GOTO: case BRA:
    return code | NF_ENDS_FUNCTION | NF_JUMP;
  case BC: case BNC: case BN: case BNN: case BOV: case BNOV: case BZ: case BNZ:
    return code | NF_JUMP;
  default:
    return code;
  }
}

// The node tests the pair comparisons ask again and again, once per node.
// Keys by node index too, and where each block starts.
//
// The per-node arrays keep their size from run to run and every entry is
// written here before it is read (the blocks cover every node), so a run
// fills only what it has beyond the last one; the entry one past the
// nodes is cleared.
static void s_pa_mark_flags(ocode *list, long node_count) {
  const size_t n = size_t(node_count);
  s_flags.resize(n + 1);
  s_keys.resize(n + 1);
  s_node_at.resize(n + 1);
  s_flags[n] = 0;
  s_keys[n] = 0;
  s_node_at[n] = nullptr;
  // A start must not be a second word, nor the instruction a skip may step
  // over: the one after the last instruction, branch or function end
  // before it that is not a second word.
  bool after_skip = false;
  for (ocode *oc = list; oc; oc = oc->next) {
    uint16_t flags = s_node_flags(oc);
    if ((flags & NF_CODE) && !(flags & NF_WORD2)) {
      flags |= after_skip ? 0 : NF_START;
      after_skip = (flags & NF_SKIP) != 0;
    } else if (oc->type == OC_EFUNCT) {
      after_skip = false;
    }
    s_flags[size_t(oc->index)] = flags;
    s_keys[size_t(oc->index)] = oc->key;
    s_node_at[size_t(oc->index)] = oc;
  }
  s_match_run.resize(n + 1);
  s_next_call.resize(n + 1);
  s_block_of.resize(n + 1);
  s_block_end.resize(n + 1);
  s_match_run[n] = 0;
  s_next_call[n] = 0;
  s_block_of[n] = 0;
  s_block_end[n] = 0;
  s_last_item.assign(n + 1, 0);
  // One pass per block from its end (s_may_end reads only bits of the
  // neighbours that this pass does not change).
  // s_later_with_key[key]: the last node with the key seen so far, so the
  // next one with it when it lies in the block (an entry left from an
  // earlier run can only make a distance look shorter).
  s_same_key_near.resize(n + 1);
  s_later_with_key.resize(size_t(s_key) + 1);
  for (pa_block &pb : s_block_list) {
    pb.base = pb.block->first->index;
    const size_t base = size_t(pb.base), end = base + pb.size;
    const uint16_t called = pb.called ? NF_CALLED : 0;
    int run = 0;
    long call = long(end);
    for (size_t k = end; k-- > base;) {
      uint32_t &later = s_later_with_key[size_t(s_keys[k])];
      s_same_key_near[k] = 255;
      if (later > k && later < end) {
        const uint8_t near = uint8_t(std::min(later - k, size_t(255)));
        s_same_key_near[k] = near;
        s_same_key_near[later] = std::min(s_same_key_near[later], near);
      }
      later = uint32_t(k);
      const uint16_t flags = s_flags[k];
      run = (flags & NF_MATCH) ? run + 1 : 0;
      call = (flags & NF_CALL) ? long(k) : call;
      s_match_run[k] = run;
      s_next_call[k] = call;
      s_block_of[k] = pb.block->number;
      s_block_end[k] = uint32_t(end);
      s_flags[k] = flags | called | (s_may_end(base, end, k) ? NF_MAY_END : 0);
    }
  }
}

// A sequence that will be called must make no call itself (each level of a
// recursion through it would take two return-stack entries instead of one),
// nor stand in a called procedure. One that is jumped to runs at its
// occurrence's depth and may call, unless it stands in a called procedure.
// The length up to the first call of the sequence from node index x, len, or 0.
static size_t s_call_free_length(size_t x, size_t len, bool called) {
  if (len < 3)
    return len;
  bool jumped_to = (s_flags[x + len - 1] & NF_ENDS_FUNCTION) != 0;
  if (jumped_to && !called)
    return len;
  if (!jumped_to && called)
    return 0;
  return std::min(len, size_t(s_next_call[x]) - x);
}

// The longest common sequence from node index x and from node index y > x
// that neither runs into the other's first node, shortened to a permitted
// end (below 3: none). common: the number of equal keys from the two
// starts within their blocks. The NF_MATCH run from x ends with its block,
// so a y in a later block lies beyond it and y - x limits only in one block.
static inline size_t s_match_length(size_t x, size_t y, size_t common) {
  size_t len = std::min({common, size_t(s_match_run[x]), y - x});
  const uint16_t *flags = s_flags.data();
  const bool called = ((flags[x] | flags[y]) & NF_CALLED) != 0;
  while (len >= 3) {
    while (len >= 3 && !(flags[x + len - 1] & flags[y + len - 1] & NF_MAY_END))
      --len;
    size_t calls = s_call_free_length(x, len, called);
    if (calls == len)
      break;
    len = calls;
  }
  return len;
}

// The match of the starts at node indices x and y (in either order) with
// `common` equal keys, when it has 3 nodes or more. Most pairs find both
// occurrences in one item already, which the last item found for each node
// tells without a lookup.
static inline void s_pa_find_match(size_t x, size_t y, size_t common) {
  if (y < x)
    std::swap(x, y);
  const size_t len = s_match_length(x, y, common);
  if (len < 3)
    return;
  const uint64_t last = s_last_item[x];
  if ((last >> 32) == uint64_t(len) && s_last_item[y] == last)
    return;
  s_pa_add_match_to_dictionary(x, y, long(len));
}

// Starts compared with each start of the same three keys: all of them in
// a small group; in a large one, sorted by the keys that follow, the ones
// next in that order (those with the longest common sequences).
constexpr size_t PAIR_NEIGHBOURS = 16;

// Ranks of the keys from each node to the end of its block, for the blocks
// with starts in a group that is sorted, made by doubling: the rank of the
// first 2^k keys from a node comes from the ranks of the first 2^(k-1)
// keys from it and from the node 2^(k-1) further on (0 past the block's
// end, so a sequence that ends comes before every longer one). Each
// doubling orders the nodes by two ranks with two counting passes, and it
// stops when the ranks cover the longest block or tell no more nodes
// apart than the level before (then equal ranks mean equal keys to the
// block's end). s_suffix_rank holds the last level: the order in which the
// keys from each start run.
static std::vector<int> s_suffix_rank;
// Every level, s_rank[k][i] for the first 2^k keys from node index i, kept
// when a block is so long that comparing the keys two neighbours share one
// by one would grow with the square of its length (a long run of repeated
// statements).
static std::vector<std::vector<int>> s_rank;

// Blocks longer than this keep every level; shorter ones compare key by key.
constexpr size_t RANKED_BLOCK_LENGTH = 512;
// Keys compared per node of the blocks, at most, when large groups are
// sorted by comparing keys (the ranks cost about as much as 100 keys per
// node of blocks a few dozen nodes long).
constexpr size_t SORT_WORK_PER_NODE = 64;

// `in` ordered by rank (1 .. classes), equal ranks in the order of `in`.
static void s_order_by_rank(const std::vector<uint32_t> &in, const std::vector<int> &rank, int classes,
                            std::vector<uint32_t> *out, std::vector<uint32_t> *count) {
  count->assign(size_t(classes) + 2, 0);
  for (uint32_t i : in)
    ++(*count)[size_t(rank[i]) + 1];
  for (size_t c = 1; c < count->size(); ++c)
    (*count)[c] += (*count)[c - 1];
  out->resize(in.size());
  for (uint32_t i : in)
    (*out)[(*count)[size_t(rank[i])]++] = i;
}

static void s_pa_rank_suffixes(long node_count, const std::vector<char> &sorted) {
  s_rank.clear();
  const size_t n = size_t(node_count);
  std::vector<uint32_t> nodes, first(n, 0), end(n, 0);
  size_t longest = 0;
  long largest_key = 0;
  for (size_t b = 0; b < sorted.size(); ++b) {
    if (!sorted[b])
      continue;
    const pa_block &pb = s_block_list[b];
    longest = std::max(longest, pb.size);
    for (size_t i = size_t(pb.base); i < size_t(pb.base) + pb.size; ++i) {
      nodes.push_back(uint32_t(i));
      first[i] = uint32_t(pb.base);
      end[i] = uint32_t(size_t(pb.base) + pb.size);
      largest_key = std::max(largest_key, s_keys[i]);
    }
  }
  const bool keep_levels = longest > RANKED_BLOCK_LENGTH;
  std::vector<uint32_t> count(size_t(largest_key) + 1, 0), order, by_second;
  for (uint32_t i : nodes)
    count[size_t(s_keys[i])] = 1;
  int classes = 0;
  for (uint32_t &c : count)
    c = c ? uint32_t(++classes) : 0;
  std::vector<int> rank(n, 0), next(n, 0), second(n, 0);
  for (uint32_t i : nodes)
    rank[i] = int(count[size_t(s_keys[i])]);
  s_order_by_rank(nodes, rank, classes, &order, &count);
  for (size_t span = 1; span < longest && size_t(classes) < nodes.size(); span *= 2) {
    if (keep_levels)
      s_rank.push_back(rank);
    // By the rank `span` nodes on: those past the block's end first.
    by_second.clear();
    for (size_t b = 0; b < sorted.size(); ++b)
      if (sorted[b]) {
        const pa_block &pb = s_block_list[b];
        const size_t end_b = size_t(pb.base) + pb.size;
        for (size_t i = end_b - std::min(span, pb.size); i < end_b; ++i) {
          by_second.push_back(uint32_t(i));
          second[i] = 0;
        }
      }
    for (uint32_t j : order)
      if (j >= first[j] + span) {
        by_second.push_back(uint32_t(j - span));
        second[j - span] = rank[j];
      }
    s_order_by_rank(by_second, rank, classes, &order, &count);
    int fresh = 0;
    for (size_t k = 0; k < order.size(); ++k) {
      const uint32_t i = order[k];
      if (k == 0 || rank[order[k - 1]] != rank[i] || second[order[k - 1]] != second[i])
        ++fresh;
      next[i] = fresh;
    }
    std::swap(rank, next);
    if (fresh == classes)
      break;
    classes = fresh;
  }
  if (keep_levels)
    s_rank.push_back(rank);
  s_suffix_rank = std::move(rank);
}

// The number of equal keys from start x and from start y of one group
// (node indices).
static long s_common_keys(size_t x, size_t y) {
  const size_t limit = std::min(s_block_end[x] - x, s_block_end[y] - y);
  if (!s_rank.empty()) {
    if (s_rank.back()[x] == s_rank.back()[y])  // equal to the end
      return long(limit);
    size_t n = 0;
    for (size_t k = s_rank.size() - 1; k-- > 0 && n < limit;)
      if (s_rank[k][x + n] == s_rank[k][y + n])
        n += size_t(1) << k;
    return long(std::min(n, limit));
  }
  const long *kx = &s_keys[x], *ky = &s_keys[y];
  size_t n = 3;
  while (n < limit && kx[n] == ky[n])
    ++n;
  return long(n);
}

// The number of equal keys from start x and from start y of a small
// group, within their blocks.
static size_t s_equal_keys(size_t x, size_t y) {
  const size_t limit = std::min(s_block_end[x] - x, s_block_end[y] - y);
  const long *kx = &s_keys[x], *ky = &s_keys[y];
  size_t n = 0;
  while (n < limit && kx[n] == ky[n])
    ++n;
  return n;
}

// Whether the keys from start x come before those from start y of one
// group, the first `agree` of them known equal: the first key that differs
// decides, a sequence that reaches its block's end comes before a longer
// one, and equal ones keep list order; the order the ranks give. *common:
// the number of equal keys from the two starts. keys and block_end: the
// data of s_keys and s_block_end.
static inline bool s_keys_before(const long *keys, const uint32_t *block_end, uint32_t x, uint32_t y, size_t agree,
                                 size_t *common) {
  const size_t lx = block_end[x] - x, ly = block_end[y] - y, n = std::min(lx, ly);
  const long *kx = keys + x, *ky = keys + y;
  size_t k = agree;
  while (k < n && kx[k] == ky[k])
    ++k;
  *common = k;
  if (k < n)
    return kx[k] < ky[k];
  return lx != ly ? lx < ly : x < y;
}

// Sorts v[0 .. n) by s_keys_before, merging runs of doubling width, and
// leaves in lcp[k] the keys v[k] shares with v[k - 1]; false, with v in no
// particular order, once *work (the keys compared) exceeds the budget.
// A merge knows how many keys each run's next start shares with the last
// one out (ha, hb; lcp[i] is what v[i] shares with the one before it in
// its run): when those differ, the one sharing more comes first without a
// comparison; otherwise the comparison starts after them.
static bool s_sort_starts(uint32_t *v, uint32_t *lcp, size_t n, std::vector<uint32_t> *buffer, size_t *work,
                          size_t budget) {
  const long *keys = s_keys.data();
  const uint32_t *block_end = s_block_end.data();
  buffer->resize(2 * n);
  uint32_t *from = v, *from_lcp = lcp, *to = buffer->data(), *to_lcp = to + n;
  size_t compared = *work;
  for (size_t width = 1; width < n; width *= 2) {
    for (size_t lo = 0; lo < n; lo += 2 * width) {
      const size_t mid = std::min(lo + width, n), hi = std::min(lo + 2 * width, n);
      size_t i = lo, j = mid, o = lo;
      size_t ha = 3, hb = 3;  // every start of a group shares its first three keys
      while (i < mid && j < hi) {
        bool from_first = ha > hb;
        if (ha == hb) {
          size_t common = 0;
          from_first = !s_keys_before(keys, block_end, from[j], from[i], ha, &common);
          compared += common - ha + 1;
          (from_first ? hb : ha) = common;
        }
        if (from_first) {
          to[o] = from[i];
          to_lcp[o++] = uint32_t(ha);
          ha = ++i < mid ? from_lcp[i] : 0;
        } else {
          to[o] = from[j];
          to_lcp[o++] = uint32_t(hb);
          hb = ++j < hi ? from_lcp[j] : 0;
        }
      }
      for (; i < mid; ha = ++i < mid ? from_lcp[i] : 0) {
        to[o] = from[i];
        to_lcp[o++] = uint32_t(ha);
      }
      for (; j < hi; hb = ++j < hi ? from_lcp[j] : 0) {
        to[o] = from[j];
        to_lcp[o++] = uint32_t(hb);
      }
    }
    std::swap(from, to);
    std::swap(from_lcp, to_lcp);
    if (compared > budget)
      break;
  }
  *work = compared;
  if (compared > budget)
    return false;
  if (from != v) {
    std::copy(from, from + n, v);
    std::copy(from_lcp, from_lcp + n, lcp);
  }
  return true;
}

// The starts of every large group (in list order in `grouped`) in the
// order of the keys that follow them, comparing keys directly: on short
// blocks that costs less than the ranks. False when a block is too long
// for that or the comparisons would cost more than the ranks (a few dozen
// keys per node of the blocks): the ranks must then decide.
// lcp[k]: the keys grouped[k] shares with grouped[k - 1] of its group.
static bool s_pa_sort_groups_by_keys(std::vector<uint32_t> *grouped, std::vector<uint32_t> *lcp,
                                     const std::vector<size_t> &begin, const std::vector<char> &sorted) {
  size_t nodes = 0;
  for (size_t b = 0; b < sorted.size(); ++b)
    if (sorted[b]) {
      if (s_block_list[b].size > RANKED_BLOCK_LENGTH)
        return false;
      nodes += s_block_list[b].size;
    }
  const size_t budget = SORT_WORK_PER_NODE * nodes;
  size_t work = 0;
  std::vector<uint32_t> buffer;
  lcp->assign(grouped->size(), 0);
  for (size_t g = 0; g + 1 < begin.size(); ++g) {
    const size_t size = begin[g + 1] - begin[g];
    if (size > PAIR_NEIGHBOURS + 1 &&
        !s_sort_starts(&(*grouped)[begin[g]], &(*lcp)[begin[g]], size, &buffer, &work, budget))
      return false;
  }
  return true;
}

// Groups of the starts (node indices) with the same three keys, in the
// order their first start comes: group[s] for starts[s] (list order).
static int s_pa_group_starts(std::vector<uint32_t> *starts, std::vector<int> *group) {
  pa_table pairs, triples;  // keys of two nodes -> pair number; (pair, key) -> group
  s_table_clear(pairs, 1024);
  s_table_clear(triples, 1024);
  int groups = 0;
  VELC_ASSERT(s_key < (long(1) << 32));  // two keys fit in a table key
  for (const pa_block &pb : s_block_list) {
    if (pb.excluded || pb.size <= 2)
      continue;
    const long *key = &s_keys[size_t(pb.base)];
    for (size_t i = 0; i + 3 < pb.size; ++i) {
      if (!(s_flags[size_t(pb.base) + i] & NF_START))
        continue;
      bool added = false;
      const uint64_t pair = (uint64_t(key[i]) << 32) | uint64_t(key[i + 1]);
      const uint64_t pair_number = s_table_find_or_insert(pairs, pair, pairs.count, &added);
      const uint64_t triple = (pair_number << 32) | uint64_t(key[i + 2]);
      const uint64_t g = s_table_find_or_insert(triples, triple, uint64_t(groups), &added);
      groups += added ? 1 : 0;
      starts->push_back(uint32_t(size_t(pb.base) + i));
      group->push_back(int(g));
    }
  }
  return groups;
}

// Only pairs of starts whose first three keys agree can give a match of
// three nodes or more.
static void s_pa_create_dictionary(long node_count) {
  std::vector<uint32_t> starts, grouped;
  std::vector<int> group;
  const int groups = s_pa_group_starts(&starts, &group);
  std::vector<size_t> begin(size_t(groups) + 1, 0);  // group g: grouped[begin[g] .. begin[g + 1])
  for (int g : group)
    ++begin[size_t(g) + 1];
  std::vector<char> sorted(s_block_list.size(), 0);
  bool any_sorted = false;
  for (size_t s = 0; s < starts.size(); ++s)
    if (begin[size_t(group[s]) + 1] > PAIR_NEIGHBOURS + 1)
      sorted[size_t(s_block_of[starts[s]])] = 1, any_sorted = true;
  for (size_t g = 0; g < size_t(groups); ++g)
    begin[g + 1] += begin[g];
  // Starts of a small group in list order; of a large one in the order of
  // the keys that follow them, equal ones in list order.
  std::vector<size_t> fill(begin.begin(), begin.end() - 1);
  grouped.resize(starts.size());
  std::vector<uint32_t> in_rank_order;
  for (size_t s = 0; s < starts.size(); ++s)
    if (begin[size_t(group[s]) + 1] - begin[size_t(group[s])] > PAIR_NEIGHBOURS + 1)
      in_rank_order.push_back(uint32_t(s));
    else
      grouped[fill[size_t(group[s])]++] = starts[s];
  if (any_sorted) {
    for (uint32_t s : in_rank_order)
      grouped[fill[size_t(group[s])]++] = starts[s];
  }
  std::vector<uint32_t> lcp;  // when sorted by keys: the keys each start shares with the one before
  if (any_sorted && !s_pa_sort_groups_by_keys(&grouped, &lcp, begin, sorted)) {
    lcp.clear();
    for (uint32_t s : in_rank_order)
      fill[size_t(group[s])] = begin[size_t(group[s])];
    s_pa_rank_suffixes(node_count, sorted);
    std::vector<int> rank(starts.size(), 0);
    int classes = 0;
    for (uint32_t s : in_rank_order) {
      rank[s] = s_suffix_rank[starts[s]];
      classes = std::max(classes, rank[s]);
    }
    std::vector<uint32_t> order, count;
    s_order_by_rank(in_rank_order, rank, classes, &order, &count);
    for (uint32_t s : order)
      grouped[fill[size_t(group[s])]++] = starts[s];
  }
  std::vector<long> adjacent;
  for (size_t g = 0; g < size_t(groups); ++g) {
    const uint32_t *bucket = &grouped[begin[g]];
    const size_t size = begin[g + 1] - begin[g];
    // A small group compares every pair (each start has at most 16 after
    // it) key by key. In key order the keys two starts share are the
    // fewest that the neighbours between them share.
    const bool small = size <= PAIR_NEIGHBOURS + 1;
    if (!small) {
      adjacent.assign(size, 0);
      for (size_t p = 0; p + 1 < size; ++p)
        adjacent[p] = lcp.empty() ? s_common_keys(bucket[p], bucket[p + 1]) : long(lcp[begin[g] + p + 1]);
    }
    for (size_t p = 0; p < size; ++p) {
      size_t common = small ? 0 : size_t(adjacent[p]);
      for (size_t q = p + 1; q < size && q <= p + PAIR_NEIGHBOURS; ++q) {
        common = small ? s_equal_keys(bucket[p], bucket[q]) : std::min(common, size_t(adjacent[q - 1]));
        s_pa_find_match(bucket[p], bucket[q], common);
      }
    }
  }
}

// (n - 1) x L - 2 x n - 1 words: each occurrence becomes a two-word call,
// the procedure adds a RETURN.
static long s_saving(const pa_item &item) { return (item.count - 1) * item.length - 2 * item.count - 1; }

static void s_pa_sort_dictionary_by_instructions_saved() {
  for (pa_item &item : s_dictionary)
    item.saving = s_saving(item);
  std::stable_sort(s_dictionary.begin(), s_dictionary.end(), [](const pa_item &x, const pa_item &y) {
    return x.saving != y.saving ? x.saving > y.saving : x.length > y.length;
  });
}

static void s_pa_remove_unprofitable_items_from_dictionary() {
  auto cut = std::find_if(s_dictionary.begin(), s_dictionary.end(), [](const pa_item &i) { return i.saving < 1; });
  s_dictionary.erase(cut, s_dictionary.end());
}

// ---- abstraction ----------------------------------------------------------------------

static void s_print_node(const ocode *oc) {
  if (oc->type != OC_PUSH_TEMPS && oc->type != OC_POP_TEMPS)
    printOcode(oc, 1);
}

// starts: the node indices of the item's counted occurrences, in item order.
static void s_pa_print_match(const pa_item &item, const std::vector<uint32_t> &starts) {
  printf("%ld Matching instructions (Blocks", item.length);
  for (uint32_t x : starts)
    printf(" #%d", s_block_of[x]);
  printf(")\n");
  int n = 0;
  for (uint32_t x : starts) {
    printf("********** MATCH %d\n", ++n);
    for (long k = 0; k < item.length; ++k) {
      const ocode *oc = s_node_at[x + size_t(k)];
      printf("%5ld: ", oc->key);
      s_print_node(oc);
    }
  }
  printf("\n");
}

static void s_link_after(ocode *&last_node, ocode *oc) {
  oc->prev = last_node;
  last_node->next = oc;
  last_node = oc;
}

static basic_block *s_procedure_block(ocode *first, ocode *last) {
  basic_block *b = s_new_block(first);
  b->last = last;
  s_block_list.back().excluded = true;
  if (dump_procedural_abstraction) {
    printf("BLOCK %d\n", b->number);
    const std::string rule(56, '=');
    printf("%s\n", rule.c_str());
    for (ocode *oc = first;; oc = oc->next) {
      s_print_node(oc);
      if (oc == last)
        break;
    }
    printf("%s\n", rule.c_str());
  }
  return b;
}

static SymbolRecord *s_procedure_symbol(const ocode *at) {
  char name[32];
  snprintf(name, sizeof name, "__pa_%lu", s_procedure_number++);
  SymbolRecord *p = sym_create_symbol(name, type_copy(default_function_type), LINKAGE_INTERNAL, STATIC);
  p->decl_flags |= DECL_DEFINED;
  p->section_located = 1;
  p->located_section = strdup(s_current_section_symbol->name);
  if (!p->located_section)
    fatal_out_of_memory();
  sym_begin_function(p, at->line, at->file);
  sym_end_function(p, at->line, at->file);
  return p;
}

static ocode *s_copy_node(const ocode *oc) {
  ocode *copy = ocodeCreate(oc->type, oc->line, oc->file);
  copy->data = oc->data;
  if (oc->type == OC_INST)
    copy->data.inst.ins = inst_copy(oc->data.inst.ins);
  copy->key = oc->key;
  copy->rule = oc->rule;
  return copy;
}

// The new function behind the section's last node; returns its body block.
// A copy of the nodes from `first` to `last`.
static basic_block *s_pa_create_procedure(ocode *&last_node, const ocode *first, const ocode *last,
                                          SymbolRecord *&procedure, bool ends_function) {
  procedure = s_procedure_symbol(first);
  if (!ends_function)
    s_called_procedures.insert(procedure);
  ocode *bf = ocodeBFunct(procedure, first->line, first->file);
  bf->key = ++s_key;
  s_link_after(last_node, bf);
  ocode *body_first = nullptr;
  for (const ocode *oc = first;; oc = oc->next) {
    s_link_after(last_node, s_copy_node(oc));
    if (!body_first)
      body_first = last_node;
    if (oc == last)
      break;
  }
  if (!ends_function) {
    s_link_after(last_node, ocodeInst(iqx_RETURN(0), last->line, last->file));
    s_pa_assign_key(last_node);
  }
  ocode *body_last = last_node;
  ocode *ef = ocodeEFunct(procedure, last->line, last->file);
  ef->key = ++s_key;
  s_link_after(last_node, ef);
  s_procedure_block(bf, bf);
  basic_block *body = s_procedure_block(body_first, body_last);
  s_procedure_block(ef, ef);
  return body;
}

static void s_make_inst(ocode *oc, inst *ins, long key) {
  if (oc->type == OC_INST)
    inst_free(oc->data.inst.ins);
  oc->type = OC_INST;
  memset(&oc->data, 0, sizeof oc->data);
  oc->data.inst.ins = ins;
  oc->key = key;
}

// Removes the n nodes after keep; keep ends the block when they did.
static void s_remove_after(ocode *keep, long n, basic_block *block) {
  for (long k = 0; k < n; ++k) {
    ocode *gone = keep->next;
    VELC_ASSERT(gone != nullptr);
    if (block->last == gone)
      block->last = keep;
    remove_instruction(gone);
  }
}

static void s_pa_replace_instructions(const pa_item &item, const std::vector<uint32_t> &starts,
                                      SymbolRecord *procedure, basic_block *body, bool ends_function) {
  long call_key = ++s_key, word2_key = ++s_key;
  for (uint32_t x : starts) {
    VELC_ASSERT(s_node_at[x] && item.length >= 3);
    basic_block *block = s_block_list[size_t(s_block_of[x])].block;
    ocode *first = s_node_at[x];
    if (!ends_function) {
      s_make_inst(first, iqx_CALL(procedure, 0, 0), call_key);
      ocode *second = first->next;
      VELC_ASSERT(second && second->type == OC_INST);
      s_make_inst(second, iqx_CALL2(procedure, 0), word2_key);
      s_remove_after(second, item.length - 2, block);
      continue;
    }
    if (first->type == OC_INST)
      inst_free(first->data.inst.ins);
    memset(&first->data, 0, sizeof first->data);
    first->type = OC_BRANCH;
    first->data.branch.type = BLOCK_BRANCH;
    first->data.branch.target.block = body;
    first->key = ++s_key;
    s_remove_after(first, item.length - 1, block);
  }
}

static bool s_claimed(const std::vector<char> &claimed, uint32_t x, long length) {
  for (size_t k = x; k < x + size_t(length); ++k)
    if (claimed[k])
      return true;
  return false;
}

// Items in order of saving; an item with a counted occurrence that overlaps
// a counted occurrence of an item already abstracted is dropped.
static bool s_pa_perform_abstraction(ocode *last_node, long node_count) {
  std::vector<char> claimed(size_t(node_count) + 1, 0);
  std::vector<uint32_t> starts;
  bool changed = false;
  for (const pa_item &item : s_dictionary) {
    starts.clear();
    bool overlaps = false;
    for (uint32_t k = item.head; k != PA_NONE; k = s_occurrences[k].next)
      if (s_counts(s_occurrences[k])) {
        starts.push_back(s_occurrences[k].first_index);
        overlaps = overlaps || s_claimed(claimed, starts.back(), item.length);
      }
    VELC_ASSERT(!starts.empty());
    if (overlaps)
      continue;
    if (dump_procedural_abstraction)
      s_pa_print_match(item, starts);
    const ocode *first = s_node_at[starts[0]], *last = s_node_at[starts[0] + size_t(item.length) - 1];
    bool ends_function = s_ends_function_way(last);
    SymbolRecord *procedure = nullptr;
    basic_block *body = s_pa_create_procedure(last_node, first, last, procedure, ends_function);
    for (uint32_t x : starts)
      std::fill(claimed.begin() + x, claimed.begin() + x + item.length, 1);
    s_pa_replace_instructions(item, starts, procedure, body, ends_function);
    changed = true;
  }
  return changed;
}

// ---- one run ---------------------------------------------------------------------------

static void s_print_list(const char *title, const ocode *list) {
  printf("%s", title);
  for (const ocode *oc = list; oc; oc = oc->next)
    s_print_node(oc);
}

bool perform_procedural_abstraction(SectionRecord *section, ocode *list) {
  if (!list)
    return false;
  s_current_section_symbol = section;
  ocode *last_node = list;
  while (last_node->next)
    last_node = last_node->next;
  if (dump_procedural_abstraction)
    s_print_list("\n\nBEFORE PROCEDURAL ABSTRACTION\n", list);
  const long node_count = s_pa_calculate_basic_blocks(list);
  if (!list->key)
    s_pa_assign_keys(list);
  s_pa_mark_flags(list, node_count);
  s_pa_mark_loops(list, node_count);
  s_table_clear(s_item_of, 2 * size_t(node_count));
  s_table_clear(s_spans, 0);
  s_table_clear(s_counted, size_t(node_count) / 4);  // only occurrences near a node of their first key
  s_pa_create_dictionary(node_count);
  s_rank.clear();
  s_suffix_rank.clear();
  s_pa_sort_dictionary_by_instructions_saved();
  s_pa_remove_unprofitable_items_from_dictionary();
  bool changed = s_pa_perform_abstraction(last_node, node_count);
  if (dump_procedural_abstraction)
    s_print_list("\n\nAFTER PROCEDURAL ABSTRACTION\n", list);
  s_pa_convert_block_branches(list);
  s_dictionary.clear();
  s_occurrences.clear();
  s_item_of = s_spans = s_counted = pa_table{};
  s_in_loop.clear();
  s_last_item.clear();
  return changed;
}

void opt_procedural_abstraction(SectionRecord *section, ocode *list) {
  if (!do_procedural_abstraction)
    return;
  for (int run = 0; run < procedural_abstraction_count; ++run)
    if (!perform_procedural_abstraction(section, list))
      break;
}

// Each table back to its state at program start: assigning an empty
// container frees the storage kept between runs.
template <class T> static void s_free_storage(T &container) { container = T(); }

void opt_pa_release() {
  opt_pa_reset();
  s_free_storage(s_called_procedures);
  s_free_storage(s_block_list);
  s_free_storage(s_dictionary);
  s_free_storage(s_occurrences);
  s_free_storage(s_item_of);
  s_free_storage(s_spans);
  s_free_storage(s_counted);
  s_free_storage(s_keys);
  s_free_storage(s_in_loop);
  s_free_storage(s_flags);
  s_free_storage(s_block_of);
  s_free_storage(s_block_end);
  s_free_storage(s_node_at);
  s_free_storage(s_last_item);
  s_free_storage(s_match_run);
  s_free_storage(s_next_call);
  s_free_storage(s_same_key_near);
  s_free_storage(s_later_with_key);
  s_free_storage(s_nodes);
  s_free_storage(s_block_store);
  s_free_storage(s_suffix_rank);
  s_free_storage(s_rank);
}
