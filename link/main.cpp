// harrow-link: links object files into a program image. In: object files
// and libraries in command-line order, then the default libraries (libc.a and
// runtime.a in ../lib/velcqx or ../lib beside the program's own directory, unless
// --no-default-libs), and options (output, map, device, stack size, start-up
// code). Out: an
// Intel HEX image and a map; errors on standard error. Exit status 0 on
// success, 1 when the link found errors, 2 for bad usage or unreadable input.
#include <getopt.h>
#include <strings.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "device/processors.h"
#include "link/link.h"
#include "sim/ihex.h"

static const int EXIT_LINK_ERRORS = 1;
static const int EXIT_USAGE = 2;

struct CliOptions {
  std::string output = "a.hex";
  std::string map;
  std::string device;
  LinkOptions link{PROC_GENERIC_ID, 128, false};
  std::vector<std::string> inputs;
  bool default_libs = true;
};

// The default libraries, searched after the command line's inputs: the C
// library first, whose functions may call the run-time helpers.
static const char *const DEFAULT_LIBS[] = {"libc.a", "runtime.a"};

static void s_usage(FILE *f) {
  fputs("usage: harrow-link [options] object-or-library...\n"
        "  -o FILE         Intel HEX image to write (default a.hex)\n"
        "  -m FILE         map to write (default: the image name with .map)\n"
        "  -p DEVICE       target device (default: the generic Harrow device)\n"
        "  -s, --stack N   bytes of software stack when no object defines _stack (default 128)\n"
        "      --startup   generate start-up code: stacks, initial data, call main, HALT\n"
        "      --symbols FILE  data addresses of external names, one 'NAME ADDRESS' a line\n"
        "      --no-default-libs  do not search libc.a and runtime.a in ../lib/velcqx or ../lib beside this program\n"
        "  -h, --help      this text\n"
        "Libraries (archives) supply only the members that define names still undefined.\n"
        "Exit status: 0 linked, 1 link errors, 2 bad usage or unreadable input.\n",
        f);
}

static bool s_device(const std::string &name, int &id) {
  if (strcasecmp(name.c_str(), PROC_GENERIC_NAME) == 0) {
    id = PROC_GENERIC_ID;
    return true;
  }
  return convertDvsProcName(name.c_str(), &id) && getInstSet(id) == INSTSET_HARROW;
}

// Reads a file of 'NAME ADDRESS' lines (blank lines and '#' comments
// skipped): names the objects use without defining, at data addresses.
static bool s_read_symbols(const char *path, std::map<std::string, uint32_t> &symbols) {
  std::ifstream in(path);
  if (!in) {
    fprintf(stderr, "harrow-link: cannot read symbol file '%s'\n", path);
    return false;
  }
  std::string line;
  for (int number = 1; std::getline(in, line); ++number) {
    std::istringstream words(line);
    std::string name, address, extra;
    if (!(words >> name) || name[0] == '#') continue;
    char *end = nullptr;
    unsigned long v = 0;
    if (words >> address) {
      errno = 0;
      v = strtoul(address.c_str(), &end, 0);
    }
    if (address.empty() || *end || errno || v > 0xFFF || address[0] == '-' || (words >> extra)) {
      fprintf(stderr, "harrow-link: %s:%d: expected a name and a data address up to 0xFFF\n", path, number);
      return false;
    }
    symbols[name] = (uint32_t)v;
  }
  return true;
}

