// Object file format: the in-memory record of one relocatable object file and
// the operations on it. The emitter fills a record, coff_preWrite lays the
// file out, coff_write writes it; coff_read builds a record from a file and
// coff_print dumps it as text; coff_free releases it.
//
// File layout, little-endian and packed, in this order with no gaps: file
// header (20 bytes), optional header (18), section headers (40 each), raw
// data, relocations (12 each), line numbers (16 each), symbol table (20 per
// entry, auxiliary entries in place), string table (u32 length counting
// itself, then NUL-terminated strings). The records below keep the fields in
// file order, but the host's layout never reaches the file: reading and
// writing go through explicit byte encoding (object/coff_codec.cpp).
//
// Records are allocated zero-filled with calloc and released by coff_free.
#ifndef VELC_OBJECT_COFF_H
#define VELC_OBJECT_COFF_H

#include <cstddef>
#include <cstdint>
#include <cstdio>

#include "object/reloc_types.h"

// ---- numbered sets (object/coff_codes.def) -----------------------------

enum : uint16_t {
#define COFF_FFLAG(name, bit) name = bit,
#include "object/coff_codes.def"
};
enum : uint32_t {
#define COFF_STYP(name, bit) name = bit,
#include "object/coff_codes.def"
};
enum : uint32_t {
#define COFF_BTYPE(name, value) name = value,
#include "object/coff_codes.def"
};
enum : uint32_t {
#define COFF_DTYPE(name, value) name = value,
#include "object/coff_codes.def"
};
enum : uint8_t {
#define COFF_SCLASS(name, value) name = value,
#include "object/coff_codes.def"
};
// Auxiliary-entry kinds, as coff_has_aux returns them.
enum : int {
#define COFF_AUX(name, value, title) name = value,
#include "object/coff_codes.def"
};

// ---- fixed numbers of the format ---------------------------------------

constexpr uint16_t COFF_MAGIC = 0x1240;        // f_magic of every object
constexpr uint32_t COFF_VSTAMP = 30000;        // optional-header version stamp
constexpr uint32_t FILHSZ = 20;                // file header bytes
constexpr uint32_t OPTHSZ = 18;                // optional header bytes
constexpr uint32_t SCNHSZ = 40;                // section header bytes
constexpr uint32_t RELSZ = 12;                 // relocation entry bytes
constexpr uint32_t LINESZ = 16;                // line-number entry bytes
constexpr uint32_t SYMESZ = 20;                // symbol or auxiliary entry bytes
constexpr uint32_t AUXESZ = 20;
constexpr size_t SCN_NAME_IN_PLACE = 6;        // longer section names go to the string table
constexpr size_t SYM_NAME_IN_PLACE = 7;        // longer symbol names go to the string table
constexpr int N_TBSHFT = 5;                    // first derivation field starts at bit 5
constexpr int N_BTMASK = 0x1f;                 // basic-type bits
constexpr int N_TSHIFT = 3;                    // width of one derivation field
constexpr int N_DERIV_MAX = 9;                 // derivation fields in a 32-bit type word

// ---- file records ------------------------------------------------------

struct coff_filehdr {
  uint16_t f_magic;    // COFF_MAGIC
  uint16_t f_nscns;    // section headers
  uint32_t f_timdat;   // seconds since 1970-01-01 UTC
  uint32_t f_symptr;   // file offset of the symbol table, 0 when empty
  uint32_t f_nsyms;    // symbol-table entries, auxiliary entries included
  uint16_t f_opthdr;   // optional-header bytes: 18
  uint16_t f_flags;    // F_* bits
};

struct coff_opthdr {
  uint16_t magic;           // written as 0
  uint32_t vstamp;          // COFF_VSTAMP
  uint32_t proc_type;       // processor type code of the device
  uint32_t rom_width_bits;  // program-memory word width
  uint32_t ram_width_bits;  // data-memory word width
};

// An 8-byte name field: the name in place, NUL-padded, or (first four bytes
// zero) an offset into the string table.
union coff_name {
  char n_name[8];
  struct {
    uint32_t n_zeroes;  // 0 marks a string-table reference
    uint32_t n_offset;  // offset in the string table
  } n_n;
};

struct coff_scnhdr {
  coff_name s_name;     // s_name.n_n.n_offset: the name's string-table offset (s_offset)
  uint32_t s_paddr;     // physical address (absolute sections)
  uint32_t s_vaddr;     // virtual address
  uint32_t s_size;      // bytes of contents
  uint32_t s_scnptr;    // file offset of raw data, 0 when none
  uint32_t s_relptr;    // file offset of relocations, 0 when none
  uint32_t s_lnnoptr;   // file offset of line numbers, 0 when none
  uint16_t s_nreloc;    // relocation entries
  uint16_t s_nlnno;     // line-number entries
  uint32_t s_flags;     // STYP_* bits
};

struct coff_reloc {
  uint32_t r_vaddr;     // byte offset in the section of the word or byte to patch
  uint32_t r_symndx;    // symbol-table index
  int16_t r_offset;     // signed addend
  uint16_t r_type;      // RELOCT_*
};

