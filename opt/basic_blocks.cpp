// Basic blocks. In: one function's output code (OC_BFUNCT ... OC_EFUNCT)
// whose branches target labels. Out: the blocks in code order with their
// successor and predecessor lists, every branch to a label of the function
// turned into a branch to its block, the labels nothing else names removed;
// and back: block targets as labels again. Also the changes in place of a
// pass that keeps the blocks up to date (split, join, new successor, new
// numbers and edges) and the shared node helpers.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <algorithm>
#include <vector>

#include "driver/diag.h"
#include "device/inst_effects.h"
#include "gen/gen.h"
#include "opt/blocks.h"

// ---- node helpers -------------------------------------------------------------

// ocode_is_branch_kind, here without a call: the build asks it of every node.
static inline bool s_is_branch(int32_t type) { return type >= OC_BRANCH && type <= OC_BTFBC; }

static bool s_is_real(const ocode *oc) {
  return oc->type == OC_INST || s_is_branch(oc->type) || oc->type == OC_EFUNCT;
}

ocode *opt_real_instruction(ocode *oc) {
  while (oc && !(s_is_real(oc) && !opt_is_op(oc, WORD2)))
    oc = oc->next;
  return oc;
}

ocode *opt_prev_real(ocode *oc) {
  for (oc = oc ? oc->prev : nullptr; oc; oc = oc->prev)
    if (s_is_real(oc) && !opt_is_op(oc, WORD2))
      return oc;
  return nullptr;
}

bool opt_is_op(const ocode *oc, int opcode) {
  return oc && oc->type == OC_INST && oc->data.inst.ins->opcode == opcode;
}

bool opt_after_skip(ocode *oc) {
  ocode *prev = opt_prev_real(oc);
  return prev && is_skip_conditional(prev);
}

void remove_instruction(ocode *oc) {
  VELC_ASSERT(!oc->immutable);
  ocodeFree(ocode_unlink(oc));
}

void remove_instruction_from_block(basic_block *block, ocode *oc) {
  VELC_ASSERT(!block->immutable);
  if (block->first == oc && block->last == oc) {
    // keep a placeholder so that the block stays anchored in the list
    ocode *nop = ocodeNop(oc->line, oc->file);
    oc->prev->next = nop;
    nop->prev = oc->prev;
    nop->next = oc;
    oc->prev = nop;
    block->first = block->last = nop;
  } else if (block->first == oc) {
    block->first = oc->next;
  } else if (block->last == oc) {
    block->last = oc->prev;
  }
  remove_instruction(oc);
}

bool opt_is_near(const SymbolRecord *sym) { return sym && sym->type == VARIABLE && inst_access_bit(sym) == 0; }

static uint32_t s_branch_reads(int32_t kind) {
  switch (kind) {
  case OC_BZ: case OC_BNZ: return EFF_Z;
  case OC_BN: case OC_BNN: return EFF_N;
  case OC_BC: case OC_BNC: return EFF_C;
  case OC_BOV: case OC_BNOV: return EFF_OV;
  default: return 0;
  }
}

bool opt_zn_dead_after(ocode *oc, const basic_block *b) {
  uint32_t pending = EFF_Z | EFF_N;
  for (ocode *p = oc; p != b->last && p->next; ) {
    p = p->next;
    uint32_t reads = 0, writes = 0;
    if (ocode_is_branch_kind(p->type)) {
      reads = s_branch_reads(p->type);
    } else if (p->type == OC_INST && !opt_is_op(p, WORD2)) {
      const inst *ins = p->data.inst.ins;
      inst_effects e = inst_effects_of(ins->opcode, 1, 0, 0);
      reads = e.reads;
      // a conditional write (after a skip) leaves the old flags in place
      writes = opt_after_skip(p) ? 0 : e.writes;
      for (const inst_operand &op : ins->operand)
        if (op.type == SYMBOL_OP && op.data.symbol.sym == STATUSsym)
          reads |= EFF_STATUS;
    }
    if (reads & pending)
      return false;
    pending &= ~writes;
    if (!pending)
      return true;
  }
  return false;  // live beyond the block, as far as is known here
}

