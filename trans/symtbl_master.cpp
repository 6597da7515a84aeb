// The master symbol list. In: every declared object and every function,
// block and section boundary, in program order. Out: the same list with a
// SYM_FILE entry inserted wherever the source file changes, which the object
// emitter turns into file and debugging entries. Each file entered here is
// removed from the driver's dependent-file list.
#include <cstdlib>
#include <cstring>
#include <string>

#include "driver/diag.h"
#include "driver/paths.h"
#include "driver/compile.h"
#include "trans/symtbl_internal.h"

list_t *master_symbol_list;
static char s_last_file[VELC_PATH_MAX + 1];
// The last file name as written and its full path: consecutive entries
// almost always come from the same file, and resolving a path asks the host.
static std::string s_last_written, s_last_resolved;

void sym_master_begin_module() {
  master_symbol_list = list_create(sizeof(SymbolRecord *));
  if (!master_symbol_list)
    post_error(101);
  s_last_file[0] = '\0';
  s_last_written.clear();
  s_last_resolved.clear();
}

void sym_master_end_module() {
  list_free(master_symbol_list, nullptr);  // the records are freed with the scopes' registry
  master_symbol_list = nullptr;
}

static void s_append(SymbolRecord *entry) {
  auto **slot = static_cast<SymbolRecord **>(list_append(master_symbol_list));
  if (!slot)
    post_error(101);
  *slot = entry;
}

// Drops the path from the dependent-file list: it is now a file of the module.
static void s_remove_dependent_file(const char *path) {
  if (!dependent_file_list)
    return;
  for (void *rec = list_first(dependent_file_list); rec; rec = list_next(rec)) {
    char *name = *static_cast<char **>(rec);
    if (name && strcmp(name, path) == 0) {
      free(name);
      list_delete(dependent_file_list, rec);
      return;
    }
  }
}

void sym_add_to_master_symbol_table(SymbolRecord *entry) {
  VELC_ASSERT(master_symbol_list != nullptr);
  const char *file = entry->type == SYM_FILE ? entry->name : entry->file;
  if (file && file[0]) {
    char path[VELC_PATH_MAX + 1];
    if (s_last_written != file) {
      velc_fullpath(path, file, sizeof path);
      s_last_written = file;
      s_last_resolved = path;
    }
    // The file changes rarely: compare before copying.
    if (strcmp(s_last_resolved.c_str(), s_last_file) != 0) {
      snprintf(path, sizeof path, "%s", s_last_resolved.c_str());
      snprintf(s_last_file, sizeof s_last_file, "%s", path);
      s_remove_dependent_file(path);
      if (entry->type != SYM_FILE) {
        SymbolRecord *marker = sym_new_record(SYM_FILE, path, entry->line, path);
        marker->file_auto = 1;
        s_append(marker);
      }
    }
  }
  s_append(entry);
}

void sym_dump_symtbl() {
  for (void *rec = list_first(master_symbol_list); rec; rec = list_next(rec)) {
    const SymbolRecord *e = *static_cast<SymbolRecord **>(rec);
    switch (e->type) {
    case LABEL: printf("%ld: label: %s\n", e->line, e->name); break;
    case VARIABLE: printf("%ld: var: %s\n", e->line, e->name); break;
    case SYM_BFUNCT: printf("%ld: bf\n", e->line); break;
    case SYM_EFUNCT: printf("%ld: ef\n", e->line); break;
    case SYM_FILE: printf(".file: %s\n", e->name); break;
    case SYM_BBLOCK: printf("%ld: bb\n", e->line); break;
    case SYM_EBLOCK: printf("%ld: eb\n", e->line); break;
    case SYM_SECTION: printf(".section: %s\n", e->name); break;
    default:
      fprintf(stderr, "unexpected symbol table entry: %d\n", static_cast<int>(e->type));
      VELC_ASSERT(!"symbol table entry kind");
    }
  }
}
