// Hash table, list and growable string: shadowing, unlinking, tail upkeep,
// block growth and the 16-bit hash.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "util/util.h"

namespace {

struct Rec {
  uint32_t key;
  int value;
};

int destroyed;
void count_destroy(void *) { destroyed++; }

TEST(Hash, LaterEqualKeyShadowsEarlierUntilDeleted) {
  hash_table *t = hash_create(sizeof(Rec), 4, 8);
  uint32_t k = 7;
  static_cast<Rec *>(hash_add(t, &k))->value = 1;
  static_cast<Rec *>(hash_add(t, &k))->value = 2;
  EXPECT_EQ(t->count, 2u);
  EXPECT_EQ(static_cast<Rec *>(hash_find(t, &k))->value, 2);
  destroyed = 0;
  EXPECT_EQ(hash_delete(t, &k, count_destroy), 0);
  EXPECT_EQ(destroyed, 1);
  EXPECT_EQ(static_cast<Rec *>(hash_find(t, &k))->value, 1);
  uint32_t missing = 99;
  EXPECT_EQ(hash_delete(t, &missing, count_destroy), -1);
  EXPECT_EQ(destroyed, 1);
  hash_free(t, count_destroy);
  EXPECT_EQ(destroyed, 2);
}

TEST(Hash, DeletingMiddleOfChainKeepsBothNeighbours) {
  hash_table *t = hash_create(sizeof(Rec), 4, 1);  // one bucket: one chain
  for (uint32_t k = 1; k <= 3; k++)
    static_cast<Rec *>(hash_add(t, &k))->value = static_cast<int>(k);
  uint32_t mid = 2;
  EXPECT_EQ(hash_delete(t, &mid, nullptr), 0);
  uint32_t a = 1, c = 3;
  ASSERT_NE(hash_find(t, &a), nullptr);
  ASSERT_NE(hash_find(t, &c), nullptr);
  EXPECT_EQ(hash_delete(t, &c, nullptr), 0);  // the head
  EXPECT_EQ(hash_delete(t, &a, nullptr), 0);  // the only one left
  EXPECT_EQ(t->buckets[0], nullptr);
  EXPECT_EQ(t->count, 0u);
  hash_free(t, nullptr);
}

TEST(Hash, ForeachVisitsEveryRecordAndAllowsDeletion) {
  hash_table *t = hash_create(sizeof(Rec), 4, 4);
  for (uint32_t k = 0; k < 10; k++)
    static_cast<Rec *>(hash_add(t, &k))->value = static_cast<int>(k);
  int sum = 0;
  hash_foreach(t, [](void *rec, void *ctx) { *static_cast<int *>(ctx) += static_cast<Rec *>(rec)->value; }, &sum);
  EXPECT_EQ(sum, 45);
  hash_foreach(t, [](void *rec, void *) { hash_deletedirect(rec); free(static_cast<char *>(rec) - 2 * sizeof(void *)); }, nullptr);
  for (uint32_t i = 0; i < t->bucket_count; i++)
    EXPECT_EQ(t->buckets[i], nullptr);
  t->count = 0;
  hash_free(t, nullptr);
}

TEST(Hash, PjwValues) {
  const unsigned char ab[] = {0x41, 0x42};
  EXPECT_EQ(hashpjw(ab, 2), 0x146u);
  const unsigned char ff[] = {0xFF};
  EXPECT_EQ(hashpjw(ff, 1), 0xFFFFu);  // -1 masked to 16 bits
  EXPECT_EQ(hashpjw(ab, 0), 0u);
  EXPECT_EQ(hash_string_pjw("AB"), 0x146u);
}

TEST(List, TailFollowsDeletesAndInjects) {
  list_t *l = list_create(sizeof(int));
  int *a = static_cast<int *>(list_append(l));
  int *b = static_cast<int *>(list_append(l));
  *a = 1;
  *b = 2;
  int *c = static_cast<int *>(list_inject(l, b));  // after the tail
  *c = 3;
  EXPECT_EQ(list_last(l), c);
  list_delete(l, c);
  EXPECT_EQ(list_last(l), b);
  EXPECT_EQ(l->count, 2u);
  int *h = static_cast<int *>(list_inject(l, nullptr));
  EXPECT_EQ(list_first(l), h);
  int stranger = 0;
  (void)stranger;
  list_pop(l);
  list_pop(l);
  EXPECT_EQ(list_first(l), b);
  list_delete(l, b);
  EXPECT_EQ(list_first(l), nullptr);
  EXPECT_EQ(list_last(l), nullptr);
  EXPECT_EQ(list_inject(l, nullptr), nullptr);  // empty list
  list_free(l, nullptr);
}

TEST(List, FindAndClearInOrder) {
  list_t *l = list_create(sizeof(int));
  for (int i = 0; i < 5; i++)
    *static_cast<int *>(list_append(l)) = i * 10;
  int key = 30;
  auto match = [](const void *rec, const void *k) {
    return *static_cast<const int *>(rec) == *static_cast<const int *>(k) ? 0 : 1;
  };
  int *found = static_cast<int *>(list_find(l, &key, match));
  ASSERT_NE(found, nullptr);
  EXPECT_EQ(*static_cast<int *>(list_next(found)), 40);
  destroyed = 0;
  list_free(l, count_destroy);
  EXPECT_EQ(destroyed, 5);
}

TEST(Strcatdyn, GrowsInWholeBlocks) {
  char *s = strcatdyn(nullptr, "");
  std::string big(511, 'x');
  s = strcatdyn(s, big.c_str());
  EXPECT_EQ(strlen(s), 511u);
  s = strcatdyn(s, "y");  // 513 bytes with the terminator: a second block
  EXPECT_EQ(strlen(s), 512u);
  EXPECT_EQ(s[511], 'y');
  std::string more(2000, 'z');
  s = strcatdyn(s, more.c_str());
  EXPECT_EQ(strlen(s), 2512u);
  free(s);
}

}  // namespace
