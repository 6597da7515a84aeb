// Translation phases 1 to 3. In: the bytes of a source file. Out: a cleaned
// copy (trigraphs replaced, every line end a single '\n', backslash-newline
// splices removed with their offsets kept for line counting, NUL bytes made
// blanks) and, on demand, its preprocessing tokens with their presumed line
// numbers, the white space before them and whether they start a line.
// Comments become white space; an unterminated comment reports 1021.
#include <cstring>
#include <sys/stat.h>

#include "cppqx/pp.h"

enum : uint8_t { CC_IDSTART = 1, CC_IDCHAR = 2, CC_DIGIT = 4, CC_BLANK = 8, CC_CLEAN = 16, CC_SKIP = 32 };

static constexpr struct s_class_table {
  uint8_t c[256];
  constexpr s_class_table() : c{} {
    for (int i = 'a'; i <= 'z'; i++)
      c[i] |= CC_IDSTART | CC_IDCHAR;
    for (int i = 'A'; i <= 'Z'; i++)
      c[i] |= CC_IDSTART | CC_IDCHAR;
    c['_'] |= CC_IDSTART | CC_IDCHAR;
    for (int i = '0'; i <= '9'; i++)
      c[i] |= CC_IDCHAR | CC_DIGIT;
    c[' '] = c['\t'] = c['\f'] = c['\v'] = CC_BLANK;
    // Bytes that phases 1 and 2 may change.
    c['?'] |= CC_CLEAN;
    c['\\'] |= CC_CLEAN;
    c['\r'] |= CC_CLEAN;
    c[0] |= CC_CLEAN;
    // Bytes that matter while a skipped line is passed over.
    c['\n'] |= CC_SKIP;
    c['/'] |= CC_SKIP;
    c['"'] |= CC_SKIP;
    c['\''] |= CC_SKIP;
    c[0] |= CC_SKIP;
  }
} s_cc;

static inline bool s_is(unsigned char ch, uint8_t cls) { return (s_cc.c[ch] & cls) != 0; }

// The character a trigraph ??x stands for, or 0.
static char s_trigraph(char x) {
  switch (x) {
  case '=': return '#';
  case '(': return '[';
  case '/': return '\\';
  case ')': return ']';
  case '\'': return '^';
  case '<': return '{';
  case '!': return '|';
  case '>': return '}';
  case '-': return '~';
  default: return 0;
  }
}

// Length of the line end at raw[i] ("\n", "\r\n" or "\r"), 0 when none.
static size_t s_newline_at(const char *raw, size_t size, size_t i) {
  if (i >= size)
    return 0;
  if (raw[i] == '\n')
    return 1;
  if (raw[i] == '\r')
    return i + 1 < size && raw[i + 1] == '\n' ? 2 : 1;
  return 0;
}

// One byte that phases 1 and 2 may rewrite; returns how many raw bytes it used.
static size_t s_clean_one(const char *raw, size_t size, size_t i, FileBuf &out) {
  char c = raw[i];
  size_t used = 1;
  if (c == '?' && i + 2 < size && raw[i + 1] == '?' && s_trigraph(raw[i + 2])) {
    c = s_trigraph(raw[i + 2]);
    used = 3;
  }
  if (c == '\\') {
    size_t nl = s_newline_at(raw, size, i + used);
    if (nl) {
      out.splices.push_back(static_cast<uint32_t>(out.data.size()));
      return used + nl;
    }
  } else if (c == '\r') {
    c = '\n';
    used = s_newline_at(raw, size, i);
  } else if (c == '\0') {
    if (!out.first_nul_line) {
      size_t lines = 1;
      for (char d : out.data)
        lines += d == '\n';
      out.first_nul_line = static_cast<long>(lines + out.splices.size());
    }
    c = ' ';
  }
  out.data.push_back(c);
  return used;
}