ocode *opt_block_branch(const basic_block *b) {
  for (ocode *oc = b->last; oc; oc = oc->prev) {
    if (s_is_real(oc) && !opt_is_op(oc, WORD2))
      return ocode_is_branch_kind(oc->type) ? oc : nullptr;
    if (oc == b->first)
      break;
  }
  return nullptr;
}

static ocode *s_last_real(const basic_block *b) {
  for (ocode *oc = b->last; oc; oc = oc->prev) {
    if (s_is_real(oc) && !opt_is_op(oc, WORD2))
      return oc;
    if (oc == b->first)
      break;
  }
  return nullptr;
}

// Whether a block whose last real node is last ends unconditionally.
static bool s_ends_unconditionally(ocode *last) {
  if (!last || !(is_unconditional_branch(last) || is_return(last)))
    return false;
  return !opt_after_skip(last);
}

bool opt_ends_unconditionally(const basic_block *b) { return s_ends_unconditionally(s_last_real(b)); }

int opt_edge_count(const block_edge *e) {
  int n = 0;
  for (; e; e = e->next)
    ++n;
  return n;
}

int opt_edge_count_upto(const block_edge *e, int limit) {
  int n = 0;
  for (; e && n < limit; e = e->next)
    ++n;
  return n;
}

// ---- building -------------------------------------------------------------------

static ocode *s_target_node(const ocode *oc) {
  if (oc->data.branch.type == LABEL_BRANCH)
    return oc->data.branch.target.label;
  if (oc->data.branch.type == SYMBOL_BRANCH) {
    SymbolRecord *sym = oc->data.branch.target.symbol;
    return sym && sym->type == LABEL ? sym->label_node : nullptr;
  }
  return nullptr;
}

// Edges freed with their blocks wait here for the next build: the blocks
// are rebuilt after every change, and an allocation per edge cost more
// than the rest of the build.
// New ones are allocated a chunk at a time.
static block_edge *s_spare_edges;
constexpr size_t CHUNK = 1024;

static void s_add_edge(block_edge **list, basic_block *block) {
  if (!s_spare_edges) {
    auto *chunk = static_cast<block_edge *>(malloc(CHUNK * sizeof(block_edge)));
    if (!chunk)
      fatal_out_of_memory();
    for (size_t i = 0; i < CHUNK; ++i)
      chunk[i].next = i + 1 < CHUNK ? &chunk[i + 1] : nullptr;
    s_spare_edges = chunk;
  }
  block_edge *edge = s_spare_edges;
  s_spare_edges = edge->next;
  edge->prev = nullptr;
  edge->block = block;
  edge->next = *list;
  if (*list)
    (*list)->prev = edge;
  *list = edge;
}

static void s_link(basic_block *from, basic_block *to) {
  if (!from || !to)
    return;
  // A block has at most three successors: only they are searched for the
  // edge, so a block that many branches reach costs no more per edge.
  for (const block_edge *e = from->successors; e; e = e->next)
    if (e->block == to)
      return;
  s_add_edge(&from->successors, to);
  s_add_edge(&to->predecessors, from);
}

static void s_free_edges(block_edge *e) {
  while (e) {
    block_edge *next = e->next;
    e->next = s_spare_edges;
    s_spare_edges = e;
    e = next;
  }
}

