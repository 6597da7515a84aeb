// Chained hash table: head insertion and shadowing, unlinking through the
// back link, bucket choice from the 16-bit hash, clean-up with destructors,
// refusal of impossible shapes, and the PJW-style hash over signed bytes.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "util/util.h"

namespace {

struct Rec {
  uint32_t key;
  int value;
};

int destroyed;
std::vector<int> destroyed_values;
void count_destroy(void *) { destroyed++; }
void record_destroy(void *rec) { destroyed_values.push_back(static_cast<Rec *>(rec)->value); }

Rec *s_add(hash_table *t, uint32_t key, int value) {
  auto *r = static_cast<Rec *>(hash_add(t, &key));
  EXPECT_NE(r, nullptr);
  if (r) r->value = value;
  return r;
}

int s_found_value(const hash_table *t, uint32_t key) {
  auto *r = static_cast<Rec *>(hash_find(t, &key));
  return r ? r->value : -1;
}

// Number of records in one bucket's chain.
int s_chain_length(const hash_table *t, uint32_t bucket) {
  int n = 0;
  for (auto **link = reinterpret_cast<void **>(t->buckets[bucket]); link; link = static_cast<void **>(*link)) ++n;
  return n;
}

}  // namespace

TEST(Hash, LaterEqualKeyShadowsEarlierUntilDeleted) {
  hash_table *t = hash_create(sizeof(Rec), 4, 8);
  ASSERT_NE(t, nullptr);
  s_add(t, 7, 1);
  s_add(t, 7, 2);
  s_add(t, 7, 3);
  EXPECT_EQ(t->count, 3u);
  EXPECT_EQ(s_found_value(t, 7), 3);
  destroyed_values.clear();
  uint32_t k = 7;
  EXPECT_EQ(hash_delete(t, &k, record_destroy), 0);
  EXPECT_EQ(s_found_value(t, 7), 2);
  EXPECT_EQ(hash_delete(t, &k, record_destroy), 0);
  EXPECT_EQ(s_found_value(t, 7), 1);
  EXPECT_EQ(destroyed_values, (std::vector<int>{3, 2}));
  EXPECT_EQ(t->count, 1u);
  uint32_t missing = 99;
  EXPECT_EQ(hash_delete(t, &missing, record_destroy), -1);
  EXPECT_EQ(destroyed_values.size(), 2u) << "no destructor for a missing key";
  EXPECT_EQ(t->count, 1u);
  hash_free(t, record_destroy);
  EXPECT_EQ(destroyed_values, (std::vector<int>{3, 2, 1}));
}

TEST(Hash, AddCopiesTheKeyAndZeroFillsTheRest) {
  struct Wide {
    char key[6];
    char rest[26];
  };
  hash_table *t = hash_create(sizeof(Wide), 6, 3);
  ASSERT_NE(t, nullptr);
  char key[32];
  memset(key, 'k', sizeof key);  // bytes past the key must not be copied
  auto *w = static_cast<Wide *>(hash_add(t, key));
  ASSERT_NE(w, nullptr);
  EXPECT_EQ(memcmp(w->key, "kkkkkk", 6), 0);
  for (char c : w->rest) EXPECT_EQ(c, 0);
  EXPECT_EQ(hash_find(t, key), w);
  hash_free(t, nullptr);
}

TEST(Hash, DeletingAnywhereInAChainKeepsItIntact) {
  hash_table *t = hash_create(sizeof(Rec), 4, 1);  // one bucket: one chain
  ASSERT_NE(t, nullptr);
  for (uint32_t k = 1; k <= 5; k++) s_add(t, k, static_cast<int>(k));  // chain 5 4 3 2 1
  uint32_t mid = 3, head = 5, tail = 1;
  EXPECT_EQ(hash_delete(t, &mid, nullptr), 0);
  EXPECT_EQ(s_chain_length(t, 0), 4);
  EXPECT_EQ(hash_delete(t, &head, nullptr), 0);  // 4 becomes the head: its back link is the slot
  EXPECT_EQ(hash_delete(t, &tail, nullptr), 0);
  EXPECT_EQ(s_chain_length(t, 0), 2);
  uint32_t four = 4, two = 2;
  EXPECT_EQ(hash_delete(t, &four, nullptr), 0);  // the new head, through its updated back link
  EXPECT_EQ(s_found_value(t, 2), 2);
  EXPECT_EQ(hash_delete(t, &two, nullptr), 0);   // the only one left
  EXPECT_EQ(t->buckets[0], nullptr);
  EXPECT_EQ(t->count, 0u);
  s_add(t, 9, 9);  // still usable
  EXPECT_EQ(s_found_value(t, 9), 9);
  hash_free(t, nullptr);
}

