// Shared state and helpers of the translation handlers: statement lists
// with a tail, the type arena that owns the types of expression nodes, the
// operator-family helpers, and the handler entry points the tree walk calls.
// Not for other layers: they see trans/trans.h.
#ifndef VELC_TRANS_TRN_INTERNAL_H
#define VELC_TRANS_TRN_INTERNAL_H

#include <cstdint>

#include "front/hl.h"
#include "trans/pcodell.h"
#include "trans/symtbl.h"
#include "trans/trn_records.h"
#include "trans/type.h"

// The bytes a stack frame (parameters, frame pointer and locals) can
// address relative to FSR2.
constexpr long FRAME_LIMIT = 96;

// ---- statement lists ------------------------------------------------------
// A statement list under construction: head and tail, so appending is O(1).
struct SList {
  StatementRecord *head = nullptr;
  StatementRecord *tail = nullptr;
};
// Appends one statement holding tree (a null tree is ignored).
void slist_add(SList &list, pcodell_t *tree);
// Appends every statement of more to list.
void slist_cat(SList &list, const SList &more);
// Frees every statement of the list with its tree.
void slist_free(SList &list);

// ---- node ownership during the translation -----------------------------------
// Every node made by the handlers is recorded until the list is handed over.
pcodell_t *trn_node(PcodellOp op, pcodell_t *left, pcodell_t *right, long line, const char *file);
// Frees a tree and forgets its nodes.
void trn_free(pcodell_t *tree);
// A recorded deep copy (types and symbols shared).
pcodell_t *trn_copy(const pcodell_t *tree);
// Forgets a tree whose ownership leaves the translation (it stays allocated).
void trn_disown(pcodell_t *tree);
StatementRecord *trn_statement(pcodell_t *tree);
void trn_forget_statement(StatementRecord *s);
// The translation succeeded: its nodes now belong to the statement list.
void trn_release_all();
// A fatal diagnostic unwound the translation: frees every recorded node.
void trn_discard_all();

// ---- types owned by the translation -----------------------------------------
// Takes t into the arena (freed at trnTerminate) and returns it.
TypeRecord *trn_keep(TypeRecord *t);
// A kept pointer to a copy of pointee, placed in RAM.
TypeRecord *trn_pointer_to(const TypeRecord *pointee);
// The truth-value type: char with integer promotion off, int otherwise.
TypeRecord *trn_truth_type();
// Frees the arena.
void trn_free_kept_types();

// ---- labels -----------------------------------------------------------------
// "___<prefix>_lbl<5 digits>" from one counter for the whole run (static buffer).
const char *sGetInternalLabelName(const char *prefix);
// A new label in the function's label scope with an internal name.
SymbolRecord *trn_new_label(const char *prefix);
// Restarts the label counter (start of a run; tests).
void trn_reset_label_counter();
pcodell_t *ll_label(SymbolRecord *label, long line, const char *file);
pcodell_t *ll_jump(SymbolRecord *label, long line, const char *file);
pcodell_t *ll_if(pcodell_t *cond, SymbolRecord *label, long line, const char *file);

// ---- operator families --------------------------------------------------------
// Width member by byte size: 0 for 1, 1 for 2, 2 for 3, 3 for 4, 4 otherwise.
int trn_size_index(long size);
// Width member of a value type: as trn_size_index, float as 4 when has_float.
int trn_value_index(const TypeRecord *t, bool has_float);
// The indirection operator that reads an object of type t.
PcodellOp trn_indirection_op(const TypeRecord *t);
// After a diagnostic: frees both operands (either may be null), yields int 0.
pcodell_t *trn_error_value(pcodell_t *l, pcodell_t *r);
// After a diagnostic where an object was expected: frees x, yields the
// placeholder object (a char lvalue).
pcodell_t *trn_error_object(pcodell_t *x, long line, const char *file);
// Integer constant tree of code and value.
pcodell_t *trn_int_constant(int32_t code, long value, long line, const char *file);
// Whether a tree is a constant (integer or float) and its value is non-zero.
bool trn_constant_true(const pcodell_t *c);
// Signed or unsigned 32-bit reading of an integer constant, by its code.
long long trn_constant_read(const pcodell_t *c);

