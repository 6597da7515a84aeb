// Context analysis of interrupt routines. In: a routine's body as output
// code. Out: whether it calls a function other than a run-time math routine,
// and for each resource the compiler saves (PROD, TBLPTR, TBLPTRU, TABLAT,
// PCLATH, PCLATU, FSR0, FSR2 and the math data __RETVAL0) whether the body
// writes it, or may write it through a call.
//
// The run-time math routines change nothing but PROD and the stack above
// FSR1 (docs/runtime.md), so a call to one counts as a change of PROD only;
// every other call may change everything. What an instruction writes comes
// from the shared instruction-effects table; its register operands are
// resolved to data addresses here, so that one byte of a register pair (such
// as TBLPTRU beside TBLPTRH) is told apart from the other.
#include "device/inst_effects.h"
#include "gen/gen.h"
#include "gen/interrupt.h"

namespace {

// Data addresses of the resources (the math data lives in a pseudo-range of
// its own, above the data memory, since its address is known only at link
// time).
constexpr long kMathData = 0x10000;

struct Range {
  long lo, hi;
};

Range s_range(IsrResource r) {
  switch (r) {
  case ISR_MATH_DATA: return {kMathData, kMathData + 3};
  case ISR_PROD: return {0xFF3, 0xFF4};
  case ISR_TBLPTR: return {0xFF6, 0xFF7};
  case ISR_TBLPTRU: return {0xFF8, 0xFF8};
  case ISR_TABLAT: return {0xFF5, 0xFF5};
  case ISR_PCLATH: return {0xFFA, 0xFFA};
  case ISR_PCLATU: return {0xFFB, 0xFFB};
  case ISR_FSR0: return {0xFE9, 0xFEA};
  case ISR_FSR2: return {0xFD9, 0xFDA};
  }
  return {-1, -1};
}

}  // namespace

// The index of the access-bit operand of a file-register instruction.
static int s_access_operand(int32_t opcode) {
  switch (opcode) {
  case MOVWF: case CLRF: case SETF: case NEGF: case MULWF: case CPFSEQ: case CPFSGT: case CPFSLT:
  case TSTFSZ:
    return 1;
  default:
    return 2;
  }
}

// The data address that operand n of an instruction names, or -1: a special
// register symbol plus its offset, the math data, or in assembly a literal
// register address (full, or an access-bank address above the general
// purpose part; a second word holds full addresses only).
static long s_address(const inst *ins, int n, bool second_word = false) {
  const inst_operand &op = ins->operand[n];
  if (op.type == SYMBOL_OP) {
    long address;
    int bytes;
    SymbolRecord *group;
    if (op.data.symbol.sym == __RETVAL0sym)
      return kMathData + op.data.symbol.offset;
    if (gen_register_info(op.data.symbol.sym, &address, &bytes, &group))
      return address + op.data.symbol.offset;
    return -1;
  }
  if (op.type != LITERAL_OP)
    return -1;
  long v = op.data.literal;
  if (v >= 0xF80 && v <= 0xFFF)
    return v;
  if (v >= 0x80 && v <= 0xFF && !second_word) {
    const inst_operand &a = ins->operand[s_access_operand(ins->opcode)];
    if (a.type == LITERAL_OP && a.data.literal == 0)
      return 0xF00 | v;
  }
  return -1;
}

static bool s_in(long address, Range r) { return address >= r.lo && address <= r.hi; }

// The table's resource that covers a resource of the context, beyond the
// register bytes of its range (0 for the math data, which is plain memory).
static uint32_t s_effect(IsrResource r) {
  switch (r) {
  case ISR_PROD: return EFF_PROD;
  case ISR_TBLPTR: case ISR_TBLPTRU: return EFF_TBLPTR;
  case ISR_TABLAT: return EFF_TABLAT;
  case ISR_PCLATH: case ISR_PCLATU: return EFF_PCLAT;
  case ISR_FSR0: return EFF_FSR0;
  case ISR_FSR2: return EFF_FSR2;
  case ISR_MATH_DATA: return 0;
  }
  return 0;
}