// The function's nodes by ordinal (their index field), with what the build
// learns about each: sets of nodes without a search per lookup.
namespace {
enum NodeFlag : uint8_t { NAMED = 1, LEADER = 2, START = 4 };
struct FunctionNodes {
  std::vector<ocode *> node;
  std::vector<uint8_t> flags;
  std::vector<basic_block *> block;  // of each leader
  std::vector<ocode *> real;         // opt_real_instruction of each node, found once
  ocode *real_at(ocode *oc) const {
    long i = at(oc);
    return i >= 0 ? real[i] : opt_real_instruction(oc);
  }
  long at(const ocode *oc) const {
    return oc && oc->index >= 0 && oc->index < long(node.size()) && node[oc->index] == oc ? oc->index : -1;
  }
  bool has(const ocode *oc, uint8_t flag) const {
    long i = at(oc);
    return i >= 0 && (flags[i] & flag);
  }
  void mark(const ocode *oc, uint8_t flag) {
    long i = at(oc);
    if (i >= 0)
      flags[i] |= flag;
  }
};
}  // namespace

// Numbers the nodes from the begin marker through the end marker. The
// vectors are kept from one build to the next (a function's blocks are
// built again after every change).
static FunctionNodes &s_number(ocode *function) {
  static FunctionNodes nodes;
  nodes.node.clear();
  for (ocode *oc = function; oc; oc = oc->next) {
    oc->index = long(nodes.node.size());
    nodes.node.push_back(oc);
    if (oc->type == OC_EFUNCT)
      break;
  }
  nodes.flags.assign(nodes.node.size(), 0);
  nodes.block.assign(nodes.node.size(), nullptr);
  // Runs of labels (the ends of nested conditionals) are crossed once, not
  // once per branch to each of them.
  nodes.real.assign(nodes.node.size(), nullptr);
  ocode *after = nodes.node.empty() ? nullptr : opt_real_instruction(nodes.node.back()->next);
  for (size_t i = nodes.node.size(); i-- > 0;) {
    ocode *oc = nodes.node[i];
    if (s_is_real(oc) && !opt_is_op(oc, WORD2))
      after = oc;
    nodes.real[i] = after;
  }
  return nodes;
}

// Labels an instruction operand names (computed jumps, address loads): they
// stay where they are and start their block.
static void s_named_labels(FunctionNodes &nodes) {
  for (ocode *oc : nodes.node) {
    if (oc->type != OC_INST)
      continue;
    for (const inst_operand &op : oc->data.inst.ins->operand)
      if (op.type == SYMBOL_OP && op.data.symbol.sym && op.data.symbol.sym->type == LABEL &&
          op.data.symbol.sym->label_node)
        nodes.mark(op.data.symbol.sym->label_node, NAMED);
  }
}

static void s_leaders(ocode *function, FunctionNodes &nodes) {
  auto add = [&nodes](ocode *oc) { nodes.mark(oc, LEADER); };
  add(function);
  add(nodes.real_at(function->next));
  for (ocode *oc = function->next; oc && oc->type != OC_EFUNCT; oc = oc->next) {
    if (s_is_branch(oc->type)) {
      if (ocode *target = s_target_node(oc))
        add(nodes.real_at(target));
      add(nodes.real_at(oc->next));
    } else if (is_return(oc)) {
      add(nodes.real_at(oc->next));
    } else if (nodes.flags[oc->index] & NAMED) {  // oc is one of the numbered nodes
      nodes.flags[oc->index] |= LEADER;
    }
  }
  add(nodes.node.back()->type == OC_EFUNCT ? nodes.node.back() : nullptr);
}

// Blocks and label nodes freed by one conversion wait here for the next
// build, like the edges: the blocks of a function are built again after
// every change, and its labels removed and inserted again each time.
static basic_block *s_spare_blocks;
static ocode *s_spare_labels;

static basic_block *s_new_block(basic_block *prev, ocode *first, int number) {
  if (!s_spare_blocks) {
    auto *chunk = static_cast<basic_block *>(malloc(CHUNK * sizeof(basic_block)));
    if (!chunk)
      fatal_out_of_memory();
    for (size_t i = 0; i < CHUNK; ++i)
      chunk[i].next = i + 1 < CHUNK ? &chunk[i + 1] : nullptr;
    s_spare_blocks = chunk;
  }
  basic_block *b = s_spare_blocks;
  s_spare_blocks = b->next;
  memset(b, 0, sizeof *b);
  b->number = number;
  b->first = b->last = first;
  b->previous = prev;
  if (prev)
    prev->next = b;
  return b;
}

