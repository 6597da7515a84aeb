// Actions of the aggregate rules. In: member nodes over the address forms
// of their structure (a link-time address, a frame slot, a pointer value),
// and structure values (assigned, passed, returned, called for). Out: the
// member's address in the same form, or the pointer plus the member offset
// computed into the destination the parent chose; block copies, pushes and
// the result area's copies for structure values.
#include "driver/diag.h"
#include "gen/gen.h"
#include "gen/select.h"
#include "gen/select_actions.h"
#include "gen/temps.h"

static bool s_is_member(const pcodell_t *p) { return p && p->opcode >= I_MEMBERRAM8 && p->opcode <= I_MEMBERROM24; }

static bool s_is_const(const pcodell_t *p) { return p && (p->opcode == I_CNST8 || p->opcode == I_CNST16); }

static bool s_is_address_add(const pcodell_t *p) {
  if (p->opcode != I_cop16 || p->data.expr.cop != B_ADD)
    return false;
  const TypeRecord *t = pcodellType(p);
  return t && (t->type == POINTER_TYPE || t->type == ARRAY_TYPE);
}

const pcodell_t *sel_static_address(const pcodell_t *address, long *offset) {
  long extra = 0;
  for (;;) {
    if (!address)
      return nullptr;
    if (s_is_member(address) && address->left && isPcodellIndirection(address->left)) {
      extra += address->data.expr.member.offset;
      address = address->left->left;
    } else if (s_is_address_add(address) && (s_is_const(address->left) || s_is_const(address->right))) {
      const bool left_const = s_is_const(address->left);
      const pcodell_t *k = left_const ? address->left : address->right;
      extra += get_signed_constant_value(k->data.expr.cnst.value.code, k->data.expr.cnst.value);
      address = left_const ? address->right : address->left;
    } else {
      break;
    }
  }
  if ((address->opcode != I_IDRAM16 && address->opcode != I_IDSTK) || !address->data.expr.var.sym)
    return nullptr;
  if (extra < 0 || extra >= ll_sizeof_type(address->data.expr.var.sym->data.var.type))
    return nullptr;
  *offset = extra;
  return address;
}

long sel_frame_offset(const pcodell_t *address) {
  long extra = 0;
  const pcodell_t *base = sel_static_address(address, &extra);
  if (!base || base->opcode != I_IDSTK)
    return -1;
  long k = base->data.expr.var.sym->data.var.offset;
  return k < 0 ? -1 : k + extra;
}

bool selMemberAtZero(pcodell_t *p) { return p->data.expr.member.offset == 0; }

// A link-time address or a frame address: the member offset folds in.
void selMemberAddress(pcodell_t *p) {
  gen_attrib *self = sel_self();
  sel_take(0);
  self->loc = sel_kid(0)->loc;
  VELC_ASSERT(self->loc.kind == LOC_ADDR || self->loc.kind == LOC_STKADDR);
  self->loc.offset += p->data.expr.member.offset;
}

// d := ptr + offset, byte by byte with the carry.
static void s_pointer_plus_to(pcodell_t *p, SelLoc ptr, long offset, const SelLoc &d) {
  ptr.width = 2;
  VELC_ASSERT(sel_is_memory(ptr));
  const SelLoc k = sel_loc_const(offset, 2);
  for (int i = 0; i < 2; i++) {
    sel_byte_to_w(p, k, i);
    if (ptr.kind == LOC_STK) {
      sel_emit(p, iqx_opWF_idx(i == 0 ? ADDWF : ADDWFC, int32_t(ptr.offset + i), DEST_W));
    } else {
      sel_banksel(p, ptr, i);
      sel_emit(p, iqx_opWF(i == 0 ? ADDWF : ADDWFC, ptr.symbol, int32_t(ptr.offset + i), DEST_W));
    }
    sel_w_to_byte(p, d, i);
  }
}

// dest := pointer + member offset.
void selMemberToDest(pcodell_t *p) {
  gen_attrib *self = sel_self();
  sel_take(0);
  s_pointer_plus_to(p, sel_kid(0)->loc, p->data.expr.member.offset, self->dest);
  self->loc = self->dest;
}

// dest := the address of a member of a structure value (an assignment's or
// a conditional's): its address folds the offset in when it is a link-time
// or frame address, and is added to otherwise.
void selStructValueMember(pcodell_t *p) {
  gen_attrib *self = sel_self();
  sel_take(0);
  SelLoc a = sel_kid(0)->loc;
  a.width = 2;
  if (a.kind == LOC_ADDR || a.kind == LOC_STKADDR) {
    a.offset += p->data.expr.member.offset;
    sel_move(p, a, self->dest);
  } else {
    s_pointer_plus_to(p, a, p->data.expr.member.offset, self->dest);
  }
  self->loc = self->dest;
}

