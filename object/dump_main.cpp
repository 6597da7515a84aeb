// velcqx-dump: prints an object file as text. In: options and object file
// paths. Out: the record dump of each file on standard output and, with -d,
// a disassembly of its code sections. Exit status 0 when every file was
// read and sound, 1 for a bad option, a file that cannot be read (the
// reader's message names it on standard error) or a file whose tables refer
// to entries that do not exist (listed on standard error after its dump).
#include <cstdio>
#include <cstring>
#include <vector>

#include "object/coff.h"
#include "object/dump_check.h"
#include "object/dump_disasm.h"

static void s_usage(FILE *out) {
  fprintf(out,
          "Usage: velcqx-dump [-d] [-h] FILE.o...\n"
          "Prints each object file: headers, sections with their line numbers,\n"
          "relocations and raw data, the symbol table and the string table.\n"
          "  -d  also disassemble every code section word by word, showing the\n"
          "      symbols, line numbers and relocations at each address\n"
          "  -h  print this help and exit\n"
          "Exit status: 0 on success, 1 on a bad option or an unreadable or\n"
          "malformed object file (one whose string offsets, symbol indices or\n"
          "relocation offsets point outside their tables; each is named on\n"
          "standard error after the file's listing).\n");
}

static int s_dump_one(const char *path, bool disassemble) {
  coff_file *file = coff_read(path);
  if (!file) return 1;
  coff_print(file);
  if (disassemble) dump_disassemble(stdout, file);
  fflush(stdout);
  int problems = dump_check(stderr, file);
  coff_free(file);
  return problems ? 1 : 0;
}

int main(int argc, char **argv) {
  bool disassemble = false;
  std::vector<const char *> paths;
  for (int i = 1; i < argc; i++) {
    const char *arg = argv[i];
    if (strcmp(arg, "-d") == 0) {
      disassemble = true;
    } else if (strcmp(arg, "-h") == 0 || strcmp(arg, "--help") == 0) {
      s_usage(stdout);
      return 0;
    } else if (arg[0] == '-' && arg[1] != 0) {
      fprintf(stderr, "velcqx-dump: unknown option '%s'\n", arg);
      s_usage(stderr);
      return 1;
    } else {
      paths.push_back(arg);
    }
  }
  if (paths.empty()) {
    s_usage(stderr);
    return 1;
  }
  int status = 0;
  for (const char *path : paths) status |= s_dump_one(path, disassemble);
  return status;
}
