// Copy propagation, one basic block at a time. In: a function's blocks. Out:
// MOVFFs, and MOVFs into WREG, that read a byte known to hold the same value
// as an earlier byte read that earlier byte instead, so that the copies in
// between may become dead. What is known is a list of available copies
// (destination byte = source byte), followed from the top of each block:
// MOVFF, MOVF to WREG and MOVWF record one (and its chain back to the first
// source), and a MOVF to WREG of a byte WREG already holds goes when no
// one reads the flags it sets; whatever the effects table says an instruction writes drops the
// copies of the written bytes; a write through a pointer drops every copy
// (a frame write every copy of a variable byte); a call drops everything.
// Only plain bytes take part: WREG, BSR, PROD, the FSRs, the table
// registers and non-volatile variables, never an indirect register, STATUS
// or an I/O byte. A MOVF source is only replaced by a byte of the access
// bank, as BSR may select another bank; a MOVFF names full addresses. An
// instruction a skip may step over, an immutable one or one from an
// assembly block is never rewritten and teaches nothing.
#include <vector>

#include "device/inst_effects.h"
#include "device/instset.h"
#include "gen/gen.h"
#include "opt/blocks.h"
#include "opt/dataflow.h"

namespace {

constexpr long ACCESS_SFR_START = 0xF80;  // the registers the access bank reaches
constexpr size_t MAX_COPIES = 256;        // older copies are forgotten beyond this (chains grow fast)

// dst holds the same value as src.
struct Copy {
  SymbolRecord *dst;
  int32_t dst_offset;
  SymbolRecord *src;
  int32_t src_offset;
};

// The available copies, the most recent first.
using CopyList = std::vector<Copy>;

bool s_is_fsr(const SymbolRecord *sym) { return sym == FSR0Lsym || sym == FSR1Lsym || sym == FSR2Lsym; }

// Whether a byte may be one side of a copy: a byte whose value changes only
// by the writes the instruction table reports and whose reading has no
// effect of its own.
bool s_pairable(const SymbolRecord *sym) {
  if (!sym)
    return false;
  if (s_is_fsr(sym))
    return true;
  if (sym == _stacksym)
    return false;
  return opt_sym_def_removable(sym);
}

bool s_same(const SymbolRecord *a, int32_t aoff, const SymbolRecord *b, int32_t boff) {
  return a == b && aoff == boff;
}

void s_remove_from_acp(CopyList &list, const SymbolRecord *sym, int32_t offset) {
  std::erase_if(list, [&](const Copy &c) {
    return s_same(c.dst, c.dst_offset, sym, offset) || s_same(c.src, c.src_offset, sym, offset);
  });
}

// Records dst = src; every copy src = x already known gives dst = x too,
// ahead of the direct one, so the first copy found for a byte leads to the
// first source of its chain.
void s_add_to_acp(CopyList &list, SymbolRecord *dst, int32_t dst_offset, SymbolRecord *src, int32_t src_offset) {
  if (s_same(dst, dst_offset, src, src_offset) || !s_pairable(dst) || !s_pairable(src))
    return;
  CopyList added;
  for (const Copy &c : list)
    if (s_same(c.dst, c.dst_offset, src, src_offset) && !s_same(c.src, c.src_offset, dst, dst_offset))
      added.push_back({dst, dst_offset, c.src, c.src_offset});
  added.push_back({dst, dst_offset, src, src_offset});
  list.insert(list.begin(), added.begin(), added.end());
  if (list.size() > MAX_COPIES)
    list.resize(MAX_COPIES);
}

// A read or write through an indirect register that moves its FSR (the
// post-increment, post-decrement and pre-increment forms) changes the FSR.
void s_handle_acp_read_indirection(CopyList &list, const inst_operand &op) {
  long address = 0;
  if (op.type != SYMBOL_OP || !opt_core_register(op.data.symbol.sym, &address))
    return;
  uint32_t r = inst_effects_register(unsigned(address + op.data.symbol.offset));
  unsigned form = unsigned(address + op.data.symbol.offset) & 7;  // 6 POSTINC, 5 POSTDEC, 4 PREINC
  if (!(r & EFF_INDIRECT) || form < 4 || form > 6)
    return;
  SymbolRecord *fsr = (r & EFF_FSR0) ? FSR0Lsym : (r & EFF_FSR1) ? FSR1Lsym : FSR2Lsym;
  s_remove_from_acp(list, fsr, 0);
  s_remove_from_acp(list, fsr, 1);
}

// A write through a pointer may reach any byte; a write to the frame (the
// software stack) any variable byte, not a register.
void s_handle_acp_write_indirection(CopyList &list, bool frame) {
  if (!frame) {
    list.clear();
    return;
  }
  std::erase_if(list, [](const Copy &c) {
    return !opt_core_register(c.dst, nullptr) || !opt_core_register(c.src, nullptr);
  });
}

// Drops the copies of every byte the node writes.
void s_forget(CopyList &list, const node_refs &refs) {
  for (const dfa_ref &d : refs.defs) {
    switch (d.type) {
    case SYM_REF: s_remove_from_acp(list, d.sym, d.offset); break;
    case CC_REF: s_remove_from_acp(list, STATUSsym, 0); break;
    case PTR_REF: s_handle_acp_write_indirection(list, d.offset == PTR_FRAME); break;
    default: list.clear(); break;
    }
  }
}

// Whether the table knows what the instruction does; one it does not
// model (a pseudo-instruction) drops everything.
bool s_modelled(const inst *ins) {
  if (ins->opcode == NOP || ins->opcode == WORD2)
    return true;
  inst_effects e = inst_effects_of(ins->opcode, 1, 0, 0);
  return e.reads != 0 || e.writes != 0;
}

// The first source known to hold the value of op's byte that ok accepts.
template <class Ok> const Copy *s_find_source(const CopyList &list, const inst_operand &op, Ok ok) {
  if (op.type != SYMBOL_OP || !op.data.symbol.sym)
    return nullptr;
  for (const Copy &c : list)
    if (s_same(c.dst, c.dst_offset, op.data.symbol.sym, op.data.symbol.offset) && ok(c))
      return &c;
  return nullptr;
}

void s_copy_value(inst_operand &op, const Copy &c) {
  op.data.symbol.sym = c.src;
  op.data.symbol.offset = c.src_offset;
}

// Whether a MOVF may name the byte with the access bit 0 whatever BSR holds.
bool s_in_access_bank(const SymbolRecord *sym) {
  long address = 0;
  if (opt_core_register(sym, &address))
    return address >= ACCESS_SFR_START;
  return opt_is_near(sym);
}

bool s_is_movf_to_w(const inst *ins) {
  return ins->opcode == MOVF && ins->operand[0].type == SYMBOL_OP && ins->operand[1].type == LITERAL_OP &&
         ins->operand[1].data.literal == DEST_W && ins->operand[2].type == LITERAL_OP;
}

// The second word of a MOVFF, or null.
ocode *s_word2(ocode *oc) { return oc->next && opt_is_op(oc->next, WORD2) ? oc->next : nullptr; }

// Replaces the source of a MOVFF or a MOVF to WREG by an earlier byte
// holding the same value. Returns whether it did.
bool s_propagate(const CopyList &list, ocode *oc) {
  inst *ins = oc->data.inst.ins;
  if (ins->opcode == MOVFF) {
    ocode *second = s_word2(oc);
    if (!second || second->immutable)
      return false;
    const Copy *c = s_find_source(list, ins->operand[0], [](const Copy &k) { return k.src != WREGsym; });
    if (c)
      s_copy_value(ins->operand[0], *c);
    return c != nullptr;
  }
  if (s_is_movf_to_w(ins)) {
    const Copy *c =
        s_find_source(list, ins->operand[0], [](const Copy &k) { return k.src != WREGsym && s_in_access_bank(k.src); });
    if (!c)
      return false;
    s_copy_value(ins->operand[0], *c);
    ins->operand[2].data.literal = 0;
    return true;
  }
  return false;
}

// The copy an instruction makes, from the source it had before any
// replacement (the chain rule adds the earlier sources).
void s_record(CopyList &list, ocode *oc, const inst_operand &source) {
  const inst *ins = oc->data.inst.ins;
  if (source.type != SYMBOL_OP)
    return;
  if (ins->opcode == MOVFF) {
    ocode *second = s_word2(oc);
    const inst_operand &dst = second ? second->data.inst.ins->operand[0] : source;
    if (second && dst.type == SYMBOL_OP)
      s_add_to_acp(list, dst.data.symbol.sym, dst.data.symbol.offset, source.data.symbol.sym,
                   source.data.symbol.offset);
  } else if (s_is_movf_to_w(ins)) {
    s_add_to_acp(list, WREGsym, 0, source.data.symbol.sym, source.data.symbol.offset);
  } else if (ins->opcode == MOVWF) {
    s_add_to_acp(list, source.data.symbol.sym, source.data.symbol.offset, WREGsym, 0);
  }
}

// Whether a MOVF to WREG reads a byte WREG already holds.
bool s_reloads_w(const CopyList &list, const inst *ins) {
  if (!s_is_movf_to_w(ins))
    return false;
  const inst_operand &op = ins->operand[0];
  for (const Copy &c : list)
    if ((s_same(c.dst, c.dst_offset, WREGsym, 0) && s_same(c.src, c.src_offset, op.data.symbol.sym, op.data.symbol.offset)) ||
        (s_same(c.src, c.src_offset, WREGsym, 0) && s_same(c.dst, c.dst_offset, op.data.symbol.sym, op.data.symbol.offset)))
      return true;
  return false;
}

// The next node to visit after oc (past a second word), or null after the
// block's last node.
ocode *s_next(const basic_block *b, ocode *oc) {
  for (;;) {
    if (oc == b->last || !oc->next)
      return nullptr;
    oc = oc->next;
    if (!opt_is_op(oc, WORD2))
      return oc;
  }
}

bool s_local_copy_propagation(basic_block *b, node_refs &refs) {
  bool changed = false;
  CopyList list;
  for (ocode *oc = b->first, *next = nullptr; oc; oc = next) {
    next = s_next(b, oc);
    if (oc->type == OC_NOP || oc->type == OC_LABEL)
      continue;
    if (oc->type != OC_INST || opt_is_op(oc, WORD2)) {
      list.clear();
      continue;
    }
    inst *ins = oc->data.inst.ins;
    bool skipped = opt_after_skip(oc);  // may or may not run
    bool trusted = !ins->from_asm && !skipped;
    inst_operand source = ins->operand[0];
    if (trusted && !oc->immutable && !b->immutable && s_reloads_w(list, ins) && opt_zn_dead_after(oc, b)) {
      remove_instruction_from_block(b, oc);  // nothing changes but the flags nobody reads
      changed = true;
      continue;
    }
    if (trusted && !oc->immutable && !b->immutable)
      changed |= s_propagate(list, oc);
    if (!s_modelled(ins) || ins->from_asm) {
      list.clear();
      continue;
    }
    s_handle_acp_read_indirection(list, ins->operand[0]);
    if (ocode *second = ins->opcode == MOVFF ? s_word2(oc) : nullptr)
      s_handle_acp_read_indirection(list, second->data.inst.ins->operand[0]);
    if (!list.empty()) {  // what it writes matters only to the copies known
      opt_node_defs(oc, &refs);
      s_forget(list, refs);
    }
    if (trusted)
      s_record(list, oc, source);
  }
  return changed;
}

}  // namespace

bool opt_copy_propagation(basic_block *blocks) {
  bool changed = false;
  node_refs refs;  // scratch, kept for its capacity
  for (basic_block *b = blocks; b; b = b->next)
    changed |= s_local_copy_propagation(b, refs);
  return changed;
}
