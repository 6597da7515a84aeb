// Table-wide properties of the processor database: family counts and shared
// fields, the extended-mode set, the generic description, size ranges and the
// consistency of pages, banks and special-register thresholds.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <set>
#include <string>

#include "device/processors.h"

namespace {

struct FamilyFacts {
  int code, devices, rom_width;
  long page, max_rom;
  int bank;
  long max_ram;
};
const FamilyFacts kFamilies[] = {
    {INSTSET_FLINT, 129, 14, 2048, 0x1FFF, 128, 0x1FF},
    {INSTSET_GARNET, 11, 16, 8192, 0xFFFF, 256, 0xFFF},
    {INSTSET_EMBER, 50, 12, 512, 0x7FF, 32, 0x7F},
    {INSTSET_HARROW, 131, 8, 0x200000, 0x1FFFFF, 256, 0xFFF},
};

// The lowest bank offset that isGpr accepts in bank 0, after checking that the
// accepted offsets form one run up to the end of the bank.
int s_first_gpr_offset(int id) {
  int bank = getLocationsPerBank(id);
  int first = bank;
  for (int off = 0; off < bank; ++off) {
    if (isGpr(id, off)) {
      if (first == bank) first = off;
    } else {
      EXPECT_EQ(first, bank) << getDvsProcName(id) << " has a special register above a GPR at " << off;
    }
  }
  return first;
}

}  // namespace

TEST(ProcTable, FamilyCountsAndSharedFields) {
  for (const FamilyFacts &f : kFamilies) {
    int n = 0;
    for (int id = 1; id <= PROC_COUNT; ++id) {
      if (getInstSet(id) != f.code) continue;
      ++n;
      SCOPED_TRACE(getDvsProcName(id));
      EXPECT_EQ(getRomWidth(id), f.rom_width);
      EXPECT_EQ(getRamWidth(id), 8);
      EXPECT_EQ(getLocationsPerPage(id), f.page);
      EXPECT_EQ(getMaxROMAddr(id), f.max_rom);
      EXPECT_EQ(getLocationsPerBank(id), f.bank);
      EXPECT_EQ(getMaxRAMAddr(id), f.max_ram);
    }
    EXPECT_EQ(n, f.devices) << "family " << f.code;
  }
}

TEST(ProcTable, EveryIdAnswersWithAFamilyAndUniqueNameAndCode) {
  std::set<std::string> names;
  std::set<int> codes;
  for (int id = 1; id <= PROC_COUNT; ++id) {
    int fam = getInstSet(id);
    EXPECT_TRUE(fam >= 1 && fam <= 4) << id;
    std::string upper = getDvsProcName(id);
    ASSERT_FALSE(upper.empty()) << id;
    for (char &c : upper) c = static_cast<char>(toupper(static_cast<unsigned char>(c)));
    EXPECT_TRUE(names.insert(upper).second) << "duplicate name " << upper;
    EXPECT_TRUE(codes.insert(getDvsProcType(id)).second) << "duplicate type code at id " << id;
    // The name becomes a preprocessor define "__<name>": letters and digits only.
    for (char c : upper) EXPECT_TRUE(isalnum(static_cast<unsigned char>(c))) << upper;
  }
  EXPECT_EQ(names.size(), 321u);
}

TEST(ProcTable, ExtendedModeOnlyOn85HarrowDevices) {
  int ext = 0;
  for (int id = 1; id <= PROC_COUNT; ++id) {
    if (!supports_extended_mode(id)) continue;
    ++ext;
    EXPECT_EQ(getInstSet(id), INSTSET_HARROW) << getDvsProcName(id);
  }
  EXPECT_EQ(ext, 85);
  for (int id = 186; id <= 189; ++id) {
    EXPECT_EQ(getInstSet(id), INSTSET_HARROW) << id;
    EXPECT_FALSE(supports_extended_mode(id)) << id;
  }
}

