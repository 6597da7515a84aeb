// Stores retargeted past a temporary. In: one function's blocks with the
// definition map and use-definition chains of the dead-code analysis. Out:
// every `MOVFF t, r` whose temporary byte t was written by one earlier
// store of the same block (`MOVWF`, `CLRF`, `MOVFF`, `MOVSF`) that nothing
// else reads is gone, and that store writes r itself:
//
//     MOVWF t          MOVWF FSR0L
//     ...         =>   ...
//     MOVFF t, FSR0L
//
// Code generation computes addresses and values into temporaries and then
// copies them where they are needed; this writes them there at once. The
// store may move r's write earlier only when nothing between the two
// instructions reads or writes r, nothing between reaches memory through a
// pointer (the frame excepted) or calls, and neither instruction is
// conditional (after a skip), immutable or written in assembly. A chain of
// copies goes in one run, and so do the bank selections that only the
// moved stores and the removed copies read: the pass leaves nothing that
// dead-code removal would take at once.
#include <algorithm>

#include "device/instset.h"
#include "gen/gen.h"
#include "opt/blocks.h"
#include "opt/dataflow.h"
#include "trans/symtbl.h"

namespace {

// The registers a store may write at once, besides plain variables.
bool s_target_register(const SymbolRecord *sym) {
  return sym == FSR0Lsym || sym == FSR1Lsym || sym == PRODLsym || sym == TBLPTRLsym || sym == TABLATsym;
}

bool s_target(const inst_operand &r) {
  if (r.type != SYMBOL_OP || !r.data.symbol.sym)
    return false;
  const SymbolRecord *sym = r.data.symbol.sym;
  if (s_target_register(sym))
    return true;
  return !opt_core_register(sym, nullptr) && opt_sym_def_removable(sym);
}

ocode *s_word2(ocode *oc) { return oc->next && opt_is_op(oc->next, WORD2) ? oc->next : nullptr; }

bool s_plain(const basic_block *b, ocode *oc) {
  return oc->type == OC_INST && !oc->immutable && !b->immutable && !oc->data.inst.ins->from_asm &&
         !opt_after_skip(oc);
}

// The operand a store writes: the file operand of MOVWF and CLRF, the
// second word of MOVFF and MOVSF; null for anything else.
inst_operand *s_store_target(ocode *oc) {
  inst *ins = oc->data.inst.ins;
  switch (ins->opcode) {
  case MOVWF:
  case CLRF: return &ins->operand[0];
  case MOVFF:
  case MOVSF: {
    ocode *second = s_word2(oc);
    return second && !second->immutable ? &second->data.inst.ins->operand[0] : nullptr;
  }
  default: return nullptr;
  }
}

bool s_names(const dfa_ref &ref, const inst_operand &r) {
  return ref.type == SYM_REF && ref.sym == r.data.symbol.sym && ref.offset == r.data.symbol.offset;
}

// Whether a reference leaves r alone: it names another byte or a flag, or
// the frame (the software stack holds no other variable).
bool s_other(const dfa_ref &ref, const inst_operand &r) {
  if (ref.type == SYM_REF)
    return !s_names(ref, r);
  if (ref.type == PTR_REF || ref.type == MEM_USE)
    return ref.offset == PTR_FRAME && r.data.symbol.sym != _stacksym;
  return ref.type == CC_REF;
}

// Whether a node leaves r alone: it neither reads nor writes r, nor
// reaches memory through a pointer, nor calls.
bool s_leaves_alone(ocode *oc, const inst_operand &r, node_refs &refs) {
  opt_node_refs(oc, &refs);
  for (const dfa_ref &d : refs.defs)
    if (!s_other(d, r))
      return false;
  for (const dfa_ref &u : refs.uses)
    if (!s_other(u, r))
      return false;
  return true;
}

struct Retarget {
  const dfa_map *defs;
  std::vector<int> readers;  // per definition of a temporary or BSR: the uses its value reaches
  std::vector<ocode *> moved;  // per definition: the store that makes it now, once retargeted
  node_refs refs;
  bool settled = true;         // false: a MOVLB that only a retargeted store read is left

  // The node that makes definition n: the store a copy's write moved to,
  // so that a chain of copies (t1 to t2, t2 to r) goes in one run.
  ocode *maker(int n) const { return moved[size_t(n)] ? moved[size_t(n)] : defs->refs[size_t(n)].node; }

  // Definition n's writes of r are now the store's.
  void move_definition(const ocode *copy, const inst_operand &r, ocode *store) {
    const ocode_dfa &d = *copy->dfa;
    for (int i = d.def_first; i < d.def_first + d.def_count; ++i)
      if (s_names(defs->refs[size_t(i)], r))
        moved[size_t(i)] = store;
  }

