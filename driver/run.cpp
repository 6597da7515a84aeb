// One run of the compiler. In: the command line and VELC_INCLUDE. Out: the
// preprocessed, error and object files of one compilation, the console
// output, and the exit status (help and version 0, refusals 1, unsupported
// processor -1, otherwise the number of errors).
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "device/processors.h"
#include "driver/cmdline.h"
#include "driver/compile.h"
#include "driver/diag.h"
#include "driver/driver.h"
#include "driver/phases.h"
#include "driver/settings.h"
#include "driver/spawn.h"

// What a compilation covers today, shown with -verbose before the counts.
// Keep it true as phases land (the README's "What runs today" says the same).
static const char *const s_phases_today =
    "Phases run: preprocessing, parsing, translation, code generation, %sbranch resolution, object file.\n";

// --help-config: the refusals, else the listing; always status 0.
static int s_help_config() {
  if (!processor_specified_on_cmdline)
    fprintf(stderr, "Must specify a processor with -p to use --help-config\n");
  else if (generic_processor_flag)
    fprintf(stderr, "Must specify a non-generic processor with -p to use --help-config\n");
  else
    phase_config_help();
  return 0;
}

// Runs the preprocessor: 0 to go on, 1 when it could not run or failed.
static int s_preprocess(const char *argv0) {
  DefaultIncludePath = getenv("VELC_INCLUDE");
  pp_command cmd = pp_build_command(pp_program_path(argv0), pp_standard_headers(argv0));
  if (dump_preprocessor_cmd_line)
    pp_dump_command(cmd);
  int status = pp_run(cmd);
  free(suppress_message_option);
  suppress_message_option = nullptr;
  return status == 0 ? 0 : 1;
}

// Opens the preprocessed file for reading. On this host a directory opens
// as a stream that fails on the first read; it is refused here instead, as
// a file that cannot be opened.
static FILE *s_open_input(const char *name) {
  FILE *input = fopen(name, "r");
  struct stat info;
  if (input && (fstat(fileno(input), &info) != 0 || S_ISDIR(info.st_mode))) {
    fclose(input);
    return nullptr;
  }
  return input;
}

// Opens the error file and the preprocessed input; 0 on success, else 1
// with the reason reported.
static int s_open_files() {
  if (error_init(efile) != 0) {
    printf("unable to open file %s", efile);
    fflush(stdout);
    return 1;
  }
  FILE *input = s_open_input(pfile);
  if (!input) {
    try {
      post_error(1500, sfile);
    } catch (const FatalUnwind &) {
    }
    return 1;
  }
  driver_set_preprocessed_input(input);
  return 0;
}

// The compilation proper over the preprocessed file, then the clean-up.
static int s_compile() {
  if (s_open_files() != 0) {
    _uninitialize_compiler();
    remove(pfile);
    return 1;
  }
  if (phase_parser_init() != 0)
    VELC_ASSERT(!"the parser could not be initialised");
  // An old object goes, so a failed run leaves none; unlink never removes a
  // directory that happens to carry the object's name.
  unlink(ofile);
  try {
    run_phases();
  } catch (const FatalUnwind &) {
    // A fatal diagnostic or the error limit: the clean-up below still runs.
  }
  phase_release();
  _uninitialize_compiler();
  fclose(driver_preprocessed_input());
  driver_set_preprocessed_input(nullptr);
  remove(pfile);
  if (verbose) {
    printf(s_phases_today, global_optimize_flag ? "optimisation, " : "");
    if (access(ofile, F_OK) == 0)
      printf("Object file written: %s\n", ofile);
    else
      fputs("No object file written.\n", stdout);
    signoff();
  }
  return static_cast<int>(get_error_count());
}

// Steps from the processor check to the end of the compilation.
static int s_run_source(const char *argv0) {
  int status = _initialize_compiler(_source_file_name, _error_file_name, _object_file_name, processor);
  if (status != 0)
    return status;
  int pp_status = 1;
  if (preprocess_only || _make_private_preprocessed_file() == 0)
    pp_status = s_preprocess(argv0);
  if (pp_status != 0 || preprocess_only) {
    // Nothing was compiled: no line marker has filled the list yet.
    list_free(dependent_file_list, nullptr);
    dependent_file_list = nullptr;
    // A failed run's private preprocessed file is of no use to anyone;
    // with -E the file is the user's.
    if (!preprocess_only && pfile[0])
      remove(pfile);
    return pp_status;
  }
  return s_compile();
}

int driver_main(int argc, const char **argv) {
  if (!cmd_init(argc, argv))
    return 1;
  atexit(cmd_free);
  if (argc <= 1) {
    cmd_show_help();
    return 0;
  }
  int parsed = cmd_parse_args();
  if (parsed == 0)
    return 1;
  if (parsed == -1)
    return 0;
  if (show_pragma_config_help)
    return s_help_config();
  if (verbose || dump_version_only)
    signon();
  if (dump_version_only)
    return 0;
  if (stack_multi_bank_flag && getInstSet(processor) != INSTSET_HARROW) {
    printf("multi-bank stack supported only on Harrow core");
    return 0;
  }
  lfsr_valid = (processor >= 186 && processor <= 189) ? 0 : 1;
  if (!_source_file_name) {
    printf("no file specified.\n");
    if (verbose)
      signoff();
    return static_cast<int>(get_error_count());
  }
  return s_run_source(argv[0]);
}
