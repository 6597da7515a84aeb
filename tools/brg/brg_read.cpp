// The grammar reader. In: the main grammar file, the files it includes and
// the operator list already read. Out: terminal arities, nonterminals in
// declaration order and rules in grammar order, names still unresolved;
// every line that cannot be read is refused with its file and line, and
// reading goes on with the next line.
//
// The grammar language, one item per line, '#' to the end of the line is a comment:
//
//   %include "file"                 read another file here; the name is taken
//                                   relative to the including file's folder
//   %term leaf|unary|binary OP...   these operators of the operator list are
//                                   terminals with no, one or two operands
//   %nonterm NAME...                nonterminals, numbered from 1 in the order of
//                                   declaration; the first is the start (goal)
//   %underivable NAME...            nonterminals that take a number but that no
//                                   rule may derive; rules using them never apply
//   NUMBER LHS: PATTERN COST [if GUARD] [pre ACTION] [in ACTION] [post ACTION]
//
// PATTERN is a nonterminal (a chain rule), a leaf operator, or OP(PATTERN)
// and OP(PATTERN,PATTERN). COST is a number of program words or the name of
// a cost function of the node. GUARD names a predicate of the node; when it
// is false the rule costs 10000 more. The actions run before the kids are
// reduced (pre), after the first kid (in) and after all kids (post).
#include <cctype>
#include <filesystem>
#include <fstream>

#include "tools/brg/brg.h"

namespace {

enum TokenKind { T_END, T_NAME, T_NUMBER, T_PUNCT, T_STRING, T_DIRECTIVE, T_BAD };

struct Token {
  TokenKind kind = T_END;
  std::string text;
  long number = 0;
};

// Splits one line. A token it cannot read comes back as T_BAD, and the
// line is refused.
struct Lexer {
  const std::string &line;
  size_t pos = 0;
  Token next();
};

// Nesting deeper than this is refused rather than followed.
constexpr int MAX_PATTERN_DEPTH = 32;
constexpr int MAX_INCLUDE_DEPTH = 32;

struct Reader {
  BrgGrammar &g;
  BrgErrors &errors;
  std::vector<std::string> open_files;  // the include chain, for cycles
};

}  // namespace

static bool s_is_name_start(char c) { return std::isalpha(static_cast<unsigned char>(c)) || c == '_'; }
static bool s_is_name_char(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }

static Token s_lex_name(const std::string &line, size_t &pos, TokenKind kind) {
  size_t start = pos;
  while (pos < line.size() && s_is_name_char(line[pos]))
    pos++;
  return Token{kind, line.substr(start, pos - start), 0};
}

static Token s_lex_number(const std::string &line, size_t &pos) {
  size_t start = pos;
  long value = 0;
  while (pos < line.size() && std::isdigit(static_cast<unsigned char>(line[pos]))) {
    if (value < 1000000)
      value = value * 10 + (line[pos] - '0');
    pos++;
  }
  if (pos < line.size() && s_is_name_char(line[pos]))
    return Token{T_BAD, line.substr(start), 0};
  return Token{T_NUMBER, line.substr(start, pos - start), value};
}

static Token s_lex_string(const std::string &line, size_t &pos) {
  size_t close = line.find('"', pos + 1);
  if (close == std::string::npos)
    return Token{T_BAD, line.substr(pos), 0};
  Token t{T_STRING, line.substr(pos + 1, close - pos - 1), 0};
  pos = close + 1;
  return t;
}

Token Lexer::next() {
  while (pos < line.size() && std::isspace(static_cast<unsigned char>(line[pos])))
    pos++;
  if (pos >= line.size() || line[pos] == '#')
    return Token{};
  char c = line[pos];
  if (s_is_name_start(c))
    return s_lex_name(line, pos, T_NAME);
  if (std::isdigit(static_cast<unsigned char>(c)))
    return s_lex_number(line, pos);
  if (c == '"')
    return s_lex_string(line, pos);
  if (c == '%' && pos + 1 < line.size() && s_is_name_start(line[pos + 1])) {
    pos++;
    Token t = s_lex_name(line, pos, T_DIRECTIVE);
    t.text = "%" + t.text;
    return t;
  }
  pos++;
  if (c == ':' || c == '(' || c == ')' || c == ',')
    return Token{T_PUNCT, std::string(1, c), 0};
  return Token{T_BAD, std::string(1, c), 0};
}

static std::string s_describe(const Token &t) {
  switch (t.kind) {
  case T_END:
    return "the end of the line";
  case T_STRING:
    return "\"" + t.text + "\"";
  default:
    return "'" + t.text + "'";
  }
}

static void s_read_file(Reader &r, const std::string &path, const BrgPlace *included_at);

// ---- declarations -------------------------------------------------------

