// Bit-fields. In: bit-field nodes (byte offset, bit offset, width and
// signedness of a field within one byte) over the address forms of their
// structure, and the reads, writes and updates of such fields. Out: the
// field's byte located (a variable byte, a frame slot or INDF0), its bits
// read into WREG or a 16-bit destination, new bits merged into the byte,
// and, before labelling, compound assignments and increments of a field
// turned into an assignment of the field's new value (followed by a read
// of the field where the value is used).
#include "driver/diag.h"
#include "gen/gen.h"
#include "gen/select.h"
#include "gen/select_actions.h"
#include "gen/temps.h"

namespace {

const pcodell_t *s_bitf_node(const pcodell_t *p) {
  while (p && !isPcodellBitfield(p))
    p = p->left;
  VELC_ASSERT(p != nullptr);
  return p;
}

int s_mask(const pcodell_t *bitf) { return (1 << bitf->data.expr.member.bit_size) - 1; }

// The byte holding the field: named directly, or INDF0 after FSR0 is
// loaded with the pointer (which leaves WREG alone).
SelLoc s_field_byte(pcodell_t *p, const SelLoc &at) {
  if (at.kind == LOC_ADDR)
    return sel_loc_ram(at.symbol, at.offset, 1);
  if (at.kind == LOC_STKADDR && at.offset < 96)
    return SelLoc{LOC_STK, nullptr, at.offset, 0, 1};
  SelLoc ptr = at;
  ptr.width = 2;
  VELC_ASSERT(sel_is_memory(ptr));
  sel_move(p, ptr, SelLoc{LOC_RAM, FSR0Lsym, 0, 0, 2});
  return SelLoc{LOC_FSR0, nullptr, 0, 0, 1};
}

void s_bit_op(pcodell_t *p, int op, const SelLoc &byte, int bit) {
  if (byte.kind == LOC_STK) {
    sel_emit(p, op == BSF ? iqx_BSF_idx(int32_t(byte.offset), bit)
                : op == BCF ? iqx_BCF_idx(int32_t(byte.offset), bit)
                            : iqx_BTFSC_idx(int32_t(byte.offset), bit));
    return;
  }
  SymbolRecord *sym = byte.kind == LOC_FSR0 ? INDF0sym : byte.symbol;
  int32_t off = byte.kind == LOC_FSR0 ? 0 : int32_t(byte.offset);
  if (byte.kind == LOC_RAM)
    sel_banksel(p, byte, 0);
  sel_emit(p, op == BSF ? iqx_BSF(sym, off, bit) : op == BCF ? iqx_BCF(sym, off, bit) : iqx_BTFSC(sym, off, bit));
}

void s_wreg_op(pcodell_t *p, int op) { sel_rmw_byte(p, op, sel_loc_ram(WREGsym, 0, 1), 0, DEST_F); }

// WREG := the field's value, sign-extended to a byte when it is signed.
void s_read_field(pcodell_t *p, const pcodell_t *bitf, const SelLoc &byte) {
  int off = bitf->data.expr.member.bit_offset, size = bitf->data.expr.member.bit_size;
  sel_byte_to_w(p, byte, 0);
  if (off >= 4) {
    sel_emit(p, iqx_opWF(SWAPF, WREGsym, 0, DEST_W));
    off -= 4;
  }
  for (; off > 0; off--)
    s_wreg_op(p, RRNCF);
  if (size < 8)
    sel_emit(p, iqx_ANDLW(s_mask(bitf)));
  if (bitf->data.expr.member.is_signed && size < 8) {
    sel_emit(p, iqx_BTFSC(WREGsym, 0, size - 1));
    sel_emit(p, iqx_IORLW(~s_mask(bitf) & 0xFF));
  }
}

// byte := byte with the field's bits replaced by WREG's low bits:
// byte ^= ((WREG << off) ^ byte) & mask << off.
void s_write_field(pcodell_t *p, const pcodell_t *bitf, const SelLoc &byte) {
  int off = bitf->data.expr.member.bit_offset;
  int mask = s_mask(bitf);
  if (mask != 0xFF)
    sel_emit(p, iqx_ANDLW(mask));
  if (off >= 4) {
    sel_emit(p, iqx_opWF(SWAPF, WREGsym, 0, DEST_W));
    off -= 4;
  }
  for (int i = 0; i < off; i++)
    s_wreg_op(p, RLNCF);
  sel_rmw_byte(p, XORWF, byte, 0, DEST_W);
  sel_emit(p, iqx_ANDLW((mask << bitf->data.expr.member.bit_offset) & 0xFF));
  sel_rmw_byte(p, XORWF, byte, 0, DEST_F);
}

// The plain operator of a compound-assignment operator, or 0.
int s_plain_op(int op) {
  if (op >= I_cop8A && op <= I_cop32A)
    return op - (I_cop8A - I_cop8);
  if (op == I_ADDFA)
    return I_ADDF;
  if (op >= I_SUB8A && op <= I_DIVFA)
    return op - (I_SUB8A - I_SUB8);
  if (op >= I_SHR8A && op <= I_SHR32A)
    return op - (I_SHR8A - I_SHR8);
  if (op >= I_SHL8A && op <= I_SHL32A)
    return op - (I_SHL8A - I_SHL8);
  return 0;
}

bool s_is_incdec(int op) { return op >= I_PREINC8RAM && op <= I_PSTDECFRAM; }

// Nothing in the address of the field has an effect of its own, so it may
// be evaluated twice.
bool s_pure(const pcodell_t *t) {
  if (!t)
    return true;
  if ((t->opcode >= I_MOV8 && t->opcode <= I_MOVX) || s_plain_op(t->opcode) || s_is_incdec(t->opcode) ||
      (t->opcode >= I_CALL && t->opcode <= I_CALLX) || t->opcode == I_INITX)
    return false;
  return s_pure(t->left) && s_pure(t->right);
}

bool s_is_field(const pcodell_t *lvalue) {
  return lvalue && isPcodellIndirection(lvalue) && isPcodellBitfield(lvalue->left) && s_pure(lvalue->left);
}

}  // namespace

