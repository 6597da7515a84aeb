// Final assembly of the object. In: the emitter's sections and symbol list
// after both walks. Out: the object record (externals appended, sections with
// their raw data, relocations and line numbers, the symbol and string
// tables) laid out and written to the object file. The file is written under
// a temporary name beside it and renamed into place only when complete, so a
// failed write never leaves a partial object behind.
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <string>

#include "driver/diag.h"
#include "object/emit_internal.h"

// Sections that occupy data memory only have a size but no bytes in the file.
static bool s_has_no_bytes(const EmitSection &scn) {
  return scn.kind == EMIT_UDATA || scn.kind == EMIT_ACTREC || scn.kind == EMIT_TMPDATA;
}

static void s_make_section(EmitSection &scn, coff_section &out) {
  out.header = scn.header;
  out.header.s_paddr = scn.start;
  if (scn.relocs.size() > 0xFFFF) {
    post_error(1071, scn.name.c_str());
    scn.relocs.clear();
  }
  if (scn.lines.size() > 0xFFFF) {
    post_error(1070, scn.name.c_str());
    scn.lines.clear();
  }
  if (!coff_set_section_relocs(&out, scn.relocs.data(), uint16_t(scn.relocs.size())) ||
      !coff_set_section_lines(&out, scn.lines.data(), uint16_t(scn.lines.size())))
    fatal_out_of_memory();
  if (s_has_no_bytes(scn)) {
    out.header.s_size = scn.position - scn.start;
    return;
  }
  if (!coff_set_section_data(&out, scn.data.data(), uint32_t(scn.data.size()))) fatal_out_of_memory();
}

static void s_make_sections(EmitState &st) {
  coff_file *file = st.output.get();
  VELC_ASSERT(st.sections.size() <= 0x7FFF);  // section numbers are signed 16-bit
  if (!coff_alloc_sections(file, uint16_t(st.sections.size()))) fatal_out_of_memory();
  for (size_t i = 0; i < st.sections.size(); i++) s_make_section(st.sections[i], file->sections[i]);
}

static void s_make_symbol_table(EmitState &st) {
  coff_file *file = st.output.get();
  if (!coff_alloc_symbols(file, uint32_t(st.symbols.size()))) fatal_out_of_memory();
  for (size_t i = 0; i < st.symbols.size(); i++) file->symbols[i] = st.symbols[i];
}

bool emit_make_record(EmitState &st) {
  emit_populate_external_references(st);
  s_make_symbol_table(st);
  s_make_sections(st);
  return get_error_count() == 0;
}

// A file that did not open or was cut short: message 1500 names the object.
static void s_write_failed(const EmitState &st, const std::string &temporary) {
  if (!temporary.empty()) unlink(temporary.c_str());
  post_error(1500, st.object_file_name.c_str());
}

void emit_write_record(EmitState &st) {
  coff_file *file = st.output.get();
  std::string temporary = st.object_file_name + "." + std::to_string(long(getpid())) + ".tmp";
  int fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0666);
  if (fd < 0) {
    s_write_failed(st, "");
    return;
  }
  close(fd);
  if (!coff_set_filename(file, temporary.c_str())) fatal_out_of_memory();
  coff_preWrite(file);
  bool written = coff_write(file) == 1;
  if (!coff_set_filename(file, st.object_file_name.c_str())) fatal_out_of_memory();
  if (!written || rename(temporary.c_str(), st.object_file_name.c_str()) != 0) s_write_failed(st, temporary);
}
