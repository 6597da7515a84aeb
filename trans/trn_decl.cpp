// Declarations and the end-of-unit checks. In: one H_DECL of the syntax
// tree (a declarator with its complete type and initialiser). Out: the
// declared symbol with its storage settled, and the statements that
// initialise an automatic object. At the end of the unit: static functions
// that are referenced but not defined, or defined but never used.
#include <cstdio>

#include "driver/diag.h"
#include "trans/declare.h"
#include "trans/trans.h"
#include "trans/trn_internal.h"

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

SList trnPostProcess() {
  long line = yylineno;
  char file[sizeof yyfilename];
  snprintf(file, sizeof file, "%s", yyfilename);
  sPostProcessInterruptList();
  sPostProcessStaticFunctions();
  SList out = sPostProcessStringLiteralTable();
  yylineno = line;
  snprintf(yyfilename, sizeof yyfilename, "%s", file);
  return out;
}
