// The byte movers of the selector. In: locations (WREG, a RAM variable, a
// frame slot, a constant, an address, the address FSR2 + k, the byte at
// FSR0) and the node being reduced. Out: instructions appended to the
// node's own code list that load, store, combine or move bytes between
// them, with bank selection where a banked byte needs it.
//
// A value at FSR0 is read or written once, byte by byte from the lowest:
// one byte through INDF0, two bytes through POSTINC0 then POSTDEC0, which
// leaves FSR0 where it was.
#include "driver/diag.h"
#include "gen/gen.h"
#include "gen/select.h"

SelLoc sel_loc_w() { return SelLoc{LOC_W, nullptr, 0, 0, 1}; }
SelLoc sel_loc_ram(SymbolRecord *sym, long offset, int width) { return SelLoc{LOC_RAM, sym, offset, 0, width}; }
SelLoc sel_loc_const(long value, int width) { return SelLoc{LOC_CONST, nullptr, 0, value, width}; }
bool sel_is_memory(const SelLoc &l) { return l.kind == LOC_RAM || l.kind == LOC_STK; }

void sel_emit(pcodell_t *p, inst *ins) { sel_emit_oc(objInst(ins, p->line, p->file)); }

long sel_counted(const ocode *list) {
  long n = 0;
  for (const ocode *oc = list; oc; oc = oc->next)
    if (ocode_is_counted(oc))
      n++;
  return n;
}

// The register symbol through which byte i of a FSR0 value is reached.
static SymbolRecord *s_fsr0_byte(const SelLoc &l, int i) {
  if (l.width <= 1)
    return INDF0sym;
  VELC_ASSERT(l.width == 2 && (i == 0 || i == 1));
  return i == 0 ? POSTINC0sym : POSTDEC0sym;
}

// A location that a file instruction names by symbol: RAM, or FSR0 through
// its access register.
static bool s_file_symbol(const SelLoc &l, int i, SymbolRecord **sym, long *off) {
  if (l.kind == LOC_RAM) {
    *sym = l.symbol;
    *off = l.offset + i;
    return true;
  }
  if (l.kind == LOC_FSR0) {
    *sym = s_fsr0_byte(l, i);
    *off = 0;
    return true;
  }
  return false;
}

static int s_const_byte(const SelLoc &l, int i) { return int((unsigned long)l.value >> (8 * i)) & 0xFF; }

void sel_banksel(pcodell_t *p, const SelLoc &l, int i) {
  if (l.kind == LOC_RAM && inst_access_bit(l.symbol))
    sel_emit(p, iqx_BANKSEL(l.symbol, int32_t(l.offset + i)));
}

static inst *s_address_byte(const SelLoc &l, int i) {
  switch (i) {
  case 0:
    return iqx_LADDRL(l.symbol, int32_t(l.offset));
  case 1:
    return iqx_LADDRH(l.symbol, int32_t(l.offset));
  default:
    return iqx_LADDRU(l.symbol, int32_t(l.offset));
  }
}

void sel_byte_to_w(pcodell_t *p, const SelLoc &src, int i) {
  SymbolRecord *sym;
  long off;
  switch (src.kind) {
  case LOC_W:
    VELC_ASSERT(i == 0);
    return;
  case LOC_CONST:
    sel_emit(p, iqx_MOVLW(s_const_byte(src, i)));
    return;
  case LOC_ADDR:
    sel_emit(p, s_address_byte(src, i));
    return;
  case LOC_STK:
    sel_emit(p, iqx_opWF_idx(MOVF, int32_t(src.offset + i), DEST_W));
    return;
  case LOC_STKADDR:
    // FSR2 + k; the carry of the low byte goes into the high byte, so
    // nothing between the two bytes may change C.
    sel_emit(p, iqx_MOVLW(int((src.offset >> (8 * i)) & 0xFF)));
    sel_emit(p, iqx_opWF(i == 0 ? ADDWF : ADDWFC, i == 0 ? FSR2Lsym : FSR2Hsym, 0, DEST_W));
    return;
  default:
    VELC_ASSERT(s_file_symbol(src, i, &sym, &off));
    sel_banksel(p, src, i);
    sel_emit(p, iqx_opWF(MOVF, sym, int32_t(off), DEST_W));
  }
}

void sel_w_to_byte(pcodell_t *p, const SelLoc &dst, int i) {
  SymbolRecord *sym;
  long off;
  if (dst.kind == LOC_STK) {
    sel_emit(p, iqx_MOVWF_idx(int32_t(dst.offset + i)));
    return;
  }
  VELC_ASSERT(s_file_symbol(dst, i, &sym, &off));
  sel_banksel(p, dst, i);
  sel_emit(p, iqx_MOVWF(sym, int32_t(off)));
}

