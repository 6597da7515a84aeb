// Translation phases 1 to 3: cleaning of the raw bytes and tokenisation.
#include <gtest/gtest.h>

#include "cppqx/pp.h"
#include "pp_test_util.h"

static FileBuf s_clean(const std::string &raw) {
  FileBuf buf;
  lex_clean(raw.data(), raw.size(), buf);
  return buf;
}

// The cleaned text without its NUL sentinel.
static std::string s_text(const FileBuf &buf) { return buf.data.substr(0, buf.data.size() - 1); }

TEST(LexClean, TrigraphsAreReplacedOthersKept) {
  EXPECT_EQ(s_text(s_clean("?\?= ?\?( ?\?/ ?\?) ?\?' ?\?< ?\?! ?\?> ?\?-\n")), "# [ \\ ] ^ { | } ~\n");
  EXPECT_EQ(s_text(s_clean("?\?? ?? ?a ?\?\?=\n")), "?\?? ?? ?a ?#\n");
}

TEST(LexClean, LineEndsAndSplices) {
  FileBuf crlf = s_clean("a\r\nb\rc\n");
  EXPECT_EQ(s_text(crlf), "a\nb\nc\n");
  FileBuf spliced = s_clean("ab\\\ncd\\\r\nef\n");
  EXPECT_EQ(s_text(spliced), "abcdef\n");
  ASSERT_EQ(spliced.splices.size(), 2u);
  EXPECT_EQ(spliced.splices[0], 2u);
  EXPECT_EQ(spliced.splices[1], 4u);
  // ??/ followed by a new line is a splice too.
  EXPECT_EQ(s_text(s_clean("x?\?/\ny\n")), "xy\n");
  // A backslash before anything else stays.
  EXPECT_EQ(s_text(s_clean("a\\b\n")), "a\\b\n");
}

TEST(LexClean, FinalNewlineNulBytesAndEmptyFiles) {
  EXPECT_EQ(s_text(s_clean("int a;")), "int a;\n");
  EXPECT_EQ(s_text(s_clean("int a;\\")), "int a;\\\n");
  EXPECT_EQ(s_text(s_clean("")), "");
  FileBuf nul = s_clean(std::string("a\nb\0c\n\0", 7));
  EXPECT_EQ(s_text(nul), "a\nb c\n \n");
  EXPECT_EQ(nul.first_nul_line, 2);
  EXPECT_EQ(s_clean("no nul\n").first_nul_line, 0);
}

// Tokens of a text: kind, spelling and flags.
struct LexedTok {
  int kind;
  std::string text;
  uint8_t flags;
  uint32_t line;
};

static std::vector<LexedTok> s_lex(Pp &pp, const std::string &raw) {
  auto buf = std::make_unique<FileBuf>();
  lex_clean(raw.data(), raw.size(), *buf);
  SrcFile f;
  f.buf = buf.get();
  f.name = "t.c";
  f.p = buf->data.data();
  f.end = f.p + buf->data.size() - 1;
  std::vector<LexedTok> out;
  Token t;
  for (lex_next(pp, f, t); t.kind != TK_EOF; lex_next(pp, f, t))
    out.push_back({t.kind, std::string(t.text, t.len), static_cast<uint8_t>(t.flags & (TF_SPACE | TF_BOL)), t.line});
  pp.files.emplace(std::to_string(pp.files.size()), std::move(buf));
  return out;
}

static std::string s_spellings(const std::vector<LexedTok> &toks) {
  std::string s;
  for (const LexedTok &t : toks)
    s += (s.empty() ? "" : "|") + t.text;
  return s;
}

TEST(Lexer, LongestPunctuatorsAndNumbers) {
  Pp pp;
  EXPECT_EQ(s_spellings(s_lex(pp, "a+++++b <<= >>= ... .. -> ## # %= !=\n")),
            "a|++|++|+|b|<<=|>>=|...|.|.|->|##|#|%=|!=");
  // pp-numbers take letters, dots and signed exponents.
  EXPECT_EQ(s_spellings(s_lex(pp, "0x1e+1 1.2.3e-x .5 1e+ 0b101 12abc 1-2\n")), "0x1e+1|1.2.3e-x|.5|1e+|0b101|12abc|1|-|2");
}

