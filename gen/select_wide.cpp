// The actions of the 24- and 32-bit rule families (short long and long):
// constants, reads and stores at every location kind, conversions to and
// from the narrower widths, tests, arithmetic computed into the destination
// the parent names, compound assignments, increments, shifts, the helper
// calls for multiplication, division and modulo, and calls, arguments and
// returns (results in __RETVAL0). In: the node under reduction and its
// kids' records. Out: the node's code and where its value is.
//
// Wide values live in memory only: a variable, a frame slot, a temporary,
// __RETVAL0 right after a call, or a constant. A value read through a
// pointer is first copied into the destination its parent names (FSR0
// advancing over it), so no wide value is ever "at FSR0".
#include <cstdlib>
#include <cstring>
#include <utility>

#include "driver/diag.h"
#include "gen/gen.h"
#include "gen/oqx.h"
#include "gen/select.h"
#include "gen/select_actions.h"
#include "gen/temps.h"
#include "trans/const.h"
#include "trans/type.h"

int sel_kid_count();

// Bytes of the value an operator yields, from its name: the number after
// "TO" for a conversion, else the first number (I_IND24RAM16 is 3 bytes,
// I_C32TO8 is 1). 0 when the name has none.
int sel_op_width(int opcode) {
  static signed char cache[400];
  if (opcode < 0 || opcode >= 400)
    return 0;
  if (cache[opcode])
    return cache[opcode] < 0 ? 0 : cache[opcode];
  const char *name = pcodell_get_opcode_name(opcode);
  int width = 0;
  if (name) {
    const char *to = strstr(name, "TO");
    const char *s = to ? to + 2 : name;
    while (*s && (*s < '0' || *s > '9'))
      ++s;
    width = *s ? atoi(s) / 8 : 0;
    if (to && !*s)
      width = 0;
  }
  cache[opcode] = static_cast<signed char>(width ? width : -1);
  return width;
}

