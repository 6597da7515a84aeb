// The operator list. In: the low-level tree's operator table, one row
// OP(name, number) per line, the same file the translator builds its enum
// from, so operator numbers are written once. Out: the grammar's operator
// records by number, every one known by name; which of them are terminals
// and with what arity is the grammar's own declaration.
#include <cctype>
#include <fstream>

#include "tools/brg/brg.h"

void brg_error(BrgErrors &errors, const BrgPlace &at, const std::string &text) {
  errors.push_back(at.file + ":" + std::to_string(at.line) + ": " + text);
}

const BrgOperator *brg_operator(const BrgGrammar &g, int number) {
  if (number < g.first_op || number > g.last_op)
    return nullptr;
  const BrgOperator &op = g.ops[number - g.first_op];
  return op.name.empty() ? nullptr : &op;
}

BrgOperator *brg_operator(BrgGrammar &g, int number) {
  return const_cast<BrgOperator *>(brg_operator(static_cast<const BrgGrammar &>(g), number));
}

static void s_skip_blanks(const std::string &s, size_t &i) {
  while (i < s.size() && std::isspace(static_cast<unsigned char>(s[i])))
    i++;
}

static bool s_take(const std::string &s, size_t &i, char c) {
  s_skip_blanks(s, i);
  if (i < s.size() && s[i] == c) {
    i++;
    return true;
  }
  return false;
}

// One row OP(name, number); false when the line has another shape.
static bool s_parse_row(const std::string &line, std::string &name, long &number) {
  size_t i = 0;
  s_skip_blanks(line, i);
  if (line.compare(i, 2, "OP") != 0)
    return false;
  i += 2;
  if (!s_take(line, i, '('))
    return false;
  s_skip_blanks(line, i);
  size_t start = i;
  while (i < line.size() && (std::isalnum(static_cast<unsigned char>(line[i])) || line[i] == '_'))
    i++;
  name = line.substr(start, i - start);
  if (name.empty() || std::isdigit(static_cast<unsigned char>(name[0])) || !s_take(line, i, ','))
    return false;
  s_skip_blanks(line, i);
  start = i;
  number = 0;
  while (i < line.size() && std::isdigit(static_cast<unsigned char>(line[i])) && number < 100000)
    number = number * 10 + (line[i++] - '0');
  if (i == start || !s_take(line, i, ')'))
    return false;
  s_skip_blanks(line, i);
  return i == line.size() || line.compare(i, 2, "//") == 0;
}

static bool s_is_blank_or_comment(const std::string &line) {
  size_t i = 0;
  s_skip_blanks(line, i);
  return i == line.size() || line.compare(i, 2, "//") == 0;
}

static void s_add_operator(BrgGrammar &g, const std::string &name, int number) {
  if (g.ops.empty()) {
    g.first_op = g.last_op = number;
  } else if (number < g.first_op) {
    g.ops.insert(g.ops.begin(), static_cast<size_t>(g.first_op - number), BrgOperator{});
    g.first_op = number;
  } else if (number > g.last_op) {
    g.last_op = number;
  }
  g.ops.resize(static_cast<size_t>(g.last_op - g.first_op + 1));
  g.ops[number - g.first_op] = BrgOperator{name, number, -1, {}, false};
  g.op_by_name[name] = number;
}

bool brg_read_operators(const std::string &path, BrgGrammar &g, BrgErrors &errors) {
  std::ifstream in(path);
  if (!in) {
    errors.push_back(path + ": cannot open the operator list");
    return false;
  }
  g.files.push_back(path);
  std::string line;
  BrgPlace at{path, 0};
  size_t before = errors.size();
  while (std::getline(in, line)) {
    at.line++;
    std::string name;
    long number = 0;
    if (s_is_blank_or_comment(line))
      continue;
    if (!s_parse_row(line, name, number) || number > 32767)
      brg_error(errors, at, "expected OP(name, number) with a number up to 32767");
    else if (g.op_by_name.count(name))
      brg_error(errors, at, "operator " + name + " is listed twice");
    else if (brg_operator(g, static_cast<int>(number)))
      brg_error(errors, at, "operator number " + std::to_string(number) + " is given to " +
                                brg_operator(g, static_cast<int>(number))->name + " already");
    else
      s_add_operator(g, name, static_cast<int>(number));
  }
  if (errors.size() == before && g.ops.empty())
    brg_error(errors, at, "the operator list is empty");
  return errors.size() == before;
}
