// #if arithmetic. In: the tokens of an #if or #elif line after macro
// replacement (defined already turned into 0 or 1). Out: whether the group is
// selected. The target's long is 32 bits, so every operand is a 32-bit long
// or unsigned long and the usual arithmetic conversions pick unsigned when
// either side is unsigned. Identifiers left over count as 0. A malformed line
// reports 1029 and selects nothing; division by zero where it is evaluated
// reports 1104.
#include <cstring>

#include "cppqx/pp.h"

namespace {

struct Value {
  uint32_t v;
  bool is_unsigned;
};

struct Parser {
  Pp &pp;
  const std::vector<Token> &toks;
  size_t i;
  int depth;
  bool failed;
  bool div_zero;
  int skip;  // >0 while inside an operand that is not evaluated
  long line; // of the directive, for diagnostics
};

} // namespace

static Value s_conditional(Parser &ps);

static bool s_at(Parser &ps, unsigned code) {
  return ps.i < ps.toks.size() && ps.toks[ps.i].kind == TK_PUNCT && ps.toks[ps.i].code == code;
}

static Value s_fail(Parser &ps) {
  ps.failed = true;
  return {0, false};
}

static int s_digit(char c) {
  if (c >= '0' && c <= '9')
    return c - '0';
  if (c >= 'a' && c <= 'f')
    return c - 'a' + 10;
  if (c >= 'A' && c <= 'F')
    return c - 'A' + 10;
  return 99;
}

// Integer constant: decimal, octal, hexadecimal or binary with u/l suffixes.
static Value s_number(Parser &ps, const Token &t) {
  const char *p = t.text, *end = t.text + t.len;
  unsigned base = 10;
  if (end - p > 2 && p[0] == '0' && (p[1] == 'x' || p[1] == 'X'))
    base = 16, p += 2;
  else if (end - p > 2 && p[0] == '0' && (p[1] == 'b' || p[1] == 'B'))
    base = 2, p += 2;
  else if (p[0] == '0')
    base = 8;
  uint64_t v = 0;
  const char *digits = p;
  for (; p < end && s_digit(*p) < static_cast<int>(base); p++) {
    v = v * base + static_cast<unsigned>(s_digit(*p));
    if (v > 0xFFFFFFFFu)
      return s_fail(ps);
  }
  if (p == digits)
    return s_fail(ps);
  bool u = false;
  int l = 0;
  for (; p < end; p++) {
    if ((*p == 'u' || *p == 'U') && !u)
      u = true;
    else if ((*p == 'l' || *p == 'L') && l < 2)
      l++;
    else
      return s_fail(ps);
  }
  // C90: a decimal constant without u is long when it fits, else unsigned long;
  // octal, hexadecimal and binary ones become unsigned as soon as bit 31 is set.
  return {static_cast<uint32_t>(v), u || v > 0x7FFFFFFFu};
}

static uint32_t s_escape(Parser &ps, const char *&p, const char *end) {
  char c = *p++;
  switch (c) {
  case 'n': return '\n';
  case 't': return '\t';
  case 'v': return '\v';
  case 'b': return '\b';
  case 'r': return '\r';
  case 'f': return '\f';
  case 'a': return 7;
  case '\\': case '\'': case '"': case '?': return static_cast<unsigned char>(c);
  case 'x': {
    uint32_t v = 0;
    const char *start = p;
    while (p < end && s_digit(*p) < 16)
      v = v * 16 + static_cast<unsigned>(s_digit(*p++));
    if (p == start)
      ps.failed = true;
    return v;
  }
  default:
    if (c >= '0' && c <= '7') {
      uint32_t v = static_cast<uint32_t>(c - '0');
      for (int n = 1; n < 3 && p < end && *p >= '0' && *p <= '7'; n++)
        v = v * 8 + static_cast<uint32_t>(*p++ - '0');
      return v;
    }
    std::string seq = std::string("\\") + c;
    pp_error(ps.pp, ps.line, 1103, seq.c_str());
    return static_cast<unsigned char>(c);
  }
}

