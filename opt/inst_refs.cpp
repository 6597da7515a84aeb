// Definitions and uses of one output-code node. In: an instruction node
// (with its second word), a branch node or a function end. Out: the storage
// bytes it writes and reads, at byte granularity, from the instruction
// effects table and what each register operand stands for; and whether the
// node must stay whatever its results feed. Precise for symbol bytes, WREG,
// the STATUS flags, BSR, PROD, the FSRs and the table registers; broad
// everywhere else: memory reached through a pointer or a frame operand is
// one abstract definition that kills nothing, a read through one uses every
// variable byte, and a call, an unknown operand or assembly uses everything.
#include "device/inst_effects.h"
#include "device/instset.h"
#include "gen/gen.h"
#include "opt/blocks.h"
#include "opt/dataflow.h"
#include "trans/type.h"

bool opt_core_register(const SymbolRecord *sym, long *address) {
  int bytes = 0;
  SymbolRecord *group = nullptr;
  long a = 0;
  bool core = gen_register_info(sym, &a, &bytes, &group);
  if (address)
    *address = a;
  return core;
}

namespace {

constexpr int FRAME_LIMIT = 0x60;  // a = 0 and f below this: FSR2 + f
constexpr uint32_t CONTROL = EFF_STACK | EFF_SHADOW | EFF_INTCON | EFF_PCLAT | EFF_PC;

struct Builder {
  ocode *node;
  node_refs *out;
  bool uses = true;  // false: the definitions only

