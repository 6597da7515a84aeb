// The hand-built sample object of the object-format tests. In: a file name.
// Out: a laid-out record as a compiler run on a small source "sample.c"
// would leave it: a function `main` calling an external `foo`, a structure
// tag with a member and a bit field, a program-memory array, and variables
// in uninitialised, activation-record and absolute access sections. The
// instruction words come from the instruction-set encoder.
#include "tests/object/sample_object.h"

#include <cstring>

#include "device/instset.h"

namespace {
constexpr int HARROW = 4;

struct s_builder {
  coff_file *file;
  uint32_t next;  // next free symbol slot
};
}  // namespace

static inst_word s_word(int type, uint32_t operand_one = 0) {
  inst_word w = setInstType(0, type, HARROW);
  return hasOperandOne(type, HARROW) ? setOperandOne(w, operand_one, HARROW) : w;
}

// Appends a symbol with numaux auxiliary slots; returns its auxiliary slot (or null).
static coff_auxent *s_sym(s_builder *b, const char *name, int scnum, uint32_t value, uint32_t type,
                          uint8_t sclass, uint8_t numaux = 0) {
  coff_syment *sym = &b->file->symbols[b->next].sym;
  coff_set_symbol_name(b->file, sym, name);
  sym->n_scnum = int16_t(scnum);
  sym->n_value = value;
  sym->n_type = type;
  sym->n_sclass = sclass;
  sym->n_numaux = numaux;
  coff_auxent *aux = numaux ? &b->file->symbols[b->next + 1].aux : nullptr;
  b->next += 1u + numaux;
  return aux;
}

static void s_code_section(coff_file *file) {
  coff_section *sec = &file->sections[0];
  coff_set_section_name(file, &sec->header, ".code");
  set_scn_flags(&sec->header, 1, false, false, false, false);
  const inst_word words[] = {s_word(MOVLW, 5), s_word(CALL), s_word(WORD2), s_word(MOVLW),
                             s_word(BRA, 0x7FE), s_word(RETURN), 0x0002};
  uint8_t bytes[sizeof words];
  for (size_t i = 0; i < sizeof words / sizeof words[0]; i++) {
    bytes[2 * i] = uint8_t(words[i]);
    bytes[2 * i + 1] = uint8_t(words[i] >> 8);
  }
  coff_set_section_data(sec, bytes, sizeof bytes);
  const coff_reloc relocs[] = {{2, SAMPLE_FOO, 0, RELOCT_CALL}, {4, SAMPLE_FOO, 0, RELOCT_GOTO2},
                               {6, SAMPLE_TABLE, -1, RELOCT_LOW}, {8, SAMPLE_LOOP, 0, RELOCT_BRA}};
  coff_set_section_relocs(sec, relocs, 4);
  const coff_lineno lines[] = {{SAMPLE_FILE, 10, 0, 0, SAMPLE_MAIN}, {SAMPLE_FILE, 11, 2, 0, SAMPLE_MAIN},
                               {SAMPLE_FILE, 12, 6, 0, SAMPLE_MAIN}, {SAMPLE_FILE, 13, 8, 0, SAMPLE_MAIN},
                               {SAMPLE_FILE, 14, 10, 0, SAMPLE_MAIN}};
  coff_set_section_lines(sec, lines, 5);
}

// Program-memory data: a 2x3 array, a far pointer to main, and filler that
// makes the dump wrap its raw-data line.
static void s_romdata_section(coff_file *file) {
  coff_section *sec = &file->sections[1];
  coff_set_section_name(file, &sec->header, "romdat");
  set_scn_flags(&sec->header, 4, false, false, false, false);
  uint8_t bytes[40] = {1, 2, 3, 4, 5, 6};
  for (int i = 9; i < 40; i++) bytes[i] = uint8_t(0xA0 + i);
  coff_set_section_data(sec, bytes, sizeof bytes);
  const coff_reloc relocs[] = {{6, SAMPLE_MAIN, 0, RELOCT_LOW}, {7, SAMPLE_MAIN, 0, RELOCT_HIGH},
                               {8, SAMPLE_MAIN, 0, RELOCT_UPPER}};
  coff_set_section_relocs(sec, relocs, 3);
}