// A leader preceded by a named label: the label starts the block instead.
static void s_block_starts(FunctionNodes &nodes) {
  for (size_t i = 0; i < nodes.node.size(); ++i) {
    if (!(nodes.flags[i] & LEADER))
      continue;
    ocode *start = nodes.node[i];
    while (start->prev && start->prev->type == OC_LABEL && nodes.has(start->prev, NAMED))
      start = start->prev;
    nodes.mark(start, START);
  }
}

static void s_edges(basic_block *blocks) {
  for (basic_block *b = blocks; b; b = b->next) {
    ocode *last = s_last_real(b);
    if (!last) {  // the function's begin, or nothing but placeholders
      s_link(b, b->next);
      continue;
    }
    if (last->type == OC_EFUNCT)
      continue;
    if (s_is_branch(last->type) && last->data.branch.type == BLOCK_BRANCH)
      s_link(b, last->data.branch.target.block);
    if (!s_ends_unconditionally(last))
      s_link(b, b->next);
    if (is_skip_conditional(last) && b->next)  // the skip steps over the next block's first instruction
      s_link(b, b->next->next);
  }
}

basic_block *opt_calculate_basic_blocks(ocode *function, int *count) {
  FunctionNodes &nodes = s_number(function);
  s_named_labels(nodes);
  s_leaders(function, nodes);
  s_block_starts(nodes);
  basic_block *first = nullptr, *cur = nullptr;
  int n = 0;
  for (size_t i = 0; i < nodes.node.size(); ++i) {
    ocode *oc = nodes.node[i];
    if (nodes.flags[i] & START) {
      cur = s_new_block(cur, oc, n++);
      if (!first)
        first = cur;
    }
    cur->last = oc;
    if (nodes.flags[i] & LEADER)
      nodes.block[i] = cur;
    if (oc->immutable || (nodes.flags[i] & NAMED))
      cur->immutable = 1;
  }
  // Branch targets become blocks; then the labels they named can go.
  for (ocode *oc = function; oc && oc->type != OC_EFUNCT; oc = oc->next) {
    if (!s_is_branch(oc->type))
      continue;
    ocode *target = s_target_node(oc);
    if (!target)
      continue;
    long at = nodes.at(nodes.real_at(target));
    basic_block *tb = at >= 0 ? nodes.block[at] : nullptr;
    VELC_ASSERT(tb != nullptr);
    oc->data.branch.type = BLOCK_BRANCH;
    oc->data.branch.target.block = tb;
  }
  for (basic_block *b = first; b; b = b->next)
    for (ocode *oc = b->first, *next; oc; oc = next) {
      next = oc == b->last ? nullptr : oc->next;
      if (oc->type != OC_LABEL || (nodes.flags[oc->index] & NAMED))  // oc is one of the numbered nodes
        continue;
      if (oc->data.label.sym && oc->data.label.sym->label_node == oc)
        oc->data.label.sym->label_node = nullptr;
      if (b->first == oc)
        b->first = oc->next;
      if (b->last == oc)
        b->last = oc->prev;
      oc->data.label.sym = nullptr;  // a spare outlives the unit's symbols
      ocode_unlink(oc)->next = s_spare_labels;
      s_spare_labels = oc;
    }
  s_edges(first);
  *count = n;
  return first;
}

void opt_release_spare_labels() {
  while (ocode *label = s_spare_labels) {
    s_spare_labels = label->next;
    ocodeFree(label);
  }
}

// A label node without a symbol inserted before oc (objInsertLabel, with a
// spare node when there is one).
static ocode *s_insert_label(ocode *oc) {
  ocode *label = s_spare_labels;
  if (!label)
    return objInsertLabel(oc);
  s_spare_labels = label->next;
  memset(label, 0, sizeof *label);
  label->type = OC_LABEL;
  label->line = oc->line;
  label->file = oc->file;
  return ocode_link_before(label, oc);
}