  void def(int type, SymbolRecord *sym, int32_t offset) { out->defs.push_back({type, sym, offset, node}); }
  void use(int type, SymbolRecord *sym, int32_t offset) {
    if (uses)
      out->uses.push_back({type, sym, offset, node});
  }
  void def_sym(SymbolRecord *sym, int bytes) {
    for (int i = 0; i < bytes; ++i)
      def(SYM_REF, sym, i);
  }
  void use_sym(SymbolRecord *sym, int bytes) {
    for (int i = 0; i < bytes; ++i)
      use(SYM_REF, sym, i);
  }
  void unknown() {
    out->essential = true;
    use(ALL_USE, nullptr, 0);
    def(PTR_REF, nullptr, 0);
  }
};

SymbolRecord *s_fsr_low(uint32_t fsr) {
  return fsr == EFF_FSR0 ? FSR0Lsym : fsr == EFF_FSR1 ? FSR1Lsym : FSR2Lsym;
}

// The locations of the resources of a mask that name storage bytes, as
// definitions (write) or uses.
void s_add_resources(Builder &b, uint32_t mask, bool write) {
  if (mask == 0 || (!write && !b.uses && !(mask & (EFF_SHADOW | EFF_PCLAT | EFF_INTCON))))
    return;
  std::vector<dfa_ref> &refs = write ? b.out->defs : b.out->uses;
  auto add = [&](SymbolRecord *sym, int bytes) {
    for (int i = 0; i < bytes; ++i)
      refs.push_back({SYM_REF, sym, i, b.node});
  };
  if (mask & EFF_WREG)
    add(WREGsym, 1);
  for (uint32_t flags = (mask & EFF_STATUS) / EFF_C; flags; flags &= flags - 1)
    refs.push_back({CC_REF, nullptr, __builtin_ctz(flags), b.node});
  if (mask & EFF_BSR)
    add(BSRsym, 1);
  if (mask & (EFF_PROD | EFF_FSR0 | EFF_FSR1 | EFF_FSR2 | EFF_TBLPTR | EFF_TABLAT)) {
    if (mask & EFF_PROD)
      add(PRODLsym, 2);
    for (uint32_t fsr : {EFF_FSR0, EFF_FSR1, EFF_FSR2})
      if (mask & fsr)
        add(s_fsr_low(fsr), 2);
    if (mask & EFF_TBLPTR)
      add(TBLPTRLsym, 3);
    if (mask & EFF_TABLAT)
      add(TABLATsym, 1);
  }
  if (mask & EFF_INDIRECT)
    write ? b.def(PTR_REF, nullptr, 0) : b.use(MEM_USE, nullptr, 0);
  if (write && (mask & (EFF_PROGMEM | CONTROL)))
    b.out->essential = true;
  if (!write && (mask & (EFF_SHADOW | EFF_PCLAT | EFF_INTCON)))
    b.use(ALL_USE, nullptr, 0);
}

bool s_volatile_type(const TypeRecord *t) {
  for (; t; t = t->next) {
    if (t->is_volatile || t->type == SUE_TYPE)  // a structure may hold volatile members
      return true;
    if (t->type != ARRAY_TYPE)
      return false;
  }
  return false;
}


// A register or variable byte named by a symbol operand (or a bit-test
// branch), read or written; bit >= 0 limits a STATUS access to one flag.
void s_symbol_access(Builder &b, SymbolRecord *sym, int32_t offset, bool write, int bit) {
  long address = 0;
  if (!opt_core_register(sym, &address)) {
    b.use(SYM_REF, BSRsym, 0);  // banked, or the bank does not matter: either way conservative
    if (write)
      b.def(SYM_REF, sym, offset);
    else
      b.use(SYM_REF, sym, offset);
    if (!write && (sym->type != VARIABLE || s_volatile_type(sym->data.var.type)))
      b.out->essential = true;  // reading an I/O byte may have effects of its own
    return;
  }
  uint32_t r = inst_effects_register(unsigned(address + offset));
  if (sym == STATUSsym && offset == 0) {
    for (int n = 0; n < 5; ++n)
      if (bit < 0 || bit == n)
        write ? b.def(CC_REF, nullptr, n) : b.use(CC_REF, nullptr, n);
    return;
  }
  if (r & EFF_INDIRECT) {
    // the pointer, WREG for PLUSW, and the pointer moves for the post/pre forms
    s_add_resources(b, r & ~EFF_INDIRECT, false);
    unsigned form = unsigned(address + offset) & 7;  // 7 INDF, 6 POSTINC, 5 POSTDEC, 4 PREINC, 3 PLUSW
    if (form >= 4 && form <= 6)
      s_add_resources(b, r & (EFF_FSR0 | EFF_FSR1 | EFF_FSR2), true);
    b.out->essential = true;
    write ? b.def(PTR_REF, nullptr, 0) : b.use(MEM_USE, nullptr, 0);
    return;
  }
  if (r == 0 || (r & CONTROL)) {
    b.unknown();
    return;
  }
  write ? b.def(SYM_REF, sym, offset) : b.use(SYM_REF, sym, offset);
}

bool s_has_dest(int opcode) {
  switch (opcode) {
  case ADDWF: case ADDWFC: case ANDWF: case COMF: case DCFSNZ: case DECF: case DECFSZ: case INCF:
  case INCFSZ: case INFSNZ: case IORWF: case MOVF: case RLCF: case RLNCF: case RRCF: case RRNCF:
  case SUBFWB: case SUBWF: case SUBWFB: case SWAPF: case XORWF:
    return true;
  default:
    return false;
  }
}

bool s_is_bit_op(int opcode) {
  return opcode == BCF || opcode == BSF || opcode == BTG || opcode == BTFSC || opcode == BTFSS;
}

int32_t s_literal(const inst_operand &op, int32_t otherwise) {
  return op.type == LITERAL_OP ? op.data.literal : otherwise;
}

// The register operand of a file instruction, read or written.
void s_file_access(Builder &b, const inst *ins, const inst_operand &op, bool write) {
  int opcode = ins->opcode;
  int bit = s_is_bit_op(opcode) ? s_literal(ins->operand[1], -1) : -1;
  if (op.type == SYMBOL_OP && op.data.symbol.sym) {
    if (bit >= 0 && op.data.symbol.sym == STATUSsym && opcode != BTG && write)
      return s_symbol_access(b, op.data.symbol.sym, op.data.symbol.offset, true, bit);
    if (bit >= 0 && op.data.symbol.sym == STATUSsym && (opcode == BCF || opcode == BSF))
      return;  // sets or clears one flag: reads none
    return s_symbol_access(b, op.data.symbol.sym, op.data.symbol.offset, write, bit);
  }
  int access_index = s_has_dest(opcode) || s_is_bit_op(opcode) ? 2 : 1;
  if (op.type == LITERAL_OP && op.data.literal >= 0 && op.data.literal < FRAME_LIMIT &&
      s_literal(ins->operand[access_index], 1) == 0) {
    b.use_sym(FSR2Lsym, 2);
    write ? b.def(PTR_REF, nullptr, PTR_FRAME) : b.use(MEM_USE, nullptr, PTR_FRAME);
    return;
  }
  b.unknown();
}

void s_instruction(Builder &b, ocode *oc) {
  const inst *ins = oc->data.inst.ins;
  int opcode = ins->opcode;
  if (opcode == WORD2)
    return;
  if (ins->from_asm) {
    b.unknown();
    return;
  }
  if (opcode == CALL || opcode == RCALL || opcode == CALLW) {
    b.out->essential = true;
    b.def(CALL_REF, nullptr, 0);
    b.use(ALL_USE, nullptr, 0);
    return;
  }
  bool returns = is_return(oc);
  if (returns) {
    b.out->essential = true;
    b.use(EXIT_USE, nullptr, 0);
  }
  int d = s_has_dest(opcode) ? s_literal(ins->operand[1], 1) : 1;
  int fast = opcode == CALL ? s_literal(ins->operand[1], 0) : s_literal(ins->operand[0], 0);
  int fsr = opcode == LFSR || opcode == ADDFSR || opcode == SUBFSR ? s_literal(ins->operand[0], 2) : 0;
  inst_effects e = inst_effects_of(opcode, d, fast, fsr);
  if (e.reads == 0 && e.writes == 0 && opcode != NOP)
    b.out->essential = true;  // an effect the table does not model (a watchdog clear ...)
  s_add_resources(b, e.reads & ~(EFF_FILE | EFF_FILE2), false);
  s_add_resources(b, e.writes & ~(EFF_FILE | EFF_FILE2), true);
  if (opcode == LFSR || opcode == ADDFSR || opcode == SUBFSR)
    b.def(PTR_REF, nullptr, 0);  // what the pointer reaches changes
  if (e.writes & EFF_PC)
    b.out->essential = true;
  if ((e.writes & EFF_PC) && !is_skip_conditional(oc) && !returns)
    b.use(ALL_USE, nullptr, 0);  // a jump the blocks do not follow, a sleep ...
  if (e.reads & EFF_FILE)
    s_file_access(b, ins, ins->operand[0], false);
  if (e.writes & EFF_FILE)
    s_file_access(b, ins, ins->operand[0], true);
  if (e.writes & EFF_FILE2) {
    ocode *second = oc->next;
    if (second && second->type == OC_INST && second->data.inst.ins->opcode == WORD2)
      s_file_access(b, second->data.inst.ins, second->data.inst.ins->operand[0], true);
    else
      b.unknown();
  }
}

int s_flag_of_branch(int type) {
  switch (type) {
  case OC_BZ: case OC_BNZ: return 2;
  case OC_BC: case OC_BNC: return 0;
  case OC_BOV: case OC_BNOV: return 3;
  case OC_BN: case OC_BNN: return 4;
  default: return -1;
  }
}

void s_branch(Builder &b, ocode *oc) {
  b.out->essential = true;
  int flag = s_flag_of_branch(oc->type);
  if (flag >= 0)
    b.use(CC_REF, nullptr, flag);
  if (oc->type == OC_BTFBS || oc->type == OC_BTFBC) {
    const auto &t = oc->data.branch.data;
    if (t.src_type == SRC_SYMBOL && t.sym) {
      s_symbol_access(b, t.sym, t.offset, false, t.bit);
    } else {
      b.use_sym(FSR2Lsym, 2);
      b.use(MEM_USE, nullptr, PTR_FRAME);
    }
  }
  if (oc->data.branch.type != BLOCK_BRANCH)
    b.use(ALL_USE, nullptr, 0);  // leaves the function's blocks
}

}  // namespace

static void s_node_refs(ocode *oc, node_refs *refs, bool uses) {
  refs->defs.clear();
  refs->uses.clear();
  refs->essential = oc->immutable != 0;
  Builder b{oc, refs, uses};
  switch (oc->type) {
  case OC_INST:
    s_instruction(b, oc);
    break;
  case OC_EFUNCT:
    refs->essential = true;
    b.use(EXIT_USE, nullptr, 0);
    break;
  case OC_NOP:
  case OC_LABEL:
  case OC_BFUNCT:
    break;
  default:
    if (ocode_is_branch_kind(oc->type))
      s_branch(b, oc);
    else
      b.unknown();
    break;
  }
}

void opt_node_refs(ocode *oc, node_refs *refs) { s_node_refs(oc, refs, true); }

void opt_node_defs(ocode *oc, node_refs *refs) { s_node_refs(oc, refs, false); }

bool opt_sym_def_removable(const SymbolRecord *sym) {
  if (sym == WREGsym || sym == BSRsym || sym == TBLPTRLsym || sym == TABLATsym || sym == PRODLsym)
    return true;
  if (opt_core_register(sym, nullptr))
    return false;
  return sym->type == VARIABLE && !s_volatile_type(sym->data.var.type);
}
