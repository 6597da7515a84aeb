// Branch resolution. In: a code section's output code whose branch nodes
// target labels or symbols. Out: every branch node replaced by real
// instructions chosen by the distance to its target: BRA, a conditional
// branch (a skip for a bit test), an inverted conditional branch around a
// BRA, GOTO, or an inverted conditional branch around a GOTO; CALLs within
// reach of a function of the same section as RCALL; and only the labels
// that a relocation still names (all named labels in functions with
// assembly blocks).
#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <vector>

#include "driver/diag.h"
#include "opt/opt.h"

// Distances in program words.
constexpr long FAR_DISTANCE = 0xFFFF;   // unknown or out of reach
constexpr long BRA_LIMIT = 1020;        // BRA and RCALL: below this
constexpr long BCOND_LIMIT = 120;       // conditional branches: below this
constexpr long WALK_LIMIT = 2 * BRA_LIMIT;  // no need to measure further

int opt_max_instruction_size(const ocode *oc) {
  if (oc->type == OC_INST)
    return 1;
  if (!ocode_is_branch_kind(oc->type))
    return 0;
  switch (oc->data.branch.resolved) {
  case NOT_RESOLVED:
    return oc->type == OC_BRANCH ? 2 : 3;
  case RESOLVED_BRA:
  case RESOLVED_BCOND:
    return 1;
  case RESOLVED_BRACOND:
  case RESOLVED_GOTO:
    return 2;
  default:
    return 3;
  }
}

// The node a branch node or CALL goes to, or null when it is not in this code.
static const ocode *s_get_branch_target(const ocode *oc) {
  if (oc->type == OC_INST) {
    const inst_operand &op = oc->data.inst.ins->operand[0];
    return op.type == SYMBOL_OP && op.data.symbol.sym ? op.data.symbol.sym->begin_node : nullptr;
  }
  if (oc->data.branch.type == LABEL_BRANCH)
    return oc->data.branch.target.label;
  if (oc->data.branch.type == SYMBOL_BRANCH) {
    const SymbolRecord *sym = oc->data.branch.target.symbol;
    return sym && sym->type == LABEL ? sym->label_node : nullptr;
  }
  return nullptr;
}

// Forward: 1 plus the sizes of the nodes after the branch up to and
// including the target. Backward: the sizes from the target up to the node
// before the branch. Measured by walking, so a target in another list is
// simply not found.
long opt_max_distance_to_branch_target(const ocode *oc, bool *forward) {
  const ocode *target = s_get_branch_target(oc);
  *forward = true;
  if (!target)
    return FAR_DISTANCE;
  long distance = 1;
  for (const ocode *p = oc->next; p && distance < WALK_LIMIT; p = p->next) {
    distance += opt_max_instruction_size(p);
    if (p == target)
      return distance;
  }
  distance = 0;
  for (const ocode *p = oc->prev; p && distance < WALK_LIMIT; p = p->prev) {
    distance += opt_max_instruction_size(p);
    if (p == target) {
      *forward = false;
      return distance;
    }
  }
  return FAR_DISTANCE;
}

// The word addresses of a list's nodes at their largest sizes, so that each
// branch's distance is a subtraction instead of a walk. Sizes only shrink
// while branches are resolved, so addresses taken at the start of a sweep
// never understate a distance; the sweeps repeat until nothing changes.
namespace {
struct Layout {
  std::vector<const ocode *> node;
  std::vector<long> start;  // start[i]: the sizes of the nodes before node i; one more at the end
  long at(const ocode *oc) const {
    return oc && oc->index >= 0 && oc->index < long(node.size()) && node[oc->index] == oc ? oc->index : -1;
  }
};
}  // namespace

static Layout s_layout(ocode *list) {
  Layout layout;
  long address = 0;
  for (ocode *oc = list; oc; oc = oc->next) {
    oc->index = long(layout.node.size());
    layout.node.push_back(oc);
    layout.start.push_back(address);
    address += opt_max_instruction_size(oc);
  }
  layout.start.push_back(address);
  return layout;
}

// As opt_max_distance_to_branch_target, from the layout.
static long s_distance(const Layout &layout, const ocode *oc, bool *forward) {
  *forward = true;
  long from = layout.at(oc), to = layout.at(s_get_branch_target(oc));
  if (from < 0 || to < 0)
    return FAR_DISTANCE;
  long distance = 0;
  if (to > from) {
    distance = 1 + layout.start[to + 1] - layout.start[from + 1];
  } else {
    distance = layout.start[from] - layout.start[to];
    *forward = false;
  }
  if (distance >= WALK_LIMIT) {
    *forward = true;
    return FAR_DISTANCE;
  }
  return distance;
}

// ---- choosing the states ---------------------------------------------------------

static bool s_unresolved(const ocode *oc) {
  return ocode_is_branch_kind(oc->type) && oc->data.branch.resolved == NOT_RESOLVED;
}

