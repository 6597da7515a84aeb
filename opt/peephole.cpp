// Peephole rewrites. In: one basic block (or, for the post-processing, a
// whole code section's list). Out: MOVFF between WREG and an access-bank
// variable as one-word MOVF/MOVWF, MOVFF of a byte onto itself removed,
// MOVLW before RETURN as RETLW; and CALL directly followed by RETURN as a
// GOTO.
#include "driver/diag.h"
#include "gen/gen.h"
#include "device/inst_effects.h"
#include "opt/blocks.h"

static bool s_is_sym(const inst_operand &op, const SymbolRecord *sym) {
  return op.type == SYMBOL_OP && op.data.symbol.sym == sym && op.data.symbol.offset == 0;
}

static bool s_mutable_pair(const ocode *oc) {
  return !oc->immutable && oc->next && opt_is_op(oc->next, WORD2) && !oc->next->immutable;
}

// Replaces the two nodes of a MOVFF by one instruction.
static void s_replace_movff(basic_block *block, ocode *oc, inst *with) {
  remove_instruction_from_block(block, oc->next);
  inst_free(oc->data.inst.ins);
  oc->data.inst.ins = with;
}

static bool s_movff(basic_block *block, ocode *oc) {
  if (!opt_is_op(oc, MOVFF) || !s_mutable_pair(oc))
    return false;
  const inst_operand &src = oc->data.inst.ins->operand[0];
  const inst_operand &dst = oc->next->data.inst.ins->operand[0];
  if (src.type != SYMBOL_OP || dst.type != SYMBOL_OP)
    return false;
  if (s_is_sym(dst, WREGsym) && opt_is_near(src.data.symbol.sym) && opt_zn_dead_after(oc, block)) {
    s_replace_movff(block, oc, iqx_opWF(MOVF, src.data.symbol.sym, src.data.symbol.offset, DEST_W));
    return true;
  }
  if (s_is_sym(src, WREGsym) && opt_is_near(dst.data.symbol.sym)) {
    s_replace_movff(block, oc, iqx_MOVWF(dst.data.symbol.sym, dst.data.symbol.offset));
    return true;
  }
  if (src.data.symbol.sym == dst.data.symbol.sym && src.data.symbol.offset == dst.data.symbol.offset &&
      !opt_after_skip(oc)) {
    remove_instruction_from_block(block, oc->next);
    remove_instruction_from_block(block, oc);
    return true;
  }
  return false;
}

static bool s_return_plain(const ocode *oc) {
  if (!opt_is_op(oc, RETURN))
    return false;
  const inst_operand &s = oc->data.inst.ins->operand[0];
  return s.type != LITERAL_OP || s.data.literal == 0;
}

static bool s_retlw(basic_block *block, ocode *oc) {
  if (!opt_is_op(oc, MOVLW) || oc->immutable || oc == block->last || opt_after_skip(oc))
    return false;
  const inst_operand &k = oc->data.inst.ins->operand[0];
  ocode *ret = opt_real_instruction(oc->next);
  if (k.type != LITERAL_OP || !s_return_plain(ret) || ret->immutable)
    return false;
  for (ocode *p = oc->next; p != ret; p = p->next)
    if (p == block->last)
      return false;  // the RETURN starts another block
  inst_free(ret->data.inst.ins);
  ret->data.inst.ins = iqx_RETLW(k.data.literal);
  remove_instruction_from_block(block, oc);
  return true;
}

// Whether the Z and N flags are live across oc is settled at oc: it
// reads or unconditionally writes both. A rewrite after such a node cannot
// change what any rewrite before it would see (opt_zn_dead_after stops
// there, and the other tests look at most one instruction ahead).
static bool s_zn_barrier(ocode *oc) {
  if (oc->type != OC_INST || opt_is_op(oc, WORD2))
    return false;
  inst_effects e = inst_effects_of(oc->data.inst.ins->opcode, 1, 0, 0);
  constexpr uint32_t ZN = EFF_Z | EFF_N;
  return (e.reads & ZN) == ZN || ((e.writes & ZN) == ZN && !opt_after_skip(oc));
}

int opt_peephole_block(basic_block *block, int limit) {
  if (block->immutable)
    return 0;
  // Each rewrite is found by a scan from the block's start, as if the scan
  // began there every time; the nodes before the last barrier ahead of a
  // rewrite were tested already and still fail, so the next scan resumes at
  // that barrier.
  int done = 0;
  ocode *resume = nullptr;  // null: the block's first node
  while (done < limit) {
    ocode *start = resume ? resume : block->first, *before = nullptr;
    bool changed = false;
    for (ocode *oc = start; oc; oc = oc->next) {
      before = oc == start ? nullptr : oc->prev;
      if (s_movff(block, oc) || s_retlw(block, oc)) {
        changed = true;
        break;
      }
      if (oc == block->last)
        break;
    }
    if (!changed)
      break;
    ++done;
    for (ocode *p = before; p; p = p == start ? nullptr : p->prev)
      if (s_zn_barrier(p)) {
        resume = p;
        break;
      }
  }
  return done;
}

bool opt_peephole_optimizations(basic_block *block) { return opt_peephole_block(block, 1) > 0; }

bool opt_post_process_peephole_optimizations(ocode *list) {
  bool changed = false;
  for (ocode *oc = list; oc; oc = oc->next) {
    if (!opt_is_op(oc, CALL) || oc->immutable || oc->data.inst.ins->from_asm)
      continue;
    VELC_ASSERT(oc->next && opt_is_op(oc->next, WORD2) && "oc->next->data.inst.ins->opcode == WORD2");
    ocode *ret = oc->next->next;
    if (!s_return_plain(ret) || ret->immutable || oc->next->immutable || ret->data.inst.ins->from_asm ||
        opt_after_skip(oc))
      continue;
    inst *ins = oc->data.inst.ins;
    ins->opcode = GOTO;
    if (ins->operand[0].type == SYMBOL_OP)
      ins->operand[0].reloc = RELOCT_GOTO;
    ins->operand[1] = inst_operand{};
    if (oc->next->data.inst.ins->operand[0].type == SYMBOL_OP)
      oc->next->data.inst.ins->operand[0].reloc = RELOCT_GOTO2;
    remove_instruction(ret);
    changed = true;
  }
  return changed;
}