void lex_clean(const char *raw, size_t size, FileBuf &out) {
  out.data.clear();
  out.data.reserve(size + 2);
  size_t i = 0;
  while (i < size) {
    size_t run = i;
    while (i < size && !s_is(static_cast<unsigned char>(raw[i]), CC_CLEAN))
      i++;
    out.data.append(raw + run, i - run);
    if (i < size)
      i += s_clean_one(raw, size, i, out);
  }
  // A file must end in a new line; one that does not is completed silently.
  if (!out.data.empty() && out.data.back() != '\n')
    out.data.push_back('\n');
  out.data.push_back('\0');
}

FileBuf *lex_load(Pp &pp, const std::string &path, bool *is_dir) {
  *is_dir = false;
  auto it = pp.files.find(path);
  if (it != pp.files.end())
    return it->second.get();
  struct stat st;
  if (stat(path.c_str(), &st) != 0)
    return nullptr;
  if (!S_ISREG(st.st_mode)) {
    *is_dir = S_ISDIR(st.st_mode);
    return nullptr;
  }
  FILE *in = fopen(path.c_str(), "rb");
  if (!in)
    return nullptr;
  std::string raw;
  char chunk[65536];
  size_t n;
  while ((n = fread(chunk, 1, sizeof chunk, in)) > 0)
    raw.append(chunk, n);
  fclose(in);
  auto buf = std::make_unique<FileBuf>();
  lex_clean(raw.data(), raw.size(), *buf);
  FileBuf *result = buf.get();
  pp.files.emplace(path, std::move(buf));
  return result;
}

// Physical line of position p: counts the splices that lie before it.
static uint32_t s_line_at(SrcFile &f, const char *p) {
  uint32_t offset = static_cast<uint32_t>(p - f.buf->data.data());
  const std::vector<uint32_t> &sp = f.buf->splices;
  while (f.next_splice < sp.size() && sp[f.next_splice] <= offset) {
    f.line++;
    f.next_splice++;
  }
  return f.line;
}

// Passes a /* comment */ starting at p; reports 1021 when it never ends.
static const char *s_skip_comment(Pp &pp, SrcFile &f, const char *p) {
  long start = static_cast<long>(s_line_at(f, p)) + f.line_delta;
  p += 2;
  for (; p < f.end; p++) {
    if (*p == '\n')
      f.line++;
    else if (*p == '*' && p[1] == '/')
      return p + 2;
  }
  pp_error(pp, start, 1021);
  return f.end;
}

static const char *s_scan_quoted(const char *p, char quote, Token &t) {
  const char *q = p + 1;
  while (*q != quote) {
    if (*q == '\n' || *q == '\0') {
      t.flags |= TF_UNTERMINATED;
      return q;
    }
    q += (*q == '\\' && q[1] != '\n' && q[1] != '\0') ? 2 : 1;
  }
  return q + 1;
}

static const char *s_scan_number(const char *p) {
  const char *q = p + 1;
  for (;;) {
    unsigned char c = static_cast<unsigned char>(*q);
    if (s_is(c, CC_IDCHAR) || c == '.')
      q++;
    else if ((c == '+' || c == '-') && (q[-1] == 'e' || q[-1] == 'E' || q[-1] == 'p' || q[-1] == 'P'))
      q++;
    else
      return q;
  }
}

static inline const char *s_punct(Token &t, uint16_t code, const char *end) {
  t.kind = TK_PUNCT;
  t.code = code;
  return end;
}

