// Output-code nodes and lists. In: instructions, labels, function markers
// and branch targets from code generation and the optimiser. Out: nodes of
// the doubly linked output-code list, the list operations (append, label
// insertion, numbering, freeing) and the literal-branch counting rule.
#include "gen/ocode.h"

#include <cstdlib>

#include "driver/diag.h"
#include "util/record_pool.h"

// A unit's nodes live until its object is written, and every pass walks
// them in list order: taken from large blocks in the order code generation
// makes them, neighbours in the list are mostly neighbours in memory.
static_assert(alignof(ocode) <= RECORD_OFFSET);
static RecordPool s_nodes{sizeof(ocode), 2 * 1024 * 1024, true, fatal_out_of_memory, nullptr};

size_t ocode_live_records() { return s_nodes.live; }

ocode *ocodeCreate(int32_t type, long line, const char *file) {
  auto *oc = static_cast<ocode *>(record_pool_alloc(s_nodes));
  oc->type = type;
  oc->line = line;
  oc->file = file;
  return oc;
}

void ocodeFree(ocode *oc) {
  if (!oc)
    return;
  if (oc->type == OC_INST)
    inst_free(oc->data.inst.ins);
  if (oc->type == OC_LABEL && oc->data.label.sym && oc->data.label.sym->label_node == oc)
    oc->data.label.sym->label_node = nullptr;
  if (oc->type == OC_BFUNCT && oc->data.funct.sym && oc->data.funct.sym->begin_node == oc)
    oc->data.funct.sym->begin_node = nullptr;
  VELC_ASSERT(record_pool_release(s_nodes, oc));
}

ocode *ocodeNop(long line, const char *file) { return ocodeCreate(OC_NOP, line, file); }

ocode *ocodeLabel(SymbolRecord *sym, long line, const char *file) {
  ocode *oc = ocodeCreate(OC_LABEL, line, file);
  oc->data.label.sym = sym;
  if (sym)
    sym->label_node = oc;
  return oc;
}

ocode *ocodeBFunct(SymbolRecord *fsym, long line, const char *file) {
  ocode *oc = ocodeCreate(OC_BFUNCT, line, file);
  oc->data.funct.sym = fsym;
  oc->immutable = 1;
  if (fsym)
    fsym->begin_node = oc;
  return oc;
}

ocode *ocodeEFunct(SymbolRecord *fsym, long line, const char *file) {
  ocode *oc = ocodeCreate(OC_EFUNCT, line, file);
  oc->data.funct.sym = fsym;
  oc->immutable = 1;
  return oc;
}

ocode *ocodeInst(inst *ins, long line, const char *file) {
  VELC_ASSERT(ins != nullptr);
  ocode *oc = ocodeCreate(OC_INST, line, file);
  oc->data.inst.ins = ins;
  return oc;
}

// ---- branches -------------------------------------------------------------------

static ocode *s_branch_literal(int32_t kind, long L, long line, const char *file) {
  ocode *oc = ocodeCreate(kind, line, file);
  oc->data.branch.type = LITERAL_BRANCH;
  oc->data.branch.target.literal = L;
  return oc;
}

static ocode *s_branch_symbol(int32_t kind, SymbolRecord *sym, long line, const char *file) {
  ocode *oc = ocodeCreate(kind, line, file);
  oc->data.branch.type = SYMBOL_BRANCH;
  oc->data.branch.target.symbol = sym;
  return oc;
}

static void s_bit_source(ocode *oc, SymbolRecord *sym, int32_t off, int32_t a, int32_t bit) {
  oc->data.branch.data.src_type = SRC_SYMBOL;
  oc->data.branch.data.sym = sym;
  oc->data.branch.data.offset = off;
  oc->data.branch.data.access = a;
  oc->data.branch.data.bit = bit;
}

static void s_bit_source_idx(ocode *oc, int32_t k, int32_t bit) {
  oc->data.branch.data.src_type = SRC_IDX;
  oc->data.branch.data.offset = k;
  oc->data.branch.data.bit = bit;
}

