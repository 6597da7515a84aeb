// The 16-bit operation emitters. In: operands (gen/oqx.h conventions) and
// constants. Out: output-code lists for two-byte operations: the
// commutative operations and subtraction into a destination or in place,
// multiplication, shifts, moves, negation, equality and pointer bumping.
#include "gen/oqx_internal.h"
#include "trans/pcodell.h"

static OqxOperand s_byte1(const OqxOperand &x) {
  if (x.kind != OQX_RAM && x.kind != OQX_STK)
    oqx_bad("byte-wise sequence on a pointer operand");
  OqxOperand hi = x;
  hi.offset += 1;
  return hi;
}

// RAM or a frame slot: operands a sequence may access several times.
static void s_need_memory(const OqxOperand &x) {
  if (x.kind != OQX_RAM && x.kind != OQX_STK)
    oqx_bad("operand through a pointer register where a variable is needed");
}

// The bank of a single banked operand, selected before a loop.
static void s_preselect(OqxEmit &e, const OqxOperand &x) {
  if (x.kind == OQX_RAM && x.banked && !e.bank_each && e.bank_sym != x.sym) {
    oqx_inst(e, iqx_BANKSEL(x.sym, x.offset));
    e.bank_sym = x.sym;
  }
}

// dst byte j := src byte i, by the shortest move the pair of forms allows.
static void s_copy_byte(OqxEmit &e, const OqxOperand &src, int i, const OqxOperand &dst, int j) {
  bool src_direct = src.kind == OQX_RAM || src.kind == OQX_FSR0;
  if (src_direct && (dst.kind == OQX_RAM || dst.kind == OQX_FSR0)) {
    SymbolRecord *s = src.kind == OQX_RAM ? src.sym : POSTINC0sym;
    SymbolRecord *d = dst.kind == OQX_RAM ? dst.sym : POSTINC0sym;
    oqx_movff(e, s, src.kind == OQX_RAM ? src.offset + i : 0, d, dst.kind == OQX_RAM ? dst.offset + j : 0);
    return;
  }
  if (src.kind == OQX_STK && dst.kind == OQX_STK) {
    oqx_inst(e, iqx_MOVSS(src.offset + i));
    oqx_inst(e, iqx_MOVSS2(src.offset + i, dst.offset + j));
    return;
  }
  if (src.kind == OQX_STK && dst.kind == OQX_RAM) {
    oqx_inst(e, iqx_MOVSF(src.offset + i));
    oqx_inst(e, iqx_MOVSF2(src.offset + i, dst.sym, dst.offset + j));
    return;
  }
  oqx_fd(e, MOVF, oqx_src(e, src, i), DEST_W);
  oqx_f(e, MOVWF, oqx_dst(e, dst, j));
  oqx_dst_end(e, dst);
}

// WREG := byte i of x (MOVFF for a banked variable: no bank selection).
static void s_load_w(OqxEmit &e, const OqxOperand &x, int i) {
  if (x.kind == OQX_RAM && x.banked)
    oqx_movff(e, x.sym, x.offset + i, WREGsym, 0);
  else
    oqx_fd(e, MOVF, oqx_src(e, x, i), DEST_W);
}

// Byte i of d := a product register (PRODL or PRODH).
static void s_from_prod(OqxEmit &e, SymbolRecord *prod, const OqxOperand &d, int i) {
  s_copy_byte(e, oqx_ram(prod, 0, false), 0, d, i);
}

static int32_t s_byte(long k, int i) { return static_cast<int32_t>((static_cast<unsigned long>(k) >> (8 * i)) & 0xFF); }

