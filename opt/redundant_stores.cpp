// Redundant constant stores and FSR reloads, one basic block at a time. In:
// a function's blocks. Out: stores removed that put into a byte the very
// constant it already holds (CLRF, SETF, MOVWF and MOVFF of a known
// constant to a plain variable byte), and LFSRs that load an FSR with the
// address it already holds. What each byte holds is followed from the top of
// each block; every write the instruction table reports drops what was
// known about the written bytes, a write through a pointer drops every
// variable byte, a call drops everything. An instruction a skip may step
// over neither goes nor teaches anything.
#include <map>
#include <utility>
#include <vector>

#include "gen/gen.h"
#include "opt/blocks.h"
#include "opt/dataflow.h"

namespace {

// What a byte is known to hold: a constant, or (an FSR's low byte) the
// address of symbol + offset as LFSR loads it.
struct Known {
  bool address;
  int value;
  SymbolRecord *sym;
  int32_t offset;
};

using Key = std::pair<const SymbolRecord *, int32_t>;

class Stores {
 public:
  explicit Stores(basic_block *b) : block_(b) {}

  bool run() {
    bool changed = false;
    for (ocode *oc = block_->first; oc;) {
      bool last = oc == block_->last;
      ocode *next = oc->next;
      while (next && !last && opt_is_op(next, WORD2)) {
        last = next == block_->last;
        next = next->next;
      }
      if (oc->type == OC_INST && !opt_is_op(oc, WORD2)) {
        if (redundant(oc)) {
          remove(oc);
          changed = true;
        } else {
          learn(oc);
        }
      } else if (oc->type != OC_INST && oc->type != OC_NOP && oc->type != OC_LABEL) {
        known_.clear();
      }
      if (last)
        break;
      oc = next;
    }
    return changed;
  }

 private:
  basic_block *block_;
  std::map<Key, Known> known_;
  node_refs refs_;

  static bool s_plain_variable(const inst_operand &op) {
    if (op.type != SYMBOL_OP || !op.data.symbol.sym)
      return false;
    SymbolRecord *sym = op.data.symbol.sym;
    long address = 0;
    int bytes = 0;
    SymbolRecord *group = nullptr;
    return !gen_register_info(sym, &address, &bytes, &group) && opt_sym_def_removable(sym);
  }

  const Known *find(const SymbolRecord *sym, int32_t offset) const {
    auto it = known_.find({sym, offset});
    return it == known_.end() ? nullptr : &it->second;
  }

  bool holds(const inst_operand &op, int value) const {
    const Known *k = find(op.data.symbol.sym, op.data.symbol.offset);
    return k && !k->address && k->value == value;
  }

  // The constant an instruction stores into a plain variable byte, or -1.
  int stored_constant(const ocode *oc, const inst_operand **target) const {
    const inst *ins = oc->data.inst.ins;
    const inst_operand &op = ins->operand[0];
    *target = &op;
    switch (ins->opcode) {
    case CLRF: return s_plain_variable(op) ? 0 : -1;
    case SETF: return s_plain_variable(op) ? 0xFF : -1;
    case MOVWF: {
      const Known *w = find(WREGsym, 0);
      return s_plain_variable(op) && w && !w->address ? w->value : -1;
    }
    case MOVFF: {
      if (!oc->next || !opt_is_op(oc->next, WORD2) || op.type != SYMBOL_OP)
        return -1;
      *target = &oc->next->data.inst.ins->operand[0];
      const Known *src = find(op.data.symbol.sym, op.data.symbol.offset);
      return s_plain_variable(**target) && src && !src->address ? src->value : -1;
    }
    default: return -1;
    }
  }

