// Command-line parsing. In: the argument vector as the compiler driver builds
// it, each argument possibly wrapped in one pair of double quotes. Out: a
// CppOptions record, or the text of the first option error.
#include "cppqx/options.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>

std::string opt_unquote(const std::string &arg) {
  if (arg.size() >= 2 && arg.front() == '"' && arg.back() == '"')
    return arg.substr(1, arg.size() - 2);
  return arg;
}

// Directory lists use ';' as the compiler's environment writes them; ':' is
// accepted too, the separator of this host.
static void s_split_dirs(const std::string &list, std::vector<std::string> &out) {
  size_t start = 0;
  while (start <= list.size()) {
    size_t end = list.find_first_of(";:", start);
    if (end == std::string::npos)
      end = list.size();
    if (end > start)
      out.push_back(list.substr(start, end - start));
    start = end + 1;
  }
}

static bool s_number(const std::string &text, long lo, long hi, long &value) {
  if (text.empty())
    return false;
  char *end;
  errno = 0;
  value = strtol(text.c_str(), &end, 10);
  return *end == '\0' && errno == 0 && value >= lo && value <= hi;
}

// "--name=value" or "--name value": the value, or false when it is missing.
static bool s_value(const std::string &arg, const char *name, int argc, const char *const *argv, int &i,
                    std::string &value, bool &matched) {
  size_t n = strlen(name);
  matched = false;
  if (arg.compare(0, n, name) != 0)
    return true;
  if (arg.size() == n) {
    matched = true;
    if (i + 1 >= argc)
      return false;
    value = opt_unquote(argv[++i]);
    return true;
  }
  if (arg[n] != '=')
    return true;
  matched = true;
  value = arg.substr(n + 1);
  return true;
}

static bool s_fail(CppOptions &opts, const std::string &text) {
  if (opts.problem.empty())
    opts.problem = text;
  return false;
}

// Options with a value; false when arg is none of them.
static bool s_valued(const std::string &arg, int argc, const char *const *argv, int &i, CppOptions &opts) {
  static const char *const names[] = {"--include", "--define", "-o", "-e", "-i"};
  for (const char *name : names) {
    std::string value;
    bool matched;
    bool ok = s_value(arg, name, argc, argv, i, value, matched);
    if (!matched)
      continue;
    if (!ok || value.empty())
      return s_fail(opts, std::string("option '") + name + "' needs a value"), true;
    value = opt_unquote(value);
    if (!strcmp(name, "--include"))
      opts.include_dirs.push_back(value);
    else if (!strcmp(name, "--define"))
      opts.defines.push_back(value);
    else if (!strcmp(name, "-o"))
      opts.output = value;
    else if (!strcmp(name, "-e"))
      opts.error_file = value;
    else
      s_split_dirs(value, opts.system_dirs);
    return true;
  }
  return false;
}

static void s_option(const std::string &arg, int argc, const char *const *argv, int &i, CppOptions &opts) {
  long n;
  if (s_valued(arg, argc, argv, i, opts))
    return;
  if (arg == "--verbose")
    opts.verbose = true;
  else if (arg.compare(0, 19, "--diagnostic-level=") == 0 && s_number(arg.substr(19), 1, 3, n))
    opts.level = static_cast<int>(n);
  else if (arg.compare(0, 19, "--suppress-message=") == 0 && s_number(arg.substr(19), 0, 99999, n))
    opts.suppressed.push_back(n);
  else if (arg.size() > 2 && arg.compare(0, 2, "-d") == 0)
    opts.defines.push_back(arg.substr(2));
  else
    s_fail(opts, "unknown or malformed option '" + arg + "'");
}

bool opt_parse(int argc, const char *const *argv, CppOptions &opts) {
  for (int i = 0; i < argc; i++) {
    std::string arg = opt_unquote(argv[i]);
    if (arg.size() > 1 && arg[0] == '-')
      s_option(arg, argc, argv, i, opts);
    else
      opts.sources.push_back(arg);
  }
  if (opts.sources.empty())
    s_fail(opts, "no source file given");
  return opts.problem.empty();
}
