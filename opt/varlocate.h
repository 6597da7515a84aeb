// The varlocate list that "#pragma varlocate" fills during the parse and the
// optimiser applies to the symbols later. A library of its own below the
// front end, so that the front end does not depend on the optimiser.
#ifndef VELC_OPT_VARLOCATE_H
#define VELC_OPT_VARLOCATE_H

#include <cstdint>

enum varlocate_kind : uint32_t {
  VARLOCATE_BANK = 0,     // the variable lives in a given bank
  VARLOCATE_SECTION = 1,  // the variable lives in a given section
};

// One varlocate entry; the list is newest first.
struct varlocate_entry {
  uint32_t kind;          // varlocate_kind
  uint32_t value;         // bank number (VARLOCATE_BANK)
  char *name;             // variable (owned)
  char *section;          // section name (VARLOCATE_SECTION, owned)
  varlocate_entry *next;  // older entry
};

// Records that variable name lives in bank (entry at the front of the list).
void opt_varlocate_bank(const char *name, uint32_t bank);
// Records that variable name lives in section (entry at the front of the list).
void opt_varlocate_section(const char *name, const char *section);
// The newest entry, or null; follow next for older ones.
const varlocate_entry *opt_varlocate_first();
// Frees the whole list.
void opt_varlocate_clear();

#endif