namespace {

// x op= y on a field x becomes x = x op y; ++x, x++, --x, x-- (whose value
// is not used) x = x + 1 or x - 1. False when root is no such update.
bool s_rewrite_update(pcodell_t *root) {
  int op = root ? int(root->opcode) : 0;
  if (!root || !s_is_field(root->left))
    return false;
  int plain = s_plain_op(op);
  bool incdec = s_is_incdec(op);
  if (!plain && !incdec)
    return false;
  pcodell_t *lvalue = root->left;
  int width = int(lvalue->opcode - I_IND8RAM8) % 5;  // 0: 8 bits, 1: 16 bits
  if (width > 1)
    return false;
  pcodell_t *value = root->right;
  if (incdec) {
    bool inc = (op - I_PREINC8RAM) % 20 < 10;
    plain = inc ? (width == 0 ? I_cop8 : I_cop16) : (width == 0 ? I_SUB8 : I_SUB16);
    value = pcodell_create(width == 0 ? I_CNST8 : I_CNST16, nullptr, nullptr, root->line, root->file);
    value->data.expr.cnst.value = const_make(width == 0 ? U8 : U16, root->step ? root->step : 1);
    value->type = lvalue->type;
  }
  pcodell_t *operation = pcodell_create(static_cast<PcodellOp>(plain), pcodell_copy(lvalue), value, root->line,
                                        root->file);
  operation->type = lvalue->type;
  operation->data.expr.cop = incdec ? B_ADD : root->data.expr.cop;
  root->opcode = static_cast<PcodellOp>(width == 0 ? I_MOV8 : I_MOV16);
  root->right = operation;
  return true;
}

// A pre form or a compound assignment of a field: its value is the field
// after the store, read back.
bool s_yields_new_value(int op) {
  if (!s_is_incdec(op))
    return s_plain_op(op) != 0;
  return (op - I_PREINC8RAM) % 10 < 5;
}

// A node of the field's width (0: 8 bits, 1: 16 bits) and type.
pcodell_t *s_node(PcodellOp op8, PcodellOp op16, int width, pcodell_t *l, pcodell_t *r, const pcodell_t *like) {
  pcodell_t *n = pcodell_create(width == 0 ? op8 : op16, l, r, like->line, like->file);
  n->type = like->type;
  return n;
}

pcodell_t *s_const(int width, long v, const pcodell_t *like) {
  pcodell_t *c = s_node(I_CNST8, I_CNST16, width, nullptr, nullptr, like);
  c->data.expr.cnst.value = const_make(width == 0 ? U8 : U16, v & (width == 0 ? 0xFF : 0xFFFF));
  return c;
}

pcodell_t *s_cop(int32_t cop, int width, pcodell_t *l, long k, const pcodell_t *like) {
  pcodell_t *n = s_node(I_cop8, I_cop16, width, l, s_const(width, k, like), like);
  n->data.expr.cop = cop;
  return n;
}

// The value of x++ or x-- on a field from the field's new value (a read
// of it): the step taken back within the field's bits, (new -/+ step) &
// mask, and sign-extended for a signed field as (v ^ sign) - sign.
pcodell_t *s_old_value(pcodell_t *read, int op, long step) {
  const pcodell_t *bitf = s_bitf_node(read);
  int width = int(read->opcode - I_IND8RAM8) % 5;
  bool inc = (op - I_PREINC8RAM) % 20 < 10;
  pcodell_t *v = s_cop(B_ADD, width, read, inc ? -step : step, read);
  v = s_cop(B_AND, width, v, s_mask(bitf), read);
  if (bitf->data.expr.member.is_signed) {
    long sign = 1L << (bitf->data.expr.member.bit_size - 1);
    v = s_node(I_SUB8, I_SUB16, width, s_cop(B_XOR, width, v, sign, read), s_const(width, sign, read), read);
  }
  return v;
}

// A store or an update whose value is used, t, becomes the assignment
// followed by a read of the field (I_RIGHT), so the value is the stored
// bits, truncated and extended as the field's own (for x++ and x--, taken
// back by the step). The address is pure (s_is_field), so it may be
// evaluated twice.
void s_rewrite_nested(pcodell_t *t) {
  if (!t)
    return;
  s_rewrite_nested(t->left);
  s_rewrite_nested(t->right);
  bool store = t->opcode == I_MOV8 || t->opcode == I_MOV16;
  bool post = s_is_incdec(int(t->opcode)) && !s_yields_new_value(int(t->opcode));
  if (t->opcode == I_RIGHT || !s_is_field(t->left) || (!store && !post && !s_yields_new_value(int(t->opcode))))
    return;
  pcodell_t *assign = pcodell_create(t->opcode, t->left, t->right, t->line, t->file);
  assign->data = t->data;
  assign->type = t->type;
  assign->step = t->step;
  assign->size = t->size;
  if (!store && !s_rewrite_update(assign)) {
    pcodell_release_node(assign);
    return;
  }
  int op = int(t->opcode);
  t->opcode = I_RIGHT;
  t->left = assign;
  t->right = post ? s_old_value(pcodell_copy(assign->left), op, t->step ? t->step : 1) : pcodell_copy(assign->left);
  t->type = assign->left->type;
}

}  // namespace