// ---- structures as values ---------------------------------------------------------

namespace {

// Where the bytes of a structure are, for copying: directly named (a
// variable, a frame slot within [0]..[95]) or through FSR0, loaded with the
// structure's address first.
struct Block {
  SelLoc at;     // LOC_RAM or LOC_STK: byte i is at + i; LOC_FSR0: POSTINC0
  SelLoc fsr0;   // when through FSR0: the address to load
};

Block s_block(const SelLoc &address, long size) {
  if (address.kind == LOC_ADDR)
    return Block{sel_loc_ram(address.symbol, address.offset, 1), {}};
  if (address.kind == LOC_STKADDR && address.offset + size <= 96)
    return Block{SelLoc{LOC_STK, nullptr, address.offset, 0, 1}, {}};
  SelLoc a = address;
  a.width = 2;
  return Block{SelLoc{LOC_FSR0, nullptr, 0, 0, 1}, a};
}

void s_load_fsr0_with(pcodell_t *p, const Block &b) {
  if (b.at.kind == LOC_FSR0)
    sel_move(p, b.fsr0, SelLoc{LOC_RAM, FSR0Lsym, 0, 0, 2});
}

// The location whose byte i is byte i of the block: through FSR0 every
// byte is POSTINC0 (the offset -i cancels the byte index).
SelLoc s_byte_of(const Block &b, int i) {
  if (b.at.kind == LOC_FSR0)
    return SelLoc{LOC_RAM, POSTINC0sym, -i, 0, 1};
  return b.at;
}

void s_copy_bytes(pcodell_t *p, const Block &src, const Block &dst, long size) {
  for (int i = 0; i < size; i++)
    sel_move_byte(p, s_byte_of(src, i), i, s_byte_of(dst, i));
}

// dst := src, size bytes. Only one side can use FSR0 at a time: when both
// need it, the bytes go through a temporary block.
void s_copy(pcodell_t *p, const SelLoc &src_address, const SelLoc &dst_address, long size) {
  Block src = s_block(src_address, size), dst = s_block(dst_address, size);
  if (src.at.kind == LOC_FSR0 && dst.at.kind == LOC_FSR0) {
    Block tmp{sel_loc_ram(tmp_get_sym(), tmp_alloc(size), 1), {}};
    s_load_fsr0_with(p, src);
    s_copy_bytes(p, src, tmp, size);
    s_load_fsr0_with(p, dst);
    s_copy_bytes(p, tmp, dst, size);
    return;
  }
  s_load_fsr0_with(p, src);
  s_load_fsr0_with(p, dst);
  s_copy_bytes(p, src, dst, size);
}

// The size of a structure value: that of its indirection, looking through
// the comma operators (I_RIGHT) that end in it.
long s_struct_size(const pcodell_t *indirection) {
  while (indirection && indirection->opcode == I_RIGHT)
    indirection = indirection->right;
  VELC_ASSERT(indirection && indirection->size > 0);
  return indirection->size;
}

SymbolRecord *s_result_area;
long s_result_area_size;

// The module's result area, at least size bytes: one block in its own data
// section, shared by every function of the module that returns a structure.
SymbolRecord *s_result_area_of(long size) {
  if (!s_result_area) {
    s_result_area = sym_temp_symbol(int(size));
    sym_enter_section(SECTION_UDATA, ".retxdata", false, false, false, false, 0);
    sym_add_to_master_symbol_table(s_result_area);
    s_result_area_size = size;
  }
  if (size > s_result_area_size) {
    s_result_area->data.var.type->data.array.count = uint32_t(size);
    s_result_area_size = size;
  }
  return s_result_area;
}

}  // namespace

void sel_aggregate_reset() {
  s_result_area = nullptr;
  s_result_area_size = 0;
}

// The structure's address, as its kid left it (see the grammar module).
void selStructAt(pcodell_t *) {
  sel_take(0);
  sel_self()->loc = sel_kid(0)->loc;
}

void selCopyStruct(pcodell_t *p) {
  sel_take_all();
  const SelLoc dst = sel_kid(0)->loc, src = sel_kid(1)->loc;
  s_copy(p, src, dst, s_struct_size(p->left));
  sel_self()->loc = dst;
}

// The argument's bytes pushed in memory order, after the rest of the chain.
void selArgStruct(pcodell_t *p) {
  sel_take(0);
  sel_take(1);
  long size = s_struct_size(p->right);
  Block src = s_block(sel_kid(1)->loc, size);
  s_load_fsr0_with(p, src);
  for (int i = 0; i < size; i++)
    sel_move_byte(p, s_byte_of(src, i), i, SelLoc{LOC_RAM, POSTINC1sym, -i, 0, 1});
}

