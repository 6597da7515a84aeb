// Macro replacement. In: identifiers met while scanning, with the macro table
// that define.cpp fills. Out: replacement lists pushed back onto the token
// source so that they are rescanned together with the rest of the text.
// Recursion is stopped by hide sets: a name carries the names of the macros
// whose replacement made it, and a name in its own hide set is never
// replaced again.
#include <cstring>

#include "cppqx/pp.h"
#include "driver/diag.h"

using Args = std::vector<std::vector<Token>>;

static bool s_is_punct(const Token &t, unsigned code) { return t.kind == TK_PUNCT && t.code == code; }

static std::string s_spell(const Token &t) {
  if (t.kind == TK_PUNCT)
    return punct_spelling(t.code);
  return std::string(t.text, t.len);
}

std::string tokens_spell(const std::vector<Token> &toks, size_t from) {
  std::string s;
  for (size_t i = from; i < toks.size(); i++) {
    if (i > from && (toks[i].flags & TF_SPACE))
      s += ' ';
    s.append(toks[i].text, toks[i].len);
  }
  return s;
}

int src_read(Pp &pp, TokenSource &src, Token &t) {
  if (!src.pending.empty()) {
    t = src.pending.back();
    src.pending.pop_back();
    return 1;
  }
  if (!src.file)
    return 0;
  lex_next(pp, *src.file, t);
  return t.kind == TK_EOF ? 0 : 2;
}

static void s_unget(TokenSource &src, const Token &t, int from) {
  if (from == 1)
    src.pending.push_back(t);
  else if (from == 2)
    lex_unget(*src.file, t);
}

static Token s_make(Pp &pp, TokKind kind, const std::string &text, const Token &at) {
  Token t = at;
  t.kind = kind;
  t.text = pp_save(pp, text.data(), text.size());
  t.len = static_cast<uint32_t>(text.size());
  t.ident = nullptr;
  t.code = 0;
  t.hs = nullptr;
  return t;
}

// Spelling of a string literal holding text: quotes and backslashes escaped.
static std::string s_quote(const char *text, size_t len, bool escape_all) {
  std::string s = "\"";
  for (size_t i = 0; i < len; i++) {
    if (escape_all && (text[i] == '"' || text[i] == '\\'))
      s += '\\';
    s += text[i];
  }
  return s + '"';
}

// The # operator: the argument's spelling as a string literal; line is the
// invocation's, for the warning.
static Token s_stringize(Pp &pp, const std::vector<Token> &arg, const Token &at, long line) {
  std::string s = "\"";
  for (size_t i = 0; i < arg.size(); i++) {
    if (i > 0 && (arg[i].flags & TF_SPACE))
      s += ' ';
    bool literal = arg[i].kind == TK_STRING || arg[i].kind == TK_CHAR;
    std::string q = s_quote(arg[i].text, arg[i].len, literal);
    s.append(q, 1, q.size() - 2);
  }
  // A stray backslash at the end would escape the closing quote and leave
  // the string open to the end of the line.
  size_t tail = s.size() - 1 - s.find_last_not_of('\\');
  if (tail % 2 == 1) {
    pp_warning(pp, line, "'#' operand ends in a backslash; the backslash is dropped");
    s.pop_back();
  }
  s += '"';
  return s_make(pp, TK_STRING, s, at);
}

static Token s_placemarker(const Token &at) {
  Token t = at;
  t.kind = TK_PLACEMARKER;
  t.len = 0;
  t.ident = nullptr;
  return t;
}