static void s_declare_terminals(Reader &r, Lexer &lex, const BrgPlace &at) {
  Token kind = lex.next();
  int arity = kind.text == "leaf" ? 0 : kind.text == "unary" ? 1 : kind.text == "binary" ? 2 : -1;
  if (kind.kind != T_NAME || arity < 0) {
    brg_error(r.errors, at, "expected leaf, unary or binary after %term, not " + s_describe(kind));
    return;
  }
  for (Token t = lex.next(); t.kind != T_END; t = lex.next()) {
    if (t.kind != T_NAME) {
      brg_error(r.errors, at, "expected an operator name, not " + s_describe(t));
      return;
    }
    auto found = r.g.op_by_name.find(t.text);
    if (found == r.g.op_by_name.end()) {
      brg_error(r.errors, at, "unknown operator " + t.text);
      continue;
    }
    BrgOperator *op = brg_operator(r.g, found->second);
    if (op->arity >= 0) {
      brg_error(r.errors, at, "operator " + t.text + " is declared twice (first at " + op->declared.file + ":" +
                                  std::to_string(op->declared.line) + ")");
      continue;
    }
    op->arity = arity;
    op->declared = at;
  }
}

// Nonterminal names become names in the generated C++.
static bool s_is_cpp_keyword(const std::string &name) {
  static const char *const keywords[] = {
      "alignas", "alignof", "and", "and_eq", "asm", "auto", "bitand", "bitor", "bool", "break", "case", "catch",
      "char", "char8_t", "char16_t", "char32_t", "class", "compl", "concept", "const", "consteval", "constexpr",
      "constinit", "const_cast", "continue", "co_await", "co_return", "co_yield", "decltype", "default", "delete",
      "do", "double", "dynamic_cast", "else", "enum", "explicit", "export", "extern", "false", "float", "for",
      "friend", "goto", "if", "inline", "int", "long", "mutable", "namespace", "new", "noexcept", "not", "not_eq",
      "nullptr", "operator", "or", "or_eq", "private", "protected", "public", "register", "reinterpret_cast",
      "requires", "return", "short", "signed", "sizeof", "static", "static_assert", "static_cast", "struct",
      "switch", "template", "this", "thread_local", "throw", "true", "try", "typedef", "typeid", "typename",
      "union", "unsigned", "using", "virtual", "void", "volatile", "wchar_t", "while", "xor", "xor_eq"};
  for (const char *k : keywords)
    if (name == k)
      return true;
  return false;
}

static void s_declare_nonterminals(Reader &r, Lexer &lex, const BrgPlace &at, bool placeholder) {
  for (Token t = lex.next(); t.kind != T_END; t = lex.next()) {
    if (t.kind != T_NAME) {
      brg_error(r.errors, at, "expected a nonterminal name, not " + s_describe(t));
      return;
    }
    if (r.g.op_by_name.count(t.text)) {
      brg_error(r.errors, at, "nonterminal " + t.text + " has the name of an operator");
      continue;
    }
    if (s_is_cpp_keyword(t.text)) {
      brg_error(r.errors, at, "nonterminal " + t.text + " is a C++ keyword");
      continue;
    }
    auto found = r.g.nt_by_name.find(t.text);
    if (found != r.g.nt_by_name.end()) {
      const BrgPlace &first = r.g.nts[found->second].declared;
      brg_error(r.errors, at, "nonterminal " + t.text + " is declared twice (first at " + first.file + ":" +
                                  std::to_string(first.line) + ")");
      continue;
    }
    if (r.g.nts.empty())
      r.g.nts.emplace_back();  // numbers start at 1
    BrgNonterminal nt;
    nt.name = t.text;
    nt.number = static_cast<int>(r.g.nts.size());
    nt.placeholder = placeholder;
    nt.declared = at;
    r.g.nt_by_name[t.text] = nt.number;
    r.g.nts.push_back(nt);
  }
}

static void s_include(Reader &r, Lexer &lex, const BrgPlace &at) {
  Token name = lex.next();
  Token rest = lex.next();
  if (name.kind != T_STRING || rest.kind != T_END) {
    brg_error(r.errors, at, "expected %include \"file\"");
    return;
  }
  std::filesystem::path dir = std::filesystem::path(at.file).parent_path();
  std::filesystem::path path = dir / name.text;  // an absolute name replaces dir
  s_read_file(r, path.lexically_normal().string(), &at);
}

// ---- rules --------------------------------------------------------------

// PATTERN := NAME | NAME '(' PATTERN {',' PATTERN} ')'; the arity is checked later.
static bool s_read_pattern(Reader &r, Lexer &lex, Token &t, const BrgPlace &at, BrgPattern &p, int depth) {
  if (t.kind != T_NAME) {
    brg_error(r.errors, at, "expected a pattern, not " + s_describe(t));
    return false;
  }
  if (depth > MAX_PATTERN_DEPTH) {
    brg_error(r.errors, at, "pattern nests deeper than " + std::to_string(MAX_PATTERN_DEPTH) + " operators");
    return false;
  }
  p.name = t.text;
  t = lex.next();
  if (t.kind != T_PUNCT || t.text != "(")
    return true;
  p.has_operands = true;
  do {
    t = lex.next();
    p.kids.emplace_back();
    if (!s_read_pattern(r, lex, t, at, p.kids.back(), depth + 1))
      return false;
  } while (t.kind == T_PUNCT && t.text == ",");
  if (t.kind != T_PUNCT || t.text != ")") {
    brg_error(r.errors, at, "expected ',' or ')' in the pattern, not " + s_describe(t));
    return false;
  }
  t = lex.next();
  return true;
}

