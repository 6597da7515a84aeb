// The optimiser's basic blocks of one function and the helpers its passes
// share: building the blocks from a function's output code (branch targets
// become blocks, labels go), turning block targets back into labels, the
// dump, node removal, and the tests on nodes the passes agree on.
#ifndef VELC_OPT_BLOCKS_H
#define VELC_OPT_BLOCKS_H

#include "gen/ocode.h"

struct block_edge {
  basic_block *block;
  block_edge *prev, *next;
};

// Builds the blocks of a function list (OC_BFUNCT ... OC_EFUNCT): leaders,
// block targets for every branch, label removal, edges. *count receives the
// number of blocks. Returns the first block.
basic_block *opt_calculate_basic_blocks(ocode *function, int *count);
// Every BLOCK_BRANCH becomes a LABEL_BRANCH to a label at the start of its
// block; the blocks are freed.
void opt_convert_block_branches(basic_block *blocks);
// Changes to the blocks of a pass that keeps them up to date itself instead
// of having them built again: successor lists are kept right, predecessor
// lists are not (the caller makes them anew with opt_relink_blocks before
// any other pass reads them).
// Splits b before its node at: a new block (numbered number) from at to
// b's end follows b, takes b's successors and is b's only successor.
basic_block *opt_split_block(basic_block *b, ocode *at, int number);
// b's successors become the single block to.
void opt_set_successor(basic_block *b, basic_block *to);
// b takes in the block after it (its nodes and successors). Returns that
// block, out of the list, for opt_release_blocks.
basic_block *opt_join_next_block(basic_block *b);
// Releases blocks taken out of the list (linked through next).
void opt_release_blocks(basic_block *blocks);
// After such a pass: numbers the blocks in code order again and makes
// their successor and predecessor lists anew, as a fresh build of the
// same code would. Returns the number of blocks.
int opt_relink_blocks(basic_block *blocks);
// The debugging dump of the blocks on standard output.
void dumpBasicBlocks(const basic_block *blocks);

// Number of entries of an edge list.
int opt_edge_count(const block_edge *e);
// The same, counting no further than limit (a join of many branches is
// not walked to learn that it has more than one).
int opt_edge_count_upto(const block_edge *e, int limit);
// The node itself or the first instruction, branch node or function end at
// or after it; null at the end of the list.
ocode *opt_real_instruction(ocode *oc);
// The real instruction before oc, or null.
ocode *opt_prev_real(ocode *oc);
// Unlinks and frees one node.
void remove_instruction(ocode *oc);
// Removes a node of a block, keeping the block's first and last right.
void remove_instruction_from_block(basic_block *block, ocode *oc);

// An OC_INST of the given opcode.
bool opt_is_op(const ocode *oc, int opcode);
// Whether the real instruction before oc is a skip (oc is then the skipped
// instruction and must stay where it is, as it is).
bool opt_after_skip(ocode *oc);
// Whether control never goes on past the block's end: it ends with an
// unconditional branch or a return that no skip can step over.
bool opt_ends_unconditionally(const basic_block *b);
// The block's final branch node, or null.
ocode *opt_block_branch(const basic_block *b);

// Whether sym is a variable in the access bank (near RAM).
bool opt_is_near(const SymbolRecord *sym);
// Whether the Z and N flags are written again, within the block, before
// anything after oc (and its second word) reads them: then oc may become an
// instruction that sets them (MOVFF to WREG as MOVF).
bool opt_zn_dead_after(ocode *oc, const basic_block *b);

// ---- the passes; each returns true when it changed something ---------------
bool opt_branch_optimizations(ocode *function);
bool opt_block_branch_optimizations(basic_block *blocks);
bool opt_peephole_optimizations(basic_block *block);
// Up to limit peephole rewrites of one block, each the one a fresh scan from
// the block's start would find; returns how many were made.
int opt_peephole_block(basic_block *block, int limit);
bool opt_post_process_peephole_optimizations(ocode *list);
bool opt_straighten(basic_block *blocks, int count);
bool opt_tail_merging(basic_block *blocks, int count);
bool opt_unreachable_code_removal(basic_block *blocks);
bool opt_optimize_banking(basic_block *blocks);

#endif
