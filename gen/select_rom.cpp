// Program memory through the table pointer. In: rom indirections with their
// address kid (a rom object's address, possibly plus a constant or a RAM
// index, a near or far pointer variable, a frame slot or a constant), the
// chains that read the addressed bytes, members of rom structures, stores of
// far pointers, stores into rom, and calls through function pointers read
// from rom or held as far pointers. Out: code that loads TBLPTR, reads with
// TBLRD* into TABLAT (leaving the byte there or copying the value into the
// destination the parent named) or writes with TBLWT*, and the call
// sequences through PCLATU:PCLATH:WREG.
//
// Convention: TBLPTRU is 0 except within a far access, so a near address
// sets only TBLPTRH:TBLPTRL, and a far access clears TBLPTRU after its last
// read or write.
#include "driver/diag.h"
#include "gen/frame.h"
#include "gen/gen.h"
#include "gen/select.h"
#include "gen/select_actions.h"
#include "gen/temps.h"

int sel_kid_count();

static int s_rom_width(const pcodell_t *p) {
  switch (p->opcode) {
  case I_IND16ROM16: case I_IND16ROM24: return 2;
  case I_IND24ROM16: case I_IND24ROM24: return 3;
  case I_IND32ROM16: case I_IND32ROM24: return 4;
  default: return 1;
  }
}

static bool s_is_far(const pcodell_t *p) {
  return p->opcode == I_IND8ROM24 || p->opcode == I_IND16ROM24 || p->opcode == I_IND24ROM24 ||
         p->opcode == I_IND32ROM24 || p->opcode == I_INDXROM24;
}

// The value is in program memory at TBLPTR: no location a byte mover names;
// `value` says whether TBLPTRU was set (a far address).
static SelLoc s_at_tblptr(const pcodell_t *p) {
  return SelLoc{LOC_NONE, nullptr, 0, s_is_far(p) ? 1 : 0, s_rom_width(p)};
}

static SelLoc s_tblptr(int width) { return sel_loc_ram(TBLPTRLsym, 0, width); }

// The variable whose address a pram16 or pstk_i kid holds.
static SelLoc s_variable(SelLoc a, int width) {
  if (a.kind == LOC_STKADDR)
    return SelLoc{LOC_STK, nullptr, a.offset, 0, width};
  VELC_ASSERT(a.kind == LOC_ADDR);
  return sel_loc_ram(a.symbol, a.offset, width);
}

// The far pointer variable under a rom indirection or a store (I_IND24RAM16),
// at p's left, or at the left of p's left.
static const pcodell_t *s_far_pointer(const pcodell_t *p) {
  const pcodell_t *l = p->left;
  if (l->opcode != I_IND24RAM16)
    l = l->left;
  VELC_ASSERT(l->opcode == I_IND24RAM16);
  return l;
}

static bool s_far_slot_fits(const pcodell_t *ind) {
  const pcodell_t *id = ind->left;
  return id->opcode == I_IDSTK && id->data.expr.var.sym && id->data.expr.var.sym->data.var.offset >= 0 &&
         id->data.expr.var.sym->data.var.offset + 3 <= 96;
}

bool selIsRomIndexAdd(pcodell_t *p) { return selIsAddressAdd(p->left); }
bool selFarSlotFits(pcodell_t *p) { return s_far_slot_fits(s_far_pointer(p)); }
bool selFarSlotFitsAdd(pcodell_t *p) { return selIsRomIndexAdd(p) && s_far_slot_fits(s_far_pointer(p)); }
bool selFarSlotFitsMov(pcodell_t *p) { return s_far_slot_fits(p->left); }
bool selFarSlotFitsMovSrc(pcodell_t *p) { return s_far_slot_fits(p->right); }

void selRomAddress24(pcodell_t *p) {
  gen_attrib *self = sel_self();
  if (p->opcode == I_IDROM24) {
    self->loc = SelLoc{LOC_ADDR, p->data.expr.var.sym, 0, 0, 3};
    return;
  }
  sel_take(0);
  self->loc = sel_kid(0)->loc;
  self->loc.width = 3;
}

// A rom address plus a constant: the address with the constant in its offset.
// The constant may come with code: the left side of a comma, `tab[(n++, 3)]`.
void selRomAddrFold(pcodell_t *p) {
  sel_take_all();
  const SelLoc &a = sel_kid(0)->loc;
  const SelLoc &b = sel_kid(1)->loc;
  SelLoc sum = a.kind == LOC_ADDR ? a : b;
  sum.offset += a.kind == LOC_ADDR ? b.value : a.value;
  sum.offset &= p->opcode == I_cop24 ? 0xFFFFFF : 0xFFFF;
  sel_self()->loc = sum;
}

