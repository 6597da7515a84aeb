// Configuration tables of the Harrow devices: the configuration bytes at
// 0x300000 and up, the settings that occupy their bits and the named values
// of each setting (device/config.def). The tables are constant; the
// compiler copies the selected device's bytes and merges "#pragma config"
// settings into the copy.
#ifndef VELC_DEVICE_CONFIG_TABLES_H
#define VELC_DEVICE_CONFIG_TABLES_H

#include <cstdint>

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

// One configuration byte of a device.
struct config_byte {
  uint32_t address;          // program-memory address
  uint8_t specified;         // bits set by some pragma so far (0 in the tables)
  uint8_t value;             // current value (in the tables: the erased default)
  const config_setting *settings;
};

// One configuration layout shared by several devices.
struct config_template {
  const char *name;          // e.g. "STANDARD"
  const char *description;
  const config_byte *bytes;  // address order; the values are 0 here
  int count;
};

// The configuration bytes of device id with their erased defaults, and their
// number in *count_out; null (the count untouched) for a device without them.
const config_byte *get_config_bytes(int id, int *count_out);
// The layout that device id uses, or null when it has no configuration bytes.
const config_template *get_config_template(int id);
// The layouts in the order of the table, and their number.
const config_template *get_config_templates(int *count_out);

#endif
