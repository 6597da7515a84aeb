// Declaring a name. In: a name with its resolved type and written storage
// class, from a declaration, a parameter list or a prototype. Out: the
// symbol entered in the current scope (or the prior symbol it redeclares,
// with its type completed), or null when the declaration is refused.
#include <cstdlib>
#include <cstring>
#include <vector>

#include "driver/diag.h"
#include "trans/trans.h"
#include "trans/declare.h"

namespace {

// The parameters in the order declared (appending keeps a definition of
// many parameters linear), and the same newest first as handed out.
std::vector<SymbolRecord *> s_params_declared;
std::vector<SymbolRecord *> s_param_list;
std::vector<SymbolRecord *> sStaticFunctionList, sNonStaticFunctionList;
int s_param_count;

bool s_is_function(const TypeRecord *t) { return t && t->type == FUNCTION_TYPE; }

// Arrays and functions are passed by address: a parameter of such a type
// is a pointer to the element or to the function.
TypeRecord *s_adjust_parameter_type(TypeRecord *type) {
  if (type->type == ARRAY_TYPE) {
    TypeRecord *element = type->next;
    type->next = nullptr;
    type_free(type);
    TypeRecord *p = type_reference(element);
    p->is_const = 0;
    return p;
  }
  if (type->type == FUNCTION_TYPE) {
    TypeRecord *p = type_reference(type);
    p->is_const = 0;
    return p;
  }
  return type;
}

StorageClass s_process_sclass(const char *name, const TypeRecord *type, StorageClass sclass, bool is_parameter,
                              bool file_scope) {
  if (is_parameter) {
    if (sclass == STATIC) {
      post_error(2101, name);
      return AUTO;
    }
    if (sclass == OVERLAY) {
      post_error(2100, name);
      return AUTO;
    }
    return sclass == SC_NONE ? AUTO : sclass;
  }
  if (!file_scope && s_is_function(type) && sclass == STATIC) {
    post_error(2072, name);
    sclass = SC_NONE;
  }
  if (file_scope && sclass == AUTO) {
    post_error(2072, name);
    sclass = SC_NONE;
  }
  if (s_is_function(type) && sclass == SC_NONE)
    return EXTERN;
  if (!file_scope && sclass == SC_NONE)
    return AUTO;
  return sclass;
}

Linkage s_determine_linkage(const TypeRecord *type, StorageClass sclass, bool file_scope, const SymbolRecord *prior) {
  if (file_scope && sclass == STATIC)
    return LINKAGE_INTERNAL;
  if (sclass == EXTERN)
    return prior && prior->linkage == LINKAGE_INTERNAL ? LINKAGE_INTERNAL : LINKAGE_EXTERNAL;
  if (s_is_function(type))
    return LINKAGE_NONE;
  if (!file_scope)
    return LINKAGE_NONE;
  return LINKAGE_EXTERNAL;
}

// True when the new declaration must be dropped.
bool s_check_redeclaration(const char *name, Linkage linkage, const SymbolRecord *prior) {
  if ((linkage == LINKAGE_EXTERNAL && prior->linkage == LINKAGE_INTERNAL) ||
      (linkage == LINKAGE_INTERNAL && prior->linkage == LINKAGE_EXTERNAL)) {
    post_error(1508, name);
    return true;
  }
  if ((linkage != LINKAGE_NONE && prior->linkage == LINKAGE_NONE) ||
      (linkage == LINKAGE_NONE && prior->nesting_level == sym_get_nesting_level())) {
    post_error(1505, name);
    return true;
  }
  return false;
}

// A later declaration completes an earlier one: an array's count, a
// function's parameter list.
void s_process_redeclaration(const char *name, SymbolRecord *prior, const TypeRecord *type) {
  TypeRecord *old = prior->data.var.type;
  if (!are_types_compatible(old, type, false)) {
    post_error(1109, name);
    return;
  }
  if (old->type == ARRAY_TYPE && old->data.array.count == 0)
    old->data.array.count = type->data.array.count;
  if (old->type == FUNCTION_TYPE && !old->flags.function.has_prototype && type->flags.function.has_prototype) {
    old->data.function.params = type->data.function.params;
    old->flags.function.has_prototype = 1;
    old->flags.function.is_ellipsis = type->flags.function.is_ellipsis;
  }
}

void s_check_main(const char *name, const SymbolRecord *sym) {
  if (strcmp(name, "main") != 0 || sym->linkage != LINKAGE_EXTERNAL)
    return;
  const TypeRecord *t = sym->data.var.type;
  bool ok = s_is_function(t) && is_type_void(t->next) && t->flags.function.has_prototype &&
            !t->data.function.params && !t->flags.function.is_ellipsis;
  if (!ok)
    post_error(1157);
}

// True when the declaration is refused.
bool s_process_declaration(const char *name, TypeRecord *type, StorageClass *sclass, bool is_parameter,
                           bool file_scope) {
  if (s_is_function(type) && *sclass == OVERLAY) {
    post_error(1304, name);
    *sclass = EXTERN;
  }
  if (is_parameter && *sclass == EXTERN) {
    post_error(1509, name);
    return true;
  }
  if (!file_scope && !is_parameter && *sclass == OVERLAY) {
    post_error(2100, name);
    *sclass = AUTO;
  }
  if (is_parameter && type->location == ROM_LOC) {
    post_error(1173, name);
    return true;
  }
  return false;
}

// `extern int x;` followed at file scope by `int x;` or `int x = 1;`: the
// later declaration defines the object, which from then on is allocated
// here and listed among the objects of the unit.
void s_define_external_object(SymbolRecord *prior, StorageClass sclass, bool file_scope, long line,
                              const char *file) {
  if (!file_scope || sclass == EXTERN || prior->data.var.sclass != EXTERN || s_is_function(prior->data.var.type))
    return;
  prior->data.var.sclass = sclass;
  prior->line = line;
  free(prior->file);
  prior->file = file ? strdup(file) : nullptr;
  sym_add_to_master_symbol_table(prior);
}

void s_process_parameter(SymbolRecord *sym) {
  sym->data.var.type->is_const = 0;
  s_params_declared.push_back(sym);
  s_param_count++;
}

}  // namespace

