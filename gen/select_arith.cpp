// The actions of the 8- and 16-bit arithmetic rule families: add,
// subtract, and/or/xor, complement, shifts, multiplication, division and
// modulo, as values and as compound assignments. In: the node under
// reduction and its kids' records (where each operand is). Out: the node's
// code, built with the operation emitters (gen/oqx.h), and where the result
// is. Division and modulo, and 16-bit multiplication where it is cheaper,
// call the run-time helpers: operands pushed with POSTINC1 (the marg
// forms), the result popped from the software stack.
#include "driver/diag.h"
#include "gen/gen.h"
#include "gen/oqx.h"
#include "gen/oqx_actions.h"
#include "gen/select_aggregate.h"
#include "gen/select.h"
#include "gen/temps.h"
#include "trans/type.h"

int sel_kid_count();

namespace {

long s_cnst(const pcodell_t *p) {
  return get_signed_constant_value(p->data.expr.cnst.value.code, p->data.expr.cnst.value);
}

bool s_is_cnst(const pcodell_t *p) { return p && (p->opcode == I_CNST8 || p->opcode == I_CNST16); }

// The constant operand of a binary node (right first), and which side it is.
const pcodell_t *s_const_kid(const pcodell_t *p) {
  if (s_is_cnst(p->right))
    return p->right;
  return s_is_cnst(p->left) ? p->left : nullptr;
}

// A right shift is arithmetic when its (promoted) left operand is signed.
// The shift node's own type may have been retyped by a same-size cast of
// its result ((int)(u >> n), or u >> n stored into an int), which must not
// change how the shift fills.
bool s_shift_signed(pcodell_t *p) {
  const TypeRecord *t = p->left ? pcodellType(p->left) : pcodellType(p);
  return t && is_type_signed(t);
}

bool s_banked(SymbolRecord *sym) { return inst_access_bit(sym) != 0; }

OqxOperand s_operand(const SelLoc &l) {
  switch (l.kind) {
  case LOC_RAM: return oqx_ram(l.symbol, int32_t(l.offset), s_banked(l.symbol));
  case LOC_STK: return oqx_stk(int32_t(l.offset));
  case LOC_FSR0: return oqx_fsr0();
  default: VELC_ASSERT(!"an operand in memory");
  }
  return oqx_fsr0();
}

void s_add(ocode *list) {
  if (list)
    sel_emit_oc(list);
}

// Takes the kids' code so that the one that leaves its value in WREG comes
// last; returns the index of that kid, or -1.
int s_take_w_last(int count) {
  int w = -1;
  for (int i = 0; i < count; ++i)
    if (sel_kid(i)->loc.kind == LOC_W)
      w = i;
  for (int i = 0; i < count; ++i)
    if (i != w)
      sel_take(i);
  if (w >= 0)
    sel_take(w);
  return w;
}

// The location an lvalue kid names: a variable (its address kid), a frame
// slot, or the object a pointer points at (FSR0, loaded here with moves
// that leave WREG alone).
SelLoc s_lvalue(pcodell_t *p, const SelLoc &a, int width) {
  switch (a.kind) {
  case LOC_ADDR: return sel_loc_ram(a.symbol, a.offset, width);
  case LOC_STKADDR: return SelLoc{LOC_STK, nullptr, a.offset, 0, width};
  case LOC_RAM:
    for (int i = 0; i < 2; ++i) {
      sel_emit(p, iqx_MOVFF(a.symbol, int32_t(a.offset + i)));
      sel_emit(p, iqx_MOVFF2(a.symbol, int32_t(a.offset + i), i ? FSR0Hsym : FSR0Lsym, 0));
    }
    return SelLoc{LOC_FSR0, nullptr, 0, 0, width};
  case LOC_STK:
    for (int i = 0; i < 2; ++i) {
      sel_emit(p, iqx_MOVSF(int32_t(a.offset + i)));
      sel_emit(p, iqx_MOVSF2(int32_t(a.offset + i), i ? FSR0Hsym : FSR0Lsym, 0));
    }
    return SelLoc{LOC_FSR0, nullptr, 0, 0, width};
  default: VELC_ASSERT(!"an lvalue");
  }
  return a;
}

// A byte instruction f,d on a byte location (RAM, frame slot, INDF0).
void s_byte_op(pcodell_t *p, int op, const SelLoc &l, int32_t d) {
  if (l.kind == LOC_FSR0) {
    sel_emit(p, iqx_opWF(op, INDF0sym, 0, d));
  } else if (l.kind == LOC_STK) {
    sel_emit(p, iqx_opWF_idx(op, int32_t(l.offset), d));
  } else {
    sel_banksel(p, l, 0);
    sel_emit(p, iqx_opWF(op, l.symbol, int32_t(l.offset), d));
  }
}

int s_width(pcodell_t *p) {
  switch (p->opcode) {
  case I_cop16: case I_SUB16: case I_COM16: case I_MUL16S: case I_MUL16U: case I_DIV16S: case I_DIV16U:
  case I_MOD16S: case I_MOD16U: case I_SHL16: case I_SHR16: case I_cop16A: case I_SUB16A: case I_MUL16AS:
  case I_MUL16AU: case I_DIV16AS: case I_DIV16AU: case I_MOD16AS: case I_MOD16AU: case I_SHL16A:
  case I_SHR16A: case I_CNST16:
    return 2;
  default:
    return 1;
  }
}

// Shift of the byte in INDF1 by the count in WREG (Z reflecting it);
// counts of 8 and more give 0 (or the sign).
void s_shift_scratch_by_w(pcodell_t *p, bool left, bool is_signed) {
  sel_emit_oc(objBZLiteral(left || !is_signed ? 5 : 7, p->line, p->file));
  sel_emit(p, iqx_BCF(STATUSsym, 0, 0));
  if (!left && is_signed) {
    sel_emit(p, iqx_BTFSC(INDF1sym, 0, 7));
    sel_emit(p, iqx_BSF(STATUSsym, 0, 0));
  }
  sel_emit(p, iqx_opWF(left ? RLCF : RRCF, INDF1sym, 0, DEST_F));
  sel_emit(p, iqx_opWF(DECF, WREGsym, 0, DEST_F));
  sel_emit_oc(objBNZLiteral(left || !is_signed ? -3 : -5, p->line, p->file));
}

// WREG := the byte of a location (any form); Z reflects it.
void s_load_w(pcodell_t *p, const SelLoc &l) {
  if (l.kind == LOC_CONST) {
    sel_emit(p, iqx_MOVLW(int32_t(l.value & 0xFF)));
    sel_emit(p, iqx_IORLW(0));
  } else if (l.kind == LOC_W) {
    sel_emit(p, iqx_IORLW(0));
  } else {
    sel_byte_to_w(p, l, 0);
  }
}

void s_park_in_scratch(pcodell_t *p, const SelLoc &l) {
  if (l.kind == LOC_W)
    sel_emit(p, iqx_MOVWF(INDF1sym, 0));
  else
    sel_move_byte(p, l, 0, SelLoc{LOC_RAM, INDF1sym, 0, 0, 1});
}

// x <<= c, x >>= c in place for a byte location x and a count location c.
void s_shift8_in_place(pcodell_t *p, const OqxOperand &x, const SelLoc &xl, const SelLoc &c, bool left,
                       bool is_signed) {
  if (c.kind == LOC_CONST) {
    long n = c.value & 0xFF;
    if (!left && is_signed) {
      for (long i = 0; i < (n > 7 ? 7 : n); ++i) {
        s_byte_op(p, RLCF, xl, DEST_W);  // C := the sign
        s_byte_op(p, RRCF, xl, DEST_F);
      }
      return;
    }
    if (n >= 8) {
      s_add(oqxStoreLiteralF(0, 1, x, p->line, p->file));
      return;
    }
    s_add(left ? oqxSHL8InPlaceByConst(x, int(n), p->line, p->file)
               : oqxSHR8InPlaceByConst(x, int(n), p->line, p->file));
    return;
  }
  // Through the scratch byte: the value there, the count in WREG, back.
  s_park_in_scratch(p, xl);
  s_load_w(p, c);
  s_shift_scratch_by_w(p, left, is_signed);
  sel_move_byte(p, SelLoc{LOC_RAM, INDF1sym, 0, 0, 1}, 0, xl);
}

}  // namespace

