// Singly linked list: head and tail upkeep on every insertion and removal,
// injection after a given record, popping, search and in-order clean-up.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "util/util.h"

namespace {

// The list's records in order, read through the public walk.
std::vector<int> s_values(const list_t *l) {
  std::vector<int> out;
  for (void *r = list_first(l); r; r = list_next(r)) out.push_back(*static_cast<int *>(r));
  return out;
}

int *s_append(list_t *l, int v) {
  auto *r = static_cast<int *>(list_append(l));
  EXPECT_NE(r, nullptr);
  if (r) *r = v;
  return r;
}

std::vector<int> cleared;
void s_note(void *rec) { cleared.push_back(*static_cast<int *>(rec)); }

}  // namespace

TEST(List, AppendAndInsertKeepHeadAndTail) {
  list_t *l = list_create(sizeof(int));
  ASSERT_NE(l, nullptr);
  EXPECT_EQ(list_first(l), nullptr);
  EXPECT_EQ(list_last(l), nullptr);
  auto *h = static_cast<int *>(list_insert(l));  // insert into an empty list: head and tail
  ASSERT_NE(h, nullptr);
  EXPECT_EQ(*h, 0) << "records are zero-filled";
  *h = 2;
  EXPECT_EQ(list_last(l), h);
  s_append(l, 3);
  *static_cast<int *>(list_insert(l)) = 1;
  EXPECT_EQ(s_values(l), (std::vector<int>{1, 2, 3}));
  EXPECT_EQ(l->count, 3u);
  EXPECT_EQ(*static_cast<int *>(list_last(l)), 3);
  EXPECT_EQ(list_next(list_last(l)), nullptr);
  EXPECT_EQ(list_next(nullptr), nullptr);
  list_free(l, nullptr);
}

TEST(List, InjectAfterARecord) {
  list_t *l = list_create(sizeof(int));
  ASSERT_NE(l, nullptr);
  int dummy = 0;
  EXPECT_EQ(list_inject(l, nullptr), nullptr) << "empty list";
  EXPECT_EQ(list_inject(l, &dummy), nullptr) << "empty list";
  int *a = s_append(l, 1);
  int *c = s_append(l, 3);
  *static_cast<int *>(list_inject(l, a)) = 2;  // in the middle: the tail stays
  EXPECT_EQ(list_last(l), c);
  auto *d = static_cast<int *>(list_inject(l, c));  // after the tail: the new tail
  *d = 4;
  EXPECT_EQ(list_last(l), d);
  *static_cast<int *>(list_inject(l, nullptr)) = 0;  // null record: at the head
  EXPECT_EQ(s_values(l), (std::vector<int>{0, 1, 2, 3, 4}));
  EXPECT_EQ(l->count, 5u);
  // A record of another list is not in this one.
  list_t *other = list_create(sizeof(int));
  int *stranger = s_append(other, 9);
  EXPECT_EQ(list_inject(l, stranger), nullptr);
  EXPECT_EQ(l->count, 5u);
  EXPECT_EQ(s_values(other), (std::vector<int>{9}));
  list_free(other, nullptr);
  list_free(l, nullptr);
}

TEST(List, PopEmptiesTheListCompletely) {
  list_t *l = list_create(sizeof(int));
  ASSERT_NE(l, nullptr);
  list_pop(l);  // empty: unchanged
  EXPECT_EQ(l->count, 0u);
  EXPECT_EQ(list_first(l), nullptr);
  s_append(l, 1);
  s_append(l, 2);
  list_pop(l);
  EXPECT_EQ(s_values(l), (std::vector<int>{2}));
  EXPECT_EQ(list_first(l), list_last(l));
  list_pop(l);  // the only node: head and tail both go
  EXPECT_EQ(list_first(l), nullptr);
  EXPECT_EQ(list_last(l), nullptr);
  EXPECT_EQ(l->count, 0u);
  s_append(l, 7);  // a stale tail would link the new node behind freed memory
  EXPECT_EQ(s_values(l), (std::vector<int>{7}));
  list_free(l, nullptr);
}

TEST(List, DeleteFixesHeadAndTail) {
  list_t *l = list_create(sizeof(int));
  ASSERT_NE(l, nullptr);
  int *a = s_append(l, 1);
  int *b = s_append(l, 2);
  int *c = s_append(l, 3);
  list_delete(l, c);  // the tail: the node before becomes the tail
  EXPECT_EQ(list_last(l), b);
  s_append(l, 4);
  EXPECT_EQ(s_values(l), (std::vector<int>{1, 2, 4}));
  list_delete(l, a);  // the head
  EXPECT_EQ(s_values(l), (std::vector<int>{2, 4}));
  list_t *other = list_create(sizeof(int));
  int *stranger = s_append(other, 9);
  list_delete(l, stranger);  // not in the list: nothing changes
  list_delete(l, nullptr);
  EXPECT_EQ(s_values(l), (std::vector<int>{2, 4}));
  EXPECT_EQ(l->count, 2u);
  EXPECT_EQ(s_values(other), (std::vector<int>{9}));
  list_delete(l, list_first(l));
  list_delete(l, list_first(l));  // the only node: the list is empty
  EXPECT_EQ(list_first(l), nullptr);
  EXPECT_EQ(list_last(l), nullptr);
  EXPECT_EQ(l->count, 0u);
  list_free(other, nullptr);
  list_free(l, nullptr);
}

TEST(List, FindAndClearInOrder) {
  list_t *l = list_create(sizeof(int));
  ASSERT_NE(l, nullptr);
  for (int i = 0; i < 5; i++) s_append(l, i * 10);
  s_append(l, 30);  // a second match later in the list
  int key = 30;
  auto match = [](const void *rec, const void *k) {
    return *static_cast<const int *>(rec) == *static_cast<const int *>(k) ? 0 : 1;
  };
  auto *found = static_cast<int *>(list_find(l, &key, match));
  ASSERT_NE(found, nullptr);
  EXPECT_EQ(*static_cast<int *>(list_next(found)), 40) << "the first match is returned";
  key = 31;
  EXPECT_EQ(list_find(l, &key, match), nullptr);
  cleared.clear();
  list_clear(l, s_note);
  EXPECT_EQ(cleared, (std::vector<int>{0, 10, 20, 30, 40, 30}));
  EXPECT_EQ(l->count, 0u);
  EXPECT_EQ(list_first(l), nullptr);
  EXPECT_EQ(list_last(l), nullptr);
  s_append(l, 5);  // still usable after clearing
  cleared.clear();
  list_free(l, s_note);
  EXPECT_EQ(cleared, (std::vector<int>{5}));
  list_free(nullptr, nullptr);
}

TEST(List, RecordSizesThatDoNotFitAreRefused) {
  EXPECT_EQ(list_create(static_cast<size_t>(UINT32_MAX) + 1), nullptr);
  list_t *l = list_create(0);  // records of no bytes are still distinct nodes
  ASSERT_NE(l, nullptr);
  void *a = list_append(l);
  void *b = list_append(l);
  EXPECT_NE(a, b);
  EXPECT_EQ(list_next(a), b);
  list_free(l, nullptr);
}
