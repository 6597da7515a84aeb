// The instruction selector's shared vocabulary: the attribute record of a
// node under reduction, the conventions by which actions find their own
// record and their kids', the location of a value (where a nonterminal left
// it), and the byte movers every family of rules builds its code with.
//
// Conventions. While an action runs, sel_self() is the node's own record and
// sel_kid(i) the record of its i-th kid (the subtrees at the rule's
// nonterminal leaves, left to right). A pre action may write a destination
// into a kid's record before the kid is reduced (the rv forms compute into
// it). A post action takes its kids' code with sel_take(i) in the order the
// operation needs (memory operands first, the code that loads WREG last),
// appends its own instructions with sel_emit and friends, and states where
// the result is by filling its own location.
#ifndef VELC_GEN_SELECT_H
#define VELC_GEN_SELECT_H

#include "gen/ocode.h"
#include "trans/pcodell.h"

// Where a value is.
enum SelLocKind : int {
  LOC_NONE = 0,
  LOC_W,        // WREG
  LOC_RAM,      // symbol + offset in data memory (access or banked by the symbol)
  LOC_STK,      // frame slot [offset]
  LOC_CONST,    // the constant value
  LOC_ADDR,     // the address of symbol + offset (a link-time constant)
  LOC_STKADDR,  // the data address FSR2 + offset
  LOC_FSR0,     // in data memory at the address held in FSR0
};

// Condition senses of the flag nonterminals.
enum SelCond : int { COND_NONE = 0, COND_Z, COND_NZ, COND_C, COND_NC };

struct SelLoc {
  int kind;             // SelLocKind
  SymbolRecord *symbol;
  long offset;
  long value;           // LOC_CONST
  int width;            // bytes of the value (1 or 2)
};

// The semantic value of a node during reduction.
struct gen_attrib {
  SelLoc loc;          // where the value is after the node's code
  SelLoc dest;         // rv forms: the destination the parent chose
  int cond;            // flag nonterminals: SelCond
  ocode *ilist;        // the code of the subtree (owned until taken)
  ocode *itail;        // a node of ilist at or before its last: appending starts there
};

// Records of the nodes being reduced: room for the deepest expression the
// translator accepts (1000 levels, each a few tree nodes).
constexpr int sATTRIBSTACKSIZE = 16384;

// ---- records of the running action ----------------------------------------
gen_attrib *sel_self();
gen_attrib *sel_kid(int i);
// Takes kid i's code into the node's own list (at its end); the kid keeps none.
void sel_take(int i);
// Takes every kid's remaining code, in kid order.
void sel_take_all();
// The last node of the node's own code, null when there is none. Code that
// cuts the list behind a node makes that node the tail with sel_set_last.
ocode *sel_last();
void sel_set_last(ocode *last);

// ---- building the node's code ------------------------------------------------
// Each appends to the own list; line and file come from the node.
void sel_emit(pcodell_t *p, inst *ins);
void sel_emit_oc(ocode *oc);
// Instructions the node's code holds that count for literal branches.
long sel_counted(const ocode *list);

// ---- locations ----------------------------------------------------------------
SelLoc sel_loc_w();
SelLoc sel_loc_ram(SymbolRecord *sym, long offset, int width);
SelLoc sel_loc_const(long value, int width);
bool sel_is_memory(const SelLoc &l);  // LOC_RAM or LOC_STK

// Byte i of a value of `width` bytes: loads WREG, stores WREG, moves to a
// destination byte (with the shortest sequence the pair of kinds allows).
void sel_byte_to_w(pcodell_t *p, const SelLoc &src, int i);
void sel_w_to_byte(pcodell_t *p, const SelLoc &dst, int i);
void sel_move_byte(pcodell_t *p, const SelLoc &src, int i, const SelLoc &dst);
// Moves a whole value (dst.width bytes; a narrower source is zero-extended).
void sel_move(pcodell_t *p, const SelLoc &src, const SelLoc &dst);
// WREG op= byte i of src: XORWF/SUBWF/IORWF... f,W on memory or the literal
// form (XORLW, SUBLW, IORLW...) on a constant; op is the file form.
void sel_w_op_byte(pcodell_t *p, int op, const SelLoc &src, int i);
// A read-modify-write instruction (INCF, ADDWF, ...) on byte i of memory.
void sel_rmw_byte(pcodell_t *p, int op, const SelLoc &dst, int i, int d);
// Bank selection for byte i of a banked location; nothing otherwise.
void sel_banksel(pcodell_t *p, const SelLoc &l, int i);

// A tree no rule covers: its dump, then the fatal message 100 at its line.
[[noreturn]] void sel_cannot_reduce(const pcodell_t *tree);

// ---- calls and temporaries ------------------------------------------------------
// The reducer's trace switch and the statement loop's hooks.
void sel_reduce_statement(pcodell_t *tree, ocode **code);
void sAllocTempStorage(gen_attrib *a, int size);
const char *dbg_brg_rule_string(int rule);

#endif
