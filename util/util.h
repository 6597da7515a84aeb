// Support containers: a chained hash table of fixed-size records keyed by a
// prefix of the record, a singly linked list of fixed-size records, and a
// growable string. Callers receive the address of the record storage itself
// and cast it to their own record type; nodes lie just before that storage.
#ifndef VELC_UTIL_UTIL_H
#define VELC_UTIL_UTIL_H

#include <cstddef>
#include <cstdint>

// ---- hash table ---------------------------------------------------------

using hash_compare_fn = int (*)(const void *key, const void *record, size_t key_size);
using hash_fn = unsigned (*)(const void *key, size_t key_size);
using record_destructor_fn = void (*)(void *record);

struct hash_node;

struct hash_table {
  uint32_t count;         // records stored
  uint32_t element_size;  // bytes of one record
  uint32_t key_size;      // leading record bytes that form the key
  uint32_t bucket_count;  // fixed at creation, unless the table grows
  hash_compare_fn compare;  // 0 on equality; memcmp by default
  hash_fn hash;             // hashpjw by default
  hash_node **buckets;      // lies directly behind the header until the table grows
  uint32_t growing;         // set by hash_set_growing
};

// Allocates header and buckets in one zero-filled block (0 buckets means 1); null when
// out of memory, or when key_size exceeds element_size or a size does not fit 32 bits.
hash_table *hash_create(size_t element_size, size_t key_size, size_t bucket_count);
// Replace the compare or hash function.
void hash_set_compare(hash_table *table, hash_compare_fn fn);
void hash_set_hash(hash_table *table, hash_fn fn);
// Lets the table double its buckets whenever it holds more than two records
// per bucket, up to the 65,536 that the 16-bit hash tells apart, so that a
// table of many names stays fast. Records keep their addresses and equal
// keys their order.
void hash_set_growing(hash_table *table);
// Always inserts at the head of the key's bucket; returns the record (key copied in).
void *hash_add(hash_table *table, const void *key);
// First record of the key's bucket that compares equal: the latest added wins.
void *hash_find(const hash_table *table, const void *key);
// Deletes the record found for key; -1 when there is none.
int hash_delete(hash_table *table, const void *key, record_destructor_fn destructor);
// Unlinks a record's node from its bucket without freeing it (again: no effect).
void hash_deletedirect(void *record);
// Destroys every record and node; the table stays usable.
void hash_deleteall(hash_table *table, record_destructor_fn destructor);
// hash_deleteall, then frees the table. A null table is ignored.
void hash_free(hash_table *table, record_destructor_fn destructor);
// 16-bit PJW-style hash: h = h*4 + signed byte, masked to 16 bits.
unsigned hashpjw(const void *bytes, size_t length);
unsigned hash_string_pjw(const char *string);
// 32-bit hash of a string that spreads names differing only in a few
// characters (v00001, v00002, ...) over all values, the low 16 bits too; for
// growing tables, which use all the bits.
unsigned hash_string_spread(const char *string);
// Calls fn on every record of the table (bucket order); for dumps and clean-up.
void hash_foreach(const hash_table *table, void (*fn)(void *record, void *context), void *context);

// ---- list ---------------------------------------------------------------

struct list_node;

struct list_t {
  uint32_t count;         // records in the list
  uint32_t element_size;  // bytes of one record
  list_node *head;
  list_node *tail;
};

// Empty list of element_size-byte records; null when out of memory or the size exceeds 32 bits.
list_t *list_create(size_t element_size);
void *list_append(list_t *list);   // zero-filled record at the tail
void *list_insert(list_t *list);   // zero-filled record at the head
// New record directly after record's node (null record: at the head);
// null when record is not in the list or the list is empty.
void *list_inject(list_t *list, void *record);
void *list_first(const list_t *list);
void *list_last(const list_t *list);
void *list_next(const void *record);
// First record for which match(record, key) returns 0.
void *list_find(const list_t *list, const void *key, int (*match)(const void *record, const void *key));
void list_pop(list_t *list);                  // unlinks and frees the head
void list_delete(list_t *list, void *record);  // unlinks and frees record's node; else no effect
void list_clear(list_t *list, record_destructor_fn destructor);
void list_free(list_t *list, record_destructor_fn destructor);

// ---- growable string ----------------------------------------------------

// Appends src to dest (null dest: a new 512-byte buffer); capacity grows in
// whole blocks of 512 bytes; src may lie inside dest. Returns the possibly moved
// buffer (free() it); null only when a new buffer cannot be had.
char *strcatdyn(char *dest, const char *src);

#endif
