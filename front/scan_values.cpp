// Value conversions of the scanner: integer, character and floating
// constants from their text, string escapes, and the line and column count.
// In: the text of one token. Out: a typed constant, decoded string bytes, or
// the updated position. The integer type rules give the smallest type of
// this 8-bit target that holds the value, so 100 is a char constant.
#include <cctype>
#include <cfloat>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>

#include "driver/diag.h"
#include "front/scan.h"

int yycolumn;

// Digits of text in base, saturating at 0xFFFFFFFF as a 32-bit strtoul does.
static uint32_t s_convert(const char *digits, int base) {
  uint64_t value = 0;
  for (const char *p = digits; *p; p++) {
    int c = toupper(static_cast<unsigned char>(*p));
    int digit = isdigit(c) ? c - '0' : (c >= 'A' && c <= 'F') ? c - 'A' + 10 : 99;
    if (digit >= base)
      break;
    value = value * base + digit;
    if (value > 0xFFFFFFFFu)
      return 0xFFFFFFFFu;
  }
  return static_cast<uint32_t>(value);
}

// Automatic base: "0X" hexadecimal, "0B" binary, a leading "0" octal, else decimal.
static uint32_t s_integer_value(const char *text, int *radix) {
  if (text[0] == '0' && (text[1] == 'X' || text[1] == 'B')) {
    *radix = text[1] == 'X' ? 16 : 2;
    return s_convert(text + 2, *radix);
  }
  *radix = text[0] == '0' ? 8 : 10;
  return s_convert(text, *radix);
}

static int32_t s_first_fit(uint32_t value, const uint32_t *limits, const int32_t *types, int n) {
  for (int i = 0; i < n; i++)
    if (value <= limits[i])
      return types[i];
  return types[n];
}

static int32_t s_integer_type(uint32_t value, int is_unsigned, int is_long, int radix) {
  if (is_long)
    return is_unsigned ? CT_ULONG : CT_LONG;
  if (is_unsigned) {
    static const uint32_t limits[] = {0xFF, 0xFFFF, 0xFFFFFF};
    static const int32_t types[] = {CT_UCHAR, CT_UINT, CT_USHORTLONG, CT_ULONG};
    return s_first_fit(value, limits, types, 3);
  }
  if (radix == 10) {
    static const uint32_t limits[] = {0x7F, 0x7FFF, 0x7FFFFF};
    static const int32_t types[] = {CT_CHAR, CT_INT, CT_SHORTLONG, CT_LONG};
    return s_first_fit(value, limits, types, 3);
  }
  static const uint32_t limits[] = {0x7F, 0xFF, 0x7FFF, 0xFFFF, 0x7FFFFF, 0xFFFFFF, 0x7FFFFFFF};
  static const int32_t types[] = {CT_CHAR,       CT_UCHAR, CT_INT,  CT_UINT, CT_SHORTLONG,
                                  CT_USHORTLONG, CT_LONG,  CT_ULONG};
  return s_first_fit(value, limits, types, 7);
}

hl_constant integer_constant_value(char *text) {
  int is_unsigned = 0, is_long = 0;
  for (char *p = text; *p; p++)
    *p = static_cast<char>(toupper(static_cast<unsigned char>(*p)));
  for (char *p = text + strcspn(text, "UL"); *p; p++) {
    is_unsigned |= *p == 'U';
    is_long |= *p == 'L';
  }
  int radix;
  hl_constant constant{};
  constant.value.u = s_integer_value(text, &radix);
  constant.type = s_integer_type(constant.value.u, is_unsigned, is_long, radix);
  return constant;
}

// Value of the escape after the backslash at *p; -1 for an unknown one.
static int s_char_escape(const char *p) {
  static const char letters[] = "n\"'?\\abfrtv";
  static const int values[] = {10, 34, 39, 63, 92, 7, 8, 12, 13, 9, 11};
  if (*p && strchr(letters, *p))
    return values[strchr(letters, *p) - letters];
  if (*p == 'x')
    return static_cast<int>(s_convert(p + 1, 16) & 0xFF);
  if (*p >= '0' && *p <= '7')
    return static_cast<int>(s_convert(p, 8) & 0xFF);
  return -1;
}

