// The 8- and 16-bit operation emitters: the instruction sequences that the
// selector's rule actions hand over when an operation takes more than an
// instruction or two. Each emitter takes its operands as OqxOperand values
// and the source position of the IR node, and returns a new output-code
// list (null when the operation needs no code) that the caller appends.
//
// Operand conventions (OqxOperand):
// - OQX_RAM: symbol + offset; byte i is symbol + offset + i (little-endian).
//   With `banked` set a MOVLB of the byte's address precedes its access;
//   when both operands of a two-operand sequence are banked, every access
//   is preceded by bank selection, when only one is, only its first access.
// - OQX_FSR0: the bytes at the address held in FSR0. A source is read
//   through POSTINC0 (FSR0 advancing); a single byte changed in place is
//   INDF0; a two-byte operand changed in place is POSTINC0 then POSTDEC0,
//   which leaves FSR0 where it was.
// - OQX_TBLPTR: program memory at the address in TBLPTR, read by TBLRD*+
//   and an access to TABLAT, written by moving the byte into TABLAT and
//   TBLWT*+.
// - OQX_STK: a frame slot, byte i being [offset + i].
// The commutative operator codes are those of the IR (B_ADD, B_AND, B_OR,
// B_XOR); any other code is an internal error.
#ifndef VELC_GEN_OQX_H
#define VELC_GEN_OQX_H

#include <cstdint>

#include "gen/ocode.h"
#include "trans/symtbl.h"

struct SwitchCase;

enum OqxOperandKind : int32_t { OQX_RAM = 0, OQX_STK = 1, OQX_FSR0 = 2, OQX_TBLPTR = 3 };

struct OqxOperand {
  int32_t kind;        // OqxOperandKind
  SymbolRecord *sym;   // OQX_RAM
  int32_t offset;      // OQX_RAM: byte offset; OQX_STK: frame offset
  bool banked;         // OQX_RAM: needs MOVLB before its access
};

OqxOperand oqx_ram(SymbolRecord *sym, int32_t offset, bool banked);
OqxOperand oqx_stk(int32_t k);
OqxOperand oqx_fsr0();
OqxOperand oqx_tblptr();
// Whether two operands name the same bytes.
bool oqx_same(const OqxOperand &a, const OqxOperand &b);

// A constant: an integer, or the address of symbol + offset (known at link
// time).
enum OqxConstKind : int32_t { OQX_CINT = 0, OQX_CADDR = 1 };
struct OqxConst {
  int32_t kind;  // OqxConstKind
  long value;    // OQX_CINT
  SymbolRecord *sym;
  int32_t offset;  // OQX_CADDR
};
OqxConst oqx_cint(long value);
OqxConst oqx_caddr(SymbolRecord *sym, int32_t offset);