// Punctuators: the longest spelling that matches at p.
static const char *s_scan_punct(const char *p, Token &t) {
  char c1 = p[1], c2 = c1 ? p[2] : 0;
  switch (*p) {
  case '[': return s_punct(t, P_LBRACKET, p + 1);
  case ']': return s_punct(t, P_RBRACKET, p + 1);
  case '(': return s_punct(t, P_LPAREN, p + 1);
  case ')': return s_punct(t, P_RPAREN, p + 1);
  case '{': return s_punct(t, P_LBRACE, p + 1);
  case '}': return s_punct(t, P_RBRACE, p + 1);
  case '~': return s_punct(t, P_TILDE, p + 1);
  case '?': return s_punct(t, P_QUESTION, p + 1);
  case ':': return s_punct(t, P_COLON, p + 1);
  case ';': return s_punct(t, P_SEMI, p + 1);
  case ',': return s_punct(t, P_COMMA, p + 1);
  case '.':
    if (c1 == '.' && c2 == '.')
      return s_punct(t, P_ELLIPSIS, p + 3);
    return s_punct(t, P_DOT, p + 1);
  case '-':
    if (c1 == '>') return s_punct(t, P_ARROW, p + 2);
    if (c1 == '-') return s_punct(t, P_DEC, p + 2);
    if (c1 == '=') return s_punct(t, P_SUB_ASSIGN, p + 2);
    return s_punct(t, P_MINUS, p + 1);
  case '+':
    if (c1 == '+') return s_punct(t, P_INC, p + 2);
    if (c1 == '=') return s_punct(t, P_ADD_ASSIGN, p + 2);
    return s_punct(t, P_PLUS, p + 1);
  case '&':
    if (c1 == '&') return s_punct(t, P_ANDAND, p + 2);
    if (c1 == '=') return s_punct(t, P_AND_ASSIGN, p + 2);
    return s_punct(t, P_AMP, p + 1);
  case '|':
    if (c1 == '|') return s_punct(t, P_OROR, p + 2);
    if (c1 == '=') return s_punct(t, P_OR_ASSIGN, p + 2);
    return s_punct(t, P_PIPE, p + 1);
  case '*': return c1 == '=' ? s_punct(t, P_MUL_ASSIGN, p + 2) : s_punct(t, P_STAR, p + 1);
  case '/': return c1 == '=' ? s_punct(t, P_DIV_ASSIGN, p + 2) : s_punct(t, P_SLASH, p + 1);
  case '%': return c1 == '=' ? s_punct(t, P_MOD_ASSIGN, p + 2) : s_punct(t, P_PERCENT, p + 1);
  case '^': return c1 == '=' ? s_punct(t, P_XOR_ASSIGN, p + 2) : s_punct(t, P_CARET, p + 1);
  case '!': return c1 == '=' ? s_punct(t, P_NE, p + 2) : s_punct(t, P_NOT, p + 1);
  case '=': return c1 == '=' ? s_punct(t, P_EQ, p + 2) : s_punct(t, P_ASSIGN, p + 1);
  case '#': return c1 == '#' ? s_punct(t, P_HASHHASH, p + 2) : s_punct(t, P_HASH, p + 1);
  case '<':
    if (c1 == '<') return c2 == '=' ? s_punct(t, P_SHL_ASSIGN, p + 3) : s_punct(t, P_SHL, p + 2);
    if (c1 == '=') return s_punct(t, P_LE, p + 2);
    return s_punct(t, P_LT, p + 1);
  case '>':
    if (c1 == '>') return c2 == '=' ? s_punct(t, P_SHR_ASSIGN, p + 3) : s_punct(t, P_SHR, p + 2);
    if (c1 == '=') return s_punct(t, P_GE, p + 2);
    return s_punct(t, P_GT, p + 1);
  default:
    t.kind = TK_OTHER;
    return p + 1;
  }
}

const char *lex_scan(Pp &pp, const char *p, Token &t) {
  t.text = p;
  t.ident = nullptr;
  t.hs = nullptr;
  t.code = 0;
  unsigned char c = static_cast<unsigned char>(*p);
  const char *q;
  if (s_is(c, CC_IDSTART)) {
    q = p + 1;
    while (s_is(static_cast<unsigned char>(*q), CC_IDCHAR))
      q++;
    if (q == p + 1 && c == 'L' && (*q == '\'' || *q == '"')) {
      t.kind = *q == '"' ? TK_STRING : TK_CHAR;
      q = s_scan_quoted(q, *q, t);
    } else {
      t.kind = TK_IDENT;
      t.ident = pp_ident(pp, p, static_cast<size_t>(q - p));
    }
  } else if (s_is(c, CC_DIGIT) || (c == '.' && s_is(static_cast<unsigned char>(p[1]), CC_DIGIT))) {
    t.kind = TK_NUMBER;
    q = s_scan_number(p);
  } else if (c == '"' || c == '\'') {
    t.kind = c == '"' ? TK_STRING : TK_CHAR;
    q = s_scan_quoted(p, static_cast<char>(c), t);
  } else {
    q = s_scan_punct(p, t);
  }
  t.len = static_cast<uint32_t>(q - p);
  return q;
}