// ---- guards and costs -----------------------------------------------------------

bool oqxLvalSlotFits(pcodell_t *p) {
  long k = p->left ? sel_frame_offset(p->left->left) : -1;
  return k >= 0 && k + s_width(p) <= 96;
}

static int32_t s_k8(pcodell_t *p) {
  const pcodell_t *k = s_const_kid(p);
  return k ? int32_t(s_cnst(k) & 0xFF) : -1;
}

bool oqxIsAnd255(pcodell_t *p) { return p->data.expr.cop == B_AND && s_k8(p) == 0xFF; }
bool oqxIsIdentity(pcodell_t *p) { return p->data.expr.cop == B_AND ? s_k8(p) == 0xFF : s_k8(p) == 0; }
bool oqxIsXor255(pcodell_t *p) { return p->data.expr.cop == B_XOR && s_k8(p) == 0xFF; }
bool oqxIsAdd1(pcodell_t *p) { return p->data.expr.cop == B_ADD && s_k8(p) == 1; }
bool oqxIsAdd255(pcodell_t *p) { return p->data.expr.cop == B_ADD && s_k8(p) == 0xFF; }
bool oqxIsConst1(pcodell_t *p) { return s_k8(p) == 1; }

int oqxShift8ConstCost(pcodell_t *p) {
  long n = s_is_cnst(p->right) ? s_cnst(p->right) & 0xFF : 0;
  return n >= 8 ? 1 : oqxSHL8InPlaceByConstCost(n);
}

