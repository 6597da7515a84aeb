// Unreachable-code removal. In: one function's basic blocks. Out: the
// nodes of every block that nothing reaches (no predecessor) removed; the
// function's first block and immutable blocks stay.
#include "driver/diag.h"
#include "opt/blocks.h"

bool opt_unreachable_code_removal(basic_block *blocks) {
  VELC_ASSERT(blocks && blocks->first->type == OC_BFUNCT);
  bool changed = false;
  for (basic_block *b = blocks->next; b; b = b->next) {
    if (b->predecessors || b->immutable)
      continue;
    for (ocode *oc = b->first, *next; oc; oc = next) {
      next = oc == b->last ? nullptr : oc->next;
      remove_instruction(oc);
    }
    b->first = b->last = nullptr;
    changed = true;
  }
  return changed;  // the caller rebuilds the blocks
}
