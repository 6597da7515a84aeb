// Operands of the operation emitters. In: operands in their forms (RAM
// symbol + offset with its banked flag, frame slot, FSR0, TBLPTR) and the
// access wanted. Out: the instructions naming byte i, with the bank
// selection, pointer-register and table-read/write steps that access needs,
// appended to the emitter's list.
#include <cstdio>

#include "driver/diag.h"
#include "gen/oqx_internal.h"
#include "trans/pcodell.h"
#include "trans/type.h"

OqxOperand oqx_ram(SymbolRecord *sym, int32_t offset, bool banked) { return {OQX_RAM, sym, offset, banked}; }
OqxOperand oqx_stk(int32_t k) { return {OQX_STK, nullptr, k, false}; }
OqxOperand oqx_fsr0() { return {OQX_FSR0, nullptr, 0, false}; }
OqxOperand oqx_tblptr() { return {OQX_TBLPTR, nullptr, 0, false}; }
OqxConst oqx_cint(long value) { return {OQX_CINT, value, nullptr, 0}; }
OqxConst oqx_caddr(SymbolRecord *sym, int32_t offset) { return {OQX_CADDR, 0, sym, offset}; }

bool oqx_same(const OqxOperand &a, const OqxOperand &b) {
  if (a.kind != b.kind)
    return false;
  switch (a.kind) {
  case OQX_RAM: return a.sym == b.sym && a.offset == b.offset;
  case OQX_STK: return a.offset == b.offset;
  default: return true;
  }
}

void oqx_bad(const char *what) {
  char text[160];
  snprintf(text, sizeof text, "operation emitter: %s", what);
  __assert(text, __FILE__, __LINE__);
}

// An object larger than a bank may straddle a bank boundary anywhere: each
// of its bytes needs the bank of its own address.
bool oqx_larger_than_bank(const SymbolRecord *sym) {
  return sym && sym->type == VARIABLE && sym->data.var.type && ll_sizeof_type(sym->data.var.type) > 256;
}

OqxEmit oqx_begin(long line, const char *file, std::initializer_list<OqxOperand> operands) {
  OqxEmit e;
  e.line = line;
  e.file = file;
  SymbolRecord *first = nullptr;
  for (const OqxOperand &x : operands) {
    if (x.kind != OQX_RAM || !x.banked)
      continue;
    if ((first && first != x.sym) || oqx_larger_than_bank(x.sym))
      e.bank_each = true;
    first = x.sym;
  }
  return e;
}

// Appends behind the list's end, found from the remembered tail: a long
// sequence (a switch on a long value) is not walked once per instruction.
void oqx_node(OqxEmit &e, ocode *oc) {
  if (!oc)
    return;
  if (!e.list) {
    e.list = oc;
  } else {
    ocode *last = e.tail ? e.tail : e.list;
    while (last->next)
      last = last->next;
    VELC_ASSERT(last != oc && oc->prev == nullptr);
    last->next = oc;
    oc->prev = last;
  }
  e.tail = oc;
}

void oqx_inst(OqxEmit &e, inst *ins) { oqx_node(e, objInst(ins, e.line, e.file)); }

OqxByte oqx_reg(SymbolRecord *sym, int32_t off) { return {false, sym, off}; }

static OqxByte s_ram(OqxEmit &e, const OqxOperand &x, int i) {
  if (x.banked && (e.bank_each || e.bank_sym != x.sym))
    oqx_inst(e, iqx_BANKSEL(x.sym, x.offset + i));
  if (x.banked)
    e.bank_sym = x.sym;
  return {false, x.sym, x.offset + i};
}

OqxByte oqx_src(OqxEmit &e, const OqxOperand &x, int i) {
  switch (x.kind) {
  case OQX_RAM: return s_ram(e, x, i);
  case OQX_STK: return {true, nullptr, x.offset + i};
  case OQX_FSR0: return oqx_reg(POSTINC0sym);
  case OQX_TBLPTR:
    oqx_inst(e, iqx_TBLRDPOSTINC());
    return oqx_reg(TABLATsym);
  }
  oqx_bad("unknown operand kind");
}

OqxByte oqx_dst(OqxEmit &e, const OqxOperand &x, int i) {
  if (x.kind == OQX_TBLPTR)
    return oqx_reg(TABLATsym);
  return oqx_src(e, x, i);
}