  // The one definition of byte (sym, offset) that reaches node oc, or -1.
  int only_definition(const ocode *oc, const inst_operand &t) const {
    int found = -1;
    bool several = false;
    opt_each_chain_def(defs, *oc->dfa, [&](int n) {
      if (s_names(defs->refs[size_t(n)], t)) {
        several |= found >= 0 && found != n;
        found = n;
      }
    });
    return several ? -1 : found;
  }

  // Every symbol operand of a variable counts as reading BSR, so node
  // (the copy that goes, or a store that now writes a core register
  // only) may have been the last reader of a bank selection. A MOVLB of
  // this block before the store that nothing else reads goes too, so that
  // the pass leaves no dead code behind; one it cannot take makes the run
  // unsettled (dead-code removal takes it next time).
  void release_bank(basic_block *b, const ocode *node, const ocode *store) {
    opt_each_chain_def(defs, *node->dfa, [&](int n) {
      const dfa_ref &def = defs->refs[size_t(n)];
      if (def.type != SYM_REF || def.sym != BSRsym || --readers[size_t(n)] > 0)
        return;
      ocode *bank = maker(n);
      ocode *at = b->first;
      while (at != bank && at != store && at != b->last)
        at = at->next;
      if (at == bank && s_plain(b, bank) && opt_is_op(bank, MOVLB)) {
        bank->dfa = nullptr;
        remove_instruction_from_block(b, bank);
      } else {
        settled = false;
      }
    });
  }

  bool reads_bank(ocode *oc) {
    opt_node_refs(oc, &refs);
    for (const dfa_ref &u : refs.uses)
      if (u.type == ALL_USE || (u.type == SYM_REF && u.sym == BSRsym))
        return true;
    return false;
  }

  // Retargets the store of t that MOVFF t, r at copy reads; true when done.
  bool copy(basic_block *b, ocode *copy) {
    ocode *second = s_word2(copy);
    if (!second || second->immutable || !s_plain(b, copy))
      return false;
    const inst_operand &t = copy->data.inst.ins->operand[0];
    const inst_operand &r = second->data.inst.ins->operand[0];
    if (t.type != SYMBOL_OP || !t.data.symbol.sym || !t.data.symbol.sym->temporary || !s_target(r))
      return false;
    int n = only_definition(copy, t);
    if (n < 0 || readers[size_t(n)] != 1)
      return false;
    ocode *store = maker(n);
    // The store lies before the copy in this block (dead-code removal may
    // have freed it: only pointers are compared until it is found).
    ocode *at = b->first;
    while (at && at != store && at != copy && at != b->last)
      at = at->next;
    if (at != store)
      return false;
    inst_operand *target = s_plain(b, store) ? s_store_target(store) : nullptr;
    if (!target || target->type != SYMBOL_OP || target->data.symbol.sym != t.data.symbol.sym ||
        target->data.symbol.offset != t.data.symbol.offset)
      return false;
    int opcode = store->data.inst.ins->opcode;
    bool single = opcode == MOVWF || opcode == CLRF;
    if (single && inst_access_bit(r.data.symbol.sym) != 0)
      return false;  // one word reaches r only in the access bank
    // Everything between the store and the copy leaves r alone.
    ocode *oc = s_word2(store) ? s_word2(store)->next : store->next;
    for (; oc && oc != copy; oc = oc->next) {
      if (opt_is_op(oc, WORD2) || oc->type == OC_NOP)
        continue;
      if (oc->type != OC_INST || !s_leaves_alone(oc, r, refs) || oc == b->last)
        return false;
    }
    if (oc != copy)
      return false;
    release_bank(b, copy, store);
    move_definition(copy, r, store);
    target->data.symbol.sym = r.data.symbol.sym;
    target->data.symbol.offset = r.data.symbol.offset;
    if (single)
      store->data.inst.ins->operand[1].data.literal = 0;
    if (!reads_bank(store))
      release_bank(b, store, store);
    second->dfa = nullptr;
    remove_instruction_from_block(b, second);
    copy->dfa = nullptr;
    remove_instruction_from_block(b, copy);
    return true;
  }
};

}  // namespace

// Temporaries whose address the function forms (a structure value built
// or read through a pointer): a read through a pointer may reach them.
static std::vector<const SymbolRecord *> s_addressed_temporaries(basic_block *blocks) {
  std::vector<const SymbolRecord *> syms;
  for (basic_block *b = blocks; b; b = b->next)
    for (ocode *oc = b->first; oc; oc = oc->next) {
      if (oc->type == OC_INST) {
        const inst *ins = oc->data.inst.ins;
        switch (ins->opcode) {
        case MOVLW: case ADDLW: case ANDLW: case IORLW: case XORLW: case SUBLW: case RETLW: case MULLW:
        case LFSR:
          for (const inst_operand &op : ins->operand)
            if (op.type == SYMBOL_OP && op.data.symbol.sym && op.data.symbol.sym->temporary)
              syms.push_back(op.data.symbol.sym);
          break;
        default: break;
        }
      }
      if (oc == b->last)
        break;
    }
  return syms;
}

