// The varlocate list: entries come in from "#pragma varlocate" while the
// source is parsed (newest first) and are read when the optimiser marks the
// symbols; the list owns copies of every string.
#include <cstdlib>
#include <cstring>

#include "driver/diag.h"
#include "opt/varlocate.h"

static varlocate_entry *s_varlocate_head;

static char *s_copy(const char *text) {
  char *copy = strdup(text ? text : "");
  if (!copy)
    post_error(101);
  return copy;
}

static void s_push(uint32_t kind, uint32_t value, const char *name, const char *section) {
  auto *entry = static_cast<varlocate_entry *>(calloc(1, sizeof(varlocate_entry)));
  if (!entry)
    post_error(101);
  entry->kind = kind;
  entry->value = value;
  entry->name = s_copy(name);
  entry->section = section ? s_copy(section) : nullptr;
  entry->next = s_varlocate_head;
  s_varlocate_head = entry;
}

void opt_varlocate_bank(const char *name, uint32_t bank) { s_push(VARLOCATE_BANK, bank, name, nullptr); }

void opt_varlocate_section(const char *name, const char *section) {
  s_push(VARLOCATE_SECTION, 0, name, section);
}

const varlocate_entry *opt_varlocate_first() { return s_varlocate_head; }

void opt_varlocate_clear() {
  while (varlocate_entry *entry = s_varlocate_head) {
    s_varlocate_head = entry->next;
    free(entry->name);
    free(entry->section);
    free(entry);
  }
}
