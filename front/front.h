// Front end as the driver sees it: set up, parse one preprocessed file into
// a syntax tree, dump it, free it. The typedef scopes are in front/typedefs.h,
// the tree records in front/hl.h.
#ifndef VELC_FRONT_FRONT_H
#define VELC_FRONT_FRONT_H

#include <cstddef>
#include <cstdio>

#include "front/hl.h"
#include "front/typedefs.h"

// Starts the scanner and opens the file-level typedef scope; 0, or 1 when
// the scanner cannot start.
int yyinitparse();
// The generated LALR(1) parser: parses the whole input into the tree.
int yyparse();
// Closes the typedef scopes and the scanner.
void yyuninitparse();
// The root of the last parse (H_DEFLST chain, a single definition, or an
// H_NOP for an empty unit); the caller owns it and frees it with hl_free_ast.
pcodehl *hl_get_ast();

// Parses the preprocessed file `in` (yyinitparse, yyparse, yyuninitparse)
// and returns the number of errors reported during the parse. The tree is
// then available from hl_get_ast. A fatal message or the error limit during
// the parse frees the tree and rethrows FatalUnwind once the parser is clean.
int front_parse(FILE *in);
// The same on a text held in memory (tests and tools).
int front_parse_text(const char *text);
// The same on length bytes, which may include NUL bytes.
int front_parse_bytes(const char *bytes, size_t length);

// Detailed dump of a tree: every node with its line and payload, types with
// their parts, asm entries and pragma records. Stable text for golden files.
void hl_dump_tree(FILE *out, const pcodehl *root);

#endif
