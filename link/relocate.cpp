// Relocation phase of the linker. In: placed sections and the objects'
// relocation entries. Out: patched instruction words and data bytes.
// Undefined symbols and values that do not fit the patched field are
// reported with the symbol, the section and the object.
#include <cstdio>

#include "link/link.h"

namespace {

struct Site {
  LinkSection *out;
  uint32_t at;         // byte offset in the output section
  uint32_t address;    // absolute address of the patched word or byte
  std::string what;    // "relocation TYPE against 'sym' in section 'x' of 'obj'"
};

const char *s_type_name(unsigned type) {
  const char *n = coff_reloc_name(type);
  return n ? n : "?";
}

void s_range_error(Linker &l, const Site &s, uint32_t value) {
  char buf[32];
  snprintf(buf, sizeof buf, "0x%X", value);
  link_error(l, s.what + ": value " + buf + " out of range");
}

bool s_is_section_type(unsigned t) { return t >= RELOCT_SCNSZ_LOW && t <= RELOCT_SCNEND_LFSR2; }

// Byte- and bit-oriented instructions carry the access bit in bit 8.
bool s_has_access_bit(uint16_t w) { return (w >= 0x1000 && w < 0xC000) || (w >= 0x0200 && w < 0x0800); }

bool s_in_access_bank(uint32_t v) { return (v >= LINK_ACCESS_START && v < LINK_ACCESS_END) || (v >= 0xF80 && v <= 0xFFF); }

uint16_t s_word(const Site &s) { return (uint16_t)(s.out->bytes[s.at] | s.out->bytes[s.at + 1] << 8); }

void s_put_word(const Site &s, uint16_t w) {
  s.out->bytes[s.at] = (uint8_t)w;
  s.out->bytes[s.at + 1] = (uint8_t)(w >> 8);
}

// Replaces the bits of mask in the word with value (already shifted into place).
void s_field(const Site &s, uint16_t mask, uint32_t value) { s_put_word(s, (uint16_t)((s_word(s) & ~mask) | (value & mask))); }

bool s_relative(Linker &l, const Site &s, uint32_t v, int bits) {
  // In 64 bits: a wild value (a symbol far beyond any memory) is out of
  // range, not an overflow.
  int64_t d = (int64_t)v - ((int64_t)s.address + 2);
  int64_t lim = 1 << (bits - 1);
  if ((d & 1) || d / 2 < -lim || d / 2 >= lim) {
    s_range_error(l, s, v);
    return false;
  }
  s_field(s, (uint16_t)((1u << bits) - 1), (uint32_t)(d / 2));
  return true;
}

// A register field: with access bit 0 the address must lie in the access bank.
void s_register(Linker &l, const Site &s, uint32_t v) {
  uint16_t w = s_word(s);
  if (v > 0xFFF || (s_has_access_bit(w) && !(w & 0x100) && !s_in_access_bank(v))) {
    s_range_error(l, s, v);
    return;
  }
  s_field(s, 0xFF, v);
}

void s_code(Linker &l, const Site &s, unsigned type, uint32_t v) {
  bool data_addr = type == RELOCT_FF1 || type == RELOCT_FF2 || type == RELOCT_LFSR1 || type == RELOCT_LFSR2 ||
                   type == RELOCT_SCNEND_LFSR1 || type == RELOCT_SCNEND_LFSR2 || type == RELOCT_MOVLB;
  if (data_addr && v > 0xFFF) return s_range_error(l, s, v);
  switch (type) {
  case RELOCT_CALL: case RELOCT_GOTO:
    if ((v & 1) || v >= 0x200000) return s_range_error(l, s, v);
    return s_field(s, 0xFF, v >> 1);
  case RELOCT_GOTO2:
    if ((v & 1) || v >= 0x200000) return s_range_error(l, s, v);
    return s_field(s, 0xFFF, v >> 9);
  case RELOCT_F: return s_register(l, s, v);
  case RELOCT_LOW:  // a register field, or the 8-bit literal of MOVLW, ADDLW, PUSHL...: any address's low byte
    if (!s_has_access_bit(s_word(s))) return s_field(s, 0xFF, v);
    return s_register(l, s, v);
  case RELOCT_HIGH: case RELOCT_SCNSZ_HIGH: case RELOCT_SCNEND_HIGH: return s_field(s, 0xFF, v >> 8);
  case RELOCT_UPPER: case RELOCT_SCNSZ_UPPER: case RELOCT_SCNEND_UPPER: return s_field(s, 0xFF, v >> 16);
  case RELOCT_SCNSZ_LOW: case RELOCT_SCNEND_LOW: return s_field(s, 0xFF, v);
  case RELOCT_MOVLB: return s_field(s, 0xFF, v >> 8);
  case RELOCT_FF1: case RELOCT_FF2: return s_field(s, 0xFFF, v);
  case RELOCT_LFSR1: case RELOCT_SCNEND_LFSR1: return s_field(s, 0x0F, v >> 8);
  case RELOCT_LFSR2: case RELOCT_SCNEND_LFSR2: return s_field(s, 0xFF, v);
  case RELOCT_BRA: s_relative(l, s, v, 11); return;
  case RELOCT_CONDBRA: s_relative(l, s, v, 8); return;
  default: link_error(l, s.what + ": relocation type not supported"); return;
  }
}

void s_data(Linker &l, const Site &s, unsigned type, uint32_t v) {
  uint8_t &b = s.out->bytes[s.at];
  switch (type) {
  case RELOCT_LOW: case RELOCT_SCNSZ_LOW: case RELOCT_SCNEND_LOW: b = (uint8_t)v; return;
  case RELOCT_HIGH: case RELOCT_SCNSZ_HIGH: case RELOCT_SCNEND_HIGH: b = (uint8_t)(v >> 8); return;
  case RELOCT_UPPER: case RELOCT_SCNSZ_UPPER: case RELOCT_SCNEND_UPPER: b = (uint8_t)(v >> 16); return;
  default: link_error(l, s.what + ": relocation type not supported in a data section"); return;
  }
}

// The section a section-name symbol names: the section of that name, or,
// for a name that starts with '.', of the name without it (a saved section
// "data" is referred to as ".data"); -1 when none.
int s_section_named(const Linker &l, const std::string &name) {
  int id = link_find_section(l, name);
  if (id < 0 && name.size() > 1 && name[0] == '.') id = link_find_section(l, name.substr(1));
  return id;
}

// Value a relocation refers to: a symbol's address, or a section's size or
// end (the address of its last byte) for the section types.
bool s_value(Linker &l, int oi, const coff_reloc &r, const Site &site, uint32_t &v) {
  std::string name;
  if (s_is_section_type(r.r_type)) {
    name = link_symbol_name(l.objects[oi], r.r_symndx);
    int id = s_section_named(l, name);
    if (id < 0) {
      link_error(l, site.what + ": no section named '" + name + "'");
      return false;
    }
    const LinkSection &s = l.sections[id];
    bool size = r.r_type <= RELOCT_SCNSZ_UPPER;
    v = size ? s.size : s.address + s.size - 1;
  } else if (!link_symbol_address(l, oi, r.r_symndx, v, name)) {
    link_error(l, "undefined symbol '" + name + "' referenced in '" + l.objects[oi].path + "'");
    return false;
  }
  v = (uint32_t)((int64_t)v + r.r_offset);
  return true;
}

void s_apply(Linker &l, int oi, int si, const coff_reloc &r) {
  LinkObject &o = l.objects[oi];
  int out = o.out_section[si];
  if (out < 0) return;
  LinkSection &s = l.sections[out];
  char buf[9];
  Site site{&s, o.offset[si] + r.r_vaddr, 0, ""};
  site.address = s.address + site.at;
  site.what = std::string("relocation ") + s_type_name(r.r_type) + " against '" + link_symbol_name(o, r.r_symndx) +
              "' in section '" + coff_section_name(o.coff, &o.coff->sections[si].header, buf) + "' of '" + o.path + "'";
  bool code = s.kind == LK_CODE;
  uint32_t width = code ? 2 : 1;
  if ((uint64_t)r.r_vaddr + width > o.coff->sections[si].header.s_size || (uint64_t)site.at + width > s.bytes.size()) {
    link_error(l, site.what + ": offset outside the section's contents");
    return;
  }
  uint32_t v = 0;
  if (!s_value(l, oi, r, site, v)) return;
  if (code) s_code(l, site, r.r_type, v);
  else s_data(l, site, r.r_type, v);
}

}  // namespace

