// The output-code list: a doubly linked list of nodes holding instructions,
// labels, function markers and the branch pseudo-instructions whose targets
// are resolved once addresses are known. The ocode* constructors make one
// node; the obj* layer is what code generation calls; the list operations,
// the classification predicates and the listing are shared by the code
// generator, the optimiser and the object emitter.
#ifndef VELC_GEN_OCODE_H
#define VELC_GEN_OCODE_H

#include <cstdint>

#include "gen/inst.h"
#include "trans/symtbl.h"

struct asm_entry;
struct ocode;
struct ocode_dfa;   // the optimiser's data-flow sets of one node
struct block_edge;  // the optimiser's successor or predecessor entry
struct bitset;      // the optimiser's bit sets

// A basic block of the optimiser (the target of a BLOCK_BRANCH).
struct basic_block {
  int number;             // from 0 in code order
  ocode *first, *last;
  uint8_t immutable;      // holds an immutable node: never removed or rewritten
  block_edge *successors, *predecessors;
  bitset *gen, *kill, *reach_in, *reach_out;  // reaching definitions
  basic_block *next, *previous;
};

// Node kinds; OC_BRANCH .. OC_BTFBC are the branch pseudo-instructions.
enum OcodeKind : int32_t {
  OC_NOP = 0,
  OC_LABEL = 1,
  OC_BFUNCT = 2,
  OC_EFUNCT = 3,
  OC_INST = 4,
  OC_BRANCH = 5,  // unconditional
  OC_BZ = 6,
  OC_BNZ = 7,
  OC_BC = 8,
  OC_BNC = 9,
  OC_BOV = 10,
  OC_BNOV = 11,
  OC_BN = 12,
  OC_BNN = 13,
  OC_BTFBS = 14,  // bit test, branch if set
  OC_BTFBC = 15,  // bit test, branch if clear
  OC_PUSH_TEMPS = 17,
  OC_POP_TEMPS = 18,
};

// What a branch node's target is.
enum BranchTargetKind : int32_t { LITERAL_BRANCH = 0, SYMBOL_BRANCH = 1, LABEL_BRANCH = 2, BLOCK_BRANCH = 3 };
// Resolution state of a branch node: NOT_RESOLVED until branch resolution
// picks BRA (1), Bcc (2), inverted Bcc over BRA (3), GOTO (4) or inverted
// Bcc over GOTO (5).
enum BranchResolution : int32_t {
  NOT_RESOLVED = 0,
  RESOLVED_BRA = 1,
  RESOLVED_BCOND = 2,
  RESOLVED_BRACOND = 3,
  RESOLVED_GOTO = 4,
  RESOLVED_GOTOCOND = 5,
};
// The tested operand of OC_BTFBS/OC_BTFBC.
enum BranchSourceKind : int32_t { SRC_IDX = 0, SRC_SYMBOL = 1 };

struct ocode {
  int32_t type;  // OcodeKind
  long index;    // ordinal in list order (ocode_enumerate)
  union {
    struct {
      SymbolRecord *sym;           // null for a label made by the optimiser
      uint8_t used_in_relocation;  // set by the object emitter and branch resolution
    } label;
    struct {
      SymbolRecord *sym;  // the function
    } funct;              // OC_BFUNCT, OC_EFUNCT
    struct {
      inst *ins;  // owned
    } inst;
    struct {
      int32_t type;  // BranchTargetKind
      union {
        long literal;          // counted nodes, see ocode_literal_target
        SymbolRecord *symbol;  // a code symbol
        ocode *label;          // an OC_LABEL node
        basic_block *block;
      } target;
      int32_t resolved;  // BranchResolution
      struct {           // OC_BTFBS, OC_BTFBC only
        int32_t src_type;  // BranchSourceKind
        SymbolRecord *sym; // SRC_SYMBOL
        int32_t offset;    // SRC_SYMBOL: byte offset; SRC_IDX: frame offset k
        int32_t access;    // SRC_SYMBOL: access bit
        int32_t bit;
      } data;
    } branch;
  } data;
  uint8_t immutable;  // never removed or rewritten by the optimiser (function markers)
  long line;          // source position of the IR node reduced
  const char *file;   // interned file name of that node (lives for the run)
  int32_t rule;       // selector rule that produced the node, 0 until set
  ocode_dfa *dfa;     // optimiser's per-node sets, null outside data-flow analysis
  long key;           // procedural abstraction: equal keys, equal instructions; 0 until assigned
  ocode *prev, *next;
};