// The ## operator: the two spellings joined must form one token.
static bool s_paste(Pp &pp, Token &l, const Token &r, long line) {
  if (l.kind == TK_PLACEMARKER) {
    uint8_t space = l.flags & TF_SPACE;
    l = r;
    l.flags = static_cast<uint8_t>((l.flags & ~TF_SPACE) | space);
    return true;
  }
  if (r.kind == TK_PLACEMARKER)
    return true;
  std::string text = s_spell(l) + s_spell(r);
  const char *saved = pp_save(pp, text.data(), text.size());
  Token t = l;
  t.flags = l.flags & TF_SPACE;
  const char *end = lex_scan(pp, saved, t);
  bool comment = text.size() >= 2 && text[0] == '/' && (text[1] == '/' || text[1] == '*');
  if (end != saved + text.size() || comment || (t.flags & TF_UNTERMINATED)) {
    std::string msg = "pasting \"" + s_spell(l) + "\" and \"" + s_spell(r) + "\" does not give a valid preprocessing token";
    pp_error(pp, line, 1000, msg.c_str());
    return false;
  }
  t.hs = nullptr;
  t.line = l.line;
  l = t;
  return true;
}

// Appends argument tokens; the first takes the white space of the parameter.
static void s_append_arg(std::vector<Token> &out, const std::vector<Token> &arg, const Token &param) {
  size_t first = out.size();
  out.insert(out.end(), arg.begin(), arg.end());
  if (out.size() > first)
    out[first].flags = static_cast<uint8_t>((out[first].flags & ~TF_SPACE) | (param.flags & TF_SPACE));
}

struct s_subst_state {
  const Macro &m;
  const Args &args;
  std::vector<std::vector<Token>> expanded;
  std::vector<bool> done;
  long line;
};

// The operand on the right of ##: raw argument tokens or one body token.
static std::vector<Token> s_paste_rhs(Pp &pp, s_subst_state &st, size_t &i) {
  const std::vector<Token> &body = st.m.body;
  const Token &r = body[i];
  if (r.kind == TK_PARAM) {
    const std::vector<Token> &a = st.args[r.code];
    return a.empty() ? std::vector<Token>{s_placemarker(r)} : a;
  }
  if (st.m.function_like && s_is_punct(r, P_HASH) && i + 1 < body.size() && body[i + 1].kind == TK_PARAM) {
    i++;
    return {s_stringize(pp, st.args[body[i].code], r, st.line)};
  }
  return {r};
}

// "x ## y" at body[i] (the ##); out.back() is the left operand.
static void s_subst_paste(Pp &pp, s_subst_state &st, size_t &i, std::vector<Token> &out) {
  i++;
  const Token &r = st.m.body[i];
  // ", ## __VA_ARGS__" drops the comma when the variable arguments are empty.
  bool va = r.kind == TK_PARAM && st.m.variadic && r.code + 1u == st.m.params.size();
  if (va && !out.empty() && s_is_punct(out.back(), P_COMMA)) {
    // The arguments keep the white space they were written with.
    if (st.args[r.code].empty())
      out.pop_back();
    else
      out.insert(out.end(), st.args[r.code].begin(), st.args[r.code].end());
    return;
  }
  std::vector<Token> rhs = s_paste_rhs(pp, st, i);
  if (out.empty())
    out.push_back(s_placemarker(r));
  if (!s_paste(pp, out.back(), rhs[0], st.line))
    out.push_back(rhs[0]);
  out.insert(out.end(), rhs.begin() + 1, rhs.end());
}

static void s_subst_param(Pp &pp, s_subst_state &st, size_t i, std::vector<Token> &out) {
  const Token &b = st.m.body[i];
  const std::vector<Token> &a = st.args[b.code];
  bool pasted = i + 1 < st.m.body.size() && s_is_punct(st.m.body[i + 1], P_HASHHASH);
  if (pasted) {
    if (a.empty())
      out.push_back(s_placemarker(b));
    else
      s_append_arg(out, a, b);
    return;
  }
  if (!st.done[b.code]) {
    st.expanded[b.code] = mac_expand_list(pp, a, false);
    st.done[b.code] = true;
  }
  s_append_arg(out, st.expanded[b.code], b);
}