// ---- 8 bits -------------------------------------------------------------------

// wreg_Z: OP(a, b), one operand in WREG, the other in memory or a constant.
void oqxOp8W(pcodell_t *p) {
  int w = s_take_w_last(2);
  VELC_ASSERT(w >= 0);
  const SelLoc &o = sel_kid(1 - w)->loc;
  gen_attrib *self = sel_self();
  self->loc = sel_loc_w();
  self->cond = COND_NZ;
  if (p->opcode == I_cop8) {
    if (o.kind == LOC_CONST)
      s_add(oqxcopLW(p->data.expr.cop, int32_t(o.value & 0xFF), p->line, p->file));
    else
      s_add(oqxcopWF(p->data.expr.cop, s_operand(o), DEST_W, p->line, p->file));
    return;
  }
  VELC_ASSERT(p->opcode == I_SUB8);
  if (w == 1) {  // a - WREG
    if (o.kind == LOC_CONST)
      sel_emit(p, iqx_SUBLW(int32_t(o.value & 0xFF)));
    else
      s_add(oqxSubWF(s_operand(o), DEST_W, p->line, p->file));
  } else if (o.kind == LOC_CONST) {  // WREG - k
    sel_emit(p, iqx_ADDLW(int32_t(-o.value & 0xFF)));
  } else {  // WREG - b = -(b - WREG)
    s_add(oqxSubWF(s_operand(o), DEST_W, p->line, p->file));
    sel_emit(p, iqx_NEGF(WREGsym, 0));
  }
}

// wreg_Z: OP(x, constant) in one instruction into WREG: COMF (XOR 255),
// INCF (ADD 1), DECF (ADD 255, SUB 1).
void oqxOp8Single(pcodell_t *p) {
  sel_take(0);
  const SelLoc &l = sel_kid(0)->loc;
  int op = p->opcode == I_SUB8 ? DECF : oqxIsXor255(p) ? COMF : oqxIsAdd1(p) ? INCF : DECF;
  if (l.kind == LOC_FSR0) {
    sel_emit(p, iqx_opWF(op, INDF0sym, 0, DEST_W));
  } else if (l.kind == LOC_STK) {
    sel_emit(p, iqx_opWF_idx(op, int32_t(l.offset), DEST_W));
  } else {
    sel_banksel(p, l, 0);
    sel_emit(p, iqx_opWF(op, l.symbol, int32_t(l.offset), DEST_W));
  }
  sel_self()->loc = sel_loc_w();
  sel_self()->cond = COND_NZ;
}