namespace {

int s_width(const pcodell_t *p) { return sel_op_width(p->opcode); }

long s_cnst(const pcodell_t *p) {
  return get_signed_constant_value(p->data.expr.cnst.value.code, p->data.expr.cnst.value);
}

// The low `width` bytes of v, sign-extended (as the host holds constants).
long s_truncate(long v, int width) {
  int bits = 8 * width;
  unsigned long u = (unsigned long)v & ((1ul << bits) - 1);
  if (u >> (bits - 1))
    u |= ~((1ul << bits) - 1);
  return long(u);
}

SelLoc s_sized(SelLoc l, int width) {
  l.width = width;
  return l;
}

void s_add(ocode *list) {
  if (list)
    sel_emit_oc(list);
}

OqxOperand s_operand(const SelLoc &l) {
  switch (l.kind) {
  case LOC_RAM: return oqx_ram(l.symbol, int32_t(l.offset), inst_access_bit(l.symbol) != 0);
  case LOC_STK: return oqx_stk(int32_t(l.offset));
  case LOC_FSR0: return oqx_fsr0();
  default: VELC_ASSERT(!"a wide operand in memory");
  }
  return oqx_fsr0();
}

// Byte i of a location written through POSTINC0 / POSTINC1 (the pointer
// register advancing): the move's byte i lands on the register itself.
SelLoc s_through(SymbolRecord *reg, int i) { return SelLoc{LOC_RAM, reg, -i, 0, 1}; }

// FSR0 := a pointer held in a variable or a frame slot, or the address of
// a frame slot (FSR2 + k, the carry of the low byte into the high byte).
void s_load_fsr0(pcodell_t *p, const SelLoc &ptr) {
  SelLoc low = sel_loc_ram(FSR0Lsym, 0, 1), high = sel_loc_ram(FSR0Hsym, 0, 1);
  if (ptr.kind == LOC_STKADDR) {
    sel_byte_to_w(p, ptr, 0);
    sel_w_to_byte(p, low, 0);
    sel_byte_to_w(p, ptr, 1);
    sel_w_to_byte(p, high, 0);
    return;
  }
  VELC_ASSERT(ptr.kind == LOC_RAM || ptr.kind == LOC_STK);
  sel_move_byte(p, s_sized(ptr, 2), 0, low);
  sel_move_byte(p, s_sized(ptr, 2), 1, SelLoc{LOC_RAM, FSR0Lsym, 0, 0, 2});
}

// Whether an address kid names a variable or a frame slot that [k]
// addressing reaches. A slot's address may be a sum (an element of a local
// array: the array's slot plus the constant index), which the tree test of
// the rule's guard does not see; its offset is known here.
static bool s_reaches(const SelLoc &a, int width, bool slot_fits) {
  return a.kind == LOC_ADDR || (a.kind == LOC_STKADDR && (slot_fits || a.offset + width <= 96));
}

// The location an address kid names: a variable, a frame slot, or (for a
// pointer or a frame slot beyond [95]) the bytes at FSR0, loaded here.
SelLoc s_lvalue(pcodell_t *p, const SelLoc &a, int width, bool slot_fits) {
  if (a.kind == LOC_ADDR)
    return sel_loc_ram(a.symbol, a.offset, width);
  if (s_reaches(a, width, slot_fits))
    return SelLoc{LOC_STK, nullptr, a.offset, 0, width};
  s_load_fsr0(p, a);
  return SelLoc{LOC_FSR0, nullptr, 0, 0, width};
}

// The result of an update made through FSR0 when a rule yields it as a
// value: a frame slot beyond [95] (a constant index past its array's end)
// is updated through FSR0, and its new bytes are copied into a temporary,
// FSR0 loaded again, since no wide value is at FSR0. A pointer's target is
// updated by statement rules only: its value is not wanted.
static SelLoc s_updated_value(pcodell_t *p, const SelLoc &a, const SelLoc &xl) {
  if (xl.kind != LOC_FSR0 || a.kind != LOC_STKADDR)
    return xl;
  SelLoc tmp = sel_loc_ram(tmp_get_sym(), tmp_alloc(xl.width), xl.width);
  s_load_fsr0(p, a);
  for (int i = 0; i < xl.width; ++i)
    sel_move_byte(p, s_through(POSTINC0sym, i), i, tmp);
  return tmp;
}

// True when the bytes an indirection reads lie in a frame slot that [k]
// addressing reaches: a local, or a member (of a member ...) of a local.
bool s_slot_fits(const pcodell_t *ind) {
  const pcodell_t *id = ind ? ind->left : nullptr;
  int offset = 0;
  while (id && id->opcode == I_MEMBERRAM16 && id->left) {
    offset += id->data.expr.member.offset;
    id = id->left->left;
  }
  return id && id->opcode == I_IDSTK && id->data.expr.var.sym &&
         id->data.expr.var.sym->data.var.offset + offset + sel_op_width(ind->opcode) <= 96;
}

// A right shift is arithmetic when its left operand is signed.
bool s_shift_signed(pcodell_t *p) {
  const TypeRecord *t = p->left ? pcodellType(p->left) : pcodellType(p);
  return t && is_type_signed(t);
}

bool s_name_ends_signed(const pcodell_t *p) {
  const char *name = pcodell_get_opcode_name(p->opcode);
  size_t n = name ? strlen(name) : 0;
  return n && name[n - 1] == 'S';
}

void s_push(pcodell_t *p, const SelLoc &v, int width) {
  for (int i = 0; i < width; ++i)
    sel_move_byte(p, s_sized(v, width), i, s_through(POSTINC1sym, i));
}

// The result of a helper on the software stack (FSR1 just past it) popped
// into dst, from the top byte down.
void s_pop(pcodell_t *p, const SelLoc &dst, int width) {
  sel_emit(p, iqx_opWF(MOVF, POSTDEC1sym, 0, DEST_F));
  if (dst.kind == LOC_FSR0) {
    for (int i = width - 1; i > 0; --i)
      sel_emit(p, iqx_opWF(MOVF, POSTDEC1sym, 0, DEST_F));
    for (int i = 0; i < width; ++i) {
      SymbolRecord *from = i < width - 1 ? POSTINC1sym : INDF1sym;
      sel_emit(p, iqx_MOVFF(from, 0));
      sel_emit(p, iqx_MOVFF2(from, 0, POSTINC0sym, 0));
    }
    for (int i = width - 1; i > 0; --i)
      sel_emit(p, iqx_opWF(MOVF, POSTDEC1sym, 0, DEST_F));
    return;
  }
  for (int i = width - 1; i >= 0; --i) {
    SelLoc from{LOC_RAM, i ? POSTDEC1sym : INDF1sym, 0, 0, 1};
    sel_move_byte(p, from, 0, SelLoc{dst.kind, dst.symbol, dst.offset + i, 0, 1});
  }
}

SymbolRecord *s_helper(const pcodell_t *p) {
  switch (p->opcode) {
  case I_MUL24S: case I_MUL24U: case I_MUL24AS: case I_MUL24AU: return __mul24sym;
  case I_MUL32S: case I_MUL32U: case I_MUL32AS: case I_MUL32AU: return __mul32sym;
  case I_DIV24U: case I_DIV24AU: return __div24usym;
  case I_DIV24S: case I_DIV24AS: return __div24ssym;
  case I_MOD24U: case I_MOD24AU: return __mod24usym;
  case I_MOD24S: case I_MOD24AS: return __mod24ssym;
  case I_DIV32U: case I_DIV32AU: return __div32usym;
  case I_DIV32S: case I_DIV32AS: return __div32ssym;
  case I_MOD32U: case I_MOD32AU: return __mod32usym;
  case I_MOD32S: case I_MOD32AS: return __mod32ssym;
  default: VELC_ASSERT(!"a wide operator with a run-time helper");
  }
  return nullptr;
}

void s_call_helper(pcodell_t *p) {
  SymbolRecord *helper = s_helper(p);
  sel_emit(p, iqx_CALL(helper, 0, 0));
  sel_emit(p, iqx_CALL2(helper, 0));
}

// Count of a shift into the scratch byte at FSR1, so that moves that need
// WREG may run before the loop; MOVF INDF1,W then brings it back.
void s_park_count(pcodell_t *p, const SelLoc &c) {
  if (c.kind == LOC_W)
    sel_emit(p, iqx_MOVWF(INDF1sym, 0));
  else
    sel_move_byte(p, s_sized(c, 1), 0, sel_loc_ram(INDF1sym, 0, 1));
}

void s_shift(pcodell_t *p, const OqxOperand &x, const SelLoc &c, bool left, bool is_signed, int n) {
  if (c.kind == LOC_CONST) {
    int k = int(c.value & 0xFF);
    s_add(left ? oqxSHLLongA_Iconst(x, k, n, p->line, p->file)
               : oqxSHRLongA_Iconst(x, k, is_signed, n, p->line, p->file));
    return;
  }
  sel_emit(p, iqx_opWF(MOVF, INDF1sym, 0, DEST_W));
  s_add(left ? oqxSHLLongA(x, n, p->line, p->file) : oqxSHRLongA(x, is_signed, n, p->line, p->file));
}

}  // namespace