ocode *ocodeBranchSymbol(SymbolRecord *sym, long line, const char *file) {
  return s_branch_symbol(OC_BRANCH, sym, line, file);
}
ocode *ocodeBranchLiteral(long L, long line, const char *file) { return s_branch_literal(OC_BRANCH, L, line, file); }
ocode *ocodeBranchBlock(basic_block *block, long line, const char *file) {
  ocode *oc = ocodeCreate(OC_BRANCH, line, file);
  oc->data.branch.type = BLOCK_BRANCH;
  oc->data.branch.target.block = block;
  return oc;
}
ocode *ocodeBLabel(int32_t kind, ocode *label, long line, const char *file) {
  VELC_ASSERT(ocode_is_branch_kind(kind));
  ocode *oc = ocodeCreate(kind, line, file);
  oc->data.branch.type = LABEL_BRANCH;
  oc->data.branch.target.label = label;
  return oc;
}
ocode *ocodeBZLiteral(long L, long line, const char *file) { return s_branch_literal(OC_BZ, L, line, file); }
ocode *ocodeBZSymbol(SymbolRecord *sym, long line, const char *file) { return s_branch_symbol(OC_BZ, sym, line, file); }
ocode *ocodeBNZLiteral(long L, long line, const char *file) { return s_branch_literal(OC_BNZ, L, line, file); }
ocode *ocodeBNZSymbol(SymbolRecord *sym, long line, const char *file) {
  return s_branch_symbol(OC_BNZ, sym, line, file);
}
ocode *ocodeBNLiteral(long L, long line, const char *file) { return s_branch_literal(OC_BN, L, line, file); }
ocode *ocodeBNSymbol(SymbolRecord *sym, long line, const char *file) { return s_branch_symbol(OC_BN, sym, line, file); }
ocode *ocodeBNNLiteral(long L, long line, const char *file) { return s_branch_literal(OC_BNN, L, line, file); }
ocode *ocodeBCLiteral(long L, long line, const char *file) { return s_branch_literal(OC_BC, L, line, file); }
ocode *ocodeBCSymbol(SymbolRecord *sym, long line, const char *file) { return s_branch_symbol(OC_BC, sym, line, file); }
ocode *ocodeBNCLiteral(long L, long line, const char *file) { return s_branch_literal(OC_BNC, L, line, file); }
ocode *ocodeBNCSymbol(SymbolRecord *sym, long line, const char *file) {
  return s_branch_symbol(OC_BNC, sym, line, file);
}
ocode *ocodeBVLiteral(long L, long line, const char *file) { return s_branch_literal(OC_BOV, L, line, file); }
ocode *ocodeBNVLiteral(long L, long line, const char *file) { return s_branch_literal(OC_BNOV, L, line, file); }

static ocode *s_btfb_literal(int32_t kind, SymbolRecord *sym, int32_t off, int32_t a, int32_t bit, long L, long line,
                             const char *file) {
  ocode *oc = s_branch_literal(kind, L, line, file);
  s_bit_source(oc, sym, off, a, bit);
  return oc;
}
static ocode *s_btfb_symbol(int32_t kind, SymbolRecord *sym, int32_t off, int32_t a, int32_t bit,
                            SymbolRecord *target, long line, const char *file) {
  ocode *oc = s_branch_symbol(kind, target, line, file);
  s_bit_source(oc, sym, off, a, bit);
  return oc;
}
static ocode *s_btfb_literal_idx(int32_t kind, int32_t k, int32_t bit, long L, long line, const char *file) {
  ocode *oc = s_branch_literal(kind, L, line, file);
  s_bit_source_idx(oc, k, bit);
  return oc;
}
static ocode *s_btfb_symbol_idx(int32_t kind, int32_t k, int32_t bit, SymbolRecord *target, long line,
                                const char *file) {
  ocode *oc = s_branch_symbol(kind, target, line, file);
  s_bit_source_idx(oc, k, bit);
  return oc;
}