// x: OP(x, identity constant): no code; the operand is the value.
void oqxIdentity(pcodell_t *) {
  sel_take(0);
  sel_self()->loc = sel_kid(0)->loc;
}

void oqxCom8(pcodell_t *p) {
  sel_take(0);
  const SelLoc &l = sel_kid(0)->loc;
  if (l.kind == LOC_W)
    sel_emit(p, iqx_XORLW(0xFF));
  else if (l.kind == LOC_FSR0)
    sel_emit(p, iqx_opWF(COMF, INDF0sym, 0, DEST_W));
  else if (l.kind == LOC_STK)
    sel_emit(p, iqx_opWF_idx(COMF, int32_t(l.offset), DEST_W));
  else {
    sel_banksel(p, l, 0);
    sel_emit(p, iqx_opWF(COMF, l.symbol, int32_t(l.offset), DEST_W));
  }
  sel_self()->loc = sel_loc_w();
  sel_self()->cond = COND_NZ;
}

// wreg: MUL8(a, b): MULWF or MULLW, the low byte of the product into WREG.
void oqxMul8(pcodell_t *p) {
  int w = s_take_w_last(2);
  VELC_ASSERT(w >= 0);
  const SelLoc &o = sel_kid(1 - w)->loc;
  if (o.kind == LOC_CONST)
    sel_emit(p, iqx_MULLW(int32_t(o.value & 0xFF)));
  else if (o.kind == LOC_STK)
    sel_emit(p, iqx_MULWF_idx(int32_t(o.offset)));
  else if (o.kind == LOC_FSR0)
    sel_emit(p, iqx_MULWF(INDF0sym, 0));
  else {
    sel_banksel(p, o, 0);
    sel_emit(p, iqx_MULWF(o.symbol, int32_t(o.offset)));
  }
  sel_emit(p, iqx_opWF(MOVF, PRODLsym, 0, DEST_W));
  sel_self()->loc = sel_loc_w();
  sel_self()->cond = COND_NZ;
}

// wreg: SHL8/SHR8(value, count). A constant count shifts WREG directly; a
// variable count parks the value in the scratch byte at the top of the
// software stack and loops on it with the count in WREG.
void oqxShift8(pcodell_t *p) {
  bool left = p->opcode == I_SHL8;
  bool is_signed = !left && s_shift_signed(p);
  const SelLoc &v = sel_kid(0)->loc;
  const SelLoc &c = sel_kid(1)->loc;
  sel_self()->loc = sel_loc_w();
  if (c.kind == LOC_CONST && v.kind == LOC_W && !is_signed) {
    sel_take_all();
    long n = c.value & 0xFF;
    if (left) {
      s_add(oqxSHL8WbyConst(int(n > 8 ? 8 : n), p->line, p->file));
      if (n > 0 && n < 8)
        sel_emit(p, iqx_opWF(MOVF, PRODLsym, 0, DEST_W));
      else if (n == 0)
        sel_emit(p, iqx_IORLW(0));
    } else {
      s_add(oqxSHR8WbyConst(int(n > 8 ? 8 : n), p->line, p->file));
    }
    return;
  }
  // Value into the scratch byte, then the count into WREG.
  if (v.kind == LOC_W) {
    sel_take(1);
    sel_take(0);
    s_park_in_scratch(p, v);
    s_load_w(p, c);
  } else {
    sel_take(0);
    sel_take(1);
    s_park_in_scratch(p, v);
    s_load_w(p, c);
  }
  s_shift_scratch_by_w(p, left, is_signed);
  sel_emit(p, iqx_opWF(MOVF, INDF1sym, 0, DEST_W));
}

// ---- helper calls ---------------------------------------------------------------------

