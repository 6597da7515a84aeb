// Storage for many small records of one size (syntax-tree nodes, low-level
// tree nodes, statement and type records): in come requests for a
// zero-filled record and records given back one at a time; out go records
// carved from blocks aligned to their size. A record's block is found by
// masking its address; a block counts its live records and goes back to the
// system when the count drops to zero (the block being filled is kept and
// restarted). A block may ask to be backed by one large page, which spares
// the page faults of filling it page by page. In sanitizer builds a record
// is poisoned while it is not handed out, so a use after release is caught.
#ifndef VELC_UTIL_RECORD_POOL_H
#define VELC_UTIL_RECORD_POOL_H

#include <cstddef>
#include <cstdint>

struct RecordBlock {
  uint32_t live;  // records handed out and not yet released
  uint32_t used;  // records handed out since the block was (re)started
};

struct RecordPool {
  size_t object_size;
  size_t block_size;        // a power of two; blocks are aligned to it
  bool large_pages;         // ask for each block to be backed by one large page
  void (*out_of_memory)();  // called when no block can be had; must not return
  RecordBlock *current;     // the block being filled
  size_t live = 0;          // records handed out and not yet given back, over all blocks
};

// Records start this far into their block; their alignment must not exceed it.
constexpr size_t RECORD_OFFSET = 16;

// A zero-filled record of the pool.
void *record_pool_alloc(RecordPool &pool);
// Gives a record back; false when its block has no live record (a double release).
bool record_pool_release(RecordPool &pool, void *record);
// Returns the block being filled to the system when it holds no live record.
void record_pool_trim(RecordPool &pool);

#endif
