// The actions of the floating-point rule family: float constants, and the
// calls of the run-time helpers for arithmetic, compound assignment,
// comparisons, conversions to and from the integers, and increments. In:
// the node under reduction and its kids' records (the operands already
// pushed by their marg forms, or the variable). Out: the node's code and
// where its value is: a destination, WREG, a condition, or the variable.
//
// A helper takes its operands on the software stack and leaves its result
// there (FSR1 just past it); the result is popped from the top byte down.
#include <cstring>

#include "driver/diag.h"
#include "gen/gen.h"
#include "gen/inst.h"
#include "gen/select.h"
#include "gen/select_actions.h"
#include "trans/const.h"

namespace {

SymbolRecord *s_helper(const pcodell_t *p) {
  switch (p->opcode) {
  case I_ADDF: case I_ADDFA: case I_PREINCFRAM: case I_PSTINCFRAM: return __addFPsym;
  case I_SUBF: case I_SUBFA: case I_PREDECFRAM: case I_PSTDECFRAM: return __subFPsym;
  case I_MULF: case I_MULFA: return __mulFPsym;
  case I_DIVF: case I_DIVFA: return __divFPsym;
  case I_LTF: return p->step ? __ltuFPsym : __ltFPsym;
  case I_GTF: return p->step ? __gtuFPsym : __gtFPsym;
  case I_EQF: return __eqFPsym;
  case I_C8STOF: return __cast08sFPsym;
  case I_C8UTOF: return __cast08uFPsym;
  case I_C16STOF: return __cast16sFPsym;
  case I_C16UTOF: return __cast16uFPsym;
  case I_C24STOF: return __cast24sFPsym;
  case I_C24UTOF: return __cast24uFPsym;
  case I_C32STOF: return __cast32sFPsym;
  case I_C32UTOF: return __cast32uFPsym;
  case I_CFTO8: return __castFP08sym;
  case I_CFTO16: return __castFP16sym;
  case I_CFTO24: return __castFP24sym;
  case I_CFTO32: return __castFP32sym;
  default: VELC_ASSERT(!"a floating-point operator with a run-time helper");
  }
  return nullptr;
}

// Bytes of the helper's result: a conversion to an integer yields its
// width, a comparison one byte, anything else a float.
int s_result_width(const pcodell_t *p) {
  switch (p->opcode) {
  case I_CFTO8: case I_LTF: case I_GTF: case I_EQF: return 1;
  case I_CFTO16: return 2;
  case I_CFTO24: return 3;
  default: return 4;
  }
}

SelLoc s_sized(SelLoc l, int width) {
  l.width = width;
  return l;
}

SelLoc s_byte(const SelLoc &l, int i) { return SelLoc{l.kind, l.symbol, l.offset + i, 0, 1}; }

void s_call(pcodell_t *p, SymbolRecord *helper) {
  sel_emit(p, iqx_CALL(helper, 0, 0));
  sel_emit(p, iqx_CALL2(helper, 0));
}

// Byte i of a value written through POSTINC1 (the pointer advancing).
void s_push(pcodell_t *p, const SelLoc &v, int width) {
  for (int i = 0; i < width; ++i)
    sel_move_byte(p, s_sized(v, width), i, SelLoc{LOC_RAM, POSTINC1sym, -i, 0, 1});
}

// The helper's result (FSR1 just past it) into dst, from the top byte down.
void s_pop(pcodell_t *p, const SelLoc &dst, int width) {
  VELC_ASSERT(dst.kind == LOC_RAM || dst.kind == LOC_STK);
  sel_emit(p, iqx_opWF(MOVF, POSTDEC1sym, 0, DEST_F));
  for (int i = width - 1; i >= 0; --i)
    sel_move_byte(p, SelLoc{LOC_RAM, i ? POSTDEC1sym : INDF1sym, 0, 0, 1}, 0, s_byte(dst, i));
}

// The one-byte result into WREG, Z clear when it is not 0.
void s_pop_w(pcodell_t *p) {
  sel_emit(p, iqx_opWF(MOVF, POSTDEC1sym, 0, DEST_F));
  sel_emit(p, iqx_opWF(MOVF, INDF1sym, 0, DEST_W));
  sel_self()->loc = sel_loc_w();
}

// The variable, pushed, the helper called on it and the float y already
// pushed after it (or the constant 1.0), the result popped back into it.
void s_update(pcodell_t *p, const SelLoc &x, SymbolRecord *helper, bool one) {
  s_push(p, x, 4);
  if (one)
    s_push(p, sel_loc_const(0x3F800000L, 4), 4);
  else
    sel_take(1);
  s_call(p, helper);
  s_pop(p, x, 4);
}

// A variable or frame slot named by an address kid.
SelLoc s_lvalue(const SelLoc &a) {
  if (a.kind == LOC_STKADDR)
    return SelLoc{LOC_STK, nullptr, a.offset, 0, 4};
  VELC_ASSERT(a.kind == LOC_ADDR);
  return sel_loc_ram(a.symbol, a.offset, 4);
}

// A pointer register's virtual register as byte i of a move (the register
// advancing by one per byte).
SelLoc s_reg(SymbolRecord *reg, int i) { return SelLoc{LOC_RAM, reg, -i, 0, 1}; }

// FSR0 := the pointer held in a variable or a frame slot.
void s_load_fsr0(pcodell_t *p, const SelLoc &ptr) {
  sel_move_byte(p, s_sized(ptr, 2), 0, sel_loc_ram(FSR0Lsym, 0, 1));
  sel_move_byte(p, s_sized(ptr, 2), 1, SelLoc{LOC_RAM, FSR0Lsym, 0, 0, 2});
}

// The float at FSR0 pushed (FSR0 advancing over it).
void s_push_fsr0(pcodell_t *p) {
  for (int i = 0; i < 4; ++i)
    sel_move_byte(p, s_reg(POSTINC0sym, i), i, s_reg(POSTINC1sym, i));
}

// The helper's float result into the bytes at FSR0, from the top byte down
// through PLUSW0, so that FSR1 never passes a byte not yet read.
void s_pop_fsr0(pcodell_t *p) {
  sel_emit(p, iqx_opWF(MOVF, POSTDEC1sym, 0, DEST_F));
  for (int i = 3; i > 0; --i) {
    sel_emit(p, iqx_MOVLW(i));
    sel_emit(p, iqx_MOVFF(POSTDEC1sym, 0));
    sel_emit(p, iqx_MOVFF2(POSTDEC1sym, 0, PLUSW0sym, 0));
  }
  sel_emit(p, iqx_MOVFF(INDF1sym, 0));
  sel_emit(p, iqx_MOVFF2(INDF1sym, 0, INDF0sym, 0));
}

// The float at FSR0 copied to dst, or dst copied there.
void s_copy_fsr0(pcodell_t *p, const SelLoc &dst, bool to_fsr0) {
  for (int i = 0; i < 4; ++i) {
    if (to_fsr0)
      sel_move_byte(p, s_sized(dst, 4), i, s_reg(POSTINC0sym, i));
    else
      sel_move_byte(p, s_reg(POSTINC0sym, i), i, s_sized(dst, 4));
  }
}

bool s_is_identifier(const pcodell_t *p) {
  return p && (p->opcode == I_IDRAM8 || p->opcode == I_IDRAM16 || p->opcode == I_IDSTK);
}

}  // namespace

