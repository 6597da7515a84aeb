// Reading an object file. In: a path, or the bytes of an object already in
// memory (an archive member) with the name to report. Out: a new record holding the file's
// headers, sections (header, raw data, line numbers, relocations), symbol
// table and string table, or null after a message naming the path. The
// whole file is read into memory first; every offset and count is checked
// against its size before it is used, so no arrangement of bytes can make
// the reader step outside the file or allocate more than the file could hold.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include <sys/stat.h>

#include "object/coff.h"
#include "object/coff_codec.h"

namespace {
struct s_reader {
  const char *path;
  std::vector<uint8_t> bytes;  // the whole file
  coff_file *file;             // record being filled, freed on failure
};
}  // namespace

// Whether count bytes at offset lie inside the file (64-bit sums cannot wrap).
static bool s_inside(const s_reader *rd, uint64_t offset, uint64_t count) {
  return offset <= rd->bytes.size() && count <= rd->bytes.size() - offset;
}

static const uint8_t *s_at(const s_reader *rd, uint64_t offset) { return rd->bytes.data() + offset; }

static bool s_fail(s_reader *rd, const char *message) {
  fprintf(stderr, message, rd->path);
  return false;
}

// The host opens a directory like a file and fails only when reading it;
// a directory is refused here as a path that cannot be opened.
static bool s_load(s_reader *rd) {
  FILE *fp = fopen(rd->path, "rb");
  if (!fp) return s_fail(rd, "Could not open file '%s'.\n");
  struct stat st;
  if (fstat(fileno(fp), &st) == 0 && S_ISDIR(st.st_mode)) {
    fclose(fp);
    return s_fail(rd, "Could not open file '%s'.\n");
  }
  uint8_t chunk[65536];
  size_t got;
  while ((got = fread(chunk, 1, sizeof chunk, fp)) > 0) rd->bytes.insert(rd->bytes.end(), chunk, chunk + got);
  fclose(fp);
  return true;
}

static bool s_read_headers(s_reader *rd) {
  coff_filehdr *fh = &rd->file->file_hdr;
  if (!s_inside(rd, 0, FILHSZ)) return s_fail(rd, "File '%s', could not read COFF file header.\n");
  coff_decode_filehdr(fh, s_at(rd, 0));
  if (fh->f_magic != COFF_MAGIC) return s_fail(rd, "File '%s', does not appear to be a valid COFF file.\n");
  if (fh->f_opthdr != OPTHSZ) {
    fprintf(stderr, "File '%s', missing COFF optional file header.\n", rd->path);
    return true;
  }
  if (!s_inside(rd, FILHSZ, OPTHSZ)) return s_fail(rd, "File '%s', could not read COFF optional file header.\n");
  coff_decode_opthdr(&rd->file->opt_hdr, s_at(rd, FILHSZ));
  return true;
}

// End of the section-header, raw-data, relocation and line-number area: where
// the string table lies in a file without symbols (f_symptr is 0 there).
static uint64_t s_end_of_sections(const s_reader *rd) {
  const coff_filehdr *fh = &rd->file->file_hdr;
  uint64_t end = uint64_t(FILHSZ) + fh->f_opthdr + uint64_t(SCNHSZ) * fh->f_nscns;
  for (unsigned i = 0; i < fh->f_nscns; i++) {
    uint64_t at = FILHSZ + uint64_t(fh->f_opthdr) + uint64_t(SCNHSZ) * i;
    if (!s_inside(rd, at, SCNHSZ)) break;
    coff_scnhdr h;
    coff_decode_scnhdr(&h, s_at(rd, at));
    if (h.s_scnptr && h.s_size) end = std::max(end, uint64_t(h.s_scnptr) + h.s_size);
    if (h.s_nreloc) end = std::max(end, uint64_t(h.s_relptr) + uint64_t(RELSZ) * h.s_nreloc);
    if (h.s_nlnno) end = std::max(end, uint64_t(h.s_lnnoptr) + uint64_t(LINESZ) * h.s_nlnno);
  }
  return end;
}

static bool s_read_strings(s_reader *rd) {
  const coff_filehdr *fh = &rd->file->file_hdr;
  uint64_t at = uint64_t(fh->f_symptr) + uint64_t(SYMESZ) * fh->f_nsyms;
  if (fh->f_symptr == 0 && fh->f_nsyms == 0) at = s_end_of_sections(rd);
  if (!s_inside(rd, at, 4)) return s_fail(rd, "File '%s', could not read COFF string table length.\n");
  uint32_t length = coff_get32(s_at(rd, at));
  if (length < 4 || !s_inside(rd, at, length)) return s_fail(rd, "File '%s', could not read COFF string table.\n");
  auto *table = static_cast<uint8_t *>(calloc(size_t(length) + 1, 1));
  if (!table) return s_fail(rd, "Out of memory.\n");
  memcpy(table, s_at(rd, at), length);
  rd->file->string_table = table;
  return true;
}