// Per definition of a temporary byte or of BSR (the only counts a copy and
// a released bank selection look at; the others stay 0), the nodes that
// read its value: a node whose chain holds a definition of a temporary
// byte reads it when it names the byte, uses everything (a call, the
// function's end), or reads through a pointer and the function forms the
// temporary's address; a definition of BSR is read by every node whose
// chain holds it. The sets of broad uses are taken a word at a time,
// through masks of the counted definitions.
static std::vector<int> s_readers(basic_block *blocks, const dfa_map *defs) {
  std::vector<const SymbolRecord *> addressed = s_addressed_temporaries(blocks);
  std::sort(addressed.begin(), addressed.end());
  std::vector<int> readers(defs->refs.size(), 0);
  // counted: the temporaries and BSR; bank: BSR; formed: the temporaries
  // whose address is formed.
  std::vector<uint32_t> counted(defs->wide_words, 0), bank(defs->wide_words, 0), formed(defs->wide_words, 0);
  for (size_t n = 0; n < defs->refs.size(); ++n) {
    const dfa_ref &def = defs->refs[n];
    if (def.type != SYM_REF || !(def.sym->temporary || def.sym == BSRsym))
      continue;
    counted[n / 32] |= 1u << (n % 32);
    if (!def.sym->temporary)
      bank[n / 32] |= 1u << (n % 32);
    else if (std::binary_search(addressed.begin(), addressed.end(), def.sym))
      formed[n / 32] |= 1u << (n % 32);
  }
  for (const ocode_dfa &d : defs->nodes) {
    if (!d.essential)
      continue;  // removed as dead: it reads nothing any more
    bool all = false, memory = false, names_temporary = false;
    for (int i = d.use_first; i < d.use_first + d.use_count; ++i) {
      const dfa_ref &use = defs->uses[size_t(i)];
      all |= use.type == ALL_USE || use.type == EXIT_USE;
      memory |= use.type == MEM_USE;
      names_temporary |= use.type == SYM_REF && use.sym && use.sym->temporary;
    }
    // Whether the node reads counted definition n: BSR always; a temporary
    // when the node uses everything, reads through a pointer and the
    // address is formed, or names the byte.
    auto reads = [&](int n) {
      const dfa_ref &def = defs->refs[size_t(n)];
      if (all || !def.sym->temporary || (memory && (formed[size_t(n) / 32] >> (n % 32) & 1u)))
        return true;
      for (int u = d.use_first; u < d.use_first + d.use_count; ++u) {
        const dfa_ref &use = defs->uses[size_t(u)];
        if (use.type == SYM_REF && use.sym == def.sym && use.offset == def.offset)
          return true;
      }
      return false;
    };
    for (int i = d.chain_first; i < d.chain_first + d.chain_count; ++i) {
      int n = defs->chains[size_t(i)];
      if (counted[size_t(n) / 32] >> (n % 32) & 1u)
        readers[size_t(n)] += reads(n);
    }
    const uint32_t *set = defs->wide.data() + d.wide_first;
    for (int k = 0; k < d.wide_count; ++k, set += defs->wide_words)
      for (size_t w = 0; w < defs->wide_words; ++w) {
        uint32_t bits = set[w] & counted[w];
        // Every bit the node reads for sure is counted without a look at
        // its definition; the other temporaries only when the node names
        // a temporary at all.
        uint32_t taken = all ? bits : bits & (bank[w] | (memory ? formed[w] : 0));
        for (uint32_t b = taken; b; b &= b - 1)
          ++readers[w * 32 + size_t(__builtin_ctz(b))];
        if (names_temporary)
          for (uint32_t b = bits & ~taken; b; b &= b - 1) {
            int n = int(w * 32 + size_t(__builtin_ctz(b)));
            readers[size_t(n)] += reads(n);
          }
      }
  }
  return readers;
}

bool opt_retarget_stores(basic_block *blocks, const dfa_map *defs, bool *settled) {
  Retarget work{defs, s_readers(blocks, defs), std::vector<ocode *>(defs->refs.size(), nullptr), {}};
  bool changed = false;
  for (basic_block *b = blocks; b; b = b->next) {
    if (b->immutable)
      continue;
    for (ocode *oc = b->first; oc;) {
      bool last = oc == b->last;
      ocode *next = oc->next;
      while (next && !last && opt_is_op(next, WORD2)) {
        last = next == b->last;
        next = next->next;
      }
      if (oc->type == OC_INST && oc->dfa && opt_is_op(oc, MOVFF))
        changed |= work.copy(b, oc);
      if (last)
        break;
      oc = next;
    }
  }
  if (settled)
    *settled = work.settled;
  return changed;
}