// The operand of an increment is a named variable or frame slot (not a
// value read through a pointer, which would be a copy).
bool selFloatOnVariable(pcodell_t *p) {
  const pcodell_t *ind = p->left;
  return ind && (ind->opcode == I_IND32RAM16 || ind->opcode == I_IND32RAM8) && s_is_identifier(ind->left);
}

// 0 - x with the constant +0 on the left: the negation of x.
bool selFloatZeroLeft(pcodell_t *p) {
  const pcodell_t *k = p->left;
  if (!k || k->opcode != I_CNSTF)
    return false;
  float f = get_float_constant_value(k->data.expr.cnst.value.code, k->data.expr.cnst.value);
  uint32_t bits;
  std::memcpy(&bits, &f, 4);
  return bits == 0;
}

// -x: x copied to the destination with its sign bit flipped.
void selFloatNegate(pcodell_t *p) {
  sel_take_all();
  SelLoc x = s_sized(sel_kid(0)->loc, 4), d = s_sized(sel_self()->dest, 4);
  for (int i = 0; i < 3; ++i)
    sel_move_byte(p, x, i, d);
  sel_byte_to_w(p, x, 3);
  sel_emit(p, iqx_XORLW(0x80));
  sel_w_to_byte(p, d, 3);
  sel_self()->loc = d;
}

// The constant's IEEE single-precision encoding, as a 4-byte constant.
void selFloatConst(pcodell_t *p) {
  float f = get_float_constant_value(p->data.expr.cnst.value.code, p->data.expr.cnst.value);
  uint32_t bits;
  std::memcpy(&bits, &f, 4);
  sel_self()->loc = sel_loc_const(long(int32_t(bits)), 4);
}

