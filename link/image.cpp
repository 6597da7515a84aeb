// Image phase of the linker. In: placed and relocated sections. Out: the
// program-memory bytes of code, romdata, the idata copies and their table,
// and the start-up code; and link_run, which runs every phase in order.
#include "link/link.h"
#include "link/startup.h"

static void s_put(Linker &l, uint32_t address, const std::vector<uint8_t> &bytes) {
  for (size_t i = 0; i < bytes.size(); ++i) l.image[address + (uint32_t)i] = bytes[i];
}

// Count, then (program address, data address, length) per idata section.
static void s_fill_table(Linker &l) {
  if (l.idata_table < 0) return;
  std::vector<uint8_t> t = {0, 0};
  uint16_t count = 0;
  for (const LinkSection &s : l.sections) {
    if (s.kind != LK_IDATA || s.size == 0) continue;
    ++count;
    const uint8_t rec[7] = {(uint8_t)s.rom_copy, (uint8_t)(s.rom_copy >> 8), (uint8_t)(s.rom_copy >> 16),
                            (uint8_t)s.address, (uint8_t)(s.address >> 8), (uint8_t)s.size, (uint8_t)(s.size >> 8)};
    t.insert(t.end(), rec, rec + 7);
  }
  t[0] = (uint8_t)count;
  t[1] = (uint8_t)(count >> 8);
  LinkSection &table = l.sections[l.idata_table];
  table.bytes = t;
  table.bytes.resize(table.size, 0xFF);
}

void link_image(Linker &l) {
  s_fill_table(l);
  link_startup_code(l);
  for (const LinkSection &s : l.sections) {
    if (s.in_program()) s_put(l, s.address, s.bytes);
    else if (s.kind == LK_IDATA) s_put(l, s.rom_copy, s.bytes);
  }
}

bool link_run(Linker &l) {
  link_collect(l);
  link_generate(l);
  link_place(l);
  link_relocate(l);
  if (l.errors.empty()) link_image(l);
  return l.errors.empty();
}