static void s_movff(pcodell_t *p, SymbolRecord *s, long so, SymbolRecord *d, long dof) {
  sel_emit(p, iqx_MOVFF(s, int32_t(so)));
  sel_emit(p, iqx_MOVFF2(s, int32_t(so), d, int32_t(dof)));
}

void sel_move_byte(pcodell_t *p, const SelLoc &src, int i, const SelLoc &dst) {
  SymbolRecord *ss, *ds;
  long so, dof;
  bool src_file = s_file_symbol(src, i, &ss, &so);
  bool dst_file = s_file_symbol(dst, i, &ds, &dof);
  if (src.kind == LOC_CONST && (s_const_byte(src, i) == 0 || s_const_byte(src, i) == 0xFF)) {
    bool zero = s_const_byte(src, i) == 0;
    if (dst.kind == LOC_STK) {
      sel_emit(p, zero ? iqx_CLRF_idx(int32_t(dst.offset + i)) : iqx_SETF_idx(int32_t(dst.offset + i)));
      return;
    }
    VELC_ASSERT(dst_file);
    sel_banksel(p, dst, i);
    sel_emit(p, zero ? iqx_CLRF(ds, int32_t(dof)) : iqx_SETF(ds, int32_t(dof)));
    return;
  }
  if (src_file && dst_file) {
    s_movff(p, ss, so, ds, dof);
    return;
  }
  if (src.kind == LOC_STK && dst_file) {
    sel_emit(p, iqx_MOVSF(int32_t(src.offset + i)));
    sel_emit(p, iqx_MOVSF2(int32_t(src.offset + i), ds, int32_t(dof)));
    return;
  }
  if (src.kind == LOC_STK && dst.kind == LOC_STK) {
    sel_emit(p, iqx_MOVSS(int32_t(src.offset + i)));
    sel_emit(p, iqx_MOVSS2(int32_t(src.offset + i), int32_t(dst.offset + i)));
    return;
  }
  sel_byte_to_w(p, src, i);
  sel_w_to_byte(p, dst, i);
}

void sel_move(pcodell_t *p, const SelLoc &src, const SelLoc &dst) {
  for (int i = 0; i < dst.width; i++) {
    if (i < src.width || src.kind == LOC_CONST || src.kind == LOC_ADDR || src.kind == LOC_STKADDR) {
      sel_move_byte(p, src, i, dst);
    } else {
      SelLoc zero = sel_loc_const(0, 1);
      sel_move_byte(p, zero, 0, SelLoc{dst.kind, dst.symbol, dst.offset + i, 0, 1});
    }
  }
}

// The literal form of a file operation on WREG.
static int s_literal_op(int op) {
  switch (op) {
  case XORWF:
    return XORLW;
  case IORWF:
    return IORLW;
  case ANDWF:
    return ANDLW;
  case ADDWF:
    return ADDLW;
  case SUBWF:
    return SUBLW;  // k - W: the operand minus WREG, as SUBWF f,W
  default:
    VELC_ASSERT(!"no literal form");
    return op;
  }
}

void sel_w_op_byte(pcodell_t *p, int op, const SelLoc &src, int i) {
  SymbolRecord *sym;
  long off;
  switch (src.kind) {
  case LOC_CONST:
    sel_emit(p, iqx_opLW(s_literal_op(op), s_const_byte(src, i)));
    return;
  case LOC_ADDR:
    VELC_ASSERT(op == ADDWF && i < 2);
    sel_emit(p, i == 0 ? iqx_ADDLWADDRL(src.symbol, int32_t(src.offset))
                       : iqx_ADDLWADDRH(src.symbol, int32_t(src.offset)));
    return;
  case LOC_STK:
    sel_emit(p, iqx_opWF_idx(op, int32_t(src.offset + i), DEST_W));
    return;
  default:
    VELC_ASSERT(s_file_symbol(src, i, &sym, &off));
    sel_banksel(p, src, i);
    sel_emit(p, iqx_opWF(op, sym, int32_t(off), DEST_W));
  }
}

void sel_rmw_byte(pcodell_t *p, int op, const SelLoc &dst, int i, int d) {
  SymbolRecord *sym;
  long off;
  if (dst.kind == LOC_STK) {
    sel_emit(p, iqx_opWF_idx(op, int32_t(dst.offset + i), d));
    return;
  }
  VELC_ASSERT(s_file_symbol(dst, i, &sym, &off));
  sel_banksel(p, dst, i);
  sel_emit(p, iqx_opWF(op, sym, int32_t(off), d));
}
