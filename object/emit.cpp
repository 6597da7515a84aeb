// The object emitter's phase. In: the master symbol list and section set of
// the translation, the optimised output code of each code section, the list
// of source files the unit depends on, the processor. Out: the object file,
// unless an error was counted.
//
// The first walk of the master list appends every symbol-table entry of the
// unit (files, tags, variables with their data, functions and blocks) in
// list order; then come the files met only through line markers; the second
// walk encodes the code of each code section and fixes the addresses of the
// function and block entries. Labels and externals follow at the end.
#include "object/emit.h"

#include "device/processors.h"
#include "driver/compile.h"
#include "driver/diag.h"
#include "object/emit_internal.h"

static void s_section_directive(EmitState &st, const SymbolRecord *entry) {
  const SectionRecord *scn = entry->data.section;
  VELC_ASSERT(scn != nullptr);
  uint32_t a = scn->attributes;
  emit_section(st, scn->name, scn->kind, a & SCN_SHARED, a & SCN_OVERLAY, a & SCN_ACCESS, a & SCN_ABSOLUTE,
               uint32_t(scn->address));
}

static void s_first_walk_entry(EmitState &st, const SymbolRecord *entry) {
  switch (entry->type) {
  case VARIABLE:
    if (emit_defines_variable(entry)) emit_variable_entry(st, entry);
    break;
  case SYM_BFUNCT: emit_function_begin(st, entry); break;
  case SYM_EFUNCT: emit_function_end(st, entry); break;
  case SYM_FILE: emit_source_file_begin(st, entry->name, 0, entry->file_auto); break;
  case SYM_BBLOCK: emit_block_begin(st, entry); break;
  case SYM_EBLOCK: emit_block_end(st, entry); break;
  case SYM_SECTION: s_section_directive(st, entry); break;
  default: break;
  }
}

static void s_dependent_files(EmitState &st) {
  if (!dependent_file_list) return;
  for (void *rec = list_first(dependent_file_list); rec; rec = list_next(rec)) {
    const char *name = *static_cast<char **>(rec);
    if (name) emit_source_file_begin(st, name, 0, 1);
  }
  emit_source_file_end(st);
}

static void s_second_walk_entry(EmitState &st, const SymbolRecord *entry) {
  switch (entry->type) {
  case SYM_SECTION:
    if (entry->data.section->kind == SECTION_CODE) emit_code_section(st, entry->data.section);
    break;
  case SYM_BFUNCT:
  case SYM_EFUNCT:
  case SYM_BBLOCK:
  case SYM_EBLOCK: emit_fix_debug_values(st, entry); break;
  default: break;
  }
}

template <typename F>
static void s_walk(EmitState &st, F visit) {
  if (!master_symbol_list) return;
  for (void *rec = list_first(master_symbol_list); rec; rec = list_next(rec))
    visit(st, *static_cast<const SymbolRecord *const *>(rec));
}

// The code sections in the order they come: the default one, which has no
// section directive, first; then each as its directive comes in the master
// list; then any the code generator filled without a directive.
static void s_second_walk(EmitState &st) {
  emit_code_section(st, sym_get_default_code_section());
  s_walk(st, s_second_walk_entry);
  for (void *rec = section_set ? list_first(section_set) : nullptr; rec; rec = list_next(rec)) {
    const SectionRecord *scn = *static_cast<SectionRecord **>(rec);
    if (scn->kind == SECTION_CODE) emit_code_section(st, scn);
  }
}

void emit_write_object_file(const char *object_file_name) {
  EmitState st;
  if (!emit_init(st, object_file_name, getInstSet(processor), processor, generic_processor_flag != 0)) return;
  s_walk(st, s_first_walk_entry);
  s_dependent_files(st);
  s_second_walk(st);
  if (get_error_count() == 0 && emit_make_record(st)) emit_write_record(st);
}