// ---- guards ------------------------------------------------------------------------

bool selWideSlotFits(pcodell_t *p) { return s_slot_fits(p); }
bool selWideSlotFitsMov(pcodell_t *p) { return s_slot_fits(p->left); }
bool selWideSlotBeyond(pcodell_t *p) { return p->left && p->left->opcode == I_IDSTK && !s_slot_fits(p); }
bool selWideSlotBeyondMov(pcodell_t *p) { return selWideSlotBeyond(p->left); }

// ---- leaves, reads, stores -------------------------------------------------------------

void selWideConst(pcodell_t *p) { sel_self()->loc = sel_loc_const(s_truncate(s_cnst(p), s_width(p)), s_width(p)); }

void selAllocTemp24(pcodell_t *) { sAllocTempStorage(sel_kid(0), 3); }
void selAllocTemp32(pcodell_t *) { sAllocTempStorage(sel_kid(0), 4); }

// A variable or a frame slot whose address is known.
void selWideIndirect(pcodell_t *p) {
  sel_take(0);
  const SelLoc &a = sel_kid(0)->loc;
  if (a.kind == LOC_STKADDR)
    sel_self()->loc = SelLoc{LOC_STK, nullptr, a.offset, 0, s_width(p)};
  else
    sel_self()->loc = sel_loc_ram(a.symbol, a.offset, s_width(p));
}

