// Chained hash table of fixed-size records. In: records keyed by their first
// key_size bytes. Out: record storage handed to the caller. New records go to
// the head of their bucket, so the latest of several equal keys is found first
// (the scope tables rely on this for shadowing).
#include "util/util.h"

#include <cstdlib>
#include <cstring>

struct hash_node {
  hash_node *next;       // next node of the bucket
  hash_node **prev_link; // the link that points at this node
  // element_size bytes of record follow
};

static char *s_record_of(hash_node *node) { return reinterpret_cast<char *>(node + 1); }
static hash_node *s_node_of(const void *record) {
  return reinterpret_cast<hash_node *>(const_cast<char *>(static_cast<const char *>(record))) - 1;
}

static int s_memcmp(const void *key, const void *record, size_t key_size) {
  return memcmp(key, record, key_size);
}

// A fixed table uses 16 bits of the hash; a growing one all of them, so
// that it can spread a scope of hundreds of thousands of names over as many
// buckets.
static hash_node **s_bucket(const hash_table *table, const void *key) {
  unsigned h = table->hash(key, table->key_size);
  return &table->buckets[(table->growing ? h : h & 0xFFFF) % table->bucket_count];
}

// The header keeps sizes and counts in 32 bits, and hash_add copies key_size
// bytes into a record of element_size bytes: anything else cannot be built.
static bool s_shape_fits(size_t element_size, size_t key_size, size_t bucket_count) {
  if (key_size > element_size || element_size > UINT32_MAX || bucket_count > UINT32_MAX)
    return false;
  return bucket_count <= (SIZE_MAX - sizeof(hash_table)) / sizeof(hash_node *);
}

hash_table *hash_create(size_t element_size, size_t key_size, size_t bucket_count) {
  if (bucket_count == 0)
    bucket_count = 1;
  if (!s_shape_fits(element_size, key_size, bucket_count))
    return nullptr;
  void *block = calloc(1, sizeof(hash_table) + bucket_count * sizeof(hash_node *));
  if (!block)
    return nullptr;
  auto *table = static_cast<hash_table *>(block);
  table->element_size = static_cast<uint32_t>(element_size);
  table->key_size = static_cast<uint32_t>(key_size);
  table->bucket_count = static_cast<uint32_t>(bucket_count);
  table->compare = s_memcmp;
  table->hash = hashpjw;
  table->buckets = reinterpret_cast<hash_node **>(table + 1);
  return table;
}

void hash_set_compare(hash_table *table, hash_compare_fn fn) { table->compare = fn; }
void hash_set_hash(hash_table *table, hash_fn fn) { table->hash = fn; }
void hash_set_growing(hash_table *table) { table->growing = 1; }

static bool s_owns_buckets(const hash_table *table) {
  return table->buckets != reinterpret_cast<hash_node *const *>(table + 1);
}

// Moves every node into twice as many buckets. Each chain is reversed
// first and then pushed node by node, so that equal keys, which land in
// the same new bucket, keep their order. Without memory the table stays as
// it is.
static void s_grow(hash_table *table) {
  uint32_t count = table->bucket_count * 2;
  auto **buckets = static_cast<hash_node **>(calloc(count, sizeof(hash_node *)));
  if (!buckets)
    return;
  hash_node **old = table->buckets;
  uint32_t old_count = table->bucket_count;
  table->buckets = buckets;
  table->bucket_count = count;
  for (uint32_t i = 0; i < old_count; i++) {
    hash_node *reversed = nullptr;
    for (hash_node *node = old[i]; node;) {
      hash_node *next = node->next;
      node->next = reversed;
      reversed = node;
      node = next;
    }
    for (hash_node *node = reversed; node;) {
      hash_node *next = node->next;
      hash_node **slot = s_bucket(table, s_record_of(node));
      node->next = *slot;
      if (node->next)
        node->next->prev_link = &node->next;
      node->prev_link = slot;
      *slot = node;
      node = next;
    }
  }
  if (old != reinterpret_cast<hash_node **>(table + 1))
    free(old);
}

void *hash_add(hash_table *table, const void *key) {
  auto *node = static_cast<hash_node *>(calloc(1, sizeof(hash_node) + table->element_size));
  if (!node)
    return nullptr;
  if (table->growing && table->count >= 2 * table->bucket_count && table->bucket_count < (1u << 24))
    s_grow(table);
  memcpy(s_record_of(node), key, table->key_size);
  hash_node **slot = s_bucket(table, key);
  node->next = *slot;
  if (node->next)
    node->next->prev_link = &node->next;
  node->prev_link = slot;
  *slot = node;
  table->count++;
  return s_record_of(node);
}

void *hash_find(const hash_table *table, const void *key) {
  for (hash_node *node = *s_bucket(table, key); node; node = node->next)
    if (table->compare(key, s_record_of(node), table->key_size) == 0)
      return s_record_of(node);
  return nullptr;
}

// A node already unlinked has no back link and is left alone.
void hash_deletedirect(void *record) {
  hash_node *node = s_node_of(record);
  if (!node->prev_link)
    return;
  *node->prev_link = node->next;
  if (node->next)
    node->next->prev_link = node->prev_link;
  node->next = nullptr;
  node->prev_link = nullptr;
}

int hash_delete(hash_table *table, const void *key, record_destructor_fn destructor) {
  void *record = hash_find(table, key);
  if (!record)
    return -1;
  if (destructor)
    destructor(record);
  table->count--;
  hash_deletedirect(record);
  free(s_node_of(record));
  return 0;
}

void hash_deleteall(hash_table *table, record_destructor_fn destructor) {
  if (!table)
    return;
  for (uint32_t i = 0; i < table->bucket_count; i++) {
    hash_node *node = table->buckets[i];
    while (node) {
      hash_node *next = node->next;
      if (destructor)
        destructor(s_record_of(node));
      free(node);
      node = next;
    }
    table->buckets[i] = nullptr;
  }
  table->count = 0;
}

void hash_free(hash_table *table, record_destructor_fn destructor) {
  if (!table)
    return;
  hash_deleteall(table, destructor);
  if (s_owns_buckets(table))
    free(table->buckets);
  free(table);
}

void hash_foreach(const hash_table *table, void (*fn)(void *record, void *context), void *context) {
  for (uint32_t i = 0; i < table->bucket_count; i++)
    for (hash_node *node = table->buckets[i]; node;) {
      hash_node *next = node->next; // fn may delete the record it is given
      fn(s_record_of(node), context);
      node = next;
    }
}

unsigned hashpjw(const void *bytes, size_t length) {
  const auto *p = static_cast<const signed char *>(bytes);
  unsigned h = 0;
  for (size_t i = 0; i < length; i++)
    h = h * 4 + static_cast<unsigned>(static_cast<int>(p[i]));
  return h & 0xFFFF;
}

unsigned hash_string_pjw(const char *string) { return hashpjw(string, strlen(string)); }

// FNV-1a over the bytes, its high half folded into the low one.
unsigned hash_string_spread(const char *string) {
  uint32_t h = 2166136261u;
  for (const auto *p = reinterpret_cast<const unsigned char *>(string); *p; p++)
    h = (h ^ *p) * 16777619u;
  return h ^ (h >> 16);
}