// A header name <...> in an #include line; unterminated when the line ends first.
static const char *s_scan_header(const char *p, Token &t) {
  const char *q = p + 1;
  while (*q != '>' && *q != '\n' && *q != '\0')
    q++;
  t.kind = TK_HEADER;
  t.text = p;
  t.ident = nullptr;
  t.hs = nullptr;
  t.code = 0;
  if (*q == '>')
    q++;
  else
    t.flags |= TF_UNTERMINATED;
  t.len = static_cast<uint32_t>(q - p);
  return q;
}

// White space and comments before a token; stops at a line end in a directive.
static const char *s_skip_space(Pp &pp, SrcFile &f, const char *p, uint8_t &flags) {
  for (;;) {
    unsigned char c = static_cast<unsigned char>(*p);
    if (s_is(c, CC_BLANK)) {
      p++;
      flags |= TF_SPACE;
    } else if (c == '\n') {
      if (f.directive)
        return p;
      p++;
      f.line++;
      flags |= TF_BOL | TF_SPACE;
    } else if (c == '/' && p[1] == '*') {
      p = s_skip_comment(pp, f, p);
      flags |= TF_SPACE;
    } else if (c == '/' && p[1] == '/') {
      while (*p != '\n' && p < f.end)
        p++;
      flags |= TF_SPACE;
    } else {
      return p;
    }
  }
}

void lex_next(Pp &pp, SrcFile &f, Token &t) {
  if (f.has_ahead) {
    t = f.ahead;
    f.has_ahead = false;
    return;
  }
  uint8_t flags = f.bol ? TF_BOL | TF_SPACE : 0;
  const char *p = s_skip_space(pp, f, f.p, flags);
  t.line = s_line_at(f, p) + f.line_delta;
  t.flags = flags;
  t.text = p;
  t.len = 0;
  t.ident = nullptr;
  t.hs = nullptr;
  if (p >= f.end || *p == '\n') {
    t.kind = f.directive ? TK_EOL : TK_EOF;
    if (p < f.end) {
      p++;
      f.line++;
    }
    f.p = p;
    f.bol = true;
    return;
  }
  if (f.header_ok && *p == '<')
    p = s_scan_header(p, t);
  else
    p = lex_scan(pp, p, t);
  f.header_ok = false;
  f.p = p;
  f.bol = false;
}

void lex_unget(SrcFile &f, const Token &t) {
  f.ahead = t;
  f.has_ahead = true;
}

bool lex_skip_to_hash(Pp &pp, SrcFile &f) {
  const char *p = f.p;
  for (;;) {
    while (s_is(static_cast<unsigned char>(*p), CC_BLANK))
      p++;
    if (p[0] == '/' && p[1] == '*')
      p = s_skip_comment(pp, f, p);
    else
      break;
  }
  f.p = p;
  if (*p != '#' || p >= f.end)
    return false;
  f.p = p + 1;
  f.bol = false;
  return true;
}

bool lex_skip_line(Pp &pp, SrcFile &f) {
  const char *p = f.p;
  for (;;) {
    while (!s_is(static_cast<unsigned char>(*p), CC_SKIP))
      p++;
    char c = *p;
    if (p >= f.end) {
      f.p = f.end;
      return false;
    }
    if (c == '\n') {
      f.p = p + 1;
      f.line++;
      f.bol = true;
      return true;
    }
    if (c == '/' && p[1] == '*') {
      p = s_skip_comment(pp, f, p);
    } else if (c == '/' && p[1] == '/') {
      while (*p != '\n' && p < f.end)
        p++;
    } else if (c == '"' || c == '\'') {
      Token t;
      t.flags = 0;
      p = s_scan_quoted(p, c, t);
    } else {
      p++;
    }
  }
}