bool link_sfr_address(const std::string &name, uint32_t &address) {
  static const struct { const char *name; uint32_t address; } table[] = {
#define CORE_REG(n, a, bytes, group) {#n, a},
#include "device/core_registers.def"
#undef CORE_REG
  };
  static_assert(sizeof(table) / sizeof(table[0]) == 43, "one row per register name");
  for (const auto &row : table)
    if (name == row.name) {
      address = row.address;
      return true;
    }
  return link_peripheral_address(name, address);
}

bool link_peripheral_address(const std::string &name, uint32_t &address) {
  static const struct { const char *name; uint32_t address; } table[] = {
#define PERIPH_REG(n, a) {#n, a}, {#n "bits", a},
#include "device/peripheral_registers.def"
#undef PERIPH_REG
  };
  for (const auto &row : table)
    if (name == row.name) {
      address = row.address;
      return true;
    }
  return false;
}

bool link_lookup(const Linker &l, const std::string &name, uint32_t &address, bool &program) {
  auto it = l.globals.find(name);
  if (it != l.globals.end()) {
    const LinkDefinition &d = it->second;
    if (d.object < 0) {
      const LinkSection &s = l.sections[d.index];
      address = s.address;
      program = s.in_program();
      return true;
    }
    std::string ignored;
    const coff_syment &sym = l.objects[d.object].coff->symbols[d.index].sym;
    int out = sym.n_scnum >= 1 ? l.objects[d.object].out_section[sym.n_scnum - 1] : -1;
    program = out >= 0 && l.sections[out].in_program();
    return link_symbol_address(l, d.object, d.index, address, ignored);
  }
  program = false;
  auto given = l.opt.symbols.find(name);
  if (given != l.opt.symbols.end()) {
    address = given->second;
    return true;
  }
  if (link_sfr_address(name, address)) return true;
  // A section-name symbol ('.' first, no C name has one) stands for the section's start.
  int id = name.size() > 1 && name[0] == '.' ? s_section_named(l, name) : -1;
  if (id < 0) return false;
  address = l.sections[id].address;
  program = l.sections[id].in_program();
  return true;
}

