// Classification of output-code nodes. In: one node. Out: whether it is a
// skip, a return, a call or a branch, read from the node kind or, for an
// OC_INST, from its opcode. Used by the optimiser and the code generator.
#include "gen/ocode.h"

static int32_t s_opcode(const ocode *oc) { return oc && oc->type == OC_INST ? oc->data.inst.ins->opcode : 0; }

bool ocode_is_branch_kind(int32_t type) { return type >= OC_BRANCH && type <= OC_BTFBC; }
bool ocode_is_conditional_kind(int32_t type) { return type >= OC_BZ && type <= OC_BTFBC; }

bool is_skip_conditional(const ocode *oc) {
  switch (s_opcode(oc)) {
  case TSTFSZ: case CPFSLT: case CPFSGT: case CPFSEQ: case BTFSC: case BTFSS:
  case DCFSNZ: case DECFSZ: case INFSNZ: case INCFSZ:
    return true;
  default:
    return false;
  }
}

bool is_return(const ocode *oc) {
  switch (s_opcode(oc)) {
  case RETURN: case RETFIE: case RETLW: case ADDULNK: case SUBULNK: case RESET:
    return true;
  default:
    return false;
  }
}

bool is_call(const ocode *oc) { return s_opcode(oc) == CALL; }
bool is_rcall(const ocode *oc) { return s_opcode(oc) == RCALL; }
bool is_callw(const ocode *oc) { return s_opcode(oc) == CALLW; }

bool is_unconditional_branch(const ocode *oc) {
  if (!oc)
    return false;
  if (oc->type == OC_BRANCH)
    return true;
  int32_t op = s_opcode(oc);
  return op == BRA || op == GOTO;
}

bool is_conditional_branch(const ocode *oc) {
  if (!oc)
    return false;
  if (ocode_is_conditional_kind(oc->type))
    return true;
  switch (s_opcode(oc)) {
  case BC: case BN: case BNC: case BNN: case BNOV: case BNZ: case BOV: case BZ:
    return true;
  default:
    return false;
  }
}

bool is_branch(const ocode *oc) {
  if (!oc)
    return false;
  if (ocode_is_branch_kind(oc->type))
    return true;
  if (oc->type != OC_INST)
    return false;
  return is_unconditional_branch(oc) || is_conditional_branch(oc) || is_skip_conditional(oc) ||
         s_opcode(oc) == RESET;
}
