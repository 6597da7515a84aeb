// Fuzz target of the object reader, the text dump and the disassembly
// listing. In: the bytes of an object file, read with coff_read_bytes. Out:
// nothing; an accepted object is printed, disassembled and checked, a
// refused one gives a message, never a crash.
#include <cstdint>
#include <cstdio>

#include "object/coff.h"
#include "object/dump_check.h"
#include "object/dump_disasm.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
  static FILE *sink = fopen("/dev/null", "w");
  coff_file *file = coff_read_bytes("fuzz.o", data, size);
  if (file) {
    coff_fprint(sink, file);
    dump_disassemble(sink, file);
    dump_check(sink, file);
    coff_free(file);
  }
  return 0;
}