  bool same_address(const ocode *oc) const {
    const inst *ins = oc->data.inst.ins;
    const inst_operand &k = ins->operand[1];
    if (k.type != SYMBOL_OP || ins->operand[0].type != LITERAL_OP || !oc->next || !opt_is_op(oc->next, WORD2))
      return false;
    const Known *low = find(s_fsr(ins->operand[0].data.literal), 0);
    return low && low->address && low->sym == k.data.symbol.sym && low->offset == k.data.symbol.offset &&
           low->value == k.reloc;
  }

  bool redundant(ocode *oc) {
    if (oc->immutable || block_->immutable || oc->data.inst.ins->from_asm || opt_after_skip(oc))
      return false;
    if (opt_is_op(oc, LFSR))
      return same_address(oc);
    const inst_operand *target = nullptr;
    int value = stored_constant(oc, &target);
    if (value < 0 || !holds(*target, value))
      return false;
    // CLRF sets Z: it may only go when nothing reads Z before it is set again
    return !opt_is_op(oc, CLRF) || opt_zn_dead_after(oc, block_);
  }

  void remove(ocode *oc) {
    while (oc->next && opt_is_op(oc->next, WORD2))
      remove_instruction_from_block(block_, oc->next);
    remove_instruction_from_block(block_, oc);
  }

  static SymbolRecord *s_fsr(int n) { return n == 0 ? FSR0Lsym : n == 1 ? FSR1Lsym : FSR2Lsym; }

  void forget(const std::vector<dfa_ref> &defs) {
    for (const dfa_ref &d : defs) {
      if (d.type == SYM_REF && s_is_register(d.sym)) {
        known_.erase({d.sym, 0});  // an FSR's address is kept on its low byte
        known_.erase({d.sym, d.offset});
      } else if (d.type == SYM_REF) {
        known_.erase({d.sym, d.offset});
      } else if (d.type == CALL_REF || (d.type == PTR_REF && d.offset != PTR_FRAME)) {
        known_.clear();  // a pointer may reach any byte
      } else if (d.type == PTR_REF) {
        for (auto it = known_.begin(); it != known_.end();)
          it = s_is_register(it->first.first) ? std::next(it) : known_.erase(it);
      }
    }
  }

  static bool s_is_register(const SymbolRecord *sym) {
    long address = 0;
    int bytes = 0;
    SymbolRecord *group = nullptr;
    return gen_register_info(sym, &address, &bytes, &group);
  }

  void learn(ocode *oc) {
    const inst *ins = oc->data.inst.ins;
    const inst_operand *target = nullptr;
    int value = stored_constant(oc, &target);
    if (!known_.empty()) {  // what it writes matters only to the values known
      opt_node_defs(oc, &refs_);
      forget(refs_.defs);
    }
    if (ins->from_asm || opt_after_skip(oc))
      return;
    const inst_operand &op = ins->operand[0];
    if (value >= 0) {
      known_[{target->data.symbol.sym, target->data.symbol.offset}] = Known{false, value, nullptr, 0};
    } else if (ins->opcode == MOVLW && op.type == LITERAL_OP) {
      known_[{WREGsym, 0}] = Known{false, op.data.literal & 0xFF, nullptr, 0};
    } else if (ins->opcode == LFSR && op.type == LITERAL_OP && ins->operand[1].type == SYMBOL_OP) {
      const inst_operand &k = ins->operand[1];
      known_[{s_fsr(op.data.literal), 0}] = Known{true, k.reloc, k.data.symbol.sym, k.data.symbol.offset};
    } else if (ins->opcode == MOVF && s_plain_variable(op) && ins->operand[1].type == LITERAL_OP &&
               ins->operand[1].data.literal == DEST_W) {
      const Known *src = find(op.data.symbol.sym, op.data.symbol.offset);
      if (src && !src->address)
        known_[{WREGsym, 0}] = *src;
    }
  }
};

}  // namespace

bool opt_redundant_store_elimination(basic_block *blocks) {
  bool changed = false;
  for (basic_block *b = blocks; b; b = b->next)
    changed |= Stores(b).run();
  return changed;
}