static bool s_read_symbols(s_reader *rd) {
  const coff_filehdr *fh = &rd->file->file_hdr;
  uint32_t count = fh->f_nsyms;
  if (!s_inside(rd, fh->f_symptr, uint64_t(SYMESZ) * count)) return s_fail(rd, "File '%s', could not read symbol table.\n");
  if (!coff_alloc_symbols(rd->file, count)) return false;
  coff_decode_symbols(rd->file->symbols, s_at(rd, fh->f_symptr), count);
  return true;
}

// Copies count records of size bytes at offset into a fresh array, decoding each.
template <typename T>
static T *s_array(const s_reader *rd, uint64_t offset, uint32_t count, uint32_t size,
                  void (*decode)(T *, const uint8_t *)) {
  auto *array = static_cast<T *>(calloc(count ? count : 1, sizeof(T)));
  if (!array) return nullptr;
  for (uint32_t k = 0; k < count; k++) decode(&array[k], s_at(rd, offset + uint64_t(size) * k));
  return array;
}

static void s_copy_bytes(uint8_t *to, const uint8_t *from) { *to = *from; }

static bool s_read_section_body(s_reader *rd, coff_section *sec) {
  const coff_scnhdr *h = &sec->header;
  if (h->s_size && h->s_scnptr) {
    if (!s_inside(rd, h->s_scnptr, h->s_size)) return s_fail(rd, "File '%s', could not read raw data.\n");
    if (!(sec->data = s_array<uint8_t>(rd, h->s_scnptr, h->s_size, 1, s_copy_bytes))) return s_fail(rd, "Out of memory.\n");
  }
  if (h->s_nlnno) {
    if (!s_inside(rd, h->s_lnnoptr, uint64_t(LINESZ) * h->s_nlnno)) return s_fail(rd, "File '%s', could not read line numbers.\n");
    if (!(sec->lines = s_array<coff_lineno>(rd, h->s_lnnoptr, h->s_nlnno, LINESZ, coff_decode_lineno)))
      return s_fail(rd, "Out of memory.\n");
  }
  if (h->s_nreloc) {
    if (!s_inside(rd, h->s_relptr, uint64_t(RELSZ) * h->s_nreloc)) return s_fail(rd, "File '%s', could not read relocation info.\n");
    if (!(sec->relocs = s_array<coff_reloc>(rd, h->s_relptr, h->s_nreloc, RELSZ, coff_decode_reloc)))
      return s_fail(rd, "Out of memory.\n");
  }
  return true;
}

// Section headers sit behind the optional header as the file declares its size.
static bool s_read_sections(s_reader *rd) {
  uint16_t count = rd->file->file_hdr.f_nscns;
  rd->file->file_hdr.f_nscns = 0;  // no sections allocated yet
  if (!coff_alloc_sections(rd->file, count)) return false;
  for (unsigned i = 0; i < count; i++) {
    uint64_t at = FILHSZ + uint64_t(rd->file->file_hdr.f_opthdr) + uint64_t(SCNHSZ) * i;
    if (!s_inside(rd, at, SCNHSZ)) return s_fail(rd, "File '%s', could not read section header.\n");
    coff_section *sec = &rd->file->sections[i];
    coff_decode_scnhdr(&sec->header, s_at(rd, at));
    if (!s_read_section_body(rd, sec)) return false;
  }
  return true;
}

// Fills a record from the bytes already loaded; null after a message.
static coff_file *s_parse(s_reader *rd) {
  rd->file = coff_create();
  if (!rd->file) return nullptr;
  bool ok = coff_set_filename(rd->file, rd->path) && s_read_headers(rd) && s_read_strings(rd) &&
            s_read_symbols(rd) && s_read_sections(rd);
  if (ok) return rd->file;
  coff_free(rd->file);
  return nullptr;
}

coff_file *coff_read(const char *path) {
  s_reader rd{path, {}, nullptr};
  if (!s_load(&rd)) return nullptr;
  return s_parse(&rd);
}

coff_file *coff_read_bytes(const char *name, const uint8_t *bytes, size_t size) {
  s_reader rd{name, std::vector<uint8_t>(bytes, bytes + size), nullptr};
  return s_parse(&rd);
}