ocode *oqxComplementStack16(int32_t k, const OqxOperand &dst, long line, const char *file) {
  OqxEmit e = oqx_begin(line, file, {dst});
  for (int i = 0; i < 2; ++i) {
    if (k + i == 0) {
      oqx_fd(e, COMF, oqx_reg(INDF2sym), DEST_W);
    } else {
      oqx_inst(e, iqx_MOVLW((k + i) & 0xFF));
      oqx_fd(e, COMF, oqx_reg(PLUSW2sym), DEST_W);
    }
    oqx_f(e, MOVWF, oqx_dst(e, dst, i));
    oqx_dst_end(e, dst);
  }
  return e.list;
}

ocode *oqxopF16(int32_t cop, const OqxOperand &a, const OqxOperand &b, const OqxOperand &d, long line,
                const char *file) {
  OqxEmit e = oqx_begin(line, file, {a, b, d});
  for (int i = 0; i < 2; ++i) {
    oqx_fd(e, MOVF, oqx_src(e, a, i), DEST_W);
    oqx_fd(e, oqx_cop_wf(cop, i > 0), oqx_src(e, b, i), DEST_W);
    oqx_f(e, MOVWF, oqx_dst(e, d, i));
    oqx_dst_end(e, d);
  }
  return e.list;
}

ocode *oqxSUB16(const OqxOperand &a, const OqxOperand &b, const OqxOperand &d, long line, const char *file) {
  OqxEmit e = oqx_begin(line, file, {a, b, d});
  for (int i = 0; i < 2; ++i) {
    oqx_fd(e, MOVF, oqx_src(e, b, i), DEST_W);
    oqx_fd(e, i ? SUBWFB : SUBWF, oqx_src(e, a, i), DEST_W);
    oqx_f(e, MOVWF, oqx_dst(e, d, i));
    oqx_dst_end(e, d);
  }
  return e.list;
}

ocode *oqxSUB16Literal(const OqxOperand &a, long k, const OqxOperand &d, long line, const char *file) {
  return oqxopLiteral16(B_ADD, a, -k, d, line, file);
}

ocode *oqxSUB16FromLiteral(long k, const OqxOperand &a, const OqxOperand &d, long line, const char *file) {
  OqxEmit e = oqx_begin(line, file, {a, d});
  oqx_fd(e, MOVF, oqx_src(e, a, 0), DEST_W);
  oqx_inst(e, iqx_SUBLW(s_byte(k, 0)));
  oqx_f(e, MOVWF, oqx_dst(e, d, 0));
  oqx_dst_end(e, d);
  oqx_inst(e, iqx_MOVLW(s_byte(k, 1)));
  oqx_fd(e, SUBFWB, oqx_src(e, a, 1), DEST_W);
  oqx_f(e, MOVWF, oqx_dst(e, d, 1));
  oqx_dst_end(e, d);
  return e.list;
}

ocode *oqxopLiteral16(int32_t cop, const OqxOperand &a, long k, const OqxOperand &d, long line,
                      const char *file) {
  if (oqx_same(a, d))
    return oqxcop16A_Iconst(cop, a, k, line, file);
  OqxEmit e = oqx_begin(line, file, {a, d});
  // Bytes that do not depend on the operand may skip reading it, unless it
  // is read through a pointer register that every byte must advance.
  bool memory = a.kind == OQX_RAM || a.kind == OQX_STK;
  bool carry = false;  // an addition's carry is live into this byte
  for (int i = 0; i < 2; ++i) {
    int32_t kb = s_byte(k, i);
    bool identity = cop == B_AND ? kb == 0xFF : kb == 0 && !carry;
    if (identity) {
      s_copy_byte(e, a, i, d, i);
      continue;
    }
    if (memory && ((cop == B_AND && kb == 0) || (cop == B_OR && kb == 0xFF))) {
      oqx_f(e, kb == 0 ? CLRF : SETF, oqx_dst(e, d, i));
    } else if (cop == B_XOR && kb == 0xFF) {
      oqx_fd(e, COMF, oqx_src(e, a, i), DEST_W);
      oqx_f(e, MOVWF, oqx_dst(e, d, i));
    } else {
      oqx_inst(e, iqx_MOVLW(kb));
      oqx_fd(e, oqx_cop_wf(cop, carry), oqx_src(e, a, i), DEST_W);
      oqx_f(e, MOVWF, oqx_dst(e, d, i));
      carry = cop == B_ADD;
    }
    oqx_dst_end(e, d);
  }
  return e.list;
}