// TBLPTR := k + m, byte by byte with the carry: k a constant, a rom address
// or a variable of `width` bytes, m a RAM or frame value of m.width bytes,
// zero- or sign-extended (CLRF, SETF, MOVLW, MOVF and the bit tests leave C
// as it is).
static void s_tblptr_add(pcodell_t *p, SelLoc k, const SelLoc &m, int width, bool is_signed) {
  k.width = width;
  for (int j = 0; j < width; j++) {
    SelLoc byte = sel_loc_ram(TBLPTRLsym, j, 1);
    if (j < m.width) {
      sel_byte_to_w(p, k, j);
      sel_w_op_byte(p, j == 0 ? ADDWF : ADDWFC, m, j);
      sel_w_to_byte(p, byte, 0);
      continue;
    }
    sel_emit(p, iqx_CLRF(TBLPTRLsym, j));
    if (is_signed) {
      int top = int(m.width - 1);
      if (m.kind == LOC_STK) {
        sel_emit(p, iqx_BTFSC_idx(int32_t(m.offset + top), 7));
      } else {
        sel_banksel(p, m, top);
        sel_emit(p, iqx_BTFSC(m.symbol, int32_t(m.offset + top), 7));
      }
      sel_emit(p, iqx_SETF(TBLPTRLsym, j));
    }
    sel_byte_to_w(p, k, j);
    sel_emit(p, iqx_opWF(ADDWFC, TBLPTRLsym, j, DEST_F));
  }
}

// The width of an index under an address addition, from its conversion.
static int s_index_width(const pcodell_t *conv) {
  return conv->opcode == I_C8TO16U || conv->opcode == I_C8TO24U ? 1 : 2;
}

// TBLPTR := the address (a link-time constant, an integer, a RAM pointer or
// a frame slot).
void selLoadTblptr(pcodell_t *p) {
  sel_take(0);
  SelLoc a = sel_kid(0)->loc;
  a.width = s_is_far(p) ? 3 : 2;
  sel_move(p, a, s_tblptr(a.width));
  sel_self()->loc = s_at_tblptr(p);
}

// TBLPTR := a rom base + a RAM index (zero-extended by the conversion the
// pattern names, if any).
void selLoadTblptrIndexed(pcodell_t *p) {
  sel_take_all();
  SelLoc index = sel_kid(1)->loc;
  VELC_ASSERT(sel_kid(0)->loc.kind == LOC_ADDR && sel_is_memory(index));
  const pcodell_t *add = p->left;
  index.width = s_index_width(add->right);
  s_tblptr_add(p, sel_kid(0)->loc, index, s_is_far(p) ? 3 : 2, add->right->opcode == I_C16TO24S);
  sel_self()->loc = s_at_tblptr(p);
}

// TBLPTR := a far pointer variable, or the variable plus a constant or a
// RAM index (zero-extended by the conversion the pattern names).
void selLoadTblptrFromVar(pcodell_t *p) {
  sel_take_all();
  SelLoc ptr = s_variable(sel_kid(0)->loc, 3);
  if (sel_kid_count() == 1) {
    sel_move(p, ptr, s_tblptr(3));
  } else if (sel_kid(1)->loc.kind == LOC_CONST) {
    s_tblptr_add(p, sel_kid(1)->loc, ptr, 3, false);
  } else {
    SelLoc index = sel_kid(1)->loc;
    VELC_ASSERT(sel_is_memory(index));
    index.width = s_index_width(p->left->right);
    s_tblptr_add(p, ptr, index, 3, p->left->right->opcode == I_C16TO24S);
  }
  sel_self()->loc = s_at_tblptr(p);
}

// After the last read of a far access TBLPTRU goes back to 0.
static void s_end_access(pcodell_t *p, const SelLoc &at) {
  if (at.value)
    sel_emit(p, iqx_CLRF(TBLPTRUsym, 0));
}

// TABLAT := the byte at TBLPTR.
void selTableRead(pcodell_t *p) {
  sel_take(0);
  sel_emit(p, iqx_TBLRD());
  s_end_access(p, sel_kid(0)->loc);
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
    if (i + 1 == width)
      s_end_access(p, sel_kid(0)->loc);
    sel_move_byte(p, tablat, 0, SelLoc{d.kind, d.symbol, d.offset + i, 0, 1});
  }
  self->loc = SelLoc{d.kind, d.symbol, d.offset, 0, width};
}