// The value into the result area, its address into PRODH:PRODL, then the
// jump to the return label.
void selReturnStruct(pcodell_t *p) {
  sel_take(0);
  long size = s_struct_size(p->left);
  SymbolRecord *area = s_result_area_of(size);
  SelLoc area_address{LOC_ADDR, area, 0, 0, 2};
  s_copy(p, sel_kid(0)->loc, area_address, size);
  sel_move(p, area_address, sel_loc_ram(PRODLsym, 0, 2));
  VELC_ASSERT(p->label != nullptr);
  sel_emit_oc(objBranchSymbol(p->label, p->line, p->file));
}

// The call, then the result copied from the callee's area into a temporary
// before anything else can call and overwrite it.
static void s_struct_result(pcodell_t *p) {
  long size = p->return_size;
  VELC_ASSERT(size > 0);
  SelLoc tmp{LOC_ADDR, tmp_get_sym(), tmp_alloc(size), 0, 2};
  s_copy(p, sel_loc_ram(PRODLsym, 0, 2), tmp, size);
  sel_self()->loc = tmp;
}

void selCallStruct(pcodell_t *p) {
  selCall(p);
  s_struct_result(p);
}

// The same through a far function pointer computed into a temporary.
void selCallStructFar(pcodell_t *p) {
  selCallFarValue(p);
  s_struct_result(p);
}

// The same for the call under a member node; the member's address follows.
void selCallMember(pcodell_t *p) {
  selCallStruct(p->left);
  sel_self()->loc.offset += p->data.expr.member.offset;
}

void selCallMemberFar(pcodell_t *p) {
  selCallStructFar(p->left);
  sel_self()->loc.offset += p->data.expr.member.offset;
}

// ---- structures in program memory ---------------------------------------------------

// The size bytes at TBLPTR, from the lowest, with TBLRD*+ (TABLAT as "byte
// i" at offset -i) into the block dst, or pushed through POSTINC1 when dst
// is null; after a far read (`far_read`) TBLPTRU goes back to 0.
static void s_read_rom_bytes(pcodell_t *p, const Block *dst, long size, bool far_read) {
  for (int i = 0; i < size; i++) {
    sel_emit(p, iqx_TBLRDPOSTINC());
    SelLoc to = dst ? s_byte_of(*dst, i) : SelLoc{LOC_RAM, POSTINC1sym, -i, 0, 1};
    sel_move_byte(p, SelLoc{LOC_RAM, TABLATsym, -i, 0, 1}, i, to);
  }
  if (far_read)
    sel_emit(p, iqx_CLRF(TBLPTRUsym, 0));
}

// s = rom_table[i]: kid 1 has loaded TBLPTR with the rom structure's address.
void selCopyRomStruct(pcodell_t *p) {
  sel_take_all();
  const SelLoc dst = sel_kid(0)->loc;
  long size = s_struct_size(p->left);
  Block to = s_block(dst, size);
  s_load_fsr0_with(p, to);
  s_read_rom_bytes(p, &to, size, sel_kid(1)->loc.value != 0);
  sel_self()->loc = dst;
}

// A rom structure passed by value: its bytes pushed in memory order.
void selArgRomStruct(pcodell_t *p) {
  sel_take(0);
  sel_take(1);
  s_read_rom_bytes(p, nullptr, s_struct_size(p->right), sel_kid(1)->loc.value != 0);
}

// ---- conditional expressions of structures ----------------------------------------

// The block both arms copy into: a temporary of the structure's size.
void selStructCondDest(pcodell_t *p) {
  long size = p->size > 0 ? p->size : s_struct_size(p->right->left->left);
  sel_kid(1)->dest = SelLoc{LOC_ADDR, tmp_get_sym(), tmp_alloc(size), 0, 2};
}

// The true arm copied into the block, a jump to the end label, the false
// label, the false arm copied; the value is the block's address.
void selStructCondArms(pcodell_t *p) {
  gen_attrib *self = sel_self();
  const SelLoc block = self->dest;
  VELC_ASSERT(block.kind == LOC_ADDR);
  const long size = s_struct_size(p->left);
  sel_take(0);
  s_copy(p, sel_kid(0)->loc, block, size);
  SymbolRecord *end = p->end_label ? p->end_label : p->label;
  VELC_ASSERT(end != nullptr);
  sel_emit_oc(objBranchSymbol(end, p->line, p->file));
  sel_take(1);
  sel_take(2);
  s_copy(p, sel_kid(2)->loc, block, size);
  self->loc = block;
}