// marg8, marg16: the value pushed on the software stack, low byte first.
void oqxMargPush(pcodell_t *p) {
  sel_take(0);
  const SelLoc &l = sel_kid(0)->loc;
  int width = l.kind == LOC_W ? 1 : l.width;
  VELC_ASSERT(width == 1 || width == 2);
  for (int i = 0; i < width; ++i) {
    SelLoc push{LOC_RAM, POSTINC1sym, -i, 0, 1};  // byte i of the move lands on POSTINC1 itself
    if (l.kind == LOC_W)
      sel_emit(p, iqx_MOVWF(POSTINC1sym, 0));
    else if (l.kind == LOC_RAM && (l.symbol == PRODsym || l.symbol == PRODLsym))
      sel_move_byte(p, sel_loc_ram(PRODLsym, 0, 2), i, push);
    else
      sel_move_byte(p, l, i, push);
  }
  sel_self()->loc = SelLoc{LOC_NONE, nullptr, 0, 0, width};
}

static SymbolRecord *s_helper(pcodell_t *p) {
  switch (p->opcode) {
  case I_DIV8U: case I_DIV8AU: return __div08usym;
  case I_DIV8S: case I_DIV8AS: return __div08ssym;
  case I_MOD8U: case I_MOD8AU: return __mod08usym;
  case I_MOD8S: case I_MOD8AS: return __mod08ssym;
  case I_DIV16U: case I_DIV16AU: return __div16usym;
  case I_DIV16S: case I_DIV16AS: return __div16ssym;
  case I_MOD16U: case I_MOD16AU: return __mod16usym;
  case I_MOD16S: case I_MOD16AS: return __mod16ssym;
  case I_MUL16U: case I_MUL16S: case I_MUL16AU: case I_MUL16AS: return __mul16sym;
  default: VELC_ASSERT(!"an operator with a run-time helper");
  }
  return nullptr;
}

// OP(marg, marg): both operands pushed, the helper called, its result
// popped: into WREG for 8 bits, into PROD for 16.
void oqxCallHelper(pcodell_t *p) {
  sel_take_all();
  SymbolRecord *helper = s_helper(p);
  sel_emit(p, iqx_CALL(helper, 0, 0));
  sel_emit(p, iqx_CALL2(helper, 0));
  // FSR1 points just past the result: step back onto its last byte.
  sel_emit(p, iqx_opWF(MOVF, POSTDEC1sym, 0, DEST_F));
  if (s_width(p) == 1) {
    sel_emit(p, iqx_opWF(MOVF, INDF1sym, 0, DEST_W));
    sel_self()->loc = sel_loc_w();
  } else {
    sel_emit(p, iqx_MOVFF(POSTDEC1sym, 0));
    sel_emit(p, iqx_MOVFF2(POSTDEC1sym, 0, PRODHsym, 0));
    sel_emit(p, iqx_MOVFF(INDF1sym, 0));
    sel_emit(p, iqx_MOVFF2(INDF1sym, 0, PRODLsym, 0));
    sel_self()->loc = sel_loc_ram(PRODLsym, 0, 2);
  }
}

// ---- compound assignment, 8 bits ---------------------------------------------------------