// rv: the bytes at a pointer (or a far frame slot) copied into the
// destination, FSR0 advancing over them.
void selWideLoadPtr(pcodell_t *p) {
  gen_attrib *self = sel_self();
  sel_take(0);
  int width = s_width(p);
  s_load_fsr0(p, sel_kid(0)->loc);
  SelLoc d = s_sized(self->dest, width);
  for (int i = 0; i < width; ++i)
    sel_move_byte(p, s_through(POSTINC0sym, i), i, d);
  self->loc = d;
}

// A store computed straight into its destination: name it for the value.
void selWideDestFromKid(pcodell_t *p) {
  const SelLoc &a = sel_kid(0)->loc;
  int width = s_width(p);
  sel_kid(1)->dest = a.kind == LOC_STKADDR ? SelLoc{LOC_STK, nullptr, a.offset, 0, width}
                                           : sel_loc_ram(a.symbol, a.offset, width);
}

// A store through a pointer (or into a far frame slot): the value's code,
// FSR0, then the bytes through POSTINC0. The result is the stored value.
void selWideMovPtr(pcodell_t *p) {
  int width = s_width(p);
  sel_take_all();
  SelLoc v = s_sized(sel_kid(1)->loc, width);
  s_load_fsr0(p, sel_kid(0)->loc);
  for (int i = 0; i < width; ++i)
    sel_move_byte(p, v, i, s_through(POSTINC0sym, i));
  sel_self()->loc = v;
}

// rv: a value of the same width (a variable, a slot, a constant, __RETVAL0)
// moved into the destination.
void selWideMoveToDest(pcodell_t *p) {
  gen_attrib *self = sel_self();
  sel_take(0);
  SelLoc v = sel_kid(0)->loc;
  SelLoc d = self->dest;
  if (!(v.kind == d.kind && v.symbol == d.symbol && v.offset == d.offset))
    sel_move(p, v, d);
  self->loc = d;
}

// ---- conversions -------------------------------------------------------------------------

// The low bytes of a value in memory (little-endian: the same address).
void selWideNarrow(pcodell_t *p) {
  sel_take(0);
  SelLoc l = sel_kid(0)->loc;
  int width = s_width(p);
  if (l.kind == LOC_CONST)
    l.value = s_truncate(l.value, width);
  sel_self()->loc = s_sized(l, width);
}

void selWideWidenConst(pcodell_t *p) {
  sel_take(0);
  const SelLoc &k = sel_kid(0)->loc;
  int from = k.width > 0 ? k.width : 1, to = s_width(p);
  long v = s_truncate(k.value, from);
  if (!s_name_ends_signed(p))
    v = long((unsigned long)v & ((1ul << (8 * from)) - 1));
  sel_self()->loc = sel_loc_const(v, to);
}

// A narrower value widened into the destination: its bytes, then the rest
// cleared, or set from bit 7 of its top byte (read back from the
// destination, so that a source through FSR0 is read once).
void selWideExtend(pcodell_t *p) {
  gen_attrib *self = sel_self();
  sel_take(0);
  SelLoc src = sel_kid(0)->loc;
  // I_C8TO24S: from the number after "I_C".
  int from = atoi(pcodell_get_opcode_name(p->opcode) + 3) / 8, to = s_width(p);
  SelLoc d = s_sized(self->dest, to);
  if (src.kind == LOC_W) {
    sel_w_to_byte(p, d, 0);
    if (from > 1)
      sel_move_byte(p, sel_loc_const(0, 1), 0, SelLoc{d.kind, d.symbol, d.offset + 1, 0, 1});
  } else {
    for (int i = 0; i < from; ++i)
      sel_move_byte(p, s_sized(src, from), i, d);
  }
  if (s_name_ends_signed(p) && !(src.kind == LOC_W && from > 1)) {
    SelLoc top{d.kind, d.symbol, d.offset + from - 1, 0, 1};
    sel_emit(p, iqx_MOVLW(0));
    if (d.kind == LOC_STK) {
      sel_emit(p, iqx_BTFSC_idx(int32_t(top.offset), 7));
    } else {
      sel_banksel(p, top, 0);
      sel_emit(p, iqx_BTFSC(top.symbol, int32_t(top.offset), 7));
    }
    sel_emit(p, iqx_MOVLW(0xFF));
    for (int i = from; i < to; ++i)
      sel_w_to_byte(p, d, i);
  } else {
    for (int i = from; i < to; ++i)
      sel_move_byte(p, sel_loc_const(0, 1), 0, SelLoc{d.kind, d.symbol, d.offset + i, 0, 1});
  }
  self->loc = d;
}

