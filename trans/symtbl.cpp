// Scopes and symbols. In: declarations, tag definitions and labels from the
// translator, with scope entry and exit at functions, blocks and prototypes.
// Out: lookups that honour shadowing (the innermost scope wins), and
// symbol records that live until the end of the module.
#include "trans/symtbl.h"

#include <cstdlib>
#include <cstring>
#include <vector>

#include "driver/diag.h"

namespace {

// A scope: a table keyed by the name pointer stored first in each record,
// and the enclosing scope. The table starts small and grows with the
// scope, so that a scope of many thousand names (generated sources) is
// searched as fast as a small one.
struct Scope {
  hash_table *table;
  Scope *outer;
};

struct NameEntry {
  const char *name;  // key: points at the symbol's or tag's own name
  void *item;        // SymbolRecord * or TagEntry *
};

Scope *s_sym_namespace, *s_sym_file_namespace, *s_tag_namespace, *s_label_namespace;
int s_nesting_level;
bool s_in_function, s_first_block_in_function, s_module_begun;

// Every record this module made, so that the end of the module frees each
// exactly once whether or not it reached the master list.
std::vector<SymbolRecord *> s_all_symbols;
std::vector<TagEntry *> s_all_tags;

unsigned s_hash_name(const void *key, size_t) {
  return hash_string_spread(*static_cast<const char *const *>(key));
}

int s_compare_name(const void *key, const void *record, size_t) {
  return strcmp(*static_cast<const char *const *>(key), *static_cast<const char *const *>(record));
}

Scope *s_open(Scope *outer) {
  auto *scope = static_cast<Scope *>(calloc(1, sizeof(Scope)));
  if (!scope)
    post_error(101);
  // A block declares a handful of names; a table's buckets are cleared on
  // creation and scanned when it is freed, so only the outermost scopes,
  // which hold a unit's globals, get many.
  scope->table = hash_create(sizeof(NameEntry), sizeof(const char *), outer ? 16 : 128);
  if (!scope->table)
    post_error(101);
  hash_set_hash(scope->table, s_hash_name);
  hash_set_compare(scope->table, s_compare_name);
  hash_set_growing(scope->table);
  scope->outer = outer;
  return scope;
}

Scope *s_close(Scope *scope) {
  VELC_ASSERT(scope != nullptr);
  Scope *outer = scope->outer;
  hash_free(scope->table, nullptr);
  free(scope);
  return outer;
}

void s_enter(Scope *scope, const char *name, void *item) {
  auto *entry = static_cast<NameEntry *>(hash_add(scope->table, &name));
  if (!entry)
    post_error(101);
  entry->item = item;
}

void *s_find(Scope *scope, const char *name) {
  auto *entry = static_cast<NameEntry *>(hash_find(scope->table, &name));
  return entry ? entry->item : nullptr;
}

char *s_strdup(const char *text) {
  char *copy = strdup(text ? text : "");
  if (!copy)
    post_error(101);
  return copy;
}

}  // namespace

SymbolRecord *sym_new_record(SymbolKind kind, const char *name, long line, const char *file) {
  auto *sym = static_cast<SymbolRecord *>(calloc(1, sizeof(SymbolRecord)));
  if (!sym)
    post_error(101);
  sym->type = kind;
  sym->name = name ? s_strdup(name) : nullptr;
  sym->line = line;
  sym->file = s_strdup(file);
  s_all_symbols.push_back(sym);
  return sym;
}

void sym_free_symbol(SymbolRecord *sym) {
  if (!sym)
    return;
  if (sym->type == VARIABLE || sym->type == LABEL)
    type_free(sym->data.var.type);
  free(sym->name);
  free(sym->file);
  free(sym->literal);
  free(sym->section_name);
  free(sym->code_section);
  free(sym->located_section);
  free(sym);
}

void sym_scopes_begin_module() {
  VELC_ASSERT(!s_module_begun);
  s_module_begun = true;
  s_sym_namespace = s_open(nullptr);
  s_sym_file_namespace = s_sym_namespace;
  s_tag_namespace = s_open(nullptr);
  s_label_namespace = s_open(nullptr);
  s_nesting_level = 0;
  s_in_function = s_first_block_in_function = false;
}

static void s_free_tag(TagEntry *tag) {
  free(tag->name);
  su_definition_free(tag->definition);
  free(tag);
}

void sym_scopes_end_module() {
  while (s_sym_namespace)
    s_sym_namespace = s_close(s_sym_namespace);
  while (s_tag_namespace)
    s_tag_namespace = s_close(s_tag_namespace);
  while (s_label_namespace)
    s_label_namespace = s_close(s_label_namespace);
  s_sym_file_namespace = nullptr;
  // Tag definitions own enumerator lists that point at symbols: free tags first.
  for (TagEntry *tag : s_all_tags)
    s_free_tag(tag);
  s_all_tags.clear();
  for (SymbolRecord *sym : s_all_symbols)
    sym_free_symbol(sym);
  s_all_symbols.clear();
  s_nesting_level = 0;
  s_in_function = s_first_block_in_function = false;
  s_module_begun = false;
}

