// The preprocessor child process: its argument vector, the -tp dump, and
// running it to completion.
#ifndef VELC_DRIVER_SPAWN_H
#define VELC_DRIVER_SPAWN_H

#include <string>
#include <vector>

// The preprocessor's program path and argument vector (argv[0] first,
// without the terminating null entry).
struct pp_command {
  std::string program;             // path to run, unquoted
  std::vector<std::string> args;   // argv[0] is the program path in double quotes
};

// Path of the preprocessor: the directory of the compiler's own program
// (from argv0, or from the running executable when argv0 has none) +
// "cppqx"; when that is missing, ../libexec/velcqx/cppqx from there.
std::string pp_program_path(const char *argv0);
// The standard headers' directory, absolute, relative to the compiler's own
// directory: ../include/velcqx, else ../include; empty when neither exists.
std::string pp_standard_headers(const char *argv0);
// Builds the whole vector from the settings, the file names and the
// standard headers' directory (none when empty).
pp_command pp_build_command(const std::string &program, const std::string &headers);
// Prints the vector as -tp shows it.
void pp_dump_command(const pp_command &cmd);
// Runs the preprocessor and waits: 0 when it ran and exited with status 0,
// 1 when it failed (its own diagnostics say why), -1 when it could not be
// started (the reason has been printed).
int pp_run(const pp_command &cmd);
// The text printed after "Error executing %s.  " for a start failure code.
const char *pp_spawn_error_text(int code, char *buffer, size_t size);

#endif
