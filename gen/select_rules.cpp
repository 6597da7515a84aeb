// The selector's own actions and guards: structure, leaves, location
// chains, stores, conversions, address arithmetic, conditions and truth
// values. In: the node being reduced and the attribute records of its
// kids. Out: the node's code list and the location (or condition) of its
// value, as select.h describes.
#include <utility>

#include "driver/diag.h"
#include "gen/frame.h"
#include "gen/gen.h"
#include "gen/select.h"
#include "gen/select_actions.h"
#include "gen/temps.h"

int sel_kid_count();

// ---- helpers ------------------------------------------------------------

static int s_width_of_op(const pcodell_t *p) {
  switch (p->opcode) {
  case I_MOV16:
  case I_IND16RAM8:
  case I_IND16RAM16:
  case I_EQ16:
  case I_LT16S:
  case I_LT16U:
  case I_GT16S:
  case I_GT16U:
  case I_PREINC16RAM:
  case I_PSTINC16RAM:
  case I_PREDEC16RAM:
  case I_PSTDEC16RAM:
  case I_ARG16:
  case I_RET16:
  case I_CNST16:
  case I_C8TO16S:
  case I_C8TO16U:
  case I_cop16:
  case I_TST16:
    return 2;
  default:
    return 1;
  }
}

static long s_const_value(const pcodell_t *p) {
  return get_signed_constant_value(p->data.expr.cnst.value.code, p->data.expr.cnst.value);
}

static long s_slot_offset(const pcodell_t *idstk) {
  VELC_ASSERT(idstk->opcode == I_IDSTK && idstk->data.expr.var.sym);
  return idstk->data.expr.var.sym->data.var.offset;
}

static SelLoc s_with_width(SelLoc l, int width) {
  l.width = width;
  return l;
}

// ---- guards ---------------------------------------------------------------

bool selStackOffsetOk(pcodell_t *p) { return s_slot_offset(p) >= 0; }
// The object of an indirection through a frame address (a frame variable
// or a member of one) lies within [0], [95].
bool selSlotFits(pcodell_t *p) {
  long k = sel_frame_offset(p->left);
  return k >= 0 && k + s_width_of_op(p) <= 96;
}
bool selSlotFitsMov(pcodell_t *p) { return selSlotFits(p->left); }
bool selIsConst0(pcodell_t *p) { return (s_const_value(p->right) & 0xFF) == 0; }
bool selIsConst255(pcodell_t *p) { return (s_const_value(p->right) & 0xFF) == 0xFF; }
bool selIsConst0Slot(pcodell_t *p) { return selIsConst0(p) && selSlotFitsMov(p); }
bool selIsConst255Slot(pcodell_t *p) { return selIsConst255(p) && selSlotFitsMov(p); }
bool selIsAddressAdd(pcodell_t *p) {
  const TypeRecord *t = pcodellType(p);
  return p->data.expr.cop == B_ADD && t && (t->type == POINTER_TYPE || t->type == ARRAY_TYPE);
}
// A constant index into a variable at a link-time or frame address (or a
// member or element of one), within the variable: the element's address is
// link-time (a + k) or a frame slot too, and the element is read and
// written directly, as a member is.
bool selIsConstIndex(pcodell_t *p) {
  long offset = 0;
  return selIsAddressAdd(p) && (p->left->opcode == I_CNST8 || p->left->opcode == I_CNST16 ||
                                p->right->opcode == I_CNST8 || p->right->opcode == I_CNST16) &&
         sel_static_address(p, &offset);
}

// ---- structure ----------------------------------------------------------------

void selNothing(pcodell_t *) {}

void selPass(pcodell_t *) {
  gen_attrib *self = sel_self();
  gen_attrib *kid = sel_kid(0);
  self->loc = kid->loc;
  self->cond = kid->cond;
  sel_take(0);
}

void selPassDest(pcodell_t *) { sel_kid(0)->dest = sel_self()->dest; }

void selRight(pcodell_t *) {
  sel_take_all();
  sel_self()->loc = sel_kid(1)->loc;
  sel_self()->cond = sel_kid(1)->cond;
}

void selBeginFunct(pcodell_t *p) { sel_emit_oc(objBeginFunct(p->function.sym, p->line, p->file)); }
void selEndFunct(pcodell_t *p) { sel_emit_oc(objEndFunct(p->function.sym, p->line, p->file)); }
void selAsm(pcodell_t *p) { sel_emit_oc(objInlineAssembly(p->asm_block)); }
void selLabel(pcodell_t *p) { sel_emit_oc(objLabel(p->label, p->line, p->file)); }
void selJump(pcodell_t *p) { sel_emit_oc(objBranchSymbol(p->label, p->line, p->file)); }

