// Declarations: in come declarators (an H_DECL holding the name and the
// declarator parts, outermost first), specifier chains and initialisers
// from the grammar; out go complete H_DECL nodes and lists, structure and
// enumeration type nodes, function definitions and compound statements.
// Typedef declarations update the typedef scopes here.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "driver/diag.h"
#include "front/hl.h"
#include "front/parse_private.h"
#include "front/typedefs.h"

static int s_fake_tag_counter = 0;

char *hl_fake_tag_name() {
  char buffer[32];
  snprintf(buffer, sizeof buffer, "__tag_%d", s_fake_tag_counter++);
  return hl_strdup(buffer);
}

void hl_reset_fake_tags() {
  s_fake_tag_counter = 0;
}

// ---- declarators ------------------------------------------------------------

static pcodehl *s_declarator(pcodehl *name) {
  pcodehl *node = new_pcodehl(H_DECL, name, nullptr, name->line, name->file);
  node->u.decl.type = new_typehl();
  return node;
}

pcodehl *declarator_name(char *name) {
  return s_declarator(identifier(name));
}

pcodehl *declarator_abstract() {
  return s_declarator(hl_nop());
}

pcodehl *declarator_add(pcodehl *declarator, typehl *parts) {
  declarator->u.decl.type = typehl_append(declarator->u.decl.type, parts);
  return declarator;
}

const char *declarator_get_name(const pcodehl *declarator) {
  if (declarator && declarator->left && declarator->left->kind == H_IDENT)
    return declarator->left->u.ident.name;
  return nullptr;
}

pcodehl *declarator_done(pcodehl *declarator) {
  const char *name = declarator_get_name(declarator);
  if (name)
    override_typedef(name);
  return declarator;
}

typehl *array_part(pcodehl *size) {
  typehl *part = typehl_of(TH_ARRAY);
  part->head->u.array.size = size;
  return part;
}

typehl *pointer_part(typehl *qualifiers) {
  return typehl_append(qualifiers, typehl_of(TH_POINTER));
}

// "(void)" declares no parameters: one unnamed parameter of plain type void.
static bool s_is_void_list(const pcodehl *params) {
  if (!params || params->kind != H_DECL || params->left->kind != H_NOP)
    return false;
  const typehl *type = params->u.decl.type;
  return type && type->head && type->head == type->tail && type->head->kind == TH_VOID;
}

typehl *function_part(pcodehl *params, int prototype, int ellipsis) {
  if (s_is_void_list(params) && !ellipsis) {
    hl_free_ast(params);
    params = nullptr;
  }
  typehl *part = typehl_of(TH_FUNCTION);
  part->head->u.func.params = params;
  part->head->u.func.prototype = prototype;
  part->head->u.func.ellipsis = ellipsis;
  return part;
}

// ---- declaring lists --------------------------------------------------------

pcodehl *new_declaring_list(const typehl *specifiers, pcodehl *declarator, pcodehl *init) {
  typehl *type = typehl_append(declarator->u.decl.type, typehl_copy(specifiers));
  declarator->u.decl.type = type;
  declarator->right = init ? init : hl_nop();
  typenodehl *td = typehl_find(type, TH_TYPEDEF);
  if (!td)
    return declarator;
  typehl_remove(type, td);
  const char *name = declarator_get_name(declarator);
  if (name)
    s_declare_typedef(name, type);
  if (init) {
    hl_post_at(declarator, 1220, name ? name : "");
    hl_free_ast(declarator->left);
    declarator->left = hl_nop();
  }
  hl_free_ast(declarator->right);
  declarator->right = nullptr;  // a typedef has no initialiser slot
  return declarator;
}

// Appends list `items` (an H_DECLLST chain or a single item) to `list`,
// keeping the shape in which every right child is one declaration.
static pcodehl *s_splice(int32_t kind, pcodehl *list, pcodehl *items) {
  if (!list || list->kind == H_NOP)
    return pcodehl_tail_list(kind, list, items);
  if (items->kind != kind)
    return pcodehl_tail_list(kind, list, items);
  pcodehl *deepest = items;
  while (deepest->left->kind == kind)
    deepest = deepest->left;
  deepest->left = new_pcodehl(kind, list, deepest->left, deepest->line, deepest->file);
  return items;
}

