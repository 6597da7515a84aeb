// Storage for the translator's many small records of one size (tree nodes,
// statement records, type records): in come requests for a zero-filled
// record and records given back one at a time; out go records carved from
// blocks aligned to their size. A record's block is found by masking its
// address; a block counts its live records and goes back to the system when
// the count drops to zero (the block being filled is kept and restarted).
// In sanitizer builds a record is poisoned while not handed out.
#ifndef VELC_TRANS_RECORD_POOL_H
#define VELC_TRANS_RECORD_POOL_H

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include <sys/mman.h>

#include <sanitizer/asan_interface.h>

#include "driver/diag.h"

struct RecordBlock {
  uint32_t live;  // records handed out and not yet released
  uint32_t used;  // records handed out since the block was (re)started
};

struct RecordPool {
  size_t object_size;
  size_t block_size;  // a power of two; blocks are aligned to it
  bool large_pages;   // ask for the block to be backed by one large page
  RecordBlock *current;
};

constexpr size_t RECORD_OFFSET = 16;  // records start this far into their block
static_assert(sizeof(RecordBlock) <= RECORD_OFFSET);

inline uint32_t record_pool_per_block(const RecordPool &c) {
  return static_cast<uint32_t>((c.block_size - RECORD_OFFSET) / c.object_size);
}

inline char *record_pool_at(const RecordPool &c, RecordBlock *block, uint32_t index) {
  return reinterpret_cast<char *>(block) + RECORD_OFFSET + index * c.object_size;
}

inline RecordBlock *record_pool_new_block(const RecordPool &c) {
  void *memory = aligned_alloc(c.block_size, c.block_size);
  if (!memory) {
    post_error(101);
    throw FatalUnwind{};
  }
#ifdef MADV_HUGEPAGE
  if (c.large_pages)
    madvise(memory, c.block_size, MADV_HUGEPAGE);  // a hint: refused or unsupported is fine
#endif
  auto *block = static_cast<RecordBlock *>(memory);
  block->live = 0;
  block->used = 0;
  ASAN_POISON_MEMORY_REGION(record_pool_at(c, block, 0), record_pool_per_block(c) * c.object_size);
  return block;
}

// A zero-filled record of the pool.
inline void *record_pool_alloc(RecordPool &c) {
  if (!c.current || c.current->used == record_pool_per_block(c))
    c.current = record_pool_new_block(c);
  void *object = record_pool_at(c, c.current, c.current->used++);
  c.current->live++;
  ASAN_UNPOISON_MEMORY_REGION(object, c.object_size);
  memset(object, 0, c.object_size);
  return object;
}

inline void record_pool_release(RecordPool &c, void *object) {
  auto *block = reinterpret_cast<RecordBlock *>(reinterpret_cast<uintptr_t>(object) &
                                                ~static_cast<uintptr_t>(c.block_size - 1));
  VELC_ASSERT(block->live > 0);
  ASAN_POISON_MEMORY_REGION(object, c.object_size);
  if (--block->live > 0)
    return;
  if (block == c.current)
    block->used = 0;  // empty again: fill it from the start
  else
    free(block);
}

#endif