// ---- tests --------------------------------------------------------------------------------

// WREG := the OR of the bytes; Z clear when the value is not 0.
void selWideTest(pcodell_t *p) {
  sel_take(0);
  int width = sel_op_width(p->opcode);
  SelLoc l = s_sized(sel_kid(0)->loc, width);
  sel_byte_to_w(p, l, 0);
  for (int i = 1; i < width; ++i)
    sel_w_op_byte(p, IORWF, l, i);
  sel_self()->cond = COND_NZ;
  sel_self()->loc = sel_loc_w();
}

// ---- arithmetic into a destination -----------------------------------------------------------

void selWideOp(pcodell_t *p) {
  gen_attrib *self = sel_self();
  int n = s_width(p);
  SelLoc dl = s_sized(self->dest, n);
  OqxOperand d = s_operand(dl);
  self->loc = dl;
  if (p->opcode == I_SHL24 || p->opcode == I_SHL32 || p->opcode == I_SHR24 || p->opcode == I_SHR32) {
    const SelLoc c = sel_kid(1)->loc;
    if (c.kind == LOC_W) {
      sel_take(0);
      sel_take(1);
    } else {
      sel_take_all();
    }
    if (c.kind != LOC_CONST)
      s_park_count(p, c);
    SelLoc a = s_sized(sel_kid(0)->loc, n);
    if (a.kind == LOC_CONST || !(a.kind == dl.kind && a.symbol == dl.symbol && a.offset == dl.offset))
      sel_move(p, a, dl);
    bool left = p->opcode == I_SHL24 || p->opcode == I_SHL32;
    s_shift(p, d, c, left, !left && s_shift_signed(p), n);
    return;
  }
  sel_take_all();
  SelLoc a = s_sized(sel_kid(0)->loc, n);
  if (p->opcode == I_COM24 || p->opcode == I_COM32) {
    s_add(oqxComLong(s_operand(a), d, n, p->line, p->file));
    return;
  }
  SelLoc b = s_sized(sel_kid(1)->loc, n);
  if (p->opcode == I_SUB24 || p->opcode == I_SUB32) {
    if (b.kind == LOC_CONST)
      s_add(oqxcopLong_Iconst(B_ADD, s_operand(a), -b.value, d, n, p->line, p->file));
    else if (a.kind == LOC_CONST)
      s_add(oqxSUBLongFrom_Iconst(a.value, s_operand(b), d, n, p->line, p->file));
    else
      s_add(oqxSUBLong(s_operand(a), s_operand(b), d, n, p->line, p->file));
    return;
  }
  int32_t cop = p->data.expr.cop;
  if (a.kind == LOC_CONST)
    std::swap(a, b);
  if (b.kind == LOC_CONST)
    s_add(oqxcopLong_Iconst(cop, s_operand(a), b.value, d, n, p->line, p->file));
  else
    s_add(oqxcopLong(cop, s_operand(a), s_operand(b), d, n, p->line, p->file));
}