TEST(Hash, DeleteDirectUnlinksWithoutFreeing) {
  hash_table *t = hash_create(sizeof(Rec), 4, 1);
  ASSERT_NE(t, nullptr);
  s_add(t, 1, 1);
  Rec *two = s_add(t, 2, 2);
  s_add(t, 3, 3);
  hash_deletedirect(two);
  EXPECT_EQ(s_found_value(t, 2), -1);
  EXPECT_EQ(s_found_value(t, 1), 1);
  EXPECT_EQ(s_found_value(t, 3), 3);
  EXPECT_EQ(s_chain_length(t, 0), 2);
  EXPECT_EQ(two->value, 2) << "the record itself is not freed";
  // A second unlink of the same record must not disturb the chain.
  hash_deletedirect(two);
  EXPECT_EQ(s_chain_length(t, 0), 2);
  EXPECT_EQ(s_found_value(t, 1), 1);
  free(reinterpret_cast<char *>(two) - 2 * sizeof(void *));  // the node is the caller's now
  t->count--;
  hash_free(t, nullptr);
}

TEST(Hash, ForeachVisitsEveryRecordAndAllowsDeletion) {
  hash_table *t = hash_create(sizeof(Rec), 4, 4);
  ASSERT_NE(t, nullptr);
  for (uint32_t k = 0; k < 10; k++) s_add(t, k, static_cast<int>(k));
  int sum = 0;
  hash_foreach(t, [](void *rec, void *ctx) { *static_cast<int *>(ctx) += static_cast<Rec *>(rec)->value; }, &sum);
  EXPECT_EQ(sum, 45);
  hash_foreach(t, [](void *rec, void *ctx) { hash_delete(static_cast<hash_table *>(ctx), rec, nullptr); }, t);
  for (uint32_t i = 0; i < t->bucket_count; i++) EXPECT_EQ(t->buckets[i], nullptr);
  EXPECT_EQ(t->count, 0u);
  hash_free(t, nullptr);
}

TEST(Hash, BucketIsTheLow16BitsOfTheHashModuloTheCount) {
  hash_table *t = hash_create(sizeof(Rec), 4, 7);
  ASSERT_NE(t, nullptr);
  // 0x10005 % 7 is 0, but only the low 16 bits count: 5 % 7 is 5.
  hash_set_hash(t, [](const void *, size_t) -> unsigned { return 0x10005u; });
  Rec *r = s_add(t, 1, 1);
  ASSERT_NE(t->buckets[5], nullptr);
  EXPECT_EQ(t->buckets[0], nullptr);
  EXPECT_EQ(hash_find(t, &r->key), r);
  hash_free(t, nullptr);
}

TEST(Hash, CustomCompareDecidesEquality) {
  hash_table *t = hash_create(sizeof(Rec), 4, 16);
  ASSERT_NE(t, nullptr);
  // Keys equal when their low byte is; the hash must agree, so it uses that byte only.
  hash_set_hash(t, [](const void *key, size_t) -> unsigned { return *static_cast<const uint8_t *>(key); });
  hash_set_compare(t, [](const void *key, const void *rec, size_t) {
    return (*static_cast<const uint32_t *>(key) & 0xFF) == (static_cast<const Rec *>(rec)->key & 0xFF) ? 0 : 1;
  });
  s_add(t, 0x112, 1);
  EXPECT_EQ(s_found_value(t, 0x212), 1);
  EXPECT_EQ(s_found_value(t, 0x213), -1);
  hash_free(t, nullptr);
}

TEST(Hash, DeleteAllLeavesAnEmptyUsableTable) {
  hash_table *t = hash_create(sizeof(Rec), 4, 5);
  ASSERT_NE(t, nullptr);
  for (uint32_t k = 0; k < 12; k++) s_add(t, k, 1);
  destroyed = 0;
  hash_deleteall(t, count_destroy);
  EXPECT_EQ(destroyed, 12);
  EXPECT_EQ(t->count, 0u);
  for (uint32_t i = 0; i < t->bucket_count; i++) EXPECT_EQ(t->buckets[i], nullptr);
  s_add(t, 3, 30);
  EXPECT_EQ(s_found_value(t, 3), 30);
  EXPECT_EQ(s_found_value(t, 4), -1);
  hash_free(t, nullptr);
  hash_free(nullptr, nullptr);  // nothing to free
}

