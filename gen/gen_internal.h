// What the code generator's files share and nothing else uses.
#ifndef VELC_GEN_GEN_INTERNAL_H
#define VELC_GEN_GEN_INTERNAL_H

#include "trans/symtbl.h"

// Points the register globals at the unit's own extern declarations.
void gen_adopt_declared_registers();
// Frees the special symbols made by genInitSymbols.
void gen_free_symbols();

#endif
