// Literal branches. In: a code section's output code. Out: every branch
// instruction the code generator wrote (not those of assembly blocks) as a
// branch node, and every branch node with a counted literal target as a
// branch to a label inserted before the node the count reaches.
#include "driver/diag.h"
#include "opt/opt.h"

static int32_t s_branch_kind(int32_t opcode) {
  switch (opcode) {
  case BC: return OC_BC;
  case BNC: return OC_BNC;
  case BN: return OC_BN;
  case BNN: return OC_BNN;
  case BZ: return OC_BZ;
  case BNZ: return OC_BNZ;
  case BOV: return OC_BOV;
  case BNOV: return OC_BNOV;
  case BRA: return OC_BRANCH;
  case GOTO: return OC_BRANCH;
  default:
    VELC_ASSERT(!"a branch instruction of a known kind");
    return OC_BRANCH;
  }
}

// A generated BRA, Bcc or GOTO becomes the branch node of its kind: a
// symbol target as such, a displacement n as the count n + 1.
static void s_to_branch_node(ocode *oc) {
  inst *ins = oc->data.inst.ins;
  int32_t kind = s_branch_kind(ins->opcode);
  if (ins->opcode == GOTO) {
    VELC_ASSERT(oc->next && oc->next->type == OC_INST && oc->next->data.inst.ins->opcode == WORD2);
    ocodeFree(ocode_unlink(oc->next));
  }
  const inst_operand op = ins->operand[0];
  inst_free(ins);
  oc->type = kind;
  oc->data.branch = {};
  if (op.type == SYMBOL_OP) {
    VELC_ASSERT(op.data.symbol.offset == 0);
    oc->data.branch.type = SYMBOL_BRANCH;
    oc->data.branch.target.symbol = op.data.symbol.sym;
  } else {
    oc->data.branch.type = LITERAL_BRANCH;
    oc->data.branch.target.literal = static_cast<long>(op.data.literal) + 1;
  }
}

ocode *opt_convert_literal_branches(ocode *list) {
  for (ocode *oc = list; oc; oc = oc->next)
    if (oc->type == OC_INST && !oc->data.inst.ins->from_asm && is_branch(oc) && !is_skip_conditional(oc))
      s_to_branch_node(oc);
  for (ocode *oc = list; oc; oc = oc->next) {
    if (!ocode_is_branch_kind(oc->type) || oc->data.branch.type != LITERAL_BRANCH)
      continue;
    ocode *target = ocode_literal_target(oc, oc->data.branch.target.literal);
    VELC_ASSERT(target != nullptr);
    ocode *label = objInsertLabel(target);
    if (target == list)
      list = label;
    oc->data.branch.type = LABEL_BRANCH;
    oc->data.branch.target.label = label;
  }
  return list;
}
