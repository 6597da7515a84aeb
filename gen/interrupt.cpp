// Interrupt service routines. In: a routine's reduced body, its locals size
// and its interrupt record (priority, save list, nosave flags). Out: the
// complete routine: the context the body may change pushed above the
// interrupted code's FSR1 with PREINC1, the frame, the body, the frame
// released, the context popped with POSTDEC1 in exactly the reverse order,
// and RETFIE (1 for high priority, whose WREG, STATUS and BSR the shadow
// registers keep). Warnings 2075 (a nosave location the body changes) and
// 3003 (a nosave location of the minimal context) name the pragma's line.
//
// Saved sections are copied byte by byte through FSR0 by a loop that stops
// when FSR0 reaches the section's far end, so the count is 16 bits wide: a
// section of 256 bytes or more is saved whole, and an empty one not at all.
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "driver/diag.h"
#include "driver/settings.h"
#include "front/pragma.h"
#include "gen/frame.h"
#include "gen/gen.h"
#include "gen/interrupt.h"
#include "trans/type.h"

namespace {

// One saved item: a register group or variable of n bytes, or a section.
struct Saved {
  SymbolRecord *sym;
  long bytes;  // 0 for a section
};

struct Emit {
  ocode *list;
  long line;
  const char *file;
};

}  // namespace

static void s_inst(Emit &e, inst *ins) { e.list = objAppend(e.list, objInst(ins, e.line, e.file)); }

static void s_movff(Emit &e, SymbolRecord *s, long so, SymbolRecord *d, long dof) {
  s_inst(e, iqx_MOVFF(s, int32_t(so)));
  s_inst(e, iqx_MOVFF2(s, int32_t(so), d, int32_t(dof)));
}

const InterruptRecord *isr_record(const SymbolRecord *fsym) {
  for (const InterruptRecord *r = trn_interrupt_list(); r; r = r->next)
    if (r->function == fsym)
      return r;
  return nullptr;
}

// Messages of the routine name the line and file of its pragma.
static void s_at_pragma(const InterruptRecord *rec) {
  yylineno = rec->pragma_line;
  if (rec->pragma_file)
    snprintf(yyfilename, sizeof yyfilename, "%s", rec->pragma_file);
}

static bool s_nosave(const InterruptRecord *rec, pragma_nosave n) { return rec->words[10 + n] != 0; }

// ---- what to save ------------------------------------------------------------

// Whether the resource is saved: its condition holds and it is not in the
// nosave list. A nosave resource that the body surely writes warns 2075.
static bool s_decide(const InterruptRecord *rec, pragma_nosave n, bool condition, IsrChange change,
                     const char *shown) {
  if (!s_nosave(rec, n))
    return condition;
  if (change == ISR_WRITTEN)
    post_error(2075, shown);
  return false;
}

static bool s_is_section(const SymbolRecord *sym) { return sym->name && sym->name[0] == '.'; }

static bool s_compiler_managed(const SymbolRecord *sym) {
  long address;
  int bytes;
  SymbolRecord *group;
  if (!gen_register_info(sym, &address, &bytes, &group) && sym != __RETVAL0sym)
    return false;
  for (int i = 0; i < compiler_managed_locations_count; i++)
    if (strcmp(compiler_managed_locations[i], sym->name) == 0)
      return true;
  return false;
}

static SymbolRecord *s_tmpdata_section() {
  TypeRecord *t = type_copy(char_type);
  t->location = RAM_LOC;
  t->range = FAR_RANGE;
  return sym_create_symbol(".tmpdata", t, LINKAGE_EXTERNAL, EXTERN);
}

// The pragma's save list in order, ".tmpdata" at its head when the routine
// calls functions. Compiler-managed locations named there are left to the
// resources above (their save flags force them); the stack and frame
// pointers and PCL are never saved from the list.
static std::vector<Saved> s_save_list(const InterruptRecord *rec, bool save_tmpdata) {
  std::vector<Saved> out;
  if (save_tmpdata)
    out.push_back({s_tmpdata_section(), 0});
  for (const InterruptRecord::SaveItem *item = rec->saves; item; item = item->next) {
    if (!item->sym)
      continue;
    if (s_is_section(item->sym))
      out.push_back({item->sym, 0});
    else if (!s_compiler_managed(item->sym) && item->size > 0)
      out.push_back({item->sym, item->size});
  }
  return out;
}

