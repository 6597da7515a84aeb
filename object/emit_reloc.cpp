// Relocations and the references they make. In: a symbol operand or an
// address byte of initial data, at the current end of a section's raw data.
// Out: a relocation entry naming the symbol's index; a symbol without one yet
// keeps the entry pending until it is defined further on, and the symbols
// still pending at the end become external entries in order of first use.
#include "driver/diag.h"
#include "object/emit_internal.h"

bool emit_has_index(const EmitState &st, const SymbolRecord *sym) { return st.var_index.count(sym) != 0; }

void emit_relocation(EmitState &st, size_t section, const SymbolRecord *sym, uint16_t type, long addend) {
  if (!sym) {
    post_error(100, "attempting relocation on NULL symbol");
    return;
  }
  EmitSection &scn = st.sections[section];
  coff_reloc r{};
  r.r_vaddr = uint32_t(scn.data.size());
  r.r_offset = int16_t(addend);
  r.r_type = type;
  auto found = st.var_index.find(sym);
  if (found != st.var_index.end()) {
    r.r_symndx = found->second;
  } else {
    auto ref = st.ref_of.find(sym);
    size_t at = ref != st.ref_of.end() ? ref->second : st.refs.size();
    if (at == st.refs.size()) {
      st.refs.push_back(EmitPendingRef{sym, {}});
      st.ref_of[sym] = at;
    }
    st.refs[at].relocs.emplace_back(section, scn.relocs.size());
  }
  scn.relocs.push_back(r);
}

// Points every relocation waiting for the symbol at its index; the
// reference is then done with (its slot stays, emptied, to keep the order).
static void s_patch_references(EmitState &st, const SymbolRecord *sym, uint32_t index) {
  auto ref = st.ref_of.find(sym);
  if (ref == st.ref_of.end()) return;
  EmitPendingRef &pending = st.refs[ref->second];
  for (auto [section, reloc] : pending.relocs) st.sections[section].relocs[reloc].r_symndx = index;
  pending.relocs.clear();
  pending.sym = nullptr;
  st.ref_of.erase(ref);
}

void emit_define_index(EmitState &st, const SymbolRecord *sym, uint32_t index) {
  s_patch_references(st, sym, index);
  st.var_index[sym] = index;
}

// Functions and objects get their type word; labels and other symbols none.
static uint32_t s_external_type(const SymbolRecord *sym) {
  if (sym->type != VARIABLE || !sym->data.var.type) return 0;
  return emit_convert_type(sym->data.var.type);
}

void emit_populate_external_references(EmitState &st) {
  for (size_t i = 0; i < st.refs.size(); i++) {
    const SymbolRecord *sym = st.refs[i].sym;
    if (!sym) continue;
    // A static object or function is defined in this unit or nowhere.
    if (sym->type == VARIABLE && (sym->data.var.sclass == STATIC || sym->data.var.sclass == OVERLAY))
      post_error(151, sym->name);
    uint32_t index = emit_add_symbol(st, sym->name ? sym->name : "");
    coff_syment &e = emit_sym(st, index);
    e.n_value = 0;
    e.n_scnum = 0;
    e.n_type = s_external_type(sym);
    e.n_sclass = emit_convert_storage_class(sym);
    emit_define_index(st, sym, index);
  }
}
