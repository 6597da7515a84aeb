// emit-roundtrip IN OUT: reads an object file with the project's reader,
// lays it out and writes it again under another name. Exit status 0 when
// both steps succeed. The test runner then compares the two files byte for
// byte (the time stamp comes from SOURCE_DATE_EPOCH on both sides).
#include <cstdio>

#include "object/coff.h"

int main(int argc, char **argv) {
  if (argc != 3) {
    fprintf(stderr, "usage: emit-roundtrip IN.o OUT.o\n");
    return 2;
  }
  coff_file *file = coff_read(argv[1]);
  if (!file) return 1;
  int ok = coff_set_filename(file, argv[2]);
  if (ok) {
    coff_preWrite(file);
    ok = coff_write(file);
  }
  coff_free(file);
  return ok ? 0 : 1;
}
