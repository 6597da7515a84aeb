// libFuzzer target for the object reader, the text dump and the disassembly
// listing: each input is written to a file, read back with coff_read and, when
// accepted, printed, disassembled and checked. Not part of ctest; build and run it with
// tests/object/run_libfuzzer.sh (needs clang with -fsanitize=fuzzer).
#include <cstdint>
#include <cstdio>
#include <string>
#include <unistd.h>

#include "object/coff.h"
#include "object/dump_check.h"
#include "object/dump_disasm.h"

static std::string s_input_path() {
  const char *dir = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
  return std::string(dir) + "/velc_object_libfuzzer_" + std::to_string(getpid()) + ".o";
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  static const std::string path = s_input_path();
  static FILE *sink = fopen("/dev/null", "w");
  FILE *fp = fopen(path.c_str(), "wb");
  if (!fp) return 0;
  if (size) fwrite(data, 1, size, fp);
  fclose(fp);
  coff_file *file = coff_read(path.c_str());
  if (file) {
    coff_fprint(sink, file);
    dump_disassemble(sink, file);
    dump_check(sink, file);
    coff_free(file);
  }
  return 0;
}
