// Conditions: tests and comparisons that leave their truth in a status
// flag, the statements that branch on them, logical not, and truth values
// 0 or 1 in WREG. In: the node and its kids' records. Out: code, and the
// sense of the flag (COND_Z, COND_NZ, COND_C, COND_NC) that says "true".
#include <utility>

#include "driver/diag.h"
#include "gen/gen.h"
#include "gen/select.h"
#include "gen/select_actions.h"

int sel_kid_count();

static int s_width(const pcodell_t *p) {
  switch (p->opcode) {
  case I_EQ16:
  case I_LT16S:
  case I_LT16U:
  case I_GT16S:
  case I_GT16U:
    return 2;
  default:
    return sel_op_width(p->opcode) > 2 ? sel_op_width(p->opcode) : 1;
  }
}

static bool s_signed(const pcodell_t *p) {
  switch (p->opcode) {
  case I_LT8S:
  case I_GT8S:
  case I_LT16S:
  case I_GT16S:
  case I_LT24S:
  case I_GT24S:
  case I_LT32S:
  case I_GT32S:
    return true;
  default:
    return false;
  }
}

static int s_invert(int cond) {
  switch (cond) {
  case COND_Z:
    return COND_NZ;
  case COND_NZ:
    return COND_Z;
  case COND_C:
    return COND_NC;
  case COND_NC:
    return COND_C;
  default:
    VELC_ASSERT(!"no condition");
    return COND_NONE;
  }
}

// A branch taken when the condition holds, to a label symbol or over L
// counted nodes.
static ocode *s_branch(int cond, SymbolRecord *label, long L, const pcodell_t *p) {
  switch (cond) {
  case COND_Z:
    return label ? objBZSymbol(label, p->line, p->file) : objBZLiteral(L, p->line, p->file);
  case COND_NZ:
    return label ? objBNZSymbol(label, p->line, p->file) : objBNZLiteral(L, p->line, p->file);
  case COND_C:
    return label ? objBCSymbol(label, p->line, p->file) : objBCLiteral(L, p->line, p->file);
  case COND_NC:
    return label ? objBNCSymbol(label, p->line, p->file) : objBNCLiteral(L, p->line, p->file);
  default:
    VELC_ASSERT(!"no condition");
    return nullptr;
  }
}

// The kids' code with the one that leaves its value in WREG last.
static void s_take_w_last() {
  int n = sel_kid_count();
  for (int i = 0; i < n; i++)
    if (sel_kid(i)->loc.kind != LOC_W)
      sel_take(i);
  for (int i = 0; i < n; i++)
    sel_take(i);
}

static SelLoc s_sized(SelLoc l, int width) {
  if (l.kind != LOC_W)
    l.width = width;
  return l;
}

// ---- tests ------------------------------------------------------------------

void selTest(pcodell_t *) {
  sel_take(0);
  sel_self()->cond = COND_NZ;
}

// WREG := low | high; Z clear when the value is not 0.
void selTest16(pcodell_t *p) {
  sel_take(0);
  SelLoc l = s_sized(sel_kid(0)->loc, 2);
  sel_byte_to_w(p, l, 0);
  sel_w_op_byte(p, IORWF, l, 1);
  sel_self()->cond = COND_NZ;
  sel_self()->loc = sel_loc_w();
}

// ---- comparisons ----------------------------------------------------------------

static bool s_zero_bytes(const SelLoc &l, int width) {
  for (int i = 0; i < width; i++)
    if ((((unsigned long)l.value >> (8 * i)) & 0xFF) != 0)
      return false;
  return true;
}

// Z set when a == b: byte by byte a XOR b, leaving at the first difference.
void selEq(pcodell_t *p) {
  int width = s_width(p);
  s_take_w_last();
  SelLoc a = s_sized(sel_kid(0)->loc, width), b = s_sized(sel_kid(1)->loc, width);
  // The operand XORed in must be memory or a constant; WREG is loaded first.
  if (b.kind == LOC_W || (!sel_is_memory(b) && sel_is_memory(a)))
    std::swap(a, b);
  if (a.kind == LOC_CONST && sel_is_memory(b) && s_zero_bytes(a, width)) {
    // Against 0: the bytes ORed together, no branch (MOVF sets Z as well).
    sel_byte_to_w(p, b, 0);
    for (int i = 1; i < width; i++)
      sel_w_op_byte(p, IORWF, b, i);
    sel_self()->cond = COND_Z;
    return;
  }
  for (int i = 0; i < width; i++) {
    if (i > 0) {
      // Over the next byte's load and XOR when Z is already clear.
      ocode *mark = sel_last();
      sel_byte_to_w(p, a, i);
      sel_w_op_byte(p, XORWF, b, i);
      ocode *rest = mark->next;
      mark->next = nullptr;
      rest->prev = nullptr;
      sel_set_last(mark);
      sel_emit_oc(objBNZLiteral(sel_counted(rest) + 1, p->line, p->file));
      sel_emit_oc(rest);
      continue;
    }
    sel_byte_to_w(p, a, i);
    sel_w_op_byte(p, XORWF, b, i);
  }
  sel_self()->cond = COND_Z;
}

