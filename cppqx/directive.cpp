// Directives and the main loop (translation phase 4). In: the token stream
// of the main file. Out: tokens handed to the output after macro
// replacement; directive lines carried out (conditionals, includes,
// definitions, #line, #error, #pragma). Skipped groups are passed over line
// by line, looking only at the names of directives.
#include <algorithm>
#include <cstring>

#include "cppqx/pp.h"
#include "driver/diag.h"

using Line = std::vector<Token>;
using Handler = void (*)(Pp &, Line &, long);

static const char *const s_directive_names[] = {
#define DIRECTIVE(code, name, handler) name,
#include "cppqx/directives.def"
#undef DIRECTIVE
};
static_assert(sizeof s_directive_names / sizeof s_directive_names[0] == D_COUNT, "one name per directive");
static_assert(D_COUNT == 13, "the C directives plus #warning");

static bool s_is_punct(const Token &t, unsigned code) { return t.kind == TK_PUNCT && t.code == code; }

static SrcFile &s_top(Pp &pp) { return *pp.stack.back(); }

void pp_read_line(Pp &pp, SrcFile &f, std::vector<Token> &toks) {
  f.directive = true;
  Token t;
  for (;;) {
    lex_next(pp, f, t);
    if (t.kind == TK_EOL || t.kind == TK_EOF)
      break;
    toks.push_back(t);
  }
  f.directive = false;
}

static int s_lookup(const Token &t) {
  if (t.kind != TK_IDENT)
    return -1;
  for (int i = 0; i < D_COUNT; i++)
    if (strcmp(s_directive_names[i], t.ident->name) == 0)
      return i;
  return -1;
}

// Any tokens after the operands of a directive: 1020.
static void s_extra(Pp &pp, const Line &line, size_t used, const char *directive, long lineno) {
  if (line.size() > used)
    pp_error(pp, lineno, 1020, directive);
}

// ---- include-guard detection ---------------------------------------------
// A file whose only content is "#ifndef X ... #endif" need not be read again
// while X is defined. States: 0 nothing seen yet, 1 inside the guard, 2 after
// its #endif, 3 not a guarded file.

static void s_guard_directive(Pp &pp, int code, const Line &line) {
  SrcFile &f = s_top(pp);
  if (f.guard_state == 0 && code == D_IFNDEF && !line.empty() && line[0].kind == TK_IDENT) {
    f.guard_state = 1;
    f.guard = line[0].ident;
    f.guard_depth = pp.conds.size() + 1;  // the depth inside the guard
  } else if (f.guard_state == 1 && pp.conds.size() == f.guard_depth && (code == D_ELSE || code == D_ELIF)) {
    f.guard_state = 3;
  } else if (f.guard_state != 1) {
    f.guard_state = 3;
  }
}

// ---- conditionals ----------------------------------------------------------

static void s_skip_group(Pp &pp);

static void s_push_cond(Pp &pp, int code, bool taken, long lineno) {
  pp.conds.push_back(Cond{lineno, s_top(pp).name, static_cast<uint8_t>(code), taken, false});
  if (!taken)
    s_skip_group(pp);
}

static bool s_eval_if(Pp &pp, Line &line, const char *directive, long lineno) {
  pp.if_failed = false;
  Line expanded = mac_expand_list(pp, line, true);
  if (pp.if_failed)
    return false;
  return expr_eval(pp, expanded, directive, lineno);
}

static void s_do_if(Pp &pp, Line &line, long lineno) { s_push_cond(pp, D_IF, s_eval_if(pp, line, "#if", lineno), lineno); }

static bool s_ifdef_test(Pp &pp, Line &line, const char *directive, long lineno) {
  if (line.empty() || line[0].kind != TK_IDENT) {
    pp_error(pp, lineno, 1030, directive);
    return false;
  }
  s_extra(pp, line, 1, directive, lineno);
  return line[0].ident->macro != nullptr;
}

