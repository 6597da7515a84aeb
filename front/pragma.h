// Pragma and line-marker directives: the 88-byte pragma record that carries
// a "#pragma" line from the scanner through the syntax tree to the
// translator, the pool that owns the record's strings and lists, and the
// directive handlers that the scanner calls at the start of a directive line.
#ifndef VELC_FRONT_PRAGMA_H
#define VELC_FRONT_PRAGMA_H

#include <cstddef>
#include <cstdint>

#include "util/util.h"

// ---- the record -----------------------------------------------------------

// Every word of the record is 32 bits wide, so the record keeps its 88-byte
// layout on any host. Owned strings and lists therefore travel as handles
// into the pragma pool below (0 = none) instead of as host pointers.
using pragma_ref = uint32_t;

enum pragma_kind : uint32_t {
  PRAGMA_SECTION = 0,
  PRAGMA_INTERRUPT = 1,
  PRAGMA_CONFIG = 2,
  PRAGMA_TMPDATA = 3,
};

enum pragma_section_type : uint32_t {
  PRAGMA_SECTION_CODE = 1,
  PRAGMA_SECTION_IDATA = 2,
  PRAGMA_SECTION_UDATA = 3,
  PRAGMA_SECTION_ROMDATA = 4,
};

// The nosave flags of an interrupt pragma, one word each (words 10 to 21).
#define PRAGMA_NOSAVE_ROWS(X)                                                \
  X(NOSAVE_WREG, "WREG")                                                     \
  X(NOSAVE_BSR, "BSR")                                                       \
  X(NOSAVE_STATUS, "STATUS")                                                 \
  X(NOSAVE_FSR0, "FSR0")                                                     \
  X(NOSAVE_PROD, "PROD")                                                     \
  X(NOSAVE_TBLPTR, "TBLPTR")                                                 \
  X(NOSAVE_TBLPTRU, "TBLPTRU")                                               \
  X(NOSAVE_TABLAT, "TABLAT")                                                 \
  X(NOSAVE_TMPDATA, ".tmpdata")                                              \
  X(NOSAVE_RETVAL0, "__RETVAL0")                                             \
  X(NOSAVE_PCLATH, "PCLATH")                                                 \
  X(NOSAVE_PCLATU, "PCLATU")

enum pragma_nosave : uint32_t {
#define X(id, text) id,
  PRAGMA_NOSAVE_ROWS(X)
#undef X
  NOSAVE_COUNT
};
static_assert(NOSAVE_COUNT == 12, "twelve nosave words, 10 to 21");

// One item of an interrupt save list; new items go to the head, so the list
// holds the clause's names in reverse order. Lives in the pragma pool.
enum pragma_save_kind : uint32_t { SAVE_LOCATION = 0, SAVE_SECTION = 1 };
struct pragma_save_item {
  uint32_t kind;    // SAVE_LOCATION or SAVE_SECTION
  pragma_ref name;  // pooled text
  pragma_ref next;  // next item, or 0
};

struct pragma_section_words {  // words 3 to 21 of a section pragma
  uint32_t type;         // 3: pragma_section_type
  pragma_ref name;       // 4: section name; 0 returns to the default section
  uint32_t overlay;      // 5: overlay attribute given
  uint32_t unused6;      // 6: always 0
  uint32_t access;       // 7: access attribute given
  uint32_t has_address;  // 8: 1 when "=address" was given
  uint32_t address;      // 9: absolute address
  uint32_t unused[12];   // 10 to 21
};

struct pragma_interrupt_words {  // words 3 to 21 of an interrupt pragma
  pragma_ref function;           // 3: the service routine's name
  pragma_ref name;               // 4: optional name after the function, or 0
  uint32_t high_priority;        // 5: 1 "interrupt", 0 "interruptlow"
  pragma_ref save_list;          // 6: first pragma_save_item, or 0
  uint32_t unused[3];            // 7 to 9
  uint32_t nosave[NOSAVE_COUNT];  // 10 to 21, indexed by pragma_nosave
};

struct pragma_tmpdata_words {  // words 3 to 21 of a tmpdata pragma
  uint32_t unused3;
  pragma_ref section;  // 4: temporary-data section name, 0 for the default
  uint32_t unused[17];
};

struct pragma_config_words {  // words 3 to 21 of a config pragma
  pragma_ref settings;         // 3: located settings, last parsed first (pooled object)
  uint32_t unused[18];
};

