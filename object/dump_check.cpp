// Consistency checks of an object record. In: a record as the reader built
// it, whose counts match its arrays but whose contents are the file's. Out:
// one line per reference that points nowhere: a name or file-name offset
// outside the string table, a relocation whose patched byte lies outside its
// section's raw data, a relocation or line number naming a symbol beyond
// the table, a symbol's auxiliary entries running past the table's end, and
// a section number beyond the section count. The linker would follow every
// one of these, so the dump tool treats such a file as malformed.
#include <cstdarg>
#include <cstdint>

#include "object/dump_check.h"

namespace {
constexpr int REPORT_LIMIT = 20;  // problems printed before the rest are only counted

struct s_checker {
  FILE *err;
  const coff_file *file;
  int problems;
};
}  // namespace

static void s_problem(s_checker *ck, const char *format, ...) {
  if (ck->problems++ >= REPORT_LIMIT) return;
  const char *name = ck->file->filename ? ck->file->filename : "<unnamed>";
  fprintf(ck->err, "File '%s', ", name);
  va_list args;
  va_start(args, format);
  vfprintf(ck->err, format, args);
  va_end(args);
  fprintf(ck->err, ".\n");
}

// A name field that refers to the string table must land on a string in it.
static bool s_bad_reference(const coff_file *file, const coff_name *name) {
  return name->n_n.n_zeroes == 0 && !coff_string_at(file, name->n_n.n_offset);
}

static void s_check_section_names(s_checker *ck) {
  for (unsigned i = 0; i < ck->file->file_hdr.f_nscns; i++) {
    const coff_scnhdr *h = &ck->file->sections[i].header;
    if (s_bad_reference(ck->file, &h->s_name))
      s_problem(ck, "section %u name offset %lu lies outside the string table", i + 1,
                (unsigned long)h->s_name.n_n.n_offset);
  }
}

static void s_check_symbol(s_checker *ck, uint32_t i) {
  const coff_file *file = ck->file;
  uint32_t count = file->file_hdr.f_nsyms;
  const coff_syment *sym = &file->symbols[i].sym;
  if (s_bad_reference(file, &sym->n))
    s_problem(ck, "symbol %lu name offset %lu lies outside the string table", (unsigned long)i,
              (unsigned long)sym->n.n_n.n_offset);
  uint32_t left = count - i - 1;
  if (coff_has_aux(sym) == AUX_FILE && left > 0 && !coff_string_at(file, file->symbols[i + 1].aux.x_file.x_offset))
    s_problem(ck, "symbol %lu file name offset %lu lies outside the string table", (unsigned long)i,
              (unsigned long)file->symbols[i + 1].aux.x_file.x_offset);
  if (sym->n_scnum < -2 || sym->n_scnum > int(file->file_hdr.f_nscns))
    s_problem(ck, "symbol %lu names section %d, the file has %u", (unsigned long)i, int(sym->n_scnum),
              unsigned(file->file_hdr.f_nscns));
  if (sym->n_numaux > left)
    s_problem(ck, "symbol %lu has %u auxiliary entries, the table ends after %lu", (unsigned long)i,
              unsigned(sym->n_numaux), (unsigned long)left);
}

static void s_check_symbols(s_checker *ck) {
  uint32_t count = ck->file->symbols ? ck->file->file_hdr.f_nsyms : 0;
  for (uint32_t i = 0; i < count; i += 1u + ck->file->symbols[i].sym.n_numaux) s_check_symbol(ck, i);
}

// A symbol index names an entry of the table.
static void s_check_index(s_checker *ck, uint32_t index, const char *what, unsigned section, unsigned k) {
  uint32_t count = ck->file->file_hdr.f_nsyms;
  if (index >= count)
    s_problem(ck, "section %u %s %u names symbol %lu, the table has %lu entries", section, what, k,
              (unsigned long)index, (unsigned long)count);
}

// Each relocation patches the byte at r_vaddr (and the ones after it), which
// must be one of the section's raw-data bytes.
static void s_check_section_refs(s_checker *ck, unsigned i) {
  const coff_section *sec = &ck->file->sections[i];
  uint32_t bytes = sec->data ? sec->header.s_size : 0;
  for (unsigned k = 0; sec->relocs && k < sec->header.s_nreloc; k++) {
    const coff_reloc *r = &sec->relocs[k];
    if (r->r_vaddr >= bytes)
      s_problem(ck, "section %u relocation %u patches offset %s, outside the section's %lu bytes of raw data", i + 1,
                k, hexPrint(r->r_vaddr, 4), (unsigned long)bytes);
    s_check_index(ck, r->r_symndx, "relocation", i + 1, k);
  }
  for (unsigned k = 0; sec->lines && k < sec->header.s_nlnno; k++) {
    s_check_index(ck, sec->lines[k].l_srcndx, "line number", i + 1, k);
    s_check_index(ck, sec->lines[k].l_fcnndx, "line number", i + 1, k);
  }
}

int dump_check(FILE *err, const coff_file *file) {
  s_checker ck{err, file, 0};
  unsigned sections = file->sections ? file->file_hdr.f_nscns : 0;
  if (sections) s_check_section_names(&ck);
  s_check_symbols(&ck);
  for (unsigned i = 0; i < sections; i++) s_check_section_refs(&ck, i);
  if (ck.problems > REPORT_LIMIT)
    fprintf(err, "File '%s', %d more problems not shown.\n", file->filename ? file->filename : "<unnamed>",
            ck.problems - REPORT_LIMIT);
  return ck.problems;
}
