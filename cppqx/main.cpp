// The preprocessor program. In: the command line of the compiler driver.
// Out: the preprocessed file, diagnostics on standard output and appended to
// the error file, and the exit status: 0 when no error was reported, 1 after
// any error (the output is still written as far as it got) and when the
// error file cannot be opened (then nothing is written).
#include <cstdio>
#include <string>

#include "cppqx/options.h"
#include "cppqx/pp.h"
#include "driver/diag.h"

static void s_usage(FILE *f) {
  fprintf(f,
          "usage: cppqx [--include DIR]... [--define NAME[=TEXT]]... [-dNAME[=TEXT]]... [-i DIRS]\n"
          "             -o FILE [-e FILE] [--diagnostic-level=N] [--suppress-message=N]... [--verbose] SOURCE\n");
}

// --help: the usage and what each option does, on standard output.
static void s_help() {
  s_usage(stdout);
  fputs("Preprocesses one C source for velcqx-extended, which runs it; the output\n"
        "keeps #line markers and #pragma lines.\n"
        "  --include DIR         add DIR to the include search (repeatable, in order)\n"
        "  --define NAME[=TEXT]  define a macro (TEXT defaults to 1); -dNAME[=TEXT] too\n"
        "  -i DIRS               more directories after the --include ones, split at ';' or ':'\n"
        "  -o FILE               the preprocessed text\n"
        "  -e FILE               the error file; diagnostics are appended to it\n"
        "  --diagnostic-level=N  1 errors only, 2 also warnings (default), 3 also messages\n"
        "  --suppress-message=N  neither show nor count message N (repeatable)\n"
        "  --verbose             name each file as it is opened\n"
        "  --help                this text\n"
        "Exit status: 0 when no error was reported, 1 otherwise.\n",
        stdout);
}

// Everything after the options: definitions, the source, the output.
static void s_preprocess(Pp &pp, const CppOptions &opts) {
  snprintf(yyfilename, sizeof yyfilename, "%s", opts.sources[0].c_str());
  yylineno = 0;
  if (opts.sources.size() > 1) {
    post_error(1033);
    return;
  }
  mac_predefine(pp);
  for (const std::string &def : opts.defines)
    mac_define_option(pp, def);
  // Read the source before the output is created, in case they are one file.
  bool is_dir;
  lex_load(pp, opts.sources[0], &is_dir);
  if (!out_open(pp, opts.output.c_str())) {
    post_error(1500, opts.output.c_str());
    return;
  }
  pp_run(pp, opts.sources[0]);
}

int main(int argc, char **argv) {
  if (argc == 2 && std::string(argv[1]) == "--help") {
    s_help();
    return 0;
  }
  CppOptions opts;
  if (!opt_parse(argc - 1, argv + 1, opts) || opts.output.empty()) {
    fprintf(stderr, "cppqx: %s\n", opts.problem.empty() ? "no output file given (-o FILE)" : opts.problem.c_str());
    s_usage(stderr);
    return 1;
  }
  error_level = opts.level;
  for (long n : opts.suppressed)
    suppress_message(n);
  // Diagnostics that cannot reach the error file would be lost to the
  // compiler, which reads them from there: stop with a failure status before
  // any output is written.
  if (!opts.error_file.empty() && error_init(opts.error_file.c_str()) != 0) {
    fprintf(stderr, "cppqx: cannot open error file '%s'\n", opts.error_file.c_str());
    return 1;
  }
  // The run state lives until the process ends; freeing its many small
  // records one by one would only delay the exit.
  static Pp *pp = new Pp;
  pp->include_dirs = opts.include_dirs;
  pp->system_dirs = opts.system_dirs;
  pp->verbose = opts.verbose;
  try {
    s_preprocess(*pp, opts);
  } catch (const FatalUnwind &) {
  }
  out_close(*pp);
  if (pp->out.failed) {
    snprintf(yyfilename, sizeof yyfilename, "%s", opts.sources[0].c_str());
    try {
      post_error(1500, opts.output.c_str());
    } catch (const FatalUnwind &) {
    }
  }
  bool failed = get_error_count() > 0;
  error_uninit();
  return failed ? 1 : 0;
}