// x OP= y in place: y's code first (a count in WREG parked), then the
// lvalue (FSR0 loaded for a pointer), then the operation. The variable is
// the result (a statement for a pointer's target).
void selWideOpA(pcodell_t *p) {
  int n = s_width(p);
  const SelLoc y = s_sized(sel_kid(1)->loc, n);
  bool shift = p->opcode == I_SHL24A || p->opcode == I_SHL32A || p->opcode == I_SHR24A || p->opcode == I_SHR32A;
  if (shift && !s_reaches(sel_kid(0)->loc, n, s_slot_fits(p->left))) {
    selWideShiftThrough(p);
    return;
  }
  if (y.kind == LOC_W) {
    sel_take(0);
    sel_take(1);
  } else {
    sel_take_all();
  }
  if (shift && y.kind != LOC_CONST)
    s_park_count(p, y);
  const SelLoc a = sel_kid(0)->loc;
  SelLoc xl = s_lvalue(p, a, n, s_slot_fits(p->left));
  OqxOperand x = s_operand(xl);
  sel_self()->loc = xl;
  switch (p->opcode) {
  case I_cop24A:
  case I_cop32A:
    s_add(y.kind == LOC_CONST ? oqxcopLongA_Iconst(p->data.expr.cop, x, y.value, n, p->line, p->file)
                              : oqxcopLongA(p->data.expr.cop, x, s_operand(y), n, p->line, p->file));
    sel_self()->loc = s_updated_value(p, a, xl);
    return;
  case I_SUB24A:
  case I_SUB32A:
    s_add(y.kind == LOC_CONST ? oqxcopLongA_Iconst(B_ADD, x, -y.value, n, p->line, p->file)
                              : oqxSUBLongA(x, s_operand(y), n, p->line, p->file));
    sel_self()->loc = s_updated_value(p, a, xl);
    return;
  default: {
    VELC_ASSERT(shift && xl.kind != LOC_FSR0);
    bool left = p->opcode == I_SHL24A || p->opcode == I_SHL32A;
    s_shift(p, x, y, left, !left && s_shift_signed(p), n);
  }
  }
}

// *ptr <<= y, *ptr >>= y: the target's bytes (at a pointer value, or a
// frame slot beyond [95]) through FSR0 into a temporary, shifted there, and
// back.
void selWideShiftThrough(pcodell_t *p) {
  int n = s_width(p);
  const SelLoc y = s_sized(sel_kid(1)->loc, n);
  if (y.kind == LOC_W) {
    sel_take(0);
    sel_take(1);
  } else {
    sel_take_all();
  }
  if (y.kind != LOC_CONST)
    s_park_count(p, y);
  const SelLoc a = sel_kid(0)->loc;
  SelLoc tmp = sel_loc_ram(tmp_get_sym(), tmp_alloc(n), n);
  s_load_fsr0(p, a);
  for (int i = 0; i < n; ++i)
    sel_move_byte(p, s_through(POSTINC0sym, i), i, tmp);
  bool left = p->opcode == I_SHL24A || p->opcode == I_SHL32A;
  s_shift(p, s_operand(tmp), y, left, !left && s_shift_signed(p), n);
  s_load_fsr0(p, a);
  for (int i = 0; i < n; ++i)
    sel_move_byte(p, tmp, i, s_through(POSTINC0sym, i));
  sel_self()->loc = tmp;
}

// x stepped in place: by one with INCF/DECF and the carry, by a pointer's
// pointee size (a far pointer to an int steps by 2) with an add.
static ocode *s_step_long(const pcodell_t *p, const OqxOperand &x, bool inc, int n) {
  long step = p->step ? p->step : 1;
  if (step == 1)
    return oqxIncDecLong(x, inc, n, p->line, p->file);
  return oqxcopLongA_Iconst(B_ADD, x, inc ? step : -step, n, p->line, p->file);
}

// ++x, --x, x++, x-- in place, as statements or with the variable as the
// value; kid 0 is the variable's address, a frame slot or a pointer.
void selWideIncDec(pcodell_t *p) {
  sel_take(0);
  int n = s_width(p);
  const SelLoc a = sel_kid(0)->loc;
  SelLoc x = s_lvalue(p, a, n, s_slot_fits(p->left));
  bool inc = strstr(pcodell_get_opcode_name(p->opcode), "INC") != nullptr;
  s_add(s_step_long(p, s_operand(x), inc, n));
  sel_self()->loc = s_updated_value(p, a, x);
}

// x++, x-- whose value is used: the old value into a temporary first. A
// frame slot beyond [95] goes through FSR0 as a pointer's target does.
void selWidePostIncDec(pcodell_t *p) {
  int n = s_width(p);
  if (!s_reaches(sel_kid(0)->loc, n, s_slot_fits(p->left))) {
    selWideIncDecThrough(p);
    return;
  }
  sel_take(0);
  SelLoc x = s_lvalue(p, sel_kid(0)->loc, n, s_slot_fits(p->left));
  gen_attrib *self = sel_self();
  sAllocTempStorage(self, n);
  SelLoc old = s_sized(self->dest, n);
  sel_move(p, x, old);
  bool inc = strstr(pcodell_get_opcode_name(p->opcode), "INC") != nullptr;
  s_add(s_step_long(p, s_operand(x), inc, n));
  self->loc = old;
}

