// Quotes that do not close: an unterminated string literal or character
// constant is no token, its characters are scanned as other tokens. The
// scanner's tokens are compared with a small reference tokenizer written from
// the token rules (identifiers, decimal constants, character constants,
// string literals, everything else skipped) over random lines made of
// quotes, backslashes, letters and digits; and lines full of escaped quotes
// must scan in linear time.
#include <gtest/gtest.h>

#include <chrono>
#include <random>
#include <string>
#include <vector>

#include "driver/diag.h"
#include "scan_fixture.h"

namespace {
struct ref_token {
  int code;
  std::string span;  // the token's text as written
};
}  // namespace

static bool s_letter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '_'; }
static bool s_digit(char c) { return c >= '0' && c <= '9'; }

// Length of a string literal starting at i (0 when none closes): a backslash
// and any character (a newline too) do not end it; a plain newline does.
static size_t s_string_at(const std::string &t, size_t i) {
  if (t[i] != '"')
    return 0;
  for (size_t j = i + 1; j < t.size();) {
    if (t[j] == '"')
      return j + 1 - i;
    if (t[j] == '\n')
      return 0;
    if (t[j] == '\\') {
      if (j + 1 >= t.size())
        return 0;
      j += 2;
    } else {
      j++;
    }
  }
  return 0;
}

// Length of a character constant starting at i: optional L, a quote, one or
// more characters or escapes (never a newline), a quote.
static size_t s_char_at(const std::string &t, size_t i) {
  size_t j = i + (t[i] == 'L' ? 1 : 0);
  if (j >= t.size() || t[j] != '\'')
    return 0;
  size_t items = 0;
  for (j++; j < t.size();) {
    if (t[j] == '\'')
      return items ? j + 1 - i : 0;
    if (t[j] == '\n')
      return 0;
    if (t[j] == '\\') {
      if (j + 1 >= t.size() || t[j + 1] == '\n')
        return 0;
      j += 2;
    } else {
      j++;
    }
    items++;
  }
  return 0;
}

static size_t s_word_at(const std::string &t, size_t i) {
  if (!s_letter(t[i]))
    return 0;
  size_t j = i + 1;
  while (j < t.size() && (s_letter(t[j]) || s_digit(t[j])))
    j++;
  return j - i;
}

// Decimal constant with its suffix letters (the inputs hold no 0).
static size_t s_decimal_at(const std::string &t, size_t i) {
  if (t[i] < '1' || t[i] > '9')
    return 0;
  size_t j = i + 1;
  while (j < t.size() && s_digit(t[j]))
    j++;
  while (j < t.size() && (t[j] == 'u' || t[j] == 'U' || t[j] == 'l' || t[j] == 'L'))
    j++;
  return j - i;
}

static std::vector<ref_token> s_reference(const std::string &t) {
  std::vector<ref_token> out;
  for (size_t i = 0; i < t.size();) {
    size_t best = 0;
    int code = 0;
    const std::pair<size_t, int> candidates[] = {{s_word_at(t, i), TOK_IDENTIFIER},
                                                 {s_decimal_at(t, i), TOK_CONSTANT},
                                                 {s_char_at(t, i), TOK_CONSTANT},
                                                 {s_string_at(t, i), TOK_STRING_LITERAL}};
    for (const auto &[length, c] : candidates)
      if (length > best) {
        best = length;
        code = c;
      }
    if (best == 0) {
      i++;  // skipped: lone quote, backslash, blank, newline
      continue;
    }
    out.push_back({code, t.substr(i, best)});
    i += best;
  }
  return out;
}

// The scanner's view of a reference token, for comparison.
static std::string s_expected_text(const ref_token &r) {
  if (r.code == TOK_IDENTIFIER)
    return r.span;
  if (r.code == TOK_STRING_LITERAL) {
    std::string bytes(r.span.size() + 1, '\0');
    bytes.resize(convert_escape_sequences(bytes.data(), r.span.c_str(), r.span.size()));
    return bytes;
  }
  return "";
}

static std::string s_show(const std::string &t) {
  std::string out;
  for (char c : t)
    out += c == '\n' ? std::string("\\n") : std::string(1, c);
  return out;
}