TEST(Lexer, LiteralsAndOtherCharacters) {
  Pp pp;
  std::vector<LexedTok> toks = s_lex(pp, "L'a' L\"w\" 'b' \"s\\\"t\" L x$ @ `\n");
  ASSERT_EQ(toks.size(), 9u);
  EXPECT_EQ(toks[0].kind, TK_CHAR);
  EXPECT_EQ(toks[0].text, "L'a'");
  EXPECT_EQ(toks[1].kind, TK_STRING);
  EXPECT_EQ(toks[3].text, "\"s\\\"t\"");
  EXPECT_EQ(toks[4].kind, TK_IDENT);
  EXPECT_EQ(toks[6].kind, TK_OTHER);
  EXPECT_EQ(toks[6].text, "$");
  EXPECT_EQ(toks[8].kind, TK_OTHER);
}

TEST(Lexer, UnterminatedLiteralEndsAtTheLine) {
  Pp pp;
  std::vector<LexedTok> toks = s_lex(pp, "don't stop\nnext\n");
  ASSERT_EQ(toks.size(), 3u);
  EXPECT_EQ(toks[1].text, "'t stop");
  EXPECT_EQ(toks[2].text, "next");
  EXPECT_EQ(toks[2].line, 2u);
}

TEST(Lexer, LinesFlagsCommentsAndSplices) {
  Pp pp;
  std::vector<LexedTok> toks = s_lex(pp, "a /* x\ny */ b\n  c//d\ne\\\nf g\n");
  ASSERT_EQ(toks.size(), 5u);
  EXPECT_EQ(toks[0].flags, TF_BOL | TF_SPACE);
  EXPECT_EQ(toks[1].text, "b");
  EXPECT_EQ(toks[1].flags, TF_SPACE);
  EXPECT_EQ(toks[1].line, 2u);
  EXPECT_EQ(toks[2].line, 3u);
  EXPECT_EQ(toks[2].flags, TF_BOL | TF_SPACE);
  EXPECT_EQ(toks[3].text, "ef");
  EXPECT_EQ(toks[3].line, 4u);
  EXPECT_EQ(toks[4].line, 5u);
}

TEST(Lexer, IdentifiersAreInterned) {
  Pp pp;
  Ident *a = pp_ident(pp, "alpha", 5);
  EXPECT_EQ(a, pp_ident(pp, "alpha", 5));
  EXPECT_NE(a, pp_ident(pp, "alph", 4));
  for (int i = 0; i < 20000; i++)
    pp_ident(pp, ("n" + std::to_string(i)).c_str(), ("n" + std::to_string(i)).size());
  EXPECT_EQ(a, pp_ident(pp, "alpha", 5)) << "growing the table keeps every identifier";
  EXPECT_STREQ(pp_ident(pp, "n19999", 6)->name, "n19999");
}

TEST(Lexer, UnterminatedCommentReportsOnce) {
  PpRun r = pp_run_text("int a;\n/* open\n\n");
  EXPECT_EQ(r.errors, 1u);
  EXPECT_EQ(pp_text_only(r.out), "int a;\n");
}

TEST(Lexer, VeryLongLine) {
  std::string line = "int x = 0";
  for (int i = 0; i < 200000; i++)
    line += " + v" + std::to_string(i % 10);
  PpRun r = pp_run_text(line + ";\n", {"v3=3"});
  EXPECT_EQ(r.errors, 0u);
  std::string expected = "int x = 0";
  for (int i = 0; i < 200000; i++)
    expected += i % 10 == 3 ? " + 3" : " + v" + std::to_string(i % 10);
  EXPECT_EQ(pp_text_only(r.out), expected + ";\n");
}
