// Bad input never crashes or hangs the scanner: random bytes, zero bytes, a
// megabyte identifier, files made only of directives.
#include <gtest/gtest.h>

#include <random>
#include <string>

#include "driver/diag.h"
#include "scan_fixture.h"

TEST_F(ScanTest, RandomBytesScanToTheEnd) {
  std::mt19937 random(12345);
  std::string alphabet = "#pragma line interrupt save=nosave section(\"x\") _asm _endasm 0x1b'\\\n\t\r\0:;";
  alphabet.push_back('\0');
  for (int round = 0; round < 200; round++) {
    std::string text;
    size_t length = random() % 400;
    for (size_t i = 0; i < length; i++)
      text.push_back(round % 2 ? static_cast<char>(random() & 0xFF) : alphabet[random() % alphabet.size()]);
    console_of([&] {
      std::vector<scanned> tokens = scan_all(text);
      EXPECT_LE(tokens.size(), text.size()) << "more tokens than bytes";
    });
    in_asm = 0;
  }
}

TEST_F(ScanTest, ZeroBytesAreSkipped) {
  auto tokens = scan_all(std::string("a\0b\0\0#pragma\0code\n", 19));
  EXPECT_EQ(codes_of(tokens), (std::vector<int>{TOK_IDENTIFIER, TOK_IDENTIFIER, TOK_IDENTIFIER, TOK_IDENTIFIER}));
}

TEST_F(ScanTest, MegabyteIdentifierIsOneToken) {
  std::string name(1 << 20, 'a');
  auto tokens = scan_all(name + " b");
  ASSERT_EQ(tokens.size(), 2u);
  EXPECT_EQ(tokens[0].text.size(), name.size());
  EXPECT_EQ(tokens[1].column, (1 << 20) + 2);
}

TEST_F(ScanTest, OnlyDirectives) {
  EXPECT_TRUE(scan_all("#pragma").empty());
  std::string out = console_of([] { EXPECT_TRUE(scan_all("#line").empty()); });
  EXPECT_NE(out.find("[1016]"), std::string::npos);
  out = console_of([] { EXPECT_TRUE(scan_all("#pragma interrupt isr save=section(").empty()); });
  EXPECT_NE(out.find("[1002]"), std::string::npos);
  EXPECT_EQ(scan_all("#pragma code x\n#pragma code y").size(), 2u);
}

TEST_F(ScanTest, ManyErrorsInOnePragmaFileStayBounded) {
  std::string text;
  for (int i = 0; i < 500; i++)
    text += "#pragma code a b c\n#pragma varlocate\n#pragma interrupt\n";
  std::string out = console_of([&] { EXPECT_TRUE(scan_all(text).empty()); });
  EXPECT_EQ(yylineno, 1501);
  size_t lines = 0;
  for (char c : out)
    lines += c == '\n';
  EXPECT_EQ(lines, 1500u);
}
