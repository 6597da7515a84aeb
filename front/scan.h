// Scanner interface beyond yylex: lifecycle, the value conversions of
// constants and escapes, positions, and the token view that the directive
// handlers read while the scanner is in its directive state.
#ifndef VELC_FRONT_SCAN_H
#define VELC_FRONT_SCAN_H

#include <cstddef>
#include <cstdint>
#include <cstdio>

#include "front/hl.h"

// Token codes that the directive handlers test besides the one-character
// punctuators (which are their own character codes).
constexpr int SCAN_END = 0;            // end of input
constexpr int SCAN_EOL = 10;           // end of a directive line
constexpr int SCAN_CONSTANT = 257;     // integer or character constant
constexpr int SCAN_FLOAT = 258;        // floating constant
constexpr int SCAN_IDENTIFIER = 259;   // identifier
constexpr int SCAN_STRING = 260;       // string literal
constexpr int SCAN_KEYWORD_COUNT = 37;

// A source position: a line and an owned copy of a file name.
struct scan_position {
  long line;
  char *file;
};

// What the directive handlers see of the last token read in the directive
// state. The scanner owns the text; it lives until the next token.
struct directive_token {
  int code;                // token code
  const char *text;        // identifier name, or string bytes as written
  size_t length;           // bytes of text
  hl_constant constant;    // SCAN_CONSTANT and SCAN_FLOAT
};

extern FILE *yyin;
extern int yycolumn;
extern int in_asm;

// Starts scanning file (null: keep yyin) and creates dependent_file_hash; 0 on success.
int yyinitlex(FILE *file = nullptr);
// Frees dependent_file_hash and its names and the scanner's buffers.
void yyuninitlex();
// Scans length bytes of text instead of a file (tests, tools); after yyinitlex.
void scan_from_bytes(const char *text, size_t length);
// The next token code; fills the parser's yylval (or, in the directive state,
// the directive token).
int yylex();
// The last token read in the directive state.
const directive_token *scan_directive_token();

// Classifies the identifier in yytext: mnemonic inside _asm, keyword,
// typedef name or identifier; returns the token code and fills the value.
int check_type();
// Convert the constant in yytext into yylval (the directive token in the
// directive state); each returns the token code.
int integer_constant();
int character_constant();
int float_constant();
// Keyword token code of text, or 0.
int scan_keyword_code(const char *text);
// Converts yytext-like text of an integer constant; upper-cases text in place.
hl_constant integer_constant_value(char *text);
// Converts the text of a character constant (reports 1103 for a bad escape).
hl_constant character_constant_value(const char *text);
// Converts the text of a floating constant.
hl_constant float_constant_value(const char *text);
// Decodes one string character at *p and advances *p past it.
int esc(const char **p);
// Value of a hexadecimal digit: low 4 bits of a decimal digit, else upper case - 0x37.
int hex2bin(int c);
// Value of an octal digit: its low 3 bits.
int oct2bin(int c);
// Decodes src from just after its opening quote to the closing quote; bytes written.
size_t convert_escape_sequences(char *dst, const char *src);
// The same for a text of length bytes (quotes included) that may hold zero bytes.
size_t convert_escape_sequences(char *dst, const char *src, size_t length);
// Advances yylineno and yycolumn over length bytes of text (tab stops every 4 columns).
void count_text(const char *text, size_t length);
// Removes white space from both ends of text in place; returns text.
char *strstrip(char *text);
// The position line in file, with an owned copy of file (free() it).
scan_position getLineno(long line, const char *file);

#endif