ocode *ocodeBTFBSLiteral(SymbolRecord *sym, int32_t off, int32_t a, int32_t bit, long L, long line,
                         const char *file) {
  return s_btfb_literal(OC_BTFBS, sym, off, a, bit, L, line, file);
}
ocode *ocodeBTFBSSymbol(SymbolRecord *sym, int32_t off, int32_t a, int32_t bit, SymbolRecord *target, long line,
                        const char *file) {
  return s_btfb_symbol(OC_BTFBS, sym, off, a, bit, target, line, file);
}
ocode *ocodeBTFBSLiteral_idx(int32_t k, int32_t bit, long L, long line, const char *file) {
  return s_btfb_literal_idx(OC_BTFBS, k, bit, L, line, file);
}
ocode *ocodeBTFBSSymbol_idx(int32_t k, int32_t bit, SymbolRecord *target, long line, const char *file) {
  return s_btfb_symbol_idx(OC_BTFBS, k, bit, target, line, file);
}
ocode *ocodeBTFBCLiteral(SymbolRecord *sym, int32_t off, int32_t a, int32_t bit, long L, long line,
                         const char *file) {
  return s_btfb_literal(OC_BTFBC, sym, off, a, bit, L, line, file);
}
ocode *ocodeBTFBCSymbol(SymbolRecord *sym, int32_t off, int32_t a, int32_t bit, SymbolRecord *target, long line,
                        const char *file) {
  return s_btfb_symbol(OC_BTFBC, sym, off, a, bit, target, line, file);
}
ocode *ocodeBTFBCLiteral_idx(int32_t k, int32_t bit, long L, long line, const char *file) {
  return s_btfb_literal_idx(OC_BTFBC, k, bit, L, line, file);
}
ocode *ocodeBTFBCSymbol_idx(int32_t k, int32_t bit, SymbolRecord *target, long line, const char *file) {
  return s_btfb_symbol_idx(OC_BTFBC, k, bit, target, line, file);
}

ocode *ocodePushTemps(long line, const char *file) { return ocodeCreate(OC_PUSH_TEMPS, line, file); }
ocode *ocodePopTemps(long line, const char *file) { return ocodeCreate(OC_POP_TEMPS, line, file); }

// ---- lists --------------------------------------------------------------------

ocode *objAppend(ocode *list, ocode *oc) {
  if (!oc)
    return list;
  if (!list)
    return oc;
  VELC_ASSERT(list != oc);
  ocode *last = list;
  for (;;) {
    VELC_ASSERT(last != oc);
    if (!last->next)
      break;
    last = last->next;
  }
  VELC_ASSERT(oc->prev == nullptr);
  last->next = oc;
  oc->prev = last;
  return list;
}

ocode *ocode_link_before(ocode *node, ocode *oc) {
  VELC_ASSERT(oc != nullptr);
  VELC_ASSERT(!oc->prev || oc->prev->next == oc);
  VELC_ASSERT(!oc->next || oc->next->prev == oc);
  node->prev = oc->prev;
  node->next = oc;
  if (oc->prev)
    oc->prev->next = node;
  oc->prev = node;
  return node;
}

ocode *objInsertLabel(ocode *oc) {
  VELC_ASSERT(oc != nullptr);
  return ocode_link_before(ocodeLabel(nullptr, oc->line, oc->file), oc);
}

ocode *ocode_unlink(ocode *oc) {
  if (oc->prev)
    oc->prev->next = oc->next;
  if (oc->next)
    oc->next->prev = oc->prev;
  oc->prev = oc->next = nullptr;
  return oc;
}

void objFree(ocode *list) {
  while (list) {
    ocode *next = list->next;
    ocodeFree(list);
    list = next;
  }
}

long ocode_enumerate(ocode *list) {
  long n = 0;
  for (ocode *oc = list; oc; oc = oc->next) {
    VELC_ASSERT(!oc->next || oc->next->prev == oc);
    VELC_ASSERT(!oc->prev || oc->prev->next == oc);
    oc->index = n++;
  }
  return n;
}

bool ocode_is_counted(const ocode *oc) { return oc->type == OC_INST || ocode_is_branch_kind(oc->type); }

// Steps over |L| counted nodes from the branch; the branch itself is the
// first counted node, so L = 1 reaches the next counted node after it.
ocode *ocode_literal_target(ocode *branch, long L) {
  ocode *oc = branch;
  for (long steps = L; steps > 0; steps--) {
    do {
      oc = oc->next;
      VELC_ASSERT(oc != nullptr && oc->type != OC_EFUNCT);
    } while (!ocode_is_counted(oc));
  }
  for (long steps = -L; steps > 0; steps--) {
    do {
      oc = oc->prev;
      VELC_ASSERT(oc != nullptr && oc->type != OC_BFUNCT);
    } while (!ocode_is_counted(oc));
  }
  return oc;
}

// ---- the layer code generation calls -------------------------------------------

