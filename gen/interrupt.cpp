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

// Only objects in data memory are saved (a function or a rom object named
// in a save list is left out).
static bool s_data_object(const SymbolRecord *sym) {
  const TypeRecord *t = sym->type == VARIABLE ? sym->data.var.type : nullptr;
  return t && t->type != FUNCTION_TYPE && t->location != ROM_LOC;
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
// pointers and PCL are never saved from the list, nor anything that is not
// in data memory.
static std::vector<Saved> s_save_list(const InterruptRecord *rec, bool save_tmpdata) {
  std::vector<Saved> out;
  if (save_tmpdata)
    out.push_back({s_tmpdata_section(), 0});
  for (const InterruptRecord::SaveItem *item = rec->saves; item; item = item->next) {
    if (!item->sym)
      continue;
    if (s_is_section(item->sym))
      out.push_back({item->sym, 0});
    else if (s_data_object(item->sym) && !s_compiler_managed(item->sym) && item->size > 0)
      out.push_back({item->sym, item->size});
  }
  return out;
}

// What the body may do: call functions, and change each resource.
struct Changes {
  bool call;
  IsrChange fsr0, fsr2, math, tblptr, tblptru, tablat, prod, pclath, pclatu;
};

static Changes s_analyse(const ocode *body) {
  return {s_does_make_function_call(body),   isr_does_change(body, ISR_FSR0),
          isr_does_change(body, ISR_FSR2),    isr_does_change(body, ISR_MATH_DATA),
          isr_does_change(body, ISR_TBLPTR),  isr_does_change(body, ISR_TBLPTRU),
          isr_does_change(body, ISR_TABLAT),  isr_does_change(body, ISR_PROD),
          isr_does_change(body, ISR_PCLATH),  isr_does_change(body, ISR_PCLATU)};
}

// Whether ".tmpdata" is saved: the body calls a function (or a save clause
// named it), and the nosave list does not name it.
static bool s_saves_tmpdata(const InterruptRecord *rec, const Changes &c) {
  return (c.call || s_tmpdata_in_savelist) && !s_nosave(rec, NOSAVE_TMPDATA);
}

// The resources in save order (each low byte first); restored backwards.
static std::vector<Saved> s_resources(const InterruptRecord *rec, const Changes &c, long local_size) {
  bool has_section = false;
  for (const InterruptRecord::SaveItem *item = rec->saves; item; item = item->next)
    has_section = has_section || (item->sym && s_is_section(item->sym));
  // The upper bytes: in the small model only when surely written.
  bool large = memory_model != 0;
  bool tblptru = large ? c.tblptr != ISR_UNCHANGED || c.tblptru != ISR_UNCHANGED : c.tblptru == ISR_WRITTEN;
  bool pclatu = large ? c.pclath != ISR_UNCHANGED || c.pclatu != ISR_UNCHANGED : c.pclatu == ISR_WRITTEN;
  const struct {
    pragma_nosave nosave;
    bool condition;
    IsrChange change;
    const char *shown;
    Saved saved;
  } rows[] = {
      {NOSAVE_FSR0, has_section || c.fsr0 != ISR_UNCHANGED || s_saves_tmpdata(rec, c) || s_fsr0_in_savelist,
       c.fsr0, "FSR0", {FSR0sym, 2}},
      {NOSAVE_RETVAL0, c.call || c.math != ISR_UNCHANGED || s_retval0_in_savelist, c.math,
       "__RETVAL0 (MATH_DATA)", {__RETVAL0sym, 4}},
      {NOSAVE_TBLPTR, c.call || c.tblptr != ISR_UNCHANGED || s_tblptr_in_savelist, c.tblptr, "TBLPTR",
       {TBLPTRLsym, 2}},
      {NOSAVE_TBLPTRU, tblptru || s_tblptru_in_savelist, c.tblptru, "TBLPTRU", {TBLPTRUsym, 1}},
      {NOSAVE_TABLAT, c.call || c.tablat != ISR_UNCHANGED || s_tablat_in_savelist, c.tablat, "TABLAT",
       {TABLATsym, 1}},
      {NOSAVE_PROD, c.prod != ISR_UNCHANGED || s_prod_in_savelist, c.prod, "PROD", {PRODLsym, 2}},
      {NOSAVE_PCLATH, c.call || c.pclath != ISR_UNCHANGED || s_pclath_in_savelist, c.pclath, "PCLATH",
       {PCLATHsym, 1}},
      {NOSAVE_PCLATU, pclatu || s_pclatu_in_savelist, c.pclatu, "PCLATU", {PCLATUsym, 1}},
  };
  std::vector<Saved> out;
  for (const auto &row : rows) {
    if (s_decide(rec, row.nosave, row.condition, row.change, row.shown))
      out.push_back(row.saved);
    // FSR2, which has no nosave, follows FSR0; a frame keeps it otherwise.
    if (row.nosave == NOSAVE_FSR0 && local_size == 0 && c.fsr2 != ISR_UNCHANGED)
      out.push_back({FSR2sym, 2});
  }
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
  Changes changes = s_analyse(body);
  std::vector<Saved> resources = s_resources(rec, changes, local_size);
  std::vector<Saved> list = s_save_list(rec, s_saves_tmpdata(rec, changes));
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
