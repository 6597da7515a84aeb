// The run-time library of compiled programs, one object: the integer helpers
// that generated code calls for division, remainder, the wider
// multiplications and powers of two, and the floating-point comparisons and
// conversions. In: nothing but these definitions. Out:
// functions whose bodies are in-line assembly; each takes its operands on the
// software stack and leaves its result there (docs/runtime.md).
#include "div08.c"
#include "div16.c"
#include "div24.c"
#include "div32.c"
#include "mul.c"
#include "pow2x16.c"
#include "float_cmp.c"
#include "float_cast.c"
#include "float_arith.c"
