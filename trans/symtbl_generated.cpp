// Compiler-generated symbols: temporaries, temporary labels, string
// literals, configuration bytes and anonymous tag names, each numbered by a
// counter of its own from 0.
#include <cstdio>

#include "driver/diag.h"
#include "trans/symtbl_internal.h"

static int s_tmp_count, s_tmplbl_count, s_string_count, s_config_count, s_tag_count;

void sym_generated_reset() { s_tmp_count = s_tmplbl_count = s_string_count = s_config_count = s_tag_count = 0; }

static TypeRecord *s_array_of(TypeRecord *element, uint32_t count) {
  TypeRecord *array = type_create(ARRAY_TYPE);
  array->data.array.count = count;
  array->location = element->location;
  array->range = element->range;
  array->is_const = element->is_const;
  array->next = element;
  return array;
}

static TypeRecord *s_plain_char(TypeLocation location, TypeRange range) {
  TypeRecord *c = type_copy(char_type);
  c->location = location;
  c->range = range;
  return c;
}

static SymbolRecord *s_static_variable(const char *name, TypeRecord *type) {
  SymbolRecord *sym = sym_new_record(VARIABLE, name, yylineno, yyfilename);
  sym->data.var.type = type;
  sym->linkage = LINKAGE_INTERNAL;
  sym->data.var.sclass = STATIC;
  return sym;
}

SymbolRecord *sym_temp_symbol(int n) {
  char name[32];
  snprintf(name, sizeof name, "__tmp_%d", s_tmp_count++);
  TypeRecord *type = s_array_of(s_plain_char(RAM_LOC, FAR_RANGE), static_cast<uint32_t>(n));
  SymbolRecord *sym = s_static_variable(name, type);
  sym->temporary = 1;
  return sym;
}

SymbolRecord *sym_temp_label(long line, const char *file) {
  char name[32];
  snprintf(name, sizeof name, "__tmplbl_%d", s_tmplbl_count++);
  return sym_new_record(LABEL, name, line, file);
}

SymbolRecord *sym_string_symbol(long length) {
  char name[32];
  snprintf(name, sizeof name, "__string_%d", s_string_count++);
  TypeRecord *element = s_plain_char(ROM_LOC, get_default_rom_range());
  element->is_const = 1;
  TypeRecord *type = s_array_of(element, static_cast<uint32_t>(length + 1));
  return s_static_variable(name, type);
}

SymbolRecord *sym_config_symbol() {
  char name[32];
  snprintf(name, sizeof name, "__config_%d", s_config_count++);
  return s_static_variable(name, s_plain_char(ROM_LOC, get_default_rom_range()));
}

void sym_get_fake_tag_name(char *buffer, size_t size) {
  int needed = snprintf(buffer, size, "__tag_%d", s_tag_count++);
  if (needed < 0 || static_cast<size_t>(needed) >= size)
    post_error(100, "compiler tag name buffer too small");
}
