// Declarations and the end-of-unit checks. In: one H_DECL of the syntax
// tree (a declarator with its complete type and initialiser). Out: the
// declared symbol with its storage settled, and the statements that
// initialise an automatic object. At the end of the unit: static functions
// that are referenced but not defined, or defined but never used.
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "driver/diag.h"
#include "trans/declare.h"
#include "trans/trans.h"
#include "trans/trn_internal.h"

// File-scope objects whose structure or union type was incomplete when
// declared: the tag may still be defined later in the unit.
static std::vector<SymbolRecord *> s_incomplete_objects;

// Whether the type is, or is an array of, a structure or union whose tag
// has no definition yet.
static bool s_incomplete_tag(const TypeRecord *t) {
  while (t && t->type == ARRAY_TYPE)
    t = t->next;
  return t && t->type == SUE_TYPE && !(t->data.sue.tag && t->data.sue.tag->definition);
}

// No object can be larger than the 24-bit program-memory address space.
constexpr long MAX_OBJECT_SIZE = 0x1000000L;

static void s_check_size(const SymbolRecord *sym) {
  if (ll_sizeof_type(sym->data.var.type) <= MAX_OBJECT_SIZE)
    return;
  std::string text = std::string("object '") + sym->name + "' is too large for the target's memory";
  post_error(1000, text.c_str());
}

// An object needs its size: at block scope its type must be complete now,
// at file scope by the end of the unit.
static void s_check_complete(SymbolRecord *sym) {
  if (sym->data.var.sclass == EXTERN || (sym->flags & 1))
    return;
  if (sym_get_nesting_level() > 0)
    trn_check_illegal_tag_reference(sym->data.var.type);
  else if (s_incomplete_tag(sym->data.var.type))
    s_incomplete_objects.push_back(sym);
}

SList trn_declaration(const pcodehl *decl) {
  yylineno = decl->line;
  snprintf(yyfilename, sizeof yyfilename, "%s", decl->file ? decl->file : "");
  TypeRecord *type = trnResolveType(decl->u.decl.type, decl->line, decl->file);
  bool is_typedef = decl->right == nullptr;
  bool named = decl->left && decl->left->kind == H_IDENT;
  if (is_typedef || !named) {
    // A typedef or a lone struct/union/enum specifier: the resolution above
    // has defined its tags and enumeration constants.
    type_free(type);
    return {};
  }
  if (!type)
    type = type_copy(int_type);
  StorageClass sclass = trnResolveSclass(decl->u.decl.type);
  SymbolRecord *sym = trn_declare_sym(decl->left->u.ident.name, type, sclass, false, false, decl->line, decl->file);
  if (!sym || sym->data.var.type->type == FUNCTION_TYPE)
    return {};
  s_check_complete(sym);
  s_check_size(sym);
  return trnProcessInitializers(sym, decl->right);
}

// Diagnostics about a symbol are placed at its declaration.
static void s_at(const SymbolRecord *sym) {
  yylineno = sym->line;
  snprintf(yyfilename, sizeof yyfilename, "%s", sym->file ? sym->file : "");
}

static void sPostProcessStaticFunctions() {
  for (SymbolRecord *f : trn_static_functions()) {
    bool defined = (f->decl_flags & DECL_DEFINED) != 0;
    bool referenced = f->refcount > 0;
    s_at(f);
    if (referenced && !defined)
      post_error(1212, f->name);
    else if (defined && !referenced)
      post_error(2065, f->name);
    else if (!defined && !referenced)
      post_error(2064, f->name);
  }
}

// File-scope objects whose tag was never defined have no size (reported
// once per object, at its declaration).
static void s_check_incomplete_objects() {
  std::vector<SymbolRecord *> seen;
  for (SymbolRecord *sym : s_incomplete_objects) {
    if (sym->data.var.sclass == EXTERN || std::find(seen.begin(), seen.end(), sym) != seen.end())
      continue;
    seen.push_back(sym);
    s_at(sym);
    trn_check_illegal_tag_reference(sym->data.var.type);
  }
  s_incomplete_objects.clear();
}

void trn_incomplete_objects_reset() { s_incomplete_objects.clear(); }

SList trnPostProcess() {
  long line = yylineno;
  char file[sizeof yyfilename];
  snprintf(file, sizeof file, "%s", yyfilename);
  s_check_incomplete_objects();
  sPostProcessInterruptList();
  sPostProcessStaticFunctions();
  SList out = sPostProcessStringLiteralTable();
  yylineno = line;
  snprintf(yyfilename, sizeof yyfilename, "%s", file);
  return out;
}