static void s_open_identifier_and_tag_scopes() {
  s_sym_namespace = s_open(s_sym_namespace);
  s_tag_namespace = s_open(s_tag_namespace);
  s_nesting_level++;
}

static void s_close_identifier_and_tag_scopes() {
  VELC_ASSERT(s_sym_namespace != s_sym_file_namespace);
  s_sym_namespace = s_close(s_sym_namespace);
  s_tag_namespace = s_close(s_tag_namespace);
  s_nesting_level--;
}

static SymbolRecord *s_boundary(SymbolKind kind, long line, const char *file) {
  SymbolRecord *entry = sym_new_record(kind, nullptr, line, file);
  sym_add_to_master_symbol_table(entry);
  return entry;
}

void sym_begin_function(SymbolRecord *fsym, long line, const char *file) {
  VELC_ASSERT(!s_in_function);
  SymbolRecord *entry = s_boundary(SYM_BFUNCT, line, file);
  entry->data.function = fsym;
  fsym->bfunct = entry;
  s_label_namespace = s_open(s_label_namespace);
  s_open_identifier_and_tag_scopes();
  s_in_function = s_first_block_in_function = true;
}

void sym_end_function(SymbolRecord *fsym, long line, const char *file) {
  VELC_ASSERT(s_in_function);
  SymbolRecord *entry = s_boundary(SYM_EFUNCT, line, file);
  entry->data.function = fsym;
  fsym->efunct = entry;
  s_label_namespace = s_close(s_label_namespace);
  // The scope opened by sym_begin_function is closed by the outermost block's end.
  s_in_function = false;
}

void sym_begin_block(long line, const char *file) {
  VELC_ASSERT(s_in_function);
  s_boundary(SYM_BBLOCK, line, file);
  if (s_first_block_in_function)
    s_first_block_in_function = false;  // shares the parameters' scope
  else
    s_open_identifier_and_tag_scopes();
}

void sym_end_block(long line, const char *file) {
  s_boundary(SYM_EBLOCK, line, file);
  s_close_identifier_and_tag_scopes();
}

void sym_begin_prototype() { s_open_identifier_and_tag_scopes(); }
void sym_end_prototype() { s_close_identifier_and_tag_scopes(); }
int sym_get_nesting_level() { return s_nesting_level; }

SymbolRecord *sym_create_symbol(const char *name, TypeRecord *type, Linkage linkage, StorageClass sclass) {
  SymbolRecord *sym = sym_new_record(VARIABLE, name, yylineno, yyfilename);
  sym->data.var.type = type;
  sym->linkage = linkage;
  sym->data.var.sclass = sclass;
  if (sclass == AUTO && type && type->location == ROM_LOC) {
    post_error(1174, name);
    type->location = RAM_LOC;
    type->range = FAR_RANGE;
  }
  return sym;
}

void sym_declare_symbol(SymbolRecord *sym, bool file_scope, long line, const char *file) {
  Scope *scope = file_scope ? s_sym_file_namespace : s_sym_namespace;
  s_enter(scope, sym->name, sym);
  sym->line = line;
  free(sym->file);
  sym->file = s_strdup(file);
  sym->nesting_level = file_scope ? 0 : s_nesting_level;
  if (sym->type == VARIABLE && sym->data.var.sclass != EXTERN)
    sym_add_to_master_symbol_table(sym);
}

SymbolRecord *sym_lookup_sym(const char *name, int mode) {
  if (mode == 2)
    return static_cast<SymbolRecord *>(s_find(s_sym_file_namespace, name));
  for (Scope *scope = s_sym_namespace; scope; scope = scope->outer) {
    if (void *item = s_find(scope, name))
      return static_cast<SymbolRecord *>(item);
    if (mode == 1)
      break;
  }
  return nullptr;
}

TagEntry *sym_declare_tag(const char *name, TagKind kind) {
  auto *tag = static_cast<TagEntry *>(calloc(1, sizeof(TagEntry)));
  if (!tag)
    post_error(101);
  tag->name = s_strdup(name);
  tag->kind = kind;
  s_all_tags.push_back(tag);
  s_enter(s_tag_namespace, tag->name, tag);
  return tag;
}

TagEntry *sym_lookup_tag(const char *name, bool current_only) {
  for (Scope *scope = s_tag_namespace; scope; scope = scope->outer) {
    if (void *item = s_find(scope, name))
      return static_cast<TagEntry *>(item);
    if (current_only)
      break;
  }
  return nullptr;
}

SymbolRecord *sym_create_label(const char *name) {
  SymbolRecord *label = sym_new_record(LABEL, name, yylineno, yyfilename);
  s_enter(s_label_namespace, label->name, label);
  return label;
}

SymbolRecord *sym_lookup_label(const char *name) {
  return static_cast<SymbolRecord *>(s_find(s_label_namespace, name));
}