// ---- 8 bits ---------------------------------------------------------------
// WREG := ~[k].
ocode *oqxComplementStack8(int32_t k, long line, const char *file);
// WREG := WREG op k (ADDLW, ANDLW, IORLW, XORLW).
ocode *oqxcopLW(int32_t cop, int32_t k, long line, const char *file);
// SUBWF x,d: x - WREG into x (d = DEST_F) or WREG.
ocode *oqxSubWF(const OqxOperand &x, int32_t d, long line, const char *file);
// x op= k: MOVLW k; op x,F. The Next form is for a following byte of a
// multi-byte operation (ADDWFC for addition).
ocode *oqxcopLiteralF(int32_t cop, int32_t k, const OqxOperand &x, long line, const char *file);
ocode *oqxcopLiteralFNext(int32_t cop, int32_t k, const OqxOperand &x, long line, const char *file);
// op x,d with WREG (ADDWF, ANDWF, IORWF, XORWF; ADDWFC in the Next forms).
ocode *oqxcopWF(int32_t cop, const OqxOperand &x, int32_t d, long line, const char *file);
ocode *oqxcopWF_idx(int32_t cop, int32_t k, int32_t d, long line, const char *file);
ocode *oqxcopWFNext(int32_t cop, const OqxOperand &x, int32_t d, long line, const char *file);
ocode *oqxcopWFNext_idx(int32_t cop, int32_t k, int32_t d, long line, const char *file);
// WREG := byte 0, 1, 2 or 3 of a constant.
ocode *oqxLoadLiteralW(const OqxConst &c, long line, const char *file);
ocode *oqxLoadLiteralHighW(const OqxConst &c, long line, const char *file);
ocode *oqxLoadLiteralUpperW(const OqxConst &c, long line, const char *file);
ocode *oqxLoadLiteralVeryUpperW(const OqxConst &c, long line, const char *file);
// The low `bytes` bytes of value into dst: CLRF for 0, SETF for 255, else
// MOVLW and MOVWF, byte by byte.
ocode *oqxStoreLiteralF(long value, int bytes, const OqxOperand &dst, long line, const char *file);
// WREG := WREG - k, WREG + k, WREG & k, WREG | k, WREG ^ k; an identity
// constant emits nothing.
ocode *oqxSubLiteralW(int32_t k, long line, const char *file);
ocode *oqxAddLiteralW(int32_t k, long line, const char *file);
ocode *oqxAndLiteralW(int32_t k, long line, const char *file);
ocode *oqxORLiteralW(int32_t k, long line, const char *file);
ocode *oqxXORLiteralW(int32_t k, long line, const char *file);
// x <<= WREG, x >>= WREG (logical; the right shift takes the count modulo
// 8); WREG is consumed. The left shift needs Z to reflect WREG on entry.
ocode *oqxSHL8InPlaceByW(const OqxOperand &x, long line, const char *file);
ocode *oqxSHR8InPlaceByW(const OqxOperand &x, long line, const char *file);
// WREG <<= c, WREG >>= c (logical); the count variable c is consumed.
ocode *oqxSHL8WInPlaceByF(const OqxOperand &c, long line, const char *file);
ocode *oqxSHR8WInPlaceByF(const OqxOperand &c, long line, const char *file);
// WREG << n into PRODL; WREG >> n (logical) into WREG.
ocode *oqxSHL8WbyConst(int n, long line, const char *file);
ocode *oqxSHR8WbyConst(int n, long line, const char *file);
// x <<= n, x >>= n (logical) in place.
ocode *oqxSHL8InPlaceByConst(const OqxOperand &x, int n, long line, const char *file);
ocode *oqxSHR8InPlaceByConst(const OqxOperand &x, int n, long line, const char *file);
ocode *oqxSHL8InPlaceByConst_idx(int32_t k, int n, long line, const char *file);
ocode *oqxSHR8InPlaceByConst_idx(int32_t k, int n, long line, const char *file);
// Program words of an in-place byte shift by n (either direction).
int oqxSHL8InPlaceByConstCost(long n);
// x op= WREG.
ocode *oqxcop8A(int32_t cop, const OqxOperand &x, long line, const char *file);
// x op= k: nothing for an identity, one instruction where one does it
// (CLRF, SETF, COMF, INCF, DECF, BCF, BSF, BTG), else MOVLW and the op.
ocode *oqxcop8A_Iconst(int32_t cop, const OqxOperand &x, int32_t k, long line, const char *file);

// ---- 16 bits ----------------------------------------------------------------
// dst := ~[k .. k+1].
ocode *oqxComplementStack16(int32_t k, const OqxOperand &dst, long line, const char *file);
// d := a op k.
ocode *oqxopLiteral16(int32_t cop, const OqxOperand &a, long k, const OqxOperand &d, long line,
                      const char *file);
// d := a op address(sym + off).
ocode *oqxopGconst16(int32_t cop, const OqxOperand &a, SymbolRecord *sym, int32_t off, const OqxOperand &d,
                     long line, const char *file);
// d := a op b.
ocode *oqxopF16(int32_t cop, const OqxOperand &a, const OqxOperand &b, const OqxOperand &d, long line,
                const char *file);
