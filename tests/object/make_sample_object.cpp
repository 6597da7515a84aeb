// Writes the sample object of the object-format tests to the file named on
// the command line, for the dump tool's end-to-end runs. With a length, only
// that many leading bytes are kept (a truncated object); with patches
// "@OFFSET=VALUE", each VALUE is written as a little-endian 32-bit word at
// byte OFFSET (a damaged object).
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "tests/object/sample_object.h"

static int s_truncate(const char *path, long length) {
  FILE *fp = fopen(path, "rb");
  if (!fp) return 1;
  std::vector<unsigned char> bytes(static_cast<size_t>(length) + 1);  // never empty: data() is never null
  size_t got = fread(bytes.data(), 1, static_cast<size_t>(length), fp);
  fclose(fp);
  fp = fopen(path, "wb");
  if (!fp) return 1;
  if (got) fwrite(bytes.data(), 1, got, fp);
  return fclose(fp) == 0 ? 0 : 1;
}

static int s_patch(const char *path, int count, char **patches) {
  FILE *fp = fopen(path, "r+b");
  if (!fp) return 1;
  for (int i = 0; i < count; i++) {
    char *end = nullptr;
    long offset = strtol(patches[i] + 1, &end, 0);
    unsigned long value = *end == '=' ? strtoul(end + 1, nullptr, 0) : 0;
    unsigned char bytes[4] = {uint8_t(value), uint8_t(value >> 8), uint8_t(value >> 16), uint8_t(value >> 24)};
    if (*end != '=' || fseek(fp, offset, SEEK_SET) != 0 || fwrite(bytes, 1, 4, fp) != 4) {
      fclose(fp);
      fprintf(stderr, "make_sample_object: bad patch '%s'\n", patches[i]);
      return 1;
    }
  }
  return fclose(fp) == 0 ? 0 : 1;
}

int main(int argc, char **argv) {
  if (argc < 2) {
    fprintf(stderr, "usage: make_sample_object FILE.o [LENGTH | @OFFSET=VALUE...]\n");
    return 1;
  }
  coff_file *file = sample_object_build(argv[1]);
  int ok = file && coff_write(file);
  coff_free(file);
  if (!ok) return 1;
  if (argc == 2) return 0;
  if (argv[2][0] == '@') return s_patch(argv[1], argc - 2, argv + 2);
  return argc == 3 ? s_truncate(argv[1], strtol(argv[2], nullptr, 0)) : 1;
}