// x OP= y for a byte lvalue (kid 0: its address, frame slot or pointer) and
// y in WREG, memory or a constant. A y that is not a constant is in WREG
// before the lvalue's pointer (if any) is loaded into FSR0 with moves that
// leave WREG alone. The variable is the result.
void oqxOp8A(pcodell_t *p) {
  int w = s_take_w_last(2);
  const SelLoc &y = sel_kid(1)->loc;
  bool constant = y.kind == LOC_CONST;
  if (!constant && w < 0)
    sel_byte_to_w(p, y, 0);
  SelLoc xl = s_lvalue(p, sel_kid(0)->loc, 1);
  OqxOperand x = s_operand(xl);
  sel_self()->loc = xl;
  long k = y.value;
  switch (p->opcode) {
  case I_cop8A:
  case I_SUB8A:
    if (constant) {
      bool sub = p->opcode == I_SUB8A;
      s_add(oqxcop8A_Iconst(sub ? B_ADD : p->data.expr.cop, x, int32_t(sub ? -k : k), p->line, p->file));
    } else if (p->opcode == I_SUB8A) {
      s_add(oqxSubWF(x, DEST_F, p->line, p->file));
    } else {
      s_add(oqxcop8A(p->data.expr.cop, x, p->line, p->file));
    }
    return;
  case I_MUL8AS:
  case I_MUL8AU:
    if (constant)
      sel_emit(p, iqx_MOVLW(int32_t(k & 0xFF)));
    if (xl.kind == LOC_FSR0) {
      sel_emit(p, iqx_MULWF(INDF0sym, 0));
    } else if (xl.kind == LOC_STK) {
      sel_emit(p, iqx_MULWF_idx(int32_t(xl.offset)));
    } else {
      sel_banksel(p, xl, 0);
      sel_emit(p, iqx_MULWF(xl.symbol, int32_t(xl.offset)));
    }
    sel_move_byte(p, sel_loc_ram(PRODLsym, 0, 1), 0, xl);
    return;
  case I_SHL8A:
  case I_SHR8A: {
    bool left = p->opcode == I_SHL8A;
    bool is_signed = !left && s_shift_signed(p);
    if (constant) {
      s_shift8_in_place(p, x, xl, y, left, is_signed);
      return;
    }
    if (left) {  // counts of 8 and more loop down to 0 with x cleared
      sel_emit(p, iqx_IORLW(0));
      s_add(oqxSHL8InPlaceByW(x, p->line, p->file));
      return;
    }
    sel_banksel(p, xl, 0);  // before the loop: nothing inside selects a bank
    sel_emit(p, iqx_IORLW(0));
    sel_emit_oc(objBZLiteral(is_signed ? 7 : 5, p->line, p->file));
    sel_emit(p, iqx_BCF(STATUSsym, 0, 0));
    if (is_signed) {
      if (xl.kind == LOC_FSR0)
        sel_emit(p, iqx_BTFSC(INDF0sym, 0, 7));
      else if (xl.kind == LOC_STK)
        sel_emit(p, iqx_BTFSC_idx(int32_t(xl.offset), 7));
      else
        sel_emit(p, iqx_BTFSC(xl.symbol, int32_t(xl.offset), 7));
      sel_emit(p, iqx_BSF(STATUSsym, 0, 0));
    }
    if (xl.kind == LOC_RAM)
      sel_emit(p, iqx_opWF(RRCF, xl.symbol, int32_t(xl.offset), DEST_F));
    else
      s_byte_op(p, RRCF, xl, DEST_F);
    sel_emit(p, iqx_opWF(DECF, WREGsym, 0, DEST_F));
    sel_emit_oc(objBNZLiteral(is_signed ? -5 : -3, p->line, p->file));
    return;
  }
  default:
    VELC_ASSERT(!"an 8-bit compound assignment");
  }
}

// ---- 16 bits --------------------------------------------------------------------------------

namespace {

// Kid i of a 16-bit operation as an operand (memory) or a constant.
bool s_const16(int i, long *k) {
  const SelLoc &l = sel_kid(i)->loc;
  if (l.kind != LOC_CONST)
    return false;
  *k = l.value & 0xFFFF;
  return true;
}

OqxOperand s_operand16(int i) {
  SelLoc l = sel_kid(i)->loc;
  if (l.kind == LOC_RAM && l.symbol == PRODsym)
    l.symbol = PRODLsym;
  return s_operand(l);
}

// dst := the value of location l (two bytes).
void s_copy16(pcodell_t *p, const OqxOperand &from, const OqxOperand &to) {
  if (!oqx_same(from, to))
    s_add(oqxMOV16(from, to, p->line, p->file));
}

void s_shift16(pcodell_t *p, const OqxOperand &x, const SelLoc &c, bool left, bool is_signed, bool parked) {
  if (c.kind == LOC_CONST) {
    int n = int(c.value & 0xFF);
    s_add(left ? oqxSHL16A_Iconst(x, n, p->line, p->file) : oqxSHR16A_Iconst(x, n, is_signed, p->line, p->file));
    return;
  }
  if (parked)
    sel_emit(p, iqx_opWF(MOVF, INDF1sym, 0, DEST_W));
  s_add(left ? oqxSHL16A(x, p->line, p->file) : oqxSHR16A(x, is_signed, p->line, p->file));
}

}  // namespace