// A far pointer variable := a rom address or another far pointer variable.
void selStoreFarPointer(pcodell_t *p) {
  sel_take_all();
  SelLoc dst = s_variable(sel_kid(0)->loc, 3);
  SelLoc src = sel_kid(1)->loc;
  if (p->right->opcode == I_IND24RAM16)
    src = s_variable(src, 3);
  src.width = 3;
  sel_move(p, src, dst);
  sel_self()->loc = dst;
}

// ---- calls ------------------------------------------------------------------

// The end of a call: PCLATU back to 0 after a far one, the marker that
// closes the temporaries' save area, and where the result is.
static void s_call_end(pcodell_t *p, bool far_call) {
  gen_attrib *self = sel_self();
  if (far_call)
    sel_emit(p, iqx_CLRF(PCLATUsym, 0));
  if (!tmp_non_default())
    sel_emit_oc(objPopTemps(p->line, p->file));
  if (p->opcode == I_CALL8)
    self->loc = sel_loc_w();
  else if (p->opcode == I_CALL16)
    self->loc = sel_loc_ram(PRODLsym, 0, 2);
}

// A call through a pointer in program memory: the arguments, TBLPTR := the
// pointer's address, then its bytes from the lowest into WREG, PCLATH and
// (far) PCLATU, and CALLW.
void selCallRom(pcodell_t *p) {
  bool far_call = p->left->opcode == I_IND24ROM16;
  sel_take(1);
  sel_take(0);
  if (far_call) {
    SelLoc a = sel_kid(0)->loc;
    a.width = 2;
    sel_move(p, a, s_tblptr(2));
  }
  SelLoc tablat = sel_loc_ram(TABLATsym, 0, 1);
  sel_emit(p, iqx_TBLRDPOSTINC());
  sel_byte_to_w(p, tablat, 0);
  sel_emit(p, far_call ? iqx_TBLRDPOSTINC() : iqx_TBLRD());
  if (!far_call)
    s_end_access(p, sel_kid(0)->loc);
  sel_move_byte(p, tablat, 0, sel_loc_ram(PCLATHsym, 0, 1));
  if (far_call) {
    sel_emit(p, iqx_TBLRD());
    sel_move_byte(p, tablat, 0, sel_loc_ram(PCLATUsym, 0, 1));
  }
  sel_emit(p, iqx_CALLW());
  sel_emit_oc(s_call_pop_argframe(p->arg_bytes, p->line, p->file));
  s_call_end(p, far_call);
}

// A call through the far pointer at ptr (a variable, a temporary or a frame
// slot), after the arguments and the code that found the pointer.
static void s_call_far_at(pcodell_t *p, SelLoc ptr) {
  if (ptr.kind == LOC_RAM) {
    sel_emit_oc(oqx_call_indirect(ptr.symbol, ptr.offset, inst_access_bit(ptr.symbol) != 0, p->arg_bytes, true,
                                  p->line, p->file));
  } else {
    sel_move_byte(p, ptr, 2, sel_loc_ram(PCLATUsym, -2, 1));
    sel_move_byte(p, ptr, 1, sel_loc_ram(PCLATHsym, -1, 1));
    sel_byte_to_w(p, ptr, 0);
    sel_emit(p, iqx_CALLW());
    sel_emit_oc(s_call_pop_argframe(p->arg_bytes, p->line, p->file));
  }
  s_call_end(p, true);
}

// A call through a far pointer variable or frame slot.
void selCallFar(pcodell_t *p) {
  sel_take(1);
  sel_take(0);
  s_call_far_at(p, s_variable(sel_kid(0)->loc, 3));
}

// A call through a far pointer value computed into a temporary.
void selCallFarValue(pcodell_t *p) {
  sel_take(1);
  sel_take(0);
  SelLoc ptr = sel_kid(0)->loc;
  ptr.width = 3;
  s_call_far_at(p, ptr);
  if (p->opcode == I_CALL24 || p->opcode == I_CALL32)
    sel_self()->loc = sel_loc_ram(__RETVAL0sym, 0, p->opcode == I_CALL24 ? 3 : 4);
}

// ---- table writes -------------------------------------------------------------