static void s_do_ifdef(Pp &pp, Line &line, long lineno) {
  s_push_cond(pp, D_IFDEF, s_ifdef_test(pp, line, "#ifdef", lineno), lineno);
}

static void s_do_ifndef(Pp &pp, Line &line, long lineno) {
  bool defined = s_ifdef_test(pp, line, "#ifndef", lineno);
  bool valid = !line.empty() && line[0].kind == TK_IDENT;
  s_push_cond(pp, D_IFNDEF, valid && !defined, lineno);
}

// The innermost conditional of the current file, or null (reported as 1028).
static Cond *s_open_cond(Pp &pp, const char *directive, long lineno) {
  if (pp.conds.size() <= s_top(pp).cond_base) {
    pp_error(pp, lineno, 1028, directive);
    return nullptr;
  }
  return &pp.conds.back();
}

// #elif or #else reached at the end of a selected group: skip to #endif.
static void s_do_elif(Pp &pp, Line &, long lineno) {
  Cond *c = s_open_cond(pp, "#elif", lineno);
  if (!c)
    return;
  if (c->else_seen)
    pp_error(pp, lineno, 1028, "#elif");
  s_skip_group(pp);
}

static void s_do_else(Pp &pp, Line &line, long lineno) {
  Cond *c = s_open_cond(pp, "#else", lineno);
  if (!c)
    return;
  s_extra(pp, line, 0, "#else", lineno);
  if (c->else_seen)
    pp_error(pp, lineno, 1028, "#else");
  c->else_seen = true;
  s_skip_group(pp);
}

static void s_do_endif(Pp &pp, Line &line, long lineno) {
  if (!s_open_cond(pp, "#endif", lineno))
    return;
  s_extra(pp, line, 0, "#endif", lineno);
  pp.conds.pop_back();
  SrcFile &f = s_top(pp);
  if (f.guard_state == 1 && pp.conds.size() + 1 == f.guard_depth)
    f.guard_state = 2;
}

// A directive met while skipping, at nesting depth 0: true when the skip ends.
static bool s_skip_directive(Pp &pp, int code, Line &line, long lineno) {
  Cond &c = pp.conds.back();
  if (code == D_ENDIF) {
    s_do_endif(pp, line, lineno);
    return true;
  }
  if (c.else_seen) {
    pp_error(pp, lineno, 1028, code == D_ELSE ? "#else" : "#elif");
    return false;
  }
  if (code == D_ELSE) {
    s_extra(pp, line, 0, "#else", lineno);
    c.else_seen = true;
    bool select = !c.taken;
    c.taken = true;
    return select;
  }
  if (c.taken)
    return false;
  c.taken = s_eval_if(pp, line, "#elif", lineno);
  return c.taken;
}

// Passes over lines until the group of the innermost conditional ends.
static void s_skip_group(Pp &pp) {
  SrcFile &f = s_top(pp);
  int depth = 0;
  for (;;) {
    if (f.has_ahead || !f.bol) {
      f.has_ahead = false;
      if (!lex_skip_line(pp, f))
        return;
      continue;
    }
    if (!lex_skip_to_hash(pp, f)) {
      if (!lex_skip_line(pp, f))
        return;
      continue;
    }
    Token name;
    f.directive = true;
    lex_next(pp, f, name);
    int code = s_lookup(name);
    long lineno = name.line;
    if (name.kind == TK_EOL) {
      f.directive = false;
      continue;
    }
    if (code == D_IF || code == D_IFDEF || code == D_IFNDEF) {
      depth++;
    } else if ((code == D_ENDIF || code == D_ELSE || code == D_ELIF) && depth > 0) {
      depth -= code == D_ENDIF;
    } else if (code == D_ENDIF || code == D_ELSE || code == D_ELIF) {
      Line line;
      pp_read_line(pp, f, line);
      if (s_skip_directive(pp, code, line, lineno))
        return;
      continue;
    }
    f.directive = false;
    if (!lex_skip_line(pp, f))
      return;
  }
}

