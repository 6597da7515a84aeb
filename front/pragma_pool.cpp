// The pragma pool: owns the strings, save-list items and config lists that
// pragma records refer to by 32-bit handle. Handles are slot numbers plus 1;
// released slots are reused. A record is released with pragma_record_free by
// whoever frees the syntax tree that carries it.
#include <cstdio>
#include <string>
#include <vector>

#include "driver/diag.h"
#include "front/pragma.h"

namespace {
enum slot_type { SLOT_FREE, SLOT_TEXT, SLOT_OBJECT, SLOT_SAVE_ITEM };

struct pool_slot {
  slot_type type = SLOT_FREE;
  std::string text;                       // SLOT_TEXT
  void *object = nullptr;                 // SLOT_OBJECT
  void (*destroy)(void *) = nullptr;      // SLOT_OBJECT
  pragma_save_item item{};                // SLOT_SAVE_ITEM
};
}  // namespace

static std::vector<pool_slot> s_slots;
static std::vector<uint32_t> s_free_slots;
static size_t s_live;

static pragma_ref s_allocate(slot_type type) {
  uint32_t index;
  if (!s_free_slots.empty()) {
    index = s_free_slots.back();
    s_free_slots.pop_back();
  } else {
    index = static_cast<uint32_t>(s_slots.size());
    s_slots.emplace_back();
  }
  s_slots[index].type = type;
  s_live++;
  return index + 1;
}

static pool_slot *s_slot(pragma_ref ref, slot_type type) {
  if (ref == 0)
    return nullptr;
  VELC_ASSERT(ref <= s_slots.size() && s_slots[ref - 1].type == type);
  return &s_slots[ref - 1];
}

pragma_ref pragma_pool_text(const char *text) {
  if (!text)
    return 0;
  pragma_ref ref = s_allocate(SLOT_TEXT);
  s_slots[ref - 1].text = text;
  return ref;
}

const char *pragma_pool_get_text(pragma_ref ref) {
  pool_slot *slot = s_slot(ref, SLOT_TEXT);
  return slot ? slot->text.c_str() : nullptr;
}

pragma_ref pragma_pool_object(void *object, void (*destroy)(void *)) {
  pragma_ref ref = s_allocate(SLOT_OBJECT);
  s_slots[ref - 1].object = object;
  s_slots[ref - 1].destroy = destroy;
  return ref;
}

void *pragma_pool_get_object(pragma_ref ref) {
  pool_slot *slot = s_slot(ref, SLOT_OBJECT);
  return slot ? slot->object : nullptr;
}

pragma_ref pragma_pool_save_item(uint32_t kind, const char *name) {
  pragma_ref name_ref = pragma_pool_text(name);
  pragma_ref ref = s_allocate(SLOT_SAVE_ITEM);
  s_slots[ref - 1].item = pragma_save_item{kind, name_ref, 0};
  return ref;
}

pragma_save_item *pragma_pool_get_save_item(pragma_ref ref) {
  pool_slot *slot = s_slot(ref, SLOT_SAVE_ITEM);
  return slot ? &slot->item : nullptr;
}

void pragma_pool_release(pragma_ref ref) {
  if (ref == 0)
    return;
  VELC_ASSERT(ref <= s_slots.size() && s_slots[ref - 1].type != SLOT_FREE);
  pool_slot &slot = s_slots[ref - 1];
  if (slot.type == SLOT_OBJECT && slot.destroy)
    slot.destroy(slot.object);
  slot = pool_slot{};
  s_free_slots.push_back(ref - 1);
  s_live--;
}

size_t pragma_pool_live_count() { return s_live; }

void pragma_pool_clear() {
  for (pool_slot &slot : s_slots)
    if (slot.type == SLOT_OBJECT && slot.destroy)
      slot.destroy(slot.object);
  std::vector<pool_slot>().swap(s_slots);
  std::vector<uint32_t>().swap(s_free_slots);
  s_live = 0;
}

static void s_free_save_list(pragma_ref ref) {
  while (ref) {
    pragma_save_item *item = pragma_pool_get_save_item(ref);
    pragma_ref next = item->next;
    pragma_pool_release(item->name);
    pragma_pool_release(ref);
    ref = next;
  }
}

void pragma_record_free(pragma_record *record) {
  pragma_pool_release(record->file);
  switch (record->kind) {
  case PRAGMA_SECTION: pragma_pool_release(record->u.section.name); break;
  case PRAGMA_INTERRUPT:
    pragma_pool_release(record->u.interrupt.function);
    pragma_pool_release(record->u.interrupt.name);
    s_free_save_list(record->u.interrupt.save_list);
    break;
  case PRAGMA_TMPDATA: pragma_pool_release(record->u.tmpdata.section); break;
  case PRAGMA_CONFIG: pragma_pool_release(record->u.config.settings); break;
  default: VELC_ASSERT(!"pragma kind");
  }
  *record = pragma_record{};
}
