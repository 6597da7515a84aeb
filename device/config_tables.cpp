// Configuration tables. In: device/config.def. Out: for each Harrow device
// with a row there, its configuration bytes (the layout's bytes with the
// device's erased defaults), built at compile time; and the layouts
// themselves for listings. A default row of the wrong length does not build.
#include "device/config_tables.h"

#include <array>
#include <cstddef>
#include <iterator>

namespace {

// ---- values -------------------------------------------------------------------
#define CONFIG_VALUES(V) constexpr config_value s_values_##V[] = {
#define CONFIG_VALUE(name, description, value) {name, description, value},
#define CONFIG_VALUES_END {nullptr, nullptr, 0}};
#define CONFIG_SWITCH(V, bit, on_value)                                                       \
  constexpr config_value s_values_##V[] = {{(on_value) ? "OFF" : "ON", (on_value) ? "Disabled" : "Enabled", 0},  \
                                           {(on_value) ? "ON" : "OFF", (on_value) ? "Enabled" : "Disabled", bit}, \
                                           {nullptr, nullptr, 0}};
#include "device/config.def"

// ---- settings -----------------------------------------------------------------
#define CONFIG_SETTINGS(S) constexpr config_setting s_settings_##S[] = {
#define CONFIG_SETTING(name, description, mask, V) {name, description, mask, s_values_##V},
#define CONFIG_SETTINGS_END {nullptr, nullptr, 0, nullptr}};
#include "device/config.def"

// ---- layouts ------------------------------------------------------------------
#define CONFIG_TEMPLATE(T, description) constexpr config_byte s_bytes_##T[] = {
#define CONFIG_BYTE(address, S) {address, 0, 0, s_settings_##S},
#define CONFIG_TEMPLATE_END };
#include "device/config.def"

enum TemplateIndex {
#define CONFIG_TEMPLATE(T, description) TEMPLATE_##T,
#include "device/config.def"
};

constexpr config_template s_templates[] = {
#define CONFIG_TEMPLATE(T, description) {#T, description, s_bytes_##T, static_cast<int>(std::size(s_bytes_##T))},
#include "device/config.def"
};

// ---- devices ------------------------------------------------------------------
// A layout's bytes with one device's defaults; the lengths must agree.
template <size_t N>
constexpr std::array<config_byte, N> s_with_defaults(const config_byte (&bytes)[N], const uint8_t (&defaults)[N]) {
  std::array<config_byte, N> out{};
  for (size_t i = 0; i < N; ++i) {
    out[i] = bytes[i];
    out[i].value = defaults[i];
  }
  return out;
}

#define CONFIG_DEVICE(id, name, T, ...)                        \
  constexpr uint8_t s_defaults_##id[] = {__VA_ARGS__};         \
  constexpr auto s_device_##id = s_with_defaults(s_bytes_##T, s_defaults_##id);
#include "device/config.def"

struct device_config {
  int id;
  int layout;                // index into s_templates
  const config_byte *bytes;
  int count;
};

constexpr device_config s_devices[] = {
#define CONFIG_DEVICE(id, name, T, ...) {id, TEMPLATE_##T, s_device_##id.data(), static_cast<int>(s_device_##id.size())},
#include "device/config.def"
};

const device_config *s_find(int id) {
  for (const device_config &d : s_devices)
    if (d.id == id)
      return &d;
  return nullptr;
}

}  // namespace

const config_byte *get_config_bytes(int id, int *count_out) {
  const device_config *d = s_find(id);
  if (!d)
    return nullptr;
  *count_out = d->count;
  return d->bytes;
}

const config_template *get_config_template(int id) {
  const device_config *d = s_find(id);
  return d ? &s_templates[d->layout] : nullptr;
}

const config_template *get_config_templates(int *count_out) {
  *count_out = static_cast<int>(std::size(s_templates));
  return s_templates;
}
