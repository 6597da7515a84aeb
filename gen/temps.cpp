// Temporaries. In: requests for scratch bytes from rule actions, the scope
// changes of the statement loop, and each statement's output code with its
// call markers. Out: offsets in the active scope's temporary section (its
// size the largest any statement used), the section and its symbol declared
// when a scope closes, and the markers replaced by the save and restore
// sequences of the temporaries live across each call.
#include <cstdint>
#include <cstring>
#include <vector>

#include "driver/diag.h"
#include "gen/gen.h"
#include "gen/temps.h"
#include "trans/type.h"

namespace {

constexpr int kBitmapWords = 129;  // 4128 bytes of temporaries
constexpr int kNestedCalls = 32;

struct Scope {
  SymbolRecord *sym;
  long next_off;
  long scn_sz;
};

Scope s_main, s_int, s_pragma;
bool s_in_int, s_in_pragmatmp;

using Bitmap = uint32_t[kBitmapWords];
Bitmap s_popped_temps[kNestedCalls];
int s_popped_temps_index;

}  // namespace

static Scope &s_active() { return s_in_int ? s_int : s_in_pragmatmp ? s_pragma : s_main; }

static void s_open(Scope &scope) {
  scope.next_off = 0;
  scope.scn_sz = 0;
  scope.sym = sym_temp_symbol(0);
}

void tmp_enter_main() {
  s_in_int = false;
  s_open(s_main);
}
void tmp_enter_int() {
  s_in_int = true;
  s_open(s_int);
}
void tmp_enter_pragmatmp() {
  s_in_pragmatmp = true;
  s_open(s_pragma);
}

// A used scope's symbol gets its size and is declared in the section; an
// unused one is left out of the master list (the symbol table frees every
// symbol it made at the end of the module).
static void s_close(Scope &scope, const char *section_name) {
  VELC_ASSERT(section_name != nullptr && scope.sym != nullptr);
  if (scope.scn_sz > 0) {
    scope.sym->data.var.type->data.array.count = uint32_t(scope.scn_sz);
    sym_enter_section(SECTION_TMPDATA, section_name, false, true, false, false, 0);  // overlay, as every temporary section
    sym_add_to_master_symbol_table(scope.sym);
  }
  scope.sym = nullptr;
}

void tmp_exit_main() {
  s_close(s_main, ".tmpdata");
  s_in_int = false;
}
void tmp_exit_int(const char *section_name) {
  s_close(s_int, section_name);
  s_in_int = false;
}
void tmp_exit_pragmatmp(const char *section_name) {
  s_close(s_pragma, section_name);
  s_in_pragmatmp = false;
}

SymbolRecord *tmp_get_sym() { return s_active().sym; }
bool tmp_non_default() { return s_in_int || s_in_pragmatmp; }

long tmp_alloc(long n) {
  Scope &scope = s_active();
  long off = scope.next_off;
  if (off + n > kBitmapWords * 32) {
    // The statement cannot be compiled without the bytes, and its code so
    // far is half made: the error (counted by post_error) ends the run.
    post_error(1511);
    throw FatalUnwind{};
  }
  scope.next_off += n;
  return off;
}

void tmp_clear() {
  Scope &scope = s_active();
  if (scope.next_off > scope.scn_sz)
    scope.scn_sz = scope.next_off;
  scope.next_off = 0;
}

// ---- save and restore around calls -------------------------------------------

static bool s_is_temp(const inst_operand &op, SymbolRecord *tsym) {
  return op.type == SYMBOL_OP && op.data.symbol.sym == tsym && op.data.symbol.offset >= 0 &&
         op.data.symbol.offset < kBitmapWords * 32;
}

static void s_set(uint32_t *bits, long i, bool live) {
  if (live)
    bits[i / 32] |= 1u << (i % 32);
  else
    bits[i / 32] &= ~(1u << (i % 32));
}