// Zero-filled before each pragma; filled by pragma_directive.
struct pragma_record {
  uint32_t kind;    // 0: pragma_kind
  uint32_t line;    // 1: line of the directive
  pragma_ref file;  // 2: pooled file name of the directive
  union {
    pragma_section_words section;
    pragma_interrupt_words interrupt;
    pragma_tmpdata_words tmpdata;
    pragma_config_words config;
    uint32_t words[19];
  } u;
};
static_assert(sizeof(pragma_record) == 88, "the pragma record is 22 words");
static_assert(offsetof(pragma_record, u) == 12, "kind-specific words start at word 3");
static_assert(sizeof(pragma_interrupt_words) == 19 * 4 && sizeof(pragma_section_words) == 19 * 4);

// ---- the pool that owns the record's strings and lists ----------------------

// Owned copy of text; 0 for a null text.
pragma_ref pragma_pool_text(const char *text);
// The text of a handle made by pragma_pool_text; null for 0.
const char *pragma_pool_get_text(pragma_ref ref);
// Takes ownership of object; destroy (may be null) runs when it is released.
pragma_ref pragma_pool_object(void *object, void (*destroy)(void *object));
// The object of a handle made by pragma_pool_object; null for 0.
void *pragma_pool_get_object(pragma_ref ref);
// A new zero-filled save-list item owned by the pool.
pragma_ref pragma_pool_save_item(uint32_t kind, const char *name);
// The save-list item of a handle made by pragma_pool_save_item; null for 0.
pragma_save_item *pragma_pool_get_save_item(pragma_ref ref);
// Releases one handle (its text, object or item only); 0 is ignored.
void pragma_pool_release(pragma_ref ref);
// Handles currently alive (for leak checks in tests and dumps).
size_t pragma_pool_live_count();
// Releases everything in the pool; every handle becomes invalid.
void pragma_pool_clear();

// Releases every handle a record holds (file, names, whole save list,
// config settings) and zeroes it.
void pragma_record_free(pragma_record *record);
// One-line stable text of a record, for dumps and tests; returns buffer.
char *pragma_record_format(const pragma_record *record, char *buffer, size_t size);

// ---- directive handlers (called by the scanner in its directive state) -----

// Handles the rest of a "#line" line: current line, file and dependent files.
void line_directive();
// Handles the rest of a "#pragma" line; 1 when the record must reach the parser.
int pragma_directive(pragma_record *record);

// One-token lookahead over the scanner for the directive handlers.
extern int yylookahead;  // current token code, -1 when none is held
void advance();          // reads the next token into the lookahead
int match(int token);    // reads a token when none is held; is it token? (not consumed)
void resetlookahead();   // drops the lookahead

// ---- interrupt save and nosave clauses ------------------------------------

// The compiler-managed locations, in their fixed order.
extern const char *const compiler_managed_locations[];
extern const int compiler_managed_locations_count;

// Saved-location flags set by save clauses for the whole translation unit;
// read by nosave clauses and by the interrupt context-saving code.
extern int s_prod_in_savelist;
extern int s_tablat_in_savelist;
extern int s_tblptr_in_savelist;
extern int s_tblptru_in_savelist;
extern int s_pclath_in_savelist;
extern int s_retval0_in_savelist;
extern int s_pclatu_in_savelist;
extern int s_fsr0_in_savelist;
extern int s_status_in_savelist;
extern int s_wreg_in_savelist;
extern int s_bsr_in_savelist;
extern int s_tmpdata_in_savelist;

// Marks a location or section as saved by a save clause (warns 2074 when redundant).
void s_set_save_flag(const char *name);
// Sets the nosave word of name's group in flags (warns 2076, 2077; 1228).
void s_set_nosave_flag(const char *name, uint32_t *flags, int high_priority);
// Clears the twelve nosave words.
void s_clear_nosave_flags(uint32_t *flags);
// Clears every saved-location flag (start of a compilation; tests).
void pragma_reset_save_flags();

// Parses the settings of a "#pragma config" line into record; 1 when valid.
int s_parse_pragma_config(pragma_record *record);

// ---- files met in line markers --------------------------------------------

// Line markers append every distinct file, as an absolute path, to the
// driver's dependent_file_list (driver/compile.h) in the order of first
// appearance; this table of char* records holds the same names for the
// duplicate check. Made by yyinitlex, freed with its names by yyuninitlex.
extern hash_table *dependent_file_hash;

#endif
