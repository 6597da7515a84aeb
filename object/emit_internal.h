// The object emitter's state and the operations its files share. The state
// lives for one call of emit_write_object_file: it is filled by the two walks
// of the master list, copied into an object record by emit_make_record, and
// released with the EmitState itself (the record through its owner).
//
// Symbol-table entries are kept in one vector in final order; an entry's
// index is its position there, auxiliary entries included. Entries are
// always named by index, never by address, because the vector grows.
#ifndef VELC_OBJECT_EMIT_INTERNAL_H
#define VELC_OBJECT_EMIT_INTERNAL_H

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

#include "object/coff.h"
#include "trans/symtbl.h"
#include "trans/type.h"

// Section kinds as the emitter counts them: the translator's five kinds and
// the activation-record sections of functions with statically allocated locals.
enum EmitSectionKind : int {
  EMIT_CODE = 1, EMIT_IDATA = 2, EMIT_UDATA = 3, EMIT_ROMDATA = 4, EMIT_ACTREC = 5, EMIT_TMPDATA = 6
};
constexpr int EMIT_KIND_SLOTS = 7;  // indexed by kind; slot 0 unused

// One section of the object being built.
struct EmitSection {
  std::string name;
  int kind;                          // EmitSectionKind
  uint32_t start;                    // absolute address, 0 for relocatable sections
  uint32_t position;                 // address of the next byte: start + bytes placed so far
  coff_scnhdr header;                // name field, s_paddr and s_flags; the rest at the end
  std::vector<coff_reloc> relocs;    // r_vaddr counts raw-data bytes from the section's start
  std::vector<coff_lineno> lines;
  std::vector<uint8_t> data;         // raw bytes; code words are stored low byte first
};

// A symbol used by a relocation before it had a symbol-table index.
struct EmitPendingRef {
  const SymbolRecord *sym;
  std::vector<std::pair<size_t, size_t>> relocs;  // (section, relocation) slots to patch
};

struct coff_file_deleter {
  void operator()(coff_file *file) const { coff_free(file); }
};

struct EmitState {
  // Set once by emit_init.
  std::unique_ptr<coff_file, coff_file_deleter> output;  // header values until emit_make_record
  std::string object_file_name;                          // also the prefix of activation-record sections
  int inst_set;                                          // instruction-set family of the processor
  int processor;

  std::vector<coff_symbol> symbols;  // the symbol table in final order
  std::vector<EmitSection> sections; // numbered from 1 in this order
  int current[EMIT_KIND_SLOTS];      // index into sections per kind, -1 while none is chosen

  // Index tables, keyed by the address of a compiler record.
  std::unordered_map<const void *, uint32_t> entry_index;  // master-list entry -> its symbol
  std::unordered_map<const void *, uint32_t> var_index;    // variable, function or label -> index
  std::unordered_map<const void *, long> tag_index;        // SuDefinition -> tag index, -1 while emitted

  std::vector<EmitPendingRef> refs;                         // in order of first use
  std::unordered_map<const void *, size_t> ref_of;          // symbol -> position in refs

  std::unordered_map<std::string, uint32_t> entered_file;   // full path -> its .file index
  std::unordered_map<std::string, std::string> full_path;   // name as written -> full path

  long source_file_index = -1;       // index of the first .file entry
  long prev_file_sym = -1;           // the last .file entry
  long prev_bf_aux = -1;             // auxiliary entry of the last .bf
  long prev_tag_aux = -1;            // auxiliary entry of the last tag
  std::vector<uint32_t> open_blocks; // auxiliary entries of the open .bb entries
  std::vector<std::pair<const SuDefinition *, uint32_t>> forward_tag_refs;  // aux entries awaiting a tag
  int member_counter = 0;            // "__member_%d" for unnamed members
  long function_index = -1;          // encoding: the function whose label came last
  long walk_function = -1;           // second walk: the function whose begin came last
  std::vector<uint32_t> walk_blocks; // second walk: the open .bb entries
  std::unordered_map<uint32_t, std::pair<size_t, size_t>> walk_lines;  // second walk: per function, the
                                     // first and one past the last of its line entries in its section
  long listing_counter = 0;          // running number of the -s listing
  std::unordered_set<const void *> encoded;  // code sections whose output code is done
};