// ---- expressions (trans/trn_expr*.cpp) ----------------------------------------
pcodell_t *trnIdent(const char *name, bool called, long line, const char *file);
pcodell_t *trnLvalueToRvalue(pcodell_t *tree);
bool trnConfirmLval(const pcodell_t *tree);
pcodell_t *trnStringLiteral(const char *bytes, long length, long line, const char *file);
pcodell_t *trnAdd(pcodell_t *l, pcodell_t *r, long line, const char *file);
pcodell_t *trnSub(pcodell_t *l, pcodell_t *r, long line, const char *file);
pcodell_t *trnMul(pcodell_t *l, pcodell_t *r, long line, const char *file);
pcodell_t *trnDiv(pcodell_t *l, pcodell_t *r, long line, const char *file);
pcodell_t *trnMod(pcodell_t *l, pcodell_t *r, long line, const char *file);
pcodell_t *trnShiftLeft(pcodell_t *l, pcodell_t *r, long line, const char *file);
pcodell_t *trnShiftRight(pcodell_t *l, pcodell_t *r, long line, const char *file);
pcodell_t *trnBitwiseAnd(pcodell_t *l, pcodell_t *r, long line, const char *file);
pcodell_t *trnBitwiseOr(pcodell_t *l, pcodell_t *r, long line, const char *file);
pcodell_t *trnBitwiseXor(pcodell_t *l, pcodell_t *r, long line, const char *file);
pcodell_t *trnBitwiseNot(pcodell_t *x, long line, const char *file);
pcodell_t *trnUnaryPlus(pcodell_t *x, long line, const char *file);
pcodell_t *trnUnaryMinus(pcodell_t *x, long line, const char *file);
pcodell_t *trnLessThan(pcodell_t *l, pcodell_t *r, long line, const char *file);
pcodell_t *trnGreaterThan(pcodell_t *l, pcodell_t *r, long line, const char *file);
pcodell_t *trnLessThanEqual(pcodell_t *l, pcodell_t *r, long line, const char *file);
pcodell_t *trnGreaterThanEqual(pcodell_t *l, pcodell_t *r, long line, const char *file);
pcodell_t *trnEqual(pcodell_t *l, pcodell_t *r, long line, const char *file);
pcodell_t *trnNotEqual(pcodell_t *l, pcodell_t *r, long line, const char *file);
pcodell_t *trnLogicalNot(pcodell_t *x, long line, const char *file);
pcodell_t *trnTest(pcodell_t *x, long line, const char *file);
pcodell_t *trnLogicalAnd(pcodell_t *l, pcodell_t *r, long line, const char *file);
pcodell_t *trn_logical_or(pcodell_t *l, pcodell_t *r, long line, const char *file);
pcodell_t *trnConditional(pcodell_t *c, pcodell_t *t, pcodell_t *f, long line, const char *file);
pcodell_t *trnAssign(pcodell_t *l, pcodell_t *r, long line, const char *file);
// Compound assignment; op is the syntax kind H_MULA .. H_XORA.
pcodell_t *trnCompoundAssign(int op, pcodell_t *l, pcodell_t *r, long line, const char *file);
// kind: H_PREINC, H_PSTINC, H_PREDEC or H_PSTDEC.
pcodell_t *trnIncDec(int kind, pcodell_t *x, long line, const char *file);
pcodell_t *trnIndex(pcodell_t *l, pcodell_t *r, long line, const char *file);
pcodell_t *trnReference(pcodell_t *x, long line, const char *file);
pcodell_t *trnIndir(pcodell_t *x, long line, const char *file);
// A new automatic object of the given type that no name reaches, in the
// frame of the function being translated; yields it as an lvalue.
pcodell_t *trn_hidden_local(const TypeRecord *type, long line, const char *file);
pcodell_t *trnMemberAccess(pcodell_t *base, const char *member, bool dot, long line, const char *file);
// Explicit cast to a resolved type (kept by the caller's arena).
pcodell_t *trnCast(pcodell_t *x, TypeRecord *to, long line, const char *file);
// Implicit conversion for assignment-like contexts: 2054 for pointer/integer
// mixes; false (nothing reported) when the value cannot be converted at all.
bool trn_can_assign(const TypeRecord *to, const pcodell_t *value);
pcodell_t *trn_convert_for_assign(pcodell_t *value, TypeRecord *to);
// args: the translated arguments in source order (vector owned by caller).
pcodell_t *trn_call(pcodell_t *callee, pcodell_t **args, int count, const char *direct_name, long line,
                    const char *file);