// d := x * k when x is an unsigned byte widened to 16 bits (so its high
// byte is 0) and the constant k fits a byte: the low 16 bits of the product
// are the same for a signed multiply, and one MULLW gives them.
static bool s_byte_times_constant(pcodell_t *p, bool ca, bool cb, long ka, long kb, const OqxOperand &d) {
  if (ca == cb)
    return false;
  int xi = ca ? 1 : 0;
  long k = (ca ? ka : kb) & 0xFFFF;
  const pcodell_t *x = xi ? p->right : p->left;
  if (k > 255 || !x || x->opcode != I_C8TO16U || !sel_is_memory(sel_kid(xi)->loc))
    return false;
  s_add(oqxMUL8U_Iconst(s_operand16(xi), k, d, p->line, p->file));
  return true;
}

// rv16: OP(a, b) computed into the destination the parent chose.
void oqxOp16(pcodell_t *p) {
  gen_attrib *self = sel_self();
  SelLoc dl = self->dest;
  dl.width = 2;
  OqxOperand d = s_operand(dl);
  self->loc = dl;
  long ka = 0, kb = 0;
  bool ca = false, cb = false;
  if (p->opcode != I_COM16) {
    ca = s_const16(0, &ka);
    cb = s_const16(1, &kb);
  }
  switch (p->opcode) {
  case I_cop16:
    sel_take_all();
    if (ca || cb)
      s_add(oqxopLiteral16(p->data.expr.cop, s_operand16(ca ? 1 : 0), ca ? ka : kb, d, p->line, p->file));
    else
      s_add(oqxopF16(p->data.expr.cop, s_operand16(0), s_operand16(1), d, p->line, p->file));
    return;
  case I_SUB16:
    sel_take_all();
    if (cb)
      s_add(oqxSUB16Literal(s_operand16(0), kb, d, p->line, p->file));
    else if (ca)
      s_add(oqxSUB16FromLiteral(ka, s_operand16(1), d, p->line, p->file));
    else
      s_add(oqxSUB16(s_operand16(0), s_operand16(1), d, p->line, p->file));
    return;
  case I_COM16:
    sel_take_all();
    s_add(oqxopLiteral16(B_XOR, s_operand16(0), 0xFFFF, d, p->line, p->file));
    return;
  case I_MUL16S:
  case I_MUL16U:
    sel_take_all();
    if (s_byte_times_constant(p, ca, cb, ka, kb, d))
      return;
    if (ca || cb) {
      s_copy16(p, s_operand16(ca ? 1 : 0), d);
      s_add(oqxMUL16A_Iconst(d, ca ? ka : kb, p->line, p->file));
    } else {
      s_add(oqxMul16(s_operand16(0), s_operand16(1), d, p->line, p->file));
    }
    return;
  case I_SHL16:
  case I_SHR16: {
    const SelLoc &c = sel_kid(1)->loc;
    bool parked = false;
    if (c.kind == LOC_W) {
      sel_take(0);
      sel_take(1);
    } else {
      sel_take_all();
    }
    if (c.kind != LOC_CONST) {
      s_park_in_scratch(p, c);  // the value's copy may then use WREG
      parked = true;
    }
    s_copy16(p, s_operand16(0), d);
    s_shift16(p, d, c, p->opcode == I_SHL16, p->opcode == I_SHR16 && s_shift_signed(p), parked);
    return;
  }
  default:
    VELC_ASSERT(!"a 16-bit operation");
  }
}