static const char *s_known_section(const SymbolRecord *fsym) {
  if (!fsym)
    return nullptr;
  if (fsym->code_section)
    return fsym->code_section;
  return fsym->section_located ? fsym->located_section : nullptr;
}

// A generated CALL of a function of the same known section, within reach,
// becomes RCALL (relocation 19); its second word goes.
static bool s_try_rcall(const Layout &layout, ocode *oc, const SymbolRecord *function) {
  inst *ins = oc->data.inst.ins;
  if (ins->opcode != CALL || ins->from_asm)
    return false;
  VELC_ASSERT(function != nullptr);
  const inst_operand &op = ins->operand[0];
  const char *mine = s_known_section(function);
  const char *theirs = op.type == SYMBOL_OP ? s_known_section(op.data.symbol.sym) : nullptr;
  if (!mine || !theirs || strcmp(mine, theirs) != 0)
    return false;
  bool forward = true;
  if (s_distance(layout, oc, &forward) >= BRA_LIMIT)
    return false;
  VELC_ASSERT(oc->next && oc->next->type == OC_INST && oc->next->data.inst.ins->opcode == WORD2);
  ocodeFree(ocode_unlink(oc->next));
  ins->opcode = RCALL;
  ins->operand[0].reloc = RELOCT_BRA;
  ins->operand[1] = inst_operand{};
  return true;
}

// One sweep of the short forms; true when a node changed.
static bool s_short_sweep(ocode *list) {
  bool changed = false;
  const SymbolRecord *function = nullptr;
  Layout layout = s_layout(list);
  for (ocode *oc = list; oc; oc = oc->next) {
    if (oc->type == OC_BFUNCT)
      function = oc->data.funct.sym;
    else if (oc->type == OC_EFUNCT)
      function = nullptr;
    if (oc->type == OC_INST) {
      changed |= s_try_rcall(layout, oc, function);
      continue;
    }
    if (!s_unresolved(oc))
      continue;
    bool forward = true;
    long distance = s_distance(layout, oc, &forward);
    int32_t state = NOT_RESOLVED;
    if (oc->type == OC_BRANCH && distance < BRA_LIMIT)
      state = RESOLVED_BRA;
    else if ((oc->type == OC_BTFBS || oc->type == OC_BTFBC) && distance == 2 && forward)
      state = RESOLVED_BCOND;
    else if (oc->type >= OC_BZ && oc->type <= OC_BNN && distance < BCOND_LIMIT)
      state = RESOLVED_BCOND;
    if (state != NOT_RESOLVED) {
      oc->data.branch.resolved = state;
      changed = true;
    }
  }
  return changed;
}

// One sweep of inverted conditional branches around a BRA.
static bool s_bracond_sweep(ocode *list) {
  bool changed = false;
  Layout layout = s_layout(list);
  for (ocode *oc = list; oc; oc = oc->next) {
    if (!s_unresolved(oc) || oc->type == OC_BRANCH)
      continue;
    bool forward = true;
    if (s_distance(layout, oc, &forward) < BRA_LIMIT) {
      oc->data.branch.resolved = RESOLVED_BRACOND;
      changed = true;
    }
  }
  return changed;
}

// ---- rewriting ---------------------------------------------------------------------

static int32_t s_inverted_kind(int32_t kind) {
  switch (kind) {
  case OC_BZ: return OC_BNZ;
  case OC_BNZ: return OC_BZ;
  case OC_BC: return OC_BNC;
  case OC_BNC: return OC_BC;
  case OC_BOV: return OC_BNOV;
  case OC_BNOV: return OC_BOV;
  case OC_BN: return OC_BNN;
  case OC_BNN: return OC_BN;
  case OC_BTFBS: return OC_BTFBC;
  case OC_BTFBC: return OC_BTFBS;
  default:
    VELC_ASSERT(!"a conditional branch");
    return kind;
  }
}

// The short instruction of a branch kind with displacement n; a bit test
// becomes the skip that jumps over one instruction when the branch is taken.
static inst *s_short_form(int32_t kind, const ocode *oc, int32_t n) {
  const auto &src = oc->data.branch.data;
  switch (kind) {
  case OC_BRANCH: return iqx_BRA(n);
  case OC_BZ: return iqx_BZ(n);
  case OC_BNZ: return iqx_BNZ(n);
  case OC_BC: return iqx_BC(n);
  case OC_BNC: return iqx_BNC(n);
  case OC_BOV: return iqx_BOV(n);
  case OC_BNOV: return iqx_BNOV(n);
  case OC_BN: return iqx_BN(n);
  case OC_BNN: return iqx_BNN(n);
  default:
    break;
  }
  VELC_ASSERT(kind == OC_BTFBS || kind == OC_BTFBC);
  bool set = kind == OC_BTFBS;  // branch if set: skip if set
  if (src.src_type == SRC_IDX)
    return set ? iqx_BTFSS_idx(src.offset, src.bit) : iqx_BTFSC_idx(src.offset, src.bit);
  inst *ins = set ? iqx_BTFSS(src.sym, src.offset, src.bit) : iqx_BTFSC(src.sym, src.offset, src.bit);
  ins->operand[2].data.literal = src.access;
  return ins;
}