// The declaration proper; `type` is the declaration's own until it is freed
// or passes to a symbol, and is null from then on.
static SymbolRecord *s_declare(const char *name, TypeRecord *&type, StorageClass sclass, bool is_parameter,
                               bool in_prototype, long line, const char *file) {
  bool parameter_context = is_parameter || in_prototype;
  if (parameter_context)
    type = s_adjust_parameter_type(type);
  bool file_scope = sym_get_nesting_level() == 0 && !parameter_context;
  sclass = s_process_sclass(name, type, sclass, is_parameter, file_scope);
  if (sclass == AUTO && !s_is_function(type) && type->range == NEAR_RANGE) {
    type->range = FAR_RANGE;
    if (is_parameter)
      post_error(2102, name);
  }
  if (!s_is_function(type) && is_type_void(type)) {
    post_error(1178);
    type_free(type);
    type = type_copy(int_type);
  }
  SymbolRecord *prior = sym_lookup_sym(name, 0);
  if (prior && (prior->flags & 1) && prior->nesting_level == sym_get_nesting_level() && !parameter_context) {
    post_error(1505, name);  // the name is an enumeration constant of this scope
    type_free(type);
    type = nullptr;
    return nullptr;
  }
  Linkage linkage = s_determine_linkage(type, sclass, file_scope, prior);
  if (prior && prior->type == VARIABLE && !(prior->flags & 1) &&
      (linkage != LINKAGE_NONE || prior->nesting_level == sym_get_nesting_level())) {
    if (s_check_redeclaration(name, linkage, prior)) {
      type_free(type);
      type = nullptr;
      return nullptr;
    }
    s_process_redeclaration(name, prior, type);
    type_free(type);
    type = nullptr;
    s_check_main(name, prior);
    s_define_external_object(prior, sclass, file_scope, line, file);
    if (prior->nesting_level != sym_get_nesting_level() && sclass != EXTERN)
      sym_declare_symbol(prior, false, line, file);
    return prior;
  }
  if (s_process_declaration(name, type, &sclass, is_parameter, file_scope)) {
    type_free(type);
    type = nullptr;
    return nullptr;
  }
  SymbolRecord *sym = sym_create_symbol(name, type, linkage, sclass);
  const TypeRecord *declared = type;
  type = nullptr;  // the symbol's now
  if (in_prototype) {
    // A prototype's parameters are no objects: they stay out of the master
    // list, which only lists what the object file describes.
    sym->data.var.sclass = EXTERN;
    sym_declare_symbol(sym, false, line, file);
    sym->data.var.sclass = sclass;
  } else {
    sym_declare_symbol(sym, false, line, file);
  }
  s_check_main(name, sym);
  if (s_is_function(declared))
    (linkage == LINKAGE_INTERNAL ? sStaticFunctionList : sNonStaticFunctionList).push_back(sym);
  if (is_parameter && !in_prototype)  // a definition's parameters wait for their offsets
    s_process_parameter(sym);
  return sym;
}

SymbolRecord *trn_declare_sym(const char *name, TypeRecord *type, StorageClass sclass, bool is_parameter,
                              bool in_prototype, long line, const char *file) {
  if (!name || !type) {
    type_free(type);
    return nullptr;
  }
  // A diagnostic that reaches the error limit unwinds from the middle of the
  // declaration: a type it still owns is freed on the way out.
  try {
    return s_declare(name, type, sclass, is_parameter, in_prototype, line, file);
  } catch (const FatalUnwind &) {
    type_free(type);
    throw;
  }
}

void trn_push_parameter(SymbolRecord *sym) { s_process_parameter(sym); }

const std::vector<SymbolRecord *> &trn_parameter_list() {
  s_param_list.assign(s_params_declared.rbegin(), s_params_declared.rend());
  return s_param_list;
}
void trn_clear_parameter_list() {
  s_params_declared.clear();
  s_param_list.clear();
  s_param_count = 0;
}
int trn_parameter_count() { return s_param_count; }
const std::vector<SymbolRecord *> &trn_static_functions() { return sStaticFunctionList; }
const std::vector<SymbolRecord *> &trn_non_static_functions() { return sNonStaticFunctionList; }
void trn_declare_reset() {
  trn_incomplete_objects_reset();
  trn_clear_parameter_list();
  sStaticFunctionList.clear();
  sNonStaticFunctionList.clear();
}