struct coff_lineno {
  uint32_t l_srcndx;    // index of the .file symbol
  uint16_t l_lnno;      // source line
  uint32_t l_paddr;     // byte offset of the instruction in the section
  uint16_t l_flags;     // 0
  uint32_t l_fcnndx;    // index of the function symbol
};

struct coff_syment {
  coff_name n;          // n.n_name, or n.n_n.n_offset for names of 8+ characters
  uint32_t n_value;     // address, member offset, tag size, next .file index...
  int16_t n_scnum;      // section from 1; 0 undefined, -1 absolute, -2 debugging
  uint32_t n_type;      // basic type in bits 0..4, derivations from bit 5
  uint8_t n_sclass;     // C_*
  uint8_t n_numaux;     // auxiliary entries that follow
};

// Auxiliary entries, one struct per kind; the comment gives the byte offset
// of each field within the 20-byte entry. Bytes not listed are zero.
union coff_auxent {
  struct { uint32_t x_offset; uint32_t x_incline; uint8_t x_flags; } x_file;   // 0, 4, 8
  struct { uint32_t x_scnlen; uint16_t x_nreloc; uint16_t x_nlinno; } x_scn;   // 0, 4, 6
  struct { uint16_t x_size; uint32_t x_endndx; } x_tag;                        // 6, 12
  struct { uint32_t x_tagndx; uint16_t x_size; } x_eos;                        // 0, 6
  struct {
    uint32_t x_tagndx;     // 0: tag of a returned structure, or 0
    uint32_t x_size;       // 4: unused
    uint32_t x_lnnoptr;    // 8: file offset of the first line-number entry
    uint32_t x_endndx;     // 12
    int16_t x_actscnum;    // 16: activation-record section number, 0 when none
  } x_fcn;
  struct {
    uint32_t x_tagndx;        // 0
    uint16_t x_lnno;          // 4: unused
    uint16_t x_size;          // 6: total bytes
    uint16_t x_dimen[4];      // 8, 10, 12, 14
    uint16_t x_dimen_more[2]; // 16, 18: fifth and sixth dimension
  } x_arr;
  struct { uint32_t x_srcndx; uint16_t x_lnno; } x_eobf;                       // 0, 4
  struct { uint32_t x_srcndx; uint16_t x_lnno; uint32_t x_endndx; } x_bobf;    // 0, 4, 12
  struct { uint32_t x_tagndx; uint16_t x_size; } x_var;                        // 0, 6
  struct { uint16_t x_size; } x_field;                                          // 6: bits
  uint8_t x_raw[AUXESZ];   // entry of a symbol without a known kind: kept byte for byte
};

// One 20-byte slot of the symbol table: a symbol, or one of its auxiliary entries.
union coff_symbol {
  coff_syment sym;
  coff_auxent aux;
};

// ---- in-memory object record --------------------------------------------

struct coff_section {
  coff_scnhdr header;
  coff_reloc *relocs;       // header.s_nreloc entries
  coff_lineno *lines;       // header.s_nlnno entries
  uint8_t *data;            // header.s_size bytes, or null when no raw data
};

struct coff_file {
  char *filename;            // path written to or read from (owned)
  coff_filehdr file_hdr;
  coff_opthdr opt_hdr;
  coff_section *sections;    // file_hdr.f_nscns records
  coff_symbol *symbols;      // file_hdr.f_nsyms slots
  uint8_t *string_table;     // first 4 bytes: total length (little-endian); one extra NUL behind
};

// Turns on the layout figures printed by coff_preWrite.
extern int DEBUG_COFF;

// ---- life cycle and files -----------------------------------------------

// New zero-filled record; prints "Out of memory." and returns null when memory is exhausted.
coff_file *coff_create();
// Lays the file out, sets f_timdat, f_symptr, f_opthdr and f_magic, fixes function aux entries.
void coff_preWrite(coff_file *file);
// Points each function's aux entry at its first line-number entry (part of coff_preWrite).
void coff_fixupAuxFcns(coff_file *file);
// Writes the record to file->filename; 1 on success, 0 on failure.
int coff_write(const coff_file *file);
// Reads an object file into a new record; null (after a message) on failure.
coff_file *coff_read(const char *path);
// Reads an object from bytes in memory (name is used in messages and as the file name).
coff_file *coff_read_bytes(const char *name, const uint8_t *bytes, size_t size);
// Prints the record as text to standard output.
void coff_print(const coff_file *file);
// Prints the record as text to the given stream.
void coff_fprint(FILE *out, const coff_file *file);
// Prints a field auxiliary entry ("Aux Field: ..."); the record dump itself shows none.
void coff_print_aux_field(FILE *out, const coff_auxent *aux);
// Prints a classic 10-byte relocation entry (r_vaddr, r_symndx, r_type).
void coff_print_classic_reloc(FILE *out, const uint8_t entry[10]);
// Prints a classic 6-byte line-number entry (symbol index or address, then line).
void coff_print_gnu_lineno(FILE *out, const uint8_t entry[6]);
// Frees a section's relocations, line numbers and raw data.
void coff_free_section(coff_section *section);
// Frees the record and everything it owns; null is ignored.
void coff_free(coff_file *file);

