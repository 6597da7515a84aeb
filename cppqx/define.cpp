// Macro definitions. In: the tokens of #define and #undef lines, definitions
// from the command line, and the start-up time. Out: the macro table, with
// parameters in replacement lists turned into TK_PARAM tokens; malformed
// definitions report 1035 to 1041 and leave the table unchanged, while a
// differing redefinition reports 1034 and replaces the old definition.
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <unordered_map>

#include "cppqx/pp.h"

static bool s_is_punct(const Token &t, unsigned code) { return t.kind == TK_PUNCT && t.code == code; }

// Text of a token for "received '%s'".
static std::string s_text(const std::vector<Token> &line, size_t i) {
  if (i >= line.size())
    return "end of line";
  return std::string(line[i].text, line[i].len);
}

// The macro name at the start of a #define or #undef line, or null.
static Ident *s_macro_name(Pp &pp, const std::vector<Token> &line, long lineno) {
  if (line.empty() || line[0].kind != TK_IDENT) {
    pp_error(pp, lineno, 1035, s_text(line, 0).c_str());
    return nullptr;
  }
  Ident *name = line[0].ident;
  // __VA_ARGS__ only ever names the variable arguments of a macro with "...".
  if (name->builtin != BI_NONE || name == pp_ident(pp, "__VA_ARGS__", 11)) {
    pp_error(pp, lineno, 1035, name->name);
    return nullptr;
  }
  return name;
}

// Positions of a macro's parameters while it is defined: the usual few are
// searched in order, a long list (generated code) through a map, so that
// a definition of thousands of parameters is read in linear time.
namespace {
struct ParamIndex {
  const Macro &m;
  std::unordered_map<const Ident *, int> map;
  size_t mapped = 0;  // parameters entered into map so far

  int find(const Ident *id) {
    if (m.params.size() <= 16) {
      for (size_t i = 0; i < m.params.size(); i++)
        if (m.params[i] == id)
          return static_cast<int>(i);
      return -1;
    }
    for (; mapped < m.params.size(); mapped++)
      map.emplace(m.params[mapped], static_cast<int>(mapped));  // the first of equal ones stays
    auto it = map.find(id);
    return it == map.end() ? -1 : it->second;
  }
};
}  // namespace

// Parameter list after "("; i ends behind ")". False after a diagnostic.
static bool s_params(Pp &pp, const std::vector<Token> &line, size_t &i, Macro &m, ParamIndex &index,
                     long lineno) {
  Ident *va = pp_ident(pp, "__VA_ARGS__", 11);
  if (i < line.size() && s_is_punct(line[i], P_RPAREN))
    return ++i, true;
  for (;;) {
    if (i >= line.size())
      return pp_error(pp, lineno, 1036), false;
    if (s_is_punct(line[i], P_ELLIPSIS)) {
      m.variadic = true;
      m.params.push_back(va);
      if (++i >= line.size() || !s_is_punct(line[i], P_RPAREN))
        return pp_error(pp, lineno, 1036), false;
      return ++i, true;
    }
    if (line[i].kind != TK_IDENT || line[i].ident == va)
      return pp_error(pp, lineno, 1038), false;
    if (index.find(line[i].ident) >= 0)
      return pp_error(pp, lineno, 1037, line[i].ident->name, m.name->name), false;
    m.params.push_back(line[i++].ident);
    if (i < line.size() && s_is_punct(line[i], P_RPAREN))
      return ++i, true;
    if (i >= line.size() || !s_is_punct(line[i], P_COMMA))
      return pp_error(pp, lineno, 1036), false;
    i++;
  }
}

// Checks the # and ## operators of a replacement list.
static bool s_check_body(Pp &pp, const Macro &m, long lineno) {
  const std::vector<Token> &b = m.body;
  if (!b.empty() && (s_is_punct(b.front(), P_HASHHASH) || s_is_punct(b.back(), P_HASHHASH))) {
    if (!m.function_like)
      pp_error(pp, lineno, 1040, m.name->name);
    else
      pp_error(pp, lineno, 1000, "'##' cannot appear at either end of a macro expansion");
    return false;
  }
  for (size_t i = 0; m.function_like && i < b.size(); i++)
    if (s_is_punct(b[i], P_HASH) && (i + 1 >= b.size() || b[i + 1].kind != TK_PARAM))
      return pp_error(pp, lineno, 1041), false;
  return true;
}

// Two definitions agree when they have the same parameters and replacement
// lists spelled the same with white space in the same places.
static bool s_same(const Macro &a, const Macro &b) {
  if (a.function_like != b.function_like || a.variadic != b.variadic || a.params != b.params ||
      a.body.size() != b.body.size())
    return false;
  for (size_t i = 0; i < a.body.size(); i++) {
    const Token &x = a.body[i], &y = b.body[i];
    if (x.kind != y.kind || x.len != y.len || memcmp(x.text, y.text, x.len) != 0 || x.code != y.code)
      return false;
    if (i > 0 && (x.flags & TF_SPACE) != (y.flags & TF_SPACE))
      return false;
  }
  return true;
}