TEST(ProcTable, GenericDescriptionIsId257) {
  EXPECT_EQ(getInstSet(PROC_GENERIC_ID), INSTSET_HARROW);
  EXPECT_TRUE(supports_extended_mode(PROC_GENERIC_ID));
  EXPECT_EQ(getProgramLocations(PROC_GENERIC_ID), 64L * 1024);
  EXPECT_EQ(getNumberOfBanks(PROC_GENERIC_ID), 16);
  EXPECT_EQ(getDataLocations(PROC_GENERIC_ID), 3968);
  EXPECT_EQ(getNumberOfPages(PROC_GENERIC_ID), 1);
  // The generic name is not a row: the option parser handles it itself.
  int id = -7;
  EXPECT_EQ(convertDvsProcName(PROC_GENERIC_NAME, &id), 0);
  EXPECT_EQ(id, -7);
}

TEST(ProcTable, HarrowSizesWithinTheFamilyRanges) {
  int memoryless = 0;
  long largest = 0, smallest = 1L << 30;
  for (int id = 1; id <= PROC_COUNT; ++id) {
    if (getInstSet(id) != INSTSET_HARROW) continue;
    SCOPED_TRACE(getDvsProcName(id));
    long prog = getProgramLocations(id);
    if (prog == 0) {
      ++memoryless;
      EXPECT_EQ(getNumberOfPages(id), 0);
    } else {
      EXPECT_EQ(getNumberOfPages(id), 1);
      EXPECT_GE(prog, 4096);
      EXPECT_LE(prog, 2L * 1024 * 1024);
      EXPECT_EQ(prog % 1024, 0);
      largest = std::max(largest, prog);
      smallest = std::min(smallest, prog);
    }
    int banks = getNumberOfBanks(id), data = getDataLocations(id);
    EXPECT_GE(banks, 1);
    EXPECT_LE(banks, 16);
    EXPECT_GE(data, 256);
    EXPECT_LE(data, 3968);
    EXPECT_LE(data, banks * 256);
    EXPECT_GT(data, (banks - 1) * 256);
  }
  EXPECT_EQ(memoryless, 2);
  EXPECT_EQ(largest, 2L * 1024 * 1024);
  EXPECT_LE(smallest, 8192);
}

TEST(ProcTable, OtherFamiliesPagesBanksAndRegistersAgree) {
  int flint_default = 0, flint_other = 0;
  std::set<int> ember_thresholds;
  for (int id = 1; id <= PROC_COUNT; ++id) {
    int fam = getInstSet(id);
    if (fam == INSTSET_HARROW) continue;
    SCOPED_TRACE(getDvsProcName(id));
    long prog = getProgramLocations(id), page = getLocationsPerPage(id);
    EXPECT_GT(prog, 0);
    EXPECT_LE(prog, getMaxROMAddr(id) + 1);
    EXPECT_EQ(getNumberOfPages(id), (prog + page - 1) / page);
    int bank = getLocationsPerBank(id), banks = getNumberOfBanks(id);
    EXPECT_GE(banks, 1);
    EXPECT_LE(banks * bank, getMaxRAMAddr(id) + 1);
    int first = s_first_gpr_offset(id);
    EXPECT_GT(first, 0) << "offset 0 is always a special register";
    EXPECT_LE(getDataLocations(id), banks * (bank - first));
    EXPECT_GT(getDataLocations(id), 0);
    if (fam == INSTSET_GARNET) {
      EXPECT_EQ(first, 0x20);
    }
    if (fam == INSTSET_FLINT) ++(first == 0x20 ? flint_default : flint_other);
    if (fam == INSTSET_EMBER) ember_thresholds.insert(first);
  }
  EXPECT_GT(flint_default, flint_other) << "most Flint parts end their special registers at 0x1F";
  EXPECT_GT(flint_other, 0);
  EXPECT_GT(ember_thresholds.size(), 1u) << "Ember thresholds are device-specific";
}