ocode *oqxopGconst16(int32_t cop, const OqxOperand &a, SymbolRecord *sym, int32_t off, const OqxOperand &d,
                     long line, const char *file) {
  OqxEmit e = oqx_begin(line, file, {a, d});
  bool in_place = oqx_same(a, d);
  for (int i = 0; i < 2; ++i) {
    oqx_inst(e, i == 0 ? iqx_LADDRL(sym, off) : iqx_LADDRH(sym, off));
    if (in_place) {
      oqx_fd(e, oqx_cop_wf(cop, i > 0), oqx_rmw(e, a, i, 2), DEST_F);
      oqx_rmw_end(e, a, i, 2);
    } else {
      oqx_fd(e, oqx_cop_wf(cop, i > 0), oqx_src(e, a, i), DEST_W);
      oqx_f(e, MOVWF, oqx_dst(e, d, i));
      oqx_dst_end(e, d);
    }
  }
  return e.list;
}

ocode *oqxcop16A(int32_t cop, const OqxOperand &x, const OqxOperand &y, long line, const char *file) {
  OqxEmit e = oqx_begin(line, file, {x, y});
  for (int i = 0; i < 2; ++i) {
    oqx_fd(e, MOVF, oqx_src(e, y, i), DEST_W);
    oqx_fd(e, oqx_cop_wf(cop, i > 0), oqx_rmw(e, x, i, 2), DEST_F);
    oqx_rmw_end(e, x, i, 2);
  }
  return e.list;
}

ocode *oqxSUB16A(const OqxOperand &x, const OqxOperand &y, long line, const char *file) {
  OqxEmit e = oqx_begin(line, file, {x, y});
  for (int i = 0; i < 2; ++i) {
    oqx_fd(e, MOVF, oqx_src(e, y, i), DEST_W);
    oqx_fd(e, i ? SUBWFB : SUBWF, oqx_rmw(e, x, i, 2), DEST_F);
    oqx_rmw_end(e, x, i, 2);
  }
  return e.list;
}

ocode *oqxcop16A_Iconst(int32_t cop, const OqxOperand &x, long k, long line, const char *file) {
  k &= 0xFFFF;
  int32_t lo = s_byte(k, 0), hi = s_byte(k, 1);
  OqxEmit e = oqx_begin(line, file, {x});
  if (x.kind != OQX_RAM && x.kind != OQX_STK) {
    // Through a pointer register every byte is visited in turn.
    for (int i = 0; i < 2; ++i) {
      int32_t kb = i ? hi : lo;
      OqxByte b = oqx_rmw(e, x, i, 2);
      if (i == 0 || kb != lo)
        oqx_inst(e, iqx_MOVLW(kb));
      oqx_fd(e, oqx_cop_wf(cop, i > 0), b, DEST_F);
      oqx_rmw_end(e, x, i, 2);
    }
    return e.list;
  }
  if (cop != B_ADD) {
    oqx_cop_iconst_byte(e, cop, x, 0, lo);
    oqx_cop_iconst_byte(e, cop, x, 1, hi);
  } else if (lo == 0) {
    oqx_cop_iconst_byte(e, cop, x, 1, hi);
  } else if (lo == 1 && hi == 0) {
    oqx_fd(e, INFSNZ, oqx_src(e, x, 0), DEST_F);
    oqx_fd(e, INCF, oqx_src(e, x, 1), DEST_F);
  } else {
    bool w_is_lo = false;
    if (lo == 1 || lo == 0xFF) {
      // C comes out as the addition of 1 or 255 would leave it.
      oqx_fd(e, lo == 1 ? INCF : DECF, oqx_src(e, x, 0), DEST_F);
    } else {
      oqx_inst(e, iqx_MOVLW(lo));
      oqx_fd(e, ADDWF, oqx_src(e, x, 0), DEST_F);
      w_is_lo = true;
    }
    if (!w_is_lo || hi != lo)
      oqx_inst(e, iqx_MOVLW(hi));
    oqx_fd(e, ADDWFC, oqx_src(e, x, 1), DEST_F);
  }
  return e.list;
}