pcodehl *declaring_list(pcodehl *previous, const typehl *specifiers, pcodehl *declarator, pcodehl *init) {
  return s_splice(H_DECLLST, previous, new_declaring_list(specifiers, declarator, init));
}

// The items of a left-growing list in source order.
static std::vector<pcodehl *> s_list_items(pcodehl *list, int32_t kind, std::vector<pcodehl *> *cells) {
  std::vector<pcodehl *> items;
  while (list && list->kind == kind) {
    items.push_back(list->right);
    cells->push_back(list);
    list = list->left;
  }
  if (list)
    items.push_back(list);
  return {items.rbegin(), items.rend()};
}

void declarator_early_typedef(const typehl *specifiers, const pcodehl *list) {
  if (!typehl_find(specifiers, TH_TYPEDEF))
    return;
  const pcodehl *newest = list->kind == H_DECLLST ? list->right : list;
  const char *name = declarator_get_name(newest);
  if (!name)
    return;
  typehl *type = typehl_append(typehl_copy(newest->u.decl.type), typehl_copy(specifiers));
  typehl_remove(type, typehl_find(type, TH_TYPEDEF));
  s_declare_typedef(name, type);
  typehl_free(type);
}

pcodehl *declaration_complete(typehl *specifiers, pcodehl *declarators) {
  std::vector<pcodehl *> cells;
  std::vector<pcodehl *> items = s_list_items(declarators, H_DECLLST, &cells);
  for (pcodehl *cell : cells) {
    cell->left = cell->right = nullptr;
    hl_free_ast(cell);
  }
  // The first declarator carries any struct, union or enum definition of
  // the specifiers; the others refer to the tag.
  pcodehl *result = nullptr;
  for (pcodehl *d : items) {
    pcodehl *init = d->right;
    d->right = nullptr;
    result = declaring_list(result, specifiers, d, init);
    typehl_make_references(specifiers);
  }
  typehl_free(specifiers);
  return result;
}

pcodehl *parameter_declaration(typehl *specifiers, pcodehl *declarator) {
  pcodehl *decl = new_declaring_list(specifiers, declarator, nullptr);
  typehl_free(specifiers);
  return decl;
}

// ---- structures, unions and enumerations ------------------------------------

typehl *declarator_take_type(pcodehl *declarator) {
  typehl *type = declarator->u.decl.type;
  declarator->u.decl.type = nullptr;
  hl_free_ast(declarator);
  return type;
}

typehl *member_declaring_list(const typehl *specifiers, pcodehl *declarator, pcodehl *width) {
  typehl *member = typehl_of(TH_MEMBER);
  typenodehl *node = member->head;
  if (declarator) {
    node->u.member.name = hl_strdup(declarator_get_name(declarator));
    node->u.member.type = typehl_append(declarator->u.decl.type, typehl_copy(specifiers));
    declarator->u.decl.type = nullptr;
    hl_free_ast(declarator);
  } else {
    node->u.member.type = typehl_copy(specifiers);
  }
  node->u.member.expr = width;
  return member;
}

typehl *member_declaration_complete(typehl *specifiers, pcodehl *declarators) {
  std::vector<pcodehl *> cells;
  std::vector<pcodehl *> items = s_list_items(declarators, H_DECLLST, &cells);
  for (pcodehl *cell : cells) {
    cell->left = cell->right = nullptr;
    hl_free_ast(cell);
  }
  typehl *members = nullptr;
  for (pcodehl *d : items) {
    pcodehl *width = d->right;
    d->right = nullptr;
    members = typehl_append(members, member_declaring_list(specifiers, d, width));
    typehl_make_references(specifiers);
  }
  typehl_free(specifiers);
  return members;
}

static typehl *s_tagged(int32_t kind, char *tag, typehl *members, int defined) {
  typehl *type = typehl_of(kind);
  type->head->u.sue.tag = tag ? tag : hl_fake_tag_name();
  type->head->u.sue.members = members;
  type->head->u.sue.defined = defined;
  return type;
}

typehl *aggregate_name(int is_union, char *tag, typehl *members, int defined) {
  return s_tagged(is_union ? TH_UNION : TH_STRUCT, tag, members, defined);
}

typehl *enum_name(char *tag, typehl *enumerators, int defined) {
  return s_tagged(TH_ENUM, tag, enumerators, defined);
}