// Replacement list with parameters substituted, # and ## applied, the hide
// set added and every token placed on the line of the invocation; pushed
// onto the source so that it is read next.
static void s_subst(Pp &pp, const Macro &m, const Args &args, const HideSet *hs, const Token &inv,
                    TokenSource &src) {
  s_subst_state st{m, args, Args(args.size()), std::vector<bool>(args.size()), static_cast<long>(inv.line)};
  std::vector<Token> raw;
  size_t size = m.body.size();
  for (const std::vector<Token> &a : args)
    size += a.size();
  raw.reserve(size);
  const std::vector<Token> &body = m.body;
  for (size_t i = 0; i < body.size(); i++) {
    const Token &b = body[i];
    if (m.function_like && s_is_punct(b, P_HASH) && i + 1 < body.size() && body[i + 1].kind == TK_PARAM) {
      raw.push_back(s_stringize(pp, args[body[i + 1].code], b, st.line));
      i++;
    } else if (s_is_punct(b, P_HASHHASH) && i + 1 < body.size()) {
      s_subst_paste(pp, st, i, raw);
    } else if (b.kind == TK_PARAM) {
      s_subst_param(pp, st, i, raw);
    } else {
      raw.push_back(b);
    }
  }
  size_t first = 0;
  while (first < raw.size() && raw[first].kind == TK_PLACEMARKER)
    first++;
  for (size_t i = raw.size(); i-- > first;) {
    Token &t = raw[i];
    if (t.kind == TK_PLACEMARKER)
      continue;
    // Only a name that is a macro can be stopped by its hide set, and only a
    // closing parenthesis passes its set on (to the invocation it ends).
    if ((t.kind == TK_IDENT && t.ident->macro) || s_is_punct(t, P_RPAREN))
      t.hs = hs_union(pp, t.hs, hs);
    t.line = inv.line;
    uint8_t space = i == first ? inv.flags & TF_SPACE : t.flags & TF_SPACE;
    t.flags = static_cast<uint8_t>((t.flags & ~(TF_BOL | TF_SPACE)) | TF_MACRO | space);
    src.pending.push_back(t);
  }
}

bool mac_expandable(Token &t) {
  if (t.kind != TK_IDENT || !t.ident->macro || (t.flags & TF_NOEXPAND))
    return false;
  if (hs_has(t.hs, t.ident)) {
    t.flags |= TF_NOEXPAND;
    return false;
  }
  return true;
}

static void s_expand_builtin(Pp &pp, TokenSource &src, const Token &t) {
  Token r;
  if (t.ident->builtin == BI_LINE) {
    r = s_make(pp, TK_NUMBER, std::to_string(t.line), t);
  } else {
    const char *name = pp.stack.empty() ? "" : pp.stack.back()->name;
    r = s_make(pp, TK_STRING, s_quote(name, strlen(name), true), t);
  }
  r.flags = static_cast<uint8_t>((t.flags & TF_SPACE) | TF_MACRO);
  src.pending.push_back(r);
}

// Reports the end of the source inside an argument list.
static void s_eof_in_args(Pp &pp, const Macro &m, size_t index, long line) {
  if (m.variadic && index + 1 >= m.params.size())
    pp_error(pp, line, 1023, m.name->name);
  else
    pp_error(pp, line, 1022, index < m.params.size() ? m.params[index]->name : "", m.name->name);
}

// Reads the arguments after "("; false when the source ended first.
static bool s_collect_args(Pp &pp, TokenSource &src, const Macro &m, const Token &name, Args &args, Token &rparen) {
  args.emplace_back();
  int depth = 0;
  Token a;
  bool saved = pp.in_args;
  pp.in_args = true;
  for (;;) {
    int from = src_read(pp, src, a);
    if (from == 0) {
      pp.in_args = saved;
      s_eof_in_args(pp, m, args.size() - 1, name.line);
      return false;
    }
    if (from == 2 && s_is_punct(a, P_HASH) && (a.flags & TF_BOL)) {
      pp_directive(pp);
      continue;
    }
    if (s_is_punct(a, P_LPAREN))
      depth++;
    else if (s_is_punct(a, P_RPAREN) && depth-- == 0)
      break;
    else if (s_is_punct(a, P_COMMA) && depth == 0 && !(m.variadic && args.size() == m.params.size())) {
      args.emplace_back();
      continue;
    }
    a.flags &= static_cast<uint8_t>(~TF_BOL);
    args.back().push_back(a);
  }
  pp.in_args = saved;
  rparen = a;
  return true;
}