// d := a - b.
ocode *oqxSUB16(const OqxOperand &a, const OqxOperand &b, const OqxOperand &d, long line, const char *file);
// d := a - k (a constant minus... a minus the constant).
ocode *oqxSUB16Literal(const OqxOperand &a, long k, const OqxOperand &d, long line, const char *file);
// d := k - a.
ocode *oqxSUB16FromLiteral(long k, const OqxOperand &a, const OqxOperand &d, long line, const char *file);
// d := a * b, the low 16 bits; any of them may be the same variable, and d
// may be PROD.
ocode *oqxMul16(const OqxOperand &a, const OqxOperand &b, const OqxOperand &d, long line, const char *file);
// x op= y; x -= y; x op= k; x -= k; x *= k.
ocode *oqxcop16A(int32_t cop, const OqxOperand &x, const OqxOperand &y, long line, const char *file);
ocode *oqxSUB16A(const OqxOperand &x, const OqxOperand &y, long line, const char *file);
ocode *oqxcop16A_Iconst(int32_t cop, const OqxOperand &x, long k, long line, const char *file);
ocode *oqxSUB16A_Iconst(const OqxOperand &x, long k, long line, const char *file);
ocode *oqxMUL16A_Iconst(const OqxOperand &x, long k, long line, const char *file);
// d := x * k for a zero-widened byte x (its high byte 0) and 0 <= k <= 255.
ocode *oqxMUL8U_Iconst(const OqxOperand &x, long k, const OqxOperand &d, long line, const char *file);
// x <<= WREG, x >>= WREG (count modulo 32); x <<= n, x >>= n. Right shifts
// are arithmetic when is_signed.
ocode *oqxSHL16A(const OqxOperand &x, long line, const char *file);
ocode *oqxSHR16A(const OqxOperand &x, bool is_signed, long line, const char *file);
ocode *oqxSHL16A_Iconst(const OqxOperand &x, int n, long line, const char *file);
ocode *oqxSHR16A_Iconst(const OqxOperand &x, int n, bool is_signed, long line, const char *file);
// dst := src (16 bits); dst := address(sym + off).
ocode *oqxMOV16(const OqxOperand &src, const OqxOperand &dst, long line, const char *file);
ocode *oqxMOV16_Gconst(SymbolRecord *sym, int32_t off, const OqxOperand &dst, long line, const char *file);
// x := -x.
ocode *oqxNegate16(const OqxOperand &x, long line, const char *file);
// Z := (a == c) over 2 bytes; Z := (a == b) over n bytes.
ocode *oqxEqual16_Gconst(const OqxOperand &a, const OqxConst &c, long line, const char *file);
ocode *oqxEqual(const OqxOperand &a, const OqxOperand &b, int n, long line, const char *file);
// FSR0 += n; TBLPTRH:TBLPTRL += n (n taken as 16 bits).
ocode *oqxBumpRamPointer(long n, long line, const char *file);
ocode *oqxBumpNearRomPointer(long n, long line, const char *file);

// ---- 24 and 32 bits (n = 3 or 4 bytes) -------------------------------------------
// d := a op b; d := a op k; d := a - b; d := k - b; d := ~a. a and b are
// variables or frame slots; d may be either of them.
ocode *oqxcopLong(int32_t cop, const OqxOperand &a, const OqxOperand &b, const OqxOperand &d, int n, long line,
                  const char *file);
ocode *oqxcopLong_Iconst(int32_t cop, const OqxOperand &a, long k, const OqxOperand &d, int n, long line,
                         const char *file);
ocode *oqxSUBLong(const OqxOperand &a, const OqxOperand &b, const OqxOperand &d, int n, long line,
                  const char *file);
ocode *oqxSUBLongFrom_Iconst(long k, const OqxOperand &b, const OqxOperand &d, int n, long line,
                             const char *file);
ocode *oqxComLong(const OqxOperand &a, const OqxOperand &d, int n, long line, const char *file);
// x op= y; x -= y; x op= k (x also through FSR0, each byte reached once).
ocode *oqxcopLongA(int32_t cop, const OqxOperand &x, const OqxOperand &y, int n, long line, const char *file);
ocode *oqxSUBLongA(const OqxOperand &x, const OqxOperand &y, int n, long line, const char *file);
ocode *oqxcopLongA_Iconst(int32_t cop, const OqxOperand &x, long k, int n, long line, const char *file);
// x += 1 or x -= 1.
ocode *oqxIncDecLong(const OqxOperand &x, bool increment, int n, long line, const char *file);
// x <<= c, x >>= c for a constant c (counts of 8n and more give 0 or the
// sign); x <<= WREG, x >>= WREG (the count modulo 32; WREG is consumed).
ocode *oqxSHLLongA_Iconst(const OqxOperand &x, int c, int n, long line, const char *file);
ocode *oqxSHRLongA_Iconst(const OqxOperand &x, int c, bool is_signed, int n, long line, const char *file);
ocode *oqxSHLLongA(const OqxOperand &x, int n, long line, const char *file);
ocode *oqxSHRLongA(const OqxOperand &x, bool is_signed, int n, long line, const char *file);

// ---- switch -------------------------------------------------------------------
// The comparison chain of a byte switch on WREG over the case list (in list
// order), then a branch to the default label, or to the end label without
// one. z_known: Z already reflects WREG.
ocode *oqxSwitch8(const SwitchCase *cases, SymbolRecord *default_label, SymbolRecord *end_label, bool z_known,
                  long line, const char *file);
ocode *oqxSwitch16(const OqxOperand &sel, const SwitchCase *cases, SymbolRecord *default_label,
                   SymbolRecord *end_label, long line, const char *file);
// The same for a short long (n = 3) or long (n = 4) selector in RAM or a
// frame slot.
ocode *oqxSwitchWide(const OqxOperand &sel, int n, const SwitchCase *cases, SymbolRecord *default_label,
                     SymbolRecord *end_label, long line, const char *file);

#endif
