// Calls, arguments and returns. In: the call node (designator, argument
// chain), an argument with its value, or a return with its value. Out: the
// call bracketed by the temporary markers, arguments pushed with POSTINC1
// (the last parameter first, low byte first), results in WREG or PRODH:PRODL, and
// returns that load the result and jump to the function's return label.
#include "driver/diag.h"
#include "gen/frame.h"
#include "gen/gen.h"
#include "gen/select.h"
#include "gen/select_actions.h"
#include "gen/temps.h"

// Calls are bracketed by markers only in the main temporary scope.
void selCallPre(pcodell_t *p) {
  if (!tmp_non_default())
    sel_emit_oc(objPushTemps(p->line, p->file));
}

void selCall(pcodell_t *p) {
  gen_attrib *self = sel_self();
  const SelLoc f = sel_kid(0)->loc;
  sel_take(0);
  sel_take(1);
  if (f.kind == LOC_ADDR) {
    sel_emit_oc(oqx_call_direct(f.symbol, f.offset, p->arg_bytes, p->line, p->file));
  } else {
    VELC_ASSERT(f.kind == LOC_RAM);
    sel_emit_oc(oqx_call_indirect(f.symbol, f.offset, inst_access_bit(f.symbol) != 0, p->arg_bytes, false,
                                  p->line, p->file));
  }
  if (!tmp_non_default())
    sel_emit_oc(objPopTemps(p->line, p->file));
  if (p->opcode == I_CALL8)
    self->loc = sel_loc_w();
  else if (p->opcode == I_CALL16)
    self->loc = sel_loc_ram(PRODLsym, 0, 2);
}

// The chain lists the parameters from the first; the last parameter has
// frame offset 0, so the rest of the chain is pushed first, then this
// argument's value.
void selArg(pcodell_t *p) {
  int width = p->opcode == I_ARG16 ? 2 : 1;
  sel_take(0);
  sel_take(1);
  SelLoc v = sel_kid(1)->loc;
  if (v.kind != LOC_W)
    v.width = width;
  SelLoc push = sel_loc_ram(POSTINC1sym, 0, 1);
  for (int i = 0; i < width; i++) {
    if (i >= v.width && v.kind == LOC_W)
      sel_move_byte(p, sel_loc_const(0, 1), 0, push);
    else
      sel_move_byte(p, v, i, SelLoc{LOC_RAM, POSTINC1sym, -i, 0, 1});
  }
}

// The result into WREG or PRODH:PRODL, then the jump to the return label.
void selReturn(pcodell_t *p) {
  sel_take_all();
  if (p->opcode == I_RET16) {
    SelLoc v = sel_kid(0)->loc;
    SelLoc prod = sel_loc_ram(PRODLsym, 0, 2);
    bool in_prod = v.kind == LOC_RAM && v.symbol == PRODLsym && v.offset == 0;
    if (v.kind != LOC_W)
      v.width = 2;
    if (!in_prod)
      sel_move(p, v, prod);
  }
  VELC_ASSERT(p->label != nullptr);
  sel_emit_oc(objBranchSymbol(p->label, p->line, p->file));
}