// C clear when a < b: the borrow of a - b, computed from the low byte up;
// signed values compare with the sign bit of the top byte flipped. The
// byte at FSR1 (the next free stack byte) holds the flipped operand.
static void s_less(pcodell_t *p, SelLoc a, SelLoc b) {
  int width = s_width(p);
  bool is_signed = s_signed(p);
  a = s_sized(a, width);
  b = s_sized(b, width);
  SelLoc scratch = sel_loc_ram(INDF1sym, 0, 1);
  for (int i = 0; i < width; i++) {
    bool top = i == width - 1;
    bool flip = is_signed && top;
    if (!flip && i == 0 && a.kind != LOC_W && a.kind != LOC_ADDR) {
      // W := b; a - W (SUBWF a,W or SUBLW a).
      sel_byte_to_w(p, b, i);
      sel_w_op_byte(p, SUBWF, a, i);
      continue;
    }
    if (!flip && sel_is_memory(a) && b.kind != LOC_W) {
      sel_byte_to_w(p, b, i);
      if (a.kind == LOC_STK) {
        sel_emit(p, iqx_opWF_idx(SUBWFB, int32_t(a.offset + i), DEST_W));
      } else {
        sel_banksel(p, a, i);
        sel_emit(p, iqx_opWF(SUBWFB, a.symbol, int32_t(a.offset + i), DEST_W));
      }
      continue;
    }
    if (a.kind == LOC_W) {
      // Only a byte: W holds a. scratch := a', W := b', scratch - W.
      VELC_ASSERT(width == 1);
      if (flip)
        sel_emit(p, iqx_XORLW(0x80));
      sel_w_to_byte(p, scratch, 0);
      sel_byte_to_w(p, b, 0);
      if (flip)
        sel_emit(p, iqx_XORLW(0x80));
      sel_emit(p, iqx_opWF(SUBWF, INDF1sym, 0, DEST_W));
      continue;
    }
    // scratch := b', W := a', W - scratch - borrow (SUBFWB).
    if (b.kind == LOC_CONST) {
      sel_emit(p, iqx_MOVLW((int((unsigned long)b.value >> (8 * i)) & 0xFF) ^ (flip ? 0x80 : 0)));
    } else {
      sel_byte_to_w(p, b, i);
      if (flip)
        sel_emit(p, iqx_XORLW(0x80));
    }
    sel_w_to_byte(p, scratch, 0);
    if (a.kind == LOC_CONST) {
      sel_emit(p, iqx_MOVLW((int((unsigned long)a.value >> (8 * i)) & 0xFF) ^ (flip ? 0x80 : 0)));
    } else {
      sel_byte_to_w(p, a, i);
      if (flip)
        sel_emit(p, iqx_XORLW(0x80));
    }
    if (i == 0)
      sel_emit(p, iqx_BSF(STATUSsym, 0, 0));
    sel_emit(p, iqx_opWF(SUBFWB, INDF1sym, 0, DEST_W));
  }
  sel_self()->cond = COND_NC;
}

void selLess(pcodell_t *p) {
  s_take_w_last();
  s_less(p, sel_kid(0)->loc, sel_kid(1)->loc);
}

void selGreater(pcodell_t *p) {
  s_take_w_last();
  s_less(p, sel_kid(1)->loc, sel_kid(0)->loc);
}

// ---- statements ---------------------------------------------------------------------

// I_IF jumps to its label when the condition holds.
void selIf(pcodell_t *p) {
  sel_take(0);
  sel_emit_oc(s_branch(sel_kid(0)->cond, p->label, 0, p));
}

// Condition, a jump to the false label when it fails, then and else parts.
void selCondStmt(pcodell_t *p) {
  sel_take(0);
  sel_emit_oc(s_branch(s_invert(sel_kid(0)->cond), p->label, 0, p));
  sel_take(1);
  sel_take(2);
}

