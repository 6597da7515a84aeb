// The translator's interface: turning syntax-tree types, storage classes,
// constant expressions and declarations into type records, symbols and
// low-level trees.
#ifndef VELC_TRANS_TRANS_H
#define VELC_TRANS_TRANS_H

#include "front/hl.h"
#include "trans/pcodell.h"
#include "trans/symtbl.h"
#include "trans/trn_records.h"
#include "trans/type.h"

// ---- types --------------------------------------------------------------
// A new type chain for a specifier list, or null after message 1166.
TypeRecord *trnResolveType(const typehl *specifiers, long line, const char *file);
// The storage class written in a specifier list (1160 for a second one).
StorageClass trnResolveSclass(const typehl *specifiers);
// 1 or 0; strict also compares the outer records' space and qualifiers.
int are_types_compatible(const TypeRecord *a, const TypeRecord *b, bool strict);
// The member of a struct or union, searching unnamed nested members.
MemberRecord *type_lookup_su_member(const SuDefinition *definition, const char *name);
// 1 after reporting 1165 when t is (an array of) an incomplete struct or union.
int trn_check_illegal_tag_reference(const TypeRecord *t);
// Constant node of code U16 holding the size of a type name.
pcodell_t *trn_sizeof_type(const typehl *specifiers, long line, const char *file);
// A char operand cast to int, unless integer promotion is suppressed.
pcodell_t *trn_integer_promotion(pcodell_t *tree);
// Brings both operands to their common arithmetic type.
void trnUsualArithmeticConversions(pcodell_t **left, pcodell_t **right);
// Defines a struct or union from its member chain; returns the definition.
SuDefinition *sDefineSUEtype(TagKind kind, const typehl *members, long line, const char *file);
SuDefinition *sDefineEnum(const typehl *enumerators, long line, const char *file);

// ---- expressions --------------------------------------------------------
// The integer or float type of a value-type code (owned by the module).
TypeRecord *ll_get_constant_type(int32_t code);
// A constant node of the code and value.
pcodell_t *trnConstant(int32_t code, ConstValue value, long line, const char *file);
// Converts tree to type `to` (shared, not owned by the node); constants in place.
pcodell_t *ll_cast(pcodell_t *tree, TypeRecord *to);
// The value of a constant expression; after 1219, the constant 1 (S8).
pcodell_t *s_constant_expression(const pcodehl *expression);

// ---- the translation ------------------------------------------------------
// Creates the predefined types (called by trnTranslateAST).
void trnInitialize();
// Translates the syntax tree of a whole unit into the statement list (the
// caller owns it); fills the symbol table, master list and section set.
// With debug_code_gen_flag every statement tree is dumped when no error was
// counted. A fatal diagnostic frees what was built and unwinds.
StatementRecord *trnTranslateAST(pcodehl *root);
// Frees what the translation keeps for later phases (switch records,
// initial data, interrupt records, assembly blocks, expression types); call
// after code generation, before sym_end_module.
void trnTerminate();

// ---- declarations -------------------------------------------------------
// Declares one name; the symbol, or null when the declaration was refused.
SymbolRecord *trn_declare_sym(const char *name, TypeRecord *type, StorageClass sclass, bool is_parameter,
                              bool in_prototype, long line, const char *file);

// ---- configuration data ---------------------------------------------------
// After translation: every configuration byte that "#pragma config" gave
// bits of becomes an initialised "__config_%d" object in an absolute romdata
// section ".config_%lx_%s" at its address; 1226 instead when the unit also
// declares _configuration.
void pragma_config_generate_info();

#endif
