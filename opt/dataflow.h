// Data-flow records of one function's basic blocks: growable bit sets, the
// references (definitions and uses) of each instruction node, the reference
// map that numbers them and finds them by storage byte, and the sets that
// reaching definitions and use-definition chains leave on the blocks and
// nodes. Dead-code removal reads them; the map and every set are freed by
// opt_free_dataflow.
#ifndef VELC_OPT_DATAFLOW_H
#define VELC_OPT_DATAFLOW_H

#include <cstdint>
#include <utility>
#include <vector>

#include "gen/ocode.h"
#include "util/large_pages.h"

// A dense set of small integers; grows on demand.
struct bitset {
  std::vector<uint32_t> words;
};

bitset *alloc_bitset();
void free_bitset(bitset *b);
inline void bitset_set(bitset *b, int i) {
  size_t w = size_t(i) / 32;
  if (b->words.size() <= w)
    b->words.resize(w + 1, 0);
  b->words[w] |= 1u << (i % 32);
}
inline bool bitset_test(const bitset *b, int i) {
  size_t w = size_t(i) / 32;
  return w < b->words.size() && (b->words[w] >> (i % 32)) & 1u;
}
// a := a OR b (a grows); a := a AND b; a := a AND NOT b.
void bitset_union(bitset *a, const bitset *b);
void bitset_intersect(bitset *a, const bitset *b);
void bitset_intersect_not(bitset *a, const bitset *b);
// Same members (trailing zero words do not count).
bool bitset_equal(const bitset *a, const bitset *b);
// Calls f(i) for every member, in increasing order.
template <class F> void bitset_each(const bitset *b, F f) {
  for (size_t w = 0; w < b->words.size(); ++w)
    for (uint32_t bits = b->words[w]; bits; bits &= bits - 1)
      f(int(w * 32 + __builtin_ctz(bits)));
}

// What a reference names. A definition is one of the first four; a use may
// also be one of the broad kinds, which stand for many locations at once.
enum RefType : int32_t {
  SYM_REF = 0,   // a symbol byte (symbol, offset)
  CC_REF = 1,    // a STATUS flag, offset = bit number 0 (C) .. 4 (N)
  CALL_REF = 2,  // whatever a call may write
  PTR_REF = 3,   // memory written through a pointer or a frame operand
  MEM_USE = 4,   // use: any variable byte a pointer may reach
  ALL_USE = 5,   // use: every location (calls, unknown operands)
  EXIT_USE = 6,  // use: what is live when the function returns
};

// The offset of a PTR_REF written or a MEM_USE read through a frame operand
// (the software stack, never a register nor another variable); 0 for any
// other pointer.
constexpr int32_t PTR_FRAME = 1;

struct dfa_ref {
  int32_t type;  // RefType
  SymbolRecord *sym;
  int32_t offset;
  ocode *node;
};

// What one node defines and uses, as the instruction table and its
// operands say.
struct node_refs {
  std::vector<dfa_ref> defs, uses;
  bool essential;  // must stay whatever the chains say (calls, skips, volatile reads ...)
};
// Fills refs for one node (an instruction, a branch node or a function end).
void opt_node_refs(ocode *oc, node_refs *refs);
// The same without the uses (left empty), for passes that follow writes only.
void opt_node_defs(ocode *oc, node_refs *refs);
// Whether a write to this symbol byte may be dropped when nothing reads it
// (a plain variable, a temporary, WREG, BSR, the table registers).
bool opt_sym_def_removable(const SymbolRecord *sym);
// Whether sym is one of the core registers, and its address.
bool opt_core_register(const SymbolRecord *sym, long *address);

// Per-node ranges and marks. The node's removable definitions are numbered
// def_first .. def_first + def_count - 1 (a node's definitions are numbered
// together, in code order); its uses and its chain (the definitions that
// reach its uses) are ranges of the map's arrays. The chain lists the
// definitions that reach its symbol and flag uses; each broad use (memory,
// everything, the exit) has instead a set of the definitions that reach
// it, wide_count sets of the map's wide_words words from wide_first on:
// a long run of reads through a pointer costs a word per 32 definitions
// each, not a list entry per definition.
struct ocode_dfa {
  int32_t def_first, def_count;
  int32_t use_first, use_count;
  int32_t chain_first, chain_count;
  int32_t wide_first, wide_count;
  bool essential, processed, after_skip;
};