int sel_plain_of_compound(int op) { return s_plain_op(op); }
bool sel_tree_is_pure(const pcodell_t *t) { return s_pure(t); }

void sel_rewrite_bitfield_updates(pcodell_t *root) {
  if (!root)
    return;
  s_rewrite_nested(root->left);
  s_rewrite_nested(root->right);
  s_rewrite_update(root);
}

bool selBitfOneBitUnsigned(pcodell_t *p) {
  const pcodell_t *b = s_bitf_node(p);
  return b->data.expr.member.bit_size == 1 && !b->data.expr.member.is_signed;
}
bool selBitfOneBit(pcodell_t *p) { return s_bitf_node(p)->data.expr.member.bit_size == 1; }
bool selBitfOneBitMov(pcodell_t *p) { return s_bitf_node(p)->data.expr.member.bit_size == 1; }

// The field's byte address: the structure's address plus the member
// offset, added into a temporary when the structure is reached through a
// pointer.
void selBitfAt(pcodell_t *p) {
  gen_attrib *self = sel_self();
  sel_take(0);
  SelLoc a = sel_kid(0)->loc;
  long offset = p->data.expr.member.offset;
  if (a.kind == LOC_ADDR || a.kind == LOC_STKADDR || offset == 0) {
    if (a.kind == LOC_ADDR || a.kind == LOC_STKADDR)
      a.offset += offset;
    self->loc = a;
    return;
  }
  SelLoc t = sel_loc_ram(tmp_get_sym(), tmp_alloc(2), 2);
  a.width = 2;
  const SelLoc k = sel_loc_const(offset, 2);
  for (int i = 0; i < 2; i++) {
    sel_byte_to_w(p, k, i);
    if (a.kind == LOC_STK) {
      sel_emit(p, iqx_opWF_idx(i == 0 ? ADDWF : ADDWFC, int32_t(a.offset + i), DEST_W));
    } else {
      sel_banksel(p, a, i);
      sel_emit(p, iqx_opWF(i == 0 ? ADDWF : ADDWFC, a.symbol, int32_t(a.offset + i), DEST_W));
    }
    sel_w_to_byte(p, t, i);
  }
  self->loc = t;
}

