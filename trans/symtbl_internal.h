// Shared between the symbol-table files only.
#ifndef VELC_TRANS_SYMTBL_INTERNAL_H
#define VELC_TRANS_SYMTBL_INTERNAL_H

#include "trans/symtbl.h"

// A zero-filled record of the kind, freed at the end of the module.
SymbolRecord *sym_new_record(SymbolKind kind, const char *name, long line, const char *file);
void sym_scopes_begin_module();
void sym_scopes_end_module();
void sym_sections_begin_module();
void sym_sections_end_module();
void sym_master_begin_module();
void sym_master_end_module();
void sym_generated_reset();

#endif
