// The 8-bit operation emitters. In: operands (gen/oqx.h conventions),
// constants and counts. Out: output-code lists for byte operations in WREG
// and in place: literal loads and stores, commutative operations, shifts by
// a constant, by WREG and by a variable count, compound assignments.
#include "gen/oqx_internal.h"
#include "trans/pcodell.h"

static int s_bit_of(int32_t k) {
  for (int bit = 0; bit < 8; ++bit)
    if (k == (1 << bit))
      return bit;
  return -1;
}

// Byte 0 of x, for a sequence that reads and writes it several times
// (bank selection comes first, before any loop).
static OqxByte s_inplace(OqxEmit &e, const OqxOperand &x) {
  if (x.kind == OQX_TBLPTR)
    oqx_bad("in-place sequence on program memory");
  return oqx_rmw(e, x, 0, 1);
}

static ocode *s_literal(int op, int32_t k, long line, const char *file) {
  OqxEmit e = oqx_begin(line, file, {});
  oqx_inst(e, iqx_opLW(op, k & 0xFF));
  return e.list;
}

ocode *oqxComplementStack8(int32_t k, long line, const char *file) {
  OqxEmit e = oqx_begin(line, file, {});
  if (k == 0) {
    oqx_fd(e, COMF, oqx_reg(INDF2sym), DEST_W);
  } else {
    oqx_inst(e, iqx_MOVLW(k & 0xFF));
    oqx_fd(e, COMF, oqx_reg(PLUSW2sym), DEST_W);
  }
  return e.list;
}

ocode *oqxcopLW(int32_t cop, int32_t k, long line, const char *file) {
  return s_literal(oqx_cop_lw(cop), k, line, file);
}

ocode *oqxSubWF(const OqxOperand &x, int32_t d, long line, const char *file) {
  OqxEmit e = oqx_begin(line, file, {x});
  if (d == DEST_F) {
    oqx_fd(e, SUBWF, oqx_rmw(e, x, 0, 1), d);
    oqx_rmw_end(e, x, 0, 1);
  } else {
    oqx_fd(e, SUBWF, oqx_src(e, x, 0), d);
  }
  return e.list;
}

static ocode *s_cop_wf(int op, const OqxOperand &x, int32_t d, long line, const char *file) {
  OqxEmit e = oqx_begin(line, file, {x});
  if (d == DEST_F) {
    oqx_fd(e, op, oqx_rmw(e, x, 0, 1), d);
    oqx_rmw_end(e, x, 0, 1);
  } else {
    oqx_fd(e, op, oqx_src(e, x, 0), d);
  }
  return e.list;
}

ocode *oqxcopWF(int32_t cop, const OqxOperand &x, int32_t d, long line, const char *file) {
  return s_cop_wf(oqx_cop_wf(cop, false), x, d, line, file);
}
ocode *oqxcopWFNext(int32_t cop, const OqxOperand &x, int32_t d, long line, const char *file) {
  return s_cop_wf(oqx_cop_wf(cop, true), x, d, line, file);
}
ocode *oqxcopWF_idx(int32_t cop, int32_t k, int32_t d, long line, const char *file) {
  return oqxcopWF(cop, oqx_stk(k), d, line, file);
}
ocode *oqxcopWFNext_idx(int32_t cop, int32_t k, int32_t d, long line, const char *file) {
  return oqxcopWFNext(cop, oqx_stk(k), d, line, file);
}

static ocode *s_cop_literal_f(int op, int32_t k, const OqxOperand &x, long line, const char *file) {
  OqxEmit e = oqx_begin(line, file, {x});
  oqx_inst(e, iqx_MOVLW(k & 0xFF));
  oqx_fd(e, op, oqx_rmw(e, x, 0, 1), DEST_F);
  oqx_rmw_end(e, x, 0, 1);
  return e.list;
}
ocode *oqxcopLiteralF(int32_t cop, int32_t k, const OqxOperand &x, long line, const char *file) {
  return s_cop_literal_f(oqx_cop_wf(cop, false), k, x, line, file);
}
ocode *oqxcopLiteralFNext(int32_t cop, int32_t k, const OqxOperand &x, long line, const char *file) {
  return s_cop_literal_f(oqx_cop_wf(cop, true), k, x, line, file);
}

