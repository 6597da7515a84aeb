// The instruction record: one Harrow machine instruction with up to four
// operands, each a literal or a symbol plus byte offset that carries the
// relocation type the object file needs; and the iqx_* constructors that
// build one. A constructor allocates a zero-filled record, fills opcode and
// operands and returns it; it appends nothing anywhere.
//
// Two-word instructions (MOVFF, LFSR, MOVSF, MOVSS, CALL, GOTO) are always
// two records: the instruction, then a WORD2 record whose operand 0 holds
// the second word's operand and relocation; the *2 constructors build the
// WORD2 record.
//
// In the constructors a is the access bit (0 when the symbol's type is near
// RAM, that is the access bank; 1 otherwise) and d the destination bit
// (0 WREG, 1 the file register); k is a literal.
#ifndef VELC_GEN_INST_H
#define VELC_GEN_INST_H

#include <cstdint>

#include "device/instset.h"
#include "object/reloc_types.h"
#include "trans/symtbl.h"

// Kind of an operand slot.
enum OperandKind : int32_t { NULL_OP = 0, SYMBOL_OP = 1, LITERAL_OP = 2 };

struct inst_operand {
  int32_t type;  // OperandKind
  union {
    int32_t literal;
    struct {
      SymbolRecord *sym;
      int32_t offset;  // bytes added to the symbol's address
    } symbol;
  } data;
  uint16_t reloc;  // RELOCT_* for a symbol operand, 0 for a literal
};

struct inst {
  int32_t opcode;    // InstType (device/instset.h), WORD2 for a second word
  uint8_t from_asm;  // written in an assembly block
  inst_operand operand[4];  // in the order of the assembler syntax
};

// Destination bit values.
enum : int32_t { DEST_W = 0, DEST_F = 1 };

// ---- records --------------------------------------------------------------
inst *inst_create();                 // zero-filled; 101 when out of memory
inst *inst_copy(const inst *ins);    // field-by-field duplicate
void inst_free(inst *ins);
size_t inst_live_records();          // made and not yet freed (leak checks)
// Listing text: lower-case mnemonic and operands (static buffer, overwritten
// by the next call).
const char *inst_print(const inst *ins);
// The access bit of an operand on sym: 0 for a near RAM symbol, else 1.
int32_t inst_access_bit(const SymbolRecord *sym);
// Whether the opcode takes a second word (a WORD2 record follows).
bool inst_is_two_word(int32_t opcode);

