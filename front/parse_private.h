// Parser internals shared by the grammar actions and the tree modules:
// allocation that posts the out-of-memory message, safe posting of
// diagnostics during the parse, tree copying and the declaration builders.
#ifndef VELC_FRONT_PARSE_PRIVATE_H
#define VELC_FRONT_PARSE_PRIVATE_H

#include <cstdarg>
#include <cstddef>

#include "front/hl.h"

// Zero-filled block; out of memory posts 101 (fatal).
void *hl_alloc(size_t size);
// Owned copy of text; null for null.
char *hl_strdup(const char *text);
// Owned copy of count bytes plus a terminating zero.
char *hl_memdup(const char *bytes, size_t count);
// Turns the chain's struct, union and enum specifiers into references to
// their tags (definition flag cleared, body dropped); used where a specifier
// list serves a second declarator or a typedef, so the tag is defined once.
void typehl_make_references(typehl *type);
// Deep copy of a tree; iterative, so deep expression trees are safe.
pcodehl *hl_copy_ast(const pcodehl *root);

// ---- node storage and shared file names (front/hl_pool.cpp) -----------------

// A zero-filled node from the node blocks; out of memory posts 101 (fatal).
pcodehl *hl_node_alloc();
// Gives a node back to its block (its payload must already be released).
void hl_node_release(pcodehl *node);
// The same for type-chain heads and type nodes (new_typehl, new_typenodehl).
typehl *hl_type_alloc();
void hl_type_release(typehl *type);
typenodehl *hl_type_node_alloc();
void hl_type_node_release(typenodehl *node);
// A shared copy of a file name for a node (null for null); release it with
// hl_file_release.
char *hl_file_ref(const char *file);
// One more holder of a name that hl_file_ref returned; returns it.
char *hl_file_share(char *file);
// Drops one holder of a shared file name; the last one frees it.
void hl_file_release(char *file);
// Drops the hold that hl_file_ref keeps on the name it handed out last
// (the end of a parse; the nodes keep theirs).
void hl_release_file_cache();

// Posts a catalogue message during the parse. A fatal message or the error
// limit does not unwind through the generated parser: it is recorded, the
// token stream ends, and front_parse unwinds once the parser has cleaned up.
void hl_post(long number, ...);
void hl_vpost(long number, va_list args);
// hl_post at the position of node where (the current position for null).
void hl_post_at(const pcodehl *where, long number, ...);
// A fatal unwind is waiting for the parser to return.
bool hl_fatal_pending();
void hl_set_fatal_pending(bool pending);

// ---- node builders called by the grammar ------------------------------------

pcodehl *identifier(char *name);
pcodehl *constant_primary_expression(hl_constant value);
pcodehl *string_literal_expression(hl_bytes bytes);
// Joins an adjacent string literal onto node's bytes (takes bytes).
pcodehl *string_literal_concat(pcodehl *node, hl_bytes bytes);
pcodehl *index_expression(pcodehl *array, pcodehl *index);
// args: H_ARG chain or H_NOP; a plain identifier callee gets its called flag.
pcodehl *call_expression(pcodehl *callee, pcodehl *args);
pcodehl *pre_increment_expression(pcodehl *operand);
pcodehl *post_increment_expression(pcodehl *operand);
pcodehl *pre_decrement_expression(pcodehl *operand);
pcodehl *post_decrement_expression(pcodehl *operand);
// dot 1 for ".", 0 for "->"; takes name.
pcodehl *member_access_expression(pcodehl *object, char *name, int dot);
// Puts arg in front of a reversed H_ARG chain (argument_list_finish restores order).
pcodehl *argument_expression(pcodehl *reversed, pcodehl *arg);
pcodehl *argument_list_finish(pcodehl *reversed);
// op: '&' '*' '+' '-' '~' '!'
pcodehl *unary_expression(int op, pcodehl *operand);
pcodehl *sizeof_expression_expression(pcodehl *operand);
pcodehl *sizeof_type_expression(typehl *type);
pcodehl *explicit_cast_expression(typehl *type, pcodehl *operand);
pcodehl *multiplicative_expression(int op, pcodehl *left, pcodehl *right);
pcodehl *additive_expression(int op, pcodehl *left, pcodehl *right);
pcodehl *shift_expression(int op, pcodehl *left, pcodehl *right);
pcodehl *comparison_expression(int op, pcodehl *left, pcodehl *right);
pcodehl *binary_bitwise_expression(int op, pcodehl *left, pcodehl *right);
pcodehl *logical_expression(int op, pcodehl *left, pcodehl *right);
pcodehl *conditional_expression(pcodehl *cond, pcodehl *then, pcodehl *otherwise);
pcodehl *assignment_expression(int op, pcodehl *left, pcodehl *right);
pcodehl *comma_expression(pcodehl *left, pcodehl *right);

