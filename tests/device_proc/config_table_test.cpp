// The configuration tables against the processor database and against
// themselves: which devices have tables, that every row of config.def names
// its device correctly, and the shape of every device's bytes (addresses,
// disjoint masks, values inside their masks, unique upper-case names, erased
// defaults that are values of their settings), and the oscillator byte that
// sources written for any device rely on.
#include <gtest/gtest.h>

#include <cctype>
#include <cstring>
#include <set>
#include <string>

#include "device/config_tables.h"
#include "device/processors.h"

namespace {

struct DefRow {
  int id;
  const char *name;
};
const DefRow kDefRows[] = {
#define CONFIG_DEVICE(id, name, T, ...) {id, name},
#include "device/config.def"
};

bool s_upper_name(const char *name) {
  if (!*name) return false;
  for (const char *p = name; *p; ++p)
    if (!isupper(static_cast<unsigned char>(*p)) && !isdigit(static_cast<unsigned char>(*p)) && *p != '_') return false;
  return true;
}

const config_setting *s_setting(const config_byte &byte, const char *name) {
  for (const config_setting *s = byte.settings; s->name; ++s)
    if (strcmp(s->name, name) == 0) return s;
  return nullptr;
}

const config_value *s_value(const config_setting *s, const char *name) {
  for (const config_value *v = s->values; v->name; ++v)
    if (strcmp(v->name, name) == 0) return v;
  return nullptr;
}

// Every structural rule one device's bytes must keep.
void s_check_bytes(const config_byte *bytes, int count) {
  std::set<std::string> names;
  uint32_t previous = 0;
  for (int i = 0; i < count; ++i) {
    const config_byte &b = bytes[i];
    SCOPED_TRACE(testing::Message() << "byte 0x" << std::hex << b.address);
    EXPECT_GE(b.address, 0x300000u);
    EXPECT_LT(b.address, 0x300010u);
    EXPECT_TRUE(i == 0 || b.address > previous) << "addresses ascend";
    previous = b.address;
    EXPECT_EQ(b.specified, 0);
    uint8_t used = 0;
    ASSERT_NE(b.settings, nullptr);
    ASSERT_NE(b.settings->name, nullptr) << "a byte without settings";
    for (const config_setting *s = b.settings; s->name; ++s) {
      SCOPED_TRACE(s->name);
      EXPECT_TRUE(s_upper_name(s->name));
      EXPECT_TRUE(names.insert(s->name).second) << "setting name used twice";
      EXPECT_NE(s->mask, 0);
      EXPECT_EQ(used & s->mask, 0) << "masks overlap";
      used |= s->mask;
      ASSERT_NE(s->description, nullptr);
      std::set<std::string> values;
      std::set<int> bits;
      bool default_is_a_value = false;
      for (const config_value *v = s->values; v->name; ++v) {
        EXPECT_TRUE(s_upper_name(v->name)) << v->name;
        EXPECT_TRUE(values.insert(v->name).second) << "value name used twice: " << v->name;
        EXPECT_TRUE(bits.insert(v->value).second) << "value bits used twice: " << v->name;
        EXPECT_EQ(v->value & ~s->mask, 0) << v->name << " outside the mask";
        default_is_a_value |= (b.value & s->mask) == v->value;
      }
      EXPECT_GE(values.size(), 2u);
      EXPECT_TRUE(default_is_a_value) << "erased default 0x" << std::hex << int(b.value);
    }
    EXPECT_EQ(b.value & ~used, 0) << "default sets bits of no setting";
  }
}

}  // namespace

TEST(ConfigTables, WhichDevicesHaveTables) {
  int with = 0;
  for (int id = 1; id <= PROC_COUNT; ++id) {
    SCOPED_TRACE(getDvsProcName(id));
    int count = -7;
    const config_byte *bytes = get_config_bytes(id, &count);
    EXPECT_EQ(bytes != nullptr, get_config_template(id) != nullptr);
    if (!bytes) {
      EXPECT_EQ(count, -7) << "the count is left alone";
      EXPECT_FALSE(supports_extended_mode(id)) << "an extended-mode device without tables";
      continue;
    }
    ++with;
    EXPECT_EQ(getInstSet(id), INSTSET_HARROW);
    EXPECT_EQ(count, get_config_template(id)->count);
  }
  EXPECT_EQ(with, 128);
  for (const DefRow &row : kDefRows) EXPECT_STREQ(row.name, getDvsProcName(row.id)) << "config.def row " << row.id;
  EXPECT_EQ(std::size(kDefRows), 128u);
}

TEST(ConfigTables, EveryDeviceTableIsWellFormed) {
  for (int id = 1; id <= PROC_COUNT; ++id) {
    int count = 0;
    const config_byte *bytes = get_config_bytes(id, &count);
    if (!bytes) continue;
    SCOPED_TRACE(getDvsProcName(id));
    s_check_bytes(bytes, count);
    // The oscillator byte has the same shape on every device.
    ASSERT_GE(count, 2);
    const config_byte &osc_byte = bytes[bytes[0].address == 0x300000 ? 1 : 0];
    ASSERT_EQ(osc_byte.address, 0x300001u);
    const config_setting *osc = s_setting(osc_byte, "OSC");
    const config_setting *oscs = s_setting(osc_byte, "OSCS");
    ASSERT_TRUE(osc && oscs);
    EXPECT_EQ(osc->mask, 0x07);
    EXPECT_TRUE(s_value(osc, "HS") && s_value(osc, "RC"));
    EXPECT_EQ(oscs->mask, 0x20);
    ASSERT_TRUE(s_value(oscs, "ON") && s_value(oscs, "OFF"));
    EXPECT_EQ(s_value(oscs, "ON")->value, 0x00);
    EXPECT_EQ(s_value(oscs, "OFF")->value, 0x20);
    // The extended instruction set can be switched on where the device has it.
    bool xinst = false;
    for (int i = 0; i < count; ++i) xinst |= s_setting(bytes[i], "XINST") != nullptr;
    EXPECT_EQ(xinst, supports_extended_mode(id));
  }
}

TEST(ConfigTables, EveryLayoutIsUsed) {
  int layouts = 0;
  const config_template *t = get_config_templates(&layouts);
  EXPECT_GE(layouts, 3);
  for (int i = 0; i < layouts; ++i) {
    int users = 0;
    for (int id = 1; id <= PROC_COUNT; ++id) users += get_config_template(id) == &t[i];
    EXPECT_GT(users, 0) << t[i].name;
  }
}
