// Token rules of the scanner driven through yylex on small texts.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

#include "driver/compile.h"
#include "driver/diag.h"
#include "driver/paths.h"
#include "front/typedefs.h"
#include "scan_fixture.h"

using Tokens = std::vector<int>;

TEST_F(ScanTest, KeywordsIdentifiersAndPunctuators) {
  auto tokens = scan_all("int x = 100; unsigned char rom *p;");
  EXPECT_EQ(codes_of(tokens), (Tokens{TOK_INT, TOK_IDENTIFIER, '=', TOK_CONSTANT, ';', TOK_UNSIGNED, TOK_CHAR,
                                      TOK_ROM, '*', TOK_IDENTIFIER, ';'}));
  EXPECT_EQ(tokens[1].text, "x");
  EXPECT_EQ(tokens[3].constant.type, CT_CHAR);
  EXPECT_EQ(tokens[3].constant.value.i, 100);
  EXPECT_EQ(tokens[9].text, "p");
}

TEST_F(ScanTest, EveryKeywordHasItsCodeAndCaseMatters) {
  EXPECT_EQ(scan_keyword_code("sizeof"), 261);
  EXPECT_EQ(scan_keyword_code("typedef"), 284);
  EXPECT_EQ(scan_keyword_code("enum"), 302);
  EXPECT_EQ(scan_keyword_code("case"), 304);
  EXPECT_EQ(scan_keyword_code("else"), 315);
  EXPECT_EQ(scan_keyword_code("overlay"), 316);
  EXPECT_EQ(scan_keyword_code("near"), 806);
  EXPECT_EQ(scan_keyword_code("rom"), 809);
  EXPECT_EQ(scan_keyword_code("Int"), 0);
  EXPECT_EQ(scan_keyword_code("_asm"), 0);
  auto tokens = scan_all("auto register signed float double const volatile void struct union "
                         "default if switch while do for goto continue break return extern static "
                         "short long far ram INT");
  EXPECT_EQ(codes_of(tokens),
            (Tokens{287, 288, 293, 295, 296, 297, 298, 299, 300, 301, 305, 306, 307, 308, 309, 310, 311, 312,
                    313, 314, 285, 286, 290, 292, 807, 808, TOK_IDENTIFIER}));
}

// Texts whose token codes are known, with the text of some tokens and the
// line of the last: operators take the longest match; characters no rule
// covers are skipped; an unterminated string is scanned as other tokens;
// labels exist only inside assembly, and outside it "word:" scans as "word"
// then ":"; directives count only at the start of a line.
TEST_F(ScanTest, TokenCodesOfTexts) {
  const struct {
    const char *source;
    Tokens codes;
    std::vector<std::pair<size_t, const char *>> texts;
    long last_line;
  } rows[] = {
      {"a->b ++ -- << >> <= >= == != && || *= /= %= += -= <<= >>= &= ^= |= ... :: <<<",
       {TOK_IDENTIFIER, 262, TOK_IDENTIFIER, 263, 264, 265, 266, 267, 268, 269, 270, 271, 272, 273, 274, 275, 276, 277,
        278, 279, 280, 281, 282, 303, 701, 265, '<'}, {}, 1},
      {";{},:=()[].&!~-+*/%<>^|?$",
       {';', '{', '}', ',', ':', '=', '(', ')', '[', ']', '.', '&', '!', '~', '-', '+', '*', '/', '%', '<', '>', '^', '|',
        '?', '$'}, {}, 1},
      {"a ` b \\ c \r\n # @ d", {TOK_IDENTIFIER, TOK_IDENTIFIER, TOK_IDENTIFIER, TOK_IDENTIFIER}, {{3, "d"}}, 2},
      {"\"abc 12\nx", {TOK_IDENTIFIER, TOK_CONSTANT, TOK_IDENTIFIER}, {{0, "abc"}}, 2},
      {"foo: bar :", {TOK_IDENTIFIER, ':', TOK_IDENTIFIER, ':'}, {{0, "foo"}}, 1},
      {"_asm foo: bar : _endasm baz:", {TOK_ASM, TOK_ASM_LABEL, TOK_IDENTIFIER, ':', TOK_ENDASM, TOK_IDENTIFIER, ':'},
       {{1, "foo"}}, 1},
      {"default: __LINE__: _asm: nop: _endasm",
       {TOK_DEFAULT, ':', TOK_CONSTANT, ':', TOK_ASM, ':', TOK_ASM_LABEL, TOK_ENDASM}, {{6, "nop"}}, 1},
      {"  \t#  pragma list\nint x #pragma list\n", {TOK_INT, TOK_IDENTIFIER, TOK_IDENTIFIER, TOK_IDENTIFIER},
       {{2, "pragma"}, {3, "list"}}, 2},
  };
  for (const auto &row : rows) {
    SCOPED_TRACE(row.source);
    yylineno = 1;
    auto tokens = scan_all(row.source);
    ASSERT_EQ(codes_of(tokens), row.codes);
    for (const auto &[index, text] : row.texts)
      EXPECT_EQ(tokens[index].text, text);
    EXPECT_EQ(tokens.back().line, row.last_line);
    EXPECT_EQ(in_asm, 0);
  }
}

