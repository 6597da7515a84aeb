// velc-burg: generates the instruction selector's tree matcher at build time.
//
//   velc-burg -d OPERATORS.def [-o OUTPUT] [-M DEPFILE] GRAMMAR.brg
//
// In: the operator list and the grammar (see brg_read.cpp for its
// language). Out: the matcher's C++ source in OUTPUT (standard output when
// no -o), written only when the grammar passes every check, and with -M a
// dependency file naming every file read, for the build tool. Refusals go
// to standard error as "file:line: text"; the exit status is 0 when the
// matcher was written, 1 for a refused grammar or a file that cannot be
// read or written, 2 for a wrong command line.
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>

#include "tools/brg/brg.h"

namespace {

struct Options {
  std::string operators, output, depfile, grammar;
};

}  // namespace

static int s_usage() {
  std::cerr << "usage: velc-burg -d OPERATORS.def [-o OUTPUT] [-M DEPFILE] GRAMMAR.brg\n";
  return 2;
}

static bool s_parse_options(int argc, char **argv, Options &o) {
  for (int i = 1; i < argc; i++) {
    std::string *value = nullptr;
    if (!std::strcmp(argv[i], "-d"))
      value = &o.operators;
    else if (!std::strcmp(argv[i], "-o"))
      value = &o.output;
    else if (!std::strcmp(argv[i], "-M"))
      value = &o.depfile;
    if (value) {
      if (++i == argc)
        return false;
      *value = argv[i];
    } else if (argv[i][0] == '-' || !o.grammar.empty()) {
      return false;
    } else {
      o.grammar = argv[i];
    }
  }
  return !o.operators.empty() && !o.grammar.empty() && !(o.depfile.size() && o.output.empty());
}

// Writes beside the target and renames, so a failed run never leaves half a file.
static bool s_write_file(const std::string &path, const std::string &text) {
  std::string temporary = path + ".tmp";
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!out || !(out << text) || !(out.flush())) {
      std::cerr << path << ": cannot write the file\n";
      return false;
    }
  }
  std::error_code ec;
  std::filesystem::rename(temporary, path, ec);
  if (ec)
    std::cerr << path << ": cannot write the file (" << ec.message() << ")\n";
  return !ec;
}

// Make syntax: blanks in names are escaped.
static std::string s_make_name(const std::string &path) {
  std::string out;
  for (char c : path) {
    if (c == ' ' || c == '#')
      out += '\\';
    if (c == '$')
      out += '$';
    out += c;
  }
  return out;
}

static bool s_write_depfile(const Options &o, const BrgGrammar &g) {
  std::string text = s_make_name(o.output) + ":";
  for (const std::string &file : g.files)
    text += " \\\n  " + s_make_name(file);
  return s_write_file(o.depfile, text + "\n");
}

int main(int argc, char **argv) {
  Options o;
  if (!s_parse_options(argc, argv, o))
    return s_usage();
  BrgGrammar g;
  BrgErrors errors;
  if (brg_read_operators(o.operators, g, errors)) {
    brg_read_grammar(o.grammar, g, errors);
    brg_check(g, errors);
  }
  for (const std::string &e : errors)
    std::cerr << e << "\n";
  if (!errors.empty())
    return 1;
  std::string text = brg_emit(g);
  if (o.output.empty()) {
    std::cout << text;
    return std::cout.flush() ? 0 : 1;
  }
  if (!s_write_file(o.output, text))
    return 1;
  return o.depfile.empty() || s_write_depfile(o, g) ? 0 : 1;
}