void mac_define(Pp &pp, const std::vector<Token> &line, long lineno) {
  Ident *name = s_macro_name(pp, line, lineno);
  if (!name)
    return;
  auto m = std::make_unique<Macro>();
  m->name = name;
  ParamIndex index{*m, {}};
  size_t i = 1;
  if (i < line.size() && s_is_punct(line[i], P_LPAREN) && !(line[i].flags & TF_SPACE)) {
    m->function_like = true;
    if (!s_params(pp, line, ++i, *m, index, lineno))
      return;
  } else if (i < line.size() && !(line[i].flags & TF_SPACE) && line[i].kind == TK_OTHER) {
    pp_error(pp, lineno, 1039, line[i].text[0]);
    return;
  }
  m->body.assign(line.begin() + static_cast<long>(i), line.end());
  Ident *va = pp_ident(pp, "__VA_ARGS__", 11);
  for (Token &t : m->body) {
    if (!m->variadic && t.kind == TK_IDENT && t.ident == va) {
      pp_error(pp, lineno, 1000, "'__VA_ARGS__' can only appear in the replacement of a macro with '...'");
      return;
    }
    t.flags &= TF_SPACE;
    int position = t.kind == TK_IDENT ? index.find(t.ident) : -1;
    if (position >= 0) {
      t.kind = TK_PARAM;
      t.code = static_cast<uint16_t>(position);
    }
  }
  if (!m->body.empty())
    m->body[0].flags = 0;
  if (!s_check_body(pp, *m, lineno))
    return;
  if (name->macro && !s_same(*name->macro, *m))
    pp_error(pp, lineno, 1034, name->name);
  name->macro = m.get();
  pp.macros.push_back(std::move(m));
}

void mac_undef(Pp &pp, const std::vector<Token> &line, long lineno) {
  Ident *name = s_macro_name(pp, line, lineno);
  if (!name)
    return;
  if (line.size() > 1)
    pp_error(pp, lineno, 1020, "#undef");
  name->macro = nullptr;
}

// Defines from one line of text, as if it followed "#define ".
static void s_define_text(Pp &pp, const std::string &text, const char *origin) {
  std::string key = std::string("\x01") + origin + std::to_string(pp.files.size());
  auto buf = std::make_unique<FileBuf>();
  std::string line = text + "\n";
  lex_clean(line.data(), line.size(), *buf);
  auto f = std::make_unique<SrcFile>();
  f->buf = buf.get();
  f->name = pp_name(pp, origin);
  f->p = buf->data.data();
  f->end = f->p + buf->data.size() - 1;
  f->directive = true;
  pp.files.emplace(key, std::move(buf));
  pp.stack.push_back(std::move(f));
  std::vector<Token> toks;
  pp_read_line(pp, *pp.stack.back(), toks);
  mac_define(pp, toks, 1);
  pp.stack.pop_back();
}

void mac_define_option(Pp &pp, const std::string &def) {
  size_t eq = def.find('=');
  if (eq == std::string::npos)
    s_define_text(pp, def + " 1", "<command line>");
  else
    s_define_text(pp, def.substr(0, eq) + " " + def.substr(eq + 1), "<command line>");
}

// The translation date and time; SOURCE_DATE_EPOCH fixes them for
// reproducible output.
static void s_set_clock(Pp &pp) {
  static const char *const months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                       "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  time_t now = time(nullptr);
  const char *epoch = getenv("SOURCE_DATE_EPOCH");
  if (epoch && *epoch)
    now = static_cast<time_t>(strtoll(epoch, nullptr, 10));
  struct tm tmv;
  if (!(epoch && *epoch ? gmtime_r(&now, &tmv) : localtime_r(&now, &tmv)))
    return;
  snprintf(pp.date, sizeof pp.date, "\"%s %2d %04d\"", months[tmv.tm_mon % 12], tmv.tm_mday % 100,
           (tmv.tm_year + 1900) % 10000);
  snprintf(pp.time, sizeof pp.time, "\"%02d:%02d:%02d\"", tmv.tm_hour % 100, tmv.tm_min % 100, tmv.tm_sec % 100);
}

void mac_predefine(Pp &pp) {
  s_set_clock(pp);
  s_define_text(pp, std::string("__DATE__ ") + pp.date, "<built-in>");
  s_define_text(pp, std::string("__TIME__ ") + pp.time, "<built-in>");
  s_define_text(pp, "__STDC__ 1", "<built-in>");
  s_define_text(pp, "__FILE__", "<built-in>");
  s_define_text(pp, "__LINE__", "<built-in>");
  pp_ident(pp, "__DATE__", 8)->builtin = BI_PROTECTED;
  pp_ident(pp, "__TIME__", 8)->builtin = BI_PROTECTED;
  pp_ident(pp, "__STDC__", 8)->builtin = BI_PROTECTED;
  pp_ident(pp, "__FILE__", 8)->builtin = BI_FILE;
  pp_ident(pp, "__LINE__", 8)->builtin = BI_LINE;
  pp_ident(pp, "defined", 7)->builtin = BI_DEFINED;
  pp_ident(pp, "_Pragma", 7)->builtin = BI_PRAGMA;
}
