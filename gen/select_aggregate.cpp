// Actions of the aggregate rules. In: member nodes over the address forms
// of their structure (a link-time address, a frame slot, a pointer value).
// Out: the member's address in the same form, or the pointer plus the
// member offset computed into the destination the parent chose.
#include "driver/diag.h"
#include "gen/gen.h"
#include "gen/select.h"
#include "gen/select_actions.h"

static bool s_is_member(const pcodell_t *p) { return p && p->opcode >= I_MEMBERRAM8 && p->opcode <= I_MEMBERROM24; }

long sel_frame_offset(const pcodell_t *address) {
  long extra = 0;
  while (s_is_member(address) && address->left && isPcodellIndirection(address->left)) {
    extra += address->data.expr.member.offset;
    address = address->left->left;
  }
  if (!address || address->opcode != I_IDSTK || !address->data.expr.var.sym)
    return -1;
  long k = address->data.expr.var.sym->data.var.offset;
  return k < 0 ? -1 : k + extra;
}

bool selMemberAtZero(pcodell_t *p) { return p->data.expr.member.offset == 0; }

// A link-time address or a frame address: the member offset folds in.
void selMemberAddress(pcodell_t *p) {
  gen_attrib *self = sel_self();
  sel_take(0);
  self->loc = sel_kid(0)->loc;
  VELC_ASSERT(self->loc.kind == LOC_ADDR || self->loc.kind == LOC_STKADDR);
  self->loc.offset += p->data.expr.member.offset;
}

// dest := pointer + member offset, byte by byte with the carry.
void selMemberToDest(pcodell_t *p) {
  gen_attrib *self = sel_self();
  sel_take(0);
  SelLoc ptr = sel_kid(0)->loc;
  ptr.width = 2;
  VELC_ASSERT(sel_is_memory(ptr));
  const SelLoc k = sel_loc_const(p->data.expr.member.offset, 2);
  const SelLoc &d = self->dest;
  for (int i = 0; i < 2; i++) {
    sel_byte_to_w(p, k, i);
    if (ptr.kind == LOC_STK) {
      sel_emit(p, iqx_opWF_idx(i == 0 ? ADDWF : ADDWFC, int32_t(ptr.offset + i), DEST_W));
    } else {
      sel_banksel(p, ptr, i);
      sel_emit(p, iqx_opWF(i == 0 ? ADDWF : ADDWFC, ptr.symbol, int32_t(ptr.offset + i), DEST_W));
    }
    sel_w_to_byte(p, d, i);
  }
  self->loc = d;
}
