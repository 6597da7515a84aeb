// The code generator's interface: set-up before translation (genInit), the
// statement loop over the translated statement list (genTranslate), the
// release of its state (genFree), and the special symbols through which all
// emitters name registers, the software stack, the result area and the
// run-time routines.
#ifndef VELC_GEN_GEN_H
#define VELC_GEN_GEN_H

#include "gen/ocode.h"
#include "trans/pcodell.h"
#include "trans/symtbl.h"

// Requires the Harrow instruction set on the selected processor and makes
// the special symbols (genInitSymbols). Runs before translation.
void genInit();
void genInitSymbols();
// Generates the output code of every statement into the output-code list of
// its code section (SectionRecord::code). A statement tree that cannot be
// reduced yet is dumped and reported with message 100 (fatal).
void genTranslate(StatementRecord *list);
// Frees the special symbols and every code section's output-code list.
// Call before sym_end_module.
void genFree();

// ---- special symbols ------------------------------------------------------
// One global per core register (WREGsym, FSR1sym, ...), made by
// genInitSymbols or, where the unit declares the register itself, that
// declaration's symbol.
#define CORE_REG(name, address, bytes, group) extern SymbolRecord *name##sym;
#include "device/core_registers.def"
#undef CORE_REG
extern SymbolRecord *_stacksym;     // the software stack
extern SymbolRecord *__RETVAL0sym;  // 24- and 32-bit results, math data
#define MATH_SYM(name) extern SymbolRecord *name##sym;
#include "gen/math_symbols.def"
#undef MATH_SYM

// Whether sym is one of the run-time math routines.
bool gen_is_math_symbol(const SymbolRecord *sym);
// The core register table's row of a register symbol: its data address,
// byte count and the symbol of its group's lowest byte; false for any
// other symbol.
bool gen_register_info(const SymbolRecord *sym, long *address, int *bytes, SymbolRecord **group);
// The special register symbol of a name, or null.
SymbolRecord *gen_register_symbol(const char *name);
// The symbol of the one-byte core register at a data address, or null.
SymbolRecord *gen_register_at(long address);

#endif
