// The module's life: scopes, the master list, the five default sections and
// the generated-name counters start together and end together.
#include "trans/symtbl_internal.h"

#include "driver/diag.h"

static bool s_begun;

void sym_begin_module() {
  VELC_ASSERT(!s_begun);  // once per run
  s_begun = true;
  sym_master_begin_module();
  sym_sections_begin_module();
  sym_scopes_begin_module();
  sym_generated_reset();
}

void sym_end_module() {
  if (!s_begun)
    return;
  sym_sections_end_module();
  sym_master_end_module();
  sym_scopes_end_module();
  s_begun = false;
}
