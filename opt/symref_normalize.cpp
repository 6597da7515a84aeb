// Canonical spelling of symbol references. In: instruction operands and
// bit-test branch operands naming a symbol plus offset. Out: the same
// storage byte named one way only: a core register byte is named by the
// lowest byte of its register group plus the byte's offset in the group
// (PRODH is PRODL + 1, FSR0 is FSR0L + 0, TBLPTRU is TBLPTRL + 2); a
// register byte outside every group is named by itself with offset 0.
// References to any other symbol are left as they are.
#include "gen/gen.h"
#include "opt/opt.h"

// The canonical symbol and offset of register sym + offset.
static void s_normalize(SymbolRecord **sym, int32_t *offset) {
  long address = 0;
  int bytes = 0;
  SymbolRecord *group = nullptr;
  if (!gen_register_info(*sym, &address, &bytes, &group))
    return;
  long target = address + *offset;
  if (SymbolRecord *byte = gen_register_at(target))
    gen_register_info(byte, &address, &bytes, &group);
  long group_address = 0;
  SymbolRecord *ignored = nullptr;
  gen_register_info(group, &group_address, &bytes, &ignored);
  *sym = group;
  *offset = static_cast<int32_t>(target - group_address);
}

void opt_normalize_symref(inst_operand *op) {
  if (op->type == SYMBOL_OP && op->data.symbol.sym)
    s_normalize(&op->data.symbol.sym, &op->data.symbol.offset);
}

static void s_normalize_list(ocode *list) {
  for (ocode *oc = list; oc; oc = oc->next) {
    if (oc->type == OC_INST) {
      for (inst_operand &op : oc->data.inst.ins->operand)
        opt_normalize_symref(&op);
    } else if ((oc->type == OC_BTFBS || oc->type == OC_BTFBC) && oc->data.branch.data.src_type == SRC_SYMBOL &&
               oc->data.branch.data.sym) {
      s_normalize(&oc->data.branch.data.sym, &oc->data.branch.data.offset);
    }
  }
}

void opt_normalize_all_symrefs() {
  if (!section_set)
    return;
  for (void *rec = list_first(section_set); rec; rec = list_next(rec))
    s_normalize_list((*static_cast<SectionRecord **>(rec))->code);
}
