// Variables of the first walk. In: a master-list variable that this unit
// defines, with its type, storage class and initial data. Out: its symbol
// entry (and the tags its type needs, just before it), its place in a data
// section, and its initial bytes with a relocation for every address byte.
// The near qualifier is checked against the access attribute of the section.
#include <cstdio>
#include <cstring>

#include "device/processors.h"
#include "driver/diag.h"
#include "object/emit_internal.h"
#include "trans/trn_records.h"

bool emit_defines_variable(const SymbolRecord *sym) {
  const TypeRecord *t = sym->data.var.type;
  if (sym->type != VARIABLE || !t || t->type == FUNCTION_TYPE) return false;
  if (sym->flags & 1) return false;  // an enumeration constant is no object
  return sym->data.var.sclass != EXTERN;
}

static bool s_in_program_memory(const SymbolRecord *sym) { return sym->data.var.type->location == ROM_LOC; }

// A section the translator chose by name: found, or created with the
// attributes of its directive, without changing the current sections.
static long s_named_section(EmitState &st, const char *name, int kind) {
  for (size_t i = 0; i < st.sections.size(); i++)
    if (st.sections[i].name == name) return long(i);
  for (void *rec = section_set ? list_first(section_set) : nullptr; rec; rec = list_next(rec)) {
    const SectionRecord *scn = *static_cast<SectionRecord **>(rec);
    if (scn->kind != kind || strcmp(scn->name, name) != 0) continue;
    int saved = st.current[kind];
    uint32_t a = scn->attributes;
    size_t index = emit_section(st, name, kind, a & SCN_SHARED, a & SCN_OVERLAY, a & SCN_ACCESS,
                                a & SCN_ABSOLUTE, uint32_t(scn->address));
    st.current[kind] = saved;
    return long(index);
  }
  return -1;
}

// The current section of a kind, or the one the declarations chose for the
// object: a redeclaration may define it after a later section directive.
static size_t s_data_section(EmitState &st, const SymbolRecord *sym, int kind) {
  if (sym->section_assigned && sym->section_name) {
    long named = s_named_section(st, sym->section_name, kind);
    if (named >= 0) return size_t(named);
  }
  return emit_current_section(st, kind);
}

// Where the object lives; -1 for an automatic one (in the stack frame).
static long s_variable_section(EmitState &st, const SymbolRecord *sym) {
  if (sym->data.var.sclass == AUTO) return -1;
  if (s_in_program_memory(sym)) return long(emit_current_section(st, EMIT_ROMDATA));
  if (sym->data.var.sclass == OVERLAY) return long(emit_current_section(st, EMIT_ACTREC));
  if (trn_initial_data(sym)) return long(s_data_section(st, sym, EMIT_IDATA));
  if (sym->temporary) return long(emit_current_section(st, EMIT_TMPDATA));
  return long(s_data_section(st, sym, EMIT_UDATA));
}

// Access sections hold near objects only, and near objects live only there.
static void s_check_near(const SymbolRecord *sym, const EmitSection &scn) {
  if (s_in_program_memory(sym) || sym->data.var.sclass == AUTO) return;
  bool near = sym->data.var.type->range == NEAR_RANGE;
  bool access = (scn.header.s_flags & STYP_ACCESS) != 0;
  if (near == access) return;
  yylineno = sym->line;
  snprintf(yyfilename, sizeof yyfilename, "%s", sym->file ? sym->file : "");
  if (access)
    post_error(2001, sym->name, scn.name.c_str());
  else
    post_error(1303);
}

static uint16_t s_address_byte_type(int byte) {
  VELC_ASSERT(byte >= 0 && byte <= 2);
  return byte == 0 ? RELOCT_LOW : byte == 1 ? RELOCT_HIGH : RELOCT_UPPER;
}

// Initial bytes: values as they are, address bytes as 0 with a relocation.
// Data in program memory without an initialiser is all zeros.
static void s_raw_data(EmitState &st, size_t section, const SymbolRecord *sym, long size) {
  EmitSection &scn = st.sections[section];
  if (scn.kind != EMIT_IDATA && scn.kind != EMIT_ROMDATA) return;
  if (scn.kind == EMIT_ROMDATA) VELC_ASSERT(st.inst_set == INSTSET_HARROW);  // program-memory data: Harrow only
  size_t first = scn.data.size();
  for (const InitRecord *r = trn_initial_data(sym); r; r = r->next) {
    VELC_ASSERT(r->kind != INIT_EXPRESSION);
    if (r->kind == INIT_ADDRESS) {
      emit_relocation(st, section, r->sym, s_address_byte_type(r->byte), r->offset);
      st.sections[section].data.push_back(0);
    } else {
      std::vector<uint8_t> &data = st.sections[section].data;
      data.insert(data.end(), r->bytes, r->bytes + r->count);
    }
  }
  EmitSection &after = st.sections[section];
  VELC_ASSERT(after.data.size() - first <= size_t(size));
  after.data.resize(first + size_t(size), 0);
}

static void s_variable(EmitState &st, const SymbolRecord *sym) {
  long section = s_variable_section(st, sym);
  if (section >= 0) s_check_near(sym, st.sections[size_t(section)]);
  const TypeRecord *type = sym->data.var.type;
  emit_sue_tags_of(st, type);
  long size = ll_sizeof_type(type);
  uint32_t index = emit_add_symbol(st, sym->name ? sym->name : "");
  emit_define_index(st, sym, index);
  coff_syment &e = emit_sym(st, index);
  e.n_type = emit_convert_type(type);
  e.n_sclass = emit_convert_storage_class(sym);
  if (section < 0) {
    e.n_value = uint32_t(sym->data.var.offset);
    e.n_scnum = -1;
  } else {
    e.n_value = st.sections[size_t(section)].position;
    e.n_scnum = emit_section_number(size_t(section));
  }
  emit_aux_arr_or_sue_var(st, index, type, sym->name);
  if (section < 0) return;
  s_raw_data(st, size_t(section), sym, size);
  st.sections[size_t(section)].position += uint32_t(size);
}

void emit_variable_entry(EmitState &st, const SymbolRecord *sym) {
  if (emit_has_index(st, sym)) return;  // a redeclaration: emitted once
  s_variable(st, sym);
}