bool link_symbol_address(const Linker &l, int object, uint32_t index, uint32_t &address, std::string &name) {
  const LinkObject &o = l.objects[object];
  name = link_symbol_name(o, index);
  if (index >= o.coff->file_hdr.f_nsyms) return false;
  const coff_syment &sym = o.coff->symbols[index].sym;
  if (sym.n_scnum == -1) {
    address = sym.n_value;
    return true;
  }
  if (sym.n_scnum == 0) {
    bool program;
    return link_lookup(l, name, address, program);
  }
  int si = sym.n_scnum - 1;  // debugging symbols (-2) and bad numbers have no address
  if (si < 0 || si >= (int)o.out_section.size() || o.out_section[si] < 0) return false;
  const coff_scnhdr &h = o.coff->sections[si].header;
  address = l.sections[o.out_section[si]].address + o.offset[si] + (sym.n_value - h.s_paddr);
  return true;
}

void link_relocate(Linker &l) {
  for (size_t oi = 0; oi < l.objects.size(); ++oi) {
    const coff_file *c = l.objects[oi].coff;
    for (int si = 0; si < c->file_hdr.f_nscns; ++si)
      for (int ri = 0; ri < c->sections[si].header.s_nreloc; ++ri) s_apply(l, (int)oi, si, c->sections[si].relocs[ri]);
  }
}
