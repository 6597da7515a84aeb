// Interrupt pragmas and their save/nosave clauses. In: the tokens after
// "interrupt" or "interruptlow". Out: the function and optional name, the
// save list (newest item first) and the twelve nosave words of the record,
// plus the translation unit's saved-location flags, which the context-saving
// code reads. WREG, BSR and STATUS of a high-priority interrupt are kept by
// the core's fast-return shadow registers, so nosave cannot apply to them.
#include <cstring>
#include <string>

#include "driver/diag.h"
#include "driver/settings.h"
#include "front/pragma.h"
#include "front/pragma_private.h"
#include "front/scan.h"

int s_prod_in_savelist;
int s_tablat_in_savelist;
int s_tblptr_in_savelist;
int s_tblptru_in_savelist;
int s_pclath_in_savelist;
int s_retval0_in_savelist;
int s_pclatu_in_savelist;
int s_fsr0_in_savelist;
int s_status_in_savelist;
int s_wreg_in_savelist;
int s_bsr_in_savelist;
int s_tmpdata_in_savelist;

// X(name, saved-location flag or null, nosave word or -1): the
// compiler-managed locations in their fixed order, then the two sections
// that the interrupt clauses treat like locations. Names that share a flag
// form one group: saving PRODL saves PROD.
#define SAVE_LOCATION_ROWS(X)                                    \
  X("PROD", &s_prod_in_savelist, NOSAVE_PROD)                 \
  X("PRODL", &s_prod_in_savelist, NOSAVE_PROD)                \
  X("PRODH", &s_prod_in_savelist, NOSAVE_PROD)                \
  X("TABLAT", &s_tablat_in_savelist, NOSAVE_TABLAT)           \
  X("TBLPTR", &s_tblptr_in_savelist, NOSAVE_TBLPTR)           \
  X("TBLPTRL", &s_tblptr_in_savelist, NOSAVE_TBLPTR)          \
  X("TBLPTRH", &s_tblptr_in_savelist, NOSAVE_TBLPTR)          \
  X("TBLPTRU", &s_tblptru_in_savelist, NOSAVE_TBLPTRU)        \
  X("PCLATH", &s_pclath_in_savelist, NOSAVE_PCLATH)           \
  X("PCLATU", &s_pclatu_in_savelist, NOSAVE_PCLATU)           \
  X("STATUS", &s_status_in_savelist, NOSAVE_STATUS)           \
  X("WREG", &s_wreg_in_savelist, NOSAVE_WREG)                 \
  X("BSR", &s_bsr_in_savelist, NOSAVE_BSR)                    \
  X("__RETVAL0", &s_retval0_in_savelist, NOSAVE_RETVAL0)      \
  X("FSR0", &s_fsr0_in_savelist, NOSAVE_FSR0)                 \
  X("FSR0L", &s_fsr0_in_savelist, NOSAVE_FSR0)                \
  X("FSR0H", &s_fsr0_in_savelist, NOSAVE_FSR0)                \
  X("FSR1", nullptr, -1)                                      \
  X("FSR1L", nullptr, -1)                                     \
  X("FSR1H", nullptr, -1)                                     \
  X("FSR2", nullptr, -1)                                      \
  X("FSR2L", nullptr, -1)                                     \
  X("FSR2H", nullptr, -1)                                     \
  X("PCL", nullptr, -1)
#define SAVE_SECTION_ROWS(X)                                     \
  X("MATH_DATA", &s_retval0_in_savelist, NOSAVE_RETVAL0)         \
  X(".tmpdata", &s_tmpdata_in_savelist, NOSAVE_TMPDATA)

namespace {
struct save_location {
  const char *name;
  int managed;  // one of the compiler-managed locations (else a section)
  int *saved;   // saved-location flag of the group
  int nosave;   // nosave word of the group
};
}  // namespace

static const save_location s_locations[] = {
#define X(name, saved, nosave) {name, 1, saved, nosave},
    SAVE_LOCATION_ROWS(X)
#undef X
#define X(name, saved, nosave) {name, 0, saved, nosave},
    SAVE_SECTION_ROWS(X)
#undef X
};

const char *const compiler_managed_locations[] = {
#define X(name, saved, nosave) name,
    SAVE_LOCATION_ROWS(X)
#undef X
};
const int compiler_managed_locations_count =
    static_cast<int>(sizeof(compiler_managed_locations) / sizeof(compiler_managed_locations[0]));
static_assert(sizeof(compiler_managed_locations) / sizeof(compiler_managed_locations[0]) == 24);
static_assert(sizeof(s_locations) / sizeof(s_locations[0]) == 26, "24 locations and 2 sections");

static const save_location *s_find_location(const char *name) {
  for (const save_location &row : s_locations)
    if (strcmp(row.name, name) == 0)
      return &row;
  return nullptr;
}

static int s_is_managed(const char *name) {
  const save_location *row = s_find_location(name);
  return row && row->managed;
}