// The resources in save order (each low byte first); restored backwards.
static std::vector<Saved> s_resources(const InterruptRecord *rec, const ocode *body, long local_size,
                                      bool *save_tmpdata) {
  bool call = s_does_make_function_call(body);
  bool large = memory_model != 0;
  IsrChange fsr0 = isr_does_change(body, ISR_FSR0), math = isr_does_change(body, ISR_MATH_DATA);
  IsrChange tblptr = isr_does_change(body, ISR_TBLPTR), tblptru = isr_does_change(body, ISR_TBLPTRU);
  IsrChange tablat = isr_does_change(body, ISR_TABLAT), prod = isr_does_change(body, ISR_PROD);
  IsrChange pclath = isr_does_change(body, ISR_PCLATH), pclatu = isr_does_change(body, ISR_PCLATU);
  bool has_section = false;
  for (const InterruptRecord::SaveItem *item = rec->saves; item; item = item->next)
    has_section = has_section || (item->sym && s_is_section(item->sym));
  *save_tmpdata = (call || s_tmpdata_in_savelist) && !s_nosave(rec, NOSAVE_TMPDATA);

  std::vector<Saved> out;
  if (s_decide(rec, NOSAVE_FSR0, has_section || fsr0 != ISR_UNCHANGED || *save_tmpdata || s_fsr0_in_savelist,
               fsr0, "FSR0"))
    out.push_back({FSR0sym, 2});
  if (local_size == 0 && isr_does_change(body, ISR_FSR2) != ISR_UNCHANGED)
    out.push_back({FSR2sym, 2});
  if (s_decide(rec, NOSAVE_RETVAL0, call || math != ISR_UNCHANGED || s_retval0_in_savelist, math,
               "__RETVAL0 (MATH_DATA)"))
    out.push_back({__RETVAL0sym, 4});
  if (s_decide(rec, NOSAVE_TBLPTR, call || tblptr != ISR_UNCHANGED || s_tblptr_in_savelist, tblptr, "TBLPTR"))
    out.push_back({TBLPTRLsym, 2});
  bool u = large ? tblptr != ISR_UNCHANGED || tblptru != ISR_UNCHANGED : tblptru == ISR_WRITTEN;
  if (s_decide(rec, NOSAVE_TBLPTRU, u || s_tblptru_in_savelist, tblptru, "TBLPTRU"))
    out.push_back({TBLPTRUsym, 1});
  if (s_decide(rec, NOSAVE_TABLAT, call || tablat != ISR_UNCHANGED || s_tablat_in_savelist, tablat, "TABLAT"))
    out.push_back({TABLATsym, 1});
  if (s_decide(rec, NOSAVE_PROD, prod != ISR_UNCHANGED || s_prod_in_savelist, prod, "PROD"))
    out.push_back({PRODLsym, 2});
  if (s_decide(rec, NOSAVE_PCLATH, call || pclath != ISR_UNCHANGED || s_pclath_in_savelist, pclath, "PCLATH"))
    out.push_back({PCLATHsym, 1});
  u = large ? pclath != ISR_UNCHANGED || pclatu != ISR_UNCHANGED : pclatu == ISR_WRITTEN;
  if (s_decide(rec, NOSAVE_PCLATU, u || s_pclatu_in_savelist, pclatu, "PCLATU"))
    out.push_back({PCLATUsym, 1});
  return out;
}

// ---- section copy loops --------------------------------------------------------

// FSR0 walks the section from its start; each byte goes to PREINC1 until FSR0
// reaches the byte after the section's end (both FSR0 bytes compared).
static void s_save_section(Emit &e, SymbolRecord *scn) {
  s_inst(e, iqx_LFSR(scn, 0, 0));
  s_inst(e, iqx_LFSR2(scn, 0));
  s_inst(e, iqx_LSCNENDL(scn, 1));
  s_inst(e, iqx_opWF(XORWF, FSR0Lsym, 0, DEST_W));
  e.list = objAppend(e.list, objBNZLiteral(4, e.line, e.file));
  s_inst(e, iqx_LSCNENDH(scn, 1));
  s_inst(e, iqx_opWF(XORWF, FSR0Hsym, 0, DEST_W));
  e.list = objAppend(e.list, objBZLiteral(4, e.line, e.file));
  s_movff(e, POSTINC0sym, 0, PREINC1sym, 0);
  e.list = objAppend(e.list, objBranchLiteral(-8, e.line, e.file));
}

