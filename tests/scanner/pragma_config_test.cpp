// "#pragma config" parsing against a small configuration table made for the
// test: one byte at 0x300001 with an oscillator field and a switch bit.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "device/config_tables.h"
#include "device/processors.h"
#include "driver/settings.h"
#include "front/pragma_config.h"
#include "scan_fixture.h"

namespace {
const config_value osc_values[] = {
    {"LP", "low power", 0}, {"XT", "crystal", 1}, {"HS", "high speed", 2}, {"RC", "resistor", 7}, {nullptr, nullptr, 0}};
const config_value oscs_values[] = {{"ON", "enabled", 0x00}, {"OFF", "disabled", 0x20}, {nullptr, nullptr, 0}};
const config_value wdt_values[] = {{"1", "1:1", 0x00}, {"128", "1:128", 0x40}, {nullptr, nullptr, 0}};
const config_setting settings[] = {{"OSC", "oscillator", 0x07, osc_values},
                                   {"OSCS", "oscillator switch", 0x20, oscs_values},
                                   {"WDTPS", "watchdog postscaler", 0x40, wdt_values},
                                   {nullptr, nullptr, 0, nullptr}};

class ConfigTest : public ScanTest {
 protected:
  config_byte bytes[1] = {{0x300001, 0, 0xFF, settings}};
  void SetUp() override {
    ScanTest::SetUp();
    generic_processor_flag = 0;
    config_bytes = bytes;
    number_of_config_bytes = 1;
  }
  void TearDown() override {
    config_bytes = nullptr;
    number_of_config_bytes = 0;
    ScanTest::TearDown();
  }
  // Scans source and applies every config pragma in order; returns the
  // results of s_set_config_value and keeps the console text.
  std::vector<int> apply(const std::string &source) {
    std::vector<int> results;
    console = console_of([&] {
      scan_from_bytes(source.data(), source.size());
      for (int code = yylex(); code; code = yylex()) {
        if (code == TOK_PRAGMA) {
          for (const located_setting *l = pragma_config_settings(&yylval.pragma); l; l = l->next)
            results.push_back(s_set_config_value(l));
          pragma_record_free(&yylval.pragma);
        } else {
          take_token(code);
        }
      }
    });
    return results;
  }
  std::string console;
};
}  // namespace

TEST_F(ConfigTest, OneLineAndTwoPragmasGiveTheSameByte) {
  EXPECT_EQ(apply("#pragma config OSC=HS, OSCS=OFF\n"), (std::vector<int>{1, 1}));
  EXPECT_EQ(bytes[0].value, 0xFA);  // 0xFF with OSC=2 in bits 0-2, OSCS=1
  EXPECT_EQ(bytes[0].specified, 0x27);
  bytes[0] = {0x300001, 0, 0xFF, settings};
  EXPECT_EQ(apply("#pragma config OSCS=OFF\n#pragma config OSC=HS\n"), (std::vector<int>{1, 1}));
  EXPECT_EQ(bytes[0].value, 0xFA);
  EXPECT_EQ(console, "");
}

TEST_F(ConfigTest, ListIsLastParsedFirstAndNumbersAreValueNames) {
  scan_from_bytes("#pragma config OSC=RC, WDTPS=128\n", 33);
  ASSERT_EQ(yylex(), TOK_PRAGMA);
  const located_setting *l = pragma_config_settings(&yylval.pragma);
  ASSERT_NE(l, nullptr);
  EXPECT_STREQ(l->setting->name, "WDTPS");
  EXPECT_EQ(l->value->value, 0x40);
  ASSERT_NE(l = l->next, nullptr);
  EXPECT_STREQ(l->setting->name, "OSC");
  EXPECT_STREQ(l->value->name, "RC");
  EXPECT_EQ(l->next, nullptr);
  EXPECT_EQ(yylval.pragma.kind, uint32_t(PRAGMA_CONFIG));
  pragma_record_free(&yylval.pragma);
}

TEST_F(ConfigTest, RepeatedSettingIsRefusedAndKeepsTheFirstValue) {
  EXPECT_EQ(apply("#pragma config OSC=HS\n#pragma config OSC=RC\n"), (std::vector<int>{1, 0}));
  EXPECT_EQ(bytes[0].value & 0x07, 2);
}

TEST_F(ConfigTest, AnyErrorDropsTheWholeLine) {
  EXPECT_TRUE(apply("#pragma config OSC=HS, FOO=1\n#pragma config osc=HS\n#pragma config OSC HS\n"
                    "#pragma config OSC=hs\n#pragma config OSC=HS OSCS=ON\n#pragma config OSC=HS,\nint\n")
                  .empty());
  EXPECT_EQ(bytes[0].specified, 0);
  EXPECT_EQ(console, diag_line("Error", 1224, 1, "configuration setting 'FOO' not recognized") +
                         diag_line("Error", 1224, 2, "configuration setting 'osc' not recognized") +
                         diag_line("Error", 1002, 3, "syntax error, '=' expected") +
                         diag_line("Error", 1225, 4, "configuration value 'hs' not recognized for configuration setting 'OSC'") +
                         diag_line("Error", 1002, 5, "syntax error, ',' expected") +
                         diag_line("Error", 1224, 6, "configuration setting '' not recognized"));
}

// The listing of a device of the layout without extended mode (which the
// driver refuses as a target, so it is printed here), and of a device
// without tables: the heading alone.
TEST(ConfigHelp, ListingOfTheClassicLayoutAndOfADeviceWithoutTables) {
  int saved = processor;
  std::ifstream file(std::string(HELP_CONFIG_EXPECTED) + "/help_config_CLASSIC.txt");
  std::stringstream expected;
  expected << file.rdbuf();
  ASSERT_FALSE(expected.str().empty());
  ASSERT_TRUE(convertDvsProcName("HR1204", &processor));
  ASSERT_STREQ(get_config_template(processor)->name, "CLASSIC");
  EXPECT_EQ(console_of([] { pragma_config_help(); }), expected.str());
  ASSERT_TRUE(convertDvsProcName("HR1202", &processor));
  EXPECT_EQ(console_of([] { pragma_config_help(); }), "Configuration settings available for processor HR1202\n");
  processor = saved;
}
