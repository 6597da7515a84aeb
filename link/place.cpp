// Placement phase of the linker. In: output sections with sizes. Out: an
// address for each: absolute sections where their objects put them; code,
// then romdata, then idata copies in program memory after the vectors;
// access sections in the access RAM 0x060..0x07F; the other data sections in
// general-purpose RAM, each within one bank unless larger than a bank.
// Overlaps between absolute sections and sections without room are errors.
#include <algorithm>
#include <cstdio>

#include "link/link.h"

namespace {

struct Span {
  uint32_t start, end;  // [start, end)
  int section;          // -1 for an idata copy
};

std::string s_hex(uint32_t v) {
  char buf[16];
  snprintf(buf, sizeof buf, "0x%06X", v);
  return buf;
}

std::string s_who(const Linker &l, int id) {
  if (id < 0) return "an initial-data copy";
  const LinkSection &s = l.sections[id];
  return "'" + s.name + "' (" + s.origin + ")";
}

// First address >= lo where size bytes fit below hi without touching a span.
// With one_bank the block may not cross a 256-byte boundary (unless larger).
bool s_fit(const std::vector<Span> &used, uint32_t lo, uint32_t hi, uint32_t size, uint32_t align, bool one_bank,
           uint32_t &at) {
  uint32_t a = lo;
  for (;;) {
    a = (a + align - 1) / align * align;
    if (one_bank && size <= 0x100 && size > 0 && (a >> 8) != ((a + size - 1) >> 8)) a = (a | 0xFF) + 1;
    if (a + size > hi) return false;
    bool moved = false;
    for (const Span &s : used)
      if (size > 0 && a < s.end && s.start < a + size) {
        a = s.end;
        moved = true;
      }
    if (!moved) {
      at = a;
      return true;
    }
  }
}

void s_check_absolute(Linker &l, std::vector<Span> &used, int id) {
  const LinkSection &s = l.sections[id];
  for (const Span &u : used)
    if (s.size > 0 && s.address < u.end && u.start < s.address + s.size) {
      uint32_t at = std::max(s.address, u.start);
      link_error(l, "sections " + s_who(l, u.section) + " and " + s_who(l, id) + " overlap at " + s_hex(at));
      return;
    }
  if (s.size > 0) used.push_back(Span{s.address, s.address + s.size, id});
}

void s_place_absolute(Linker &l, std::vector<Span> &prog, std::vector<Span> &data) {
  for (size_t i = 0; i < l.sections.size(); ++i) {
    const LinkSection &s = l.sections[i];
    if (!s.absolute) continue;
    uint64_t end = (uint64_t)s.address + s.size;
    bool ok = s.in_program() ? (end <= l.program_size || (s.address >= LINK_CONFIG_START && end <= LINK_CONFIG_END))
                             : end <= 0x1000;
    if (!ok) {
      link_error(l, "section " + s_who(l, (int)i) + " at " + s_hex(s.address) + " lies outside " +
                        (s.in_program() ? "program" : "data") + " memory");
      continue;
    }
    s_check_absolute(l, s.in_program() ? prog : data, (int)i);
  }
}

void s_place_one(Linker &l, std::vector<Span> &used, int id, uint32_t lo, uint32_t hi, bool program) {
  LinkSection &s = l.sections[id];
  uint32_t at = 0;
  if (!s_fit(used, lo, hi, s.size, program ? 2 : 1, !program, at)) {
    link_error(l, "no room for section " + s_who(l, id) + " of " + std::to_string(s.size) + " bytes in " +
                      (program ? "program" : s.access ? "access" : "data") + " memory");
    return;
  }
  s.address = at;
  if (s.size) used.push_back(Span{at, at + s.size, id});
}

void s_place_program(Linker &l, std::vector<Span> &prog) {
  for (int kind : {LK_CODE, LK_ROMDATA})
    for (size_t i = 0; i < l.sections.size(); ++i)
      if (!l.sections[i].absolute && l.sections[i].kind == kind)
        s_place_one(l, prog, (int)i, LINK_CODE_START, l.program_size, true);
  for (LinkSection &s : l.sections) {
    if (s.kind != LK_IDATA || s.size == 0) continue;
    uint32_t at = 0;
    if (!s_fit(prog, LINK_CODE_START, l.program_size, s.size, 2, false, at)) {
      link_error(l, "no room for the initial data of section '" + s.name + "' in program memory");
      continue;
    }
    s.rom_copy = at;
    prog.push_back(Span{at, at + s.size, -1});
  }
}

// Access sections take the access RAM; the others avoid it. The generated
// stack comes last so that the objects' data packs first. No object starts
// at data address 0: that address is the null pointer, so the address of an
// object there would compare equal to it.
void s_place_data(Linker &l, std::vector<Span> &data) {
  for (size_t i = 0; i < l.sections.size(); ++i) {
    const LinkSection &s = l.sections[i];
    if (!s.absolute && !s.in_program() && s.access) s_place_one(l, data, (int)i, LINK_ACCESS_START, LINK_ACCESS_END, false);
  }
  data.push_back(Span{LINK_ACCESS_START, LINK_ACCESS_END, -1});
  for (int pass = 0; pass < 2; ++pass)
    for (size_t i = 0; i < l.sections.size(); ++i) {
      const LinkSection &s = l.sections[i];
      bool stack = s.generated && s.name == ".stack";
      if (s.absolute || s.in_program() || s.access || stack != (pass == 1)) continue;
      s_place_one(l, data, (int)i, 1, l.data_end, false);
    }
}

}  // namespace

void link_place(Linker &l) {
  std::vector<Span> prog, data;
  s_place_absolute(l, prog, data);
  s_place_program(l, prog);
  s_place_data(l, data);
}