// ---- building helpers (for the emitter and test benches) ----------------

// Replaces the file name with a copy of name; false when out of memory.
bool coff_set_filename(coff_file *file, const char *name);
// Allocates count zero-filled sections (replacing any); false when out of memory.
bool coff_alloc_sections(coff_file *file, uint16_t count);
// Allocates count zero-filled symbol slots (replacing any); false when out of memory.
bool coff_alloc_symbols(coff_file *file, uint32_t count);
// Appends a string to the string table (created on first use); its offset, or 0 when out of memory.
uint32_t coff_add_string(coff_file *file, const char *text);
// Sets a symbol name: in place up to 7 characters (empty as 0,1,0...), else through the string table.
bool coff_set_symbol_name(coff_file *file, coff_syment *sym, const char *name);
// Sets a section name: in place up to 6 characters, else through the string table.
bool coff_set_section_name(coff_file *file, coff_scnhdr *hdr, const char *name);
// Gives a section count bytes of raw data (copied) and sets s_size; false when out of memory.
bool coff_set_section_data(coff_section *section, const uint8_t *bytes, uint32_t count);
// Gives a section count relocation entries (copied) and sets s_nreloc.
bool coff_set_section_relocs(coff_section *section, const coff_reloc *relocs, uint16_t count);
// Gives a section count line-number entries (copied) and sets s_nlnno.
bool coff_set_section_lines(coff_section *section, const coff_lineno *lines, uint16_t count);

// ---- queries ------------------------------------------------------------

// Total bytes of the string table (its length word), 0 when there is none.
uint32_t coff_string_table_length(const coff_file *file);
// String at a string-table offset, or null when the offset lies outside the table.
const char *coff_string_at(const coff_file *file, uint32_t offset);
// Symbol name into buf (at least 9 bytes for in-place names); string-table names are
// returned directly; "<bad string offset>" when the reference lies outside the table.
const char *coff_symbol_name(const coff_file *file, const coff_syment *sym, char buf[9]);
// Section name, in the same way.
const char *coff_section_name(const coff_file *file, const coff_scnhdr *hdr, char buf[9]);
// Name of a relocation type ("RELOCT_CALL"...), or null for a number outside the set.
const char *coff_reloc_name(unsigned type);

// ---- predicates on a symbol entry ---------------------------------------

// Derivation field n (0 outermost) of a type word.
unsigned coff_derivation(uint32_t type, int n);
// Whether any derivation field is DT_ARY.
bool coff_is_array(const coff_syment *sym);
// Whether the first derivation is DT_FCN.
bool coff_is_function(const coff_syment *sym);
// Whether the storage class is a structure, union or enumeration tag.
bool coff_is_tag(const coff_syment *sym);
// Whether the basic type is T_STRUCT, T_UNION or T_ENUM.
bool coff_is_sue_var(const coff_syment *sym);
// Whether the storage class is C_SECTION.
bool coff_isScn(const coff_syment *sym);
// Whether the symbol lies in a section and has a relocatable storage class.
bool coff_isRelocatable(const coff_syment *sym);
// Kind (AUX_*) of the symbol's auxiliary entries; AUX_NONE when it has none.
int coff_has_aux(const coff_syment *sym);

// ---- predicates on a file header ----------------------------------------

// Relocation information present (F_RELFLG clear).
bool coff_hasRelocation(const coff_filehdr *hdr);
// F_EXEC set.
bool coff_isExecutable(const coff_filehdr *hdr);
// Line numbers present (F_LNNO clear).
bool coff_hasLineNumbers(const coff_filehdr *hdr);
// Local symbols present (F_LSYMS clear).
bool coff_hasLocalSymbols(const coff_filehdr *hdr);

// ---- predicates and flags on a section header ---------------------------

// Section kind from the flags: 1 code, 2 data, 3 bss, 4 program-memory data, 5 activation records, else 0.
int getScnType(const coff_scnhdr *hdr);
// STYP_ACTREC set.
bool isScnActRec(const coff_scnhdr *hdr);
// STYP_ABS set.
bool isScnAbs(const coff_scnhdr *hdr);
// STYP_SHARED set.
bool isScnShared(const coff_scnhdr *hdr);
// STYP_OVRLAY set.
bool isScnOverlay(const coff_scnhdr *hdr);
// Sets s_flags from a section kind (1..6, 6 = temporary data) and the attribute switches.
void set_scn_flags(coff_scnhdr *hdr, int kind, bool is_abs, bool is_shared, bool is_overlay,
                   bool is_access);

// "0x%0*lx" with 2 digits per byte, masked to 1..4 bytes, in one static buffer; "<NaN>" otherwise.
const char *hexPrint(unsigned long value, int byte_count);

#endif
