// Lookups of the processor database by name and by type code, the data-address
// queries, refusal of ids outside the table, and the device listing's
// agreement with docs/devices.md.
#include <gtest/gtest.h>

#include <cctype>
#include <fstream>
#include <sstream>
#include <string>

#include "device/proc_listing.h"
#include "device/processors.h"

namespace {

std::string s_lower(std::string s) {
  for (char &c : s) c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
  return s;
}

int s_first_id_of(int family) {
  for (int id = 1; id <= PROC_COUNT; ++id)
    if (getInstSet(id) == family) return id;
  return 0;
}

}  // namespace

TEST(ProcLookup, EveryNameFindsItsIdInAnyCase) {
  for (int id = 1; id <= PROC_COUNT; ++id) {
    std::string name = getDvsProcName(id);
    int found = 0;
    ASSERT_EQ(convertDvsProcName(name.c_str(), &found), 1) << name;
    EXPECT_EQ(found, id);
    found = 0;
    ASSERT_EQ(convertDvsProcName(s_lower(name).c_str(), &found), 1) << name;
    EXPECT_EQ(found, id);
    std::string mixed = s_lower(name);
    mixed[0] = static_cast<char>(toupper(static_cast<unsigned char>(mixed[0])));
    found = 0;
    ASSERT_EQ(convertDvsProcName(mixed.c_str(), &found), 1) << mixed;
    EXPECT_EQ(found, id);
  }
}

TEST(ProcLookup, NearMissesAreNotFoundAndLeaveTheIdAlone) {
  std::string name = getDvsProcName(PROC_GENERIC_ID);
  // The option parser strips blanks before looking a name up; the lookup
  // itself compares whole names only.
  const std::string misses[] = {" " + name, name + " ", "\t" + name + "\n", name.substr(1),
                                name + "X", name + name, "", "HR", "H R4410", "Harrow4"};
  for (const std::string &miss : misses) {
    int id = 42;
    EXPECT_EQ(convertDvsProcName(miss.c_str(), &id), 0) << "'" << miss << "'";
    EXPECT_EQ(id, 42) << "'" << miss << "'";
  }
  int id = 42;
  EXPECT_EQ(convertDvsProcName(nullptr, &id), 0);
  EXPECT_EQ(id, 42);
}

TEST(ProcLookup, NonHarrowDeviceIsFoundButHasNoExtendedMode) {
  for (int fam : {INSTSET_FLINT, INSTSET_GARNET, INSTSET_EMBER}) {
    int first = s_first_id_of(fam);
    ASSERT_NE(first, 0);
    int id = 0;
    ASSERT_EQ(convertDvsProcName(s_lower(getDvsProcName(first)).c_str(), &id), 1);
    EXPECT_EQ(id, first);
    EXPECT_NE(getInstSet(id), INSTSET_HARROW);
    EXPECT_FALSE(supports_extended_mode(id));
  }
}

TEST(ProcLookup, TypeCodesMapBackAndOnlyHarrowIsSupported) {
  for (int id = 1; id <= PROC_COUNT; ++id) {
    uint16_t code = getDvsProcType(id);
    EXPECT_EQ(convertDvsProcType(code), id);
    EXPECT_EQ(isDvsProcTypeSupported(code), getInstSet(id) == INSTSET_HARROW) << getDvsProcName(id);
  }
  // Find a code no device has: it maps to no id and is not supported.
  uint16_t unused = 0xFFFF;
  while (convertDvsProcType(unused) != 0) --unused;
  EXPECT_FALSE(isDvsProcTypeSupported(unused));
}

