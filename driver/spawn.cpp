// Preprocessor child process. In: the settings (-I, -D, level, model,
// suppressions), the file names of the compilation, VELC_INCLUDE and the
// standard headers' directory (../include/velcqx or ../include beside the
// compiler's own).
// Out: the argument vector, the -tp dump, the child's completion status.
#include "driver/spawn.h"

#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>

#include "device/processors.h"
#include "driver/compile.h"
#include "driver/diag.h"
#include "driver/paths.h"
#include "driver/settings.h"

extern char **environ;

static std::string s_quoted(const std::string &text) { return "\"" + text + "\""; }

static std::string s_directory_of(const char *path) {
  // For a path without a directory the size pathdir reports (2) leaves out
  // the terminator of "./"; one byte more always fits.
  size_t size = pathdir(nullptr, path, 0) + 1;
  std::string dir(size, '\0');
  dir.resize(pathdir(dir.data(), path, size));
  return dir;
}

// When the program was found through the search path, argv[0] carries no
// directory; the running executable's own path does.
static std::string s_own_directory(const char *argv0) {
  if (argv0 && (strchr(argv0, '/') || strchr(argv0, '\\')))
    return s_directory_of(argv0);
  char exe[PATH_MAX];
  ssize_t len = readlink("/proc/self/exe", exe, sizeof exe - 1);
  if (len <= 0)
    return s_directory_of("");
  exe[len] = '\0';
  return s_directory_of(exe);
}

static bool s_is_program(const std::string &path) { return access(path.c_str(), X_OK) == 0; }

static bool s_is_directory(const std::string &path) {
  struct stat st;
  return stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

static std::string s_absolute(const std::string &path) {
  char full[PATH_MAX];
  velc_fullpath(full, path.c_str(), sizeof full);
  return full;
}

// Beside the compiler (the build tree, or an installation that keeps all
// programs in bin), else in the installation's private folder
// ../libexec/velcqx. When neither holds it, the path beside the compiler,
// so that the failure names the usual place.
std::string pp_program_path(const char *argv0) {
  std::string dir = s_own_directory(argv0);
  std::string beside = dir + "cppqx";
  if (s_is_program(beside))
    return beside;
  std::string private_copy = dir + "../libexec/velcqx/cppqx";
  return s_is_program(private_copy) ? s_absolute(private_copy) : beside;
}

// The standard headers, absolute: ../include/velcqx from the compiler's own
// directory in an installed tree (where ../include may be the host's own
// headers), else ../include of the build tree; empty when neither exists.
std::string pp_standard_headers(const char *argv0) {
  std::string dir = s_own_directory(argv0);
  for (const char *relative : {"../include/velcqx", "../include"}) {
    std::string full = s_absolute(dir + relative);
    if (s_is_directory(full))
      return full;
  }
  return std::string();
}

static void s_add_model_define(std::vector<std::string> &args) {
  if (memory_model == 0)
    args.push_back("-d__SMALL__");
  else if (memory_model == 3)
    args.push_back("-d__LARGE__");
  else
    VELC_ASSERT(!"memory model is neither small nor large");
}

// Each blank-separated word of the suppression text becomes one argument.
static void s_add_suppressions(std::vector<std::string> &args) {
  if (!suppress_message_option)
    return;
  const char *p = suppress_message_option;
  while (*p) {
    while (*p == ' ')
      p++;
    const char *start = p;
    while (*p && *p != ' ')
      p++;
    if (p > start)
      args.emplace_back(start, p);
  }
}

pp_command pp_build_command(const std::string &program, const std::string &headers) {
  pp_command cmd;
  cmd.program = program;
  std::vector<std::string> &args = cmd.args;
  args.push_back(s_quoted(program));
  for (int i = 0; i < num_includes; i++) {
    args.push_back("--include");
    args.push_back(includes[i]);
  }
  for (int i = 0; i < num_defines; i++) {
    args.push_back("--define");
    args.push_back(command_line_defines[i]);
  }
  args.insert(args.end(), {"-o", s_quoted(pfile), "-e", s_quoted(efile), s_quoted(yyfilename)});
  args.push_back("--diagnostic-level=" + std::to_string(error_level));
  args.push_back("-d__HARROW");
  args.push_back(std::string("-d__") + getDvsProcName(GetProcessor()));
  s_add_model_define(args);
  if (!suppress_integer_promotion_flag)
    args.push_back("-d__INT_PROMOTION__");  // char arguments travel as int (<stdarg.h>)
  if (!plain_char_signed_flag)
    args.push_back("-d__CHAR_UNSIGNED__");  // <limits.h> gives CHAR_MIN 0, CHAR_MAX 255
  args.push_back("-d__EXTENDEDqx__");
  if (DefaultIncludePath) {
    args.push_back("-i");
    args.push_back(s_quoted(DefaultIncludePath));
  }
  if (!headers.empty()) {
    args.push_back("-i");
    args.push_back(s_quoted(headers));
  }
  if (verbose)
    args.push_back("--verbose");
  s_add_suppressions(args);
  return cmd;
}

void pp_dump_command(const pp_command &cmd) {
  printf("\n\tPreprocessor command line\n\n");
  printf("\tExecutable:   %s\n\n", cmd.program.c_str());
  printf("\tParameters:\n");
  for (const std::string &arg : cmd.args)
    printf("\t\t%s\n", arg.c_str());
  printf("\n\n");
  fflush(stdout);
}

const char *pp_spawn_error_text(int code, char *buffer, size_t size) {
  switch (code) {
  case E2BIG: return "Argument list exceeds 1024 bytes\n";
  case ENOENT: return "File or path is not found\n";
  case ENOEXEC:
  case EACCES:  // a file without execute permission is not executable either
    return "Specified file is not executable or has invalid executable-file format\n";
  case ENOMEM: return "Not enough memory is available to execute new process\n";
  case EINVAL: return "'mode' argument is invalid\n";
  default: snprintf(buffer, size, "Unknown error [errno = %d]\n", code); return buffer;
  }
}

static int s_wait(pid_t pid) {
  int status = 0;
  while (waitpid(pid, &status, 0) < 0)
    if (errno != EINTR)
      return 1;
  return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? 0 : 1;
}

int pp_run(const pp_command &cmd) {
  std::vector<char *> argv;
  for (const std::string &arg : cmd.args)
    argv.push_back(const_cast<char *>(arg.c_str()));
  argv.push_back(nullptr);
  fflush(stdout);
  fflush(stderr);
  pid_t pid = 0;
  int code = posix_spawnp(&pid, cmd.program.c_str(), nullptr, nullptr, argv.data(), environ);
  if (code != 0) {
    char buffer[64];
    printf("Error executing %s.  %s", cmd.program.c_str(), pp_spawn_error_text(code, buffer, sizeof buffer));
    fflush(stdout);
    return -1;
  }
  return s_wait(pid);
}