// ---- constants ----------------------------------------------------------------

static ocode *s_load_byte(const OqxConst &c, int byte, long line, const char *file) {
  OqxEmit e = oqx_begin(line, file, {});
  if (c.kind == OQX_CINT)
    oqx_inst(e, iqx_MOVLW(static_cast<int32_t>((static_cast<unsigned long>(c.value) >> (8 * byte)) & 0xFF)));
  else if (c.kind != OQX_CADDR)
    oqx_bad("constant kind other than integer or address");
  else if (byte == 0)
    oqx_inst(e, iqx_LADDRL(c.sym, c.offset));
  else if (byte == 1)
    oqx_inst(e, iqx_LADDRH(c.sym, c.offset));
  else if (byte == 2)
    oqx_inst(e, iqx_LADDRU(c.sym, c.offset));
  else
    oqx_inst(e, iqx_MOVLW(0));  // addresses have three bytes
  return e.list;
}
ocode *oqxLoadLiteralW(const OqxConst &c, long line, const char *file) { return s_load_byte(c, 0, line, file); }
ocode *oqxLoadLiteralHighW(const OqxConst &c, long line, const char *file) {
  return s_load_byte(c, 1, line, file);
}
ocode *oqxLoadLiteralUpperW(const OqxConst &c, long line, const char *file) {
  return s_load_byte(c, 2, line, file);
}
ocode *oqxLoadLiteralVeryUpperW(const OqxConst &c, long line, const char *file) {
  return s_load_byte(c, 3, line, file);
}

ocode *oqxStoreLiteralF(long value, int bytes, const OqxOperand &dst, long line, const char *file) {
  OqxEmit e = oqx_begin(line, file, {dst});
  for (int i = 0; i < bytes; ++i) {
    int32_t b = static_cast<int32_t>((static_cast<unsigned long>(value) >> (8 * i)) & 0xFF);
    if (b != 0 && b != 0xFF)
      oqx_inst(e, iqx_MOVLW(b));
    OqxByte to = oqx_dst(e, dst, i);
    oqx_f(e, b == 0 ? CLRF : b == 0xFF ? SETF : MOVWF, to);
    oqx_dst_end(e, dst);
  }
  return e.list;
}

// An identity constant emits nothing (Z then keeps its earlier meaning).
ocode *oqxSubLiteralW(int32_t k, long line, const char *file) {
  return (k & 0xFF) == 0 ? nullptr : s_literal(ADDLW, -k, line, file);
}
ocode *oqxAddLiteralW(int32_t k, long line, const char *file) {
  return (k & 0xFF) == 0 ? nullptr : s_literal(ADDLW, k, line, file);
}
ocode *oqxAndLiteralW(int32_t k, long line, const char *file) {
  return (k & 0xFF) == 0xFF ? nullptr : s_literal(ANDLW, k, line, file);
}
ocode *oqxORLiteralW(int32_t k, long line, const char *file) {
  return (k & 0xFF) == 0 ? nullptr : s_literal(IORLW, k, line, file);
}
ocode *oqxXORLiteralW(int32_t k, long line, const char *file) {
  return (k & 0xFF) == 0 ? nullptr : s_literal(XORLW, k, line, file);
}

// ---- shifts -------------------------------------------------------------------

int oqxSHL8InPlaceByConstCost(long n) {
  switch (n) {
  case 1: return 2;
  case 4: case 7: return 3;
  case 2: case 3: case 5: case 6: return 4;
  default: return 0;
  }
}

static void s_rot_w(OqxEmit &e, int op, int times) {
  for (int i = 0; i < times; ++i)
    oqx_fd(e, op, oqx_reg(WREGsym), DEST_F);
}