// An automatic aggregate initialised from the image the node owns.
void selInitStack(pcodell_t *p) {
  sel_take(0);
  const SelLoc &a = sel_kid(0)->loc;
  VELC_ASSERT(a.kind == LOC_STKADDR && p->owned_size + a.offset <= 96);
  sel_emit_oc(oqx_initialize_stack_block_idx(a.offset, static_cast<const unsigned char *>(p->owned), p->owned_size,
                                             p->line, p->file));
}

// ---- leaves ---------------------------------------------------------------------

void selConst(pcodell_t *p) { sel_self()->loc = sel_loc_const(s_const_value(p), s_width_of_op(p)); }

void selAddress(pcodell_t *p) {
  sel_self()->loc = SelLoc{LOC_ADDR, p->data.expr.var.sym, 0, 0, 2};
}

// The address of a constant index: the base's address plus the constant.
void selAddressPlusConst(pcodell_t *) {
  gen_attrib *self = sel_self();
  const int base = sel_kid(0)->loc.kind == LOC_CONST ? 1 : 0;
  sel_take_all();
  self->loc = sel_kid(base)->loc;
  self->loc.offset += sel_kid(1 - base)->loc.value;
}

void selStackAddress(pcodell_t *p) { sel_self()->loc = SelLoc{LOC_STKADDR, nullptr, s_slot_offset(p), 0, 2}; }

// An indirection of a constant address: the variable itself.
void selIndirect(pcodell_t *p) {
  gen_attrib *self = sel_self();
  const SelLoc &a = sel_kid(0)->loc;
  sel_take(0);
  if (a.kind == LOC_STKADDR)
    self->loc = SelLoc{LOC_STK, nullptr, a.offset, 0, s_width_of_op(p)};
  else
    self->loc = sel_loc_ram(a.symbol, a.offset, s_width_of_op(p));
}

// FSR0 := the pointer; the value is then at FSR0.
static void s_load_fsr0(pcodell_t *p, const SelLoc &ptr) {
  if (ptr.kind == LOC_CONST) {
    sel_emit(p, iqx_LFSR(nullptr, 0, 0));
    ocode *last = sel_last();
    inst *ins = last->data.inst.ins;
    ins->operand[1].type = LITERAL_OP;
    ins->operand[1].data.literal = int32_t((ptr.value >> 8) & 0x0F);
    ins->operand[1].reloc = 0;
    inst *w2 = inst_create();
    w2->opcode = WORD2;
    w2->operand[0].type = LITERAL_OP;
    w2->operand[0].data.literal = int32_t(ptr.value & 0xFF);
    sel_emit(p, w2);
    return;
  }
  SelLoc low = sel_loc_ram(FSR0Lsym, 0, 1), high = sel_loc_ram(FSR0Hsym, 0, 1);
  sel_move_byte(p, ptr, 0, low);
  if (ptr.kind == LOC_STKADDR) {
    sel_byte_to_w(p, ptr, 1);
    sel_w_to_byte(p, high, 0);
  } else {
    sel_move_byte(p, s_with_width(ptr, 2), 1, SelLoc{LOC_RAM, FSR0Lsym, 0, 0, 2});
  }
}

void selLoadFsr0(pcodell_t *p) {
  sel_take(0);
  s_load_fsr0(p, sel_kid(0)->loc);
  sel_self()->loc = SelLoc{LOC_FSR0, nullptr, 0, 0, s_width_of_op(p)};
}

// ---- value chains -------------------------------------------------------------------

void selLoadW(pcodell_t *p) {
  sel_take(0);
  const SelLoc &l = sel_kid(0)->loc;
  sel_byte_to_w(p, l, 0);
  sel_self()->loc = sel_loc_w();
}

void selTestW(pcodell_t *p) {
  sel_take(0);
  sel_emit(p, iqx_IORLW(0));
  sel_self()->loc = sel_loc_w();
  sel_self()->cond = COND_NZ;
}

void selMoveToDest(pcodell_t *p) {
  gen_attrib *self = sel_self();
  sel_take(0);
  VELC_ASSERT(self->dest.kind == LOC_RAM || self->dest.kind == LOC_STK);
  sel_move(p, sel_kid(0)->loc, self->dest);
  self->loc = self->dest;
}

void sAllocTempStorage(gen_attrib *a, int size) {
  a->dest = sel_loc_ram(tmp_get_sym(), tmp_alloc(size), size);
}

void selAllocTemp8(pcodell_t *) { sAllocTempStorage(sel_kid(0), 1); }
void selAllocTemp16(pcodell_t *) { sAllocTempStorage(sel_kid(0), 2); }

// ---- stores -------------------------------------------------------------------------

// The destination of a store from its address kid.
static SelLoc s_store_dest(pcodell_t *p, const SelLoc &a) {
  int width = s_width_of_op(p);
  switch (a.kind) {
  case LOC_ADDR:
    return sel_loc_ram(a.symbol, a.offset, width);
  case LOC_STKADDR:
    return SelLoc{LOC_STK, nullptr, a.offset, 0, width};
  default:
    return SelLoc{LOC_FSR0, nullptr, 0, 0, width};
  }
}

