// Configuration settings of "#pragma config": the selected device's
// configuration bytes (a copy of its tables that the settings are merged
// into), the located settings that a config pragma record carries (word 3)
// to the translator, and the --help-config listing.
#ifndef VELC_FRONT_PRAGMA_CONFIG_H
#define VELC_FRONT_PRAGMA_CONFIG_H

#include <cstdint>

#include "device/config_tables.h"
#include "front/pragma.h"

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

// Selects the configuration bytes of the current processor, at their
// erased defaults with nothing specified.
void pragma_config_initialize();
// The --help-config listing of the current processor on standard output.
void pragma_config_help();

// A new located setting for the first setting called name (table order), or null.
located_setting *s_locate_setting(const char *name);
// Finds the value called name in the located setting's table and stores it.
int s_locate_value(located_setting *located, const char *name);
// Merges one setting into its byte; 0 when its bits were already specified.
int s_set_config_value(const located_setting *located);
// The located settings of a config pragma record (word 3), or null.
const located_setting *pragma_config_settings(const pragma_record *record);

#endif
