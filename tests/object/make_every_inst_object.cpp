// Writes the every-instruction object of the dump tests to the file named on
// the command line, for the dump tool's end-to-end runs.
#include <cstdio>

#include "tests/object/every_inst_object.h"

int main(int argc, char **argv) {
  if (argc != 2) {
    fprintf(stderr, "usage: make_every_inst_object FILE.o\n");
    return 1;
  }
  coff_file *file = every_inst_object_build(argv[1]);
  int ok = file && coff_write(file);
  coff_free(file);
  return ok ? 0 : 1;
}
