// Set-up and tear-down of one compilation. In: the source name as given,
// the -fe/-fo names and the processor. Out: the file names of the
// compilation (sfile, yyfilename, basefilename, pfile, efile, ofile), the
// private preprocessed file of a run that compiles, the dependent-file list,
// the banner and the closing counts.
#include "driver/driver.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "device/processors.h"
#include "driver/compile.h"
#include "driver/diag.h"
#include "driver/paths.h"
#include "driver/phases.h"
#include "driver/settings.h"

const char *const VELC_VERSION = "v" VELC_PROJECT_VERSION;

// A source path split into directory (with its separator), base name and
// extension (with its dot; empty when there is none).
struct s_split_path {
  std::string dir, base, ext;
};

static s_split_path s_split(const char *path) {
  s_split_path parts;
  const char *file = pathfile(path);
  parts.dir.assign(path, file);
  const char *dot = strrchr(file, '.');
  if (dot) {
    parts.base.assign(file, dot);
    parts.ext = dot;
  } else {
    parts.base = file;
  }
  return parts;
}

// Copies text into one of the VELC_PATH_MAX buffers; false when it does not fit.
static bool s_store(char *buffer, const std::string &text) {
  if (text.size() >= static_cast<size_t>(VELC_PATH_MAX))
    return false;
  memcpy(buffer, text.c_str(), text.size() + 1);
  return true;
}

static std::string s_in_cwd(const std::string &cwd, const std::string &name) {
  return cwd.empty() ? name : cwd + "/" + name;
}

static bool s_fill_names(const char *source, const char *error_file, const char *object_file) {
  char cwd[513] = "";
  if (!getcwd(cwd, sizeof cwd))
    cwd[0] = '\0';
  s_split_path parts = s_split(source);
  bool has_ext = !parts.ext.empty();
  std::string named = has_ext ? source : std::string(source) + ".c";
  std::string source_path = has_ext ? source : parts.dir + parts.base + ".c";
  bool ok = s_store(efile, error_file ? error_file : s_in_cwd(cwd, parts.base + ".err")) &&
            s_store(ofile, object_file ? object_file : s_in_cwd(cwd, parts.base + ".o")) &&
            s_store(yyfilename, named) && s_store(sfile, source_path) && s_store(basefilename, parts.base) &&
            s_store(pfile, parts.base + ".i");
  if (ok) {
    char absolute[VELC_PATH_MAX];
    velc_fullpath(absolute, source_path.c_str(), sizeof absolute);
    memcpy(sfile, absolute, sizeof sfile);
  }
  return ok;
}

static bool s_source_exists(const char *source) {
  if (access(source, F_OK) == 0)
    return true;
  if (!s_split(source).ext.empty())
    return false;
  return access((std::string(source) + ".c").c_str(), F_OK) == 0;
}

int _initialize_compiler(const char *source, const char *error_file, const char *object_file, int proc) {
  SetProcessor(proc);
  if (getInstSet(proc) != INSTSET_HARROW) {
    printf("Error: unsupported processor %s\n", getDvsProcName(proc));
    return -1;
  }
  phase_config_initialize();
  if (!s_fill_names(source, error_file, object_file)) {
    fprintf(stderr, "Error: file name too long '%s'\n", source);
    return 1;
  }
  if (!s_source_exists(source)) {
    fprintf(stderr, "Error: unable to locate '%s'\n", source);
    return 1;
  }
  dependent_file_list = list_create(sizeof(char *));
  return 0;
}

// A compilation that goes on past preprocessing reads its preprocessed text
// from a file of its own in the temporary directory ($TMPDIR, else /tmp),
// BASE-XXXXXX.i, created here so that the name is unique: several
// compilations of one source (with different -D, -fo and -fe) may run at
// once in one directory. Only -E keeps BASE.i in the current directory.
int _make_private_preprocessed_file() {
  const char *dir = getenv("TMPDIR");
  if (!dir || !*dir)
    dir = "/tmp";
  std::string name = std::string(dir) + "/" + basefilename + "-XXXXXX.i";
  pfile[0] = '\0';  // on failure no name is left that clean-up could delete
  if (!s_store(pfile, name)) {
    fprintf(stderr, "Error: file name too long '%s'\n", name.c_str());
    return 1;
  }
  int fd = mkstemps(pfile, 2);
  if (fd < 0) {
    fprintf(stderr, "Error: unable to create a temporary file in '%s'\n", dir);
    pfile[0] = '\0';
    return 1;
  }
  close(fd);
  return 0;
}

// Each dependent-file record starts with its malloc'd name.
static void s_free_object(void *record) { free(*static_cast<char **>(record)); }

void _uninitialize_compiler() {
  phase_parser_uninit();
  error_uninit();
  list_free(dependent_file_list, s_free_object);
  dependent_file_list = nullptr;
}

void signon() {
  printf("Harrow extended-mode optimising C compiler %s\n", VELC_VERSION);
  fflush(stdout);
}

void signoff() {
  if (error_level > 0)
    printf("Errors:    %d\n", static_cast<int>(get_error_count()));
  if (error_level > 1)
    printf("Warnings:  %d\n", static_cast<int>(get_warning_count()));
  if (error_level > 2)
    printf("Messages:  %d\n", static_cast<int>(get_message_count()));
  fflush(stdout);
}