// One instruction (with its WORD2, if any): the byte it overwrites dies,
// then the byte it reads becomes live.
static void s_process_inst(const inst *ins, const inst *word2, uint32_t *live, SymbolRecord *tsym) {
  const inst_operand *dst = nullptr;
  const inst_operand *src = nullptr;
  switch (ins->opcode) {
  case MOVFF:
    dst = word2 ? &word2->operand[0] : nullptr;
    src = &ins->operand[0];
    break;
  case MOVSF:
    dst = word2 ? &word2->operand[0] : nullptr;
    break;
  case MOVWF:
  case CLRF:
  case SETF:
    dst = &ins->operand[0];
    break;
  case LFSR:
    src = &ins->operand[1];
    break;
  default:
    src = &ins->operand[0];
    break;
  }
  if (dst && s_is_temp(*dst, tsym))
    s_set(live, dst->data.symbol.offset, false);
  if (src && s_is_temp(*src, tsym))
    s_set(live, src->data.symbol.offset, true);
}

static ocode *s_push_temps(const uint32_t *live, SymbolRecord *tsym, const ocode *at) {
  ocode *list = nullptr;
  for (long i = 0; i < kBitmapWords * 32; i++) {
    if (!live[i / 32]) {  // a word without live bytes at once
      i |= 31;
      continue;
    }
    if (!(live[i / 32] & (1u << (i % 32))))
      continue;
    list = objAppend(list, objInst(iqx_MOVFF(tsym, int32_t(i)), at->line, at->file));
    list = objAppend(list, objInst(iqx_MOVFF2(tsym, int32_t(i), POSTINC1sym, 0), at->line, at->file));
  }
  return list;
}

static ocode *s_pop_temps(const uint32_t *live, SymbolRecord *tsym, const ocode *at) {
  ocode *list = nullptr;
  for (long i = kBitmapWords * 32 - 1; i >= 0; i--) {
    if (!live[i / 32]) {  // a word without live bytes at once
      i &= ~31L;
      continue;
    }
    if (!(live[i / 32] & (1u << (i % 32))))
      continue;
    list = objAppend(list, objInst(iqx_opWF(MOVF, POSTDEC1sym, 0, DEST_F), at->line, at->file));
    list = objAppend(list, objInst(iqx_MOVFF(INDF1sym, 0), at->line, at->file));
    list = objAppend(list, objInst(iqx_MOVFF2(INDF1sym, 0, tsym, int32_t(i)), at->line, at->file));
  }
  return list;
}

// Replaces the marker by the sequence (or removes it); returns the head.
static ocode *s_replace(ocode *head, ocode *marker, ocode *seq) {
  ocode *prev = marker->prev, *next = marker->next;
  ocode_unlink(marker);
  ocodeFree(marker);
  if (seq) {
    ocode *last = seq;
    while (last->next)
      last = last->next;
    seq->prev = prev;
    last->next = next;
    if (next)
      next->prev = last;
    if (prev)
      prev->next = seq;
    else
      head = seq;
  } else if (!prev) {
    head = next;
  }
  return head;
}

// A branch with a counted target: a branch node's count, or a generated
// relative branch's displacement (the count less one).
static bool s_literal_branch(const ocode *oc, long *count) {
  if (ocode_is_branch_kind(oc->type)) {
    if (oc->data.branch.type != LITERAL_BRANCH)
      return false;
    *count = oc->data.branch.target.literal;
    return true;
  }
  if (oc->type != OC_INST)
    return false;
  const inst *ins = oc->data.inst.ins;
  switch (ins->opcode) {
  case BRA: case BZ: case BNZ: case BC: case BNC: case BN: case BNN: case BOV: case BNOV:
    break;
  default:
    return false;
  }
  if (ins->from_asm || ins->operand[0].type != LITERAL_OP)
    return false;
  *count = long(ins->operand[0].data.literal) + 1;
  return true;
}

// The counted nodes from the branch to its target (negative backwards).
static long s_count_to(const ocode *branch, const ocode *target) {
  if (target == branch)
    return 0;
  long n = 0;
  for (const ocode *oc = branch->next; oc; oc = oc->next) {
    if (ocode_is_counted(oc))
      n++;
    if (oc == target)
      return n;
  }
  n = 0;
  for (const ocode *oc = branch->prev; oc; oc = oc->prev) {
    if (ocode_is_counted(oc))
      n--;
    if (oc == target)
      return n;
  }
  VELC_ASSERT(!"a branch target in the same list");
  return 0;
}