pcodell_t *trnSizeofExpression(pcodell_t *x, long line, const char *file);
pcodell_t *trnCommaExpression(pcodell_t *l, pcodell_t *r, long line, const char *file);
// The pointer-sized signed offset type of a pointer type.
TypeRecord *sGetPtrdiff_t(const TypeRecord *pointer);

// ---- the tree walk (trans/trn_walk*.cpp) -----------------------------------------
// Sets yylineno and yyfilename to a node's position (for diagnostics).
void trn_set_position(const pcodehl *node);
// Translates an expression of the syntax tree to an rvalue tree.
pcodell_t *trn_walk_expr(const pcodehl *e);
// The same without the final rvalue conversion (operands of &, sizeof, ++).
pcodell_t *trn_walk_lvalue(const pcodehl *e);
// Translates a statement into a list.
SList trn_walk_stmt(const pcodehl *s);
// Declarations of a block or the file level; automatic initialisers become statements.
SList trn_walk_declarations(const pcodehl *d);

// ---- statements (trans/trn_stmt*.cpp) ------------------------------------------
SList trnIfStatement(pcodell_t *cond, SList then, long line, const char *file);
SList trnIfElseStatement(pcodell_t *cond, SList then, SList otherwise, long else_line, const char *else_file,
                         long line, const char *file);
void trnEnterLoopStatement(const char *prefix, SymbolRecord **cont, SymbolRecord **brk);
SList trnWhileStatement(pcodell_t *cond, SList body, long line, const char *file);
SList trnDoWhileStatement(SList body, pcodell_t *cond, long line, const char *file);
SList trnForStatement(pcodell_t *init, pcodell_t *cond, pcodell_t *step, SList body, long line, const char *file);
SList trnBreakStatement(long line, const char *file);
SList trnContinueStatement(long line, const char *file);
pcodell_t *trnSwitchStatementBegin(pcodell_t *expr, long line, const char *file);
SList trnCaseStatement(pcodell_t *value, SList stmt, long line, const char *file);
SList trnDefaultStatement(SList stmt, long line, const char *file);
SList trnSwitchStatementEnd(pcodell_t *expr, SList body, long line, const char *file);
SList trnLabel(const char *name, SList stmt, long line, const char *file);
SList trnJumpStatement(const char *name, long line, const char *file);
SList trnReturnStatement(pcodell_t *expr, long line, const char *file);
SList trnAssembly(asm_entry *entries, long line, const char *file);
SList trnNop(long line, const char *file);
// Function state.
void trn_begin_function(const char *name, long line, const char *file);
void trn_begin_function_body();
SList trnFunction(SymbolRecord *fsym, SList decls, SList body, long line, const char *file, long end_line,
                  const char *end_file);
bool trnInFunction();
bool trnInFunctionBody();
SymbolRecord *trn_current_function();
// Grows the local frame by size bytes; returns the object's offset (1300 past 96 bytes).
long trn_allocate_local(long size);
// Resets the statement module's state (start of a unit).
void trn_stmt_reset();

// ---- declarations, initialisers, strings, pragmas --------------------------------
// Declares the declarators of one H_DECL; returns the initialising statements.
SList trn_declaration(const pcodehl *decl);
// Initialises sym from a syntax-tree initialiser (H_NOP for none).
SList trnProcessInitializers(SymbolRecord *sym, const pcodehl *init);
SList trnPragma(const pragma_record *record, long line, const char *file);
// End of the unit: interrupt list, static functions, string table.
SList trnPostProcess();
void trn_decl_reset();
void trn_strings_reset();
void trn_pragma_reset();
// String-table statements and entries (end of the unit).
SList sPostProcessStringLiteralTable();
void sPostProcessInterruptList();
// Gives sym the initial data of count plain bytes (generated objects).
void ll_initialize_bytes(SymbolRecord *sym, const uint8_t *bytes, long count);
// Frees the initial data of every initialised symbol (end of the run).
void trn_free_initial_data();

#endif
