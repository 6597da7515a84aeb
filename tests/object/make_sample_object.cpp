// Writes the sample object of the object-format tests to the file named on
// the command line, for the dump tool's end-to-end runs. With a length, only
// that many leading bytes are kept (a truncated object).
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "tests/object/sample_object.h"

static int s_truncate(const char *path, long length) {
  FILE *fp = fopen(path, "rb");
  if (!fp) return 1;
  std::vector<unsigned char> bytes(static_cast<size_t>(length));
  size_t got = fread(bytes.data(), 1, bytes.size(), fp);
  fclose(fp);
  fp = fopen(path, "wb");
  if (!fp) return 1;
  fwrite(bytes.data(), 1, got, fp);
  return fclose(fp) == 0 ? 0 : 1;
}

int main(int argc, char **argv) {
  if (argc != 2 && argc != 3) {
    fprintf(stderr, "usage: make_sample_object FILE.o [LENGTH]\n");
    return 1;
  }
  coff_file *file = sample_object_build(argv[1]);
  int ok = file && coff_write(file);
  coff_free(file);
  if (!ok) return 1;
  return argc == 3 ? s_truncate(argv[1], strtol(argv[2], nullptr, 0)) : 0;
}
