// Block storage for records of one size; see record_pool.h.
#include "util/record_pool.h"

#include <cstdlib>
#include <cstring>

#include <sys/mman.h>

#include <sanitizer/asan_interface.h>

static_assert(sizeof(RecordBlock) <= RECORD_OFFSET);

static uint32_t s_per_block(const RecordPool &pool) {
  return static_cast<uint32_t>((pool.block_size - RECORD_OFFSET) / pool.object_size);
}

static char *s_record_at(const RecordPool &pool, RecordBlock *block, uint32_t index) {
  return reinterpret_cast<char *>(block) + RECORD_OFFSET + index * pool.object_size;
}

static RecordBlock *s_new_block(const RecordPool &pool) {
  void *memory = aligned_alloc(pool.block_size, pool.block_size);
  if (!memory) {
    pool.out_of_memory();
    abort();  // out_of_memory must not return
  }
#ifdef MADV_HUGEPAGE
  if (pool.large_pages)
    madvise(memory, pool.block_size, MADV_HUGEPAGE);  // a hint: refused or unsupported is fine
#endif
  auto *block = static_cast<RecordBlock *>(memory);
  block->live = 0;
  block->used = 0;
  ASAN_POISON_MEMORY_REGION(s_record_at(pool, block, 0), s_per_block(pool) * pool.object_size);
  return block;
}

void *record_pool_alloc(RecordPool &pool) {
  if (!pool.current || pool.current->used == s_per_block(pool))
    pool.current = s_new_block(pool);
  void *record = s_record_at(pool, pool.current, pool.current->used++);
  pool.current->live++;
  pool.live++;
  ASAN_UNPOISON_MEMORY_REGION(record, pool.object_size);
  memset(record, 0, pool.object_size);
  return record;
}

bool record_pool_release(RecordPool &pool, void *record) {
  auto *block = reinterpret_cast<RecordBlock *>(reinterpret_cast<uintptr_t>(record) &
                                                ~static_cast<uintptr_t>(pool.block_size - 1));
  if (block->live == 0)
    return false;
  ASAN_POISON_MEMORY_REGION(record, pool.object_size);
  pool.live--;
  if (--block->live > 0)
    return true;
  if (block == pool.current)
    block->used = 0;  // empty again: fill it from the start
  else
    free(block);
  return true;
}

void record_pool_trim(RecordPool &pool) {
  if (pool.current && pool.current->live == 0) {
    free(pool.current);
    pool.current = nullptr;
  }
}
