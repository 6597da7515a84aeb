// String literals. In: the bytes of a literal. Out: the identifier of a
// "__string_%d" symbol in program memory, shared between equal literals
// when duplicate merging is on, read as an array object; at the end of the
// unit the ".stringtable" section with the initial data of every literal
// still referenced.
#include <cstring>
#include <string>
#include <unordered_map>
#include <vector>

#include "driver/diag.h"
#include "driver/settings.h"
#include "trans/trans.h"
#include "trans/trn_internal.h"

void ll_initialize_string_literal(SymbolRecord *sym);

namespace {

struct StringEntry {
  SymbolRecord *sym;
  StringEntry *next;
};
StringEntry *sStringLiteralTable;  // newest first
// The table's literals by their bytes, so that merging stays linear in
// the number of literals of the unit.
std::unordered_map<std::string, SymbolRecord *> s_by_bytes;

SymbolRecord *s_find(const char *bytes, long length) {
  auto it = s_by_bytes.find(std::string(bytes, static_cast<size_t>(length)));
  return it == s_by_bytes.end() ? nullptr : it->second;
}

SymbolRecord *s_new_literal(const char *bytes, long length) {
  SymbolRecord *sym = sym_string_symbol(length);
  sym->literal = static_cast<unsigned char *>(calloc(static_cast<size_t>(length + 1), 1));
  if (!sym->literal)
    post_error(101);
  memcpy(sym->literal, bytes, static_cast<size_t>(length));
  sym->literal_length = length;
  auto *e = static_cast<StringEntry *>(calloc(1, sizeof(StringEntry)));
  if (!e)
    post_error(101);
  e->sym = sym;
  e->next = sStringLiteralTable;
  sStringLiteralTable = e;
  s_by_bytes.emplace(std::string(bytes, static_cast<size_t>(length)), sym);  // the oldest is kept
  return sym;
}

}  // namespace

pcodell_t *trnStringLiteral(const char *bytes, long length, long line, const char *file) {
  SymbolRecord *sym = merge_duplicate_strings_flag ? s_find(bytes, length) : nullptr;
  if (!sym)
    sym = s_new_literal(bytes, length);
  sym->refcount++;
  pcodell_t *id = trn_node(pcodell_identifier_op(sym), nullptr, nullptr, line, file);
  id->data.expr.var.sym = sym;
  id->type = trn_pointer_to(sym->data.var.type);
  TypeRecord *array = sym->data.var.type;
  pcodell_t *p = trn_node(trn_indirection_op(array), id, nullptr, line, file);
  p->type = array;
  p->size = ll_sizeof_type(array);
  return p;
}

// Oldest literal first, so the table keeps the order of the source.
SList sPostProcessStringLiteralTable() {
  SList out;
  if (!sStringLiteralTable)
    return out;
  SymbolRecord *entry = sym_enter_section(SECTION_ROMDATA, ".stringtable", false, false, false, false, 0);
  pcodell_t *section = trn_node(I_SECTION, nullptr, nullptr, yylineno, yyfilename);
  section->section = entry ? entry->data.section : nullptr;
  slist_add(out, section);
  std::vector<SymbolRecord *> order;
  for (StringEntry *e = sStringLiteralTable; e; e = e->next)
    order.push_back(e->sym);
  for (auto it = order.rbegin(); it != order.rend(); ++it) {
    SymbolRecord *sym = *it;
    if (sym->refcount <= 0)
      continue;
    ll_initialize_string_literal(sym);
    std::string file = sym->file ? sym->file : "";  // the record's own copy is replaced
    sym_declare_symbol(sym, true, sym->line, file.c_str());
  }
  return out;
}

void trn_strings_reset() {
  s_by_bytes.clear();
  while (sStringLiteralTable) {
    StringEntry *next = sStringLiteralTable->next;
    free(sStringLiteralTable);
    sStringLiteralTable = next;
  }
}
