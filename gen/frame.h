// Frames and calls: the prologue and epilogue around a function body, the
// call sequences with their argument pop, and the small emitters of
// run-time conventions that rule actions use. Every function returns an
// output-code list (null when there is nothing to emit).
#ifndef VELC_GEN_FRAME_H
#define VELC_GEN_FRAME_H

#include "gen/ocode.h"

// The complete function: prologue, body, epilogue and RETURN 0, or for an
// interrupt routine its context saving and RETFIE (the begin and end
// markers are added by the statement loop).
ocode *oqxProcessFunction(ocode *body, long local_size, long param_size, long return_size,
                          SymbolRecord *fsym, long begin_line, const char *begin_file, long end_line,
                          const char *end_file);
// Prologue and epilogue of a frame with L bytes of locals and P of
// parameters; null when no frame is needed (no parameters, no locals, a
// result of at most 4 bytes).
ocode *s_allocate_frame(long L, long P, long return_size, long line, const char *file);
ocode *s_deallocate_frame(long L, long P, long return_size, long line, const char *file);
ocode *oqx_call_direct(SymbolRecord *fsym, long offset, long arg_bytes, long line, const char *file);
ocode *oqx_call_indirect(SymbolRecord *ptr, long offset, bool banked, long arg_bytes, bool far_pointer,
                         long line, const char *file);
ocode *s_call_pop_argframe(long n, long line, const char *file);
ocode *oqxStackAlloc(long n, long line, const char *file);
ocode *oqxCallCMATHqx(SymbolRecord *routine, long line, const char *file);
ocode *oqxLoadFSR(int fsr, SymbolRecord *sym, long offset, long line, const char *file);
ocode *oqxLoadAddressF(SymbolRecord *sym, long offset, SymbolRecord *dst, long dst_offset, int bytes,
                       long line, const char *file);
ocode *oqxLoadStackSymAddress(long frame_offset, SymbolRecord *dst, long dst_offset, long line,
                              const char *file);
ocode *oqxLoadW(SymbolRecord *sym, long offset, long line, const char *file);
ocode *oqxMovSS(long k, long k2, long line, const char *file);
ocode *oqxMovSF(long k, SymbolRecord *dst, long dst_offset, long line, const char *file);
ocode *oqxMovFFX(long n, SymbolRecord *src, long src_offset, SymbolRecord *dst, long dst_offset, long line,
                 const char *file);
ocode *oqxMovWF(SymbolRecord *sym, long offset, long line, const char *file);
// An automatic aggregate's initial bytes stored into its frame slots.
ocode *oqx_initialize_stack_block_idx(long frame_offset, const unsigned char *bytes, long n, long line,
                                      const char *file);
ocode *oqxBanksel(SymbolRecord *sym, long offset, long line, const char *file);

#endif
