// Syntax-tree nodes: in come children, payloads and the scanner's current
// position; out come `pcodehl` nodes, list cells, deep copies, and the
// iterative release of whole trees. Also the parse-time allocation and the
// posting of diagnostics that must not unwind through the generated parser.
#include <cstdarg>
#include <cstdlib>
#include <cstdio>
#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "cparse.hpp"
#include "driver/diag.h"
#include "front/hl.h"
#include "front/parse_private.h"

static bool s_fatal_pending = false;

// Out of memory is fatal (101): the run ends through the driver's unwind
// at once, without the parser's clean-up, which would need memory itself.
void *hl_alloc(size_t size) {
  void *block = calloc(1, size);
  if (!block) {
    post_error(101);
    throw FatalUnwind{};
  }
  return block;
}

char *hl_strdup(const char *text) {
  return text ? hl_memdup(text, strlen(text)) : nullptr;
}

char *hl_memdup(const char *bytes, size_t count) {
  char *copy = static_cast<char *>(hl_alloc(count + 1));
  if (count)
    memcpy(copy, bytes, count);
  return copy;
}

void hl_post(long number, ...) {
  va_list args;
  va_start(args, number);
  hl_vpost(number, args);
  va_end(args);
}

void hl_vpost(long number, va_list args) {
  try {
    if (!s_fatal_pending)
      vpost_error(number, args);
  } catch (const FatalUnwind &) {
    s_fatal_pending = true;
  }
}

// The message takes the construct's own position: by the time a
// declaration or definition is reduced, the scanner may be lines further on.
void hl_post_at(const pcodehl *where, long number, ...) {
  long line = yylineno;
  std::string file = yyfilename;
  if (where) {
    yylineno = where->line;
    if (where->file)
      snprintf(yyfilename, sizeof yyfilename, "%s", where->file);
  }
  va_list args;
  va_start(args, number);
  hl_vpost(number, args);
  va_end(args);
  yylineno = line;
  snprintf(yyfilename, sizeof yyfilename, "%s", file.c_str());
}

bool hl_fatal_pending() {
  return s_fatal_pending;
}

void hl_set_fatal_pending(bool pending) {
  s_fatal_pending = pending;
}

pcodehl *new_pcodehl(int32_t kind, pcodehl *left, pcodehl *right, long line, const char *file) {
  pcodehl *node = hl_node_alloc();
  node->kind = kind;
  node->left = left;
  node->right = right;
  node->line = line;
  node->file = hl_file_ref(file);
  return node;
}

pcodehl *hl_nop() {
  return new_pcodehl(H_NOP, nullptr, nullptr, yylineno, yyfilename);
}

pcodehl *pcodehl_tail_list(int32_t kind, pcodehl *list, pcodehl *item) {
  if (!list)
    return item;
  if (list->kind == H_NOP) {
    hl_free_ast(list);
    return item;
  }
  return new_pcodehl(kind, list, item, yylineno, yyfilename);
}

pcodehl *pcodehl_head_list(pcodehl *arg, pcodehl *rest) {
  return new_pcodehl(H_ARG, arg, rest ? rest : hl_nop(), yylineno, yyfilename);
}

// Operator token to node kind, one row per operator: the kind as a binary
// operator, as a unary operator, and the constructor family that may use it.
enum s_family { F_NONE, F_MUL, F_ADD, F_SHIFT, F_CMP, F_BIT, F_LOGIC, F_ASSIGN };
struct s_operator_row {
  int token;
  int32_t binary;
  int32_t unary;
  s_family family;
};
static const s_operator_row s_operators[] = {
    {'*', H_MUL, H_INDIR, F_MUL},        {'/', H_DIV, 0, F_MUL},
    {'%', H_MOD, 0, F_MUL},              {'+', H_ADD, H_PLUS, F_ADD},
    {'-', H_SUB, H_MINUS, F_ADD},        {TOK_LEFT_OP, H_SHL, 0, F_SHIFT},
    {TOK_RIGHT_OP, H_SHR, 0, F_SHIFT},   {'<', H_LT, 0, F_CMP},
    {'>', H_GT, 0, F_CMP},               {TOK_LE_OP, H_LTE, 0, F_CMP},
    {TOK_GE_OP, H_GTE, 0, F_CMP},        {TOK_EQ_OP, H_EQ, 0, F_CMP},
    {TOK_NE_OP, H_NE, 0, F_CMP},         {'&', H_BAND, H_REF, F_BIT},
    {'|', H_BOR, 0, F_BIT},              {'^', H_BXOR, 0, F_BIT},
    {TOK_AND_OP, H_LAND, 0, F_LOGIC},    {TOK_OR_OP, H_LOR, 0, F_LOGIC},
    {'!', 0, H_LNOT, F_NONE},            {'~', 0, H_BNOT, F_NONE},
    {'=', H_ASSIGN, 0, F_ASSIGN},        {TOK_MUL_ASSIGN, H_MULA, 0, F_ASSIGN},
    {TOK_DIV_ASSIGN, H_DIVA, 0, F_ASSIGN}, {TOK_MOD_ASSIGN, H_MODA, 0, F_ASSIGN},
    {TOK_ADD_ASSIGN, H_ADDA, 0, F_ASSIGN}, {TOK_SUB_ASSIGN, H_SUBA, 0, F_ASSIGN},
    {TOK_LEFT_ASSIGN, H_SHLA, 0, F_ASSIGN}, {TOK_RIGHT_ASSIGN, H_SHRA, 0, F_ASSIGN},
    {TOK_AND_ASSIGN, H_ANDA, 0, F_ASSIGN}, {TOK_OR_ASSIGN, H_ORA, 0, F_ASSIGN},
    {TOK_XOR_ASSIGN, H_XORA, 0, F_ASSIGN},
};
static_assert(sizeof(s_operators) / sizeof(s_operators[0]) == 31, "operator rows");