// ---- byte-oriented, symbol -------------------------------------------------
inst *iqx_opWF(int32_t op, SymbolRecord *sym, int32_t off, int32_t d);
// ---- single operand, symbol ------------------------------------------------
inst *iqx_MOVWF(SymbolRecord *sym, int32_t off);
inst *iqx_MULWF(SymbolRecord *sym, int32_t off);
inst *iqx_TSTFSZ(SymbolRecord *sym, int32_t off);
inst *iqx_CPFSEQ(SymbolRecord *sym, int32_t off);
inst *iqx_CPFSGT(SymbolRecord *sym, int32_t off);
inst *iqx_CPFSLT(SymbolRecord *sym, int32_t off);
inst *iqx_SETF(SymbolRecord *sym, int32_t off);
inst *iqx_CLRF(SymbolRecord *sym, int32_t off);
inst *iqx_NEGF(SymbolRecord *sym, int32_t off);
// ---- bit-oriented, symbol ----------------------------------------------------
inst *iqx_BTFSC(SymbolRecord *sym, int32_t off, int32_t bit);
inst *iqx_BTFSS(SymbolRecord *sym, int32_t off, int32_t bit);
inst *iqx_BCF(SymbolRecord *sym, int32_t off, int32_t bit);
inst *iqx_BSF(SymbolRecord *sym, int32_t off, int32_t bit);
inst *iqx_BTG(SymbolRecord *sym, int32_t off, int32_t bit);
// ---- indexed: [k] is a frame slot (FSR2 + k) ---------------------------------
inst *iqx_opWF_idx(int32_t op, int32_t k, int32_t d);
inst *iqx_SETF_idx(int32_t k);
inst *iqx_CLRF_idx(int32_t k);
inst *iqx_NEGF_idx(int32_t k);
inst *iqx_MOVWF_idx(int32_t k);
inst *iqx_MULWF_idx(int32_t k);
inst *iqx_TSTFSZ_idx(int32_t k);
inst *iqx_CPFSLT_idx(int32_t k);
inst *iqx_CPFSGT_idx(int32_t k);
inst *iqx_CPFSEQ_idx(int32_t k);
inst *iqx_BCF_idx(int32_t k, int32_t bit);
inst *iqx_BSF_idx(int32_t k, int32_t bit);
inst *iqx_BTG_idx(int32_t k, int32_t bit);
inst *iqx_BTFSS_idx(int32_t k, int32_t bit);
inst *iqx_BTFSC_idx(int32_t k, int32_t bit);
// ---- literal ---------------------------------------------------------------
inst *iqx_opLW(int32_t op, int32_t k);
inst *iqx_MOVLW(int32_t k);
inst *iqx_ADDLW(int32_t k);
inst *iqx_SUBLW(int32_t k);
inst *iqx_ANDLW(int32_t k);
inst *iqx_IORLW(int32_t k);
inst *iqx_XORLW(int32_t k);
inst *iqx_MULLW(int32_t k);
inst *iqx_RETLW(int32_t k);
inst *iqx_MOVLB(int32_t k);
inst *iqx_PUSHL(int32_t k);
inst *iqx_RETURN(int32_t s);
inst *iqx_RETFIE(int32_t s);
inst *iqx_ADDULNK(int32_t k);
inst *iqx_SUBULNK(int32_t k);
inst *iqx_RCALLliteral(int32_t k);
inst *iqx_BRA(int32_t k);
inst *iqx_BZ(int32_t k);
inst *iqx_BNZ(int32_t k);
inst *iqx_BC(int32_t k);
inst *iqx_BNC(int32_t k);
inst *iqx_BOV(int32_t k);
inst *iqx_BNOV(int32_t k);
inst *iqx_BN(int32_t k);
inst *iqx_BNN(int32_t k);
// ---- address bytes of a symbol -------------------------------------------------
inst *iqx_LADDRL(SymbolRecord *sym, int32_t off);   // MOVLW low
inst *iqx_LADDRH(SymbolRecord *sym, int32_t off);   // MOVLW high
inst *iqx_LADDRU(SymbolRecord *sym, int32_t off);   // MOVLW upper
inst *iqx_ADDLWADDRL(SymbolRecord *sym, int32_t off);
inst *iqx_ADDLWADDRH(SymbolRecord *sym, int32_t off);
inst *iqx_ADDLWADDRU(SymbolRecord *sym, int32_t off);
inst *iqx_ANDLWADDRL(SymbolRecord *sym, int32_t off);
inst *iqx_IORLWADDRL(SymbolRecord *sym, int32_t off);
inst *iqx_XORLWADDRL(SymbolRecord *sym, int32_t off);
inst *iqx_SUBADDRL(SymbolRecord *sym, int32_t off);  // SUBLW low
inst *iqx_PUSHLADDRL(SymbolRecord *sym, int32_t off);
inst *iqx_PUSHLADDRH(SymbolRecord *sym, int32_t off);
inst *iqx_PUSHLADDRU(SymbolRecord *sym, int32_t off);
inst *iqx_BANKSEL(SymbolRecord *sym, int32_t off);   // MOVLB high
// ---- section end and size (scn: a section-name symbol, name starting ".") ------
inst *iqx_LSCNENDL(SymbolRecord *scn, int32_t off);
inst *iqx_LSCNENDH(SymbolRecord *scn, int32_t off);
inst *iqx_LSCNENDU(SymbolRecord *scn, int32_t off);
inst *iqx_LSCNSIZEL(SymbolRecord *scn, int32_t off);
inst *iqx_LSCNSIZEH(SymbolRecord *scn, int32_t off);
inst *iqx_LSCNSIZEU(SymbolRecord *scn, int32_t off);
inst *iqx_LFSRSCNEND(SymbolRecord *scn, int32_t off, int32_t fsr);
inst *iqx_LFSRSCNEND2(SymbolRecord *scn, int32_t off);
// ---- two-word instructions and their second words ------------------------------
inst *iqx_MOVFF(SymbolRecord *src, int32_t srcoff);
inst *iqx_MOVFF2(SymbolRecord *src, int32_t srcoff, SymbolRecord *dst, int32_t dstoff);
inst *iqx_LFSR(SymbolRecord *sym, int32_t off, int32_t fsr);
inst *iqx_LFSR2(SymbolRecord *sym, int32_t off);
inst *iqx_GOTO(SymbolRecord *sym, int32_t off);
inst *iqx_GOTO2(SymbolRecord *sym, int32_t off);
inst *iqx_CALL(SymbolRecord *sym, int32_t off, int32_t s);
inst *iqx_CALL2(SymbolRecord *sym, int32_t off);
inst *iqx_MOVSF(int32_t k);
inst *iqx_MOVSF2(int32_t k, SymbolRecord *dst, int32_t dstoff);
inst *iqx_MOVSS(int32_t k);
inst *iqx_MOVSS2(int32_t k, int32_t k2);
// ---- no operand --------------------------------------------------------------
inst *iqx_NOP();
inst *iqx_CALLW();
inst *iqx_TBLRD();
inst *iqx_TBLRDPOSTINC();
inst *iqx_TBLRDPOSTDEC();
inst *iqx_TBLRDPREINC();
inst *iqx_TBLWT();
inst *iqx_TBLWTPOSTINC();
inst *iqx_TBLWTPOSTDEC();
inst *iqx_TBLWTPREINC();
// ---- FSR arithmetic ------------------------------------------------------------
inst *iqx_ADDFSR(int32_t f, int32_t k);
inst *iqx_SUBFSR(int32_t f, int32_t k);

#endif
