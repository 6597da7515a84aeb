// Peephole rewrites. In: one basic block (or, for the post-processing, a
// whole code section's list). Out: MOVFF between WREG and an access-bank
// variable as one-word MOVF/MOVWF, MOVFF of a byte onto itself removed,
// MOVLW before RETURN as RETLW; and CALL directly followed by RETURN as a
// GOTO.
#include "driver/diag.h"
#include "gen/gen.h"
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

bool opt_peephole_optimizations(basic_block *block) {
  if (block->immutable)
    return false;
  for (ocode *oc = block->first; oc; oc = oc->next) {
    if (s_movff(block, oc) || s_retlw(block, oc))
      return true;  // the block's nodes changed: start again
    if (oc == block->last)
      break;
  }
  return false;
}

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