pcodehl *label_statement(char *name, pcodehl *statement);
pcodehl *case_label_statement(pcodehl *value, pcodehl *statement);
pcodehl *default_label_statement(pcodehl *statement);
pcodehl *if_statement(pcodehl *cond, pcodehl *then);
// else_node: an H_ELSE made where "else" was read; gets the two branches.
pcodehl *if_else_statement(pcodehl *cond, pcodehl *then, pcodehl *else_node, pcodehl *otherwise);
pcodehl *switch_statement(pcodehl *value, pcodehl *body);
pcodehl *while_statement(pcodehl *cond, pcodehl *body);
pcodehl *do_statement(pcodehl *body, pcodehl *cond);
// Absent expressions are null here and become H_NOP.
pcodehl *for_statement(pcodehl *init, pcodehl *cond, pcodehl *step, pcodehl *body);
pcodehl *goto_statement(char *label);
pcodehl *continue_statement();
pcodehl *break_statement();
pcodehl *return_statement(pcodehl *value);
pcodehl *pragma_node(const pragma_record *record);
pcodehl *asm_statement(asm_entry *entries, long line);
// Frees an operand chain (after a discarded parse).
void asm_operands_free(asm_operand *operands);

// ---- declarations (front/parse_decl.cpp) ------------------------------------

// A declarator under construction: H_DECL with the H_IDENT (or H_NOP) on
// the left and the declarator parts (outermost first) as its type.
pcodehl *declarator_name(char *name);
pcodehl *declarator_abstract();
// Adds parts after the declarator's current parts (takes parts).
pcodehl *declarator_add(pcodehl *declarator, typehl *parts);
// Runs override_typedef for a named declarator; returns it.
pcodehl *declarator_done(pcodehl *declarator);
// A function declarator part from a parameter list (H_DECL or H_DECLLST, or
// null) with the prototype and ellipsis flags; "(void)" becomes no parameters.
typehl *function_part(pcodehl *params, int prototype, int ellipsis);
typehl *array_part(pcodehl *size);
// The pointer part "*" with its qualifiers in front: quals then "*".
typehl *pointer_part(typehl *qualifiers);

// Completes one declarator of a declaration: a copy of specifiers appended to its
// parts; typedef declarators are declared (1220 for an initialiser).
pcodehl *new_declaring_list(const typehl *specifiers, pcodehl *declarator, pcodehl *init);
pcodehl *declaring_list(pcodehl *previous, const typehl *specifiers, pcodehl *declarator, pcodehl *init);
// When specifiers hold typedef: declares the newest declarator of list (not yet
// completed) as a typedef name at once, for the declarators after it.
void declarator_early_typedef(const typehl *specifiers, const pcodehl *list);
// Completes every declarator of a list built without the specifiers; frees specifiers.
pcodehl *declaration_complete(typehl *specifiers, pcodehl *declarators);
// A parameter declaration: declarator (or abstract) completed with specifiers; frees specifiers.
pcodehl *parameter_declaration(typehl *specifiers, pcodehl *declarator);
// One structure member (TH_MEMBER chain of one node); declarator may be null.
typehl *member_declaring_list(const typehl *specifiers, pcodehl *declarator, pcodehl *width);
// A chain of one struct or union node; a null tag gets a made-up one. Takes tag, members.
typehl *aggregate_name(int is_union, char *tag, typehl *members, int defined);
typehl *enum_name(char *tag, typehl *enumerators, int defined);
typehl *enumerator(char *name, pcodehl *value);
// A declaration without declarators: an H_DECL for its struct, union or enum
// specifier, else an H_NOP. Frees type.
pcodehl *sue_specifier(typehl *type);
// A function definition; 1100 when the declarator is not a function. Frees specifiers.
pcodehl *function_definition(typehl *specifiers, pcodehl *declarator, pcodehl *body);
// Name of a declarator, or null for an abstract one.
const char *declarator_get_name(const pcodehl *declarator);
// Takes the type out of a declarator and frees the declarator node.
typehl *declarator_take_type(pcodehl *declarator);
// The members of one structure declaration: each declarator of the list (an
// H_DECL whose right holds the bit-field width or null) completed with specifiers.
// Frees specifiers and the list.
typehl *member_declaration_complete(typehl *specifiers, pcodehl *declarators);
// Runs override_typedef for every named parameter of a function declarator.
void declarator_override_parameters(const pcodehl *declarator);
// The initialiser list: H_ILIST chain growing to the left from an H_NOP.
pcodehl *initializer_list(pcodehl *list, pcodehl *item);
pcodehl *compound_statement(pcodehl *items, long open_line, const char *open_file);
// Block items: an H_CSTMT in construction (left declarations, right statements).
pcodehl *block_items_new();
pcodehl *block_items_add_declaration(pcodehl *items, pcodehl *declaration);
pcodehl *block_items_add_statement(pcodehl *items, pcodehl *statement);
pcodehl *block_items_add_pragma(pcodehl *items, pcodehl *pragma);
// A made-up tag "__tag_%d" for anonymous structures, unions and enumerations.
char *hl_fake_tag_name();
// Restarts the made-up tags at "__tag_0" (start of a parse).
void hl_reset_fake_tags();

// Position and typedef-scope depth where a block opened; the file is a
// shared name (hl_file_ref).
struct hl_open {
  long line;
  char *file;
  int depth;
};

#endif