TEST_F(ScanTest, UnterminatedQuotesMatchTheReferenceTokenizer) {
  const std::string alphabet = "\"\"''\\\\\\aLx1 \n";
  std::mt19937 random(2026);
  for (int round = 0; round < 3000; round++) {
    std::string text;
    size_t length = 1 + random() % 24;
    for (size_t i = 0; i < length; i++)
      text.push_back(alphabet[random() % alphabet.size()]);
    std::vector<scanned> got;
    console_of([&] { got = scan_all(text); });  // '\L' and the like report 1103
    std::vector<ref_token> want = s_reference(text);
    ASSERT_EQ(got.size(), want.size()) << "input: " << s_show(text);
    for (size_t k = 0; k < want.size(); k++) {
      ASSERT_EQ(got[k].code, want[k].code) << "token " << k << " of " << s_show(text);
      if (want[k].code == TOK_CONSTANT && want[k].span[0] != '1') {
        hl_constant value{};
        console_of([&] { value = character_constant_value(want[k].span.c_str()); });
        EXPECT_EQ(got[k].constant.value.u, value.value.u) << s_show(text);
      } else if (want[k].code != TOK_CONSTANT) {
        EXPECT_EQ(got[k].text, s_expected_text(want[k])) << "token " << k << " of " << s_show(text);
      }
    }
  }
}

TEST_F(ScanTest, UnterminatedQuotesExamples) {
  // The string fails at the end of the line: "ab", "cd" and 'q' remain.
  auto tokens = scan_all("\"ab\\\"cd 'q'\nx");
  ASSERT_EQ(codes_of(tokens), (std::vector<int>{TOK_IDENTIFIER, TOK_IDENTIFIER, TOK_CONSTANT, TOK_IDENTIFIER}));
  EXPECT_EQ(tokens[2].constant.value.u, unsigned('q'));
  EXPECT_EQ(tokens[3].line, 2);
  // The character constant fails; the string after its escaped quote does not.
  tokens = scan_all("'\\'\"abc\"");
  ASSERT_EQ(codes_of(tokens), (std::vector<int>{TOK_STRING_LITERAL}));
  EXPECT_EQ(tokens[0].text, "abc");
  // An L before a quote that does not close is the identifier L.
  yylineno = 1;
  tokens = scan_all("L'\\'\nL''");
  ASSERT_EQ(codes_of(tokens), (std::vector<int>{TOK_IDENTIFIER, TOK_IDENTIFIER}));
  EXPECT_EQ(tokens[0].text, "L");
  EXPECT_EQ(tokens[1].line, 2);
  // Both kinds open at the end of the input.
  EXPECT_TRUE(scan_all("\"").empty());
  EXPECT_TRUE(scan_all("'").empty());
  EXPECT_TRUE(scan_all("\"abc\\").size() == 1u);
  EXPECT_EQ(codes_of(scan_all("'a")), (std::vector<int>{TOK_IDENTIFIER}));
}

TEST_F(ScanTest, UnterminatedQuotesInADirectiveLine) {
  std::vector<scanned> tokens;
  std::string out = console_of([&] { tokens = scan_all("#pragma varlocate \"sec\\\" a\nint\n"); });
  EXPECT_EQ(codes_of(tokens), (std::vector<int>{TOK_INT}));
  EXPECT_NE(out.find("[1013] error in pragma directive"), std::string::npos);
  EXPECT_EQ(tokens[0].line, 2);
}

TEST_F(ScanTest, EscapedQuotesScanInLinearTime) {
  const size_t pairs = 500000;  // a megabyte of backslash-quote pairs
  std::string strings = "\"", chars;
  for (size_t i = 0; i < pairs; i++) {
    strings += "\\\"";
    chars += "'\\";
  }
  for (const std::string *text : {&strings, &chars}) {
    yylineno = 1;
    auto start = std::chrono::steady_clock::now();
    std::vector<scanned> tokens = scan_all(*text + "\nend");
    double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    ASSERT_EQ(tokens.size(), 1u);  // only "end": every quote fails
    EXPECT_EQ(tokens[0].text, "end");
    EXPECT_EQ(tokens[0].line, 2);
    EXPECT_LT(seconds, 20.0) << "quadratic rescanning of escaped quotes";
  }
}