ocode *oqxSUB16A_Iconst(const OqxOperand &x, long k, long line, const char *file) {
  return oqxcop16A_Iconst(B_ADD, x, -k, line, file);
}

ocode *oqxMUL16A_Iconst(const OqxOperand &x, long k, long line, const char *file) {
  s_need_memory(x);
  k &= 0xFFFF;
  if (k == 1)
    return nullptr;
  OqxEmit e = oqx_begin(line, file, {x});
  if (k == 0) {
    oqx_f(e, CLRF, oqx_dst(e, x, 0));
    oqx_f(e, CLRF, oqx_dst(e, x, 1));
    return e.list;
  }
  int32_t lo = s_byte(k, 0), hi = s_byte(k, 1);
  // The high byte first, while the low byte is still the operand's.
  oqx_inst(e, iqx_MOVLW(lo));
  oqx_f(e, MULWF, oqx_src(e, x, 1));
  s_from_prod(e, PRODLsym, x, 1);
  if (hi) {
    oqx_inst(e, iqx_MOVLW(hi));
    oqx_f(e, MULWF, oqx_src(e, x, 0));
    oqx_fd(e, MOVF, oqx_reg(PRODLsym), DEST_W);
    oqx_fd(e, ADDWF, oqx_src(e, x, 1), DEST_F);
  }
  oqx_inst(e, iqx_MOVLW(lo));
  oqx_f(e, MULWF, oqx_src(e, x, 0));
  s_from_prod(e, PRODLsym, x, 0);
  oqx_fd(e, MOVF, oqx_reg(PRODHsym), DEST_W);
  oqx_fd(e, ADDWF, oqx_src(e, x, 1), DEST_F);
  return e.list;
}

// d := x * k where x is a byte widened with zeros (its low byte the value,
// its high byte known to be 0) and 0 <= k <= 255: one 8 x 8 multiply.
ocode *oqxMUL8U_Iconst(const OqxOperand &x, long k, const OqxOperand &d, long line, const char *file) {
  OqxEmit e = oqx_begin(line, file, {x, d});
  s_load_w(e, x, 0);
  oqx_inst(e, iqx_MULLW(s_byte(k, 0)));
  s_from_prod(e, PRODLsym, d, 0);
  s_from_prod(e, PRODHsym, d, 1);
  return e.list;
}

// d := a * b where d is neither operand nor PROD. A variable takes the
// product bytes by MOVFF; a frame slot is written through WREG, so there
// the cross product comes first.
static void s_mul_distinct(OqxEmit &e, const OqxOperand &a, const OqxOperand &b, const OqxOperand &d) {
  s_load_w(e, b, 0);
  if (d.kind == OQX_RAM) {
    oqx_f(e, MULWF, oqx_src(e, a, 0));
    s_from_prod(e, PRODLsym, d, 0);
    s_from_prod(e, PRODHsym, d, 1);
    oqx_f(e, MULWF, oqx_src(e, a, 1));
    oqx_fd(e, MOVF, oqx_reg(PRODLsym), DEST_W);
  } else {
    oqx_f(e, MULWF, oqx_src(e, a, 1));
    s_from_prod(e, PRODLsym, d, 1);
    s_load_w(e, b, 0);
    oqx_f(e, MULWF, oqx_src(e, a, 0));
    s_from_prod(e, PRODLsym, d, 0);
    oqx_fd(e, MOVF, oqx_reg(PRODHsym), DEST_W);
  }
  oqx_fd(e, ADDWF, oqx_src(e, d, 1), DEST_F);
  s_load_w(e, b, 1);
  oqx_f(e, MULWF, oqx_src(e, a, 0));
  oqx_fd(e, MOVF, oqx_reg(PRODLsym), DEST_W);
  oqx_fd(e, ADDWF, oqx_src(e, d, 1), DEST_F);
}