static void s_set_count(ocode *oc, long count) {
  if (ocode_is_branch_kind(oc->type))
    oc->data.branch.target.literal = count;
  else
    oc->data.inst.ins->operand[0].data.literal = int32_t(count - 1);
}

// The save and restore sequences grow the code between a counted branch and
// its target: every such branch keeps the node it reached before. A target
// past either end of the statement's code is kept as the last node of that
// end plus the steps beyond it. A target that follows the marker of a call's
// saves becomes the first of the saves (`after`: the counted node after
// `node`), so that a branch to the call never skips them.
struct Retarget {
  ocode *branch;
  ocode *node;
  long beyond;
  bool after;
};

static void s_before_saves(Retarget &r) {
  if (r.beyond != 0)
    return;
  bool marker = false;
  for (ocode *oc = r.node->prev; oc; oc = oc->prev) {
    if (ocode_is_counted(oc)) {
      if (marker) {
        r.node = oc;
        r.after = true;
      }
      return;
    }
    marker = marker || oc->type == OC_PUSH_TEMPS;
  }
}

static Retarget s_reach(ocode *branch, long count) {
  Retarget r{branch, branch, 0, false};
  for (long steps = count; steps > 0; steps--) {
    ocode *oc = r.node->next;
    while (oc && !ocode_is_counted(oc))
      oc = oc->next;
    if (!oc) {
      r.beyond = steps;
      break;
    }
    r.node = oc;
  }
  for (long steps = -count; steps > 0; steps--) {
    ocode *oc = r.node->prev;
    while (oc && !ocode_is_counted(oc))
      oc = oc->prev;
    if (!oc) {
      r.beyond = -steps;
      break;
    }
    r.node = oc;
  }
  s_before_saves(r);
  return r;
}

static std::vector<Retarget> s_literal_targets(ocode *list) {
  std::vector<Retarget> targets;
  long count = 0;
  for (ocode *oc = list; oc; oc = oc->next)
    if (s_literal_branch(oc, &count))
      targets.push_back(s_reach(oc, count));
  return targets;
}

static ocode *s_expand_markers(ocode *list) {
  SymbolRecord *tsym = tmp_get_sym();
  Bitmap live;
  memset(live, 0, sizeof live);
  ocode *last = list;
  while (last && last->next)
    last = last->next;
  for (ocode *oc = last; oc;) {
    ocode *prev = oc->prev;
    if (oc->type == OC_INST) {
      const inst *ins = oc->data.inst.ins;
      if (ins->opcode == WORD2) {
        VELC_ASSERT(prev && prev->type == OC_INST);
        s_process_inst(prev->data.inst.ins, ins, live, tsym);
        oc = prev->prev;
        continue;
      }
      s_process_inst(ins, nullptr, live, tsym);
    } else if (oc->type == OC_POP_TEMPS) {
      VELC_ASSERT(s_popped_temps_index < kNestedCalls);
      memcpy(s_popped_temps[s_popped_temps_index++], live, sizeof live);
      list = s_replace(list, oc, s_pop_temps(live, tsym, oc));
    } else if (oc->type == OC_PUSH_TEMPS) {
      VELC_ASSERT(s_popped_temps_index >= 1);
      const uint32_t *saved = s_popped_temps[--s_popped_temps_index];
      list = s_replace(list, oc, s_push_temps(saved, tsym, oc));
    }
    oc = prev;
  }
  VELC_ASSERT(s_popped_temps_index == 0);
  return list;
}

ocode *tmp_save_and_restore(ocode *list) {
  const std::vector<Retarget> targets = s_literal_targets(list);
  list = s_expand_markers(list);
  for (const Retarget &r : targets)
    s_set_count(r.branch, s_count_to(r.branch, r.node) + (r.after ? 1 : 0) + r.beyond);
  return list;
}
