// Lists kept while declaring names: the parameters of the function being
// declared (newest first, so the last parameter gets frame offset 0) and
// the static and non-static functions of the unit.
#ifndef VELC_TRANS_DECLARE_H
#define VELC_TRANS_DECLARE_H

#include <vector>

#include "trans/symtbl.h"

const std::vector<SymbolRecord *> &trn_parameter_list();
// Puts a definition's parameter on the list waiting for frame offsets.
void trn_push_parameter(SymbolRecord *sym);
void trn_clear_parameter_list();
int trn_parameter_count();
const std::vector<SymbolRecord *> &trn_static_functions();
const std::vector<SymbolRecord *> &trn_non_static_functions();
void trn_declare_reset();  // start of a unit
void trn_incomplete_objects_reset();  // start of a unit: the pending checks of file-scope objects
// Frees the module-owned types of the value-type codes (end of the run).
void ll_free_constant_types();

#endif
