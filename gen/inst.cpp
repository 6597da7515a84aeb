// Instruction records and their constructors. In: an opcode and operands
// (symbols with byte offsets, literals). Out: a zero-filled inst record with
// the operand slots and relocation types the object emitter needs; the
// listing text of a record (inst_print).
#include "gen/inst.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "driver/diag.h"
#include "trans/type.h"
#include "util/record_pool.h"

// Instructions live as long as their nodes and are read with them: from
// large blocks, in the order they are made (see ocodeCreate).
static_assert(alignof(inst) <= RECORD_OFFSET);
static RecordPool s_insts{sizeof(inst), 2 * 1024 * 1024, true, fatal_out_of_memory, nullptr};

size_t inst_live_records() { return s_insts.live; }

inst *inst_create() {
  return static_cast<inst *>(record_pool_alloc(s_insts));
}

inst *inst_copy(const inst *ins) {
  inst *copy = inst_create();
  *copy = *ins;
  return copy;
}

void inst_free(inst *ins) {
  if (ins)
    VELC_ASSERT(record_pool_release(s_insts, ins));
}

int32_t inst_access_bit(const SymbolRecord *sym) {
  const TypeRecord *t = sym ? sym->data.var.type : nullptr;
  if (t && t->location != ROM_LOC && t->range == NEAR_RANGE)
    return 0;
  return 1;
}

bool inst_is_two_word(int32_t opcode) {
  switch (opcode) {
  case MOVFF: case LFSR: case MOVSF: case MOVSS: case CALL: case GOTO:
    return true;
  default:
    return false;
  }
}

// ---- operand slots ----------------------------------------------------------

static void s_lit(inst *ins, int n, int32_t value) {
  ins->operand[n].type = LITERAL_OP;
  ins->operand[n].data.literal = value;
  ins->operand[n].reloc = 0;
}

static void s_sym(inst *ins, int n, SymbolRecord *sym, int32_t off, uint16_t reloc) {
  ins->operand[n].type = SYMBOL_OP;
  ins->operand[n].data.symbol.sym = sym;
  ins->operand[n].data.symbol.offset = off;
  ins->operand[n].reloc = reloc;
}

static inst *s_new(int32_t opcode) {
  inst *ins = inst_create();
  ins->opcode = opcode;
  return ins;
}

static inst *s_file(int32_t op, SymbolRecord *sym, int32_t off, uint16_t reloc) {
  inst *ins = s_new(op);
  s_sym(ins, 0, sym, off, reloc);
  s_lit(ins, 1, inst_access_bit(sym));
  return ins;
}

static inst *s_bit(int32_t op, SymbolRecord *sym, int32_t off, int32_t bit, uint16_t reloc) {
  inst *ins = s_new(op);
  s_sym(ins, 0, sym, off, reloc);
  s_lit(ins, 1, bit);
  s_lit(ins, 2, inst_access_bit(sym));
  return ins;
}

static inst *s_literals(int32_t op, int count, int32_t a = 0, int32_t b = 0, int32_t c = 0) {
  inst *ins = s_new(op);
  const int32_t values[3] = {a, b, c};
  for (int i = 0; i < count; i++)
    s_lit(ins, i, values[i]);
  return ins;
}

static inst *s_address(int32_t op, SymbolRecord *sym, int32_t off, uint16_t reloc) {
  inst *ins = s_new(op);
  s_sym(ins, 0, sym, off, reloc);
  return ins;
}

static inst *s_section(int32_t op, SymbolRecord *scn, int32_t off, uint16_t reloc) {
  VELC_ASSERT(scn && scn->name && scn->name[0] == '.');
  return s_address(op, scn, off, reloc);
}

// ---- constructors -------------------------------------------------------------

inst *iqx_opWF(int32_t op, SymbolRecord *sym, int32_t off, int32_t d) {
  inst *ins = s_new(op);
  s_sym(ins, 0, sym, off, RELOCT_F);
  s_lit(ins, 1, d);
  s_lit(ins, 2, inst_access_bit(sym));
  return ins;
}

inst *iqx_MOVWF(SymbolRecord *sym, int32_t off) { return s_file(MOVWF, sym, off, RELOCT_F); }
inst *iqx_MULWF(SymbolRecord *sym, int32_t off) { return s_file(MULWF, sym, off, RELOCT_F); }
inst *iqx_TSTFSZ(SymbolRecord *sym, int32_t off) { return s_file(TSTFSZ, sym, off, RELOCT_F); }
inst *iqx_CPFSEQ(SymbolRecord *sym, int32_t off) { return s_file(CPFSEQ, sym, off, RELOCT_F); }
inst *iqx_CPFSGT(SymbolRecord *sym, int32_t off) { return s_file(CPFSGT, sym, off, RELOCT_F); }
inst *iqx_CPFSLT(SymbolRecord *sym, int32_t off) { return s_file(CPFSLT, sym, off, RELOCT_F); }
inst *iqx_SETF(SymbolRecord *sym, int32_t off) { return s_file(SETF, sym, off, RELOCT_LOW); }
inst *iqx_CLRF(SymbolRecord *sym, int32_t off) { return s_file(CLRF, sym, off, RELOCT_LOW); }
inst *iqx_NEGF(SymbolRecord *sym, int32_t off) { return s_file(NEGF, sym, off, RELOCT_LOW); }

