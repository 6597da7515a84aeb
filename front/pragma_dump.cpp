// Pragma record dump: one stable line of text per record (no addresses,
// fixed field order), for the syntax-tree dump and for tests.
#include <cstdio>
#include <string>

#include "front/pragma.h"

static const char *const s_nosave_names[] = {
#define X(id, text) text,
    PRAGMA_NOSAVE_ROWS(X)
#undef X
};

static std::string s_text(pragma_ref ref) {
  const char *text = pragma_pool_get_text(ref);
  return text ? text : "-";
}

static std::string s_section(const pragma_section_words &w) {
  static const char *const types[] = {"?", "code", "idata", "udata", "romdata"};
  std::string out = std::string("section ") + types[w.type <= 4 ? w.type : 0] + " name=" + s_text(w.name);
  out += " overlay=" + std::to_string(w.overlay) + " access=" + std::to_string(w.access);
  if (w.has_address) {
    char address[16];
    snprintf(address, sizeof address, "0x%X", w.address);
    out += std::string(" address=") + address;
  }
  return out;
}

static std::string s_interrupt(const pragma_interrupt_words &w) {
  std::string out = w.high_priority ? "interrupt " : "interruptlow ";
  out += s_text(w.function) + " name=" + s_text(w.name) + " save=[";
  for (pragma_ref ref = w.save_list; ref;) {
    const pragma_save_item *item = pragma_pool_get_save_item(ref);
    out += std::string(item->kind == SAVE_SECTION ? "section " : "") + s_text(item->name);
    ref = item->next;
    out += ref ? "," : "";
  }
  out += "] nosave=[";
  std::string sep;
  for (uint32_t i = 0; i < NOSAVE_COUNT; i++)
    if (w.nosave[i]) {
      out += sep + s_nosave_names[i];
      sep = ",";
    }
  return out + "]";
}

char *pragma_record_format(const pragma_record *record, char *buffer, size_t size) {
  std::string out;
  switch (record->kind) {
  case PRAGMA_SECTION: out = s_section(record->u.section); break;
  case PRAGMA_INTERRUPT: out = s_interrupt(record->u.interrupt); break;
  case PRAGMA_TMPDATA: out = "tmpdata name=" + s_text(record->u.tmpdata.section); break;
  case PRAGMA_CONFIG: out = "config"; break;
  default: out = "pragma kind " + std::to_string(record->kind); break;
  }
  snprintf(buffer, size, "%s", out.c_str());
  return buffer;
}
