// "#pragma config" settings: SETTING=VALUE pairs looked up in the selected
// device's configuration tables. In: the tokens after "config". Out: the
// located settings in word 3 of the record (last parsed first), or 0 with a
// message and no effect at all, even for the pairs before the faulty one.
// The bytes that the pairs are merged into are a copy of the processor's
// configuration tables, taken by pragma_config_initialize. A device without
// tables has no settings, so every name is unknown (1224).
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "driver/diag.h"
#include "driver/settings.h"
#include "front/pragma.h"
#include "front/pragma_config.h"
#include "front/pragma_private.h"
#include "front/scan.h"

config_byte *config_bytes;
int number_of_config_bytes;

static std::vector<config_byte> s_selected;  // the copy that config_bytes points into

void pragma_config_initialize() {
  int count = 0;
  const config_byte *table = get_config_bytes(processor, &count);
  s_selected.assign(table, table ? table + count : table);
  config_bytes = s_selected.empty() ? nullptr : s_selected.data();
  number_of_config_bytes = static_cast<int>(s_selected.size());
}

static located_setting *s_new_located(config_byte *byte, const config_setting *setting) {
  auto *located = static_cast<located_setting *>(calloc(1, sizeof(located_setting)));
  if (!located)
    post_error(101);
  located->byte = byte;
  located->setting = setting;
  return located;
}

located_setting *s_locate_setting(const char *name) {
  for (int i = 0; i < number_of_config_bytes; i++)
    for (const config_setting *s = config_bytes[i].settings; s && s->name; s++)
      if (strcmp(s->name, name) == 0)
        return s_new_located(&config_bytes[i], s);
  return nullptr;
}

int s_locate_value(located_setting *located, const char *name) {
  for (const config_value *v = located->setting->values; v && v->name; v++)
    if (strcmp(v->name, name) == 0) {
      located->value = v;
      return 1;
    }
  return 0;
}

int s_set_config_value(const located_setting *located) {
  config_byte *byte = located->byte;
  uint8_t mask = located->setting->mask;
  if ((byte->specified & mask) == mask)
    return 0;
  byte->value = static_cast<uint8_t>((byte->value & ~mask) | located->value->value);
  byte->specified |= mask;
  return 1;
}

static void s_free_located(void *list) {
  for (auto *located = static_cast<located_setting *>(list); located;) {
    located_setting *next = located->next;
    free(located);
    located = next;
  }
}

const located_setting *pragma_config_settings(const pragma_record *record) {
  return static_cast<const located_setting *>(pragma_pool_get_object(record->u.config.settings));
}

// The text of the lookahead as a name: identifiers and numbers alike ("OFF", "1").
static std::string s_word() { return pragma_at_line_end() ? std::string() : pragma_token_text(); }

// SETTING = VALUE; returns the located setting or null after a message.
static located_setting *s_pair() {
  std::string name = s_word();
  located_setting *located = s_locate_setting(name.c_str());
  if (!located) {
    post_error(1224, name.c_str());
    return nullptr;
  }
  resetlookahead();
  if (!match('=')) {
    free(located);
    post_error(1002, "=");
    return nullptr;
  }
  resetlookahead();
  std::string value = s_word();
  if (!s_locate_value(located, value.c_str())) {
    free(located);
    post_error(1225, value.c_str(), name.c_str());
    return nullptr;
  }
  resetlookahead();
  return located;
}

int s_parse_pragma_config(pragma_record *record) {
  record->kind = PRAGMA_CONFIG;
  located_setting *list = nullptr;
  for (;;) {
    located_setting *located = s_pair();
    int separator = located && match(',');
    if (!located || (!separator && !pragma_at_line_end())) {
      if (located)
        post_error(1002, ",");
      free(located);
      s_free_located(list);
      return pragma_fail(0, nullptr);
    }
    located->next = list;
    list = located;
    if (!separator)
      break;
    resetlookahead();
  }
  resetlookahead();
  record->u.config.settings = pragma_pool_object(list, s_free_located);
  return 1;
}
