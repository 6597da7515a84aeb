/* Source files: a ".file" entry for each file the declarations come from,
   ".eof" between them, and the headers met only through line markers at
   the end. */
#include "inc/macros.h"
int before = TWICE(2);
#include "inc/defs.h"
struct header_type ht;
int after = 1;
