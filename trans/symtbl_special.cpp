// The table of special symbols. In: the symbols the code generator makes
// before translation (registers, the software stack, run-time routines).
// Out: lookup by name for assembly operands that name no declared symbol.
// The table only points at the records; their maker frees them.
#include <cstring>
#include <vector>

#include "trans/symtbl.h"

static std::vector<SymbolRecord *> s_special;

void sym_register_special(SymbolRecord *sym) { s_special.push_back(sym); }

SymbolRecord *sym_lookup_special(const char *name) {
  for (SymbolRecord *sym : s_special)
    if (strcmp(sym->name, name) == 0)
      return sym;
  return nullptr;
}

void sym_clear_special() { s_special.clear(); }