// d := a * d: the product with d's high byte first, then d.lo with both of
// a's bytes; d's low byte is overwritten last.
static void s_mul_into_b(OqxEmit &e, const OqxOperand &a, const OqxOperand &d) {
  s_load_w(e, d, 1);
  oqx_f(e, MULWF, oqx_src(e, a, 0));
  s_from_prod(e, PRODLsym, d, 1);
  s_load_w(e, d, 0);
  oqx_f(e, MULWF, oqx_src(e, a, 1));
  oqx_fd(e, MOVF, oqx_reg(PRODLsym), DEST_W);
  oqx_fd(e, ADDWF, oqx_src(e, d, 1), DEST_F);
  s_load_w(e, d, 0);
  oqx_f(e, MULWF, oqx_src(e, a, 0));
  s_from_prod(e, PRODLsym, d, 0);
  oqx_fd(e, MOVF, oqx_reg(PRODHsym), DEST_W);
  oqx_fd(e, ADDWF, oqx_src(e, d, 1), DEST_F);
}

// x := x * x: twice the cross product, then the square of the low byte.
static void s_mul_square(OqxEmit &e, const OqxOperand &x) {
  s_load_w(e, x, 0);
  oqx_f(e, MULWF, oqx_src(e, x, 1));
  oqx_fd(e, MOVF, oqx_reg(PRODLsym), DEST_W);
  oqx_fd(e, ADDWF, oqx_reg(PRODLsym), DEST_W);
  oqx_f(e, MOVWF, oqx_src(e, x, 1));
  s_load_w(e, x, 0);
  oqx_f(e, MULWF, oqx_src(e, x, 0));
  s_from_prod(e, PRODLsym, x, 0);
  oqx_fd(e, MOVF, oqx_reg(PRODHsym), DEST_W);
  oqx_fd(e, ADDWF, oqx_src(e, x, 1), DEST_F);
}

// PROD := a * b: the first product parked on the software stack.
static void s_mul_into_prod(OqxEmit &e, const OqxOperand &a, const OqxOperand &b) {
  s_load_w(e, b, 0);
  oqx_f(e, MULWF, oqx_src(e, a, 0));
  oqx_movff(e, PRODLsym, 0, POSTINC1sym, 0);
  oqx_movff(e, PRODHsym, 0, INDF1sym, 0);
  oqx_f(e, MULWF, oqx_src(e, a, 1));
  oqx_fd(e, MOVF, oqx_reg(PRODLsym), DEST_W);
  oqx_fd(e, ADDWF, oqx_reg(INDF1sym), DEST_F);
  s_load_w(e, b, 1);
  oqx_f(e, MULWF, oqx_src(e, a, 0));
  oqx_fd(e, MOVF, oqx_reg(PRODLsym), DEST_W);
  oqx_fd(e, ADDWF, oqx_reg(INDF1sym), DEST_F);
  oqx_movff(e, POSTDEC1sym, 0, PRODHsym, 0);
  oqx_movff(e, INDF1sym, 0, PRODLsym, 0);
}

