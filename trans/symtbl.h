// Symbol table: ordinary identifiers, tags and labels in three stacks of
// nested scopes; the master symbol list that interleaves declarations with
// file, function, block and section markers in program order; the section
// set; and compiler-generated names.
#ifndef VELC_TRANS_SYMTBL_H
#define VELC_TRANS_SYMTBL_H

#include <cstddef>
#include <cstdint>
#include <cstdio>

#include "trans/type.h"
#include "util/util.h"

enum SymbolKind : int32_t {
  LABEL = 0, VARIABLE = 1, SYM_BFUNCT = 2, SYM_EFUNCT = 3, SYM_FILE = 4, SYM_BBLOCK = 5, SYM_EBLOCK = 6,
  SYM_SECTION = 7
};
enum Linkage : int32_t { LINKAGE_NONE = 0, LINKAGE_EXTERNAL = 100, LINKAGE_INTERNAL = 101 };
enum SectionKind : int32_t {
  SECTION_CODE = 1, SECTION_IDATA = 2, SECTION_UDATA = 3, SECTION_ROMDATA = 4, SECTION_TMPDATA = 6
};

// Declaration flags of a symbol.
enum : uint8_t { DECL_STATIC_PARAM = 1, DECL_TENTATIVE = 2, DECL_INITIALISED = 4, DECL_DEFINED = 8 };
// Section attribute bits.
constexpr uint32_t SCN_SHARED = 1, SCN_OVERLAY = 2, SCN_ACCESS = 4, SCN_ABSOLUTE = 8;

struct SectionRecord;
struct ocode;  // an output-code node (gen/ocode.h)

// One entry of a scope or of the master list. Allocated zero-filled; entries
// of the master list live until sym_end_module.
struct SymbolRecord {
  SymbolKind type;
  char *name;        // owned; SYM_FILE: full path; SYM_SECTION: section name
  long line;
  char *file;        // owned copy
  struct {
    struct {
      TypeRecord *type;        // VARIABLE: owned type chain
      StorageClass sclass;
      long offset;             // frame offset of a parameter or auto local
      void *init;              // initial data of a static object (owned by the declarations phase)
    } var;
    SymbolRecord *function;    // SYM_BFUNCT/SYM_EFUNCT: the function symbol
    SectionRecord *section;    // SYM_SECTION: the section entered
  } data;
  Linkage linkage;
  uint8_t temporary;           // made by sym_temp_symbol
  uint8_t decl_flags;          // DECL_*
  uint8_t has_overlay_locals;
  uint8_t flags;               // bit 0: enumeration constant
  uint8_t file_auto;           // SYM_FILE made automatically by the master list
  SymbolRecord *bfunct, *efunct;  // function symbol: its boundary entries
  ConstValue constant;         // value of an enumeration constant
  long refcount;               // uses of the name
  unsigned char *literal;      // string literal bytes (owned), and their count
  long literal_length;
  uint8_t section_assigned;
  char *section_name;          // owned
  long nesting_level;          // 0 for file scope
  void *defined_function_data; // reserved for later phases (not owned here)
  // Code generation and optimisation:
  ocode *label_node;           // LABEL: its OC_LABEL node, once code exists
  ocode *begin_node;           // function: its OC_BFUNCT node
  char *code_section;          // function: name of the code section it was compiled into (owned)
  uint8_t has_inline_asm;      // function: its body holds an assembly block
  uint8_t bank_located;        // "#pragma varlocate" bank: located_bank is set
  uint8_t section_located;     // "#pragma varlocate" section: located_section is set
  uint32_t located_bank;
  char *located_section;       // owned
  uint16_t register_row;       // a core register's symbol: 1 + its row in the code generator's table
};

struct TagEntry {
  char *name;                // owned
  TagKind kind;
  SuDefinition *definition;  // null while incomplete
};

struct SectionRecord {
  SectionKind kind;
  char *name;                // owned
  uint32_t attributes;       // SCN_*
  long address;
  SymbolRecord *first_entry; // first SYM_SECTION entry naming it
  ocode *code;               // code section: its output-code list (owned by the code generator)
};

// Master list entries and sections are pointers stored in the lists.
extern list_t *master_symbol_list;  // records: SymbolRecord *
extern list_t *section_set;         // records: SectionRecord *

// ---- module, functions, blocks ------------------------------------------
void sym_begin_module();
void sym_end_module();  // frees scopes, master list, sections and their symbols
void sym_begin_function(SymbolRecord *fsym, long line, const char *file);
void sym_end_function(SymbolRecord *fsym, long line, const char *file);
void sym_begin_block(long line, const char *file);
void sym_end_block(long line, const char *file);
void sym_begin_prototype();
void sym_end_prototype();
int sym_get_nesting_level();

// ---- identifiers, tags, labels ------------------------------------------
SymbolRecord *sym_create_symbol(const char *name, TypeRecord *type, Linkage linkage, StorageClass sclass);
void sym_declare_symbol(SymbolRecord *sym, bool file_scope, long line, const char *file);
SymbolRecord *sym_lookup_sym(const char *name, int mode);  // 0 outwards, 1 innermost, 2 file level
TagEntry *sym_declare_tag(const char *name, TagKind kind);
TagEntry *sym_lookup_tag(const char *name, bool current_only);
SymbolRecord *sym_create_label(const char *name);
SymbolRecord *sym_lookup_label(const char *name);

// ---- generated names ------------------------------------------------------
SymbolRecord *sym_temp_symbol(int n);
SymbolRecord *sym_temp_label(long line, const char *file);
SymbolRecord *sym_string_symbol(long length);
SymbolRecord *sym_config_symbol();
void sym_get_fake_tag_name(char *buffer, size_t size);

// ---- sections -------------------------------------------------------------
SymbolRecord *sym_enter_section(SectionKind kind, const char *name, bool shared, bool overlay, bool access,
                                bool has_address, long address);
char *sym_get_current_udata_scn_name();   // owned copy
char *sym_get_current_idata_scn_name();   // owned copy
SectionRecord *sym_get_current_romdata_scn();
SectionRecord *sym_get_current_code_scn();
SectionRecord *sym_get_default_code_section();
char *sym_make_act_rec_scn_name(const char *function_name);  // owned "%s:%s"

// ---- master list ----------------------------------------------------------
void sym_add_to_master_symbol_table(SymbolRecord *entry);
void sym_dump_symtbl();  // one line per master-list entry on standard output
// Frees a symbol record and what it owns (for records never entered anywhere).
void sym_free_symbol(SymbolRecord *sym);

// ---- special symbols ------------------------------------------------------
// Symbols the code generator makes before translation (special registers,
// the software stack, run-time routines); assembly blocks may name them
// without a declaration. The table holds pointers only; the code generator
// owns the records.
void sym_register_special(SymbolRecord *sym);
SymbolRecord *sym_lookup_special(const char *name);  // null when none
void sym_clear_special();

#endif