// x <<= n (left) or x >>= n (logical right), n of 1 to 7, in place.
static ocode *s_shift8_const(const OqxOperand &x, int n, bool left, long line, const char *file) {
  if (n <= 0 || n > 7)
    return nullptr;
  OqxEmit e = oqx_begin(line, file, {x});
  OqxByte b = s_inplace(e, x);
  OqxByte c_flag = oqx_reg(STATUSsym);
  switch (n) {
  case 1:
    oqx_fbit(e, BCF, b, left ? 7 : 0);
    oqx_fd(e, left ? RLNCF : RRNCF, b, DEST_F);
    break;
  case 2:
    if (left) {
      oqx_inst(e, iqx_MOVLW(4));
      oqx_f(e, MULWF, b);
      if (b.idx) {
        oqx_fd(e, MOVF, oqx_reg(PRODLsym), DEST_W);
        oqx_f(e, MOVWF, b);
      } else {
        oqx_movff(e, PRODLsym, 0, b.sym, b.off);
      }
    } else {
      for (int i = 0; i < 2; ++i) {
        oqx_fbit(e, BCF, c_flag, 0);
        oqx_fd(e, RRCF, b, DEST_F);
      }
    }
    break;
  case 4:
    oqx_fd(e, SWAPF, b, DEST_W);
    oqx_inst(e, iqx_ANDLW(left ? 0xF0 : 0x0F));
    oqx_f(e, MOVWF, b);
    break;
  case 7:
    oqx_fd(e, left ? RRCF : RLCF, b, DEST_F);
    oqx_f(e, CLRF, b);
    oqx_fd(e, left ? RRCF : RLCF, b, DEST_F);
    break;
  default: {  // 3, 5, 6: a rotation into WREG, one more, the mask
    static const int first[2][8] = {{0, 0, 0, SWAPF, 0, SWAPF, RLNCF, 0}, {0, 0, 0, SWAPF, 0, SWAPF, RRNCF, 0}};
    static const int then[2][8] = {{0, 0, 0, RLNCF, 0, RRNCF, RLNCF, 0}, {0, 0, 0, RRNCF, 0, RLNCF, RRNCF, 0}};
    oqx_fd(e, first[left][n], b, DEST_W);
    s_rot_w(e, then[left][n], 1);
    oqx_inst(e, iqx_ANDLW(left ? (0xFF << n) & 0xFF : 0xFF >> n));
    oqx_f(e, MOVWF, b);
  }
  }
  return e.list;
}

ocode *oqxSHL8InPlaceByConst(const OqxOperand &x, int n, long line, const char *file) {
  return s_shift8_const(x, n, true, line, file);
}
ocode *oqxSHR8InPlaceByConst(const OqxOperand &x, int n, long line, const char *file) {
  return s_shift8_const(x, n, false, line, file);
}
ocode *oqxSHL8InPlaceByConst_idx(int32_t k, int n, long line, const char *file) {
  return s_shift8_const(oqx_stk(k), n, true, line, file);
}
ocode *oqxSHR8InPlaceByConst_idx(int32_t k, int n, long line, const char *file) {
  return s_shift8_const(oqx_stk(k), n, false, line, file);
}

ocode *oqxSHL8WbyConst(int n, long line, const char *file) {
  OqxEmit e = oqx_begin(line, file, {});
  if (n <= 0)
    oqx_f(e, MOVWF, oqx_reg(PRODLsym));
  else if (n >= 8)
    oqx_inst(e, iqx_MOVLW(0));
  else
    oqx_inst(e, iqx_MULLW(1 << n));
  return e.list;
}

ocode *oqxSHR8WbyConst(int n, long line, const char *file) {
  if (n <= 0)
    return nullptr;
  OqxEmit e = oqx_begin(line, file, {});
  if (n >= 8) {
    oqx_inst(e, iqx_MOVLW(0));
    return e.list;
  }
  oqx_inst(e, iqx_ANDLW((0xFF << n) & 0xFF));
  switch (n) {
  case 4: s_rot_w(e, SWAPF, 1); break;
  case 5: s_rot_w(e, SWAPF, 1); s_rot_w(e, RRNCF, 1); break;
  case 6: s_rot_w(e, RLNCF, 2); break;
  case 7: s_rot_w(e, RLNCF, 1); break;
  default: s_rot_w(e, RRNCF, n); break;
  }
  return e.list;
}

