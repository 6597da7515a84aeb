// Intel HEX reading and writing: records, address extension, checksums and
// the messages for malformed files.
#include <gtest/gtest.h>

#include <map>

#include "sim/ihex.h"

static bool s_parse(const std::string &text, std::map<uint32_t, uint8_t> &out, std::string &err) {
  return ihex_parse(text, "t.hex", [&out](uint32_t a, const uint8_t *b, size_t n) {
    for (size_t i = 0; i < n; ++i) out[a + (uint32_t)i] = b[i];
  }, err);
}

TEST(Ihex, ReadsDataAndExtendedAddresses) {
  std::map<uint32_t, uint8_t> bytes;
  std::string err;
  ASSERT_TRUE(s_parse(":0400100001020304E2\n"
                      ":020000040030CA\n"
                      ":01000000AA55\n"
                      ":020000021000EC\n"
                      ":01000200BB42\n"
                      ":00000001FF\n",
                      bytes, err))
      << err;
  EXPECT_EQ(bytes.size(), 6u);
  EXPECT_EQ(bytes[0x10], 1);
  EXPECT_EQ(bytes[0x13], 4);
  EXPECT_EQ(bytes[0x300000], 0xAA);
  EXPECT_EQ(bytes[0x10002], 0xBB);
}

TEST(Ihex, RejectsBrokenFiles) {
  struct { const char *text; const char *message; } bad[] = {
      {":0400100001020304E3\n:00000001FF\n", "t.hex:1: checksum mismatch"},
      {":0400100001020304E2\n", "t.hex: missing end-of-file record"},
      {"0400100001020304E2\n:00000001FF\n", "t.hex:1: malformed record"},
      {":04001000010203\n:00000001FF\n", "t.hex:1: malformed record"},
      {":00000001FF\n", nullptr},
      {":0400100001020G04E2\n:00000001FF\n", "t.hex:1: malformed record"},
      {":00000007F9\n", "t.hex:1: unknown record type"},
  };
  for (auto &b : bad) {
    std::map<uint32_t, uint8_t> bytes;
    std::string err;
    bool ok = s_parse(b.text, bytes, err);
    EXPECT_EQ(ok, b.message == nullptr) << b.text;
    if (b.message) {
      EXPECT_EQ(err, b.message);
    }
  }
}

TEST(Ihex, WriteThenReadGivesTheSameBytes) {
  std::map<uint32_t, uint8_t> in;
  for (uint32_t i = 0; i < 40; ++i) in[0xFFF0 + i] = (uint8_t)(i * 7);  // crosses a 64 KiB boundary
  in[0x300001] = 0x1E;
  std::string text = ihex_format(in);
  EXPECT_EQ(text.substr(0, 9), ":10FFF000");
  EXPECT_NE(text.find(":020000040001F9\n"), std::string::npos);
  EXPECT_EQ(text.substr(text.size() - 12), ":00000001FF\n");
  std::map<uint32_t, uint8_t> out;
  std::string err;
  ASSERT_TRUE(s_parse(text, out, err)) << err;
  EXPECT_EQ(in, out);
}

TEST(Ihex, MissingFileIsAnError) {
  std::string err;
  EXPECT_FALSE(ihex_read("/nonexistent/x.hex", [](uint32_t, const uint8_t *, size_t) {}, err));
  EXPECT_EQ(err, "cannot open '/nonexistent/x.hex'");
}
