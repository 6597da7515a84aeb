// Singly linked list of fixed-size, zero-filled records. In: requests to add,
// find and remove records. Out: record storage handed to the caller; the node
// header lies just before it.
#include "util/util.h"

#include <cstdlib>

struct list_node {
  list_node *next;
  // element_size bytes of record follow
};

static void *s_record_of(list_node *node) { return node ? static_cast<void *>(node + 1) : nullptr; }
static list_node *s_node_of(const void *record) {
  return static_cast<list_node *>(const_cast<void *>(record)) - 1;
}

static list_node *s_new_node(const list_t *list) {
  return static_cast<list_node *>(calloc(1, sizeof(list_node) + list->element_size));
}

// The header keeps the record size in 32 bits; a larger one is refused.
list_t *list_create(size_t element_size) {
  if (element_size > UINT32_MAX)
    return nullptr;
  auto *list = static_cast<list_t *>(calloc(1, sizeof(list_t)));
  if (list)
    list->element_size = static_cast<uint32_t>(element_size);
  return list;
}

void *list_append(list_t *list) {
  list_node *node = s_new_node(list);
  if (!node)
    return nullptr;
  if (list->tail)
    list->tail->next = node;
  else
    list->head = node;
  list->tail = node;
  list->count++;
  return s_record_of(node);
}

void *list_insert(list_t *list) {
  list_node *node = s_new_node(list);
  if (!node)
    return nullptr;
  node->next = list->head;
  list->head = node;
  if (!list->tail)
    list->tail = node;
  list->count++;
  return s_record_of(node);
}

static bool s_contains(const list_t *list, const list_node *wanted) {
  for (list_node *n = list->head; n; n = n->next)
    if (n == wanted)
      return true;
  return false;
}

void *list_inject(list_t *list, void *record) {
  if (!list->head)
    return nullptr;
  if (!record)
    return list_insert(list);
  list_node *after = s_node_of(record);
  if (!s_contains(list, after))
    return nullptr;
  list_node *node = s_new_node(list);
  if (!node)
    return nullptr;
  node->next = after->next;
  after->next = node;
  if (list->tail == after)
    list->tail = node;
  list->count++;
  return s_record_of(node);
}

void *list_first(const list_t *list) { return s_record_of(list->head); }
void *list_last(const list_t *list) { return s_record_of(list->tail); }
void *list_next(const void *record) { return record ? s_record_of(s_node_of(record)->next) : nullptr; }

void *list_find(const list_t *list, const void *key, int (*match)(const void *record, const void *key)) {
  for (list_node *n = list->head; n; n = n->next)
    if (match(s_record_of(n), key) == 0)
      return s_record_of(n);
  return nullptr;
}

void list_pop(list_t *list) {
  list_node *node = list->head;
  if (!node)
    return;
  list->head = node->next;
  if (!list->head)
    list->tail = nullptr;
  list->count--;
  free(node);
}

void list_delete(list_t *list, void *record) {
  if (!record)
    return;
  list_node *wanted = s_node_of(record);
  list_node *prev = nullptr;
  for (list_node *n = list->head; n; prev = n, n = n->next) {
    if (n != wanted)
      continue;
    if (prev)
      prev->next = n->next;
    else
      list->head = n->next;
    if (list->tail == n)
      list->tail = prev;
    list->count--;
    free(n);
    return;
  }
}

void list_clear(list_t *list, record_destructor_fn destructor) {
  if (!list)
    return;
  list_node *n = list->head;
  while (n) {
    list_node *next = n->next;
    if (destructor)
      destructor(s_record_of(n));
    free(n);
    n = next;
  }
  list->head = list->tail = nullptr;
  list->count = 0;
}

void list_free(list_t *list, record_destructor_fn destructor) {
  if (!list)
    return;
  list_clear(list, destructor);
  free(list);
}