// rv: OP(marg, marg) or CONV(marg): the helper on the pushed operands, its
// result popped into the destination.
void selFloatCallHelper(pcodell_t *p) {
  sel_take_all();
  s_call(p, s_helper(p));
  int n = s_result_width(p);
  SelLoc d = s_sized(sel_self()->dest, n);
  s_pop(p, d, n);
  sel_self()->loc = d;
}

// x OP= y for a variable or a frame slot: x pushed, then y (kid 1).
void selFloatCallHelperA(pcodell_t *p) {
  sel_take(0);
  SelLoc x = s_lvalue(sel_kid(0)->loc);
  s_update(p, x, s_helper(p), false);
  sel_self()->loc = x;
}

// A comparison's truth value from its helper, true when not 0.
void selFloatCompare(pcodell_t *p) {
  sel_take_all();
  s_call(p, s_helper(p));
  s_pop_w(p);
  sel_self()->cond = COND_NZ;
}

// WREG := the bytes ORed without the sign bit: Z clear unless the value is
// +0 or -0.
void selFloatTest(pcodell_t *p) {
  sel_take(0);
  SelLoc l = s_sized(sel_kid(0)->loc, 4);
  sel_byte_to_w(p, l, 3);
  sel_emit(p, iqx_ANDLW(0x7F));
  for (int i = 0; i < 3; ++i)
    sel_w_op_byte(p, IORWF, l, i);
  sel_self()->cond = COND_NZ;
  sel_self()->loc = sel_loc_w();
}

// A conversion to a one-byte integer: the result into WREG.
void selFloatToByte(pcodell_t *p) {
  sel_take_all();
  s_call(p, s_helper(p));
  s_pop_w(p);
}

// ++x, --x, and x++, x-- whose value is not used: x = x + 1.0 or x - 1.0.
void selFloatIncDec(pcodell_t *p) {
  sel_take(0);
  SelLoc x = s_sized(sel_kid(0)->loc, 4);
  s_update(p, x, s_helper(p), true);
  sel_self()->loc = x;
}

// x++, x-- whose value is used: the old value into a temporary first.
void selFloatPostIncDec(pcodell_t *p) {
  sel_take(0);
  SelLoc x = s_sized(sel_kid(0)->loc, 4);
  gen_attrib *self = sel_self();
  sAllocTempStorage(self, 4);
  SelLoc old = s_sized(self->dest, 4);
  sel_move(p, x, old);
  s_update(p, x, s_helper(p), true);
  self->loc = old;
}

// *ptr OP= y: the float at the pointer pushed, then y (kid 1); FSR0 is
// loaded again for the result, since y's code may use it.
void selFloatCallHelperPtr(pcodell_t *p) {
  sel_take(0);
  SelLoc ptr = sel_kid(0)->loc;
  s_load_fsr0(p, ptr);
  s_push_fsr0(p);
  sel_take(1);
  s_load_fsr0(p, ptr);
  s_call(p, s_helper(p));
  s_pop_fsr0(p);
}

namespace {

// ++*ptr, *ptr++ and friends: as a statement, or (value) with the new
// (prefix) or old (postfix) value in the destination the parent names.
void s_inc_dec_ptr(pcodell_t *p, bool value) {
  sel_take(0);
  SelLoc ptr = sel_kid(0)->loc;
  gen_attrib *self = sel_self();
  bool postfix = p->opcode == I_PSTINCFRAM || p->opcode == I_PSTDECFRAM;
  SelLoc d = s_sized(self->dest, 4);
  s_load_fsr0(p, ptr);
  if (value && postfix) {
    s_copy_fsr0(p, d, false);
    s_load_fsr0(p, ptr);
  }
  s_push_fsr0(p);
  s_push(p, sel_loc_const(0x3F800000L, 4), 4);
  s_call(p, s_helper(p));
  s_load_fsr0(p, ptr);
  if (value && !postfix) {
    s_pop(p, d, 4);
    s_copy_fsr0(p, d, true);
  } else {
    s_pop_fsr0(p);
  }
  if (value)
    self->loc = d;
}

}  // namespace

void selFloatIncDecPtr(pcodell_t *p) { s_inc_dec_ptr(p, false); }
void selFloatIncDecPtrValue(pcodell_t *p) { s_inc_dec_ptr(p, true); }
