// Consistency checks of an object record for the dump tool: the references
// between its tables that the reader stores without following them.
#ifndef VELC_OBJECT_DUMP_CHECK_H
#define VELC_OBJECT_DUMP_CHECK_H

#include <cstdio>

#include "object/coff.h"

// Reports each dangling reference as "File '<name>', <problem>.\n" on err (at
// most 20, then a count of the rest); returns the number of problems found.
int dump_check(FILE *err, const coff_file *file);

#endif
