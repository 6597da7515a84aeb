// Configuration settings of "#pragma config": the shapes of a device's
// configuration tables, the selected table, and the located settings that a
// config pragma record carries (word 3) to the translator.
#ifndef VELC_FRONT_PRAGMA_CONFIG_H
#define VELC_FRONT_PRAGMA_CONFIG_H

#include <cstdint>

#include "front/pragma.h"

// One value of a setting; a table ends with a row whose name is null.
struct config_value {
  const char *name;         // e.g. "ON"
  const char *description;
  uint8_t value;            // already in the bit positions of its setting
};

// One setting of a configuration byte; a table ends with a row whose name is null.
struct config_setting {
  const char *name;          // e.g. "OSCS"
  const char *description;
  uint8_t mask;              // bits of the byte that the setting occupies
  const config_value *values;
};

// One configuration byte of a device; updated in place while compiling.
struct config_byte {
  uint32_t address;          // program-memory address
  uint8_t specified;         // bits set by some pragma so far (0 at start)
  uint8_t value;             // current value (the erased default at start)
  const config_setting *settings;
};

// One SETTING=VALUE pair as parsed; the list is last-parsed first.
struct located_setting {
  config_byte *byte;
  const config_setting *setting;
  const config_value *value;
  located_setting *next;
};

// The configuration bytes of the selected processor (null when it has none).
extern config_byte *config_bytes;
extern int number_of_config_bytes;

// A new located setting for the first setting called name (table order), or null.
located_setting *s_locate_setting(const char *name);
// Finds the value called name in the located setting's table and stores it.
int s_locate_value(located_setting *located, const char *name);
// Merges one setting into its byte; 0 when its bits were already specified.
int s_set_config_value(const located_setting *located);
// The located settings of a config pragma record (word 3), or null.
const located_setting *pragma_config_settings(const pragma_record *record);

#endif