// ---- nodes --------------------------------------------------------------
ocode *ocodeCreate(int32_t type, long line, const char *file);  // zero-filled; 101 when out of memory
void ocodeFree(ocode *oc);  // one node, and its instruction for OC_INST
size_t ocode_live_records();  // made and not yet freed (leak checks)
ocode *ocodeNop(long line, const char *file);
// A label node; it also becomes the symbol's label_node.
ocode *ocodeLabel(SymbolRecord *sym, long line, const char *file);
// Function markers (immutable); the begin marker becomes fsym's begin_node.
ocode *ocodeBFunct(SymbolRecord *fsym, long line, const char *file);
ocode *ocodeEFunct(SymbolRecord *fsym, long line, const char *file);
ocode *ocodeInst(inst *ins, long line, const char *file);
ocode *ocodeBranchSymbol(SymbolRecord *sym, long line, const char *file);
ocode *ocodeBranchLiteral(long L, long line, const char *file);
ocode *ocodeBranchBlock(basic_block *block, long line, const char *file);
// A branch node of any branch kind to a label node.
ocode *ocodeBLabel(int32_t kind, ocode *label, long line, const char *file);
ocode *ocodeBZLiteral(long L, long line, const char *file);
ocode *ocodeBZSymbol(SymbolRecord *sym, long line, const char *file);
ocode *ocodeBNZLiteral(long L, long line, const char *file);
ocode *ocodeBNZSymbol(SymbolRecord *sym, long line, const char *file);
ocode *ocodeBNLiteral(long L, long line, const char *file);
ocode *ocodeBNSymbol(SymbolRecord *sym, long line, const char *file);
ocode *ocodeBNNLiteral(long L, long line, const char *file);
ocode *ocodeBCLiteral(long L, long line, const char *file);
ocode *ocodeBCSymbol(SymbolRecord *sym, long line, const char *file);
ocode *ocodeBNCLiteral(long L, long line, const char *file);
ocode *ocodeBNCSymbol(SymbolRecord *sym, long line, const char *file);
ocode *ocodeBVLiteral(long L, long line, const char *file);   // OC_BOV
ocode *ocodeBNVLiteral(long L, long line, const char *file);  // OC_BNOV
ocode *ocodeBTFBSLiteral(SymbolRecord *sym, int32_t off, int32_t a, int32_t bit, long L, long line,
                         const char *file);
ocode *ocodeBTFBSSymbol(SymbolRecord *sym, int32_t off, int32_t a, int32_t bit, SymbolRecord *target,
                        long line, const char *file);
ocode *ocodeBTFBSLiteral_idx(int32_t k, int32_t bit, long L, long line, const char *file);
ocode *ocodeBTFBSSymbol_idx(int32_t k, int32_t bit, SymbolRecord *target, long line, const char *file);
ocode *ocodeBTFBCLiteral(SymbolRecord *sym, int32_t off, int32_t a, int32_t bit, long L, long line,
                         const char *file);
ocode *ocodeBTFBCSymbol(SymbolRecord *sym, int32_t off, int32_t a, int32_t bit, SymbolRecord *target,
                        long line, const char *file);
ocode *ocodeBTFBCLiteral_idx(int32_t k, int32_t bit, long L, long line, const char *file);
ocode *ocodeBTFBCSymbol_idx(int32_t k, int32_t bit, SymbolRecord *target, long line, const char *file);
ocode *ocodePushTemps(long line, const char *file);
ocode *ocodePopTemps(long line, const char *file);

