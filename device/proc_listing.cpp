// Device listing. In: the processor table through its queries (and the family
// rows of processors.def for the family names), and the configuration tables.
// Out: one Markdown document, deterministic, with a family table, one row per
// device in id order, every configuration layout with its settings and
// values, and the layout and erased defaults of each device.
#include "device/proc_listing.h"

#include <cstdio>

#include "device/config_tables.h"
#include "device/processors.h"

static const char *const s_family_names[] = {
#define PROC_FAMILY(code, NAME, display, devices, rw, ps, mr, bs, mram) display,
#include "device/processors.def"
};

static const int s_family_devices[] = {
#define PROC_FAMILY(code, NAME, display, devices, rw, ps, mr, bs, mram) devices,
#include "device/processors.def"
};

// First device id of each family: the family queries answer per device.
static int s_first_of_family(int code) {
  for (int id = 1; id <= PROC_COUNT; ++id)
    if (getInstSet(id) == code) return id;
  return 0;
}

static std::string s_format(const char *fmt, long a = 0, long b = 0, long c = 0, long d = 0, long e = 0) {
  char buf[256];
  snprintf(buf, sizeof buf, fmt, a, b, c, d, e);
  return buf;
}

static std::string s_family_table() {
  std::string out =
      "| Family | Code | Devices | ROM width | Locations per page | Max ROM address | Locations per bank | Max RAM address |\n"
      "|---|---|---|---|---|---|---|---|\n";
  for (int code = 1; code <= 4; ++code) {
    int id = s_first_of_family(code);
    out += std::string("| ") + s_family_names[code - 1];
    out += s_format(" | %ld | %ld | %ld | %ld | 0x%lX", code, s_family_devices[code - 1], getRomWidth(id),
                    getLocationsPerPage(id), getMaxROMAddr(id));
    out += s_format(" | %ld | 0x%lX |\n", getLocationsPerBank(id), getMaxRAMAddr(id));
  }
  return out;
}

static std::string s_notes(int id) {
  std::string notes;
  if (id == PROC_GENERIC_ID) notes += "generic description; ";
  if (id >= 186 && id <= 189) notes += "no LFSR; ";
  if (getInstSet(id) == INSTSET_HARROW && getProgramLocations(id) == 0) notes += "no on-chip program memory; ";
  if (!notes.empty()) notes.resize(notes.size() - 2);
  return notes;
}

static std::string s_device_row(int id) {
  std::string row = s_format("| %ld | ", id) + getDvsProcName(id) + " | " + s_family_names[getInstSet(id) - 1];
  row += s_format(" | 0x%04lX | %ld | %ld | %ld | %ld", getDvsProcType(id), getProgramLocations(id),
                  getNumberOfPages(id), getNumberOfBanks(id), getDataLocations(id));
  row += supports_extended_mode(id) ? " | yes | " : " | no | ";
  return row + s_notes(id) + " |\n";
}

// "`LP` 0x00 (LP oscillator); ..." for the values of one setting.
static std::string s_values_text(const config_setting *setting) {
  std::string out;
  for (const config_value *v = setting->values; v->name; ++v) {
    if (!out.empty()) out += "; ";
    out += std::string("`") + v->name + "`" + s_format(" 0x%02lX (", v->value) + v->description + ")";
  }
  return out;
}

static std::string s_layout_table(const config_template &t) {
  std::string out = std::string("### ") + t.name + "\n\n" + t.description + ".\n\n" +
                    "| Address | Setting | Description | Mask | Values |\n|---|---|---|---|---|\n";
  for (int i = 0; i < t.count; ++i)
    for (const config_setting *s = t.bytes[i].settings; s->name; ++s)
      out += s_format("| 0x%06lX | ", t.bytes[i].address) + s->name + " | " + s->description +
             s_format(" | 0x%02lX | ", s->mask) + s_values_text(s) + " |\n";
  return out + "\n";
}

static std::string s_config_device_rows() {
  std::string out = "| Id | Name | Layout | Erased defaults |\n|---|---|---|---|\n";
  for (int id = 1; id <= PROC_COUNT; ++id) {
    int count = 0;
    const config_byte *bytes = get_config_bytes(id, &count);
    if (!bytes) continue;
    out += s_format("| %ld | ", id) + getDvsProcName(id) + " | " + get_config_template(id)->name + " |";
    for (int i = 0; i < count; ++i) out += s_format(" %02lX", bytes[i].value);
    out += " |\n";
  }
  return out;
}

static std::string s_config_section() {
  int layouts = 0, devices = 0;
  const config_template *t = get_config_templates(&layouts);
  for (int id = 1; id <= PROC_COUNT; ++id) devices += get_config_template(id) != nullptr;
  std::string out = s_format("\n## Configuration settings\n\n%ld", devices) +
                    " Harrow devices have configuration bytes at 0x300000 and up, in one of the\n"
                    "layouts below. A source selects their settings with\n"
                    "`#pragma config SETTING=VALUE, ...`; setting and value names are case-sensitive.\n"
                    "`velcqx-extended --help-config -p DEVICE` lists the settings of a device.\n"
                    "The bits of a byte that no pragma sets keep the device's erased default;\n"
                    "a byte that no pragma touches is not written into the object file at all.\n"
                    "A value is given in the bits of its setting (the mask).\n\n";
  for (int i = 0; i < layouts; ++i) out += s_layout_table(t[i]);
  std::string without;
  for (int id = 1; id <= PROC_COUNT; ++id)
    if (getInstSet(id) == INSTSET_HARROW && !get_config_template(id))
      without += std::string(without.empty() ? "" : ", ") + getDvsProcName(id);
  out += "### Devices\n\n"
         "The layout of each device with configuration bytes, and the erased value of\n"
         "each of its bytes (hexadecimal, in the address order of the layout). Harrow\n"
         "devices without configuration settings: " + without + ".\n\n";
  return out + s_config_device_rows();
}

std::string proc_listing_markdown() {
  std::string out =
      "# Devices\n\n"
      "<!-- Generated from device/processors.def: run `proclist > docs/devices.md`"
      " from the build's bin folder. A unit test fails when this file and the table differ. -->\n\n"
      "The processor database knows the devices below. The compiler accepts only the\n"
      "Harrow devices marked as having extended mode; `-p` names a device ignoring case,\n"
      "and `-p Harrow` selects the generic description (id 257).\n\n"
      "## Families\n\n";
  out += s_family_table();
  out += "\nProgram memory is counted in locations of the family's ROM width (bytes on Harrow,\n"
         "instruction words elsewhere); data memory in bytes.\n\n"
         "## Device table\n\n"
         "| Id | Name | Family | Type code | Program locations | Pages | Banks | Data locations | Extended mode | Notes |\n"
         "|---|---|---|---|---|---|---|---|---|---|\n";
  for (int id = 1; id <= PROC_COUNT; ++id) out += s_device_row(id);
  return out + s_config_section();
}