// ++*p, --*p, (*p)++, (*p)-- whose value is used, p a pointer to a wide
// object: the object is stepped through FSR0, and the value (the old
// contents for x++/x--, the new ones for ++x/--x) is copied through
// POSTINC0 into a temporary; FSR0 is loaded again for each pass, since
// every pass leaves it past the object.
void selWideIncDecThrough(pcodell_t *p) {
  sel_take(0);
  int n = s_width(p);
  const SelLoc a = sel_kid(0)->loc;
  gen_attrib *self = sel_self();
  sAllocTempStorage(self, n);
  SelLoc value = s_sized(self->dest, n);
  const char *name = pcodell_get_opcode_name(p->opcode);
  bool pre = strncmp(name, "I_PRE", 5) == 0;
  bool inc = strstr(name, "INC") != nullptr;
  if (!pre) {
    s_lvalue(p, a, n, false);
    for (int i = 0; i < n; ++i)
      sel_move_byte(p, s_through(POSTINC0sym, i), i, value);
  }
  s_add(s_step_long(p, s_operand(s_lvalue(p, a, n, false)), inc, n));
  if (pre) {
    s_lvalue(p, a, n, false);
    for (int i = 0; i < n; ++i)
      sel_move_byte(p, s_through(POSTINC0sym, i), i, value);
  }
  self->loc = value;
}

// ---- helpers: multiplication, division, modulo ----------------------------------------------------

void selWideMargPush(pcodell_t *p) {
  sel_take(0);
  const SelLoc &l = sel_kid(0)->loc;
  s_push(p, l, l.width);
  sel_self()->loc = SelLoc{LOC_NONE, nullptr, 0, 0, l.width};
}

// rv: OP(marg, marg): the helper called on the two pushed operands, its
// result popped into the destination.
void selWideCallHelper(pcodell_t *p) {
  sel_take_all();
  s_call_helper(p);
  int n = s_width(p);
  SelLoc d = s_sized(sel_self()->dest, n);
  s_pop(p, d, n);
  sel_self()->loc = d;
}

// x OP= y through a helper: x pushed, y pushed (kid 1), the call, and the
// result popped back into x; FSR0 is loaded again for a pointer's target.
void selWideCallHelperA(pcodell_t *p) {
  int n = s_width(p);
  sel_take(0);
  const SelLoc a = sel_kid(0)->loc;
  bool fits = s_slot_fits(p->left);
  SelLoc xl = s_lvalue(p, a, n, fits);
  if (xl.kind == LOC_FSR0) {
    for (int i = 0; i < n; ++i)
      sel_move_byte(p, s_through(POSTINC0sym, i), i, s_through(POSTINC1sym, i));
  } else {
    s_push(p, xl, n);
  }
  sel_take(1);
  if (xl.kind == LOC_FSR0)
    s_lvalue(p, a, n, fits);
  s_call_helper(p);
  s_pop(p, xl, n);
  sel_self()->loc = s_updated_value(p, a, xl);
}

// ---- calls, arguments, returns -------------------------------------------------------------------

void selWideCall(pcodell_t *p) {
  selCall(p);
  sel_self()->loc = sel_loc_ram(__RETVAL0sym, 0, s_width(p));
}

void selWideArg(pcodell_t *p) {
  sel_take(0);
  sel_take(1);
  s_push(p, sel_kid(1)->loc, s_width(p));
}

void selWideReturn(pcodell_t *p) {
  sel_take_all();
  int n = s_width(p);
  SelLoc v = s_sized(sel_kid(0)->loc, n);
  if (!(v.kind == LOC_RAM && v.symbol == __RETVAL0sym && v.offset == 0))
    sel_move(p, v, sel_loc_ram(__RETVAL0sym, 0, n));
  VELC_ASSERT(p->label != nullptr);
  sel_emit_oc(objBranchSymbol(p->label, p->line, p->file));
}
