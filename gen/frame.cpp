// Frames and calls. In: a function's reduced body with its frame sizes, or
// the operands of a call or of a run-time convention. Out: output code: the
// prologue that saves the caller's frame pointer and reserves the locals,
// the epilogue that undoes it, direct and indirect calls followed by the
// pop of their arguments, and the small load and move sequences that rule
// actions build with.
//
// The software stack grows upward with FSR1 at the next free byte; FSR2 is
// the frame pointer, [0] the first parameter byte (the last parameter, as
// the translator assigns offsets), [P] the saved FSR2L (and [P+1] FSR2H
// when the stack may span banks), the locals above.
#include "driver/settings.h"
#include "gen/frame.h"
#include "gen/gen.h"
#include "gen/interrupt.h"

static ocode *s_inst(ocode *list, inst *ins, long line, const char *file) {
  return objAppend(list, objInst(ins, line, file));
}

static ocode *s_movff(ocode *list, SymbolRecord *s, long so, SymbolRecord *d, long dof, long line,
                      const char *file) {
  list = s_inst(list, iqx_MOVFF(s, int32_t(so)), line, file);
  return s_inst(list, iqx_MOVFF2(s, int32_t(so), d, int32_t(dof)), line, file);
}

// ADDFSR or SUBFSR of an FSR by n, in steps of at most 63.
static ocode *s_fsr_steps(ocode *list, bool add, int fsr, long n, long line, const char *file) {
  while (n > 0) {
    long k = n > 63 ? 63 : n;
    list = s_inst(list, add ? iqx_ADDFSR(fsr, int32_t(k)) : iqx_SUBFSR(fsr, int32_t(k)), line, file);
    n -= k;
  }
  return list;
}

static bool s_needs_frame(long local_size, long param_size, long return_size) {
  return param_size + local_size != 0 || return_size > 4;
}

ocode *s_allocate_frame(long L, long P, long return_size, long line, const char *file) {
  if (!s_needs_frame(L, P, return_size))
    return nullptr;
  bool multi = stack_multi_bank_flag != 0;
  ocode *list = s_movff(nullptr, FSR2Lsym, 0, POSTINC1sym, 0, line, file);
  if (multi)
    list = s_movff(list, FSR2Hsym, 0, POSTINC1sym, 0, line, file);
  list = s_movff(list, FSR1Lsym, 0, FSR2Lsym, 0, line, file);
  if (multi)
    list = s_movff(list, FSR1Hsym, 0, FSR2Hsym, 0, line, file);
  list = s_fsr_steps(list, false, 2, P + (multi ? 2 : 1), line, file);
  return s_fsr_steps(list, true, 1, L, line, file);
}

ocode *s_deallocate_frame(long L, long P, long return_size, long line, const char *file) {
  if (!s_needs_frame(L, P, return_size))
    return nullptr;
  ocode *list = s_fsr_steps(nullptr, false, 1, L + 1, line, file);
  if (stack_multi_bank_flag)
    list = s_movff(list, POSTDEC1sym, 0, FSR2Hsym, 0, line, file);
  return s_movff(list, INDF1sym, 0, FSR2Lsym, 0, line, file);
}

static ocode *s_process_non_interrupt(ocode *body, long local_size, long param_size, long return_size,
                                      long begin_line, const char *begin_file, long end_line,
                                      const char *end_file) {
  ocode *code = s_allocate_frame(local_size, param_size, return_size, begin_line, begin_file);
  code = objAppend(code, body);
  code = objAppend(code, s_deallocate_frame(local_size, param_size, return_size, end_line, end_file));
  return s_inst(code, iqx_RETURN(0), end_line, end_file);
}

ocode *oqxProcessFunction(ocode *body, long local_size, long param_size, long return_size,
                          SymbolRecord *fsym, long begin_line, const char *begin_file, long end_line,
                          const char *end_file) {
  if (const InterruptRecord *rec = isr_record(fsym))
    return s_process_interrupt(body, local_size, rec, begin_line, begin_file, end_line, end_file);
  return s_process_non_interrupt(body, local_size, param_size, return_size, begin_line, begin_file, end_line,
                                 end_file);
}

ocode *s_call_pop_argframe(long n, long line, const char *file) {
  return s_fsr_steps(nullptr, false, 1, n, line, file);
}

ocode *oqxStackAlloc(long n, long line, const char *file) { return s_fsr_steps(nullptr, true, 1, n, line, file); }

ocode *oqx_call_direct(SymbolRecord *fsym, long offset, long arg_bytes, long line, const char *file) {
  ocode *list = s_inst(nullptr, iqx_CALL(fsym, int32_t(offset), 0), line, file);
  list = s_inst(list, iqx_CALL2(fsym, int32_t(offset)), line, file);
  return objAppend(list, s_call_pop_argframe(arg_bytes, line, file));
}

