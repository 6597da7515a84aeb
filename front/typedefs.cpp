// Typedef scopes: in come typedef declarations, declarator names and block
// boundaries from the grammar; out goes the answer to "is this identifier a
// typedef name here?" for the scanner. Each scope is a hash table of
// records keyed by name; a hidden record shadows outer typedefs. Most blocks
// declare no typedef and shadow none, so a scope's table is only created
// when its first record is added: opening and closing such a block costs
// nothing, and lookups pass over its empty slot.
#include <cstdlib>
#include <cstring>
#include <vector>

#include "driver/diag.h"
#include "front/parse_private.h"
#include "front/typedefs.h"
#include "util/util.h"

namespace {
struct typedef_record {
  char *name;     // key: owned
  int32_t hidden; // 1: the name is an ordinary identifier in this scope
  typehl *type;   // owned copy, null when hidden
};
}  // namespace

// One slot per open scope, innermost last; null while the scope has no record.
static std::vector<hash_table *> s_typedef_scope;
// Types whose records went away; kept until the end of the parse because a
// typedef-name token already scanned may still point at them.
static std::vector<typehl *> s_retired_types;

static unsigned s_hash(const void *key, size_t) {
  return hash_string_spread(*static_cast<const char *const *>(key));
}

static int s_compare(const void *key, const void *record, size_t) {
  return strcmp(*static_cast<const char *const *>(key), static_cast<const typedef_record *>(record)->name);
}

static void s_destroy(void *record) {
  typedef_record *r = static_cast<typedef_record *>(record);
  free(r->name);
  if (r->type)
    s_retired_types.push_back(r->type);
}

static hash_table *s_new_table() {
  hash_table *table = hash_create(sizeof(typedef_record), sizeof(char *), 128);
  if (!table) {
    post_error(101);  // out of memory is fatal
    throw FatalUnwind{};
  }
  hash_set_hash(table, s_hash);
  hash_set_compare(table, s_compare);
  hash_set_growing(table);  // a scope may hold thousands of names
  return table;
}

// The innermost scope's table, created on first use.
static hash_table *s_innermost_table() {
  hash_table *&table = s_typedef_scope.back();
  if (!table)
    table = s_new_table();
  return table;
}

void enter_typedef_scope() {
  s_typedef_scope.push_back(nullptr);
}

void exit_typedef_scope() {
  if (s_typedef_scope.size() <= 1)
    return;
  hash_free(s_typedef_scope.back(), s_destroy);
  s_typedef_scope.pop_back();
}

int typedef_scope_depth() {
  return static_cast<int>(s_typedef_scope.size());
}

void typedef_scope_restore(int depth) {
  while (static_cast<int>(s_typedef_scope.size()) > depth && s_typedef_scope.size() > 1)
    exit_typedef_scope();
}

void typedef_scopes_init() {
  typedef_scopes_free();
  enter_typedef_scope();
}

void typedef_scopes_free() {
  for (hash_table *table : s_typedef_scope)
    hash_free(table, s_destroy);
  s_typedef_scope.clear();
  for (typehl *type : s_retired_types)
    typehl_free(type);
  s_retired_types.clear();
}

// A new record keyed by the owned name; out of memory is fatal (101).
static typedef_record *s_add_record(hash_table *table, char *key) {
  auto *r = static_cast<typedef_record *>(hash_add(table, &key));
  if (!r) {
    free(key);
    post_error(101);
    throw FatalUnwind{};
  }
  return r;
}

static typedef_record *s_innermost(const char *name) {
  if (s_typedef_scope.empty() || !s_typedef_scope.back())
    return nullptr;
  return static_cast<typedef_record *>(hash_find(s_typedef_scope.back(), &name));
}

void s_declare_typedef(const char *name, const typehl *type) {
  if (s_typedef_scope.empty())
    return;
  hash_table *table = s_innermost_table();
  char *key = hl_strdup(name);
  typedef_record *r = s_add_record(table, key);
  r->hidden = 0;
  r->type = typehl_copy(type);
  typehl_make_references(r->type);
}

// A hidden record is only needed where it shadows a visible typedef of an
// outer scope; other names already scan as identifiers, and outer scopes
// cannot gain declarations while this one is open.
void override_typedef(const char *name) {
  typedef_record *r = s_innermost(name);
  if (r) {
    r->hidden = 1;
    if (r->type)
      s_retired_types.push_back(r->type);
    r->type = nullptr;
    return;
  }
  if (s_typedef_scope.empty() || !lookup_typedef(name))
    return;
  hash_table *table = s_innermost_table();
  char *key = hl_strdup(name);
  r = s_add_record(table, key);
  r->hidden = 1;
}

typehl *lookup_typedef(const char *name) {
  for (auto it = s_typedef_scope.rbegin(); it != s_typedef_scope.rend(); ++it) {
    if (!*it)
      continue;
    const typedef_record *r = static_cast<const typedef_record *>(hash_find(*it, &name));
    if (r)
      return r->hidden ? nullptr : r->type;
  }
  return nullptr;
}
