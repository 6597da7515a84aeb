// The preprocessor's command line: the arguments the compiler driver passes.
#ifndef VELC_CPPQX_OPTIONS_H
#define VELC_CPPQX_OPTIONS_H

#include <string>
#include <vector>

struct CppOptions {
  std::vector<std::string> include_dirs;  // --include DIR, in order
  std::vector<std::string> system_dirs;   // -i DIRS, split at ';' and ':'
  std::vector<std::string> defines;       // --define and -d, in order: NAME or NAME=TEXT
  std::vector<long> suppressed;           // --suppress-message=N
  std::vector<std::string> sources;       // every non-option argument
  std::string output;                     // -o FILE
  std::string error_file;                 // -e FILE
  int level = 2;                          // --diagnostic-level=N
  bool verbose = false;                   // --verbose
  std::string problem;                    // the first option error, empty when none
};

// Removes one pair of enclosing double quotes.
std::string opt_unquote(const std::string &arg);
// Parses the arguments after the program name; false when problem is set.
bool opt_parse(int argc, const char *const *argv, CppOptions &opts);

#endif
