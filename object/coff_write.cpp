// Writing an object record to its file. In: a record laid out by
// coff_preWrite. Out: the file, written piece by piece in layout order (file
// header, optional header, section headers, raw data, relocations, line
// numbers, symbol table, string table) with nothing between the pieces;
// 1 on success, 0 after a message when a piece cannot be written.
#include <cstdio>
#include <vector>

#include "driver/diag.h"
#include "object/coff.h"
#include "object/coff_codec.h"

namespace {
// Closes the stream on every way out of coff_write.
struct s_file_closer {
  FILE *fp;
  ~s_file_closer() {
    if (fp) fclose(fp);
  }
};
}  // namespace

static bool s_put(FILE *fp, const std::vector<uint8_t> &bytes, const char *message, const char *path) {
  if (bytes.empty() || fwrite(bytes.data(), 1, bytes.size(), fp) == bytes.size()) return true;
  fprintf(stderr, message, path);
  return false;
}

static std::vector<uint8_t> s_filehdr(const coff_file *file) {
  std::vector<uint8_t> bytes(FILHSZ);
  coff_encode_filehdr(bytes.data(), &file->file_hdr);
  return bytes;
}

static std::vector<uint8_t> s_opthdr(const coff_file *file) {
  std::vector<uint8_t> bytes(OPTHSZ);
  coff_encode_opthdr(bytes.data(), &file->opt_hdr);
  return bytes;
}

static std::vector<uint8_t> s_section_headers(const coff_file *file) {
  std::vector<uint8_t> bytes(size_t(SCNHSZ) * file->file_hdr.f_nscns);
  for (unsigned i = 0; i < file->file_hdr.f_nscns; i++)
    coff_encode_scnhdr(bytes.data() + SCNHSZ * i, &file->sections[i].header);
  return bytes;
}

// A section without its bytes in memory still gets its room, as zeros.
static std::vector<uint8_t> s_raw_data(const coff_section *section) {
  const coff_scnhdr *hdr = &section->header;
  if (hdr->s_scnptr == 0 || hdr->s_size == 0) return {};
  if (!section->data) return std::vector<uint8_t>(hdr->s_size, 0);
  return std::vector<uint8_t>(section->data, section->data + hdr->s_size);
}

static std::vector<uint8_t> s_relocs(const coff_section *section) {
  std::vector<uint8_t> bytes(size_t(RELSZ) * section->header.s_nreloc);
  if (section->relocs)
    for (unsigned k = 0; k < section->header.s_nreloc; k++)
      coff_encode_reloc(bytes.data() + RELSZ * k, &section->relocs[k]);
  return bytes;
}

static std::vector<uint8_t> s_lines(const coff_section *section) {
  std::vector<uint8_t> bytes(size_t(LINESZ) * section->header.s_nlnno);
  if (section->lines)
    for (unsigned k = 0; k < section->header.s_nlnno; k++)
      coff_encode_lineno(bytes.data() + LINESZ * k, &section->lines[k]);
  return bytes;
}

static std::vector<uint8_t> s_symbols(const coff_file *file) {
  std::vector<uint8_t> bytes(size_t(SYMESZ) * file->file_hdr.f_nsyms);
  if (file->symbols) coff_encode_symbols(bytes.data(), file->symbols, file->file_hdr.f_nsyms);
  return bytes;
}

// A record without a string table still ends with the empty table, length 4.
static std::vector<uint8_t> s_strings(const coff_file *file) {
  uint32_t length = coff_string_table_length(file);
  if (length < 4) {
    std::vector<uint8_t> empty(4);
    coff_put32(empty.data(), 4);
    return empty;
  }
  return std::vector<uint8_t>(file->string_table, file->string_table + length);
}

static bool s_put_sections(FILE *fp, const coff_file *file) {
  const char *path = file->filename;
  unsigned n = file->file_hdr.f_nscns;
  for (unsigned i = 0; i < n; i++)
    if (!s_put(fp, s_raw_data(&file->sections[i]), "File '%s' could not write COFF raw data.\n", path)) return false;
  for (unsigned i = 0; i < n; i++)
    if (!s_put(fp, s_relocs(&file->sections[i]), "File '%s' could not write COFF relocation entries.\n", path))
      return false;
  for (unsigned i = 0; i < n; i++)
    if (!s_put(fp, s_lines(&file->sections[i]), "File '%s' could not write COFF line numbers.\n", path))
      return false;
  return true;
}

int coff_write(const coff_file *file) {
  const char *path = file->filename;
  VELC_ASSERT(file->sections || file->file_hdr.f_nscns == 0);
  if (!path) return 0;
  s_file_closer closer{fopen(path, "wb")};
  if (!closer.fp) return 0;
  // Unbuffered, so that a failing device shows at the piece that hits it.
  setvbuf(closer.fp, nullptr, _IONBF, 0);
  if (!s_put(closer.fp, s_filehdr(file), "File '%s' could not write COFF file header.\n", path)) return 0;
  if (!s_put(closer.fp, s_opthdr(file), "File '%s' could not write COFF optional file header.\n", path)) return 0;
  if (!s_put(closer.fp, s_section_headers(file), "File '%s' could not write COFF section header.\n", path))
    return 0;
  if (!s_put_sections(closer.fp, file)) return 0;
  if (!s_put(closer.fp, s_symbols(file), "File '%s' could not write COFF symbol table.\n", path)) return 0;
  if (!s_put(closer.fp, s_strings(file), "File '%s' could not write COFF string table.\n", path)) return 0;
  FILE *fp = closer.fp;
  closer.fp = nullptr;
  if (fclose(fp) != 0) {
    fprintf(stderr, "File '%s' could not write COFF string table.\n", path);
    return 0;
  }
  return 1;
}
