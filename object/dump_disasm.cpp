// Disassembly listing of an object record. In: a record read from a file,
// possibly malformed. Out: for each code section, one line per instruction
// (address, words, text), preceded by the symbols and line numbers at that
// address and followed by the relocations that patch its words.
//
// Addresses: relocation offsets count from the section's start, while symbol
// values and line-number addresses are section positions, which start at
// s_paddr in an absolute section; a listed address is s_paddr + offset.
// Nothing in the record is trusted: a word that is no valid instruction is
// shown as data, and indices that lie outside the symbol or string table
// are shown as such.
#include <map>
#include <string>

#include "device/instset.h"
#include "object/dump_disasm.h"

namespace {
constexpr int HARROW_FAMILY = 4;
constexpr bool EXTENDED_MODE = true;  // the compiler always generates extended-mode code
constexpr inst_word NO_SECOND_WORD = 0x0002;  // matches no instruction: the operand shows as "???"

struct s_mark {
  std::string text;  // what to print
  bool function;     // a function symbol rather than a label or variable
};

// What falls on the words of one section, keyed by address or offset.
struct s_section_notes {
  std::multimap<uint32_t, s_mark> symbols;        // by address
  std::multimap<uint32_t, std::string> lines;     // by address
  std::multimap<uint32_t, std::string> relocs;    // by offset in the section
};
}  // namespace

static std::string s_symbol_text(const coff_file *file, uint32_t index) {
  if (index >= file->file_hdr.f_nsyms) return "<bad symbol index " + std::to_string(index) + ">";
  char buf[9];
  return coff_symbol_name(file, &file->symbols[index].sym, buf);
}

// Name of the source file of a line entry, from its .file symbol's auxiliary entry.
static std::string s_source_name(const coff_file *file, uint32_t index) {
  uint32_t count = file->file_hdr.f_nsyms;
  if (index + 1 >= count || index + 1 == 0) return "?";
  const coff_syment *sym = &file->symbols[index].sym;
  if (sym->n_sclass != C_FILE || sym->n_numaux == 0) return "?";
  const char *name = coff_string_at(file, file->symbols[index + 1].aux.x_file.x_offset);
  return name ? name : "?";
}

static void s_collect_symbols(const coff_file *file, int scnum, s_section_notes *notes) {
  uint32_t count = file->file_hdr.f_nsyms;
  for (uint32_t i = 0; i < count; i += 1u + file->symbols[i].sym.n_numaux) {
    const coff_syment *sym = &file->symbols[i].sym;
    if (sym->n_scnum != scnum) continue;
    if (sym->n_sclass != C_EXT && sym->n_sclass != C_STAT && sym->n_sclass != C_LABEL) continue;
    std::string name = s_symbol_text(file, i);
    notes->symbols.emplace(sym->n_value, s_mark{name.empty() ? "<no name>" : name, coff_is_function(sym)});
  }
}

static void s_collect_notes(const coff_file *file, unsigned secno, s_section_notes *notes) {
  const coff_section *sec = &file->sections[secno];
  s_collect_symbols(file, int(secno + 1), notes);
  for (unsigned k = 0; sec->lines && k < sec->header.s_nlnno; k++) {
    const coff_lineno *l = &sec->lines[k];
    notes->lines.emplace(l->l_paddr, "line " + std::to_string(l->l_lnno) + " of '" + s_source_name(file, l->l_srcndx) + "'");
  }
  for (unsigned k = 0; sec->relocs && k < sec->header.s_nreloc; k++) {
    const coff_reloc *r = &sec->relocs[k];
    const char *type = coff_reloc_name(r->r_type);
    std::string type_text = type ? type : "type " + std::to_string(r->r_type);
    std::string addend = (r->r_offset < 0 ? "" : "+") + std::to_string(r->r_offset);
    notes->relocs.emplace(r->r_vaddr, "reloc " + type_text + " " + s_symbol_text(file, r->r_symndx) + addend);
  }
}

static void s_print_heads(FILE *out, const s_section_notes *notes, uint32_t address) {
  auto syms = notes->symbols.equal_range(address);
  for (auto it = syms.first; it != syms.second; ++it)
    fprintf(out, "%s:%s\n", it->second.text.c_str(), it->second.function ? "  ; function" : "");
  auto lines = notes->lines.equal_range(address);
  for (auto it = lines.first; it != lines.second; ++it) fprintf(out, "                    ; %s\n", it->second.c_str());
}

static void s_print_relocs(FILE *out, const s_section_notes *notes, uint32_t offset, uint32_t bytes) {
  auto it = notes->relocs.lower_bound(offset);
  for (; it != notes->relocs.end() && it->first < offset + bytes; ++it)
    fprintf(out, "                    ; %s\n", it->second.c_str());
}

// One instruction at offset; returns the bytes it occupies.
static uint32_t s_print_instruction(FILE *out, const coff_section *sec, uint32_t offset, uint32_t address) {
  uint32_t size = sec->header.s_size;
  if (offset + 1 >= size) {
    fprintf(out, "  %06lx: %02x        %-10s0x%02x\n", (unsigned long)address, sec->data[offset], "DB", sec->data[offset]);
    return 1;
  }
  inst_word word1 = inst_word(sec->data[offset] | (sec->data[offset + 1] << 8));
  bool has_next = offset + 3 < size;
  inst_word word2 = has_next ? inst_word(sec->data[offset + 2] | (sec->data[offset + 3] << 8)) : 0;
  if (!isOpcodeValid(word1, HARROW_FAMILY, EXTENDED_MODE)) {
    fprintf(out, "  %06lx: %04x      %-10s0x%04x\n", (unsigned long)address, word1, "DW", word1);
    return 2;
  }
  int words = 1;
  const char *text = disasm(address, word1, has_next ? word2 : NO_SECOND_WORD, &words, HARROW_FAMILY, EXTENDED_MODE);
  if (words == 2 && has_next)
    fprintf(out, "  %06lx: %04x %04x %s\n", (unsigned long)address, word1, word2, text);
  else
    fprintf(out, "  %06lx: %04x      %s\n", (unsigned long)address, word1, text);
  return words == 2 && has_next ? 4 : 2;
}

static void s_disassemble_section(FILE *out, const coff_file *file, unsigned secno) {
  const coff_section *sec = &file->sections[secno];
  char buf[9];
  fprintf(out, "Disassembly of section[%u] '%s' at %s, %lu bytes:\n", secno + 1,
          coff_section_name(file, &sec->header, buf), hexPrint(sec->header.s_paddr, 3),
          (unsigned long)sec->header.s_size);
  s_section_notes notes;
  s_collect_notes(file, secno, &notes);
  for (uint32_t offset = 0; offset < sec->header.s_size;) {
    uint32_t address = sec->header.s_paddr + offset;
    s_print_heads(out, &notes, address);
    uint32_t used = s_print_instruction(out, sec, offset, address);
    s_print_relocs(out, &notes, offset, used);
    offset += used;
  }
  fprintf(out, "\n");
}

void dump_disassemble(FILE *out, const coff_file *file) {
  for (unsigned i = 0; file->sections && i < file->file_hdr.f_nscns; i++) {
    const coff_section *sec = &file->sections[i];
    if (getScnType(&sec->header) == 1 && sec->data && sec->header.s_size) s_disassemble_section(out, file, i);
  }
}
