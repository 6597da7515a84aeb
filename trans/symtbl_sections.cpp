// Sections. In: section requests from the start of the module (the five
// defaults) and from section pragmas. Out: the section set, the current
// section of each kind, and SYM_SECTION entries in the master list so that
// each later object is placed in the section current at its declaration.
#include <cstdlib>
#include <cstring>

#include "driver/diag.h"
#include "driver/compile.h"
#include "driver/paths.h"
#include "trans/symtbl_internal.h"

list_t *section_set;

namespace {

constexpr int KIND_SLOTS = 7;  // indexed by SectionKind
SectionRecord *s_current[KIND_SLOTS];
SectionRecord *s_default[KIND_SLOTS];

SectionRecord *s_new_section(SectionKind kind, const char *name, uint32_t attributes, long address) {
  auto *scn = static_cast<SectionRecord *>(calloc(1, sizeof(SectionRecord)));
  auto **slot = static_cast<SectionRecord **>(list_append(section_set));
  if (!scn || !slot)
    post_error(101);
  scn->kind = kind;
  scn->name = strdup(name);
  scn->attributes = attributes;
  scn->address = address;
  *slot = scn;
  return scn;
}

SectionRecord *s_find_section(const char *name) {
  for (void *rec = list_first(section_set); rec; rec = list_next(rec)) {
    SectionRecord *scn = *static_cast<SectionRecord **>(rec);
    if (strcmp(scn->name, name) == 0)
      return scn;
  }
  return nullptr;
}

int s_slot(SectionKind kind) {
  VELC_ASSERT(kind == SECTION_CODE || kind == SECTION_IDATA || kind == SECTION_UDATA ||
              kind == SECTION_ROMDATA || kind == SECTION_TMPDATA);
  return static_cast<int>(kind);
}

// An existing section asked for again: conflicting attributes are reported
// and the section is used as it was defined.
void s_check_attributes(const SectionRecord *scn, SectionKind kind, uint32_t attributes, bool has_address) {
  if (has_address)
    post_error(1050);
  if (scn->kind != kind)
    post_error(1054);
  if ((scn->attributes & SCN_ACCESS) != (attributes & SCN_ACCESS))
    post_error(1055);
  if ((scn->attributes & SCN_SHARED) != (attributes & SCN_SHARED))
    post_error(1053);
  if ((scn->attributes & SCN_OVERLAY) != (attributes & SCN_OVERLAY))
    post_error(1052);
}

SymbolRecord *s_section_entry(SectionRecord *scn) {
  SymbolRecord *entry = sym_new_record(SYM_SECTION, scn->name, yylineno, yyfilename);
  entry->data.section = scn;
  sym_add_to_master_symbol_table(entry);
  if (!scn->first_entry)
    scn->first_entry = entry;
  return entry;
}

}  // namespace

static const char *s_get_default_section_name(SectionKind kind, char *buffer, size_t size) {
  if (kind == SECTION_TMPDATA) {
    snprintf(buffer, size, ".tmpdata");
    return buffer;
  }
  const char *prefix = kind == SECTION_CODE ? ".code_" : kind == SECTION_IDATA ? ".idata_"
                       : kind == SECTION_UDATA ? ".udata_" : ".romdata_";
  const char *object_name = pathfile(getObjectFileName());
  VELC_ASSERT(strlen(object_name) <= 255);
  snprintf(buffer, size, "%s%s", prefix, object_name);
  return buffer;
}

void sym_sections_begin_module() {
  section_set = list_create(sizeof(SectionRecord *));
  if (!section_set)
    post_error(101);
  static const SectionKind order[] = {SECTION_TMPDATA, SECTION_UDATA, SECTION_IDATA, SECTION_ROMDATA,
                                      SECTION_CODE};
  for (SectionKind kind : order) {
    char name[300];
    s_get_default_section_name(kind, name, sizeof name);
    SectionRecord *scn = s_new_section(kind, name, kind == SECTION_TMPDATA ? SCN_OVERLAY : 0, 0);
    s_current[s_slot(kind)] = s_default[s_slot(kind)] = scn;
  }
}

static void s_free_section(void *rec) {
  SectionRecord *scn = *static_cast<SectionRecord **>(rec);
  free(scn->name);
  free(scn);
}

void sym_sections_end_module() {
  list_free(section_set, s_free_section);
  section_set = nullptr;
  for (int i = 0; i < KIND_SLOTS; i++)
    s_current[i] = s_default[i] = nullptr;
}

SymbolRecord *sym_enter_section(SectionKind kind, const char *name, bool shared, bool overlay, bool access,
                                bool has_address, long address) {
  uint32_t attributes = (shared ? SCN_SHARED : 0) | (overlay ? SCN_OVERLAY : 0) | (access ? SCN_ACCESS : 0) |
                        (has_address ? SCN_ABSOLUTE : 0);
  SectionRecord *scn;
  bool existed = true;
  if (name && name[0]) {
    scn = s_find_section(name);
    if (scn) {
      s_check_attributes(scn, kind, attributes, has_address);
    } else {
      scn = s_new_section(kind, name, attributes, address);
      existed = false;
    }
  } else {
    scn = s_default[s_slot(kind)];
  }
  s_current[s_slot(scn->kind)] = scn;
  // Code sections are contiguous in the master list: re-entering one adds nothing.
  if (existed && scn->kind == SECTION_CODE)
    return scn->first_entry;
  return s_section_entry(scn);
}

char *sym_get_current_udata_scn_name() {
  VELC_ASSERT(s_current[SECTION_UDATA] != nullptr);
  return strdup(s_current[SECTION_UDATA]->name);
}

char *sym_get_current_idata_scn_name() {
  VELC_ASSERT(s_current[SECTION_IDATA] != nullptr);
  return strdup(s_current[SECTION_IDATA]->name);
}

SectionRecord *sym_get_current_romdata_scn() { return s_current[SECTION_ROMDATA]; }
SectionRecord *sym_get_current_code_scn() { return s_current[SECTION_CODE]; }
SectionRecord *sym_get_default_code_section() { return s_default[SECTION_CODE]; }

char *sym_make_act_rec_scn_name(const char *function_name) {
  size_t size = strlen(getObjectFileName()) + strlen(function_name) + 2;
  char *name = static_cast<char *>(malloc(size));
  if (!name)
    post_error(101);
  snprintf(name, size, "%s:%s", getObjectFileName(), function_name);
  return name;
}