static bool s_read_cost(Reader &r, const Token &t, const BrgPlace &at, BrgRule &rule) {
  if (t.kind == T_NUMBER && t.number <= 32766) {
    rule.cost = static_cast<int>(t.number);
    return true;
  }
  if (t.kind == T_NAME) {
    rule.cost_function = t.text;
    return true;
  }
  brg_error(r.errors, at, "expected a cost (0 to 32766 words, or a cost function), not " + s_describe(t));
  return false;
}

// [if GUARD] [pre ACTION] [in ACTION] [post ACTION], each at most once.
static bool s_read_options(Reader &r, Lexer &lex, const BrgPlace &at, BrgRule &rule) {
  static const char *const words[] = {"pre", "in", "post"};
  for (Token t = lex.next(); t.kind != T_END; t = lex.next()) {
    std::string *slot = nullptr;
    if (t.kind == T_NAME && t.text == "if")
      slot = &rule.guard;
    for (int i = 0; i < 3; i++)
      if (t.kind == T_NAME && t.text == words[i])
        slot = &rule.action[i];
    if (!slot) {
      brg_error(r.errors, at, "expected if, pre, in or post after the cost, not " + s_describe(t));
      return false;
    }
    Token name = lex.next();
    if (name.kind != T_NAME) {
      brg_error(r.errors, at, "expected a function name after " + t.text + ", not " + s_describe(name));
      return false;
    }
    if (!slot->empty()) {
      brg_error(r.errors, at, "'" + t.text + "' is given twice");
      return false;
    }
    *slot = name.text;
  }
  return true;
}

static void s_read_rule(Reader &r, Lexer &lex, const Token &number, const BrgPlace &at) {
  BrgRule rule;
  rule.at = at;
  if (number.kind != T_NUMBER || number.number < 1 || number.number > 32767) {
    brg_error(r.errors, at, "rule number " + number.text + " is not 1 to 32767");
    return;
  }
  rule.number = static_cast<int>(number.number);
  Token t = lex.next();
  if (t.kind != T_NAME) {
    brg_error(r.errors, at, "expected the rule's nonterminal after its number, not " + s_describe(t));
    return;
  }
  rule.lhs_name = t.text;
  t = lex.next();
  if (t.kind != T_PUNCT || t.text != ":") {
    brg_error(r.errors, at, "expected ':' after " + rule.lhs_name + ", not " + s_describe(t));
    return;
  }
  t = lex.next();
  if (!s_read_pattern(r, lex, t, at, rule.pattern, 1) || !s_read_cost(r, t, at, rule) ||
      !s_read_options(r, lex, at, rule))
    return;
  r.g.rules.push_back(std::move(rule));
}

// ---- files --------------------------------------------------------------

static void s_read_line(Reader &r, const std::string &line, const BrgPlace &at) {
  Lexer lex{line};
  Token first = lex.next();
  if (first.kind == T_END)
    return;
  if (first.kind == T_NUMBER)
    s_read_rule(r, lex, first, at);
  else if (first.kind == T_DIRECTIVE && first.text == "%include")
    s_include(r, lex, at);
  else if (first.kind == T_DIRECTIVE && first.text == "%term")
    s_declare_terminals(r, lex, at);
  else if (first.kind == T_DIRECTIVE && (first.text == "%nonterm" || first.text == "%underivable"))
    s_declare_nonterminals(r, lex, at, first.text == "%underivable");
  else
    brg_error(r.errors, at,
              "expected a rule, %include, %term, %nonterm or %underivable, not " + s_describe(first));
}

static void s_read_file(Reader &r, const std::string &path, const BrgPlace *included_at) {
  std::error_code ec;
  std::string identity = std::filesystem::weakly_canonical(path, ec).string();
  for (const std::string &open : r.open_files)
    if (open == identity) {
      brg_error(r.errors, *included_at, "cycle of includes back to " + path);
      return;
    }
  if (r.open_files.size() >= MAX_INCLUDE_DEPTH) {
    brg_error(r.errors, *included_at, "includes nest deeper than " + std::to_string(MAX_INCLUDE_DEPTH));
    return;
  }
  std::ifstream in(path);
  if (!in || std::filesystem::is_directory(path)) {
    if (included_at)
      brg_error(r.errors, *included_at, "cannot open " + path);
    else
      r.errors.push_back(path + ": cannot open the grammar");
    return;
  }
  r.g.files.push_back(path);
  r.open_files.push_back(identity);
  std::string line;
  BrgPlace at{path, 0};
  while (std::getline(in, line)) {
    at.line++;
    s_read_line(r, line, at);
  }
  r.open_files.pop_back();
}

void brg_read_grammar(const std::string &path, BrgGrammar &g, BrgErrors &errors) {
  Reader r{g, errors, {}};
  g.main_file = path;
  s_read_file(r, path, nullptr);
}
