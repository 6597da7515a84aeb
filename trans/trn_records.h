// Records the translation leaves for the code generator and the object
// emitter: the switch record of an I_SWITCH statement, the initial data of
// statically allocated objects (data.var.init), and the interrupt records
// made by "#pragma interrupt" and "#pragma interruptlow".
#ifndef VELC_TRANS_TRN_RECORDS_H
#define VELC_TRANS_TRN_RECORDS_H

#include <cstdint>

#include "trans/symtbl.h"
#include "trans/type.h"

// One case of a switch: its value read by the switch's type, and its label.
struct SwitchCase {
  long value;
  SymbolRecord *label;
  SwitchCase *next;
};
// An open or finished switch; the dispatch over the cases is the code
// generator's (from the newest case, then default or exit).
struct SwitchRecord {
  TypeRecord *type;          // the promoted controlling expression's type (kept)
  SymbolRecord *exit_label;
  SymbolRecord *default_label;
  SwitchCase *cases;         // newest first
  SwitchRecord *enclosing;
};
// A piece of a static object's initial data: a run of plain bytes, or one
// byte of an address.
enum InitKind : int32_t { INIT_VALUE = 0, INIT_ADDRESS = 1, INIT_EXPRESSION = 2 };
struct InitRecord {
  InitKind kind;
  uint8_t value;          // INIT_VALUE: the run's first byte
  long count;             // INIT_VALUE in a symbol's list: the run's length, 1 or more
  const uint8_t *bytes;   // INIT_VALUE in a symbol's list: the run's bytes
  SymbolRecord *sym;      // INIT_ADDRESS
  long offset;            // INIT_ADDRESS: added to the symbol's address
  int byte;               // INIT_ADDRESS: which byte of the address, 0 lowest
  pcodell_t *expr;        // INIT_EXPRESSION (automatic objects)
  InitRecord *next;
};
// The initial data of a symbol (data.var.init), or null.
const InitRecord *trn_initial_data(const SymbolRecord *sym);

// One interrupt service routine: its temporary-data section, priority,
// the pragma's words and the save list (newest clause item first).
struct InterruptRecord {
  SymbolRecord *function;
  char *tmp_section;        // owned
  int high_priority;
  long pragma_line;         // position of the pragma, for messages about the routine
  char *pragma_file;        // owned
  uint32_t words[22];
  struct SaveItem {
    SymbolRecord *sym;      // a saved symbol, or a section symbol ".%s"
    long size;
    SaveItem *next;
  } *saves;
  InterruptRecord *next;
};
// The interrupt records of the unit, newest first.
const InterruptRecord *trn_interrupt_list();

#endif
