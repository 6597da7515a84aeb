// Shared machinery of the operation emitters (oqx_*.cpp): the list being
// built with its source position and bank-selection state, and the access to
// byte i of an operand in each of its forms (gen/oqx.h gives the
// conventions).
#ifndef VELC_GEN_OQX_INTERNAL_H
#define VELC_GEN_OQX_INTERNAL_H

#include <initializer_list>

#include "gen/gen.h"
#include "gen/oqx.h"

// One byte as an instruction names it: a frame slot [off] or symbol + off.
struct OqxByte {
  bool idx;
  SymbolRecord *sym;
  int32_t off;
};

struct OqxEmit {
  ocode *list = nullptr;
  ocode *tail = nullptr;  // a node of list near its end, where appending starts to look
  long line = 0;
  const char *file = nullptr;
  bool bank_each = false;            // several banked operands: select before every access
  SymbolRecord *bank_sym = nullptr;  // the operand the last MOVLB selected
};

OqxEmit oqx_begin(long line, const char *file, std::initializer_list<OqxOperand> operands);
bool oqx_larger_than_bank(const SymbolRecord *sym);
void oqx_inst(OqxEmit &e, inst *ins);
void oqx_node(OqxEmit &e, ocode *oc);

// Byte i of x read as a source (POSTINC0; TBLRD*+ then TABLAT).
OqxByte oqx_src(OqxEmit &e, const OqxOperand &x, int i);
// Byte i of x written (POSTINC0; TABLAT, then oqx_dst_end emits TBLWT*+).
OqxByte oqx_dst(OqxEmit &e, const OqxOperand &x, int i);
void oqx_dst_end(OqxEmit &e, const OqxOperand &x);
// Byte i of an n-byte x read and written in place (INDF0 for one byte,
// POSTINC0 then POSTDEC0 for two; TBLRD* ... TBLWT*+ / TBLWT*-), so that a
// pointer register ends where it started; oqx_rmw_end after the access.
OqxByte oqx_rmw(OqxEmit &e, const OqxOperand &x, int i, int n);
void oqx_rmw_end(OqxEmit &e, const OqxOperand &x, int i, int n);
// A byte of a register or a fixed symbol (access bank).
OqxByte oqx_reg(SymbolRecord *sym, int32_t off = 0);

// Instructions on a byte: op f,d; a single-operand op (MOVWF, CLRF, SETF,
// NEGF, MULWF); a bit op (BCF, BSF, BTG, BTFSC, BTFSS).
void oqx_fd(OqxEmit &e, int op, const OqxByte &b, int32_t d);
void oqx_f(OqxEmit &e, int op, const OqxByte &b);
void oqx_fbit(OqxEmit &e, int op, const OqxByte &b, int bit);
// MOVFF src, dst (two words).
void oqx_movff(OqxEmit &e, SymbolRecord *src, int32_t soff, SymbolRecord *dst, int32_t doff);

// The file-register and literal instructions of a commutative operator;
// `next` picks ADDWFC for the following bytes of an addition.
int oqx_cop_wf(int32_t cop, bool next);
int oqx_cop_lw(int32_t cop);
// x's byte i op= k in the cheapest form (nothing for an identity; CLRF,
// SETF, COMF, INCF, DECF, BCF, BSF, BTG where one instruction does it; else
// MOVLW and the operation). x is a variable, a frame slot or a single byte
// through a pointer register.
void oqx_cop_iconst_byte(OqxEmit &e, int32_t cop, const OqxOperand &x, int i, int32_t k);
// Internal error for inconsistent operands.
[[noreturn]] void oqx_bad(const char *what);

#endif