// value -> rom: the value's code, the code that points TBLPTR at the
// destination (or TBLPTR := a rom address when the value waits in TABLAT),
// then for each byte TABLAT := the byte and TBLWT*+ (TBLWT* for the last).
void selTableWrite(pcodell_t *p) {
  gen_attrib *self = sel_self();
  int width = p->opcode == I_MOV32 ? 4 : p->opcode == I_MOV24 ? 3 : p->opcode == I_MOV16 ? 2 : 1;
  SelLoc v = sel_kid(1)->loc;
  sel_take(1);
  sel_take(0);
  SelLoc at = sel_kid(0)->loc;
  bool in_tablat = at.kind == LOC_ADDR;  // the value waits in TABLAT
  if (in_tablat) {
    bool far_address = p->left->opcode == I_IND8ROM24;
    at.width = far_address ? 3 : 2;
    sel_move(p, at, s_tblptr(at.width));
    sel_emit(p, iqx_TBLWT());
    s_end_access(p, SelLoc{LOC_NONE, nullptr, 0, far_address ? 1 : 0, 1});
    self->loc = v;
    return;
  }
  v.width = width;
  for (int i = 0; i < width; i++) {
    sel_move_byte(p, v, i, SelLoc{LOC_RAM, TABLATsym, -i, 0, 1});
    sel_emit(p, i + 1 < width ? iqx_TBLWTPOSTINC() : iqx_TBLWT());
  }
  s_end_access(p, at);
  self->loc = v;
}

// ---- members of rom structures ----------------------------------------------

bool selRomMemberAtZero(pcodell_t *p) { return p->data.expr.member.offset == 0; }

// A structure at a rom address: the member's rom address.
void selRomMemberAddress(pcodell_t *p) {
  sel_take(0);
  SelLoc a = sel_kid(0)->loc;
  a.offset = (a.offset + p->data.expr.member.offset) & (p->opcode == I_MEMBERROM24 ? 0xFFFFFF : 0xFFFF);
  sel_self()->loc = a;
}

// dest := a far rom address + a 24-bit RAM or frame value, with the carry.
void selRomIndexToDest(pcodell_t *p) {
  gen_attrib *self = sel_self();
  sel_take_all();
  SelLoc k = sel_kid(0)->loc;
  SelLoc m = sel_kid(1)->loc;
  k.width = m.width = 3;
  for (int i = 0; i < 3; i++) {
    sel_byte_to_w(p, k, i);
    sel_w_op_byte(p, i == 0 ? ADDWF : ADDWFC, m, i);
    sel_w_to_byte(p, self->dest, i);
  }
  self->loc = SelLoc{self->dest.kind, self->dest.symbol, self->dest.offset, 0, 3};
}

// dest := a near or far rom pointer + the member offset, with the carry.
void selRomMemberToDest(pcodell_t *p) {
  gen_attrib *self = sel_self();
  sel_take(0);
  int width = p->opcode == I_MEMBERROM24 ? 3 : 2;
  SelLoc ptr = sel_kid(0)->loc;
  ptr.width = width;
  SelLoc k = sel_loc_const(p->data.expr.member.offset, width);
  for (int i = 0; i < width; i++) {
    sel_byte_to_w(p, k, i);
    sel_w_op_byte(p, i == 0 ? ADDWF : ADDWFC, ptr, i);
    sel_w_to_byte(p, self->dest, i);
  }
  self->loc = SelLoc{self->dest.kind, self->dest.symbol, self->dest.offset, 0, width};
}

// TBLPTR := a far address computed into memory (a temporary, a variable or
// a frame slot): an address with a scaled index, or a pointer stepped by
// x++ whose old value is read.
void selLoadTblptrFromValue(pcodell_t *p) {
  sel_take(0);
  SelLoc v = sel_kid(0)->loc;
  VELC_ASSERT(sel_is_memory(v));
  v.width = 3;
  sel_move(p, v, s_tblptr(3));
  sel_self()->loc = s_at_tblptr(p);
}

// TBLPTR := a far rom address plus a 24-bit offset computed into memory
// (an index scaled by the element size), byte by byte with the carry.
void selLoadTblptrAddrPlus(pcodell_t *p) {
  sel_take_all();
  SelLoc offset = sel_kid(1)->loc;
  VELC_ASSERT(sel_is_memory(offset));
  offset.width = 3;
  s_tblptr_add(p, sel_kid(0)->loc, offset, 3, false);
  sel_self()->loc = s_at_tblptr(p);
}