ocode *oqxMul16(const OqxOperand &a, const OqxOperand &b, const OqxOperand &d, long line, const char *file) {
  s_need_memory(a);
  s_need_memory(b);
  OqxEmit e = oqx_begin(line, file, {a, b, d});
  bool d_prod = d.kind == OQX_RAM && (d.sym == PRODLsym || d.sym == PRODsym);
  if ((a.kind == OQX_RAM && (a.sym == PRODLsym || a.sym == PRODsym || a.sym == PRODHsym)) ||
      (b.kind == OQX_RAM && (b.sym == PRODLsym || b.sym == PRODsym || b.sym == PRODHsym)))
    oqx_bad("a multiplication operand in PROD");
  if (d_prod) {
    s_mul_into_prod(e, a, b);
    return e.list;
  }
  s_need_memory(d);
  if (oqx_same(d, a) && oqx_same(d, b))
    s_mul_square(e, d);
  else if (oqx_same(d, b))
    s_mul_into_b(e, a, d);
  else if (oqx_same(d, a))
    s_mul_into_b(e, b, d);
  else
    s_mul_distinct(e, a, b, d);
  return e.list;
}

// ---- shifts -------------------------------------------------------------------

ocode *oqxSHL16A(const OqxOperand &x, long line, const char *file) {
  if (x.kind == OQX_TBLPTR)
    oqx_bad("shift loop on program memory");
  OqxEmit e = oqx_begin(line, file, {x});
  s_preselect(e, x);
  oqx_inst(e, iqx_ANDLW(0x1F));
  oqx_node(e, objBZLiteral(6, line, file));
  oqx_fbit(e, BCF, oqx_reg(STATUSsym), 0);
  for (int i = 0; i < 2; ++i)
    oqx_fd(e, RLCF, oqx_rmw(e, x, i, 2), DEST_F);
  oqx_fd(e, DECF, oqx_reg(WREGsym), DEST_F);
  oqx_node(e, objBNZLiteral(-4, line, file));
  return e.list;
}

ocode *oqxSHR16A(const OqxOperand &x, bool is_signed, long line, const char *file) {
  s_need_memory(x);
  OqxEmit e = oqx_begin(line, file, {x});
  s_preselect(e, x);
  oqx_inst(e, iqx_ANDLW(0x1F));
  oqx_node(e, objBZLiteral(is_signed ? 8 : 6, line, file));
  oqx_fbit(e, BCF, oqx_reg(STATUSsym), 0);
  if (is_signed) {  // C := the sign, WREG holding the count
    oqx_fbit(e, BTFSC, oqx_src(e, x, 1), 7);
    oqx_fbit(e, BSF, oqx_reg(STATUSsym), 0);
  }
  oqx_fd(e, RRCF, oqx_src(e, x, 1), DEST_F);
  oqx_fd(e, RRCF, oqx_src(e, x, 0), DEST_F);
  oqx_fd(e, DECF, oqx_reg(WREGsym), DEST_F);
  oqx_node(e, objBNZLiteral(is_signed ? -6 : -4, line, file));
  return e.list;
}

ocode *oqxSHL16A_Iconst(const OqxOperand &x, int n, long line, const char *file) {
  s_need_memory(x);
  if (n <= 0)
    return nullptr;
  OqxEmit e = oqx_begin(line, file, {x});
  if (n >= 16) {
    oqx_f(e, CLRF, oqx_dst(e, x, 0));
    oqx_f(e, CLRF, oqx_dst(e, x, 1));
    return e.list;
  }
  if (n >= 8) {
    s_copy_byte(e, x, 0, x, 1);
    oqx_f(e, CLRF, oqx_dst(e, x, 0));
    ocode *rest = oqxSHL8InPlaceByConst(s_byte1(x), n - 8, line, file);
    return rest ? objAppend(e.list, rest) : e.list;
  }
  for (int step = 0; step < n; ++step) {
    oqx_fbit(e, BCF, oqx_reg(STATUSsym), 0);
    oqx_fd(e, RLCF, oqx_src(e, x, 0), DEST_F);
    oqx_fd(e, RLCF, oqx_src(e, x, 1), DEST_F);
  }
  return e.list;
}