// ---- the layer code generation calls (each forwards to its ocode*) ------------
ocode *objBeginFunct(SymbolRecord *fsym, long line, const char *file);
ocode *objEndFunct(SymbolRecord *fsym, long line, const char *file);
ocode *objInst(inst *ins, long line, const char *file);
ocode *objLabel(SymbolRecord *sym, long line, const char *file);
ocode *objNop(long line, const char *file);
ocode *objBranchLiteral(long L, long line, const char *file);
ocode *objBranchSymbol(SymbolRecord *sym, long line, const char *file);
ocode *objBZLiteral(long L, long line, const char *file);
ocode *objBZSymbol(SymbolRecord *sym, long line, const char *file);
ocode *objBNZLiteral(long L, long line, const char *file);
ocode *objBNZSymbol(SymbolRecord *sym, long line, const char *file);
ocode *objBNLiteral(long L, long line, const char *file);
ocode *objBNSymbol(SymbolRecord *sym, long line, const char *file);
ocode *objBNNLiteral(long L, long line, const char *file);
ocode *objBCLiteral(long L, long line, const char *file);
ocode *objBCSymbol(SymbolRecord *sym, long line, const char *file);
ocode *objBNCLiteral(long L, long line, const char *file);
ocode *objBNCSymbol(SymbolRecord *sym, long line, const char *file);
ocode *objBVLiteral(long L, long line, const char *file);
ocode *objBNVLiteral(long L, long line, const char *file);
ocode *objBTFBSLiteral(SymbolRecord *sym, int32_t off, int32_t a, int32_t bit, long L, long line,
                       const char *file);
ocode *objBTFBSSymbol(SymbolRecord *sym, int32_t off, int32_t a, int32_t bit, SymbolRecord *target,
                      long line, const char *file);
ocode *objBTFBSLiteral_idx(int32_t k, int32_t bit, long L, long line, const char *file);
ocode *objBTFBSSymbol_idx(int32_t k, int32_t bit, SymbolRecord *target, long line, const char *file);
ocode *objBTFBCLiteral(SymbolRecord *sym, int32_t off, int32_t a, int32_t bit, long L, long line,
                       const char *file);
ocode *objBTFBCSymbol(SymbolRecord *sym, int32_t off, int32_t a, int32_t bit, SymbolRecord *target,
                      long line, const char *file);
ocode *objBTFBCLiteral_idx(int32_t k, int32_t bit, long L, long line, const char *file);
ocode *objBTFBCSymbol_idx(int32_t k, int32_t bit, SymbolRecord *target, long line, const char *file);
ocode *objPushTemps(long line, const char *file);
ocode *objPopTemps(long line, const char *file);

// ---- lists ------------------------------------------------------------------
// Appends the node or chain oc behind the last node of list; returns the head.
// Appending a node that is already in the list is an internal error.
ocode *objAppend(ocode *list, ocode *oc);
// A nameless label linked in right before oc (with oc's position).
ocode *objInsertLabel(ocode *oc);
// Links the unlinked node right before oc; returns node.
ocode *ocode_link_before(ocode *node, ocode *oc);
// Unlinks oc from its neighbours (oc keeps no links); returns oc.
ocode *ocode_unlink(ocode *oc);
// Frees every node of a list.
void objFree(ocode *list);
// Lowers an assembly block into output code (messages 1250, 1251, 1252).
ocode *objInlineAssembly(const asm_entry *hlist);
// Writes index 0, 1, ... in list order, checking the links; the node count.
long ocode_enumerate(ocode *list);
// The node a literal branch count L reaches from the branch node (counted:
// OC_INST, a WORD2 included, and the branch kinds); internal error when the
// walk leaves the function.
ocode *ocode_literal_target(ocode *branch, long L);
// Whether the node counts for literal branches.
bool ocode_is_counted(const ocode *oc);

// ---- predicates (an OC_INST is classified by its opcode) ----------------------
bool is_skip_conditional(const ocode *oc);
bool is_return(const ocode *oc);
bool is_call(const ocode *oc);
bool is_rcall(const ocode *oc);
bool is_callw(const ocode *oc);
bool is_unconditional_branch(const ocode *oc);
bool is_conditional_branch(const ocode *oc);
bool is_branch(const ocode *oc);
// Kind tests of branch nodes (pseudo-instructions, not OC_INST).
bool ocode_is_branch_kind(int32_t type);       // OC_BRANCH .. OC_BTFBC
bool ocode_is_conditional_kind(int32_t type);  // OC_BZ .. OC_BTFBC

// ---- listing ----------------------------------------------------------------
// One line for the node on standard output; 1 when an instruction or a branch
// was printed, else 0. Temporary markers are not printable (internal error).
int printOcode(const ocode *oc, int newline);
// The listing of a whole list, one line per node.
void printOcodeList(const ocode *list);

#endif
