// A hand-built object record for the object-format tests: five sections of
// every kind (code with line numbers and relocations, program-memory data,
// uninitialised data, activation records, absolute access data), short and
// long section and symbol names, the empty name, and a symbol table with
// every auxiliary-entry kind.
#ifndef VELC_TESTS_OBJECT_SAMPLE_OBJECT_H
#define VELC_TESTS_OBJECT_SAMPLE_OBJECT_H

#include "object/coff.h"

constexpr uint32_t SAMPLE_TIME = 1600000000;  // fixed stamp: 2020-09-13 12:26:40 UTC

// Symbol indices in the sample, for checks against the table.
enum : uint32_t {
  SAMPLE_FILE = 0, SAMPLE_SCNSYM = 2, SAMPLE_TAG = 4, SAMPLE_MEMBER = 6, SAMPLE_FIELD = 7,
  SAMPLE_EOS = 9, SAMPLE_MAIN = 11, SAMPLE_BF = 13, SAMPLE_BB = 15, SAMPLE_EB = 17,
  SAMPLE_EF = 19, SAMPLE_TABLE = 21, SAMPLE_ORIGIN = 23, SAMPLE_COUNTER = 25,
  SAMPLE_LONGNAME = 26, SAMPLE_EMPTY = 27, SAMPLE_LOOP = 28, SAMPLE_MISC = 29,
  SAMPLE_EOF = 31, SAMPLE_FOO = 32, SAMPLE_NSYMS = 33,
};

// Builds the sample named `path`, laid out by coff_preWrite with the time
// stamp then fixed to SAMPLE_TIME. Null when out of memory.
coff_file *sample_object_build(const char *path);

#endif
