// Keyword lookup of the scanner: identifier text in, keyword token code out
// (0 for an ordinary identifier). Keywords are case-sensitive.
#include <cstring>

#include "front/scan.h"

namespace {
struct keyword_row {
  const char *text;
  int code;
};
}  // namespace

static const keyword_row s_keywords[] = {
#define KEYWORD(text, code) {text, code},
#include "front/scan_keywords.def"
#undef KEYWORD
};
static_assert(sizeof(s_keywords) / sizeof(s_keywords[0]) == SCAN_KEYWORD_COUNT);

int scan_keyword_code(const char *text) {
  for (const keyword_row &row : s_keywords)
    if (strcmp(row.text, text) == 0)
      return row.code;
  return 0;
}
