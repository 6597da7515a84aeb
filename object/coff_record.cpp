// The in-memory object record: creation, release, the building helpers the
// emitter and test benches fill it with, and name look-ups. In: names,
// arrays and counts. Out: an owned, zero-filled record whose counts always
// match its arrays.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "object/coff.h"
#include "object/coff_codec.h"

int DEBUG_COFF = 0;

static void *s_calloc(size_t count, size_t size) {
  void *p = calloc(count ? count : 1, size);
  if (!p) fprintf(stderr, "Out of memory.\n");
  return p;
}

coff_file *coff_create() { return static_cast<coff_file *>(s_calloc(1, sizeof(coff_file))); }

void coff_free_section(coff_section *section) {
  free(section->relocs);
  free(section->lines);
  free(section->data);
  section->relocs = nullptr;
  section->lines = nullptr;
  section->data = nullptr;
}

void coff_free(coff_file *file) {
  if (!file) return;
  if (file->sections)
    for (unsigned i = 0; i < file->file_hdr.f_nscns; i++) coff_free_section(&file->sections[i]);
  free(file->sections);
  free(file->filename);
  free(file->symbols);
  free(file->string_table);
  free(file);
}

bool coff_set_filename(coff_file *file, const char *name) {
  char *copy = static_cast<char *>(s_calloc(strlen(name) + 1, 1));
  if (!copy) return false;
  memcpy(copy, name, strlen(name));
  free(file->filename);
  file->filename = copy;
  return true;
}

bool coff_alloc_sections(coff_file *file, uint16_t count) {
  auto *sections = static_cast<coff_section *>(s_calloc(count, sizeof(coff_section)));
  if (!sections) return false;
  if (file->sections)
    for (unsigned i = 0; i < file->file_hdr.f_nscns; i++) coff_free_section(&file->sections[i]);
  free(file->sections);
  file->sections = sections;
  file->file_hdr.f_nscns = count;
  return true;
}

bool coff_alloc_symbols(coff_file *file, uint32_t count) {
  auto *symbols = static_cast<coff_symbol *>(s_calloc(count, sizeof(coff_symbol)));
  if (!symbols) return false;
  free(file->symbols);
  file->symbols = symbols;
  file->file_hdr.f_nsyms = count;
  return true;
}

uint32_t coff_string_table_length(const coff_file *file) {
  return file->string_table ? coff_get32(file->string_table) : 0;
}

// The table keeps one NUL behind its counted bytes, so a last string that
// lacks its own terminator still ends inside the block.
uint32_t coff_add_string(coff_file *file, const char *text) {
  uint32_t old_length = coff_string_table_length(file);
  if (old_length < 4) old_length = 4;
  size_t add = strlen(text) + 1;
  if (add > UINT32_MAX - old_length - 1) return 0;
  auto *table = static_cast<uint8_t *>(realloc(file->string_table, old_length + add + 1));
  if (!table) {
    fprintf(stderr, "Out of memory.\n");
    return 0;
  }
  if (!file->string_table) memset(table, 0, 4);
  memcpy(table + old_length, text, add);
  table[old_length + add] = 0;
  coff_put32(table, uint32_t(old_length + add));
  file->string_table = table;
  return old_length;
}

// Names longer than max_in_place go to the string table; the empty name is
// stored as 0,1,0... so that it never reads as a string-table reference.
static bool s_set_name(coff_file *file, coff_name *field, const char *name, size_t max_in_place) {
  memset(field, 0, sizeof *field);
  size_t length = strlen(name);
  if (length == 0) {
    field->n_name[1] = 1;
    return true;
  }
  if (length <= max_in_place) {
    memcpy(field->n_name, name, length);
    return true;
  }
  uint32_t offset = coff_add_string(file, name);
  if (offset == 0) return false;
  field->n_n.n_zeroes = 0;
  field->n_n.n_offset = offset;
  return true;
}

bool coff_set_symbol_name(coff_file *file, coff_syment *sym, const char *name) {
  return s_set_name(file, &sym->n, name, SYM_NAME_IN_PLACE);
}

bool coff_set_section_name(coff_file *file, coff_scnhdr *hdr, const char *name) {
  return s_set_name(file, &hdr->s_name, name, SCN_NAME_IN_PLACE);
}

// Copies count records of size bytes into a fresh array in *slot.
static bool s_copy_array(void **slot, const void *from, size_t count, size_t size) {
  void *copy = s_calloc(count, size);
  if (!copy) return false;
  if (count) memcpy(copy, from, count * size);
  free(*slot);
  *slot = copy;
  return true;
}

bool coff_set_section_data(coff_section *section, const uint8_t *bytes, uint32_t count) {
  void *slot = section->data;
  if (!s_copy_array(&slot, bytes, count, 1)) return false;
  section->data = static_cast<uint8_t *>(slot);
  section->header.s_size = count;
  return true;
}

bool coff_set_section_relocs(coff_section *section, const coff_reloc *relocs, uint16_t count) {
  void *slot = section->relocs;
  if (!s_copy_array(&slot, relocs, count, sizeof(coff_reloc))) return false;
  section->relocs = static_cast<coff_reloc *>(slot);
  section->header.s_nreloc = count;
  return true;
}

bool coff_set_section_lines(coff_section *section, const coff_lineno *lines, uint16_t count) {
  void *slot = section->lines;
  if (!s_copy_array(&slot, lines, count, sizeof(coff_lineno))) return false;
  section->lines = static_cast<coff_lineno *>(slot);
  section->header.s_nlnno = count;
  return true;
}

const char *coff_string_at(const coff_file *file, uint32_t offset) {
  uint32_t length = coff_string_table_length(file);
  if (offset < 4 || offset >= length) return nullptr;
  return reinterpret_cast<const char *>(file->string_table + offset);
}

static const char *s_name_text(const coff_file *file, const coff_name *field, char buf[9]) {
  if (field->n_n.n_zeroes == 0) {
    const char *text = coff_string_at(file, field->n_n.n_offset);
    return text ? text : "<bad string offset>";
  }
  memcpy(buf, field->n_name, 8);
  buf[8] = 0;
  if (buf[0] == 0) buf[1] = 0;  // the empty-name encoding 0,1,0...
  return buf;
}

const char *coff_symbol_name(const coff_file *file, const coff_syment *sym, char buf[9]) {
  return s_name_text(file, &sym->n, buf);
}

const char *coff_section_name(const coff_file *file, const coff_scnhdr *hdr, char buf[9]) {
  return s_name_text(file, &hdr->s_name, buf);
}