ocode *objBeginFunct(SymbolRecord *fsym, long line, const char *file) { return ocodeBFunct(fsym, line, file); }
ocode *objEndFunct(SymbolRecord *fsym, long line, const char *file) { return ocodeEFunct(fsym, line, file); }
ocode *objInst(inst *ins, long line, const char *file) { return ocodeInst(ins, line, file); }
ocode *objLabel(SymbolRecord *sym, long line, const char *file) { return ocodeLabel(sym, line, file); }
ocode *objNop(long line, const char *file) { return ocodeNop(line, file); }
ocode *objBranchLiteral(long L, long line, const char *file) { return ocodeBranchLiteral(L, line, file); }
ocode *objBranchSymbol(SymbolRecord *sym, long line, const char *file) { return ocodeBranchSymbol(sym, line, file); }
ocode *objBZLiteral(long L, long line, const char *file) { return ocodeBZLiteral(L, line, file); }
ocode *objBZSymbol(SymbolRecord *sym, long line, const char *file) { return ocodeBZSymbol(sym, line, file); }
ocode *objBNZLiteral(long L, long line, const char *file) { return ocodeBNZLiteral(L, line, file); }
ocode *objBNZSymbol(SymbolRecord *sym, long line, const char *file) { return ocodeBNZSymbol(sym, line, file); }
ocode *objBNLiteral(long L, long line, const char *file) { return ocodeBNLiteral(L, line, file); }
ocode *objBNSymbol(SymbolRecord *sym, long line, const char *file) { return ocodeBNSymbol(sym, line, file); }
ocode *objBNNLiteral(long L, long line, const char *file) { return ocodeBNNLiteral(L, line, file); }
ocode *objBCLiteral(long L, long line, const char *file) { return ocodeBCLiteral(L, line, file); }
ocode *objBCSymbol(SymbolRecord *sym, long line, const char *file) { return ocodeBCSymbol(sym, line, file); }
ocode *objBNCLiteral(long L, long line, const char *file) { return ocodeBNCLiteral(L, line, file); }
ocode *objBNCSymbol(SymbolRecord *sym, long line, const char *file) { return ocodeBNCSymbol(sym, line, file); }
ocode *objBVLiteral(long L, long line, const char *file) { return ocodeBVLiteral(L, line, file); }
ocode *objBNVLiteral(long L, long line, const char *file) { return ocodeBNVLiteral(L, line, file); }
ocode *objBTFBSLiteral(SymbolRecord *sym, int32_t off, int32_t a, int32_t bit, long L, long line, const char *file) {
  return ocodeBTFBSLiteral(sym, off, a, bit, L, line, file);
}
ocode *objBTFBSSymbol(SymbolRecord *sym, int32_t off, int32_t a, int32_t bit, SymbolRecord *target, long line,
                      const char *file) {
  return ocodeBTFBSSymbol(sym, off, a, bit, target, line, file);
}
ocode *objBTFBSLiteral_idx(int32_t k, int32_t bit, long L, long line, const char *file) {
  return ocodeBTFBSLiteral_idx(k, bit, L, line, file);
}
ocode *objBTFBSSymbol_idx(int32_t k, int32_t bit, SymbolRecord *target, long line, const char *file) {
  return ocodeBTFBSSymbol_idx(k, bit, target, line, file);
}
ocode *objBTFBCLiteral(SymbolRecord *sym, int32_t off, int32_t a, int32_t bit, long L, long line, const char *file) {
  return ocodeBTFBCLiteral(sym, off, a, bit, L, line, file);
}
ocode *objBTFBCSymbol(SymbolRecord *sym, int32_t off, int32_t a, int32_t bit, SymbolRecord *target, long line,
                      const char *file) {
  return ocodeBTFBCSymbol(sym, off, a, bit, target, line, file);
}
ocode *objBTFBCLiteral_idx(int32_t k, int32_t bit, long L, long line, const char *file) {
  return ocodeBTFBCLiteral_idx(k, bit, L, line, file);
}
ocode *objBTFBCSymbol_idx(int32_t k, int32_t bit, SymbolRecord *target, long line, const char *file) {
  return ocodeBTFBCSymbol_idx(k, bit, target, line, file);
}
ocode *objPushTemps(long line, const char *file) { return ocodePushTemps(line, file); }
ocode *objPopTemps(long line, const char *file) { return ocodePopTemps(line, file); }
