// Value conversions of the scanner: integer typing by value and radix,
// character constants, string escapes, floats, columns.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstring>
#include <string>

#include "driver/diag.h"
#include "front/scan.h"
#include "scan_fixture.h"

namespace {
struct int_case {
  const char *text;
  int32_t type;
  uint32_t value;
};
}  // namespace

TEST(IntegerConstant, TypeIsTheFirstThatHoldsTheValueAndItsSuffixes) {
  const int_case cases[] = {
      {"127", CT_CHAR, 127},          {"128", CT_INT, 128},
      {"100", CT_CHAR, 100},          {"200", CT_INT, 200},
      {"32767", CT_INT, 32767},       {"32768", CT_SHORTLONG, 32768},
      {"40000", CT_SHORTLONG, 40000}, {"65535", CT_SHORTLONG, 65535},
      {"8388607", CT_SHORTLONG, 8388607}, {"8388608", CT_LONG, 8388608},
      {"4000000000", CT_LONG, 4000000000u},  // decimal never turns unsigned by itself
      {"0x7F", CT_CHAR, 0x7F},        {"0x80", CT_UCHAR, 0x80},
      {"0xC8", CT_UCHAR, 0xC8},       {"0x100", CT_INT, 0x100},
      {"0x8000", CT_UINT, 0x8000},    {"0x10000", CT_SHORTLONG, 0x10000},
      {"0xFFFFFF", CT_USHORTLONG, 0xFFFFFF}, {"0x1000000", CT_LONG, 0x1000000},
      {"0x7FFFFFFF", CT_LONG, 0x7FFFFFFF}, {"0x80000000", CT_ULONG, 0x80000000u},
      {"017", CT_CHAR, 15},           {"0377", CT_UCHAR, 255},
      {"0", CT_CHAR, 0},              {"0b11111111", CT_UCHAR, 255},
      // Suffixes mark unsigned and long.
      {"10u", CT_UCHAR, 10},          {"10U", CT_UCHAR, 10},
      {"300u", CT_UINT, 300},         {"70000u", CT_USHORTLONG, 70000},
      {"0x1000000U", CT_ULONG, 0x1000000}, {"1L", CT_LONG, 1},
      {"1l", CT_LONG, 1},             {"1UL", CT_ULONG, 1},
      {"1lu", CT_ULONG, 1},           {"0b1010UL", CT_ULONG, 10},
      {"0xffu", CT_UCHAR, 0xFF},      {"0XABCDEFL", CT_LONG, 0xABCDEF},
  };
  for (const int_case &c : cases) {
    std::string text = c.text;
    hl_constant k = integer_constant_value(text.data());
    EXPECT_EQ(k.type, c.type) << c.text;
    EXPECT_EQ(k.value.u, c.value) << c.text;
  }
}

TEST(IntegerConstant, UpperCasesInPlaceAndSaturatesAt32Bits) {
  char text[] = "0xabul";
  integer_constant_value(text);
  EXPECT_STREQ(text, "0XABUL");
  char huge[] = "0x123456789";
  hl_constant k = integer_constant_value(huge);
  EXPECT_EQ(k.value.u, 0xFFFFFFFFu);
  EXPECT_EQ(k.type, CT_ULONG);
}

TEST(CharacterConstant, PlainEscapedHexAndOctal) {
  const std::pair<const char *, uint32_t> cases[] = {
      {"'a'", 'a'},     {"'ab'", 'a'},     {"L'x'", 'x'},    {"'\\n'", 10},
      {"'\\\"'", 34},   {"'\\''", 39},     {"'\\?'", 63},    {"'\\\\'", 92},
      {"'\\a'", 7},     {"'\\b'", 8},      {"'\\f'", 12},    {"'\\r'", 13},
      {"'\\t'", 9},     {"'\\v'", 11},     {"'\\x41'", 0x41}, {"'\\x141'", 0x41},
      {"'\\101'", 65},  {"'\\0'", 0},      {"'\\777'", 0xFF}, {"'\\xff'", 0xFF},
  };
  for (const auto &[text, value] : cases) {
    hl_constant k = character_constant_value(text);
    EXPECT_EQ(k.type, CT_UCHAR) << text;
    EXPECT_EQ(k.value.u, value) << text;
  }
}

TEST_F(ScanTest, UnknownCharacterEscapeReports1103AndGivesZero) {
  hl_constant k{};
  std::string out = console_of([&] { k = character_constant_value("'\\q'"); });
  EXPECT_EQ(k.value.u, 0u);
  EXPECT_EQ(out, diag_line("Error", 1103, 1, "unknown escape sequence ''\\q''"));
  // Upper-case letters are not escapes in character constants.
  out = console_of([&] { k = character_constant_value("'\\N'"); });
  EXPECT_NE(out.find("[1103]"), std::string::npos);
}