inst *iqx_BTFSC(SymbolRecord *sym, int32_t off, int32_t bit) { return s_bit(BTFSC, sym, off, bit, RELOCT_F); }
inst *iqx_BTFSS(SymbolRecord *sym, int32_t off, int32_t bit) { return s_bit(BTFSS, sym, off, bit, RELOCT_F); }
inst *iqx_BCF(SymbolRecord *sym, int32_t off, int32_t bit) { return s_bit(BCF, sym, off, bit, RELOCT_LOW); }
inst *iqx_BSF(SymbolRecord *sym, int32_t off, int32_t bit) { return s_bit(BSF, sym, off, bit, RELOCT_LOW); }
inst *iqx_BTG(SymbolRecord *sym, int32_t off, int32_t bit) { return s_bit(BTG, sym, off, bit, RELOCT_LOW); }

// Indexed forms: [k], then d or the bit number, then access bank 0.
inst *iqx_opWF_idx(int32_t op, int32_t k, int32_t d) { return s_literals(op, 3, k, d, 0); }
inst *iqx_SETF_idx(int32_t k) { return s_literals(SETF, 2, k, 0); }
inst *iqx_CLRF_idx(int32_t k) { return s_literals(CLRF, 2, k, 0); }
inst *iqx_NEGF_idx(int32_t k) { return s_literals(NEGF, 2, k, 0); }
inst *iqx_MOVWF_idx(int32_t k) { return s_literals(MOVWF, 2, k, 0); }
inst *iqx_MULWF_idx(int32_t k) { return s_literals(MULWF, 2, k, 0); }
inst *iqx_TSTFSZ_idx(int32_t k) { return s_literals(TSTFSZ, 2, k, 0); }
inst *iqx_CPFSLT_idx(int32_t k) { return s_literals(CPFSLT, 2, k, 0); }
inst *iqx_CPFSGT_idx(int32_t k) { return s_literals(CPFSGT, 2, k, 0); }
inst *iqx_CPFSEQ_idx(int32_t k) { return s_literals(CPFSEQ, 2, k, 0); }
inst *iqx_BCF_idx(int32_t k, int32_t bit) { return s_literals(BCF, 3, k, bit, 0); }
inst *iqx_BSF_idx(int32_t k, int32_t bit) { return s_literals(BSF, 3, k, bit, 0); }
inst *iqx_BTG_idx(int32_t k, int32_t bit) { return s_literals(BTG, 3, k, bit, 0); }
inst *iqx_BTFSS_idx(int32_t k, int32_t bit) { return s_literals(BTFSS, 3, k, bit, 0); }
inst *iqx_BTFSC_idx(int32_t k, int32_t bit) { return s_literals(BTFSC, 3, k, bit, 0); }

inst *iqx_opLW(int32_t op, int32_t k) { return s_literals(op, 1, k); }
inst *iqx_MOVLW(int32_t k) { return s_literals(MOVLW, 1, k); }
inst *iqx_ADDLW(int32_t k) { return s_literals(ADDLW, 1, k); }
inst *iqx_SUBLW(int32_t k) { return s_literals(SUBLW, 1, k); }
inst *iqx_ANDLW(int32_t k) { return s_literals(ANDLW, 1, k); }
inst *iqx_IORLW(int32_t k) { return s_literals(IORLW, 1, k); }
inst *iqx_XORLW(int32_t k) { return s_literals(XORLW, 1, k); }
inst *iqx_MULLW(int32_t k) { return s_literals(MULLW, 1, k); }
inst *iqx_RETLW(int32_t k) { return s_literals(RETLW, 1, k); }
inst *iqx_MOVLB(int32_t k) { return s_literals(MOVLB, 1, k); }
inst *iqx_PUSHL(int32_t k) { return s_literals(PUSHL, 1, k); }
inst *iqx_RETURN(int32_t s) { return s_literals(RETURN, 1, s); }
inst *iqx_RETFIE(int32_t s) { return s_literals(RETFIE, 1, s); }
inst *iqx_ADDULNK(int32_t k) { return s_literals(ADDULNK, 1, k); }
inst *iqx_SUBULNK(int32_t k) { return s_literals(SUBULNK, 1, k); }
inst *iqx_RCALLliteral(int32_t k) { return s_literals(RCALL, 1, k); }
inst *iqx_BRA(int32_t k) { return s_literals(BRA, 1, k); }
inst *iqx_BZ(int32_t k) { return s_literals(BZ, 1, k); }
inst *iqx_BNZ(int32_t k) { return s_literals(BNZ, 1, k); }
inst *iqx_BC(int32_t k) { return s_literals(BC, 1, k); }
inst *iqx_BNC(int32_t k) { return s_literals(BNC, 1, k); }
inst *iqx_BOV(int32_t k) { return s_literals(BOV, 1, k); }
inst *iqx_BNOV(int32_t k) { return s_literals(BNOV, 1, k); }
inst *iqx_BN(int32_t k) { return s_literals(BN, 1, k); }
inst *iqx_BNN(int32_t k) { return s_literals(BNN, 1, k); }

