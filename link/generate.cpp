// Sections the linker adds itself. In: the collected sections and symbols.
// Out: the software stack "_stack" and the result area "__RETVAL0" when
// objects use them without defining them, a one-byte ".tmpdata" when
// objects refer to that section and none has it, a program-memory copy of every
// idata section, the initialisation table "__idata_table" that start-up code
// walks, and (on request) the start-up code.
//
// Table layout, little-endian: a 16-bit record count, then per idata section
// 3 bytes of program address, 2 bytes of data address, 2 bytes of length.
#include "link/link.h"
#include "link/startup.h"

static bool s_referenced(const Linker &l, const std::string &name) {
  for (const LinkObject &o : l.objects) {
    const coff_filehdr &fh = o.coff->file_hdr;
    for (uint32_t i = 0; i < fh.f_nsyms; i += 1 + o.coff->symbols[i].sym.n_numaux) {
      const coff_syment &sym = o.coff->symbols[i].sym;
      if (sym.n_scnum == 0 && sym.n_sclass == C_EXT && link_symbol_name(o, i) == name) return true;
    }
  }
  return false;
}

// Adds a generated section and defines `symbol` at its start (when given).
int link_add_generated(Linker &l, const std::string &name, int kind, uint32_t size, const std::string &symbol) {
  LinkSection s{};
  s.name = name;
  s.kind = kind;
  s.generated = true;
  s.size = size;
  s.origin = "<linker>";
  if (kind == LK_CODE || kind == LK_ROMDATA) s.bytes.assign(size, 0xFF);
  l.sections.push_back(s);
  int id = (int)l.sections.size() - 1;
  if (!symbol.empty()) l.globals[symbol] = LinkDefinition{-1, (uint32_t)id, kind == LK_CODE || kind == LK_ROMDATA, 0};
  return id;
}

static void s_data_areas(Linker &l) {
  bool need_stack = l.opt.startup || s_referenced(l, "_stack");
  if (need_stack && !l.globals.count("_stack")) link_add_generated(l, ".stack", LK_UDATA, l.opt.stack_size, "_stack");
  if (s_referenced(l, "__RETVAL0") && !l.globals.count("__RETVAL0"))
    link_add_generated(l, "MATH_DATA", LK_UDATA, 4, "__RETVAL0");
  // Interrupt routines save ".tmpdata" whole; when no object has
  // temporaries, one byte stands in for it (its copy loops need an address).
  if (s_referenced(l, ".tmpdata") && link_find_section(l, ".tmpdata") < 0)
    link_add_generated(l, ".tmpdata", LK_UDATA, 1, "");
}

static void s_idata_copies(Linker &l) {
  size_t count = 0, n = l.sections.size();
  for (size_t i = 0; i < n; ++i) {
    if (l.sections[i].kind != LK_IDATA) continue;
    ++count;
  }
  bool need_table = count > 0 || l.opt.startup || s_referenced(l, "__idata_table");
  if (!need_table || l.globals.count("__idata_table")) return;
  l.idata_table = link_add_generated(l, ".idata_table", LK_ROMDATA, (uint32_t)(2 + 7 * count), "__idata_table");
}

void link_generate(Linker &l) {
  s_data_areas(l);
  s_idata_copies(l);
  if (l.opt.startup) link_startup_sections(l);
}