void pragma_reset_save_flags() {
  for (const save_location &row : s_locations)
    if (row.saved)
      *row.saved = 0;
}

void s_set_save_flag(const char *name) {
  const save_location *row = s_find_location(name);
  if (!row)
    return;
  int upper = strcmp(name, "TBLPTRU") == 0 || strcmp(name, "PCLATU") == 0;
  if (row->saved)
    *row->saved = 1;
  // The small model never saves the upper pointer bytes by itself.
  if (upper && memory_model == 0)
    return;
  post_error(2074, name);
}

void s_set_nosave_flag(const char *name, uint32_t *flags, int high_priority) {
  const save_location *row = s_find_location(name);
  if (!row || row->nosave < 0) {
    post_error(2077, name);
    return;
  }
  // A high-priority routine gets these back from the shadow registers, so
  // its nosave cannot apply; a name in both clauses is still contradictory.
  int shadowed = row->nosave == NOSAVE_WREG || row->nosave == NOSAVE_BSR || row->nosave == NOSAVE_STATUS;
  if (high_priority && shadowed)
    post_error(2076, name);
  else
    flags[row->nosave] = 1;
  if (*row->saved)
    post_error(1228, name);
}

void s_clear_nosave_flags(uint32_t *flags) {
  for (uint32_t i = 0; i < NOSAVE_COUNT; i++)
    flags[i] = 0;
}

static int s_is_math_or_tmpdata(const std::string &section) {
  return section == "MATH_DATA" || section == ".tmpdata";
}

static void s_push_save_item(pragma_record *record, uint32_t kind, const std::string &name) {
  pragma_ref ref = pragma_pool_save_item(kind, name.c_str());
  pragma_pool_get_save_item(ref)->next = record->u.interrupt.save_list;
  record->u.interrupt.save_list = ref;
}

static void s_apply_item(pragma_record *record, int is_save, int is_section, const std::string &name) {
  pragma_interrupt_words &words = record->u.interrupt;
  if (is_save && !is_section) {
    if (s_is_managed(name.c_str()))
      s_set_save_flag(name.c_str());
    s_push_save_item(record, SAVE_LOCATION, name);
  } else if (is_save) {
    if (s_is_math_or_tmpdata(name))
      s_set_save_flag(name.c_str());
    else
      s_push_save_item(record, SAVE_SECTION, name);
  } else if (!is_section) {
    s_set_nosave_flag(name.c_str(), words.nosave, words.high_priority);
  } else if (s_is_math_or_tmpdata(name)) {
    s_set_nosave_flag(name.c_str(), words.nosave, 0);
  } else {
    post_error(2077, name.c_str());
  }
}

// item: identifier | section ( "string" ). Returns 0 after reporting.
static int s_clause_item(pragma_record *record, int is_save) {
  if (!match(SCAN_IDENTIFIER))
    return pragma_fail(1017, nullptr);
  std::string name = pragma_token_text();
  resetlookahead();
  if (name != "section" || !match('(')) {
    s_apply_item(record, is_save, 0, name);
    return 1;
  }
  resetlookahead();
  if (!match(SCAN_STRING))
    return pragma_fail(1002, "string constant");
  std::string section = pragma_token_text();
  resetlookahead();
  if (!match(')'))
    return pragma_fail(1002, ")");
  resetlookahead();
  s_apply_item(record, is_save, 1, section);
  return 1;
}

// save=item,item... | nosave=item,item... (the keyword is already read).
static int s_clause(pragma_record *record, int is_save) {
  if (!match('=')) {
    if (pragma_at_line_end())
      return 1;  // an empty clause at the end of the line
    return pragma_fail(1002, "=");
  }
  do {
    resetlookahead();  // "=" or ","
    if (!s_clause_item(record, is_save))
      return 0;
  } while (match(','));
  return 1;
}

static int s_is_clause_word(const char *text) { return strcmp(text, "save") == 0 || strcmp(text, "nosave") == 0; }

int pragma_interrupt(pragma_record *record, int high_priority) {
  record->kind = PRAGMA_INTERRUPT;
  s_clear_nosave_flags(record->u.interrupt.nosave);
  record->u.interrupt.high_priority = high_priority ? 1 : 0;
  if (!match(SCAN_IDENTIFIER))
    return pragma_fail(1018, nullptr);
  record->u.interrupt.function = pragma_pool_text(pragma_token_text());
  resetlookahead();
  if (match(SCAN_IDENTIFIER) && !s_is_clause_word(pragma_token_text())) {
    record->u.interrupt.name = pragma_pool_text(pragma_token_text());
    resetlookahead();
  }
  while (match(SCAN_IDENTIFIER) && s_is_clause_word(pragma_token_text())) {
    int is_save = strcmp(pragma_token_text(), "save") == 0;
    resetlookahead();
    if (!s_clause(record, is_save))
      return 0;
  }
  if (!pragma_at_line_end())
    return pragma_fail(1020, "interrupt");
  resetlookahead();
  return 1;
}
