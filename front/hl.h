// Syntax tree of one translation unit: the uniform node `pcodehl`, the
// specifier/declarator chains `typehl`, the in-line assembly entries, and the
// constructors that the grammar actions call. Built bottom-up by yyparse,
// read by the translator, freed by hl_free_ast.
//
// Shapes in brief (left/right of each kind are listed in docs/syntax-tree.md):
//  - Lists grow to the left: H_DEFLST, H_STMTLST and H_DECLLST hold the list
//    so far in `left` and the newest item in `right`; a one-item list is the
//    item itself. H_ARG is the one chain that runs to the right and ends in an
//    H_NOP. An absent part is an H_NOP node, never a null, except the
//    initialiser of a typedef declarator (null).
//  - A type chain lists the declarator parts outermost first, then the
//    declaration specifiers in source order: `char *const p[4]` is
//    "[] const * char". Qualifiers precede the pointer they qualify.
#ifndef VELC_FRONT_HL_H
#define VELC_FRONT_HL_H

#include <cstddef>
#include <cstdint>

#include "front/pragma.h"

// ---- node kinds -------------------------------------------------------------

enum hl_kind : int32_t {
#define HL_KIND(id, code, name) id = code,
#include "front/hl_kinds.def"
#undef HL_KIND
};
constexpr int32_t HL_KIND_FIRST = H_NOP;
constexpr int32_t HL_KIND_LAST = H_PRAGMA;
static_assert(H_NOP == 1000 && H_PRAGMA == 1078 && H_ELSE == 1043, "fixed node codes");

// ---- type chains ----------------------------------------------------------

enum hl_type_kind : int32_t {
#define HL_TYPE(id, code, word) id = code,
#include "front/hl_types.def"
#undef HL_TYPE
};
static_assert(TH_CHAR == 0 && TH_OVERLAY == 20 && TH_MEMBER == 27, "fixed type-node codes");

struct pcodehl;
struct typehl;

// One type node; the three payload words depend on the kind:
//  TH_ARRAY            size: the size expression, or null for "[]"
//  TH_FUNCTION         params: H_DECL or H_DECLLST of H_DECL (each with its
//                      complete type in its payload, name H_IDENT or H_NOP),
//                      null for "()" and "(void)"; prototype: 1 unless "()";
//                      ellipsis: 1 when the list ends in "..."
//  TH_STRUCT, TH_UNION tag: the tag (a made-up "__tag_%d" when anonymous);
//  TH_ENUM             members: chain of TH_MEMBER nodes or null when the
//                      specifier has no body; defined: 1 where the body is
//  TH_MEMBER           name (null for an unnamed bit-field); type: the
//                      complete member type (null for an enumerator);
//                      expr: bit-field width or enumerator value, or null
struct typenodehl {
  int32_t kind;  // hl_type_kind
  union {
    struct { pcodehl *size; void *unused1; void *unused2; } array;
    struct { pcodehl *params; intptr_t prototype; intptr_t ellipsis; } func;
    struct { char *tag; typehl *members; intptr_t defined; } sue;
    struct { char *name; typehl *type; pcodehl *expr; } member;
    void *word[3];
  } u;
  typenodehl *next;  // toward the innermost part, then the specifiers
  typenodehl *prev;
};

// A chain: both ends, so that appending and prepending are O(1).
struct typehl {
  typenodehl *head;
  typenodehl *tail;
};

// ---- token values and payload shapes ----------------------------------------

// Integer, character and floating constants: the constant-type code
// (0 char ... 7 unsigned long, 8 float) and the value in the width of the
// type (a short long is held sign-extended from bit 23).
enum hl_const_type : int32_t {
  CT_CHAR = 0, CT_UCHAR, CT_INT, CT_UINT, CT_SHORTLONG, CT_USHORTLONG, CT_LONG, CT_ULONG, CT_FLOAT
};
struct hl_constant {
  int32_t type;  // hl_const_type
  union {
    int32_t i;   // codes 0 to 7
    uint32_t u;
    float f;     // code 8
  } value;
};

// String literal bytes, owned, zero-terminated; count excludes the terminator.
struct hl_bytes {
  char *bytes;
  int32_t count;
};

// A typedef name: the name (owned) and the typedef's type, which stays owned
// by the typedef scopes for the whole parse (the parser copies it).
struct hl_typedef_name {
  char *name;
  typehl *type;
};

// An assembler mnemonic as written, with its position (text and file owned).
struct hl_mnemonic {
  char *text;
  long line;
  char *file;
};

// ---- in-line assembly entries --------------------------------------------

enum asm_entry_type : int32_t { LABEL_HINST = 0, INST_HINST = 1 };

struct SymbolRecord;

// One operand: a symbol plus offset, or a literal (symbol null).
struct asm_operand {
  char *symbol;  // owned, or null for a literal
  SymbolRecord *sym;  // the symbol the name resolves to (set by translation)
  int32_t value; // the literal, or the offset added to the symbol
  asm_operand *next;
};