static std::string s_decode(const std::string &literal) {
  std::string bytes(literal.size() + 1, '\0');
  size_t n = convert_escape_sequences(bytes.data(), literal.c_str(), literal.size());
  bytes.resize(n);
  return bytes;
}

TEST(StringEscapes, LettersInEitherCaseControlHexOctal) {
  EXPECT_EQ(s_decode("\"\\E\""), "\x1b");
  EXPECT_EQ(s_decode("\"\\e\""), "\x1b");
  EXPECT_EQ(s_decode("\"\\^A\""), std::string("\x01"));
  EXPECT_EQ(s_decode("\"\\^a\""), std::string("\x01"));
  EXPECT_EQ(s_decode("\"\\q\""), "q");
  EXPECT_EQ(s_decode("\"a\\N\\nb\""), "a\n\nb");
  EXPECT_EQ(s_decode("\"\\a\\b\\f\\r\\t\\v\""), "\a\b\f\r\t\v");
  EXPECT_EQ(s_decode("\"\\x41\\X42\""), "AB");
  EXPECT_EQ(s_decode("\"\\x4142\""), std::string("\x14") + "2");  // at most three hex digits
  EXPECT_EQ(s_decode("\"\\1012\""), "A2");                         // at most three octal digits
  EXPECT_EQ(s_decode("\"\\0\""), std::string(1, '\0'));
  EXPECT_EQ(s_decode("\"\\\"\\\\\""), "\"\\");
}

TEST(StringEscapes, DigitHelpersAndEndOfText) {
  EXPECT_EQ(hex2bin('7'), 7);
  EXPECT_EQ(hex2bin('a'), 10);
  EXPECT_EQ(hex2bin('F'), 15);
  EXPECT_EQ(oct2bin('7'), 7);
  const char *text = "\\";
  const char *p = text;
  EXPECT_EQ(esc(&p), '\\');  // a backslash at the end of the text stays
  EXPECT_EQ(*p, '\0');
  const char *plain = "xy";
  p = plain;
  EXPECT_EQ(esc(&p), 'x');
  EXPECT_EQ(p, plain + 1);
  EXPECT_EQ(s_decode(std::string("\"a\0b\"", 5)), std::string("a\0b", 3));
  EXPECT_EQ(convert_escape_sequences(std::string(8, ' ').data(), "\"abc\""), 3u);
}

TEST(StringEscapes, AnEscapeAtTheEndNeverTakesTheClosingQuote) {
  // "\^" with nothing after it inside the literal: no control character is
  // made from the closing quote; the caret stays.
  EXPECT_EQ(s_decode("\"\\^\""), "^");
  EXPECT_EQ(s_decode("\"a\\^\""), "a^");
  EXPECT_EQ(s_decode("\"\\x\""), std::string(1, '\0'));
  EXPECT_EQ(s_decode("\"\\^@\""), std::string(1, '\0'));  // "@" is 0x40
}

TEST(FloatConstant, ThirtyTwoBitsAndOutOfRange) {
  hl_constant k = float_constant_value("1.5");
  EXPECT_EQ(k.type, CT_FLOAT);
  EXPECT_EQ(k.value.f, 1.5f);
  EXPECT_EQ(float_constant_value(".5e1f").value.f, 5.0f);
  EXPECT_EQ(float_constant_value("0.1").value.f, 0.1f);  // rounded to float, not double
  EXPECT_TRUE(std::isinf(float_constant_value("1e40").value.f));
  EXPECT_EQ(float_constant_value("1e-50").value.f, 0.0f);
}

TEST(FloatConstant, NearTheLargestFloatRoundsToNearest) {
  // The largest float as it is usually written, 3.4028235e38, lies above
  // FLT_MAX but within half a unit of it: the conversion rounds it down.
  EXPECT_EQ(float_constant_value("3.4028235e38").value.f, FLT_MAX);
  EXPECT_EQ(float_constant_value("3.40282356e38").value.f, FLT_MAX);
  EXPECT_TRUE(std::isinf(float_constant_value("3.4028236e38").value.f));
  EXPECT_EQ(float_constant_value("340282346638528859811704183484516925440.0").value.f, FLT_MAX);
}

TEST(Count, TabsStopEveryFourColumnsAndNewlinesReset) {
  long saved = yylineno;
  yylineno = 1;
  yycolumn = 2;
  count_text("\t", 1);
  EXPECT_EQ(yycolumn, 4);
  count_text("\t", 1);
  EXPECT_EQ(yycolumn, 8);
  count_text("ab\ncd", 5);
  EXPECT_EQ(yycolumn, 2);
  EXPECT_EQ(yylineno, 2);
  yylineno = saved;
}

TEST(Strstrip, BothEnds) {
  char text[] = " \t -On+ \n";
  EXPECT_STREQ(strstrip(text), "-On+");
  char blank[] = "   ";
  EXPECT_STREQ(strstrip(blank), "");
}
