// Context analysis of interrupt routines. In: a routine's body as output
// code. Out: whether it calls a function other than a run-time math routine,
// and for each resource the compiler saves (PROD, TBLPTR, TBLPTRU, TABLAT,
// PCLATH, PCLATU, FSR0, FSR2 and the math data __RETVAL0) whether the body
// writes it, or may write it through a call.
//
// The run-time math routines change nothing but PROD and the stack above
// FSR1 (docs/runtime.md), so a call to one counts as a change of PROD only;
// every other call may change everything. What an instruction writes is
// decided here by a small table of its own (s_writes).
#include "gen/gen.h"
#include "gen/interrupt.h"

namespace {

// Data addresses of the resources (the math data lives in a pseudo-range of
// its own, above the data memory, since its address is known only at link
// time).
constexpr long kMathData = 0x10000;
constexpr long kIndirect0 = 0xFEB, kIndirect0End = 0xFEF;  // PLUSW0 .. INDF0
constexpr long kIndirect2 = 0xFDB, kIndirect2End = 0xFDF;  // PLUSW2 .. INDF2

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

// Whether the instruction (with its second word, if any) writes the range.
static bool s_writes(const inst *ins, const inst *word2, IsrResource r) {
  Range range = s_range(r);
  switch (ins->opcode) {
  case ADDWF: case ADDWFC: case ANDWF: case COMF: case DCFSNZ: case DECF: case DECFSZ: case INCF:
  case INCFSZ: case INFSNZ: case IORWF: case MOVF: case RLCF: case RLNCF: case RRCF: case RRNCF:
  case SUBFWB: case SUBWF: case SUBWFB: case SWAPF: case XORWF:
    return ins->operand[1].type == LITERAL_OP && ins->operand[1].data.literal == DEST_F &&
           s_in(s_address(ins, 0), range);
  case BCF: case BSF: case BTG: case CLRF: case MOVWF: case NEGF: case SETF:
    return s_in(s_address(ins, 0), range);
  case MOVFF: case MOVSF:
    return word2 && s_in(s_address(word2, 0, true), range);
  case MULLW: case MULWF:
    return r == ISR_PROD;
  // Table reads load TABLAT; the moving forms of reads and writes step the
  // whole 22-bit table pointer.
  case TBLRD:
    return r == ISR_TABLAT;
  case TBLRDPOSTINC: case TBLRDPOSTDEC: case TBLRDPREINC:
    return r == ISR_TABLAT || r == ISR_TBLPTR || r == ISR_TBLPTRU;
  case TBLWTPOSTINC: case TBLWTPOSTDEC: case TBLWTPREINC:
    return r == ISR_TBLPTR || r == ISR_TBLPTRU;
  default:
    return false;
  }
}

// FSR0 and FSR2: the FSR instructions on that register, and any use of its
// indirect-access registers.
static bool s_moves_fsr(const inst *ins, const inst *word2, int fsr) {
  switch (ins->opcode) {
  case ADDFSR: case SUBFSR: case LFSR:
    return ins->operand[0].type == LITERAL_OP && ins->operand[0].data.literal == fsr;
  default:
    break;
  }
  long lo = fsr == 0 ? kIndirect0 : kIndirect2, hi = fsr == 0 ? kIndirect0End : kIndirect2End;
  long a = s_address(ins, 0);
  if (a >= lo && a <= hi)
    return true;
  a = word2 ? s_address(word2, 0, true) : -1;
  return a >= lo && a <= hi;
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
  if ((r == ISR_FSR0 || r == ISR_FSR2) && s_moves_fsr(ins, word2, r == ISR_FSR0 ? 0 : 2))
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