TEST_F(ScanTest, IntegerConstantsByRadixAndBinaryPrefix) {
  auto tokens = scan_all("0b1010UL 0B2 0x 09 0xFFFFFF 10u 127 128 0x80 40000");
  ASSERT_EQ(codes_of(tokens), (Tokens{257, 257, 259, 257, 259, 257, 257, 257, 257, 257, 257, 257, 257}));
  EXPECT_EQ(tokens[0].constant.type, CT_ULONG);
  EXPECT_EQ(tokens[0].constant.value.u, 10u);
  EXPECT_EQ(tokens[1].constant.value.u, 0u);  // "0B2" is 0 and the identifier B2
  EXPECT_EQ(tokens[2].text, "B2");
  EXPECT_EQ(tokens[4].text, "x");             // "0x" alone is 0 and x
  EXPECT_EQ(tokens[5].constant.value.u, 0u);  // "09" is 0 and 9: 9 is no octal digit
  EXPECT_EQ(tokens[6].constant.value.u, 9u);
  EXPECT_EQ(tokens[7].constant.type, CT_USHORTLONG);
  EXPECT_EQ(tokens[8].constant.type, CT_UCHAR);
  EXPECT_EQ(tokens[9].constant.type, CT_CHAR);
  EXPECT_EQ(tokens[10].constant.type, CT_INT);
  EXPECT_EQ(tokens[11].constant.type, CT_UCHAR);
  EXPECT_EQ(tokens[12].constant.type, CT_SHORTLONG);
}

TEST_F(ScanTest, FloatingConstantsInAllForms) {
  auto tokens = scan_all("1e3 2. 2.5 .25 1.5e-1f 3E+2L 7");
  ASSERT_EQ(codes_of(tokens), (Tokens{258, 258, 258, 258, 258, 258, 257}));
  const float values[] = {1000.0f, 2.0f, 2.5f, 0.25f, 0.15f, 300.0f};
  for (int i = 0; i < 6; i++) {
    EXPECT_EQ(tokens[i].constant.type, CT_FLOAT);
    EXPECT_EQ(tokens[i].constant.value.f, values[i]) << i;
  }
}

TEST_F(ScanTest, CharacterConstantsAndTheirMessage) {
  std::vector<scanned> tokens;
  std::string out = console_of([&] { tokens = scan_all("'ab' L'\\n' '\\q' 'x"); });
  ASSERT_EQ(codes_of(tokens), (Tokens{257, 257, 257, TOK_IDENTIFIER}));
  EXPECT_EQ(tokens[0].constant.value.u, unsigned('a'));
  EXPECT_EQ(tokens[0].constant.type, CT_UCHAR);
  EXPECT_EQ(tokens[1].constant.value.u, 10u);
  EXPECT_EQ(tokens[2].constant.value.u, 0u);
  EXPECT_EQ(out, diag_line("Error", 1103, 1, "unknown escape sequence ''\\q''"));
}

TEST_F(ScanTest, StringLiteralsDecodeAndStaySeparate) {
  auto tokens = scan_all("\"a\\tb\" \"\\E\\^A\\q\" L\"w\" \"x\\\"y\"");
  ASSERT_EQ(codes_of(tokens), (Tokens{260, 260, TOK_IDENTIFIER, 260, 260}));
  EXPECT_EQ(tokens[0].text, "a\tb");
  EXPECT_EQ(tokens[1].text, "\x1b\x01q");
  EXPECT_EQ(tokens[2].text, "L");  // no wide strings: L is an identifier
  EXPECT_EQ(tokens[3].text, "w");
  EXPECT_EQ(tokens[4].text, "x\"y");
}

TEST_F(ScanTest, StringWithZeroBytesKeepsItsCount) {
  auto tokens = scan_all(std::string("\"a\\0b\" \"c\0d\"", 13));
  ASSERT_EQ(codes_of(tokens), (Tokens{260, 260}));
  EXPECT_EQ(tokens[0].text, std::string("a\0b", 3));
  EXPECT_EQ(tokens[1].text, std::string("c\0d", 3));
}

TEST_F(ScanTest, MnemonicsInsideAssemblyIgnoreCase) {
  yylineno = 7;
  auto tokens = scan_all("movlw _asm\n MOVLW 5\n\tMovWf x, 0 nothing\n_endasm movlw");
  ASSERT_EQ(codes_of(tokens), (Tokens{TOK_IDENTIFIER, TOK_ASM, TOK_ASM_MNEMONIC, TOK_CONSTANT,
                                      TOK_ASM_MNEMONIC, TOK_IDENTIFIER, ',', TOK_CONSTANT, TOK_IDENTIFIER,
                                      TOK_ENDASM, TOK_IDENTIFIER}));
  EXPECT_EQ(tokens[2].text, "MOVLW");
  EXPECT_EQ(tokens[2].line, 8);
  EXPECT_EQ(tokens[4].text, "MovWf");
  EXPECT_EQ(tokens[4].line, 9);
  EXPECT_EQ(tokens[8].text, "nothing");
}

