// Disassembly listing of the code sections of an object record, for the
// dump tool: each instruction word with its address, and beside it the
// function and label symbols, line numbers and relocations that fall on it.
#ifndef VELC_OBJECT_DUMP_DISASM_H
#define VELC_OBJECT_DUMP_DISASM_H

#include <cstdio>

#include "object/coff.h"

// Lists every code section of the record with its instructions decoded.
void dump_disassemble(FILE *out, const coff_file *file);

#endif
