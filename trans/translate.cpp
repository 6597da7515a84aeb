// The translation driver. In: the syntax tree of a whole translation unit.
// Out: the statement list of low-level trees, with the symbol table, its
// master list and the section set filled in. External declarations,
// function definitions and pragmas are visited in source order; each
// function gets its begin and end markers, its parameters their offsets.
#include <cstdio>
#include <cstring>
#include <vector>

#include "driver/compile.h"
#include "driver/diag.h"
#include "driver/settings.h"
#include "trans/declare.h"
#include "trans/symtbl_internal.h"
#include "trans/trans.h"
#include "trans/trn_internal.h"

void trn_loop_stacks_reset();
void trn_switch_reset();
void trn_switch_free();
void trn_function_reset();
void trn_expr_reset();
void trn_free_asm_blocks();

namespace {

const pcodehl *ast;
SList sPcodeLL;
bool s_file_entry_added;

std::vector<const pcodehl *> s_items(const pcodehl *list, int kind) {
  std::vector<const pcodehl *> out;
  const pcodehl *p = list;
  for (; p && p->kind == kind; p = p->left)
    out.push_back(p->right);
  if (p)
    out.push_back(p);
  return {out.rbegin(), out.rend()};
}

// The source file opens the master list, once.
void s_add_source_file_entry() {
  if (s_file_entry_added)
    return;
  s_file_entry_added = true;
  const char *path = getSourceFilePath();
  if (!path || !path[0])
    return;
  SymbolRecord *entry = sym_new_record(SYM_FILE, path, 1, path);
  sym_add_to_master_symbol_table(entry);
}

// The definition's parameters enter the function's scope with the types
// and classes settled when its declarator was resolved (which reported
// their diagnostics once); a name given twice was reported there too.
void s_declare_definition_parameters(const typehl *ftype, const TypeRecord *f, long line, const char *file) {
  if (!ftype || !ftype->head || ftype->head->kind != TH_FUNCTION || !f || f->type != FUNCTION_TYPE)
    return;
  const ParamRecord *param = f->data.function.params;
  for (const pcodehl *p : s_items(ftype->head->u.func.params, H_DECLLST)) {
    if (!param)
      break;
    const char *name = p && p->kind == H_DECL && p->left && p->left->kind == H_IDENT ? p->left->u.ident.name : nullptr;
    trn_check_illegal_tag_reference(param->type);  // a parameter's size is needed for its offset
    if (name && !sym_lookup_sym(name, 1)) {
      SymbolRecord *sym = sym_create_symbol(name, type_copy(param->type), LINKAGE_NONE, AUTO);
      sym_declare_symbol(sym, false, p->line ? p->line : line, p->file ? p->file : file);
      trn_push_parameter(sym);
    }
    param = param->next;
  }
}

SList s_function_definition(const pcodehl *f) {
  const char *name = f->u.funct.name ? f->u.funct.name : "";
  TypeRecord *type = trnResolveType(f->u.funct.type, f->line, f->file);
  trn_clear_parameter_list();
  if (!type)
    type = type_copy(default_function_type);
  StorageClass sclass;
  try {
    sclass = trnResolveSclass(f->u.funct.type);
  } catch (const FatalUnwind &) {  // "typedef" on a definition is fatal: the type is not kept yet
    type_free(type);
    throw;
  }
  SymbolRecord *fsym = trn_declare_sym(name, type, sclass, false, false, f->line, f->file);
  if (!fsym)
    fsym = sym_lookup_sym(name, 0);
  trn_begin_function(name, f->line, f->file);
  fsym = trn_current_function();
  sym_begin_function(fsym, f->line, f->file);
  s_declare_definition_parameters(f->u.funct.type, fsym->data.var.type, f->line, f->file);
  trn_begin_function_body();
  const pcodehl *body = f->right;
  SList stmts = trn_walk_stmt(body);
  long end_line = body && body->kind == H_CSTMT ? body->u.close.line : f->line;
  const char *end_file = body && body->kind == H_CSTMT ? body->u.close.file : f->file;
  SList out = trnFunction(fsym, SList{}, stmts, f->line, f->file, end_line, end_file);
  sym_end_function(fsym, end_line, end_file);
  return out;
}

SList s_external(const pcodehl *item) {
  yylineno = item->line;
  snprintf(yyfilename, sizeof yyfilename, "%s", item->file ? item->file : "");
  switch (item->kind) {
  case H_NOP: return {};
  case H_FUNCT: return s_function_definition(item);
  case H_PRAGMA: return trnPragma(&item->u.pragma, item->line, item->file);
  case H_DECL: case H_DECLLST: return trn_walk_declarations(item);
  default:
    post_error(100, "unexpected external definition");
    return {};
  }
}

void s_reset() {
  sPcodeLL = SList{};
  s_file_entry_added = false;
  trn_reset_label_counter();
  trn_loop_stacks_reset();
  trn_switch_reset();
  trn_function_reset();
  trn_expr_reset();
  trn_declare_reset();
  trn_decl_reset();
  trn_strings_reset();
  trn_pragma_reset();
  trn_release_all();
}

}  // namespace

void trnInitialize() {
  type_init_predefined();
}

StatementRecord *trnTranslateAST(pcodehl *root) {
  ast = root;
  yyfilename[0] = '\0';
  yylineno = 1;
  s_reset();
  sym_begin_module();
  trnInitialize();
  if (debug_trans_flag)
    hl_print_ast(root);
  // The nodes of each finished external definition belong to the list; the
  // record of live nodes only covers the definition being translated.
  try {
    s_add_source_file_entry();
    if (root && root->kind != H_NOP) {
      for (const pcodehl *item : s_items(root, H_DEFLST)) {
        SList part = s_external(item);
        trn_release_all();
        slist_cat(sPcodeLL, part);
      }
    }
    SList post = trnPostProcess();
    trn_release_all();
    slist_cat(sPcodeLL, post);
  } catch (const FatalUnwind &) {
    trn_discard_all();
    stmtFreeList(sPcodeLL.head);
    sPcodeLL = SList{};
    throw;
  }
  if (debug_code_gen_flag && get_error_count() == 0)
    for (StatementRecord *s = sPcodeLL.head; s; s = s->next)
      pcodell_dbg_dump_tree(s->tree);
  return sPcodeLL.head;
}

void trnTerminate() {
  trn_switch_free();
  trn_free_initial_data();
  trn_free_asm_blocks();
  trn_decl_reset();
  trn_strings_reset();
  trn_pragma_reset();
  trn_function_reset();
  trn_free_kept_types();
  trn_declare_reset();
}
