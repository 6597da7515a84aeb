// Stand-in preprocessor for the driver's end-to-end tests. In: the argument
// vector the compiler passes to cppqx. Out: the vector, one argument per
// line, appended to $STANDIN_LOG; the source copied into the "-o" file; an
// optional diagnostic line ($STANDIN_DIAG) appended to the "-e" file; exit
// status $STANDIN_EXIT (default 0). With $STANDIN_OUTPUT_DIR set, the "-o"
// file is replaced by an empty directory of that name instead.
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>

// The compiler wraps file names in one pair of double quotes.
static std::string s_unquote(const char *text) {
  std::string s(text);
  if (s.size() >= 2 && s.front() == '"' && s.back() == '"')
    return s.substr(1, s.size() - 2);
  return s;
}

static void s_log(int argc, char **argv) {
  const char *log = getenv("STANDIN_LOG");
  if (!log)
    return;
  std::ofstream out(log, std::ios::app);
  for (int i = 0; i < argc; i++)
    out << argv[i] << '\n';
  out << "--end--\n";
}

int main(int argc, char **argv) {
  s_log(argc, argv);
  std::string output, errors, source;
  for (int i = 1; i < argc; i++) {
    if (!strcmp(argv[i], "-o") && i + 1 < argc)
      output = s_unquote(argv[++i]);
    else if (!strcmp(argv[i], "-e") && i + 1 < argc)
      errors = s_unquote(argv[++i]);
    else if ((!strcmp(argv[i], "--include") || !strcmp(argv[i], "--define") || !strcmp(argv[i], "-i")) &&
             i + 1 < argc)
      ++i;
    else if (argv[i][0] == '"')
      source = s_unquote(argv[i]);
  }
  const char *diag = getenv("STANDIN_DIAG");
  if (diag && !errors.empty()) {
    std::ofstream err(errors, std::ios::app);
    err << diag << '\n';
  }
  std::ifstream in(source);
  if (!in)
    return 2;
  std::stringstream text;
  text << in.rdbuf();
  if (getenv("STANDIN_OUTPUT_DIR")) {
    unlink(output.c_str());
    return mkdir(output.c_str(), 0755) == 0 ? 0 : 2;
  }
  std::ofstream out(output);
  out << "#line 1 \"" << source << "\"\n" << text.str();
  const char *status = getenv("STANDIN_EXIT");
  return status ? atoi(status) : 0;
}
