// Keyword lookup of the scanner: identifier text in, keyword token code out
// (0 for an ordinary identifier). Keywords are case-sensitive.
//
// Every identifier of the input comes through here, so the rows are grouped
// by their first letter at compile time: a word is compared only with the
// few keywords that share its first letter, and a word that starts with
// anything but a lower-case letter is no keyword at all.
#include <array>
#include <cstdint>
#include <cstring>

#include "front/scan.h"

namespace {
struct keyword_row {
  const char *text;
  int code;
};
}  // namespace

static constexpr keyword_row s_keywords[] = {
#define KEYWORD(text, code) {text, code},
#include "front/scan_keywords.def"
#undef KEYWORD
};
constexpr size_t s_keyword_count = sizeof(s_keywords) / sizeof(s_keywords[0]);
static_assert(s_keyword_count == SCAN_KEYWORD_COUNT);

// For each first letter a to z: the rows that start with it, in table order,
// as a range of s_letter_rows.
namespace {
struct s_letter_index {
  std::array<uint8_t, 27> start{};                  // letter l: [start[l], start[l + 1])
  std::array<uint8_t, s_keyword_count> rows{};
};
}  // namespace

static constexpr s_letter_index s_make_index() {
  s_letter_index index;
  size_t n = 0;
  for (int letter = 0; letter < 26; letter++) {
    index.start[letter] = static_cast<uint8_t>(n);
    for (size_t r = 0; r < s_keyword_count; r++)
      if (s_keywords[r].text[0] == 'a' + letter)
        index.rows[n++] = static_cast<uint8_t>(r);
  }
  index.start[26] = static_cast<uint8_t>(n);
  return index;
}
static constexpr s_letter_index s_index = s_make_index();
static_assert(s_index.start[26] == s_keyword_count, "every keyword starts with a lower-case letter");

int scan_keyword_code(const char *text) {
  unsigned letter = static_cast<unsigned char>(text[0]) - 'a';
  if (letter >= 26)
    return 0;
  for (unsigned i = s_index.start[letter]; i < s_index.start[letter + 1]; i++) {
    const keyword_row &row = s_keywords[s_index.rows[i]];
    if (strcmp(row.text + 1, text + 1) == 0)
      return row.code;
  }
  return 0;
}