TEST(ProcAddress, BankNumberAndOffsetPerFamily) {
  int harrow = PROC_GENERIC_ID, flint = s_first_id_of(INSTSET_FLINT);
  int garnet = s_first_id_of(INSTSET_GARNET), ember = s_first_id_of(INSTSET_EMBER);
  EXPECT_EQ(getDataBankNumber(harrow, 0xF80), 15);
  EXPECT_EQ(getDataBankOffset(harrow, 0xF80), 0x80);
  EXPECT_EQ(getDataBankNumber(harrow, 0x0FF), 0);
  EXPECT_EQ(getDataBankNumber(harrow, 0x100), 1);
  EXPECT_EQ(getDataBankNumber(garnet, 0x3FF), 3);
  EXPECT_EQ(getDataBankOffset(garnet, 0x3FF), 0xFF);
  EXPECT_EQ(getDataBankNumber(flint, 0x1A5), 3);
  EXPECT_EQ(getDataBankOffset(flint, 0x1A5), 0x25);
  EXPECT_EQ(getDataBankNumber(ember, 0x5F), 2);
  EXPECT_EQ(getDataBankOffset(ember, 0x5F), 0x1F);
  EXPECT_EQ(getDataBankNumber(ember, 0x60), 3);
  EXPECT_EQ(getDataBankOffset(ember, 0x60), 0);
  // The bank number is a 16-bit value even for an address beyond the family.
  EXPECT_EQ(getDataBankNumber(harrow, 0x1234567), 0x2345);
}

TEST(ProcAddress, GeneralPurposeRegisters) {
  for (uint32_t a : {0x000u, 0x05Fu, 0xF80u, 0xFFFu}) EXPECT_TRUE(isGpr(PROC_GENERIC_ID, a)) << a;
  // A Garnet part keeps special registers at offsets 0..0x1F of every bank.
  int garnet = s_first_id_of(INSTSET_GARNET);
  EXPECT_FALSE(isGpr(garnet, 0x01F));
  EXPECT_TRUE(isGpr(garnet, 0x020));
  EXPECT_FALSE(isGpr(garnet, 0x21F));
  EXPECT_TRUE(isGpr(garnet, 0x2FF));
  // The same threshold repeats in every bank of a Flint part.
  for (int id = 1; id <= PROC_COUNT; ++id) {
    if (getInstSet(id) != INSTSET_FLINT) continue;
    for (uint32_t off = 0; off < 128; ++off)
      ASSERT_EQ(isGpr(id, off), isGpr(id, off + 3 * 128)) << getDvsProcName(id) << " offset " << off;
  }
}

TEST(ProcRefusal, IdsOutsideTheTableAreInternalErrors) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_DEATH(getInstSet(0), "Internal compiler error");
  EXPECT_DEATH(getDvsProcName(PROC_COUNT + 1), "Internal compiler error");
  EXPECT_DEATH(supports_extended_mode(-1), "Internal compiler error");
  EXPECT_DEATH(getDataBankNumber(1000, 0x10), "Internal compiler error");
  EXPECT_DEATH(isGpr(0, 0x10), "Internal compiler error");
  EXPECT_DEATH(getMaxRAMAddr(322), "Internal compiler error");
}

TEST(ProcListing, DocumentMatchesTheTable) {
  std::ifstream in(DEVICES_MD, std::ios::binary);
  ASSERT_TRUE(in) << "cannot read " << DEVICES_MD;
  std::stringstream doc;
  doc << in.rdbuf();
  std::string listing = proc_listing_markdown();
  EXPECT_EQ(doc.str(), listing) << "regenerate docs/devices.md with proclist";
  // Spot checks of the rendering itself.
  EXPECT_NE(listing.find("| 257 | " + std::string(getDvsProcName(257)) + " | Harrow |"), std::string::npos);
  EXPECT_NE(listing.find("| Harrow | 4 | 131 | 8 | 2097152 | 0x1FFFFF | 256 | 0xFFF |"), std::string::npos);
  size_t config = listing.find("\n## Configuration settings\n");
  ASSERT_NE(config, std::string::npos);
  size_t rows = 0;
  for (size_t p = listing.find("\n| "); p < config; p = listing.find("\n| ", p + 1)) ++rows;
  EXPECT_EQ(rows, 1u + 4u + 1u + 321u);  // two headers, four families, 321 devices
  EXPECT_NE(listing.find("| 257 | " + std::string(getDvsProcName(257)) + " | LOWPOWER | 19 25 0F", config),
            std::string::npos);
}
