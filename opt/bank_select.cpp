// Bank selection and WREG tracking. In: one function's basic blocks. Out:
// MOVLB instructions that select the bank already selected removed; MOVFF
// to or from WREG of a variable in the selected bank as a banked MOVF or
// MOVWF; MOVLW of the value WREG already holds removed; PLUSW0/PLUSW2 as
// INDF0/INDF2 while WREG holds 0. What BSR and WREG hold is followed through
// each block and passed to its successors; at a join the predecessors must
// agree.
#include <cstring>
#include <vector>

#include "device/inst_effects.h"
#include "driver/diag.h"
#include "driver/settings.h"
#include "gen/gen.h"
#include "opt/blocks.h"

namespace {

enum : int { BANK_SYMBOL = 1, BANK_SECTION = 2, BANK_NUMBER = 4 };
constexpr long BANK_SIZE = 256;

struct BankState {
  int flags;
  SymbolRecord *symbol;
  int32_t offset;  // byte of symbol whose bank is selected
  const char *section;
  uint32_t bank;
};

struct WregState {
  bool known;
  uint8_t value;
};

struct BlockState {
  BankState bank_in, bank_out;
  WregState w_in, w_out;
  bool processed;
};

bool s_same_bank_state(const BankState &a, const BankState &b) {
  return a.flags == b.flags && a.symbol == b.symbol && a.offset == b.offset && a.bank == b.bank &&
         (a.section == b.section || (a.section && b.section && !strcmp(a.section, b.section)));
}

bool s_same_w(const WregState &a, const WregState &b) {
  return a.known == b.known && (!a.known || a.value == b.value);
}

bool s_is_data_variable(const SymbolRecord *sym) {
  long address;
  int bytes;
  SymbolRecord *group;
  return sym && sym->type == VARIABLE && !gen_register_info(sym, &address, &bytes, &group);
}

// Whether byte offset of symbol lies in the bank the state selects. An
// object larger than a bank may span banks: there only the very byte the
// bank was selected for counts.
bool s_is_sym_in_bank(const SymbolRecord *sym, int32_t offset, const BankState &state) {
  if (!s_is_data_variable(sym))
    return false;
  if ((state.flags & BANK_SYMBOL) && state.symbol == sym) {
    const TypeRecord *t = sym->data.var.type;
    return (t && ll_sizeof_type(t) <= BANK_SIZE) || state.offset == offset;
  }
  if ((state.flags & BANK_SYMBOL) && state.symbol && state.symbol->name[0] == '#') {
    const char *colon = strchr(state.symbol->name, ':');
    size_t len = colon ? size_t(colon - state.symbol->name) : 0;
    if (colon && !strncmp(state.symbol->name, sym->name, len))
      return true;
  }
  if ((state.flags & BANK_SECTION) && sym->section_located && state.section &&
      !strcmp(state.section, sym->located_section))
    return true;
  return (state.flags & BANK_NUMBER) && sym->bank_located && sym->located_bank == state.bank;
}

bool s_is_in_bank(uint32_t bank, const BankState &state) {
  return (state.flags & BANK_NUMBER) && state.bank == bank;
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

bool s_names(const inst_operand &op, const SymbolRecord *sym) {
  return op.type == SYMBOL_OP && op.data.symbol.sym == sym;
}

// What an instruction node writes, from the effects table plus what its
// register operands (and a MOVFF's or MOVSF's second word) stand for.
uint32_t s_writes(const ocode *oc) {
  const inst *ins = oc->data.inst.ins;
  int d = s_has_dest(ins->opcode) && ins->operand[1].type == LITERAL_OP ? ins->operand[1].data.literal : 1;
  int fast = ins->opcode == CALL ? (ins->operand[1].type == LITERAL_OP && ins->operand[1].data.literal)
                                 : (ins->operand[0].type == LITERAL_OP && ins->operand[0].data.literal);
  inst_effects e = inst_effects_of(ins->opcode, d, fast, 0);
  uint32_t out = e.writes;
  if ((e.writes & EFF_FILE) && s_names(ins->operand[0], WREGsym))
    out |= EFF_WREG;
  if ((e.writes & EFF_FILE) && s_names(ins->operand[0], BSRsym))
    out |= EFF_BSR;
  if ((e.writes & EFF_FILE2) && oc->next && opt_is_op(oc->next, WORD2)) {
    const inst_operand &dst = oc->next->data.inst.ins->operand[0];
    if (s_names(dst, WREGsym))
      out |= EFF_WREG;
    if (s_names(dst, BSRsym))
      out |= EFF_BSR;
  }
  return out;
}

bool s_does_clobber_w(const ocode *oc) { return oc->type == OC_INST && (s_writes(oc) & EFF_WREG); }

class Banking {
 public:
  explicit Banking(basic_block *blocks) : blocks_(blocks) {
    int n = 0;
    for (basic_block *b = blocks; b; b = b->next)
      n = b->number + 1 > n ? b->number + 1 : n;
    state_.assign(n, BlockState{});
  }

  bool run() {
    bool changed_code = false;
    bool again = true;
    for (int sweep = 0; again && sweep < 100; ++sweep) {
      again = false;
      for (basic_block *b = blocks_; b; b = b->next) {
        if (state_[b->number].processed)
          continue;
        if (block(b, &changed_code) && do_banking_optimizations)
          again |= update_successors(b);
      }
    }
    return changed_code;
  }

 private:
  basic_block *blocks_;
  std::vector<BlockState> state_;
  BankState bank_{};
  WregState w_{};

  void track_w(basic_block *b, ocode *oc, bool conditional, bool *removed, bool *changed) {
    const inst *ins = oc->data.inst.ins;
    const inst_operand &k = ins->operand[0];
    bool literal = k.type == LITERAL_OP;
    uint8_t v = literal ? uint8_t(k.data.literal) : 0;
    if (conditional) {
      w_.known = false;
      return;
    }
    switch (ins->opcode) {
    case MOVLW:
      if (literal && w_.known && w_.value == v && !oc->immutable && !b->immutable) {
        remove_instruction_from_block(b, oc);
        *removed = *changed = true;
        return;
      }
      w_ = WregState{literal, v};
      return;
    case ANDLW: w_.value &= v; break;
    case ADDLW: w_.value = uint8_t(w_.value + v); break;
    case XORLW: w_.value ^= v; break;
    case IORLW: w_.value |= v; break;
    default: w_.known = false; return;
    }
    if (!literal)
      w_.known = false;
  }

  void plusw_to_indf(ocode *oc, bool *changed) {
    inst_operand &op = oc->data.inst.ins->operand[0];
    if (!w_.known || w_.value != 0 || oc->immutable || op.type != SYMBOL_OP || op.data.symbol.offset != 0)
      return;
    if (op.data.symbol.sym == PLUSW2sym)
      op.data.symbol.sym = INDF2sym, *changed = true;
    else if (op.data.symbol.sym == PLUSW0sym)
      op.data.symbol.sym = INDF0sym, *changed = true;
  }

  // MOVFF between WREG and a variable of the selected bank: one banked word.
  void movff(basic_block *b, ocode *oc, bool *changed) {
    if (oc->immutable || b->immutable || !oc->next || !opt_is_op(oc->next, WORD2) || oc->next->immutable)
      return;
    const inst_operand &src = oc->data.inst.ins->operand[0];
    const inst_operand &dst = oc->next->data.inst.ins->operand[0];
    if (src.type != SYMBOL_OP || dst.type != SYMBOL_OP)
      return;
    inst *with = nullptr;
    if (s_names(dst, WREGsym) && dst.data.symbol.offset == 0 && !opt_is_near(src.data.symbol.sym) &&
        s_is_sym_in_bank(src.data.symbol.sym, src.data.symbol.offset, bank_) && opt_zn_dead_after(oc, b))
      with = iqx_opWF(MOVF, src.data.symbol.sym, src.data.symbol.offset, DEST_W);
    else if (s_names(src, WREGsym) && src.data.symbol.offset == 0 && !opt_is_near(dst.data.symbol.sym) &&
             s_is_sym_in_bank(dst.data.symbol.sym, dst.data.symbol.offset, bank_))
      with = iqx_MOVWF(dst.data.symbol.sym, dst.data.symbol.offset);
    if (!with)
      return;
    remove_instruction_from_block(b, oc->next);
    inst_free(oc->data.inst.ins);
    oc->data.inst.ins = with;
    *changed = true;
  }

  void movlb(basic_block *b, ocode *oc, bool conditional, bool *removed, bool *changed) {
    const inst_operand &op = oc->data.inst.ins->operand[0];
    VELC_ASSERT(op.type == SYMBOL_OP || op.type == LITERAL_OP);
    bool selected = op.type == SYMBOL_OP ? s_is_sym_in_bank(op.data.symbol.sym, op.data.symbol.offset, bank_)
                                         : s_is_in_bank(uint32_t(op.data.literal), bank_);
    if (conditional) {
      bank_ = BankState{};
      return;
    }
    if (selected && do_banking_optimizations && !oc->immutable && !b->immutable) {
      remove_instruction_from_block(b, oc);
      *removed = *changed = true;
      return;
    }
    bank_ = BankState{};
    if (op.type == LITERAL_OP) {
      bank_.flags = BANK_NUMBER;
      bank_.bank = uint32_t(op.data.literal);
      return;
    }
    SymbolRecord *sym = op.data.symbol.sym;
    bank_.flags = BANK_SYMBOL;
    bank_.symbol = sym;
    bank_.offset = op.data.symbol.offset;
    if (sym && sym->section_located)
      bank_.flags |= BANK_SECTION, bank_.section = sym->located_section;
    if (sym && sym->bank_located)
      bank_.flags |= BANK_NUMBER, bank_.bank = sym->located_bank;
  }

  void node(basic_block *b, ocode *oc, bool *removed, bool *changed) {
    const int op = oc->data.inst.ins->opcode;
    if (op == WORD2)
      return;
    bool conditional = opt_after_skip(oc);  // a skip may step over it
    uint32_t writes = s_writes(oc);
    if (do_wreg_tracking && s_does_clobber_w(oc)) {
      track_w(b, oc, conditional, removed, changed);
      if (*removed)
        return;
    }
    if (!do_wreg_tracking)
      w_.known = false;
    if (!conditional)
      plusw_to_indf(oc, changed);
    if (op == CALL || op == RCALL || op == CALLW) {
      bank_ = BankState{};
      w_.known = false;
      return;
    }
    if (op == MOVFF && !conditional)
      movff(b, oc, changed);
    if (op == MOVLB) {
      movlb(b, oc, conditional, removed, changed);
      return;
    }
    if (writes & EFF_BSR)
      bank_ = BankState{};
  }

  // Walks one block from its entry states; true when its exit states changed.
  bool block(basic_block *b, bool *changed) {
    BlockState &s = state_[b->number];
    s.processed = true;
    bank_ = s.bank_in;
    w_ = s.w_in;
    for (ocode *oc = b->first; oc;) {
      bool last = oc == b->last;
      ocode *next = oc->next;
      bool removed = false;
      if (oc->type == OC_INST)
        node(b, oc, &removed, changed);
      if (!removed)
        last = oc == b->last, next = oc->next;
      if (last)
        break;
      oc = next;
    }
    bool differs = !s_same_bank_state(bank_, s.bank_out) || !s_same_w(w_, s.w_out);
    s.bank_out = bank_;
    s.w_out = w_;
    return differs;
  }

  static bool s_agree(const BankState &a, const BankState &b) {
    if ((a.flags & BANK_NUMBER) && (b.flags & BANK_NUMBER))
      return a.bank == b.bank;
    if ((a.flags & BANK_SECTION) && (b.flags & BANK_SECTION))
      return !strcmp(a.section, b.section);
    if ((a.flags & BANK_SYMBOL) && (b.flags & BANK_SYMBOL))
      return a.symbol == b.symbol && a.offset == b.offset;
    return false;
  }

  bool set_entry(basic_block *s, const BankState &bank, const WregState &w) {
    BlockState &st = state_[s->number];
    if (s_same_bank_state(st.bank_in, bank) && s_same_w(st.w_in, w))
      return false;
    st.bank_in = bank;
    st.w_in = w;
    st.processed = false;
    return true;
  }

  // Passes b's exit states to its successors; at a join all predecessors
  // must agree, else the successor starts from nothing known.
  bool update_successors(basic_block *b) {
    bool changed = false;
    const BlockState &mine = state_[b->number];
    for (block_edge *e = b->successors; e; e = e->next) {
      basic_block *s = e->block;
      BankState bank = mine.bank_out;
      WregState w = mine.w_out;
      // Once both are unknown no other predecessor can change them: a join
      // of many branches is not walked once per branch.
      bool bank_lost = false, w_lost = false;
      for (block_edge *p = s->predecessors; p && !(bank_lost && w_lost); p = p->next) {
        if (p->block == b)
          continue;
        const BlockState &other = state_[p->block->number];
        if (!bank_lost && !s_agree(other.bank_out, bank)) {
          bank = BankState{};
          bank_lost = true;
        }
        if (!w_lost && (!other.w_out.known || !w.known || other.w_out.value != w.value)) {
          w = WregState{};
          w_lost = true;
        }
      }
      changed |= set_entry(s, bank, w);
    }
    return changed;
  }
};

}  // namespace

bool opt_optimize_banking(basic_block *blocks) { return Banking(blocks).run(); }