// One slot of the open-addressed table of locations.
struct dfa_location_slot {
  const SymbolRecord *sym;
  int32_t offset;
  int32_t location;  // -1: empty
};

// The definitions of one function that may go when nothing reads them,
// numbered in code order (the others make their nodes essential and need
// no number). A location is a symbol byte or a flag (null symbol, offset =
// bit); each has a number and the set of its definitions, kept as words of
// one pool. Every per-node and per-block record of the analysis lives here,
// so that one function's analysis allocates a handful of arrays, not a set
// per node.
struct dfa_map {
  LargeVector<ocode_dfa> nodes;  // per node in code order; ocode::dfa points here
  LargeVector<dfa_ref> refs;     // the numbered definitions
  LargeVector<dfa_ref> uses;     // every node's uses
  LargeVector<int> chains;       // every node's chain of its symbol and flag uses
  LargeVector<uint32_t> wide;    // the sets of every node's broad uses
  size_t wide_words = 0;         // words of one such set (as many as `all` has)
  std::vector<int> location_of;  // per definition
  LargeVector<dfa_location_slot> slots;
  int32_t location_count = 0;
  std::vector<size_t> location_first;     // per location: its first word in the pool
  std::vector<uint32_t> location_words;   // per location: its number of words
  LargeVector<uint32_t> pool;
  bitset memory;  // definitions of variable bytes (what a pointer may reach)
  bitset all;     // every numbered definition
  std::vector<bitset> block_sets;  // four per block: gen, kill, reach_in, reach_out
};

// Definitions of every node, block generated sets and killed locations.
// Returns the map; or, when the dense sets would take more than word_limit
// words (blocks times numbered definitions / 32), null with nothing built.
dfa_map *opt_bitmap_defs(basic_block *blocks, size_t word_limit);
// Reaching-in and reaching-out sets of every block (iterated to a fixed point).
void opt_reaching_defs(basic_block *blocks, dfa_map *defs);
// Uses of every node.
void opt_bitmap_uses(basic_block *blocks);
// Each node's chain: the definitions reaching it of what it uses. The exit
// use counts only definitions essential at the function's end.
void opt_build_chains(basic_block *blocks, dfa_map *defs, const SymbolRecord *function);
// Calls f(n) for every definition n in a node's chain: the listed ones,
// then the members of each broad use's set. A definition that reaches two
// of the node's uses comes once per use.
template <class F> void opt_each_chain_def(const dfa_map *defs, const ocode_dfa &d, F f) {
  for (int i = d.chain_first; i < d.chain_first + d.chain_count; ++i)
    f(defs->chains[size_t(i)]);
  const uint32_t *set = defs->wide.data() + d.wide_first;
  for (int k = 0; k < d.wide_count; ++k, set += defs->wide_words)
    for (size_t w = 0; w < defs->wide_words; ++w)
      for (uint32_t bits = set[w]; bits; bits &= bits - 1)
        f(int(w * 32 + __builtin_ctz(bits)));
}
// Frees the map, the block sets and every node's sets.
void opt_free_dataflow(basic_block *blocks, dfa_map *defs);

// Copy propagation within each block: MOVFF and MOVF to WREG read the
// first byte known to hold the value they read.
bool opt_copy_propagation(basic_block *blocks);
// Redundant constant stores and FSR reloads within each block.
bool opt_redundant_store_elimination(basic_block *blocks);

// Removes the instructions whose results nothing essential needs; every
// node that stays is marked essential. Returns whether anything was removed.
bool opt_dead_code_removal(const SymbolRecord *function, basic_block *blocks, dfa_map *defs);
// Stores into a temporary that only a later MOVFF reads write that MOVFF's
// destination themselves, and the MOVFF goes (the chains of the analysis
// tell who reads what; after dead-code removal only the nodes marked
// essential still read). Returns whether anything changed; *settled (when
// given) tells whether it left nothing that another run would take.
bool opt_retarget_stores(basic_block *blocks, const dfa_map *defs, bool *settled = nullptr);
// The whole analysis and dead-code removal on one function (its OC_BFUNCT
// node and blocks), then, with retarget, the stores retargeted; every set
// is freed again. *settled (when given) tells whether running the pass
// again at once would find nothing: mark and sweep leaves no dead code,
// and retargeting follows chains of copies and takes the bank selections
// that only the stores it moved read.
bool opt_dead_code_pass(ocode *function, basic_block *blocks, bool retarget, bool *settled = nullptr);

#endif