static bool s_literal(const inst_operand &op, int32_t value) {
  return op.type == LITERAL_OP && op.data.literal == value;
}

// The instruction's effects from the table: the destination bit of byte
// operations is operand 1, the FSR of the FSR instructions operand 0.
static inst_effects s_effects(const inst *ins) {
  int d = s_literal(ins->operand[1], DEST_F) ? 1 : 0;
  int fsr = ins->operand[0].type == LITERAL_OP ? int(ins->operand[0].data.literal) : 0;
  return inst_effects_of(ins->opcode, d, 0, fsr);
}

// Whether a register operand at this address moves the FSR of the resource:
// any use of one of its indirect-access registers counts.
static bool s_moves_through(long address, IsrResource r) {
  if (address < 0 || address > 0xFFF || (r != ISR_FSR0 && r != ISR_FSR2))
    return false;
  uint32_t reg = inst_effects_register(unsigned(address));
  return (reg & EFF_INDIRECT) && (reg & s_effect(r));
}

// Whether the instruction (with its second word, if any) writes the resource.
static bool s_writes(const inst *ins, const inst *word2, IsrResource r) {
  inst_effects e = s_effects(ins);
  uint32_t operands = EFF_FILE | EFF_FILE2;
  if ((e.writes & ~operands) & s_effect(r))
    return true;
  Range range = s_range(r);
  long file = (e.reads | e.writes) & EFF_FILE ? s_address(ins, 0) : -1;
  long file2 = (e.writes & EFF_FILE2) && word2 ? s_address(word2, 0, true) : -1;
  if (((e.writes & EFF_FILE) && s_in(file, range)) || s_in(file2, range))
    return true;
  return s_moves_through(file, r) || s_moves_through(file2, r);
}

static bool s_calls_math(const inst *ins) {
  return ins->opcode == CALL && ins->operand[0].type == SYMBOL_OP &&
         gen_is_math_symbol(ins->operand[0].data.symbol.sym);
}

static bool s_is_any_call(const inst *ins) {
  return ins->opcode == CALL || ins->opcode == RCALL || ins->opcode == CALLW;
}

// One instruction's answer for the resource.
static IsrChange s_inst_change(const inst *ins, const inst *word2, IsrResource r) {
  if (r == ISR_FSR2) {
    switch (ins->opcode) {
    case CALL: case RCALL: case CALLW: case PUSHL: case ADDULNK: case SUBULNK:
      return ISR_WRITTEN;
    default:
      break;
    }
  }
  if (s_is_any_call(ins) && (r == ISR_PROD || !s_calls_math(ins)))
    return ISR_BY_CALL;
  if (s_writes(ins, word2, r))
    return ISR_WRITTEN;
  return ISR_UNCHANGED;
}

// The second word that follows an instruction node, or null.
static const inst *s_word2(const ocode *oc) {
  const ocode *n = oc->next;
  if (n && n->type == OC_INST && n->data.inst.ins->opcode == WORD2)
    return n->data.inst.ins;
  return nullptr;
}

static bool s_end_of_function(const ocode *oc) { return oc->type == OC_BFUNCT || oc->type == OC_EFUNCT; }

bool s_does_make_function_call(const ocode *list) {
  for (const ocode *oc = list; oc && !s_end_of_function(oc); oc = oc->next) {
    if (oc->type != OC_INST)
      continue;
    const inst *ins = oc->data.inst.ins;
    if (s_is_any_call(ins) && !s_calls_math(ins))
      return true;
  }
  return false;
}

IsrChange isr_does_change(const ocode *list, IsrResource r) {
  IsrChange result = ISR_UNCHANGED;
  for (const ocode *oc = list; oc && !s_end_of_function(oc); oc = oc->next) {
    if (oc->type != OC_INST || oc->data.inst.ins->opcode == WORD2)
      continue;
    IsrChange c = s_inst_change(oc->data.inst.ins, s_word2(oc), r);
    if (c == ISR_WRITTEN)
      return ISR_WRITTEN;
    if (c == ISR_BY_CALL)
      result = ISR_BY_CALL;
  }
  return result;
}