TEST(Hash, ShapesThatCannotBeBuiltAreRefused) {
  // A key longer than the record would be copied past its end.
  EXPECT_EQ(hash_create(4, 8, 16), nullptr);
  // Counts whose sizes do not fit are refused before anything is allocated.
  EXPECT_EQ(hash_create(8, 4, SIZE_MAX / sizeof(void *) + 2), nullptr);
  EXPECT_EQ(hash_create(8, 4, static_cast<size_t>(UINT32_MAX) + 1), nullptr);
  EXPECT_EQ(hash_create(static_cast<size_t>(UINT32_MAX) + 1, 4, 8), nullptr);
  // A table without buckets still works, through one bucket.
  hash_table *t = hash_create(sizeof(Rec), 4, 0);
  ASSERT_NE(t, nullptr);
  EXPECT_EQ(t->bucket_count, 1u);
  s_add(t, 5, 5);
  EXPECT_EQ(s_found_value(t, 5), 5);
  hash_free(t, nullptr);
}

TEST(Hash, PjwOverSignExtendedBytes) {
  const unsigned char ab[] = {0x41, 0x42};
  EXPECT_EQ(hashpjw(ab, 2), 0x146u);  // 0x41*4 + 0x42
  const unsigned char ff[] = {0xFF};
  EXPECT_EQ(hashpjw(ff, 1), 0xFFFFu);  // -1 masked to 16 bits
  const unsigned char ffff[] = {0xFF, 0xFF};
  EXPECT_EQ(hashpjw(ffff, 2), 0xFFFBu);  // -1*4 - 1 = -5
  const unsigned char lead[] = {0x80, 0x01};
  EXPECT_EQ(hashpjw(lead, 2), 0xFE01u);  // -128*4 + 1 = -511
  EXPECT_EQ(hashpjw(ab, 0), 0u);
  // Nine 'A's: the sum 0x41 * (4^9 - 1) / 3 overflows 16 bits; 0x41 * 87381 = 0x56AA95.
  EXPECT_EQ(hash_string_pjw("AAAAAAAAA"), 0xAA95u);
  EXPECT_EQ(hash_string_pjw("AB"), 0x146u);
  EXPECT_EQ(hash_string_pjw("\xC3"), 0xFFC3u);  // -61
  EXPECT_EQ(hash_string_pjw(""), 0u);
}

TEST(Hash, GrowingTableKeepsRecordsShadowingAndBackLinks) {
  hash_table *t = hash_create(sizeof(Rec), 4, 2);
  ASSERT_NE(t, nullptr);
  hash_set_growing(t);
  // Key k is added twice: value k first, then k + 100000 shadowing it.
  std::vector<Rec *> first;
  for (uint32_t k = 0; k < 3000; k++) first.push_back(s_add(t, k, static_cast<int>(k)));
  for (uint32_t k = 0; k < 3000; k += 3) s_add(t, k, static_cast<int>(k) + 100000);
  EXPECT_EQ(t->count, 4000u);
  EXPECT_GE(t->bucket_count, 1024u);
  EXPECT_EQ(first[7]->value, 7) << "records keep their addresses";
  for (uint32_t k = 0; k < 3000; k++)
    EXPECT_EQ(s_found_value(t, k), k % 3 ? static_cast<int>(k) : static_cast<int>(k) + 100000) << k;
  uint32_t k = 300;
  EXPECT_EQ(hash_delete(t, &k, nullptr), 0);
  EXPECT_EQ(s_found_value(t, 300), 300);  // the earlier one shows again
  hash_deletedirect(first[301]);          // back links were moved with the nodes
  EXPECT_EQ(s_found_value(t, 301), -1);
  free(reinterpret_cast<char *>(first[301]) - 2 * sizeof(void *));
  t->count--;
  int sum = 0;
  hash_foreach(t, [](void *, void *ctx) { ++*static_cast<int *>(ctx); }, &sum);
  EXPECT_EQ(sum, 3998);
  hash_free(t, nullptr);
  // A table that does not grow keeps its buckets however full it gets.
  hash_table *fixed = hash_create(sizeof(Rec), 4, 2);
  ASSERT_NE(fixed, nullptr);
  for (uint32_t key = 0; key < 100; key++) s_add(fixed, key, 1);
  EXPECT_EQ(fixed->bucket_count, 2u);
  hash_free(fixed, nullptr);
}

TEST(Hash, SpreadHashTellsSimilarNamesApart) {
  // Low 16 bits over 40,000 names, and 20 bits over 400,000 (the buckets of
  // a growing table of that many names); random values would give about
  // 29,000 and 332,000 distinct.
  struct Row { int names; unsigned mask; int at_least; } rows[] = {{40000, 0xFFFF, 20000}, {400000, 0xFFFFF, 250000}};
  for (const Row &row : rows) {
    std::vector<bool> seen(row.mask + 1);
    int distinct = 0;
    char name[16];
    for (int i = 0; i < row.names; i++) {
      snprintf(name, sizeof name, "v%06d", i);
      unsigned h = hash_string_spread(name) & row.mask;
      distinct += !seen[h];
      seen[h] = true;
    }
    EXPECT_GT(distinct, row.at_least) << row.names;  // the PJW hash gives 40,000 of these 1,534 values
  }
}