// An assignment: the address's code, the value's code (WREG last), then
// FSR0 from a pointer when the destination is reached through one, then the
// store. The result is the stored value.
void selMov(pcodell_t *p) {
  gen_attrib *self = sel_self();
  int width = s_width_of_op(p);
  const SelLoc &a = sel_kid(0)->loc;
  SelLoc v = sel_kid_count() > 1 ? sel_kid(1)->loc : sel_loc_const(s_const_value(p->right), width);
  SelLoc dst = s_store_dest(p, a);
  sel_take_all();
  if (dst.kind == LOC_FSR0)
    s_load_fsr0(p, a);
  sel_move(p, s_with_width(v, v.kind == LOC_W ? 1 : width), dst);
  self->loc = v;
}

// A store whose value was computed straight into the destination.
void selDestFromKid(pcodell_t *p) { sel_kid(1)->dest = s_store_dest(p, sel_kid(0)->loc); }

void selMovComputed(pcodell_t *) {
  sel_take_all();
  sel_self()->loc = sel_kid(1)->loc;
}

// ---- conversions ------------------------------------------------------------------------

void selWiden(pcodell_t *) {
  sel_take(0);
  sel_self()->loc = sel_loc_w();
}

void selWidenConst(pcodell_t *p) {
  sel_take(0);
  long v = sel_kid(0)->loc.value;
  if (p->opcode == I_C8TO16U)
    v &= 0xFF;
  else
    v = (long)(int8_t)(v & 0xFF);
  sel_self()->loc = sel_loc_const(v, 2);
}

void selNarrow(pcodell_t *) {
  sel_take(0);
  SelLoc l = sel_kid(0)->loc;
  if (l.kind == LOC_CONST)
    l.value = (long)(int8_t)(l.value & 0xFF);
  sel_self()->loc = s_with_width(l, 1);
}

void selNarrowToW(pcodell_t *p) {
  sel_take(0);
  sel_byte_to_w(p, sel_kid(0)->loc, 0);
  sel_self()->loc = sel_loc_w();
}

// A byte widened into the destination: the low byte, then the high byte
// cleared, and set when the byte is negative (signed). In banked RAM the
// sign is tested in WREG (access bank), so that no bank selection falls
// between the skip and the instruction it skips.
void selExtendToDest(pcodell_t *p) {
  gen_attrib *self = sel_self();
  sel_take(0);
  SelLoc src = s_with_width(sel_kid(0)->loc, 1);
  const SelLoc &d = self->dest;
  SelLoc high{d.kind, d.symbol, d.offset + 1, 0, 1};
  bool is_signed = p->opcode == I_C8TO16S;
  if (!is_signed || d.kind == LOC_STK) {
    sel_move_byte(p, src, 0, d);
    sel_move_byte(p, sel_loc_const(0, 1), 0, high);
    if (is_signed) {
      sel_emit(p, iqx_BTFSC_idx(int32_t(d.offset), 7));
      sel_emit(p, iqx_SETF_idx(int32_t(d.offset + 1)));
    }
  } else {
    sel_byte_to_w(p, src, 0);
    sel_w_to_byte(p, d, 0);
    sel_move_byte(p, sel_loc_const(0, 1), 0, high);
    sel_emit(p, iqx_BTFSC(WREGsym, 0, 7));
    sel_emit(p, iqx_SETF(d.symbol, int32_t(d.offset + 1)));
  }
  self->loc = d;
}

// ---- address arithmetic ----------------------------------------------------------------------

// dest := a + b byte by byte; the operand that is not memory goes through
// WREG, the memory one is added with ADDWF/ADDWFC.
void selAddToDest(pcodell_t *p) {
  gen_attrib *self = sel_self();
  sel_take_all();
  SelLoc a = s_with_width(sel_kid(0)->loc, 2), b = s_with_width(sel_kid(1)->loc, 2);
  if (!sel_is_memory(b))
    std::swap(a, b);
  VELC_ASSERT(sel_is_memory(b));
  const SelLoc &d = self->dest;
  for (int i = 0; i < 2; i++) {
    sel_byte_to_w(p, a, i);
    if (b.kind == LOC_STK) {
      sel_emit(p, iqx_opWF_idx(i == 0 ? ADDWF : ADDWFC, int32_t(b.offset + i), DEST_W));
    } else {
      sel_banksel(p, b, i);
      sel_emit(p, iqx_opWF(i == 0 ? ADDWF : ADDWFC, b.symbol, int32_t(b.offset + i), DEST_W));
    }
    sel_w_to_byte(p, d, i);
  }
  self->loc = d;
}