// The symbol a GOTO names for the branch's target; a nameless label gets a
// temporary label symbol. The label is marked as named by a relocation.
static SymbolRecord *s_goto_symbol(ocode *oc) {
  if (oc->data.branch.type == SYMBOL_BRANCH) {
    SymbolRecord *sym = oc->data.branch.target.symbol;
    if (sym && sym->label_node)
      sym->label_node->data.label.used_in_relocation = 1;
    return sym;
  }
  VELC_ASSERT(oc->data.branch.type == LABEL_BRANCH);
  ocode *label = oc->data.branch.target.label;
  VELC_ASSERT(label != nullptr);
  if (!label->data.label.sym) {
    label->data.label.sym = sym_temp_label(label->line, label->file);
    label->data.label.sym->label_node = label;
  }
  label->data.label.used_in_relocation = 1;
  return label->data.label.sym;
}

// The node becomes its first instruction; the others follow it.
static void s_rewrite(ocode *oc, inst *first, inst *second = nullptr, inst *third = nullptr) {
  oc->type = OC_INST;
  oc->data = {};
  oc->data.inst.ins = first;
  ocode *at = oc;
  for (inst *ins : {second, third}) {
    if (!ins)
      continue;
    ocode *node = ocodeInst(ins, oc->line, oc->file);
    node->rule = oc->rule;
    node->next = at->next;
    node->prev = at;
    if (at->next)
      at->next->prev = node;
    at->next = node;
    at = node;
  }
}

static void s_resolve(const Layout &layout, ocode *oc) {
  bool forward = true;
  long distance = s_distance(layout, oc, &forward);
  int32_t kind = oc->type;
  int32_t state = oc->data.branch.resolved;
  int32_t n = static_cast<int32_t>(forward ? distance - 1 : -(distance + 1));
  switch (state) {
  case RESOLVED_BRA:
  case RESOLVED_BCOND: {
    VELC_ASSERT(distance != FAR_DISTANCE);
    if (kind == OC_BTFBS || kind == OC_BTFBC)
      VELC_ASSERT(n == 1 && "distance == 1");
    s_rewrite(oc, s_short_form(kind, oc, n));
    break;
  }
  case RESOLVED_BRACOND: {
    VELC_ASSERT(distance != FAR_DISTANCE);
    int32_t bra = static_cast<int32_t>(forward ? distance - 1 : -2 - distance);
    s_rewrite(oc, s_short_form(s_inverted_kind(kind), oc, 1), iqx_BRA(bra));
    break;
  }
  case RESOLVED_GOTO: {
    SymbolRecord *sym = s_goto_symbol(oc);
    s_rewrite(oc, iqx_GOTO(sym, 0), iqx_GOTO2(sym, 0));
    break;
  }
  case RESOLVED_GOTOCOND: {
    SymbolRecord *sym = s_goto_symbol(oc);
    inst *skip = s_short_form(s_inverted_kind(kind), oc, 2);
    s_rewrite(oc, skip, iqx_GOTO(sym, 0), iqx_GOTO2(sym, 0));
    break;
  }
  default:
    VELC_ASSERT(!"a resolved branch");
  }
}

// ---- labels --------------------------------------------------------------------------

// Labels no relocation names go, except the named labels of functions with
// assembly blocks, which stay (marked as used).
static ocode *s_clean_labels(ocode *list) {
  const SymbolRecord *function = nullptr;
  for (ocode *oc = list, *next = nullptr; oc; oc = next) {
    next = oc->next;
    if (oc->type == OC_BFUNCT)
      function = oc->data.funct.sym;
    else if (oc->type == OC_EFUNCT)
      function = nullptr;
    if (oc->type != OC_LABEL)
      continue;
    if (function && function->has_inline_asm && oc->data.label.sym) {
      oc->data.label.used_in_relocation = 1;
      continue;
    }
    if (oc->data.label.used_in_relocation)
      continue;
    if (oc == list)
      list = next;
    ocodeFree(ocode_unlink(oc));
  }
  return list;
}

ocode *opt_resolve_branches(ocode *list) {
  while (s_short_sweep(list)) {
  }
  while (s_bracond_sweep(list)) {
  }
  for (ocode *oc = list; oc; oc = oc->next)
    if (s_unresolved(oc))
      oc->data.branch.resolved = oc->type == OC_BRANCH ? RESOLVED_GOTO : RESOLVED_GOTOCOND;
  // Every size is final now, and each rewrite keeps its node's size.
  Layout layout = s_layout(list);
  for (ocode *oc = list; oc; oc = oc->next)
    if (ocode_is_branch_kind(oc->type))
      s_resolve(layout, oc);
  return s_clean_labels(list);
}
