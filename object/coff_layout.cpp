// File layout of an object record before writing. In: a filled record
// (sections with their counts and sizes, symbol table, string table). Out:
// every file offset set (s_scnptr, s_relptr, s_lnnoptr, f_symptr), the time
// stamp, f_opthdr and f_magic, and each function's auxiliary entry pointing
// at its first line-number entry. The offsets follow exactly the order in
// which coff_write puts the pieces, with no gaps.
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <vector>

#include "driver/diag.h"
#include "object/coff.h"

// Running file offset; held wide so that absurd counts cannot wrap it.
struct s_cursor {
  uint64_t offset;
};

static void s_figure(const char *start_label, uint64_t start, const char *length_label, uint64_t length) {
  if (!DEBUG_COFF) return;
  printf(start_label, hexPrint((unsigned long)start, 4));
  printf(length_label, hexPrint((unsigned long)length, 4));
}

static void s_size_figure(uint32_t size, uint32_t ptr) {
  if (!DEBUG_COFF) return;
  printf("raw data: size=%s, ", hexPrint(size, 4));
  printf("ptr=%s\n", hexPrint(ptr, 4));
}

static void s_count_figure(const char *count_format, unsigned long count, uint32_t ptr) {
  if (!DEBUG_COFF) return;
  printf(count_format, count);
  printf("ptr=%s\n", hexPrint(ptr, 4));
}

// BSS and activation-record sections occupy data memory only: no file bytes.
static bool s_has_raw_data(const coff_scnhdr *hdr) {
  return (hdr->s_flags & (STYP_BSS | STYP_ACTREC)) == 0 && hdr->s_size != 0;
}

static void s_layout_raw_data(coff_file *file, s_cursor *cur) {
  uint64_t start = cur->offset;
  for (unsigned i = 0; i < file->file_hdr.f_nscns; i++) {
    coff_scnhdr *hdr = &file->sections[i].header;
    hdr->s_scnptr = s_has_raw_data(hdr) ? uint32_t(cur->offset) : 0;
    if (hdr->s_scnptr) cur->offset += hdr->s_size;
    s_size_figure(hdr->s_size, hdr->s_scnptr);
  }
  s_figure("rawDataStart=%s, ", start, "rawDataLength=%s\n", cur->offset - start);
}

static void s_layout_relocs(coff_file *file, s_cursor *cur) {
  uint64_t start = cur->offset;
  for (unsigned i = 0; i < file->file_hdr.f_nscns; i++) {
    coff_scnhdr *hdr = &file->sections[i].header;
    hdr->s_relptr = hdr->s_nreloc ? uint32_t(cur->offset) : 0;
    cur->offset += uint64_t(RELSZ) * hdr->s_nreloc;
    s_count_figure("reloc: num=%lu, ", hdr->s_nreloc, hdr->s_relptr);
  }
  s_figure("relocStart=%s, ", start, "relocLength=%s\n", cur->offset - start);
}

static void s_layout_lines(coff_file *file, s_cursor *cur) {
  uint64_t start = cur->offset;
  for (unsigned i = 0; i < file->file_hdr.f_nscns; i++) {
    coff_scnhdr *hdr = &file->sections[i].header;
    hdr->s_lnnoptr = hdr->s_nlnno ? uint32_t(cur->offset) : 0;
    cur->offset += uint64_t(LINESZ) * hdr->s_nlnno;
    s_count_figure("line: num=%lu, ", hdr->s_nlnno, hdr->s_lnnoptr);
  }
  s_figure("lineStart=%s, ", start, "lineLength=%s\n", cur->offset - start);
}

// The time of writing, or the fixed time SOURCE_DATE_EPOCH gives (seconds
// since 1970 as a decimal number), so that a build can be reproduced byte
// for byte. A value that is no such number is ignored.
static uint32_t s_timestamp() {
  const char *fixed = getenv("SOURCE_DATE_EPOCH");
  if (fixed && fixed[0] >= '0' && fixed[0] <= '9') {
    char *end = nullptr;
    errno = 0;
    unsigned long long seconds = strtoull(fixed, &end, 10);
    if (errno == 0 && *end == 0 && seconds <= UINT32_MAX) return uint32_t(seconds);
  }
  return uint32_t(time(nullptr));
}

void coff_preWrite(coff_file *file) {
  coff_filehdr *fh = &file->file_hdr;
  // The counts in the header must describe arrays the record holds.
  VELC_ASSERT(file->sections || fh->f_nscns == 0);
  VELC_ASSERT(file->symbols || fh->f_nsyms == 0);
  s_cursor cur = {FILHSZ + OPTHSZ};
  s_figure("secHdrStart=%s, ", cur.offset, "secHdrLength=%s\n", uint64_t(SCNHSZ) * fh->f_nscns);
  cur.offset += uint64_t(SCNHSZ) * fh->f_nscns;
  s_layout_raw_data(file, &cur);
  s_layout_relocs(file, &cur);
  s_layout_lines(file, &cur);
  fh->f_symptr = fh->f_nsyms ? uint32_t(cur.offset) : 0;
  s_figure("symbolStart=%s, ", cur.offset, "symbolLength=%s\n", uint64_t(SYMESZ) * fh->f_nsyms);
  cur.offset += uint64_t(SYMESZ) * fh->f_nsyms;
  // The string table is always written; without strings it is the length word alone.
  uint32_t strings = coff_string_table_length(file);
  s_figure("stringStart=%s, ", cur.offset, "stringLength=%s\n", strings < 4 ? 4 : strings);
  fh->f_timdat = s_timestamp();
  fh->f_opthdr = OPTHSZ;
  fh->f_magic = COFF_MAGIC;
  coff_fixupAuxFcns(file);
}

// Per symbol index, the position of the first line-number entry of the
// symbol's own section that belongs to it, or -1: one pass over the line
// tables, whatever the number of functions.
static std::vector<long> s_first_lines(const coff_file *file) {
  const coff_filehdr *fh = &file->file_hdr;
  std::vector<long> first(fh->f_nsyms, -1);
  for (uint32_t s = 0; s < fh->f_nscns; s++) {
    const coff_section *section = &file->sections[s];
    for (unsigned k = 0; k < section->header.s_nlnno; k++) {
      uint32_t index = section->lines[k].l_fcnndx;
      if (index < fh->f_nsyms && first[index] < 0 && file->symbols[index].sym.n_scnum == int(s + 1))
        first[index] = long(k);
    }
  }
  return first;
}

void coff_fixupAuxFcns(coff_file *file) {
  const coff_filehdr *fh = &file->file_hdr;
  std::vector<long> first = s_first_lines(file);
  for (uint32_t i = 0; i < fh->f_nsyms; i += 1u + file->symbols[i].sym.n_numaux) {
    const coff_syment *sym = &file->symbols[i].sym;
    if (coff_has_aux(sym) != AUX_FCN || i + 1 >= fh->f_nsyms) continue;
    if (sym->n_scnum < 1 || sym->n_scnum > fh->f_nscns) continue;
    const coff_section *section = &file->sections[sym->n_scnum - 1];
    long k = first[i];
    if (k < 0) continue;
    coff_auxent *aux = &file->symbols[i + 1].aux;
    uint32_t to = section->header.s_lnnoptr + LINESZ * uint32_t(k);
    if (DEBUG_COFF) {
      printf("Coff::fixupAuxFcns() - aux_fcn[%d] in section[%d] from %s ", int(i), int(sym->n_scnum),
             hexPrint(aux->x_fcn.x_lnnoptr, 4));
      printf("to %s\n", hexPrint(to, 4));
    }
    aux->x_fcn.x_lnnoptr = to;
  }
}
