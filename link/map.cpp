// Map of a linked program. In: the placed sections and every symbol with an
// address. Out: the text of the map file: a "Sections:" table (name, kind,
// address, size, object) and a "Symbols:" table (name, space, address, size
// in bytes when the type tells it), each ordered by space and address.
#include <algorithm>
#include <cstdio>
#include <tuple>

#include "device/processors.h"
#include "link/link.h"

namespace {

struct MapSym {
  std::string name;
  bool program;
  uint32_t address;
  uint32_t size;  // 0: not known
};

const char *s_kind(const LinkSection &s) {
  static const char *names[] = {"?", "code", "idata", "udata", "romdata", "actrec"};
  return s.kind >= 1 && s.kind <= 5 ? names[s.kind] : names[0];
}

uint32_t s_basic_size(uint32_t t) {
  switch (t) {
  case T_CHAR: case T_UCHAR: return 1;
  case T_SHORT: case T_INT: case T_USHORT: case T_UINT: return 2;
  case T_SLONG: case T_USLONG: return 3;
  case T_LONG: case T_ULONG: case T_FLOAT: case T_DOUBLE: return 4;
  default: return 0;
  }
}

// Bytes of a variable from its type word and auxiliary entry; 0 when unknown.
uint32_t s_symbol_size(const coff_file *c, uint32_t i) {
  const coff_syment &sym = c->symbols[i].sym;
  unsigned d = coff_derivation(sym.n_type, 0);
  if (d == DT_FCN) return 0;
  if (d == DT_RAMPTR || d == DT_ROMPTR) return 2;
  if (d == DT_FARROMPTR) return 3;
  if (sym.n_numaux > 0 && i + 1 < c->file_hdr.f_nsyms) {
    int kind = coff_has_aux(&sym);
    if (kind == AUX_ARR) return c->symbols[i + 1].aux.x_arr.x_size;
    if (kind == AUX_VAR) return c->symbols[i + 1].aux.x_var.x_size;
  }
  return d == DT_NON ? s_basic_size(sym.n_type & N_BTMASK) : 0;
}

std::vector<MapSym> s_symbols(const Linker &l) {
  std::vector<MapSym> out;
  for (size_t oi = 0; oi < l.objects.size(); ++oi) {
    const LinkObject &o = l.objects[oi];
    for (uint32_t i = 0; i < o.coff->file_hdr.f_nsyms; i += 1 + o.coff->symbols[i].sym.n_numaux) {
      const coff_syment &sym = o.coff->symbols[i].sym;
      bool kept = sym.n_scnum >= 1 && (sym.n_sclass == C_EXT || sym.n_sclass == C_STAT || sym.n_sclass == C_LABEL);
      if (!kept || sym.n_scnum > (int)o.out_section.size()) continue;
      int out_id = o.out_section[sym.n_scnum - 1];
      MapSym m{link_symbol_name(o, i), out_id >= 0 && l.sections[out_id].in_program(), 0, s_symbol_size(o.coff, i)};
      std::string ignored;
      if (link_symbol_address(l, (int)oi, i, m.address, ignored)) out.push_back(m);
    }
  }
  for (const auto &g : l.globals)
    if (g.second.object < 0) {
      const LinkSection &s = l.sections[g.second.index];
      out.push_back(MapSym{g.first, s.in_program(), s.address, s.size});
    }
  std::sort(out.begin(), out.end(), [](const MapSym &a, const MapSym &b) {
    return std::make_tuple(!a.program, a.address, a.name) < std::make_tuple(!b.program, b.address, b.name);
  });
  return out;
}

}  // namespace

std::string link_map_text(const Linker &l, const std::string &output) {
  std::string t = "Harrow link map of " + output + "\nDevice: " + getDvsProcName(l.opt.device) + "\n\nSections:\n";
  char line[256];
  std::vector<const LinkSection *> secs;
  for (const LinkSection &s : l.sections) secs.push_back(&s);
  std::stable_sort(secs.begin(), secs.end(), [](const LinkSection *a, const LinkSection *b) {
    return std::make_tuple(!a->in_program(), a->address) < std::make_tuple(!b->in_program(), b->address);
  });
  snprintf(line, sizeof line, "  %-28s %-8s %-9s %-9s %s\n", "name", "kind", "address", "size", "object");
  t += line;
  for (const LinkSection *s : secs) {
    snprintf(line, sizeof line, "  %-28s %-8s 0x%06X  0x%06X  %s\n", s->name.c_str(), s_kind(*s), (unsigned)s->address,
             (unsigned)s->size, s->origin.c_str());
    t += line;
    if (s->kind == LK_IDATA && s->size) {
      snprintf(line, sizeof line, "  %-28s %-8s 0x%06X  0x%06X  %s\n", (s->name + " (initial data)").c_str(), "romdata",
               (unsigned)s->rom_copy, (unsigned)s->size, "<linker>");
      t += line;
    }
  }
  t += "\nSymbols:\n";
  for (const MapSym &m : s_symbols(l)) {
    snprintf(line, sizeof line, "  %-28s %-8s 0x%06X", m.name.c_str(), m.program ? "program" : "data",
             (unsigned)m.address);
    t += line;
    t += m.size ? "  " + std::to_string(m.size) + "\n" : "\n";
  }
  return t;
}