inst *iqx_LADDRL(SymbolRecord *sym, int32_t off) { return s_address(MOVLW, sym, off, RELOCT_LOW); }
inst *iqx_LADDRH(SymbolRecord *sym, int32_t off) { return s_address(MOVLW, sym, off, RELOCT_HIGH); }
inst *iqx_LADDRU(SymbolRecord *sym, int32_t off) { return s_address(MOVLW, sym, off, RELOCT_UPPER); }
inst *iqx_ADDLWADDRL(SymbolRecord *sym, int32_t off) { return s_address(ADDLW, sym, off, RELOCT_LOW); }
inst *iqx_ADDLWADDRH(SymbolRecord *sym, int32_t off) { return s_address(ADDLW, sym, off, RELOCT_HIGH); }
inst *iqx_ADDLWADDRU(SymbolRecord *sym, int32_t off) { return s_address(ADDLW, sym, off, RELOCT_UPPER); }
inst *iqx_ANDLWADDRL(SymbolRecord *sym, int32_t off) { return s_address(ANDLW, sym, off, RELOCT_LOW); }
inst *iqx_IORLWADDRL(SymbolRecord *sym, int32_t off) { return s_address(IORLW, sym, off, RELOCT_LOW); }
inst *iqx_XORLWADDRL(SymbolRecord *sym, int32_t off) { return s_address(XORLW, sym, off, RELOCT_LOW); }
inst *iqx_SUBADDRL(SymbolRecord *sym, int32_t off) { return s_address(SUBLW, sym, off, RELOCT_LOW); }
inst *iqx_PUSHLADDRL(SymbolRecord *sym, int32_t off) { return s_address(PUSHL, sym, off, RELOCT_LOW); }
inst *iqx_PUSHLADDRH(SymbolRecord *sym, int32_t off) { return s_address(PUSHL, sym, off, RELOCT_HIGH); }
inst *iqx_PUSHLADDRU(SymbolRecord *sym, int32_t off) { return s_address(PUSHL, sym, off, RELOCT_UPPER); }
inst *iqx_BANKSEL(SymbolRecord *sym, int32_t off) { return s_address(MOVLB, sym, off, RELOCT_HIGH); }

inst *iqx_LSCNENDL(SymbolRecord *scn, int32_t off) { return s_section(MOVLW, scn, off, RELOCT_SCNEND_LOW); }
inst *iqx_LSCNENDH(SymbolRecord *scn, int32_t off) { return s_section(MOVLW, scn, off, RELOCT_SCNEND_HIGH); }
inst *iqx_LSCNENDU(SymbolRecord *scn, int32_t off) { return s_section(MOVLW, scn, off, RELOCT_SCNEND_UPPER); }
inst *iqx_LSCNSIZEL(SymbolRecord *scn, int32_t off) { return s_section(MOVLW, scn, off, RELOCT_SCNSZ_LOW); }
inst *iqx_LSCNSIZEH(SymbolRecord *scn, int32_t off) { return s_section(MOVLW, scn, off, RELOCT_SCNSZ_HIGH); }
inst *iqx_LSCNSIZEU(SymbolRecord *scn, int32_t off) { return s_section(MOVLW, scn, off, RELOCT_SCNSZ_UPPER); }

inst *iqx_LFSRSCNEND(SymbolRecord *scn, int32_t off, int32_t fsr) {
  VELC_ASSERT(scn && scn->name && scn->name[0] == '.');
  inst *ins = s_new(LFSR);
  s_lit(ins, 0, fsr);
  s_sym(ins, 1, scn, off, RELOCT_SCNEND_LFSR1);
  return ins;
}
inst *iqx_LFSRSCNEND2(SymbolRecord *scn, int32_t off) { return s_section(WORD2, scn, off, RELOCT_SCNEND_LFSR2); }

