// Expression and statement constructors called by the grammar actions: in
// come the children already built and the scanner's values; out comes one
// `pcodehl` node per construct, positioned at the scanner's current line.
// Ownership of every argument passes to the new node.
#include <cstdlib>
#include <cstring>

#include "driver/diag.h"
#include "front/hl.h"
#include "front/parse_private.h"

static pcodehl *s_node(int32_t kind, pcodehl *left, pcodehl *right) {
  return new_pcodehl(kind, left, right, yylineno, yyfilename);
}

pcodehl *identifier(char *name) {
  pcodehl *node = s_node(H_IDENT, nullptr, nullptr);
  node->u.ident.name = name;
  return node;
}

pcodehl *constant_primary_expression(hl_constant value) {
  pcodehl *node = s_node(H_CNST, nullptr, nullptr);
  node->u.cnst = value;
  return node;
}

pcodehl *string_literal_expression(hl_bytes bytes) {
  pcodehl *node = s_node(H_STRING, nullptr, nullptr);
  node->u.string = bytes;
  return node;
}

// Adjacent literals form one string: the bytes are joined without the
// first literal's terminator.
// The bytes of a literal being concatenated live in a buffer whose size is
// the power of two above the count (at least 64), so that appending piece
// after piece moves the bytes only when the count passes a power of two:
// a literal of n pieces is joined in linear time. realloc to the size the
// buffer already has leaves it in place.
static size_t s_concat_capacity(size_t count) {
  size_t capacity = 64;
  while (capacity < count + 1)
    capacity *= 2;
  return capacity;
}

pcodehl *string_literal_concat(pcodehl *node, hl_bytes bytes) {
  size_t count = static_cast<size_t>(node->u.string.count);
  size_t total = count + static_cast<size_t>(bytes.count);
  auto *joined = static_cast<char *>(realloc(node->u.string.bytes, s_concat_capacity(total)));
  if (!joined) {
    post_error(101);
    throw FatalUnwind{};
  }
  memcpy(joined + count, bytes.bytes, bytes.count);
  joined[total] = '\0';
  free(bytes.bytes);
  node->u.string.bytes = joined;
  node->u.string.count = static_cast<int32_t>(total);
  return node;
}

pcodehl *index_expression(pcodehl *array, pcodehl *index) { return s_node(H_INDEX, array, index); }

pcodehl *call_expression(pcodehl *callee, pcodehl *args) {
  if (callee->kind == H_IDENT)
    callee->u.ident.called = 1;
  return s_node(H_CALL, callee, args ? args : hl_nop());
}

pcodehl *pre_increment_expression(pcodehl *e) { return s_node(H_PREINC, e, nullptr); }
pcodehl *post_increment_expression(pcodehl *e) { return s_node(H_PSTINC, e, nullptr); }
pcodehl *pre_decrement_expression(pcodehl *e) { return s_node(H_PREDEC, e, nullptr); }
pcodehl *post_decrement_expression(pcodehl *e) { return s_node(H_PSTDEC, e, nullptr); }

pcodehl *member_access_expression(pcodehl *object, char *name, int dot) {
  pcodehl *node = s_node(H_MEMBER, object, nullptr);
  node->u.member.name = name;
  node->u.member.dot = dot;
  return node;
}

// Arguments are collected newest first so that each one costs O(1); the
// call reverses the chain once into source order.
pcodehl *argument_expression(pcodehl *reversed, pcodehl *arg) {
  return s_node(H_ARG, arg, reversed);
}

pcodehl *argument_list_finish(pcodehl *reversed) {
  pcodehl *ordered = hl_nop();
  while (reversed) {
    pcodehl *next = reversed->right;
    reversed->right = ordered;
    ordered = reversed;
    reversed = next;
  }
  return ordered;
}

pcodehl *sizeof_expression_expression(pcodehl *e) { return s_node(H_SIZEOFEXPR, e, nullptr); }

pcodehl *sizeof_type_expression(typehl *type) {
  pcodehl *node = s_node(H_SIZEOFTYPE, nullptr, nullptr);
  node->u.decl.type = type;
  return node;
}

pcodehl *explicit_cast_expression(typehl *type, pcodehl *operand) {
  pcodehl *node = s_node(H_CAST, operand, nullptr);
  node->u.decl.type = type;
  return node;
}

pcodehl *conditional_expression(pcodehl *cond, pcodehl *then, pcodehl *otherwise) {
  return s_node(H_COND, cond, s_node(H_CONDSEP, then, otherwise));
}

pcodehl *comma_expression(pcodehl *l, pcodehl *r) { return s_node(H_COMMA, l, r); }

// ---- statements -----------------------------------------------------------

pcodehl *label_statement(char *name, pcodehl *statement) {
  pcodehl *node = s_node(H_LABEL, statement, nullptr);
  node->u.label.name = name;
  return node;
}

pcodehl *case_label_statement(pcodehl *value, pcodehl *s) { return s_node(H_CASE, value, s); }
pcodehl *default_label_statement(pcodehl *s) { return s_node(H_DEFAULT, s, nullptr); }
pcodehl *if_statement(pcodehl *cond, pcodehl *then) { return s_node(H_IF, cond, then); }

pcodehl *if_else_statement(pcodehl *cond, pcodehl *then, pcodehl *else_node, pcodehl *otherwise) {
  else_node->left = then;
  else_node->right = otherwise;
  return s_node(H_IFE, cond, else_node);
}

pcodehl *switch_statement(pcodehl *value, pcodehl *body) { return s_node(H_SWITCH, value, body); }
pcodehl *while_statement(pcodehl *cond, pcodehl *body) { return s_node(H_WHILE, cond, body); }
pcodehl *do_statement(pcodehl *body, pcodehl *cond) { return s_node(H_DO, cond, body); }

pcodehl *for_statement(pcodehl *init, pcodehl *cond, pcodehl *step, pcodehl *body) {
  pcodehl *post = s_node(H_FORPOST, step ? step : hl_nop(), body);
  pcodehl *test = s_node(H_FORCOND, cond ? cond : hl_nop(), post);
  return s_node(H_FORPRE, init ? init : hl_nop(), test);
}

pcodehl *goto_statement(char *label) { return s_node(H_JMP, identifier(label), nullptr); }
pcodehl *continue_statement() { return s_node(H_CONTINUE, nullptr, nullptr); }
pcodehl *break_statement() { return s_node(H_BREAK, nullptr, nullptr); }
pcodehl *return_statement(pcodehl *value) { return s_node(H_RETURN, value ? value : hl_nop(), nullptr); }

// The node takes the directive's own position from the record: by the
// time the parser reduces it, the scanner has moved on to the next token.
pcodehl *pragma_node(const pragma_record *record) {
  const char *file = pragma_pool_get_text(record->file);
  long line = record->line ? static_cast<long>(record->line) : yylineno;
  pcodehl *node = new_pcodehl(H_PRAGMA, nullptr, nullptr, line, file ? file : yyfilename);
  node->u.pragma = *record;
  return node;
}

pcodehl *asm_statement(asm_entry *entries, long line) {
  pcodehl *node = new_pcodehl(H_ASM, nullptr, nullptr, line, yyfilename);
  node->u.asmblock.entries = entries;
  return node;
}