// Character constant: plain char is signed, several characters are packed
// from the left into the int.
static Value s_char(Parser &ps, const Token &t) {
  const char *p = t.text, *end = t.text + t.len - 1;
  bool wide = *p == 'L';
  p += wide ? 2 : 1;
  if ((t.flags & TF_UNTERMINATED) || p >= end)
    return s_fail(ps);
  uint32_t v = 0;
  int count = 0;
  while (p < end) {
    uint32_t c = *p == '\\' ? (p++, s_escape(ps, p, end)) : static_cast<unsigned char>(*p++);
    v = wide ? c : (v << 8) | (c & 0xFF);
    count++;
  }
  if (!wide && count == 1)
    v = static_cast<uint32_t>(static_cast<int32_t>(static_cast<int8_t>(v & 0xFF)));
  return {v, false};
}

static Value s_primary(Parser &ps) {
  if (ps.i >= ps.toks.size())
    return s_fail(ps);
  const Token &t = ps.toks[ps.i];
  if (t.kind == TK_PUNCT && t.code == P_LPAREN) {
    ps.i++;
    Value v = s_conditional(ps);
    if (!s_at(ps, P_RPAREN))
      return s_fail(ps);
    ps.i++;
    return v;
  }
  ps.i++;
  if (t.kind == TK_NUMBER)
    return s_number(ps, t);
  if (t.kind == TK_CHAR)
    return s_char(ps, t);
  if (t.kind == TK_IDENT)
    return {0, false};
  return s_fail(ps);
}

static Value s_unary(Parser &ps) {
  if (++ps.depth > PP_MAX_EXPR_DEPTH)
    return s_fail(ps);
  Value v;
  if (s_at(ps, P_PLUS) || s_at(ps, P_MINUS) || s_at(ps, P_TILDE) || s_at(ps, P_NOT)) {
    unsigned op = ps.toks[ps.i++].code;
    v = s_unary(ps);
    if (op == P_MINUS)
      v.v = 0u - v.v;
    else if (op == P_TILDE)
      v.v = ~v.v;
    else if (op == P_NOT)
      v = {v.v == 0, false};
  } else {
    v = s_primary(ps);
  }
  ps.depth--;
  return v;
}

// Binding strength of a binary operator, 0 when the token is none.
static int s_prec(unsigned code) {
  switch (code) {
  case P_STAR: case P_SLASH: case P_PERCENT: return 10;
  case P_PLUS: case P_MINUS: return 9;
  case P_SHL: case P_SHR: return 8;
  case P_LT: case P_GT: case P_LE: case P_GE: return 7;
  case P_EQ: case P_NE: return 6;
  case P_AMP: return 5;
  case P_CARET: return 4;
  case P_PIPE: return 3;
  case P_ANDAND: return 2;
  case P_OROR: return 1;
  default: return 0;
  }
}

static Value s_divide(Parser &ps, unsigned op, Value a, Value b, bool u) {
  if (b.v == 0) {
    if (!ps.skip)
      ps.div_zero = true;
    return {0, u};
  }
  if (u)
    return {op == P_SLASH ? a.v / b.v : a.v % b.v, true};
  int32_t x = static_cast<int32_t>(a.v), y = static_cast<int32_t>(b.v);
  if (x == INT32_MIN && y == -1)
    return {op == P_SLASH ? a.v : 0u, false};
  return {static_cast<uint32_t>(op == P_SLASH ? x / y : x % y), false};
}

static Value s_shift(unsigned op, Value a, Value b) {
  uint32_t n = b.v;
  bool negative = !b.is_unsigned && static_cast<int32_t>(n) < 0;
  if (negative) {
    op = op == P_SHL ? P_SHR : P_SHL;
    n = 0u - n;
  }
  if (op == P_SHL)
    return {n >= 32 ? 0u : a.v << n, a.is_unsigned};
  if (a.is_unsigned)
    return {n >= 32 ? 0u : a.v >> n, true};
  int32_t x = static_cast<int32_t>(a.v);
  return {static_cast<uint32_t>(n >= 32 ? (x < 0 ? -1 : 0) : x >> n), false};
}

