// Interrupt service routines: the context analysis of a routine's code (what
// it and its callees may change) and the context saving around its body.
#ifndef VELC_GEN_INTERRUPT_H
#define VELC_GEN_INTERRUPT_H

#include "gen/ocode.h"
#include "trans/trn_records.h"

// The resources whose change the analysis reports.
enum IsrResource {
  ISR_MATH_DATA,  // __RETVAL0, 4 bytes
  ISR_PROD,
  ISR_TBLPTR,     // TBLPTRL, TBLPTRH
  ISR_TBLPTRU,
  ISR_TABLAT,
  ISR_PCLATH,
  ISR_PCLATU,
  ISR_FSR0,
  ISR_FSR2,
};
// The answer of the analysis: not written, written by an instruction of the
// list (the scan stops there), or possibly written by a call (the scan goes on).
enum IsrChange { ISR_UNCHANGED = 0, ISR_WRITTEN = 1, ISR_BY_CALL = 2 };

// Whether the list, up to the next function marker, calls a function other
// than a run-time math routine (CALLW always counts).
bool s_does_make_function_call(const ocode *list);
// Whether the list, up to the next function marker, changes the resource.
IsrChange isr_does_change(const ocode *list, IsrResource r);

// The interrupt record of a function, or null when it is no interrupt routine.
const InterruptRecord *isr_record(const SymbolRecord *fsym);
// The complete routine: context save, frame, body, frame release, context
// restore and RETFIE (1 for high priority). Messages 2075 and 3003 name the
// position of the routine's pragma.
ocode *s_process_interrupt(ocode *body, long local_size, const InterruptRecord *rec, long begin_line,
                           const char *begin_file, long end_line, const char *end_file);

#endif