// The loop body of a byte shift by a count: rotate, clear the bit that
// came round, count down. Entered with Z reflecting the count.
static void s_count_loop(OqxEmit &e, int rot, const OqxByte &target, int mask_op, int32_t mask, int bit,
                         const OqxByte &count) {
  oqx_node(e, objBZLiteral(5, e.line, e.file));
  oqx_fd(e, rot, target, DEST_F);
  if (mask_op == ANDLW)
    oqx_inst(e, iqx_ANDLW(mask));
  else
    oqx_fbit(e, BCF, target, bit);
  oqx_fd(e, DECF, count, DEST_F);
  oqx_node(e, objBNZLiteral(-3, e.line, e.file));
}

ocode *oqxSHL8InPlaceByW(const OqxOperand &x, long line, const char *file) {
  OqxEmit e = oqx_begin(line, file, {x});
  OqxByte b = s_inplace(e, x);
  s_count_loop(e, RLNCF, b, BCF, 0, 0, oqx_reg(WREGsym));
  return e.list;
}

ocode *oqxSHR8InPlaceByW(const OqxOperand &x, long line, const char *file) {
  OqxEmit e = oqx_begin(line, file, {x});
  OqxByte b = s_inplace(e, x);
  oqx_inst(e, iqx_ANDLW(0x07));
  s_count_loop(e, RRNCF, b, BCF, 0, 7, oqx_reg(WREGsym));
  return e.list;
}

static ocode *s_shift_w_by_f(const OqxOperand &c, bool left, long line, const char *file) {
  OqxEmit e = oqx_begin(line, file, {c});
  OqxByte count = s_inplace(e, c);
  oqx_fd(e, MOVF, count, DEST_F);
  s_count_loop(e, left ? RLNCF : RRNCF, oqx_reg(WREGsym), ANDLW, left ? 0xFE : 0x7F, 0, count);
  return e.list;
}
ocode *oqxSHL8WInPlaceByF(const OqxOperand &c, long line, const char *file) {
  return s_shift_w_by_f(c, true, line, file);
}
ocode *oqxSHR8WInPlaceByF(const OqxOperand &c, long line, const char *file) {
  return s_shift_w_by_f(c, false, line, file);
}

// ---- compound assignment ----------------------------------------------------------

ocode *oqxcop8A(int32_t cop, const OqxOperand &x, long line, const char *file) {
  return oqxcopWF(cop, x, DEST_F, line, file);
}

void oqx_cop_iconst_byte(OqxEmit &e, int32_t cop, const OqxOperand &x, int i, int32_t k) {
  k &= 0xFF;
  int single = -1;  // a one-instruction form: its opcode
  int bit = -1;
  switch (cop) {
  case B_ADD:
    if (k == 0)
      return;
    single = k == 1 ? INCF : k == 0xFF ? DECF : -1;
    break;
  case B_AND:
    if (k == 0xFF)
      return;
    bit = s_bit_of(~k & 0xFF);
    single = k == 0 ? CLRF : bit >= 0 ? BCF : -1;
    break;
  case B_OR:
    if (k == 0)
      return;
    bit = s_bit_of(k);
    single = k == 0xFF ? SETF : bit >= 0 ? BSF : -1;
    break;
  case B_XOR:
    if (k == 0)
      return;
    bit = s_bit_of(k);
    single = k == 0xFF ? COMF : bit >= 0 ? BTG : -1;
    break;
  default:
    oqx_bad("unknown commutative operator");
  }
  if (single < 0)
    oqx_inst(e, iqx_MOVLW(k));
  OqxByte b = oqx_rmw(e, x, i, 1);
  if (single < 0)
    oqx_fd(e, oqx_cop_wf(cop, false), b, DEST_F);
  else if (single == CLRF || single == SETF)
    oqx_f(e, single, b);
  else if (single == BCF || single == BSF || single == BTG)
    oqx_fbit(e, single, b, bit);
  else
    oqx_fd(e, single, b, DEST_F);
  oqx_rmw_end(e, x, i, 1);
}

ocode *oqxcop8A_Iconst(int32_t cop, const OqxOperand &x, int32_t k, long line, const char *file) {
  OqxEmit e = oqx_begin(line, file, {x});
  oqx_cop_iconst_byte(e, cop, x, 0, k);
  return e.list;
}
