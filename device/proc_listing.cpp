// Device listing. In: the processor table through its queries (and the family
// rows of processors.def for the family names). Out: one Markdown document,
// deterministic, with a family table and one row per device in id order.
#include "device/proc_listing.h"

#include <cstdio>

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
  return out;
}