// Then part, a jump to the end label, the else label and the else part.
void selCondSep(pcodell_t *p) {
  sel_take(0);
  SymbolRecord *end = p->end_label ? p->end_label : p->label;
  VELC_ASSERT(end != nullptr);
  sel_emit_oc(objBranchSymbol(end, p->line, p->file));
  sel_take(1);
  sel_take(2);
}

// ---- conditional expressions -------------------------------------------------------

// Both arms of c ? a : b leave the value in one place: the destination the
// parent named, or WREG.
void selCondDest(pcodell_t *) { sel_kid(1)->dest = sel_self()->dest; }

void selCondArmsDest(pcodell_t *) {
  sel_kid(0)->dest = sel_self()->dest;
  sel_kid(2)->dest = sel_self()->dest;
}

static bool s_same_place(const SelLoc &a, const SelLoc &b) {
  if (a.kind != b.kind)
    return false;
  return a.kind == LOC_W || (a.symbol == b.symbol && a.offset == b.offset);
}

// Arm i's code, then its value moved to `place` when it ended elsewhere.
static void s_take_arm(pcodell_t *p, int i, const SelLoc &place) {
  sel_take(i);
  const SelLoc &at = sel_kid(i)->loc;
  if (s_same_place(at, place))
    return;
  if (place.kind == LOC_W)
    sel_byte_to_w(p, at, 0);
  else
    sel_move(p, at, place);
}

// The true arm, a jump to the end label, the false label and the false arm.
void selCondArms(pcodell_t *p) {
  gen_attrib *self = sel_self();
  SelLoc place = self->dest.kind != LOC_NONE ? self->dest : sel_loc_w();
  s_take_arm(p, 0, place);
  SymbolRecord *end = p->end_label ? p->end_label : p->label;
  VELC_ASSERT(end != nullptr);
  sel_emit_oc(objBranchSymbol(end, p->line, p->file));
  sel_take(1);
  s_take_arm(p, 2, place);
  self->loc = place;
}

// The test, a branch to the false label when it fails, the arms, the end
// label; the value is where the arms left it.
void selCondValue(pcodell_t *p) {
  selCondStmt(p);
  sel_self()->loc = sel_kid(1)->loc;
}

void selNot(pcodell_t *) {
  sel_take(0);
  sel_self()->cond = s_invert(sel_kid(0)->cond);
}

// The flag itself complemented (bit 2 Z, bit 0 C of STATUS).
void selFlip(pcodell_t *p) {
  sel_take(0);
  int cond = sel_kid(0)->cond;
  int bit = cond == COND_Z || cond == COND_NZ ? 2 : 0;
  sel_emit(p, iqx_BTG(STATUSsym, 0, bit));
  sel_self()->cond = s_invert(cond);
}

// WREG := 1 when the condition holds, else 0 (MOVLW leaves the flags).
void selLogic(pcodell_t *p) {
  sel_take(0);
  sel_emit(p, iqx_MOVLW(0));
  sel_emit_oc(s_branch(s_invert(sel_kid(0)->cond), nullptr, 2, p));
  sel_emit(p, iqx_MOVLW(1));
  sel_self()->loc = sel_loc_w();
}

// a && b / a || b as 0 or 1 in WREG, b evaluated only when a does not decide.
static void s_short_circuit(pcodell_t *p, bool is_and) {
  gen_attrib *a = sel_kid(0), *b = sel_kid(1);
  long b_count = sel_counted(b->ilist);
  // After b: Bx (to the deciding value), MOVLW v, BRA 2, MOVLW !v.
  int decide_a = is_and ? s_invert(a->cond) : a->cond;
  int decide_b = is_and ? s_invert(b->cond) : b->cond;
  sel_take(0);
  sel_emit_oc(s_branch(decide_a, nullptr, 1 + b_count + 3, p));
  sel_take(1);
  sel_emit_oc(s_branch(decide_b, nullptr, 3, p));
  sel_emit(p, iqx_MOVLW(is_and ? 1 : 0));
  sel_emit_oc(objBranchLiteral(2, p->line, p->file));
  sel_emit(p, iqx_MOVLW(is_and ? 0 : 1));
  sel_self()->loc = sel_loc_w();
}

void selLand(pcodell_t *p) { s_short_circuit(p, true); }
void selLor(pcodell_t *p) { s_short_circuit(p, false); }