// One entry of a block, in source order.
struct asm_entry {
  int32_t type;          // asm_entry_type
  char *text;            // label name or mnemonic as written (owned)
  asm_operand *operands; // instruction operands in source order, or null
  long line;             // instruction: position of the mnemonic; label: its line
  char *file;            // owned, null for a label
  SymbolRecord *label;   // label entry: the function's label symbol (set by translation)
  asm_entry *next;
};

// ---- the node -------------------------------------------------------------

// Kind-specific data of a node (at most 88 bytes, the size of a pragma record).
union hl_payload {
  struct { char *name; int32_t called; } ident;  // H_IDENT: called flag of a callee
  struct { char *name; int32_t dot; } member;    // H_MEMBER: dot 1 for ".", 0 for "->"
  struct { char *name; } label;                  // H_LABEL
  hl_constant cnst;                              // H_CNST
  hl_bytes string;                               // H_STRING
  struct { typehl *type; } decl;                 // H_DECL, H_CAST, H_SIZEOFTYPE
  struct { char *name; typehl *type; } funct;    // H_FUNCT: name and complete type
  struct { long line; char *file; } close;       // H_CSTMT: closing brace position (shared name)
  struct { asm_entry *entries; } asmblock;       // H_ASM
  pragma_record pragma;                          // H_PRAGMA (owns its pool handles)
  unsigned char raw[88];
};
static_assert(sizeof(hl_payload) == 88, "node payload is 88 bytes");

struct pcodehl {
  int32_t kind;     // hl_kind
  pcodehl *left;    // first child, or the list so far
  pcodehl *right;   // second child, or the newest item / rest of H_ARG
  long line;        // source line of the construct
  char *file;       // file name, shared among nodes (see hl_file_ref), released by hl_free_ast
  hl_payload u;
};

// ---- construction (front/hl_node.cpp, front/hl_type.cpp) --------------------

// A zero-filled node at the current position (yylineno, yyfilename).
pcodehl *new_pcodehl(int32_t kind, pcodehl *left, pcodehl *right, long line, const char *file);
// An H_NOP at the current position.
pcodehl *hl_nop();
// A list node of kind joining list (left) and item (right); a null or H_NOP list yields item.
pcodehl *pcodehl_tail_list(int32_t kind, pcodehl *list, pcodehl *item);
// An H_ARG cell with arg in front of rest (rest null: an H_NOP terminator).
pcodehl *pcodehl_head_list(pcodehl *arg, pcodehl *rest);
// Maps an operator token code to its node kind for binary and unary
// constructors; an unexpected code is an internal error.
int32_t hl_kind_of_token(int token, bool unary);

typehl *new_typehl();
typenodehl *new_typenodehl(int32_t kind);
// A chain of a single new node.
typehl *typehl_of(int32_t kind);
// Deep copy of a chain (payload expressions and member chains included).
typehl *typehl_copy(const typehl *type);
// Moves the nodes of chain to the end of type, frees chain's head; returns type.
typehl *typehl_append(typehl *type, typehl *chain);
// Moves the nodes of chain to the front of type, frees chain's head; returns type.
typehl *typehl_insert(typehl *type, typehl *chain);
// First node of the kind in the chain, or null.
typenodehl *typehl_find(const typehl *type, int32_t kind);
// Unlinks and frees one node of the chain.
void typehl_remove(typehl *type, typenodehl *node);
void typenodehl_free(typenodehl *node);
void typehl_free(typehl *type);
void hl_type_free(typehl *type);

// Frees a whole tree (nodes, names, texts, types, pragma handles); iterative.
void hl_free_ast(pcodehl *root);
// Tree nodes and type records made and not yet freed (leak checks).
size_t hl_live_records();
// The printed name of a kind ("--ERRROR--" when unknown).
const char *s_get_opcode_name(int32_t kind);
// Pre-order dump of a tree to stdout, one node per line.
void hl_print_ast(const pcodehl *root);
// The chain's words in order, each followed by a blank, then a newline.
void hl_print_type(const typehl *type);

// ---- in-line assembly (front/asm_entries.cpp) -------------------------------

// A new label entry at its line; takes name.
asm_entry *asmLabel(char *name, long line);
// A new instruction entry; takes mnemonic, operands and file.
asm_entry *asmInstruction(char *mnemonic, asm_operand *operands, long line, char *file);
// Fills operand from an expression tree (symbol plus offset, or a literal).
void resolve_asm_constant_expression(asm_operand *operand, const pcodehl *expression);
// 32-bit signed value of a constant expression tree; 1253 and 0 otherwise.
int32_t s_compute_asm_constant(const pcodehl *expression);
// Frees an entry list with its operands.
void asm_entries_free(asm_entry *entries);

#endif