static void s_data_sections(coff_file *file) {
  coff_scnhdr *udata = &file->sections[2].header;
  coff_set_section_name(file, udata, "udata_7");
  set_scn_flags(udata, 3, false, false, false, false);
  udata->s_size = 16;
  coff_scnhdr *actrec = &file->sections[3].header;
  coff_set_section_name(file, actrec, "s.o:main");
  set_scn_flags(actrec, 5, false, false, true, false);
  actrec->s_size = 4;
  coff_section *abs = &file->sections[4];
  coff_set_section_name(file, &abs->header, "abs");
  set_scn_flags(&abs->header, 2, true, false, false, true);
  const uint8_t bytes[] = {0x11, 0x22, 0x33};
  coff_set_section_data(abs, bytes, 3);
  abs->header.s_paddr = abs->header.s_vaddr = 0x60;
}

static void s_debug_symbols(s_builder *b) {
  coff_auxent *a = s_sym(b, ".file", -2, 0, T_NULL, C_FILE, 1);
  a->x_file.x_offset = coff_add_string(b->file, "sample.c");
  a->x_file.x_flags = 1;
  a = s_sym(b, ".code", 1, 0, T_NULL, C_SECTION, 1);
  a->x_scn = {14, 4, 5};
  a = s_sym(b, "point", -2, 0, T_STRUCT, C_STRTAG, 1);
  a->x_tag.x_size = 4;
  a->x_tag.x_endndx = SAMPLE_EOS + 2;
  s_sym(b, "x", -1, 0, T_INT, C_MOS);
  a = s_sym(b, "flags", -1, 16, T_UINT, C_FIELD, 1);
  a->x_field.x_size = 3;
  a = s_sym(b, ".eos", -2, 0, T_NULL, C_EOS, 1);
  a->x_eos = {SAMPLE_TAG, 4};
}

static void s_function_symbols(s_builder *b) {
  coff_auxent *a = s_sym(b, "main", 1, 0, T_INT | (DT_FCN << N_TBSHFT), C_EXT, 1);
  a->x_fcn.x_endndx = SAMPLE_TABLE;
  a->x_fcn.x_actscnum = 4;
  a = s_sym(b, ".bf", 1, 0, T_NULL, C_FCN, 1);
  a->x_bobf = {SAMPLE_FILE, 9, SAMPLE_TABLE};
  a = s_sym(b, ".bb", 1, 0, T_NULL, C_BLOCK, 1);
  a->x_bobf = {SAMPLE_FILE, 11, SAMPLE_EB + 2};
  a = s_sym(b, ".eb", 1, 6, T_NULL, C_BLOCK, 1);
  a->x_eobf = {SAMPLE_FILE, 13};
  a = s_sym(b, ".ef", 1, 10, T_NULL, C_FCN, 1);
  a->x_eobf = {SAMPLE_FILE, 15};
}

static void s_data_symbols(s_builder *b) {
  coff_auxent *a = s_sym(b, "table", 2, 0, T_CHAR | (DT_ARY << N_TBSHFT), C_STAT, 1);
  a->x_arr.x_size = 6;
  a->x_arr.x_dimen[0] = 2;
  a->x_arr.x_dimen[1] = 3;
  a = s_sym(b, "origin", 5, 0x60, T_STRUCT, C_EXT, 1);
  a->x_var = {SAMPLE_TAG, 4};
  s_sym(b, "counter", 3, 0, T_UINT, C_EXT);
  s_sym(b, "counter8", 3, 2, T_LONG, C_STAT);
  s_sym(b, "", 1, 6, T_NULL, C_LABEL);
  s_sym(b, "loop", 1, 6, T_NULL, C_LABEL);
  a = s_sym(b, "misc", 3, 6, T_INT, C_EXT, 1);  // an entry of no known kind, kept as bytes
  for (int i = 0; i < 20; i++) a->x_raw[i] = uint8_t(i + 1);
  s_sym(b, ".eof", -2, 0, T_NULL, C_EOF);
  s_sym(b, "foo", 0, 0, T_VOID | (DT_FCN << N_TBSHFT), C_EXT);
}

coff_file *sample_object_build(const char *path) {
  coff_file *file = coff_create();
  if (!file || !coff_set_filename(file, path) || !coff_alloc_sections(file, 5) ||
      !coff_alloc_symbols(file, SAMPLE_NSYMS)) {
    coff_free(file);
    return nullptr;
  }
  file->opt_hdr = {0, COFF_VSTAMP, 0x1830, 16, 8};
  file->file_hdr.f_flags = F_HARROW;
  s_code_section(file);
  s_romdata_section(file);
  s_data_sections(file);
  s_builder b{file, 0};
  s_debug_symbols(&b);
  s_function_symbols(&b);
  s_data_symbols(&b);
  coff_preWrite(file);
  file->file_hdr.f_timdat = SAMPLE_TIME;
  return file;
}