void opt_convert_block_branches(basic_block *blocks) {
  static std::vector<ocode *> labels;  // by block number
  size_t count = 0;
  for (basic_block *b = blocks; b; b = b->next)
    count = std::max(count, size_t(b->number) + 1);
  labels.assign(count, nullptr);
  ocode *function = blocks ? blocks->first : nullptr;
  for (ocode *oc = function; oc && oc->type != OC_EFUNCT; oc = oc->next) {
    if (!s_is_branch(oc->type) || oc->data.branch.type != BLOCK_BRANCH)
      continue;
    basic_block *tb = oc->data.branch.target.block;
    VELC_ASSERT(tb->number >= 0 && size_t(tb->number) < labels.size());
    ocode *&label = labels[tb->number];
    if (!label)
      label = tb->first->type == OC_LABEL ? tb->first : s_insert_label(tb->first);
    oc->data.branch.type = LABEL_BRANCH;
    oc->data.branch.target.label = label;
  }
  opt_release_blocks(blocks);
}

// ---- changes in place ----------------------------------------------------------

basic_block *opt_split_block(basic_block *b, ocode *at, int number) {
  VELC_ASSERT(at != b->first);
  basic_block *nb = s_new_block(nullptr, at, number);
  nb->last = b->last;
  nb->immutable = b->immutable;
  b->last = at->prev;
  nb->next = b->next;
  if (nb->next)
    nb->next->previous = nb;
  nb->previous = b;
  b->next = nb;
  nb->successors = b->successors;
  b->successors = nullptr;
  s_add_edge(&b->successors, nb);
  return nb;
}

void opt_set_successor(basic_block *b, basic_block *to) {
  s_free_edges(b->successors);
  b->successors = nullptr;
  s_add_edge(&b->successors, to);
}

basic_block *opt_join_next_block(basic_block *b) {
  basic_block *gone = b->next;
  VELC_ASSERT(gone != nullptr);
  b->last = gone->last;
  b->immutable |= gone->immutable;
  s_free_edges(b->successors);
  b->successors = gone->successors;
  gone->successors = nullptr;
  b->next = gone->next;
  if (b->next)
    b->next->previous = b;
  gone->next = gone->previous = nullptr;
  return gone;
}

void opt_release_blocks(basic_block *blocks) {
  while (blocks) {
    basic_block *next = blocks->next;
    s_free_edges(blocks->successors);
    s_free_edges(blocks->predecessors);
    blocks->next = s_spare_blocks;
    s_spare_blocks = blocks;
    blocks = next;
  }
}

int opt_relink_blocks(basic_block *blocks) {
  int n = 0;
  for (basic_block *b = blocks; b; b = b->next) {
    s_free_edges(b->successors);
    s_free_edges(b->predecessors);
    b->successors = b->predecessors = nullptr;
    b->gen = b->kill = b->reach_in = b->reach_out = nullptr;
    b->number = n++;
  }
  s_edges(blocks);
  return n;
}

static void s_dump_edges(const block_edge *e) {
  if (!e)
    printf("none");
  // the lists are built newest first; print them in the order they were added
  const block_edge *last = e;
  while (last && last->next)
    last = last->next;
  for (; last; last = last->prev)
    printf("#%d ", last->block->number);
}

void dumpBasicBlocks(const basic_block *blocks) {
  for (const basic_block *b = blocks; b; b = b->next) {
    printf("\nBLOCK #%d:\n", b->number);
    printf("    predecessors: ");
    s_dump_edges(b->predecessors);
    printf("\n    successors: ");
    s_dump_edges(b->successors);
    printf("\n");
    for (const ocode *oc = b->first; oc; oc = oc->next) {
      if (oc->type != OC_PUSH_TEMPS && oc->type != OC_POP_TEMPS)
        printOcode(oc, 1);
      if (oc == b->last)
        break;
    }
  }
}