// ---- state, sections, symbols (object/emit_state.cpp) --------------------
// Creates the record and sets the header values; false when the name is too long.
bool emit_init(EmitState &st, const char *file_name, int inst_set, int processor, bool generic);
// Finds or creates the named section and makes it current for its kind.
size_t emit_section(EmitState &st, const char *name, int kind, bool shared, bool overlay, bool access,
                    bool absolute, uint32_t address);
// The current section of a kind; the translator's default section of that kind is
// created on first use (the default sections have no section directive).
size_t emit_current_section(EmitState &st, int kind);
// 1-based section number of a section index.
int16_t emit_section_number(size_t section);
// Appends a zeroed symbol entry named name; its index.
uint32_t emit_add_symbol(EmitState &st, const char *name);
// Appends a zeroed auxiliary entry behind the last symbol (counted in its n_numaux); its index.
uint32_t emit_add_aux(EmitState &st, uint32_t symbol);
// Adds a string to the string table; its offset.
uint32_t emit_add_string(EmitState &st, const char *text);
coff_syment &emit_sym(EmitState &st, uint32_t index);
coff_auxent &emit_aux(EmitState &st, uint32_t index);

// ---- references and relocations (object/emit_reloc.cpp) ------------------
// Records a relocation at the section's next raw-data byte; the symbol's
// index, or a pending reference resolved when the symbol gets one.
void emit_relocation(EmitState &st, size_t section, const SymbolRecord *sym, uint16_t type, long addend);
// Gives the symbol its index and patches every relocation waiting for it.
void emit_define_index(EmitState &st, const SymbolRecord *sym, uint32_t index);
// Whether the symbol already has an index.
bool emit_has_index(const EmitState &st, const SymbolRecord *sym);
// Appends an external entry for every symbol still pending (order of first use).
void emit_populate_external_references(EmitState &st);

// ---- types, tags and members (object/emit_types.cpp) ---------------------
uint8_t emit_convert_storage_class(const SymbolRecord *sym);
uint32_t emit_convert_type(const TypeRecord *t);
// Emits the tag of every defined structure or union in the type not yet emitted.
void emit_sue_tags_of(EmitState &st, const TypeRecord *t);
// The auxiliary entry of a variable or member of array or structure type, if it needs one.
void emit_aux_arr_or_sue_var(EmitState &st, uint32_t symbol, const TypeRecord *t, const char *name);
// The tag index of the structure or union a type names at any level, 0 when none.
long emit_tag_of(EmitState &st, const TypeRecord *t, const char *name);

// ---- first walk: debugging entries (object/emit_debug.cpp) ---------------
void emit_source_file_begin(EmitState &st, const char *name, uint32_t include_line, uint8_t flags);
void emit_source_file_end(EmitState &st);
void emit_function_begin(EmitState &st, const SymbolRecord *entry);
void emit_function_end(EmitState &st, const SymbolRecord *entry);
void emit_block_begin(EmitState &st, const SymbolRecord *entry);
void emit_block_end(EmitState &st, const SymbolRecord *entry);
// Second walk: the values of .bb and .eb from the line numbers of their function.
void emit_fix_debug_values(EmitState &st, const SymbolRecord *entry);
// The index of a source file's .file entry from its name as a line marker wrote
// it (made absolute as the line markers do); -1 when none.
long emit_file_index(EmitState &st, const char *name);

// ---- first walk: variables (object/emit_data.cpp) ------------------------
// Whether a master-list variable is one that this unit defines.
bool emit_defines_variable(const SymbolRecord *sym);
// Checks the near qualifier against the section and emits the variable.
void emit_variable_entry(EmitState &st, const SymbolRecord *sym);

// ---- second walk: code (object/emit_code.cpp) ----------------------------
// Encodes the output code of a code section (once; a section without code is skipped).
void emit_code_section(EmitState &st, const SectionRecord *section);

// ---- final assembly (object/emit_write.cpp) ------------------------------
// Fills the record from the state; false after an error was counted.
bool emit_make_record(EmitState &st);
// Lays the record out and writes it to the object file without leaving a partial file.
void emit_write_record(EmitState &st);

#endif
