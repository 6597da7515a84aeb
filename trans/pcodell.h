// The low-level tree: one tree of width-specific operators per C statement,
// and the statement list that carries them to the code generator. The
// operator names fix operand width, signedness, memory space and address
// width, so the instruction selector's patterns can be written over them.
#ifndef VELC_TRANS_PCODELL_H
#define VELC_TRANS_PCODELL_H

#include <cstdint>

#include "trans/const.h"
#include "trans/symtbl.h"
#include "trans/type.h"

enum PcodellOp : int32_t {
#define OP(name, number) name = number,
#include "trans/pcodell_ops.def"
#undef OP
};
static_assert(I_NOP == 100 && I_SECTION == 377, "operators run 100 to 377");

// Sub-operators of the combined (commutative) operators.
enum : int32_t { B_ADD = 0, B_AND = 1, B_OR = 2, B_XOR = 3 };

struct SwitchRecord;  // the translator's switch record (cases, default and exit labels)
struct asm_entry;     // an in-line assembly block's entry list
struct gen_state;     // the instruction selector's labelling state of a node

// A function's frame, carried by its begin and end operators.
struct PcodellFunction {
  SymbolRecord *sym;
  long param_size, local_size, return_size;
};

struct pcodell_t {
  long line;           // source position of the construct
  const char *file;    // interned: one copy per distinct name, kept for the run
  pcodell_t *left, *right;
  TypeRecord *type;    // the value's type; shared, not freed with the node
  PcodellOp opcode;
  struct {
    struct {
      struct { ConstValue value; } cnst;
      struct { SymbolRecord *sym; } var;
      int32_t cop;     // B_ADD .. B_XOR
      struct {
        long offset;   // bytes
        int32_t bit_offset, bit_size;
        uint8_t is_signed;
      } member;
    } expr;
  } data;
  long size;           // operand size in bytes (aggregate size for the X forms)
  long arg_bytes;      // calls: total bytes of arguments
  long return_size;    // calls: bytes returned
  uint8_t lvalue;      // indirections: the object may be assigned
  long step;           // increments and decrements; I_LTF/I_GTF: 1 when true for a NaN operand
  SymbolRecord *label;      // I_JMP, I_IF, I_LABEL, I_LOR/I_LAND, returns: the target
  SymbolRecord *end_label;  // I_COND*: the end label (label holds the false one)
  // Statement-level payloads: each belongs to operators of its own, so they
  // share storage.
  union {
    PcodellFunction function;   // I_BFUNCT/I_EFUNCT; returns: param_size
    SwitchRecord *switch_data;  // I_SWITCH*
    int32_t pragma_args[22];    // I_PRAGMA
    SectionRecord *section;     // I_SECTION
    asm_entry *asm_block;       // I_ASM
  };
  gen_state *state;           // selector state: allocated with calloc by the labeller, freed (free) with the node
  void *owned;                // freed with the node (initialiser images and similar)
  long owned_size;
  // The translator's record of the nodes it has made and not yet handed on:
  // a list threaded through the nodes; live_mark names the record holding
  // the node (0: none).
  pcodell_t *live_prev, *live_next;
  uint32_t live_mark;
};

#define LEFT_CHILD(p) ((p)->left)
#define RIGHT_CHILD(p) ((p)->right)
#define pcodellType(p) ((p)->type)

struct StatementRecord {
  pcodell_t *tree;
  StatementRecord *next, *previous;
  StatementRecord *live_prev, *live_next;  // the translator's record, as for nodes
  uint32_t live_mark;
};

// ---- nodes --------------------------------------------------------------
pcodell_t *pcodell_create(PcodellOp opcode, pcodell_t *left, pcodell_t *right, long line, const char *file);
pcodell_t *pcodell_copy(const pcodell_t *tree);  // nodes copied; types and symbols shared
void pcodellFreeTree(pcodell_t *tree);
void pcodell_release_node(pcodell_t *p);         // one node and what it owns, not its operands
// Frees the file names the nodes share (the end of a compilation: no node,
// nor anything that copied a node's file name, may be left).
void pcodell_release_file_names();
void set_pcodell_lvalue(pcodell_t *p);           // p must be an indirection
const char *pcodell_get_opcode_name(int opcode); // null for an unknown opcode
void pcodell_dbg_dump_tree(const pcodell_t *tree);  // on standard output

// ---- the record of live nodes ------------------------------------------
// Nodes a caller wants freed after an unwind; releasing a node removes it.
void pcodell_live_add(pcodell_t *p);     // no effect when already recorded
void pcodell_live_remove(pcodell_t *p);  // no effect when not recorded
void pcodell_live_forget_all();          // empties the record, nodes stay
void pcodell_live_free_all();            // frees every recorded node
// The same for statement records; freeing one does not free its tree.
void stmt_live_add(StatementRecord *s);
void stmt_live_remove(StatementRecord *s);
void stmt_live_forget_all();
void stmt_live_free_all();
// Nodes and statement records made and not yet freed (leak checks).
size_t pcodell_live_records();

// ---- classification -----------------------------------------------------
bool is_pcodell_constant(const pcodell_t *p);
bool isPcodellIdentifier(const pcodell_t *p);
bool is_identifier(const pcodell_t *p);
bool is_pcodell_commutativeOperator(const pcodell_t *p);
bool isPcodellSimpleAssignment(const pcodell_t *p);
bool isPcodellIndirection(const pcodell_t *p);
bool isPcodellBitfield(const pcodell_t *p);
bool isPcodellMember(const pcodell_t *p);
bool isPcodellNop(const pcodell_t *p);
bool is_opcode_cast(int opcode);
bool isPcodellZero(const pcodell_t *p);

// ---- width choice -------------------------------------------------------
// Index of the width member for a size: 0 for 1 byte, 1 for 2, 2 for 3,
// 3 for 4; 4 for float (F) or any other size (X); -1 when neither applies.
int pcodell_width_index(const TypeRecord *t, bool has_float_member, bool has_aggregate_member);
// RAM8 0, RAM16 1, ROM16 2, ROM24 3 from an object's location and range.
int pcodell_space_index(const TypeRecord *object);
// The identifier operator of a symbol (I_IDSTK for an auto object).
PcodellOp pcodell_identifier_op(const SymbolRecord *sym);
// The indirection operator reading an object of this type.
PcodellOp pcodell_indirection_op(const TypeRecord *object);

// ---- statements ---------------------------------------------------------
StatementRecord *stmtCreate(pcodell_t *tree);
void stmtAppend(StatementRecord **list, StatementRecord *stmt);
void stmtInsertAfter(StatementRecord *a, StatementRecord *b);
void stmtFreeList(StatementRecord *list);
void stmtRelease(StatementRecord *s);            // one record, not its tree

#endif
