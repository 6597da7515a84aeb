// The emitter's state: the object record's header values, the section list
// with the current section of each kind, and the growing symbol and string
// tables. In: the object file name, the processor and the section requests of
// the master list. Out: sections numbered from 1 in order of creation, and
// symbol entries numbered from 0 in order of addition.
#include <cstring>

#include "device/processors.h"
#include "driver/diag.h"
#include "object/emit_internal.h"

bool emit_init(EmitState &st, const char *file_name, int inst_set, int processor, bool generic) {
  if (strlen(file_name) > VELC_PATH_MAX) return false;
  st.output.reset(coff_create());
  if (!st.output || !coff_set_filename(st.output.get(), file_name)) fatal_out_of_memory();
  st.object_file_name = file_name;
  st.inst_set = inst_set;
  st.processor = processor;
  for (int &slot : st.current) slot = -1;
  coff_opthdr &opt = st.output->opt_hdr;
  opt.vstamp = COFF_VSTAMP;
  opt.proc_type = getDvsProcType(processor);
  opt.rom_width_bits = uint32_t(getRomWidth(processor)) & 0xFFFF;
  opt.ram_width_bits = uint32_t(getRamWidth(processor)) & 0xFFFF;
  st.output->file_hdr.f_flags |= F_HARROW;
  if (generic) st.output->file_hdr.f_flags |= F_HARROW | F_GENERIC;
  return true;
}

int16_t emit_section_number(size_t section) { return int16_t(section + 1); }

static long s_find_section(const EmitState &st, const char *name) {
  for (size_t i = 0; i < st.sections.size(); i++)
    if (st.sections[i].name == name) return long(i);
  return -1;
}

// A new section: flags from its kind and attributes; an absolute one starts at its address.
static size_t s_add_section(EmitState &st, const char *name, int kind, bool shared, bool overlay, bool access,
                            bool absolute, uint32_t address) {
  EmitSection s{};
  s.name = name;
  s.kind = kind;
  s.start = absolute ? address : 0;
  s.position = s.start;
  s.header.s_paddr = s.start;
  set_scn_flags(&s.header, kind, absolute, shared, overlay, access);
  if (!coff_set_section_name(st.output.get(), &s.header, name)) fatal_out_of_memory();
  st.sections.push_back(std::move(s));
  return st.sections.size() - 1;
}

size_t emit_section(EmitState &st, const char *name, int kind, bool shared, bool overlay, bool access,
                    bool absolute, uint32_t address) {
  long found = s_find_section(st, name);
  size_t index = found >= 0 ? size_t(found)
                            : s_add_section(st, name, kind, shared, overlay, access, absolute, address);
  st.current[st.sections[index].kind] = int(index);
  return index;
}

// The translator creates its default section of each kind before any other,
// so the first section of a kind in the section set is the default one.
static const SectionRecord *s_default_section(int kind) {
  int wanted = kind == EMIT_TMPDATA ? SECTION_TMPDATA : kind;
  for (void *rec = section_set ? list_first(section_set) : nullptr; rec; rec = list_next(rec)) {
    const SectionRecord *scn = *static_cast<SectionRecord **>(rec);
    if (scn->kind == wanted) return scn;
  }
  return nullptr;
}

size_t emit_current_section(EmitState &st, int kind) {
  VELC_ASSERT(kind >= EMIT_CODE && kind < EMIT_KIND_SLOTS);
  if (st.current[kind] >= 0) return size_t(st.current[kind]);
  const SectionRecord *scn = s_default_section(kind);
  VELC_ASSERT(scn != nullptr);
  uint32_t a = scn->attributes;
  return emit_section(st, scn->name, kind, a & SCN_SHARED, a & SCN_OVERLAY, a & SCN_ACCESS, a & SCN_ABSOLUTE,
                      uint32_t(scn->address));
}

uint32_t emit_add_string(EmitState &st, const char *text) {
  uint32_t offset = coff_add_string(st.output.get(), text);
  if (offset == 0) fatal_out_of_memory();
  return offset;
}

uint32_t emit_add_symbol(EmitState &st, const char *name) {
  coff_symbol entry;
  memset(&entry, 0, sizeof entry);
  if (!coff_set_symbol_name(st.output.get(), &entry.sym, name)) fatal_out_of_memory();
  st.symbols.push_back(entry);
  return uint32_t(st.symbols.size() - 1);
}

uint32_t emit_add_aux(EmitState &st, uint32_t symbol) {
  // Auxiliary entries follow their symbol directly.
  VELC_ASSERT(symbol + 1u + st.symbols[symbol].sym.n_numaux == st.symbols.size());
  VELC_ASSERT(st.symbols[symbol].sym.n_numaux < 255);
  st.symbols[symbol].sym.n_numaux++;
  coff_symbol entry;
  memset(&entry, 0, sizeof entry);
  st.symbols.push_back(entry);
  return uint32_t(st.symbols.size() - 1);
}

coff_syment &emit_sym(EmitState &st, uint32_t index) { return st.symbols[index].sym; }
coff_auxent &emit_aux(EmitState &st, uint32_t index) { return st.symbols[index].aux; }
