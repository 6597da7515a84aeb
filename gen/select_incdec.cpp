// The actions of the increment and decrement rules. In: an I_PRE.. or
// I_PST.. node of 8 or 16 bits with its step, and where its location is:
// the address of a variable, a frame slot's address, or a pointer (a
// variable or frame slot) to the object. Out: the location stepped in place
// (FSR0 loaded first for a pointer), and as the node's value the location
// itself (PRE forms) or a temporary holding the old contents (PST forms).
#include "driver/diag.h"
#include "gen/gen.h"
#include "gen/select.h"
#include "gen/select_actions.h"
#include "gen/temps.h"

static int s_width(const pcodell_t *p) {
  switch (p->opcode) {
  case I_PREINC16RAM:
  case I_PSTINC16RAM:
  case I_PREDEC16RAM:
  case I_PSTDEC16RAM:
    return 2;
  default:
    return 1;
  }
}

static bool s_increments(const pcodell_t *p) {
  switch (p->opcode) {
  case I_PREINC8RAM:
  case I_PSTINC8RAM:
  case I_PREINC16RAM:
  case I_PSTINC16RAM:
    return true;
  default:
    return false;
  }
}

// The location the rule's kid names: a variable or frame slot from its
// address, or the object of a pointer, reached through FSR0.
static SelLoc s_location(pcodell_t *p, const SelLoc &a, int width) {
  switch (a.kind) {
  case LOC_ADDR: return sel_loc_ram(a.symbol, a.offset, width);
  case LOC_STKADDR: return SelLoc{LOC_STK, nullptr, a.offset, 0, width};
  case LOC_RAM:
  case LOC_STK: {
    SelLoc ptr = a;
    ptr.width = 2;
    sel_move_byte(p, ptr, 0, sel_loc_ram(FSR0Lsym, 0, 1));
    sel_move_byte(p, ptr, 1, SelLoc{LOC_RAM, FSR0Lsym, 0, 0, 2});
    return SelLoc{LOC_FSR0, nullptr, 0, 0, width};
  }
  default: VELC_ASSERT(!"the location of an increment");
  }
  return a;
}

// A frame slot or a variable in the access bank: no bank selection can
// come between a skip and the instruction it skips.
static bool s_unbanked(const SelLoc &l) {
  return l.kind == LOC_STK || (l.kind == LOC_RAM && inst_access_bit(l.symbol) == 0);
}

// l += step or l -= step in place. A byte steps by INCF/DECF when the step
// is 1. An int in the access bank or the frame increments by INFSNZ of the
// low byte, skipping the INCF of the high byte unless the low byte wrapped;
// elsewhere an int by 1 is INCF/DECF of the low byte and the carry into the
// high byte, by a multiple of 256 one add to the high byte (not through
// FSR0, whose bytes are reached in order), otherwise both bytes are added.
static void s_step(pcodell_t *p, const SelLoc &l, bool inc, long step) {
  step &= l.width == 1 ? 0xFF : 0xFFFF;
  if (step == 0)
    return;
  int carry_op = inc ? ADDWFC : SUBWFB;
  if (inc && step == 1 && l.width == 2 && s_unbanked(l)) {
    sel_rmw_byte(p, INFSNZ, l, 0, DEST_F);
    sel_rmw_byte(p, INCF, l, 1, DEST_F);
    return;
  }
  if (step == 1) {
    sel_rmw_byte(p, inc ? INCF : DECF, l, 0, DEST_F);
    if (l.width == 2) {
      sel_emit(p, iqx_MOVLW(0));
      sel_rmw_byte(p, carry_op, l, 1, DEST_F);
    }
    return;
  }
  if (l.width == 2 && (step & 0xFF) == 0 && l.kind != LOC_FSR0) {
    sel_emit(p, iqx_MOVLW(int(step >> 8)));
    sel_rmw_byte(p, inc ? ADDWF : SUBWF, l, 1, DEST_F);
    return;
  }
  for (int i = 0; i < l.width; i++) {
    sel_emit(p, iqx_MOVLW(int((step >> (8 * i)) & 0xFF)));
    sel_rmw_byte(p, i == 0 ? (inc ? ADDWF : SUBWF) : carry_op, l, i, DEST_F);
  }
}

static long s_step_of(const pcodell_t *p) { return p->step ? p->step : 1; }

void selIncDecAt(pcodell_t *p) {
  sel_take(0);
  SelLoc l = s_location(p, sel_kid(0)->loc, s_width(p));
  s_step(p, l, s_increments(p), s_step_of(p));
  sel_self()->loc = l;
}

// The old contents into a temporary, then the step; the temporary is the
// value. Reading two bytes through FSR0 leaves FSR0 where it was.
void selPostIncDecAt(pcodell_t *p) {
  int width = s_width(p);
  sel_take(0);
  SelLoc l = s_location(p, sel_kid(0)->loc, width);
  SelLoc t = sel_loc_ram(tmp_get_sym(), tmp_alloc(width), width);
  sel_move(p, l, t);
  s_step(p, l, s_increments(p), s_step_of(p));
  sel_self()->loc = t;
}