static int s_parse(int argc, char **argv, CliOptions &o) {
  static const option longs[] = {{"stack", required_argument, nullptr, 's'},
                                 {"startup", no_argument, nullptr, 'S'},
                                 {"symbols", required_argument, nullptr, 'Y'},
                                 {"no-default-libs", no_argument, nullptr, 'N'},
                                 {"help", no_argument, nullptr, 'h'},
                                 {nullptr, 0, nullptr, 0}};
  int c;
  while ((c = getopt_long(argc, argv, "o:m:p:s:h", longs, nullptr)) != -1) {
    switch (c) {
    case 'o': o.output = optarg; break;
    case 'm': o.map = optarg; break;
    case 'p': o.device = optarg; break;
    case 's': {
      char *end = nullptr;
      errno = 0;
      unsigned long v = strtoul(optarg, &end, 0);
      if (!*optarg || *end || errno || v == 0 || v > 0x800 || optarg[0] == '-') {
        fprintf(stderr, "harrow-link: bad stack size '%s'\n", optarg);
        return EXIT_USAGE;
      }
      o.link.stack_size = (uint32_t)v;
      break;
    }
    case 'S': o.link.startup = true; break;
    case 'N': o.default_libs = false; break;
    case 'Y':
      if (!s_read_symbols(optarg, o.link.symbols)) return EXIT_USAGE;
      break;
    case 'h': s_usage(stdout); return 0;
    default: s_usage(stderr); return EXIT_USAGE;
    }
  }
  for (int i = optind; i < argc; ++i) o.inputs.push_back(argv[i]);
  if (o.inputs.empty()) {
    fprintf(stderr, "harrow-link: no object files\n");
    return EXIT_USAGE;
  }
  if (!o.device.empty() && !s_device(o.device, o.link.device)) {
    fprintf(stderr, "harrow-link: unknown Harrow device '%s'\n", o.device.c_str());
    return EXIT_USAGE;
  }
  if (o.map.empty()) {
    size_t dot = o.output.rfind('.');
    size_t slash = o.output.rfind('/');
    bool ext = dot != std::string::npos && (slash == std::string::npos || dot > slash);
    o.map = (ext ? o.output.substr(0, dot) : o.output) + ".map";
  }
  return -1;
}

// The directory of the libraries that are linked without being named, from
// the directory of the running program: ../lib/velcqx in an installed tree
// (where ../lib is shared with the host's own libraries), else ../lib of the
// build tree.
static std::string s_default_lib_dir() {
  char exe[PATH_MAX];
  ssize_t len = readlink("/proc/self/exe", exe, sizeof exe - 1);
  if (len <= 0) return "";
  exe[len] = '\0';
  std::string dir(exe);
  size_t slash = dir.rfind('/');
  if (slash == std::string::npos) return "";
  char lib[PATH_MAX];
  struct stat st;
  for (const char *relative : {"../lib/velcqx", "../lib"})
    if (realpath((dir.substr(0, slash + 1) + relative).c_str(), lib) && stat(lib, &st) == 0 && S_ISDIR(st.st_mode))
      return std::string(lib) + "/";
  return "";
}

// A library is known by its first bytes, or by the name ending in ".a" (so
// that a damaged one is reported as a library).
static bool s_add_input(Linker &l, const std::string &path) {
  bool named = path.size() > 2 && path.compare(path.size() - 2, 2, ".a") == 0;
  return named || link_is_archive(path.c_str()) ? link_add_archive(l, path.c_str()) : link_add_object(l, path.c_str());
}

static int s_link(const CliOptions &o) {
  Linker l;
  link_init(l, o.link);
  bool read_ok = true;
  for (const std::string &path : o.inputs) read_ok = s_add_input(l, path) && read_ok;
  std::string lib_dir = o.default_libs ? s_default_lib_dir() : "";
  struct stat st;
  for (const char *name : DEFAULT_LIBS)
    if (read_ok && !lib_dir.empty() && stat((lib_dir + name).c_str(), &st) == 0)
      read_ok = link_add_archive(l, (lib_dir + name).c_str());
  if (!read_ok) {
    for (const std::string &e : l.errors) fprintf(stderr, "harrow-link: error: %s\n", e.c_str());
    link_free(l);
    return EXIT_USAGE;
  }
  bool ok = link_run(l);
  for (const std::string &e : l.errors) fprintf(stderr, "harrow-link: error: %s\n", e.c_str());
  int status = ok ? 0 : EXIT_LINK_ERRORS;
  std::string err;
  if (ok && !ihex_write(o.output.c_str(), l.image, err)) {
    fprintf(stderr, "harrow-link: %s\n", err.c_str());
    status = EXIT_USAGE;
  }
  if (ok && status == 0) {
    std::ofstream map(o.map);
    map << link_map_text(l, o.output);
    if (!map) {
      fprintf(stderr, "harrow-link: cannot write '%s'\n", o.map.c_str());
      status = EXIT_USAGE;
    }
  }
  link_free(l);
  return status;
}

int main(int argc, char **argv) {
  CliOptions o;
  int status = s_parse(argc, argv, o);
  if (status >= 0) return status;
  return s_link(o);
}