void oqx_dst_end(OqxEmit &e, const OqxOperand &x) {
  if (x.kind == OQX_TBLPTR)
    oqx_inst(e, iqx_TBLWTPOSTINC());
}

OqxByte oqx_rmw(OqxEmit &e, const OqxOperand &x, int i, int n) {
  switch (x.kind) {
  case OQX_FSR0:
    if (n == 1)
      return oqx_reg(INDF0sym);
    if (n == 2)
      return oqx_reg(i == 0 ? POSTINC0sym : POSTDEC0sym);
    oqx_bad("in-place operand through FSR0 wider than 2 bytes");
  case OQX_TBLPTR:
    oqx_inst(e, iqx_TBLRD());
    return oqx_reg(TABLATsym);
  default:
    return oqx_src(e, x, i);
  }
}

void oqx_rmw_end(OqxEmit &e, const OqxOperand &x, int i, int n) {
  if (x.kind != OQX_TBLPTR)
    return;
  if (n == 1)
    oqx_inst(e, iqx_TBLWT());
  else if (i < n - 1)
    oqx_inst(e, iqx_TBLWTPOSTINC());
  else if (n == 2)
    oqx_inst(e, iqx_TBLWTPOSTDEC());
  else
    oqx_bad("in-place operand in program memory wider than 2 bytes");
}

void oqx_fd(OqxEmit &e, int op, const OqxByte &b, int32_t d) {
  oqx_inst(e, b.idx ? iqx_opWF_idx(op, b.off, d) : iqx_opWF(op, b.sym, b.off, d));
}

void oqx_f(OqxEmit &e, int op, const OqxByte &b) {
  inst *ins = nullptr;
  switch (op) {
  case MOVWF: ins = b.idx ? iqx_MOVWF_idx(b.off) : iqx_MOVWF(b.sym, b.off); break;
  case CLRF: ins = b.idx ? iqx_CLRF_idx(b.off) : iqx_CLRF(b.sym, b.off); break;
  case SETF: ins = b.idx ? iqx_SETF_idx(b.off) : iqx_SETF(b.sym, b.off); break;
  case NEGF: ins = b.idx ? iqx_NEGF_idx(b.off) : iqx_NEGF(b.sym, b.off); break;
  case MULWF: ins = b.idx ? iqx_MULWF_idx(b.off) : iqx_MULWF(b.sym, b.off); break;
  default: oqx_bad("not a single-operand file instruction");
  }
  oqx_inst(e, ins);
}

void oqx_fbit(OqxEmit &e, int op, const OqxByte &b, int bit) {
  inst *ins = nullptr;
  switch (op) {
  case BCF: ins = b.idx ? iqx_BCF_idx(b.off, bit) : iqx_BCF(b.sym, b.off, bit); break;
  case BSF: ins = b.idx ? iqx_BSF_idx(b.off, bit) : iqx_BSF(b.sym, b.off, bit); break;
  case BTG: ins = b.idx ? iqx_BTG_idx(b.off, bit) : iqx_BTG(b.sym, b.off, bit); break;
  case BTFSC: ins = b.idx ? iqx_BTFSC_idx(b.off, bit) : iqx_BTFSC(b.sym, b.off, bit); break;
  case BTFSS: ins = b.idx ? iqx_BTFSS_idx(b.off, bit) : iqx_BTFSS(b.sym, b.off, bit); break;
  default: oqx_bad("not a bit instruction");
  }
  oqx_inst(e, ins);
}

void oqx_movff(OqxEmit &e, SymbolRecord *src, int32_t soff, SymbolRecord *dst, int32_t doff) {
  oqx_inst(e, iqx_MOVFF(src, soff));
  oqx_inst(e, iqx_MOVFF2(src, soff, dst, doff));
}

int oqx_cop_wf(int32_t cop, bool next) {
  switch (cop) {
  case B_ADD: return next ? ADDWFC : ADDWF;
  case B_AND: return ANDWF;
  case B_OR: return IORWF;
  case B_XOR: return XORWF;
  }
  oqx_bad("unknown commutative operator");
}

int oqx_cop_lw(int32_t cop) {
  switch (cop) {
  case B_ADD: return ADDLW;
  case B_AND: return ANDLW;
  case B_OR: return IORLW;
  case B_XOR: return XORLW;
  }
  oqx_bad("unknown commutative operator");
}