hl_constant character_constant_value(const char *text) {
  hl_constant constant{};
  constant.type = CT_UCHAR;
  const char *p = text + (text[0] == 'L') + 1;  // past "L" and the quote
  if (*p != '\\') {
    constant.value.u = static_cast<unsigned char>(*p);
    return constant;
  }
  int value = s_char_escape(p + 1);
  if (value < 0) {
    post_error(1103, text);
    value = 0;
  }
  constant.value.u = static_cast<uint32_t>(value);
  return constant;
}

hl_constant float_constant_value(const char *text) {
  double value = strtod(text, nullptr);
  // The conversion to float rounds to the nearest value: up to half a unit
  // in the last place beyond the largest float still rounds down to it, from
  // there on the value is infinite (with its sign).
  static const double overflow = 0x1.ffffffp127;
  if (std::fabs(value) >= overflow)
    value = std::copysign(HUGE_VAL, value);
  hl_constant constant{};
  constant.type = CT_FLOAT;
  constant.value.f = static_cast<float>(value);
  return constant;
}

int hex2bin(int c) { return isdigit(c) ? (c & 0x0F) : toupper(c) - 0x37; }

int oct2bin(int c) { return c & 0x07; }

// The escape letters and their values, compared in upper case.
static int s_letter_escape(int upper) {
  static const char letters[] = "ABEFNRTV";
  static const int values[] = {7, 8, 27, 12, 10, 13, 9, 11};
  const char *hit = upper ? strchr(letters, upper) : nullptr;
  return hit ? values[hit - letters] : -1;
}

static int s_counted_digits(const char **p, int (*is_digit)(int), int (*value_of)(int), int shift) {
  int value = 0;
  for (int n = 0; n < 3 && is_digit(static_cast<unsigned char>(**p)); n++, (*p)++)
    value = (value << shift) + value_of(static_cast<unsigned char>(**p));
  return value;
}

static int s_is_octal(int c) { return c >= '0' && c <= '7'; }
static int s_is_hex(int c) { return isxdigit(c) != 0; }

int esc(const char **p) {
  int c = static_cast<unsigned char>(*(*p)++);
  if (c != '\\')
    return c;
  int next = static_cast<unsigned char>(**p);
  if (next == 0)
    return '\\';
  int upper = toupper(next);
  if (s_is_octal(next))
    return s_counted_digits(p, s_is_octal, oct2bin, 3);
  (*p)++;
  if (upper == 'X')
    return s_counted_digits(p, s_is_hex, hex2bin, 4);
  if (upper == '^') {
    int control = static_cast<unsigned char>(**p);
    if (control == 0)
      return '^';
    (*p)++;
    return toupper(control) - 0x40;
  }
  int value = s_letter_escape(upper);
  return value >= 0 ? value : next;
}

size_t convert_escape_sequences(char *dst, const char *src) {
  return convert_escape_sequences(dst, src, strlen(src));
}

// The escapes are decoded from a copy of the text between the quotes, ended
// by a zero byte, so that an escape at the end of the literal ("\^", "\x")
// ends there and never takes the closing quote for one of its characters.
size_t convert_escape_sequences(char *dst, const char *src, size_t length) {
  std::string body(src + (length ? 1 : 0), length >= 2 ? length - 2 : 0);
  const char *p = body.c_str();
  const char *end = p + body.size();
  size_t n = 0;
  while (p < end)
    dst[n++] = static_cast<char>(esc(&p));
  return n;
}

void count_text(const char *text, size_t length) {
  for (const char *p = text; p < text + length; p++) {
    if (*p == '\n') {
      yylineno++;
      yycolumn = 0;
    } else if (*p == '\t') {
      yycolumn = (yycolumn / 4 + 1) * 4;
    } else {
      yycolumn++;
    }
  }
}

char *strstrip(char *text) {
  size_t length = strlen(text);
  while (length && isspace(static_cast<unsigned char>(text[length - 1])))
    text[--length] = 0;
  size_t start = strspn(text, " \t\n\r\f\v");
  memmove(text, text + start, length - start + 1);
  return text;
}

scan_position getLineno(long line, const char *file) {
  char *copy = strdup(file ? file : "");
  if (!copy)
    post_error(101);
  return scan_position{line, copy};
}