ocode *oqx_call_indirect(SymbolRecord *ptr, long offset, bool banked, long arg_bytes, bool far_pointer,
                         long line, const char *file) {
  ocode *list = nullptr;
  if (far_pointer)
    list = s_movff(list, ptr, offset + 2, PCLATUsym, 0, line, file);
  list = s_movff(list, ptr, offset + 1, PCLATHsym, 0, line, file);
  if (banked)
    list = s_inst(list, iqx_BANKSEL(ptr, int32_t(offset)), line, file);
  list = s_inst(list, iqx_opWF(MOVF, ptr, int32_t(offset), DEST_W), line, file);
  list = s_inst(list, iqx_CALLW(), line, file);
  return objAppend(list, s_call_pop_argframe(arg_bytes, line, file));
}

ocode *oqxCallCMATHqx(SymbolRecord *routine, long line, const char *file) {
  ocode *list = s_inst(nullptr, iqx_CALL(routine, 0, 0), line, file);
  return s_inst(list, iqx_CALL2(routine, 0), line, file);
}

ocode *oqxLoadFSR(int fsr, SymbolRecord *sym, long offset, long line, const char *file) {
  ocode *list = s_inst(nullptr, iqx_LFSR(sym, int32_t(offset), fsr), line, file);
  return s_inst(list, iqx_LFSR2(sym, int32_t(offset)), line, file);
}

static ocode *s_store_w(ocode *list, SymbolRecord *dst, long off, long line, const char *file) {
  if (inst_access_bit(dst))
    list = s_inst(list, iqx_BANKSEL(dst, int32_t(off)), line, file);
  return s_inst(list, iqx_MOVWF(dst, int32_t(off)), line, file);
}

ocode *oqxLoadAddressF(SymbolRecord *sym, long offset, SymbolRecord *dst, long dst_offset, int bytes,
                       long line, const char *file) {
  ocode *list = nullptr;
  for (int i = 0; i < bytes; i++) {
    inst *ins = i == 0   ? iqx_LADDRL(sym, int32_t(offset))
                : i == 1 ? iqx_LADDRH(sym, int32_t(offset))
                         : iqx_LADDRU(sym, int32_t(offset));
    list = s_inst(list, ins, line, file);
    list = s_store_w(list, dst, dst_offset + i, line, file);
  }
  return list;
}

ocode *oqxLoadStackSymAddress(long frame_offset, SymbolRecord *dst, long dst_offset, long line,
                              const char *file) {
  ocode *list = s_inst(nullptr, iqx_MOVLW(int32_t(frame_offset & 0xFF)), line, file);
  list = s_inst(list, iqx_opWF(ADDWF, FSR2Lsym, 0, DEST_W), line, file);
  list = s_store_w(list, dst, dst_offset, line, file);
  list = s_inst(list, iqx_MOVLW(int32_t((frame_offset >> 8) & 0xFF)), line, file);
  list = s_inst(list, iqx_opWF(ADDWFC, FSR2Hsym, 0, DEST_W), line, file);
  return s_store_w(list, dst, dst_offset + 1, line, file);
}

ocode *oqxLoadW(SymbolRecord *sym, long offset, long line, const char *file) {
  ocode *list = nullptr;
  if (inst_access_bit(sym))
    list = s_inst(list, iqx_BANKSEL(sym, int32_t(offset)), line, file);
  return s_inst(list, iqx_opWF(MOVF, sym, int32_t(offset), DEST_W), line, file);
}

ocode *oqxMovSS(long k, long k2, long line, const char *file) {
  ocode *list = s_inst(nullptr, iqx_MOVSS(int32_t(k)), line, file);
  return s_inst(list, iqx_MOVSS2(int32_t(k), int32_t(k2)), line, file);
}

ocode *oqxMovSF(long k, SymbolRecord *dst, long dst_offset, long line, const char *file) {
  ocode *list = s_inst(nullptr, iqx_MOVSF(int32_t(k)), line, file);
  return s_inst(list, iqx_MOVSF2(int32_t(k), dst, int32_t(dst_offset)), line, file);
}

ocode *oqxMovFFX(long n, SymbolRecord *src, long src_offset, SymbolRecord *dst, long dst_offset, long line,
                 const char *file) {
  ocode *list = nullptr;
  for (long i = 0; i < n; i++)
    list = s_movff(list, src, src_offset + i, dst, dst_offset + i, line, file);
  return list;
}

ocode *oqxMovWF(SymbolRecord *sym, long offset, long line, const char *file) {
  return objInst(iqx_MOVWF(sym, int32_t(offset)), line, file);
}

ocode *oqxBanksel(SymbolRecord *sym, long offset, long line, const char *file) {
  return objInst(iqx_BANKSEL(sym, int32_t(offset)), line, file);
}

ocode *oqx_initialize_stack_block_idx(long frame_offset, const unsigned char *bytes, long n, long line,
                                      const char *file) {
  ocode *list = nullptr;
  for (long i = 0; i < n; i++) {
    int32_t k = int32_t(frame_offset + i);
    if (bytes[i] == 0) {
      list = s_inst(list, iqx_CLRF_idx(k), line, file);
    } else if (bytes[i] == 0xFF) {
      list = s_inst(list, iqx_SETF_idx(k), line, file);
    } else {
      list = s_inst(list, iqx_MOVLW(bytes[i]), line, file);
      list = s_inst(list, iqx_MOVWF_idx(k), line, file);
    }
  }
  return list;
}
