// Shared helpers of the parser tests: parse a text as one file from line 1,
// and the detailed dump of a tree as a string.
#ifndef VELC_TESTS_PARSER_PARSE_TEXT_H
#define VELC_TESTS_PARSER_PARSE_TEXT_H

#include <cstdio>
#include <cstdlib>
#include <string>

#include "front/front.h"

// Parses text as file name from line 1; returns the number of errors.
inline int parse(const std::string &text, const char *name = "t.c") {
  snprintf(yyfilename, sizeof yyfilename, "%s", name);
  yylineno = 1;
  return front_parse_bytes(text.data(), text.size());
}

inline std::string dump(const pcodehl *root) {
  char *buffer = nullptr;
  size_t size = 0;
  FILE *out = open_memstream(&buffer, &size);
  hl_dump_tree(out, root);
  fclose(out);
  std::string text(buffer, size);
  free(buffer);
  return text;
}

#endif
