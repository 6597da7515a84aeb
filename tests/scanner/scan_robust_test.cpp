// Bad input never crashes or hangs the scanner: random bytes, zero bytes, a
// megabyte identifier and literals, files made only of directives, line
// markers full of garbage, quotes left open at the end of the input.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>

#include "opt/varlocate.h"

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

TEST_F(ScanTest, QuotesOpenAtTheEndOfTheInput) {
  EXPECT_EQ(codes_of(scan_all("int x = \"abc")), (std::vector<int>{TOK_INT, TOK_IDENTIFIER, '=', TOK_IDENTIFIER}));
  EXPECT_EQ(codes_of(scan_all("c = '\\")), (std::vector<int>{TOK_IDENTIFIER, '='}));
  EXPECT_EQ(codes_of(scan_all("c = L'")), (std::vector<int>{TOK_IDENTIFIER, '=', TOK_IDENTIFIER}));
  EXPECT_EQ(codes_of(scan_all("s = \"a\\\n")), (std::vector<int>{TOK_IDENTIFIER, '=', TOK_IDENTIFIER}));
  EXPECT_EQ(yylineno, 2);
}

static std::vector<int> s_numbers(const std::string &console) {
  std::vector<int> numbers;
  for (size_t at = console.find(" ["); at != std::string::npos; at = console.find(" [", at + 1))
    numbers.push_back(atoi(console.c_str() + at + 2));
  return numbers;
}

TEST_F(ScanTest, LineMarkersWithGarbage) {
  std::string text = "#line \"x.h\" 5\n#line -3\n#line 1.5\n#line 0x\n#line 7 \"open\n"
                     "#line 8 \"\\xff\\0\" \"two\"\n#line \x01\x02\xff\n#line 9";
  text += std::string(1, '\0') + " \"z\"\n";
  std::string out = console_of([&] { EXPECT_TRUE(scan_all(text).empty()); });
  // Every faulty marker is reported once and dropped with the rest of its line.
  EXPECT_EQ(s_numbers(out), (std::vector<int>{1016, 1016, 1016, 1020, 1020, 1020, 1016}));
  EXPECT_NE(out.find(":2:Error [1016]"), std::string::npos);
  EXPECT_NE(out.find(":6:Error [1020]"), std::string::npos);  // "#line 7" then an open quote
  EXPECT_STREQ(yyfilename, "z");
  EXPECT_EQ(yylineno, 9);
}

TEST_F(ScanTest, HugeLineNumbersAndNamesStayInBounds) {
  scan_all("#line 99999999999999999999999 \"" + std::string(1 << 20, 'f') + "\"\nx");
  EXPECT_EQ(strlen(yyfilename), 259u);
  std::vector<scanned> tokens = scan_all("#line 4000000000\n__LINE__");
  ASSERT_EQ(tokens.size(), 1u);
  EXPECT_EQ(tokens[0].code, TOK_CONSTANT);
  EXPECT_EQ(tokens[0].constant.type, CT_LONG);
  EXPECT_EQ(tokens[0].constant.value.u, 4000000000u);  // an unsigned 32-bit line, never negative
}

TEST_F(ScanTest, MegabyteLiteralsAndPragmaLines) {
  std::string bytes(1 << 20, 'b');
  std::vector<scanned> tokens = scan_all("\"" + bytes + "\" '" + bytes + "'");
  ASSERT_EQ(tokens.size(), 2u);
  EXPECT_EQ(tokens[0].text.size(), bytes.size());
  EXPECT_EQ(tokens[1].constant.value.u, unsigned('b'));
  std::string items;
  for (int i = 0; i < 50000; i++)
    items += i ? ",v" + std::to_string(i) : "v0";
  std::string source = "#pragma interruptlow isr save=" + items + "\n#pragma varlocate 2 " + items + "\n";
  scan_from_bytes(source.data(), source.size());
  ASSERT_EQ(yylex(), TOK_PRAGMA);
  std::vector<std::string> saved;
  for (pragma_ref ref = yylval.pragma.u.interrupt.save_list; ref; ref = pragma_pool_get_save_item(ref)->next)
    saved.push_back(pragma_pool_get_text(pragma_pool_get_save_item(ref)->name));
  pragma_record_free(&yylval.pragma);
  ASSERT_EQ(saved.size(), 50000u);
  EXPECT_EQ(saved.front(), "v49999");  // newest first
  EXPECT_EQ(saved.back(), "v0");
  EXPECT_EQ(yylex(), 0);
  size_t located = 0;
  for (const varlocate_entry *e = opt_varlocate_first(); e; e = e->next)
    located++;
  EXPECT_EQ(located, 50000u);
}