void selBitfRead(pcodell_t *p) {
  gen_attrib *self = sel_self();
  sel_take(0);
  const pcodell_t *bitf = s_bitf_node(p);
  s_read_field(p, bitf, s_field_byte(p, sel_kid(0)->loc));
  if (p->opcode == I_IND8RAM16 || p->opcode == I_IND8RAM8) {
    self->loc = sel_loc_w();
    return;
  }
  // 16 bits: the byte, then its sign (or 0) above it.
  const SelLoc &d = self->dest;
  sel_w_to_byte(p, d, 0);
  sel_move_byte(p, sel_loc_const(0, 1), 0, SelLoc{d.kind, d.symbol, d.offset + 1, 0, 1});
  if (bitf->data.expr.member.is_signed) {
    sel_emit(p, iqx_BTFSC(WREGsym, 0, 7));
    sel_move_byte(p, sel_loc_const(0xFF, 1), 0, SelLoc{d.kind, d.symbol, d.offset + 1, 0, 1});
  }
  self->loc = d;
}

// A one-bit field as a truth value: BTFSC on its bit.
void selBitfReadBit(pcodell_t *p) {
  sel_take(0);
  const pcodell_t *bitf = s_bitf_node(p);
  SelLoc byte = s_field_byte(p, sel_kid(0)->loc);
  sel_emit(p, iqx_MOVLW(0));
  s_bit_op(p, BTFSC, byte, bitf->data.expr.member.bit_offset);
  sel_emit(p, iqx_MOVLW(1));
  sel_self()->loc = sel_loc_w();
}

// The address's code, then the value's, then the field's byte (FSR0 loaded
// by MOVFF or MOVSF, which keep WREG; a frame address beyond the slots is
// computed in WREG, so a value already there waits in PRODL) and the value's
// low byte in WREG, then the merge.
void selBitfWrite(pcodell_t *p) {
  sel_take(0);
  sel_take(1);
  const pcodell_t *bitf = s_bitf_node(p);
  SelLoc v = sel_kid(1)->loc;
  SelLoc at = sel_kid(0)->loc;
  SelLoc byte;
  if (v.kind != LOC_W) {
    byte = s_field_byte(p, at);
    sel_byte_to_w(p, v, 0);
  } else if (at.kind == LOC_STKADDR && at.offset >= 96) {
    sel_w_to_byte(p, sel_loc_ram(PRODLsym, 0, 1), 0);
    byte = s_field_byte(p, at);
    sel_byte_to_w(p, sel_loc_ram(PRODLsym, 0, 1), 0);
  } else {
    byte = s_field_byte(p, at);
  }
  s_write_field(p, bitf, byte);
}

void selBitfWriteBit(pcodell_t *p) {
  sel_take(0);
  const pcodell_t *bitf = s_bitf_node(p);
  long k = get_unsigned_constant_value(p->right->data.expr.cnst.value.code, p->right->data.expr.cnst.value);
  s_bit_op(p, (k & 1) ? BSF : BCF, s_field_byte(p, sel_kid(0)->loc), bitf->data.expr.member.bit_offset);
}

// The jump of an I_IF on a one-bit field: taken when the bit is set (or,
// under an odd number of I_LNOT, clear); the branch resolution makes it
// BTFSS or BTFSC and the jump.
void selBitfBranch(pcodell_t *p) {
  sel_take(0);
  bool when_set = true;
  for (const pcodell_t *q = p->left; q->opcode == I_LNOT; q = q->left)
    when_set = !when_set;
  int bit = s_bitf_node(p)->data.expr.member.bit_offset;
  SelLoc byte = s_field_byte(p, sel_kid(0)->loc);
  VELC_ASSERT(p->label != nullptr);
  if (byte.kind == LOC_STK) {
    int32_t k = int32_t(byte.offset);
    sel_emit_oc(when_set ? ocodeBTFBSSymbol_idx(k, bit, p->label, p->line, p->file)
                         : ocodeBTFBCSymbol_idx(k, bit, p->label, p->line, p->file));
    return;
  }
  SymbolRecord *sym = byte.kind == LOC_FSR0 ? INDF0sym : byte.symbol;
  int32_t off = byte.kind == LOC_FSR0 ? 0 : int32_t(byte.offset);
  if (byte.kind == LOC_RAM)
    sel_banksel(p, byte, 0);
  int32_t a = inst_access_bit(sym);
  sel_emit_oc(when_set ? ocodeBTFBSSymbol(sym, off, a, bit, p->label, p->line, p->file)
                       : ocodeBTFBCSymbol(sym, off, a, bit, p->label, p->line, p->file));
}
