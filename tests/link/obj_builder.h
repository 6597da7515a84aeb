// Builds object records for linker tests: sections with contents (code
// assembled with the project's instruction encoder), symbols and
// relocations, through the object format's own building helpers.
#ifndef VELC_TESTS_LINK_OBJ_BUILDER_H
#define VELC_TESTS_LINK_OBJ_BUILDER_H

#include <string>
#include <vector>

#include "object/coff.h"
#include "tests/sim/sim_bench.h"

struct ObjSection {
  std::string name;
  int kind;                  // 1 code, 2 idata, 3 udata, 4 romdata, 5 actrec, 6 tmpdata
  bool absolute, access, overlay;
  uint32_t address;
  std::vector<uint8_t> bytes;
  uint32_t size;             // udata and actrec: bytes reserved
  std::vector<coff_reloc> relocs;
};

struct ObjSymbol {
  std::string name;
  int section;               // 1-based; 0 external; -1 absolute value
  uint32_t value;
  uint8_t sclass;
  uint32_t type;
};

struct ObjBuilder {
  std::vector<ObjSection> secs;
  std::vector<ObjSymbol> syms;

  int section(const std::string &name, int kind, bool absolute = false, uint32_t address = 0, bool access = false,
              bool overlay = false) {
    secs.push_back(ObjSection{name, kind, absolute, access, overlay, address, {}, 0, {}});
    return (int)secs.size();
  }
  // Symbol whose value is an offset in its section (absolute sections add their address).
  uint32_t symbol(const std::string &name, int section, uint32_t offset = 0, uint8_t sclass = C_EXT, uint32_t type = 0) {
    uint32_t v = offset;
    if (section >= 1 && secs[section - 1].absolute) v += secs[section - 1].address;
    syms.push_back(ObjSymbol{name, section, v, sclass, type});
    return (uint32_t)syms.size() - 1;
  }
  uint32_t external(const std::string &name) { return symbol(name, 0, 0, C_EXT); }
  // Appends assembled code; returns its offset in the section.
  uint32_t code(int section, const Asm &a) {
    ObjSection &s = secs[section - 1];
    uint32_t at = (uint32_t)s.bytes.size();
    for (uint16_t w : a.w) {
      s.bytes.push_back((uint8_t)w);
      s.bytes.push_back((uint8_t)(w >> 8));
    }
    return at;
  }
  uint32_t data(int section, const std::vector<uint8_t> &bytes) {
    ObjSection &s = secs[section - 1];
    uint32_t at = (uint32_t)s.bytes.size();
    s.bytes.insert(s.bytes.end(), bytes.begin(), bytes.end());
    return at;
  }
  void reserve(int section, uint32_t size) { secs[section - 1].size = size; }
  void reloc(int section, uint32_t at, uint32_t sym, uint16_t type, int16_t addend = 0) {
    secs[section - 1].relocs.push_back(coff_reloc{at, sym, addend, type});
  }

  coff_file *build(const char *filename = "test.o") const {
    coff_file *f = coff_create();
    coff_set_filename(f, filename);
    f->file_hdr.f_flags = F_HARROW;
    coff_alloc_sections(f, (uint16_t)secs.size());
    for (size_t i = 0; i < secs.size(); ++i) {
      const ObjSection &s = secs[i];
      coff_section &out = f->sections[i];
      coff_set_section_name(f, &out.header, s.name.c_str());
      set_scn_flags(&out.header, s.kind, s.absolute, false, s.overlay, s.access);
      out.header.s_paddr = s.absolute ? s.address : 0;
      if (!s.bytes.empty()) coff_set_section_data(&out, s.bytes.data(), (uint32_t)s.bytes.size());
      else out.header.s_size = s.size;
      if (!s.relocs.empty()) coff_set_section_relocs(&out, s.relocs.data(), (uint16_t)s.relocs.size());
    }
    coff_alloc_symbols(f, (uint32_t)syms.size());
    for (size_t i = 0; i < syms.size(); ++i) {
      coff_syment &e = f->symbols[i].sym;
      coff_set_symbol_name(f, &e, syms[i].name.c_str());
      e.n_value = syms[i].value;
      e.n_scnum = (int16_t)syms[i].section;
      e.n_sclass = syms[i].sclass;
      e.n_type = syms[i].type;
    }
    return f;
  }
};

#endif
