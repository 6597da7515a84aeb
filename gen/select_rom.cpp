// Program memory through the table pointer. In: rom indirections with their
// address kid (a rom object's address, possibly plus a constant or a RAM
// index, a pointer variable, a frame slot or a constant), and the chains
// that read the addressed bytes. Out: code that loads TBLPTR, reads with
// TBLRD* into TABLAT, and leaves the byte in TABLAT or copies the value into
// the destination the parent named.
//
// Convention: TBLPTRU is 0 except within a far access, so a near address
// sets only TBLPTRH:TBLPTRL.
#include "driver/diag.h"
#include "gen/gen.h"
#include "gen/select.h"
#include "gen/select_actions.h"

int sel_kid_count();

static int s_rom_width(const pcodell_t *p) {
  switch (p->opcode) {
  case I_IND16ROM16:
    return 2;
  default:
    return 1;
  }
}

// The value is in program memory at TBLPTR: no location a byte mover names.
static SelLoc s_at_tblptr(int width) { return SelLoc{LOC_NONE, nullptr, 0, 0, width}; }

bool selIsRomIndexAdd(pcodell_t *p) { return selIsAddressAdd(p->left); }

// A rom address plus a constant: the address with the constant in its offset.
void selRomAddrFold(pcodell_t *) {
  const SelLoc &a = sel_kid(0)->loc;
  const SelLoc &b = sel_kid(1)->loc;
  SelLoc sum = a.kind == LOC_ADDR ? a : b;
  sum.offset += a.kind == LOC_ADDR ? b.value : a.value;
  sum.offset &= 0xFFFF;
  sel_self()->loc = sum;
}

// TBLPTRH:TBLPTRL := the address (a link-time constant, an integer, a RAM
// pointer or a frame slot).
void selLoadTblptr(pcodell_t *p) {
  sel_take(0);
  SelLoc a = sel_kid(0)->loc;
  a.width = 2;
  sel_move(p, a, sel_loc_ram(TBLPTRLsym, 0, 2));
  sel_self()->loc = s_at_tblptr(s_rom_width(p));
}

// TBLPTR := base + index. The low byte's carry goes into the high byte; a
// byte index is zero-extended by adding the carry alone (CLRF and MOVLW
// leave C as it is).
void selLoadTblptrIndexed(pcodell_t *p) {
  sel_take_all();
  SelLoc base = sel_kid(0)->loc;
  SelLoc index = sel_kid(1)->loc;
  VELC_ASSERT(base.kind == LOC_ADDR && sel_is_memory(index));
  SelLoc low = sel_loc_ram(TBLPTRLsym, 0, 1), high = sel_loc_ram(TBLPTRHsym, 0, 1);
  if (p->left->right->opcode == I_C8TO16U) {
    sel_byte_to_w(p, index, 0);
    sel_emit(p, iqx_ADDLWADDRL(base.symbol, int32_t(base.offset)));
    sel_w_to_byte(p, low, 0);
    sel_emit(p, iqx_CLRF(TBLPTRHsym, 0));
    sel_emit(p, iqx_LADDRH(base.symbol, int32_t(base.offset)));
    sel_emit(p, iqx_opWF(ADDWFC, TBLPTRHsym, 0, DEST_F));
  } else {
    for (int i = 0; i < 2; i++) {
      sel_byte_to_w(p, SelLoc{LOC_ADDR, base.symbol, base.offset, 0, 2}, i);
      sel_w_op_byte(p, i == 0 ? ADDWF : ADDWFC, SelLoc{index.kind, index.symbol, index.offset, 0, 2}, i);
      sel_w_to_byte(p, i == 0 ? low : high, 0);
    }
  }
  sel_self()->loc = s_at_tblptr(s_rom_width(p));
}

// TABLAT := the byte at TBLPTR.
void selTableRead(pcodell_t *p) {
  sel_take(0);
  sel_emit(p, iqx_TBLRD());
  sel_self()->loc = sel_loc_ram(TABLATsym, 0, 1);
}

// The bytes at TBLPTR into the destination, from the lowest; the pointer
// advances between bytes.
void selTableReadToDest(pcodell_t *p) {
  gen_attrib *self = sel_self();
  sel_take(0);
  const SelLoc &d = self->dest;
  VELC_ASSERT(d.kind == LOC_RAM || d.kind == LOC_STK);
  int width = sel_kid(0)->loc.width;
  SelLoc tablat = sel_loc_ram(TABLATsym, 0, 1);
  for (int i = 0; i < width; i++) {
    sel_emit(p, i + 1 < width ? iqx_TBLRDPOSTINC() : iqx_TBLRD());
    sel_move_byte(p, tablat, 0, SelLoc{d.kind, d.symbol, d.offset + i, 0, 1});
  }
  self->loc = SelLoc{d.kind, d.symbol, d.offset, 0, width};
}