ocode *oqxSHR16A_Iconst(const OqxOperand &x, int n, bool is_signed, long line, const char *file) {
  s_need_memory(x);
  if (n <= 0)
    return nullptr;
  if (is_signed && n > 15)
    n = 15;  // every bit a copy of the sign
  OqxEmit e = oqx_begin(line, file, {x});
  if (n >= 16) {
    oqx_f(e, CLRF, oqx_dst(e, x, 0));
    oqx_f(e, CLRF, oqx_dst(e, x, 1));
    return e.list;
  }
  if (n >= 8) {
    s_copy_byte(e, x, 1, x, 0);
    oqx_f(e, CLRF, oqx_dst(e, x, 1));
    if (!is_signed) {
      ocode *rest = oqxSHR8InPlaceByConst(x, n - 8, line, file);
      return rest ? objAppend(e.list, rest) : e.list;
    }
    oqx_fbit(e, BTFSC, oqx_src(e, x, 0), 7);
    oqx_f(e, SETF, oqx_dst(e, x, 1));
    for (int step = 8; step < n; ++step) {
      oqx_fd(e, RLCF, oqx_src(e, x, 1), DEST_W);
      oqx_fd(e, RRCF, oqx_src(e, x, 0), DEST_F);
    }
    return e.list;
  }
  for (int step = 0; step < n; ++step) {
    if (is_signed)
      oqx_fd(e, RLCF, oqx_src(e, x, 1), DEST_W);
    else
      oqx_fbit(e, BCF, oqx_reg(STATUSsym), 0);
    oqx_fd(e, RRCF, oqx_src(e, x, 1), DEST_F);
    oqx_fd(e, RRCF, oqx_src(e, x, 0), DEST_F);
  }
  return e.list;
}

// ---- moves, negation, equality --------------------------------------------------

ocode *oqxMOV16(const OqxOperand &src, const OqxOperand &dst, long line, const char *file) {
  OqxEmit e = oqx_begin(line, file, {src, dst});
  for (int i = 0; i < 2; ++i)
    s_copy_byte(e, src, i, dst, i);
  return e.list;
}

ocode *oqxMOV16_Gconst(SymbolRecord *sym, int32_t off, const OqxOperand &dst, long line, const char *file) {
  OqxEmit e = oqx_begin(line, file, {dst});
  for (int i = 0; i < 2; ++i) {
    oqx_inst(e, i == 0 ? iqx_LADDRL(sym, off) : iqx_LADDRH(sym, off));
    oqx_f(e, MOVWF, oqx_dst(e, dst, i));
    oqx_dst_end(e, dst);
  }
  return e.list;
}

ocode *oqxNegate16(const OqxOperand &x, long line, const char *file) {
  OqxEmit e = oqx_begin(line, file, {x});
  if (x.kind == OQX_TBLPTR) {
    oqx_inst(e, iqx_TBLRD());
    oqx_f(e, NEGF, oqx_reg(TABLATsym));
    oqx_inst(e, iqx_TBLWTPOSTINC());
    oqx_inst(e, iqx_TBLRD());
    oqx_fd(e, COMF, oqx_reg(TABLATsym), DEST_F);
    oqx_inst(e, iqx_MOVLW(0));
    oqx_fd(e, ADDWFC, oqx_reg(TABLATsym), DEST_F);
    oqx_inst(e, iqx_TBLWTPOSTDEC());
    return e.list;
  }
  bool fsr0 = x.kind == OQX_FSR0;
  oqx_f(e, NEGF, fsr0 ? oqx_reg(POSTINC0sym) : oqx_src(e, x, 0));
  oqx_fd(e, COMF, fsr0 ? oqx_reg(INDF0sym) : oqx_src(e, x, 1), DEST_F);
  oqx_inst(e, iqx_MOVLW(0));
  oqx_fd(e, ADDWFC, fsr0 ? oqx_reg(POSTDEC0sym) : oqx_src(e, x, 1), DEST_F);
  return e.list;
}