// ---- includes ------------------------------------------------------------

static std::string s_join(const std::string &dir, const std::string &name) {
  if (dir.empty())
    return name;
  return dir.back() == '/' ? dir + name : dir + "/" + name;
}

static std::string s_dir_of(const std::string &path) {
  size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// Finds an include file: the including file's directory (for "..." only),
// then the --include directories, then the -i directories.
static FileBuf *s_find(Pp &pp, const std::string &name, bool quoted, std::string &path) {
  bool is_dir;
  if (!name.empty() && name[0] == '/') {
    path = name;
    return lex_load(pp, path, &is_dir);
  }
  std::vector<std::string> dirs;
  if (quoted)
    dirs.push_back(s_dir_of(s_top(pp).path));
  dirs.insert(dirs.end(), pp.include_dirs.begin(), pp.include_dirs.end());
  dirs.insert(dirs.end(), pp.system_dirs.begin(), pp.system_dirs.end());
  for (const std::string &dir : dirs) {
    path = s_join(dir, name);
    if (FileBuf *buf = lex_load(pp, path, &is_dir))
      return buf;
  }
  return nullptr;
}

static void s_push_file(Pp &pp, FileBuf *buf, const std::string &path) {
  auto f = std::make_unique<SrcFile>();
  f->buf = buf;
  f->path = path;
  f->name = pp_name(pp, path);
  f->p = buf->data.data();
  f->end = f->p + buf->data.size() - 1;
  f->cond_base = pp.conds.size();
  pp.stack.push_back(std::move(f));
  pp.main.file = pp.stack.back().get();
  pp.file_gen++;
  // The source's own marker waits for its first text; an include file's is
  // written at once so that even a file of definitions is recorded.
  if (pp.stack.size() > 1)
    out_file_start(pp);
  if (pp.verbose)
    printf("cppqx: reading %s\n", path.c_str());
  if (buf->first_nul_line)
    pp_warning(pp, buf->first_nul_line, "null character(s) ignored");
}

// The file name of an #include line: from "..." or <...> as written, or
// from the line after macro replacement. Empty after a diagnostic.
static std::string s_include_name(Pp &pp, Line &line, bool &quoted, long lineno) {
  if (line.empty())
    return pp_error(pp, lineno, 1026), "";
  const Token &t = line[0];
  if (t.kind == TK_HEADER || (t.kind == TK_STRING && t.text[0] == '"')) {
    if (t.flags & TF_UNTERMINATED)
      return pp_error(pp, lineno, 1025, t.kind == TK_HEADER ? '>' : '"'), "";
    if (t.len <= 2)
      return pp_error(pp, lineno, 1026), "";
    s_extra(pp, line, 1, "#include", lineno);
    quoted = t.kind == TK_STRING;
    return std::string(t.text + 1, t.len - 2);
  }
  Line x = mac_expand_list(pp, line, false);
  if (!x.empty() && x[0].kind == TK_STRING && x[0].text[0] == '"' && !(x[0].flags & TF_UNTERMINATED)) {
    if (x[0].len <= 2)
      return pp_error(pp, lineno, 1026), "";
    s_extra(pp, x, 1, "#include", lineno);
    quoted = true;
    return std::string(x[0].text + 1, x[0].len - 2);
  }
  if (x.empty() || !s_is_punct(x[0], P_LT))
    return pp_error(pp, lineno, 1026), "";
  size_t close = 1;
  while (close < x.size() && !s_is_punct(x[close], P_GT))
    close++;
  if (close >= x.size())
    return pp_error(pp, lineno, 1025, '>'), "";
  if (close == 1)
    return pp_error(pp, lineno, 1026), "";
  s_extra(pp, x, close + 1, "#include", lineno);
  quoted = false;
  Line inner(x.begin() + 1, x.begin() + static_cast<long>(close));
  return tokens_spell(inner);
}

static void s_do_include(Pp &pp, Line &line, long lineno) {
  bool quoted = false;
  std::string name = s_include_name(pp, line, quoted, lineno);
  if (name.empty())
    return;
  // Include names may separate directories with backslashes
  // ("drivers\uart.h"); they are accepted and read as slashes.
  std::replace(name.begin(), name.end(), '\\', '/');
  if (name.size() > static_cast<size_t>(VELC_PATH_MAX))
    return pp_error(pp, lineno, 1042, "#include");
  if (pp.in_args)
    return pp_error(pp, lineno, 1000, "#include inside the arguments of a macro");
  std::string path;
  FileBuf *buf = s_find(pp, name, quoted, path);
  if (!buf)
    return pp_error(pp, lineno, 1027, name.c_str());
  if (pp.once.count(path))
    return;
  auto guard = pp.guards.find(path);
  if (guard != pp.guards.end() && guard->second->macro)
    return;
  if (pp.stack.size() >= static_cast<size_t>(PP_MAX_INCLUDE_DEPTH)) {
    pp_error(pp, lineno, 1000, "#include nested too deeply (more than 200 files)");
    throw FatalUnwind{};
  }
  s_push_file(pp, buf, path);
}

// ---- other directives ----------------------------------------------------

static void s_do_define(Pp &pp, Line &line, long lineno) { mac_define(pp, line, lineno); }
static void s_do_undef(Pp &pp, Line &line, long lineno) { mac_undef(pp, line, lineno); }

// Decodes the escapes of a #line file name.
static std::string s_unescape(const Token &t) {
  std::string s;
  for (uint32_t i = 1; i + 1 < t.len; i++) {
    if (t.text[i] == '\\' && i + 2 < t.len)
      i++;
    s += t.text[i];
  }
  return s;
}

static void s_do_line(Pp &pp, Line &line, long lineno) {
  Line x = mac_expand_list(pp, line, false);
  bool digits = !x.empty() && x[0].kind == TK_NUMBER;
  unsigned long long n = 0;
  for (uint32_t i = 0; digits && i < x[0].len; i++) {
    digits = x[0].text[i] >= '0' && x[0].text[i] <= '9';
    n = std::min(n * 10 + static_cast<unsigned>(x[0].text[i] - '0'), 1ULL << 40);
  }
  if (!digits || n == 0 || n > 2147483647ULL)
    return pp_error(pp, lineno, 1016);
  SrcFile &f = s_top(pp);
  if (x.size() > 1) {
    if (x[1].kind != TK_STRING || x[1].text[0] != '"' || (x[1].flags & TF_UNTERMINATED) || x.size() > 2)
      return pp_error(pp, lineno, 1020, "#line");
    std::string name = s_unescape(x[1]);
    if (name.size() > static_cast<size_t>(VELC_PATH_MAX))
      return pp_error(pp, lineno, 1042, "#line");
    f.name = pp_name(pp, name);
  }
  f.line_delta = static_cast<int32_t>(static_cast<long long>(n) - static_cast<long long>(f.line));
  pp.file_gen++;
}

static void s_do_error(Pp &pp, Line &line, long lineno) {
  std::string text = tokens_spell(line);
  pp_error(pp, lineno, 1099, text.c_str());
}

static void s_do_warning(Pp &pp, Line &line, long lineno) {
  pp_warning(pp, lineno, "#warning %s", tokens_spell(line).c_str());
}

static void s_do_pragma(Pp &pp, Line &line, long lineno) {
  if (line.size() == 1 && line[0].kind == TK_IDENT && strcmp(line[0].ident->name, "once") == 0) {
    pp.once.insert(s_top(pp).path);
    return;
  }
  out_pragma(pp, lineno, tokens_spell(line));
}

static const Handler s_handlers[] = {
#define DIRECTIVE(code, name, handler) handler,
#include "cppqx/directives.def"
#undef DIRECTIVE
};

void pp_directive(Pp &pp) {
  SrcFile &f = s_top(pp);
  f.directive = true;
  Token name;
  lex_next(pp, f, name);
  if (name.kind == TK_EOL) {
    f.directive = false;
    return;
  }
  int code = s_lookup(name);
  if (code == D_INCLUDE)
    f.header_ok = true;
  Line line;
  pp_read_line(pp, f, line);
  if (code < 0 && name.kind == TK_NUMBER) {
    line.insert(line.begin(), name);
    code = D_LINE;
  }
  s_guard_directive(pp, code, line);
  if (code < 0) {
    std::string msg = "invalid preprocessing directive #" + std::string(name.text, name.len);
    pp_error(pp, name.line, 1000, msg.c_str());
    return;
  }
  s_handlers[code](pp, line, name.line);
}

// ---- the main loop -------------------------------------------------------

// Leaves a file at its end: reports its open conditionals, records its
// include guard. False when it was the main file.
static bool s_pop_file(Pp &pp) {
  SrcFile &f = s_top(pp);
  while (pp.conds.size() > f.cond_base) {
    const Cond &c = pp.conds.back();
    std::string msg = std::string("unterminated #") + s_directive_names[c.directive];
    pp_error_in(c.file, c.line, 1000, msg.c_str());
    pp.conds.pop_back();
  }
  if (f.guard_state == 2)
    pp.guards[f.path] = f.guard;
  if (pp.stack.size() == 1)
    return false;
  pp.stack.pop_back();
  pp.main.file = pp.stack.back().get();
  pp.file_gen++;
  return true;
}

// _Pragma ( string-literal ): the string without its quotes and escapes
// becomes a #pragma line.
static void s_pragma_operator(Pp &pp, const Token &op) {
  Token open, str, close;
  int from = src_read(pp, pp.main, open);
  if (from == 0 || !s_is_punct(open, P_LPAREN)) {
    if (from == 2)
      lex_unget(*pp.main.file, open);
    else if (from == 1)
      pp.main.pending.push_back(open);
    pp_error(pp, op.line, 1000, "_Pragma takes a parenthesized string literal");
    return;
  }
  bool ok = src_read(pp, pp.main, str) && str.kind == TK_STRING && !(str.flags & TF_UNTERMINATED) &&
            src_read(pp, pp.main, close) && s_is_punct(close, P_RPAREN);
  if (!ok) {
    pp_error(pp, op.line, 1000, "_Pragma takes a parenthesized string literal");
    return;
  }
  std::string text;
  uint32_t start = str.text[0] == 'L' ? 2 : 1;
  for (uint32_t i = start; i + 1 < str.len; i++) {
    if (str.text[i] == '\\' && (str.text[i + 1] == '"' || str.text[i + 1] == '\\') && i + 2 < str.len)
      i++;
    text += str.text[i];
  }
  out_pragma(pp, op.line, text);
}

void pp_run(Pp &pp, const std::string &source) {
  bool is_dir = false;
  FileBuf *buf = lex_load(pp, source, &is_dir);
  if (!buf) {
    pp_error_in(source.c_str(), 0, 1500, source.c_str());
    return;
  }
  s_push_file(pp, buf, source);
  Token t;
  for (;;) {
    int from = src_read(pp, pp.main, t);
    if (from == 0) {
      if (!s_pop_file(pp))
        break;
      continue;
    }
    if (from == 2) {
      if (s_is_punct(t, P_HASH) && (t.flags & TF_BOL)) {
        pp_directive(pp);
        continue;
      }
      if (pp.main.file->guard_state != 1)
        pp.main.file->guard_state = 3;
    }
    if (t.kind == TK_IDENT && t.ident->builtin == BI_PRAGMA) {
      s_pragma_operator(pp, t);
      continue;
    }
    if (t.kind == TK_IDENT && mac_expandable(t) && mac_expand(pp, pp.main, t)) {
      pp.out.check_paste = true;
      continue;
    }
    out_token(pp, t);
  }
}
