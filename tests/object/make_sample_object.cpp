// Writes the sample object of the object-format tests to the file named on
// the command line, for the dump tool's end-to-end comparison.
#include <cstdio>

#include "tests/object/sample_object.h"

int main(int argc, char **argv) {
  if (argc != 2) {
    fprintf(stderr, "usage: make_sample_object FILE.o\n");
    return 1;
  }
  coff_file *file = sample_object_build(argv[1]);
  int ok = file && coff_write(file);
  coff_free(file);
  return ok ? 0 : 1;
}