static Value s_compare(unsigned op, Value a, Value b, bool u) {
  bool r;
  if (u)
    r = op == P_LT ? a.v < b.v : op == P_GT ? a.v > b.v : op == P_LE ? a.v <= b.v : a.v >= b.v;
  else {
    int32_t x = static_cast<int32_t>(a.v), y = static_cast<int32_t>(b.v);
    r = op == P_LT ? x < y : op == P_GT ? x > y : op == P_LE ? x <= y : x >= y;
  }
  return {r, false};
}

static Value s_apply(Parser &ps, unsigned op, Value a, Value b) {
  bool u = a.is_unsigned || b.is_unsigned;
  switch (op) {
  case P_STAR: return {a.v * b.v, u};
  case P_SLASH: case P_PERCENT: return s_divide(ps, op, a, b, u);
  case P_PLUS: return {a.v + b.v, u};
  case P_MINUS: return {a.v - b.v, u};
  case P_SHL: case P_SHR: return s_shift(op, a, b);
  case P_LT: case P_GT: case P_LE: case P_GE: return s_compare(op, a, b, u);
  case P_EQ: return {a.v == b.v, false};
  case P_NE: return {a.v != b.v, false};
  case P_AMP: return {a.v & b.v, u};
  case P_CARET: return {a.v ^ b.v, u};
  case P_PIPE: return {a.v | b.v, u};
  case P_ANDAND: return {a.v && b.v, false};
  default: return {a.v || b.v, false};
  }
}

// Binary operators by precedence climbing; the right operand of && and ||
// is parsed but not evaluated when the left one decides.
static Value s_binary(Parser &ps, int min_prec) {
  Value a = s_unary(ps);
  while (ps.i < ps.toks.size() && ps.toks[ps.i].kind == TK_PUNCT) {
    unsigned op = ps.toks[ps.i].code;
    int prec = s_prec(op);
    if (prec == 0 || prec < min_prec)
      break;
    ps.i++;
    bool lazy = (op == P_ANDAND && a.v == 0) || (op == P_OROR && a.v != 0);
    ps.skip += lazy;
    Value b = s_binary(ps, prec + 1);
    ps.skip -= lazy;
    a = s_apply(ps, op, a, b);
  }
  return a;
}

static Value s_conditional(Parser &ps) {
  if (++ps.depth > PP_MAX_EXPR_DEPTH)
    return s_fail(ps);
  Value c = s_binary(ps, 1);
  if (s_at(ps, P_QUESTION)) {
    ps.i++;
    ps.skip += c.v == 0;
    Value a = s_conditional(ps);
    ps.skip -= c.v == 0;
    if (!s_at(ps, P_COLON))
      return s_fail(ps);
    ps.i++;
    ps.skip += c.v != 0;
    Value b = s_conditional(ps);
    ps.skip -= c.v != 0;
    bool u = a.is_unsigned || b.is_unsigned;
    c = {c.v ? a.v : b.v, u};
  }
  if (s_at(ps, P_COMMA)) {
    ps.i++;
    c = s_conditional(ps);
  }
  ps.depth--;
  return c;
}

bool expr_eval(Pp &pp, const std::vector<Token> &toks, const char *directive, long line) {
  Parser ps{pp, toks, 0, 0, false, false, 0, line};
  Value v = s_conditional(ps);
  if (ps.failed || ps.i != toks.size() || toks.empty()) {
    pp_error(pp, line, 1029, directive);
    return false;
  }
  if (ps.div_zero) {
    pp_error(pp, line, 1104);
    return false;
  }
  return v.v != 0;
}
