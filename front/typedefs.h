// Typedef scopes: which identifiers name a typedef at the current point of
// the parse. The scanner asks lookup_typedef for every identifier; the
// grammar opens a scope per block and per parameter list.
#ifndef VELC_FRONT_TYPEDEFS_H
#define VELC_FRONT_TYPEDEFS_H

#include "front/hl.h"

// Opens the file-level scope (yyinitparse).
void typedef_scopes_init();
// Closes every scope and frees every record and type (yyuninitparse).
void typedef_scopes_free();
// Pushes a new innermost scope.
void enter_typedef_scope();
// Pops the innermost scope; the file-level scope stays.
void exit_typedef_scope();
// Number of open scopes (1 at file level).
int typedef_scope_depth();
// Pops scopes until depth remain (after error recovery or a block's end).
void typedef_scope_restore(int depth);
// Declares name as a typedef of a copy of type in the innermost scope;
// struct and union definitions in the copy become references.
void s_declare_typedef(const char *name, const typehl *type);
// Hides name in the innermost scope: from now on it scans as an identifier.
void override_typedef(const char *name);
// The type of the visible typedef name, or null. The type stays valid until
// typedef_scopes_free, so a token held in lookahead never dangles.
typehl *lookup_typedef(const char *name);

#endif