static const s_operator_row *s_find_operator(int token) {
  for (const s_operator_row &row : s_operators)
    if (row.token == token)
      return &row;
  return nullptr;
}

int32_t hl_kind_of_token(int token, bool unary) {
  const s_operator_row *row = s_find_operator(token);
  VELC_ASSERT(row != nullptr);
  int32_t kind = unary ? row->unary : row->binary;
  VELC_ASSERT(kind != 0);
  return kind;
}

// A binary node for an operator of the constructor's family.
static pcodehl *s_binary(s_family family, int op, pcodehl *left, pcodehl *right) {
  const s_operator_row *row = s_find_operator(op);
  VELC_ASSERT(row != nullptr && row->family == family);
  return new_pcodehl(row->binary, left, right, yylineno, yyfilename);
}

pcodehl *multiplicative_expression(int op, pcodehl *l, pcodehl *r) { return s_binary(F_MUL, op, l, r); }
pcodehl *additive_expression(int op, pcodehl *l, pcodehl *r) { return s_binary(F_ADD, op, l, r); }
pcodehl *shift_expression(int op, pcodehl *l, pcodehl *r) { return s_binary(F_SHIFT, op, l, r); }
pcodehl *comparison_expression(int op, pcodehl *l, pcodehl *r) { return s_binary(F_CMP, op, l, r); }
pcodehl *binary_bitwise_expression(int op, pcodehl *l, pcodehl *r) { return s_binary(F_BIT, op, l, r); }
pcodehl *logical_expression(int op, pcodehl *l, pcodehl *r) { return s_binary(F_LOGIC, op, l, r); }
pcodehl *assignment_expression(int op, pcodehl *l, pcodehl *r) { return s_binary(F_ASSIGN, op, l, r); }

pcodehl *unary_expression(int op, pcodehl *operand) {
  return new_pcodehl(hl_kind_of_token(op, true), operand, nullptr, yylineno, yyfilename);
}

// ---- copy and release ---------------------------------------------------

// Duplicates the owned parts of a node's payload (children are copied by the caller).
static void s_copy_payload(pcodehl *to, const pcodehl *from) {
  to->u = from->u;
  switch (from->kind) {
  case H_IDENT: to->u.ident.name = hl_strdup(from->u.ident.name); break;
  case H_MEMBER: to->u.member.name = hl_strdup(from->u.member.name); break;
  case H_LABEL: to->u.label.name = hl_strdup(from->u.label.name); break;
  case H_STRING:
    to->u.string.bytes = hl_memdup(from->u.string.bytes, from->u.string.count);
    break;
  case H_DECL:
  case H_CAST:
  case H_SIZEOFTYPE: to->u.decl.type = typehl_copy(from->u.decl.type); break;
  case H_FUNCT:
    to->u.funct.name = hl_strdup(from->u.funct.name);
    to->u.funct.type = typehl_copy(from->u.funct.type);
    break;
  case H_CSTMT: to->u.close.file = hl_file_share(from->u.close.file); break;
  case H_ASM:
  case H_PRAGMA:
    // Copies serve the expressions inside type chains (array sizes, widths,
    // enumerator values, parameters); statements never occur there.
    VELC_ASSERT(!"statement node in a copied type expression");
    break;
  default: break;
  }
}

pcodehl *hl_copy_ast(const pcodehl *root) {
  pcodehl *result = nullptr;
  std::vector<std::pair<const pcodehl *, pcodehl **>> work;
  work.emplace_back(root, &result);
  while (!work.empty()) {
    auto [from, slot] = work.back();
    work.pop_back();
    if (!from)
      continue;
    pcodehl *to = hl_node_alloc();
    to->kind = from->kind;
    to->line = from->line;
    to->file = hl_file_share(from->file);
    s_copy_payload(to, from);
    *slot = to;
    work.emplace_back(from->right, &to->right);
    work.emplace_back(from->left, &to->left);
  }
  return result;
}

// Frees the owned parts of one node's payload.
static void s_free_payload(pcodehl *node) {
  switch (node->kind) {
  case H_IDENT: free(node->u.ident.name); break;
  case H_MEMBER: free(node->u.member.name); break;
  case H_LABEL: free(node->u.label.name); break;
  case H_STRING: free(node->u.string.bytes); break;
  case H_DECL:
  case H_CAST:
  case H_SIZEOFTYPE: typehl_free(node->u.decl.type); break;
  case H_FUNCT:
    free(node->u.funct.name);
    typehl_free(node->u.funct.type);
    break;
  case H_CSTMT: hl_file_release(node->u.close.file); break;
  case H_ASM: asm_entries_free(node->u.asmblock.entries); break;
  case H_PRAGMA: pragma_record_free(&node->u.pragma); break;
  default: break;
  }
}

void hl_free_ast(pcodehl *root) {
  std::vector<pcodehl *> work;
  if (root)
    work.push_back(root);
  while (!work.empty()) {
    pcodehl *node = work.back();
    work.pop_back();
    if (node->left)
      work.push_back(node->left);
    if (node->right)
      work.push_back(node->right);
    s_free_payload(node);
    hl_file_release(node->file);
    hl_node_release(node);
  }
}
