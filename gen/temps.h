// Compiler temporaries: byte offsets inside a temporary-data section, reused
// statement by statement, the section sized by its high-water mark, and the
// live temporaries saved around calls.
#ifndef VELC_GEN_TEMPS_H
#define VELC_GEN_TEMPS_H

#include "gen/ocode.h"
#include "trans/symtbl.h"

void tmp_enter_main();
void tmp_enter_int();
void tmp_enter_pragmatmp();
void tmp_exit_main();
void tmp_exit_int(const char *section_name);
void tmp_exit_pragmatmp(const char *section_name);
SymbolRecord *tmp_get_sym();
bool tmp_non_default();
long tmp_alloc(long n);
void tmp_clear();
// The statement's code with the call markers replaced by the save and
// restore sequences of the temporaries live across each call.
ocode *tmp_save_and_restore(ocode *list);

#endif
