// An object whose code section holds one instruction of every Harrow type
// (the second-word type only as part of the two-word instructions), built
// with the instruction encoder and laid out by the object writer, followed
// by a few register operands in the frame-offset range.
#ifndef VELC_TESTS_OBJECT_EVERY_INST_OBJECT_H
#define VELC_TESTS_OBJECT_EVERY_INST_OBJECT_H

#include "object/coff.h"

constexpr uint32_t EVERY_INST_TIME = 1700000000;  // fixed stamp: 2023-11-14 22:13:20 UTC

// Builds the object named `path`, laid out by coff_preWrite with the time
// stamp then fixed to EVERY_INST_TIME. Null when out of memory.
coff_file *every_inst_object_build(const char *path);

#endif