// x OP= y for a 16-bit lvalue (kid 0) and y in memory or a constant (or a
// shift count in WREG); the variable is the result.
void oqxOp16A(pcodell_t *p) {
  const SelLoc &y = sel_kid(1)->loc;
  bool parked = false;
  if (y.kind == LOC_W) {
    sel_take(0);
    sel_take(1);
  } else {
    sel_take_all();
  }
  if ((p->opcode == I_SHL16A || p->opcode == I_SHR16A) && y.kind != LOC_CONST) {
    s_park_in_scratch(p, y);
    parked = true;
  }
  // y read through FSR0 would be lost when the lvalue's pointer is loaded.
  VELC_ASSERT(y.kind != LOC_FSR0 || sel_kid(0)->loc.kind == LOC_ADDR || sel_kid(0)->loc.kind == LOC_STKADDR);
  SelLoc xl = s_lvalue(p, sel_kid(0)->loc, 2);
  OqxOperand x = s_operand(xl);
  sel_self()->loc = xl;
  long k = 0;
  bool c = s_const16(1, &k);
  switch (p->opcode) {
  case I_cop16A:
    s_add(c ? oqxcop16A_Iconst(p->data.expr.cop, x, k, p->line, p->file)
            : oqxcop16A(p->data.expr.cop, x, s_operand16(1), p->line, p->file));
    return;
  case I_SUB16A:
    s_add(c ? oqxSUB16A_Iconst(x, k, p->line, p->file) : oqxSUB16A(x, s_operand16(1), p->line, p->file));
    return;
  case I_MUL16AS:
  case I_MUL16AU:
    s_add(c ? oqxMUL16A_Iconst(x, k, p->line, p->file) : oqxMul16(x, s_operand16(1), x, p->line, p->file));
    return;
  case I_SHL16A:
  case I_SHR16A: {
    // The shifts go over each byte several times: an object reached
    // through FSR0 is shifted in a temporary and stored back.
    SelLoc work = xl;
    if (xl.kind == LOC_FSR0) {
      work = sel_loc_ram(tmp_get_sym(), tmp_alloc(2), 2);
      sel_move(p, xl, work);
    }
    s_shift16(p, s_operand(work), y, p->opcode == I_SHL16A, p->opcode == I_SHR16A && s_shift_signed(p), parked);
    if (xl.kind == LOC_FSR0)
      sel_move(p, work, xl);
    return;
  }
  default:
    VELC_ASSERT(!"a 16-bit compound assignment");
  }
}

// x OP= y through a helper: x pushed, then y (kid 1's code pushes it), the
// call, and the result popped back into x. An x reached through a pointer
// has FSR0 loaded again after y's code (which may use FSR0); the helpers
// leave FSR0 alone.
void oqxCallHelperA(pcodell_t *p) {
  int width = s_width(p);
  sel_take(0);
  const SelLoc a = sel_kid(0)->loc;
  SelLoc xl = s_lvalue(p, a, width);
  for (int i = 0; i < width; ++i)
    sel_move_byte(p, xl, i, SelLoc{LOC_RAM, POSTINC1sym, -i, 0, 1});
  sel_take(1);
  if (xl.kind == LOC_FSR0)
    s_lvalue(p, a, width);
  SymbolRecord *helper = s_helper(p);
  sel_emit(p, iqx_CALL(helper, 0, 0));
  sel_emit(p, iqx_CALL2(helper, 0));
  // FSR1 points just past the result: step back, then pop from the top.
  sel_emit(p, iqx_opWF(MOVF, POSTDEC1sym, 0, DEST_F));
  if (xl.kind == LOC_FSR0 && width == 2) {
    sel_emit(p, iqx_opWF(MOVF, POSTDEC1sym, 0, DEST_F));
    sel_emit(p, iqx_MOVFF(POSTINC1sym, 0));
    sel_emit(p, iqx_MOVFF2(POSTINC1sym, 0, POSTINC0sym, 0));
    sel_emit(p, iqx_MOVFF(INDF1sym, 0));
    sel_emit(p, iqx_MOVFF2(INDF1sym, 0, POSTDEC0sym, 0));
    sel_emit(p, iqx_opWF(MOVF, POSTDEC1sym, 0, DEST_F));
  } else {
    for (int i = width - 1; i >= 0; --i) {
      SelLoc from{LOC_RAM, i ? POSTDEC1sym : INDF1sym, 0, 0, 1};
      SelLoc to = xl.kind == LOC_FSR0 ? SelLoc{LOC_FSR0, nullptr, 0, 0, 1}
                                       : SelLoc{xl.kind, xl.symbol, xl.offset + i, 0, 1};
      sel_move_byte(p, from, 0, to);
    }
  }
  sel_self()->loc = xl;
}
