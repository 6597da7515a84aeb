// Block storage for records of one size: zero-filled records, blocks
// returned when their last record goes, and double releases refused.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <stdexcept>
#include <vector>

#include "util/large_pages.h"
#include "util/record_pool.h"

namespace {

struct Rec {
  uint64_t words[4];
};

[[noreturn]] void no_memory() { throw std::runtime_error("out of memory"); }

uintptr_t block_of(const void *p, size_t block_size) {
  return reinterpret_cast<uintptr_t>(p) & ~static_cast<uintptr_t>(block_size - 1);
}

TEST(RecordPool, RecordsAreZeroFilledEvenWhenReused) {
  RecordPool pool{sizeof(Rec), 4096, false, no_memory, nullptr};
  auto *a = static_cast<Rec *>(record_pool_alloc(pool));
  memset(a, 0xAB, sizeof *a);
  ASSERT_TRUE(record_pool_release(pool, a));  // the only record: the block restarts
  auto *b = static_cast<Rec *>(record_pool_alloc(pool));
  EXPECT_EQ(a, b);  // the block being filled is reused from its start
  for (uint64_t w : b->words)
    EXPECT_EQ(w, 0u);
  ASSERT_TRUE(record_pool_release(pool, b));
  EXPECT_FALSE(record_pool_release(pool, b));  // released twice
  record_pool_trim(pool);
  EXPECT_EQ(pool.current, nullptr);
}

TEST(RecordPool, BlocksHoldWhatFitsAndRecordsFindTheirBlock) {
  const size_t block_size = 4096;
  RecordPool pool{sizeof(Rec), block_size, false, no_memory, nullptr};
  const size_t per_block = (block_size - RECORD_OFFSET) / sizeof(Rec);
  std::vector<Rec *> recs;
  for (size_t i = 0; i < 3 * per_block; i++)
    recs.push_back(static_cast<Rec *>(record_pool_alloc(pool)));
  EXPECT_EQ(block_of(recs[0], block_size), block_of(recs[per_block - 1], block_size));
  EXPECT_NE(block_of(recs[0], block_size), block_of(recs[per_block], block_size));
  for (size_t i = 0; i < recs.size(); i++)  // distinct, non-overlapping records
    for (size_t j = i + 1; j < recs.size() && j < i + 3; j++)
      EXPECT_GE(reinterpret_cast<char *>(recs[j]) - reinterpret_cast<char *>(recs[i]),
                static_cast<ptrdiff_t>(sizeof(Rec)));
  for (Rec *r : recs)  // release in any order; full blocks go back to the system
    EXPECT_TRUE(record_pool_release(pool, r));
  Rec *kept = static_cast<Rec *>(record_pool_alloc(pool));
  record_pool_trim(pool);  // a live record keeps its block
  EXPECT_NE(pool.current, nullptr);
  EXPECT_TRUE(record_pool_release(pool, kept));
  record_pool_trim(pool);
  EXPECT_EQ(pool.current, nullptr);
}

TEST(RecordPool, ExhaustionCallsTheHandler) {
#if defined(__SANITIZE_ADDRESS__)
  GTEST_SKIP() << "the address sanitizer's allocator aborts on such a request instead of failing it";
#endif
  // A block size no allocation can satisfy.
  RecordPool pool{sizeof(Rec), size_t{1} << 62, false, no_memory, nullptr};
  EXPECT_THROW(record_pool_alloc(pool), std::runtime_error);
}

// A vector in large-page storage keeps its values as it grows from small
// (malloc) to large (2 MiB aligned) blocks and back through a swap.
TEST(LargePages, VectorGrowsPastTwoMebibytes) {
  std::vector<uint64_t, LargePageAllocator<uint64_t>> v;
  for (uint64_t i = 0; i < 600000; i++)  // 4.8 MB
    v.push_back(i * 2654435761u);
  EXPECT_EQ(reinterpret_cast<uintptr_t>(v.data()) % (size_t(2) << 20), 0u);
  for (uint64_t i = 0; i < v.size(); i += 997)
    ASSERT_EQ(v[i], i * 2654435761u) << i;
  std::vector<uint64_t, LargePageAllocator<uint64_t>> small(3, 7);
  small.swap(v);
  EXPECT_EQ(v.size(), 3u);
  EXPECT_EQ(small.back(), uint64_t{599999} * 2654435761u);
  void *none = large_pages_alloc(0);  // a valid pointer, as malloc(1) gives
  EXPECT_NE(none, nullptr);
  large_pages_free(none);
}

}  // namespace