// The exit label of an equality test: Z is clear there when a byte differed.
static SymbolRecord *s_exit_label(OqxEmit &e) { return sym_temp_label(e.line, e.file); }

ocode *oqxEqual16_Gconst(const OqxOperand &a, const OqxConst &c, long line, const char *file) {
  if (c.kind != OQX_CINT && c.kind != OQX_CADDR)
    oqx_bad("constant kind other than integer or address");
  OqxEmit e = oqx_begin(line, file, {a});
  SymbolRecord *exit = s_exit_label(e);
  for (int i = 0; i < 2; ++i) {
    if (c.kind == OQX_CADDR) {
      oqx_inst(e, i == 0 ? iqx_LADDRL(c.sym, c.offset) : iqx_LADDRH(c.sym, c.offset));
      oqx_fd(e, XORWF, oqx_src(e, a, i), DEST_W);
    } else {
      oqx_fd(e, MOVF, oqx_src(e, a, i), DEST_W);
      if (s_byte(c.value, i) != 0)
        oqx_inst(e, iqx_XORLW(s_byte(c.value, i)));
    }
    if (i == 0)
      oqx_node(e, objBNZSymbol(exit, line, file));
  }
  oqx_node(e, objLabel(exit, line, file));
  return e.list;
}

ocode *oqxEqual(const OqxOperand &a, const OqxOperand &b, int n, long line, const char *file) {
  OqxEmit e = oqx_begin(line, file, {a, b});
  SymbolRecord *exit = n > 1 ? s_exit_label(e) : nullptr;
  for (int i = 0; i < n; ++i) {
    oqx_fd(e, MOVF, oqx_src(e, a, i), DEST_W);
    oqx_fd(e, XORWF, oqx_src(e, b, i), DEST_W);
    if (i < n - 1)
      oqx_node(e, objBNZSymbol(exit, line, file));
  }
  if (exit)
    oqx_node(e, objLabel(exit, line, file));
  return e.list;
}

// ---- pointer bumping --------------------------------------------------------------

static ocode *s_bump(SymbolRecord *lo_reg, SymbolRecord *hi_reg, bool ram, long n, long line, const char *file) {
  n &= 0xFFFF;
  if (n == 0)
    return nullptr;
  OqxEmit e = oqx_begin(line, file, {});
  int32_t lo = s_byte(n, 0), hi = s_byte(n, 1);
  if (n == 1 && ram) {
    oqx_fd(e, MOVF, oqx_reg(POSTINC0sym), DEST_F);
  } else if (n == 0xFFFF && ram) {
    oqx_fd(e, MOVF, oqx_reg(POSTDEC0sym), DEST_F);
  } else if (lo == 0 && hi == 1) {
    oqx_fd(e, INCF, oqx_reg(hi_reg), DEST_F);
  } else if (lo == 0) {
    oqx_inst(e, iqx_MOVLW(hi));
    oqx_fd(e, ADDWF, oqx_reg(hi_reg), DEST_F);
  } else {
    if (lo == 1) {
      oqx_fd(e, INCF, oqx_reg(lo_reg), DEST_F);
    } else {
      oqx_inst(e, iqx_MOVLW(lo));
      oqx_fd(e, ADDWF, oqx_reg(lo_reg), DEST_F);
    }
    oqx_inst(e, iqx_MOVLW(hi));
    oqx_fd(e, ADDWFC, oqx_reg(hi_reg), DEST_F);
  }
  return e.list;
}

ocode *oqxBumpRamPointer(long n, long line, const char *file) {
  return s_bump(FSR0Lsym, FSR0Hsym, true, n, line, file);
}

ocode *oqxBumpNearRomPointer(long n, long line, const char *file) {
  return s_bump(TBLPTRLsym, TBLPTRHsym, false, n, line, file);
}