typehl *enumerator(char *name, pcodehl *value) {
  typehl *item = typehl_of(TH_MEMBER);
  item->head->u.member.name = name;
  item->head->u.member.expr = value;
  return item;
}

pcodehl *sue_specifier(typehl *type) {
  typenodehl *n = type->head;
  while (n && n->kind != TH_STRUCT && n->kind != TH_UNION && n->kind != TH_ENUM)
    n = n->next;
  if (!n) {
    typehl_free(type);
    return hl_nop();
  }
  while (type->head != n)
    typehl_remove(type, type->head);
  pcodehl *decl = new_pcodehl(H_DECL, hl_nop(), hl_nop(), yylineno, yyfilename);
  decl->u.decl.type = type;
  return decl;
}

// ---- function definitions ---------------------------------------------------

void declarator_override_parameters(const pcodehl *declarator) {
  const typehl *type = declarator->u.decl.type;
  if (!type || !type->head || type->head->kind != TH_FUNCTION)
    return;
  std::vector<pcodehl *> cells;
  for (pcodehl *p : s_list_items(type->head->u.func.params, H_DECLLST, &cells))
    if (const char *name = declarator_get_name(p))
      override_typedef(name);
}

// Named parameters become the definition's parameter declarations; an
// unnamed one reports 1154 with its position among the parameters.
static pcodehl *s_definition_parameters(const typenodehl *function, const char *name) {
  std::vector<pcodehl *> cells;
  std::vector<pcodehl *> params = s_list_items(function->u.func.params, H_DECLLST, &cells);
  pcodehl *list = nullptr;
  for (size_t i = 0; i < params.size(); i++) {
    if (declarator_get_name(params[i]))
      list = pcodehl_tail_list(H_DECLLST, list, hl_copy_ast(params[i]));
    else
      hl_post_at(params[i], 1154, static_cast<int>(i + 1), name ? name : "");
  }
  return list ? list : hl_nop();
}

pcodehl *function_definition(typehl *specifiers, pcodehl *declarator, pcodehl *body) {
  typehl *type = declarator->u.decl.type;
  if (!type || !type->head || type->head->kind != TH_FUNCTION) {
    hl_post_at(declarator, 1100);
    typehl_free(specifiers);
    hl_free_ast(declarator);
    hl_free_ast(body);
    return hl_nop();
  }
  const char *name = declarator_get_name(declarator);
  pcodehl *params = s_definition_parameters(type->head, name);
  pcodehl *def = new_pcodehl(H_FUNCT, params, body, declarator->line, declarator->file);
  def->u.funct.name = hl_strdup(name);
  def->u.funct.type = typehl_append(type, specifiers ? specifiers : new_typehl());
  declarator->u.decl.type = nullptr;
  hl_free_ast(declarator);
  return def;
}

// ---- initialisers and blocks ------------------------------------------------

pcodehl *initializer_list(pcodehl *list, pcodehl *item) {
  return new_pcodehl(H_ILIST, list ? list : hl_nop(), item, yylineno, yyfilename);
}

pcodehl *block_items_new() {
  return new_pcodehl(H_CSTMT, nullptr, nullptr, yylineno, yyfilename);
}

pcodehl *block_items_add_declaration(pcodehl *items, pcodehl *declaration) {
  if (items->right)
    yyerror("%s", "syntax error");  // a declaration after a statement
  items->left = s_splice(H_DECLLST, items->left, declaration);
  return items;
}

pcodehl *block_items_add_statement(pcodehl *items, pcodehl *statement) {
  items->right = pcodehl_tail_list(H_STMTLST, items->right, statement);
  return items;
}

// Before the first statement a pragma joins the declarations, after it the
// statements, so that it keeps its place in source order.
pcodehl *block_items_add_pragma(pcodehl *items, pcodehl *pragma) {
  if (items->right)
    return block_items_add_statement(items, pragma);
  items->left = pcodehl_tail_list(H_DECLLST, items->left, pragma);
  return items;
}

pcodehl *compound_statement(pcodehl *items, long open_line, const char *open_file) {
  if (!items->left)
    items->left = hl_nop();
  if (!items->right)
    items->right = hl_nop();
  items->u.close.line = yylineno;
  items->u.close.file = hl_file_ref(yyfilename);
  items->line = open_line;
  hl_file_release(items->file);
  items->file = hl_file_ref(open_file);
  return items;
}