TEST_F(ScanTest, LineAndFileBuiltins) {
  std::vector<scanned> tokens = scan_all("\n\n\n\n__LINE__ __FILE__");
  ASSERT_EQ(codes_of(tokens), (Tokens{TOK_CONSTANT, TOK_STRING_LITERAL}));
  EXPECT_EQ(tokens[0].constant.type, CT_CHAR);
  EXPECT_EQ(tokens[0].constant.value.i, 5);
  EXPECT_EQ(tokens[1].text, "t.c");
  yylineno = 70000;
  tokens = scan_all("__LINE__");
  EXPECT_EQ(tokens[0].constant.type, CT_SHORTLONG);
  EXPECT_EQ(tokens[0].constant.value.i, 70000);
}

TEST_F(ScanTest, ColumnsCountTabsToStopsOfFour) {
  auto tokens = scan_all("ab\tc\n\td");
  ASSERT_EQ(tokens.size(), 3u);
  EXPECT_EQ(tokens[0].column, 2);
  EXPECT_EQ(tokens[1].column, 5);  // the tab at column 2 moved to 4, then "c"
  EXPECT_EQ(tokens[2].column, 5);
  EXPECT_EQ(tokens[2].line, 2);
}

TEST_F(ScanTest, LineMarkerSetsLineFileAndDependentFiles) {
  auto tokens = scan_all("#line 20 \"x.h\"\nfoo\n#line 3 \"y.h\"\nbar\n#line 40 \"x.h\"\nbaz\n#line 9\nq");
  ASSERT_EQ(tokens.size(), 4u);
  EXPECT_EQ(tokens[0].line, 20);
  EXPECT_EQ(tokens[1].line, 3);
  EXPECT_EQ(tokens[2].line, 40);
  EXPECT_EQ(tokens[3].line, 9);
  EXPECT_STREQ(yyfilename, "x.h");
  char x_path[VELC_PATH_MAX + 1], y_path[VELC_PATH_MAX + 1];
  velc_fullpath(x_path, "x.h", sizeof x_path);
  velc_fullpath(y_path, "y.h", sizeof y_path);
  ASSERT_EQ(dependent_file_list->count, 2u);
  EXPECT_STREQ(*static_cast<char **>(list_first(dependent_file_list)), x_path);
  EXPECT_STREQ(*static_cast<char **>(list_next(list_first(dependent_file_list))), y_path);
  EXPECT_EQ(dependent_file_hash->count, 2u);
  EXPECT_EQ(x_path[0], '/');
}

TEST_F(ScanTest, LineMarkerErrors) {
  std::vector<scanned> tokens;
  std::string expected = diag_line("Error", 1016, 1, "integer constant expected for #line directive");
  std::string out = console_of([&] { tokens = scan_all("#line abc \"f\"\nx\n#line 5 \"f.h\" junk\ny"); });
  EXPECT_EQ(codes_of(tokens), (Tokens{TOK_IDENTIFIER, TOK_IDENTIFIER}));
  EXPECT_EQ(out.substr(0, expected.size()), expected);
  EXPECT_NE(out.find("[1020] unexpected input following '#line'"), std::string::npos);
  // The line number and the name were taken before the junk was found.
  EXPECT_EQ(tokens[1].line, 5);
  EXPECT_STREQ(yyfilename, "f.h");
  EXPECT_EQ(dependent_file_list->count, 0u);
}

TEST_F(ScanTest, LongFileNameIsCut) {
  std::string name(400, 'n');
  scan_all("#line 1 \"" + name + "\"\n");
  EXPECT_EQ(strlen(yyfilename), 259u);
}

TEST_F(ScanTest, EndOfInputRepeats) {
  scan_from_bytes("x", 1);
  EXPECT_EQ(take_token(yylex()).code, TOK_IDENTIFIER);
  EXPECT_EQ(yylex(), 0);
  EXPECT_EQ(yylex(), 0);
}

TEST_F(ScanTest, TypedefNamesComeFromTheParserScopes) {
  typedef_scopes_init();
  typehl type{};
  s_declare_typedef("T", &type);
  auto tokens = scan_all("T U T");
  ASSERT_EQ(codes_of(tokens), (Tokens{TOK_TYPEDEF_NAME, TOK_IDENTIFIER, TOK_TYPEDEF_NAME}));
  EXPECT_EQ(tokens[0].text, "T");
  enter_typedef_scope();
  override_typedef("T");
  EXPECT_EQ(codes_of(scan_all("T")), (Tokens{TOK_IDENTIFIER}));
  exit_typedef_scope();
  EXPECT_EQ(codes_of(scan_all("T")), (Tokens{TOK_TYPEDEF_NAME}));
  // Inside assembly a mnemonic wins over a typedef of the same name.
  s_declare_typedef("nop", &type);
  EXPECT_EQ(codes_of(scan_all("nop _asm nop _endasm")),
            (Tokens{TOK_TYPEDEF_NAME, TOK_ASM, TOK_ASM_MNEMONIC, TOK_ENDASM}));
  typedef_scopes_free();
}