// Checks the argument count, completing an empty variable part.
static bool s_check_count(Pp &pp, const Macro &m, Args &args, long line) {
  size_t n = args.size();
  if (m.params.empty() && n == 1 && args[0].empty())
    args.clear(), n = 0;
  if (n + 1 == m.params.size() && m.variadic)
    args.emplace_back(), n++;
  if (n < m.params.size()) {
    pp_error(pp, line, 1024, m.name->name, static_cast<int>(m.params.size()), static_cast<int>(n));
    return false;
  }
  if (n > m.params.size()) {
    pp_error(pp, line, 1032, m.name->name);
    return false;
  }
  return true;
}

bool mac_expand(Pp &pp, TokenSource &src, const Token &t) {
  Macro &m = *t.ident->macro;
  if (t.ident->builtin == BI_FILE || t.ident->builtin == BI_LINE) {
    s_expand_builtin(pp, src, t);
    return true;
  }
  if (!m.function_like) {
    s_subst(pp, m, Args(), hs_union(pp, t.hs, hs_single(pp, t.ident)), t, src);
    return true;
  }
  Token next;
  int from = src_read(pp, src, next);
  if (from == 2 && s_is_punct(next, P_HASH) && (next.flags & TF_BOL)) {
    lex_unget(*src.file, next);
    return false;
  }
  if (from == 0)
    return false;
  if (!s_is_punct(next, P_LPAREN)) {
    s_unget(src, next, from);
    return false;
  }
  Args args;
  Token rparen;
  if (!s_collect_args(pp, src, m, t, args, rparen) || !s_check_count(pp, m, args, t.line))
    return true;
  const HideSet *hs = hs_union(pp, hs_inter(pp, t.hs, rparen.hs), hs_single(pp, t.ident));
  s_subst(pp, m, args, hs, t, src);
  return true;
}

// "defined X" or "defined ( X )" in an #if line: 1 or 0.
static Token s_defined(Pp &pp, TokenSource &src, const Token &op) {
  Token a, name;
  bool got = src_read(pp, src, a) != 0;
  bool paren = got && s_is_punct(a, P_LPAREN);
  if (paren)
    got = src_read(pp, src, name) != 0;
  else
    name = a;
  bool result = false;
  if (!got || name.kind != TK_IDENT) {
    pp_error(pp, op.line, 1030, "'defined'");
    pp.if_failed = true;
  } else {
    result = name.ident->macro != nullptr;
    if (paren && !(src_read(pp, src, a) && s_is_punct(a, P_RPAREN))) {
      pp_error(pp, op.line, 1031, ')');
      pp.if_failed = true;
    }
  }
  return s_make(pp, TK_NUMBER, result ? "1" : "0", op);
}

std::vector<Token> mac_expand_list(Pp &pp, const std::vector<Token> &in, bool in_if) {
  if (pp.arg_depth >= PP_MAX_ARG_DEPTH) {
    pp_error(pp, in.empty() ? 0 : in[0].line, 1000, "macro arguments nested too deeply");
    return in;
  }
  pp.arg_depth++;
  TokenSource s;
  s.in_if = in_if;
  s.pending.assign(in.rbegin(), in.rend());
  std::vector<Token> out;
  out.reserve(in.size());
  Token t;
  while (src_read(pp, s, t)) {
    if (t.kind == TK_IDENT && in_if && t.ident->builtin == BI_DEFINED) {
      out.push_back(s_defined(pp, s, t));
      continue;
    }
    if (mac_expandable(t) && mac_expand(pp, s, t))
      continue;
    out.push_back(t);
  }
  pp.arg_depth--;
  return out;
}