// FSR0 walks the section down from its end; each byte comes from POSTDEC1
// until FSR0 reaches the byte before the section's start.
static void s_restore_section(Emit &e, SymbolRecord *scn) {
  s_inst(e, iqx_LFSRSCNEND(scn, 0, 0));
  s_inst(e, iqx_LFSRSCNEND2(scn, 0));
  s_inst(e, iqx_LADDRL(scn, -1));
  s_inst(e, iqx_opWF(XORWF, FSR0Lsym, 0, DEST_W));
  e.list = objAppend(e.list, objBNZLiteral(4, e.line, e.file));
  s_inst(e, iqx_LADDRH(scn, -1));
  s_inst(e, iqx_opWF(XORWF, FSR0Hsym, 0, DEST_W));
  e.list = objAppend(e.list, objBZLiteral(4, e.line, e.file));
  s_movff(e, POSTDEC1sym, 0, POSTDEC0sym, 0);
  e.list = objAppend(e.list, objBranchLiteral(-8, e.line, e.file));
}

static void s_save(Emit &e, const Saved &s) {
  if (!s.bytes)
    return s_save_section(e, s.sym);
  for (long i = 0; i < s.bytes; i++)
    s_movff(e, s.sym, i, PREINC1sym, 0);
}

static void s_restore(Emit &e, const Saved &s) {
  if (!s.bytes)
    return s_restore_section(e, s.sym);
  for (long i = s.bytes - 1; i >= 0; i--)
    s_movff(e, POSTDEC1sym, 0, s.sym, i);
}

// ---- the routine -----------------------------------------------------------------

// The minimal context of a low-priority routine: STATUS, BSR, WREG, each
// unless the nosave list names it (3003).
static void s_minimal_context(const InterruptRecord *rec, bool *status, bool *bsr, bool *wreg) {
  *status = *bsr = *wreg = !rec->high_priority;
  if (rec->high_priority)
    return;
  const struct {
    pragma_nosave n;
    bool *flag;
    const char *name;
  } rows[] = {{NOSAVE_STATUS, status, "STATUS"}, {NOSAVE_BSR, bsr, "BSR"}, {NOSAVE_WREG, wreg, "WREG"}};
  for (const auto &row : rows) {
    if (s_nosave(rec, row.n)) {
      *row.flag = false;
      post_error(3003, row.name);
    }
  }
}

ocode *s_process_interrupt(ocode *body, long local_size, const InterruptRecord *rec, long begin_line,
                           const char *begin_file, long end_line, const char *end_file) {
  long line = yylineno;
  std::string file = yyfilename;
  s_at_pragma(rec);
  bool save_tmpdata = false;
  std::vector<Saved> resources = s_resources(rec, body, local_size, &save_tmpdata);
  std::vector<Saved> list = s_save_list(rec, save_tmpdata);
  bool status, bsr, wreg;
  s_minimal_context(rec, &status, &bsr, &wreg);
  yylineno = line;
  snprintf(yyfilename, sizeof yyfilename, "%s", file.c_str());
  bool one_bank = stack_multi_bank_flag == 0;

  Emit e{nullptr, begin_line, begin_file};
  if (status)
    s_movff(e, STATUSsym, 0, PREINC1sym, 0);
  if (bsr)
    s_movff(e, BSRsym, 0, PREINC1sym, 0);
  if (wreg)
    s_inst(e, iqx_MOVWF(PREINC1sym, 0));
  if (one_bank) {
    s_movff(e, FSR2Hsym, 0, PREINC1sym, 0);
    s_movff(e, FSR1Hsym, 0, FSR2Hsym, 0);
  }
  for (const Saved &s : resources)
    s_save(e, s);
  for (const Saved &s : list)
    s_save(e, s);
  s_inst(e, iqx_opWF(MOVF, POSTINC1sym, 0, DEST_F));
  e.list = objAppend(e.list, s_allocate_frame(local_size, 0, 0, begin_line, begin_file));
  e.list = objAppend(e.list, body);

  e.line = end_line;
  e.file = end_file;
  e.list = objAppend(e.list, s_deallocate_frame(local_size, 0, 0, end_line, end_file));
  s_inst(e, iqx_opWF(MOVF, POSTDEC1sym, 0, DEST_F));
  for (auto it = list.rbegin(); it != list.rend(); ++it)
    s_restore(e, *it);
  for (auto it = resources.rbegin(); it != resources.rend(); ++it)
    s_restore(e, *it);
  if (one_bank)
    s_movff(e, POSTDEC1sym, 0, FSR2Hsym, 0);
  if (wreg)
    s_inst(e, iqx_opWF(MOVF, POSTDEC1sym, 0, DEST_W));
  if (bsr)
    s_movff(e, POSTDEC1sym, 0, BSRsym, 0);
  if (status)
    s_movff(e, POSTDEC1sym, 0, STATUSsym, 0);
  s_inst(e, iqx_RETFIE(rec->high_priority ? 1 : 0));
  return e.list;
}
