// Type chains of the syntax tree: in come specifier words and declarator
// parts from the grammar actions; out go doubly linked `typehl` chains
// (declarator parts outermost first, then the specifiers) with deep copy,
// splice, search and release. A chain owns its nodes and their payloads
// (size and width expressions, tags, member chains, parameter declarations).
#include <cstdlib>
#include <cstring>

#include "driver/diag.h"
#include "front/hl.h"
#include "front/parse_private.h"

typehl *new_typehl() {
  return hl_type_alloc();
}

typenodehl *new_typenodehl(int32_t kind) {
  typenodehl *node = hl_type_node_alloc();
  node->kind = kind;
  return node;
}

typehl *typehl_of(int32_t kind) {
  typehl *type = new_typehl();
  typenodehl *node = new_typenodehl(kind);
  type->head = type->tail = node;
  return type;
}

// Copies the payload words of one node; owned parts are duplicated.
static void s_copy_payload(typenodehl *to, const typenodehl *from) {
  switch (from->kind) {
  case TH_ARRAY:
    to->u.array.size = hl_copy_ast(from->u.array.size);
    break;
  case TH_FUNCTION:
    to->u.func.params = hl_copy_ast(from->u.func.params);
    to->u.func.prototype = from->u.func.prototype;
    to->u.func.ellipsis = from->u.func.ellipsis;
    break;
  case TH_STRUCT:
  case TH_UNION:
  case TH_ENUM:
    to->u.sue.tag = hl_strdup(from->u.sue.tag);
    to->u.sue.members = typehl_copy(from->u.sue.members);
    to->u.sue.defined = from->u.sue.defined;
    break;
  case TH_MEMBER:
    to->u.member.name = hl_strdup(from->u.member.name);
    to->u.member.type = typehl_copy(from->u.member.type);
    to->u.member.expr = hl_copy_ast(from->u.member.expr);
    break;
  default:
    break;
  }
}

typehl *typehl_copy(const typehl *type) {
  if (!type)
    return nullptr;
  typehl *copy = new_typehl();
  for (const typenodehl *n = type->head; n; n = n->next) {
    typenodehl *node = new_typenodehl(n->kind);
    s_copy_payload(node, n);
    node->prev = copy->tail;
    if (copy->tail)
      copy->tail->next = node;
    else
      copy->head = node;
    copy->tail = node;
  }
  return copy;
}

typehl *typehl_append(typehl *type, typehl *chain) {
  if (!chain)
    return type;
  if (!type)
    return chain;
  if (chain->head) {
    chain->head->prev = type->tail;
    if (type->tail)
      type->tail->next = chain->head;
    else
      type->head = chain->head;
    type->tail = chain->tail;
  }
  hl_type_release(chain);
  return type;
}

typehl *typehl_insert(typehl *type, typehl *chain) {
  if (!chain)
    return type;
  if (!type)
    return chain;
  if (chain->head) {
    chain->tail->next = type->head;
    if (type->head)
      type->head->prev = chain->tail;
    else
      type->tail = chain->tail;
    type->head = chain->head;
  }
  hl_type_release(chain);
  return type;
}

typenodehl *typehl_find(const typehl *type, int32_t kind) {
  for (typenodehl *n = type ? type->head : nullptr; n; n = n->next)
    if (n->kind == kind)
      return n;
  return nullptr;
}

void typehl_remove(typehl *type, typenodehl *node) {
  if (node->prev)
    node->prev->next = node->next;
  else
    type->head = node->next;
  if (node->next)
    node->next->prev = node->prev;
  else
    type->tail = node->prev;
  typenodehl_free(node);
}

void typenodehl_free(typenodehl *node) {
  if (!node)
    return;
  switch (node->kind) {
  case TH_ARRAY:
    hl_free_ast(node->u.array.size);
    break;
  case TH_FUNCTION:
    hl_free_ast(node->u.func.params);
    break;
  case TH_STRUCT:
  case TH_UNION:
  case TH_ENUM:
    free(node->u.sue.tag);
    typehl_free(node->u.sue.members);
    break;
  case TH_MEMBER:
    free(node->u.member.name);
    typehl_free(node->u.member.type);
    hl_free_ast(node->u.member.expr);
    break;
  default:
    break;
  }
  hl_type_node_release(node);
}

void typehl_free(typehl *type) {
  if (!type)
    return;
  typenodehl *n = type->head;
  while (n) {
    typenodehl *next = n->next;
    typenodehl_free(n);
    n = next;
  }
  hl_type_release(type);
}

void hl_type_free(typehl *type) {
  typehl_free(type);
}

// Every structure, union and enumeration specifier of the chain becomes a
// reference to its tag: the definition flag is cleared and the body dropped.
void typehl_make_references(typehl *type) {
  for (typenodehl *n = type ? type->head : nullptr; n; n = n->next) {
    if (n->kind == TH_STRUCT || n->kind == TH_UNION || n->kind == TH_ENUM) {
      n->u.sue.defined = 0;
      typehl_free(n->u.sue.members);
      n->u.sue.members = nullptr;
    }
  }
}