inst *iqx_MOVFF(SymbolRecord *src, int32_t srcoff) { return s_address(MOVFF, src, srcoff, RELOCT_FF1); }
inst *iqx_MOVFF2(SymbolRecord *, int32_t, SymbolRecord *dst, int32_t dstoff) {
  return s_address(WORD2, dst, dstoff, RELOCT_FF2);
}
inst *iqx_LFSR(SymbolRecord *sym, int32_t off, int32_t fsr) {
  inst *ins = s_new(LFSR);
  s_lit(ins, 0, fsr);
  s_sym(ins, 1, sym, off, RELOCT_LFSR1);
  return ins;
}
inst *iqx_LFSR2(SymbolRecord *sym, int32_t off) { return s_address(WORD2, sym, off, RELOCT_LFSR2); }
inst *iqx_GOTO(SymbolRecord *sym, int32_t off) { return s_address(GOTO, sym, off, RELOCT_GOTO); }
inst *iqx_GOTO2(SymbolRecord *sym, int32_t off) { return s_address(WORD2, sym, off, RELOCT_GOTO2); }
inst *iqx_CALL(SymbolRecord *sym, int32_t off, int32_t s) {
  inst *ins = s_address(CALL, sym, off, RELOCT_CALL);
  s_lit(ins, 1, s);
  return ins;
}
inst *iqx_CALL2(SymbolRecord *sym, int32_t off) { return s_address(WORD2, sym, off, RELOCT_GOTO2); }
inst *iqx_MOVSF(int32_t k) { return s_literals(MOVSF, 1, k); }
inst *iqx_MOVSF2(int32_t, SymbolRecord *dst, int32_t dstoff) { return s_address(WORD2, dst, dstoff, RELOCT_FF2); }
inst *iqx_MOVSS(int32_t k) { return s_literals(MOVSS, 1, k); }
inst *iqx_MOVSS2(int32_t, int32_t k2) { return s_literals(WORD2, 1, k2); }

inst *iqx_NOP() { return s_new(NOP); }
inst *iqx_CALLW() { return s_new(CALLW); }
inst *iqx_TBLRD() { return s_new(TBLRD); }
inst *iqx_TBLRDPOSTINC() { return s_new(TBLRDPOSTINC); }
inst *iqx_TBLRDPOSTDEC() { return s_new(TBLRDPOSTDEC); }
inst *iqx_TBLRDPREINC() { return s_new(TBLRDPREINC); }
inst *iqx_TBLWT() { return s_new(TBLWT); }
inst *iqx_TBLWTPOSTINC() { return s_new(TBLWTPOSTINC); }
inst *iqx_TBLWTPOSTDEC() { return s_new(TBLWTPOSTDEC); }
inst *iqx_TBLWTPREINC() { return s_new(TBLWTPREINC); }

inst *iqx_ADDFSR(int32_t f, int32_t k) { return s_literals(ADDFSR, 2, f, k); }
inst *iqx_SUBFSR(int32_t f, int32_t k) { return s_literals(SUBFSR, 2, f, k); }

// ---- listing ------------------------------------------------------------------

// A symbol operand: name, " + offset", wrapped for the high and upper bytes.
static void s_print_symbol(char *out, size_t size, const inst_operand &op) {
  const char *name = op.data.symbol.sym && op.data.symbol.sym->name ? op.data.symbol.sym->name : "NULL";
  char body[600];
  if (op.data.symbol.offset != 0)
    snprintf(body, sizeof body, "%s + %ld", name, static_cast<long>(op.data.symbol.offset));
  else
    snprintf(body, sizeof body, "%s", name);
  if (op.reloc == RELOCT_HIGH)
    snprintf(out, size, "high( %s )", body);
  else if (op.reloc == RELOCT_UPPER)
    snprintf(out, size, "upper( %s )", body);
  else
    snprintf(out, size, "%s", body);
}

const char *inst_print(const inst *ins) {
  static char buffer[2048];
  size_t used = 0;
  const char *name = ins->opcode >= 1 && ins->opcode <= INST_TYPE_MAX ? getInstName(ins->opcode) : "???";
  for (; name[used] && used < 63; used++)
    buffer[used] = static_cast<char>(tolower(static_cast<unsigned char>(name[used])));
  buffer[used] = '\0';
  for (int n = 0; n < 4; n++) {
    const inst_operand &op = ins->operand[n];
    if (op.type == NULL_OP)
      continue;
    char text[700];
    if (op.type == SYMBOL_OP) {
      s_print_symbol(text, sizeof text, op);
    } else {
      long value = op.data.literal;
      if (n == 0 && (ins->opcode == CALL || ins->opcode == GOTO))
        value *= 2;  // a word address shown as a byte address
      snprintf(text, sizeof text, "%ld", value);
    }
    used += static_cast<size_t>(snprintf(buffer + used, sizeof buffer - used, "%s%s", n == 0 ? " " : ", ", text));
    if (used >= sizeof buffer)
      used = sizeof buffer - 1;
  }
  return buffer;
}
