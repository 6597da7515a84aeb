// Low-level tree nodes and statement lists. In: operators and operands from
// the translator. Out: trees that the code generator labels and reduces;
// copies that share types and symbols; and the predicates and width rules
// the builders choose operators by.
#include "trans/pcodell.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <unordered_set>
#include <vector>

#include "driver/diag.h"
#include "util/record_pool.h"

namespace {

struct OpName {
  int number;
  const char *name;
};

constexpr OpName s_op_names[] = {
#define OP(name, number) {number, #name},
#include "trans/pcodell_ops.def"
#undef OP
};
static_assert(sizeof s_op_names / sizeof s_op_names[0] == 278, "278 operators without gaps");

constexpr bool s_numbers_are_dense() {
  for (size_t i = 0; i < sizeof s_op_names / sizeof s_op_names[0]; i++)
    if (s_op_names[i].number != static_cast<int>(100 + i))
      return false;
  return true;
}
static_assert(s_numbers_are_dense(), "operator numbers run 100 to 377 in table order");

bool s_in(const pcodell_t *p, int first, int last) { return p && p->opcode >= first && p->opcode <= last; }

}  // namespace

// Every node of a construct names the same file: one interned copy per
// distinct name serves them all until the compilation ends. Nodes come in
// runs from one file, so the name handed out last is tried before the
// table.
static std::unordered_set<std::string> s_file_names;
static const char *s_last_file_name;

static const char *s_intern_file(const char *file) {
  if (!file)
    file = "";
  if (s_last_file_name && strcmp(s_last_file_name, file) == 0)
    return s_last_file_name;
  s_last_file_name = s_file_names.insert(file).first->c_str();
  return s_last_file_name;
}

void pcodell_release_file_names() {
  s_file_names = {};
  s_last_file_name = nullptr;
}

const char *pcodell_get_opcode_name(int opcode) {
  if (opcode < I_NOP || opcode > I_SECTION)
    return nullptr;
  return s_op_names[opcode - I_NOP].name;
}

// A unit makes hundreds of thousands of nodes and statement records; taking
// each from the general allocator cost more than the translation itself.
static_assert(alignof(pcodell_t) <= RECORD_OFFSET && alignof(StatementRecord) <= RECORD_OFFSET);
static RecordPool s_nodes{sizeof(pcodell_t), 2 * 1024 * 1024, true, fatal_out_of_memory, nullptr};
static RecordPool s_statements{sizeof(StatementRecord), 64 * 1024, false, fatal_out_of_memory, nullptr};

size_t pcodell_live_records() { return s_nodes.live + s_statements.live; }

pcodell_t *pcodell_create(PcodellOp opcode, pcodell_t *left, pcodell_t *right, long line, const char *file) {
  auto *p = static_cast<pcodell_t *>(record_pool_alloc(s_nodes));
  p->opcode = opcode;
  p->left = left;
  p->right = right;
  p->line = line;
  p->file = s_intern_file(file);
  return p;
}

// Frees iteratively along the right spine (argument and statement-like
// chains grow there) and recursively on the left, so long chains cannot
// exhaust the host stack.
void pcodellFreeTree(pcodell_t *tree) {
  while (tree) {
    pcodellFreeTree(tree->left);
    pcodell_t *right = tree->right;
    pcodell_release_node(tree);
    tree = right;
  }
}

void pcodell_release_node(pcodell_t *p) {
  pcodell_live_remove(p);
  free(p->owned);
  free(p->state);
  VELC_ASSERT(record_pool_release(s_nodes, p));
}

// The record of live nodes is a list threaded through the nodes. Emptying
// it starts a new record with a new mark, so a node still carrying an older
// mark is in no list and needs no unlinking.
static pcodell_t *s_live_head;
static uint32_t s_live_mark = 1;

void pcodell_live_add(pcodell_t *p) {
  if (p->live_mark == s_live_mark)
    return;
  p->live_mark = s_live_mark;
  p->live_prev = nullptr;
  p->live_next = s_live_head;
  if (s_live_head)
    s_live_head->live_prev = p;
  s_live_head = p;
}

void pcodell_live_remove(pcodell_t *p) {
  if (p->live_mark != s_live_mark)
    return;
  if (p->live_prev)
    p->live_prev->live_next = p->live_next;
  else
    s_live_head = p->live_next;
  if (p->live_next)
    p->live_next->live_prev = p->live_prev;
  p->live_prev = p->live_next = nullptr;
  p->live_mark = 0;
}

void pcodell_live_forget_all() {
  s_live_head = nullptr;
  if (++s_live_mark == 0)
    s_live_mark = 1;  // 0 marks a node outside any record
}

void pcodell_live_free_all() {
  while (s_live_head)
    pcodell_release_node(s_live_head);  // unlinks it
}

pcodell_t *pcodell_copy(const pcodell_t *tree) {
  if (!tree)
    return nullptr;
  auto *p = static_cast<pcodell_t *>(record_pool_alloc(s_nodes));
  *p = *tree;
  p->state = nullptr;
  p->live_prev = p->live_next = nullptr;
  p->live_mark = 0;
  if (tree->owned) {
    p->owned = malloc(static_cast<size_t>(tree->owned_size > 0 ? tree->owned_size : 1));
    if (!p->owned)
      post_error(101);
    if (tree->owned_size > 0)
      memcpy(p->owned, tree->owned, static_cast<size_t>(tree->owned_size));
  }
  p->left = pcodell_copy(tree->left);
  p->right = pcodell_copy(tree->right);
  return p;
}

bool is_pcodell_constant(const pcodell_t *p) { return s_in(p, I_CNST8, I_CNSTF); }
bool isPcodellIdentifier(const pcodell_t *p) { return s_in(p, I_IDROM16, I_IDSTK); }
bool is_identifier(const pcodell_t *p) { return isPcodellIdentifier(p); }
bool is_pcodell_commutativeOperator(const pcodell_t *p) {
  return s_in(p, I_cop8, I_cop32) || s_in(p, I_cop8A, I_cop32A);
}
bool isPcodellSimpleAssignment(const pcodell_t *p) { return s_in(p, I_MOV8, I_MOVX); }
bool isPcodellIndirection(const pcodell_t *p) { return s_in(p, I_IND8RAM8, I_INDXROM24); }
bool isPcodellBitfield(const pcodell_t *p) { return s_in(p, I_BITFROM16, I_BITFRAM16); }
bool isPcodellMember(const pcodell_t *p) { return s_in(p, I_MEMBERRAM8, I_MEMBERROM24); }
bool isPcodellNop(const pcodell_t *p) { return p && p->opcode == I_NOP; }
bool is_opcode_cast(int opcode) { return opcode >= I_C8TO16S && opcode <= I_C32TO24; }

bool isPcodellZero(const pcodell_t *p) {
  if (!is_pcodell_constant(p))
    return false;
  const ConstValue &c = p->data.expr.cnst.value;
  if (c.code == F32)
    return c.value.f == 0.0f;
  return get_unsigned_constant_value(c.code, c) == 0;
}

// A member of a structure is assignable only when the structure itself is
// an assignable object: a structure returned by a call, produced by an
// assignment, a conditional or a sequence is a value, not an object.
void set_pcodell_lvalue(pcodell_t *p) {
  VELC_ASSERT(isPcodellIndirection(p));
  const pcodell_t *operand = p->left;
  if (isPcodellMember(operand) || isPcodellBitfield(operand)) {
    const pcodell_t *base = operand->left;
    p->lvalue = isPcodellIndirection(base) && base->lvalue;
    return;
  }
  p->lvalue = 1;
}

int pcodell_width_index(const TypeRecord *t, bool has_float_member, bool has_aggregate_member) {
  if (is_type_float(t))
    return has_float_member ? 4 : -1;
  switch (ll_sizeof_type(t)) {
  case 1: return 0;
  case 2: return 1;
  case 3: return 2;
  case 4: return 3;
  default: return has_aggregate_member ? 4 : -1;
  }
}

int pcodell_space_index(const TypeRecord *object) {
  if (object->location == ROM_LOC)
    return object->range == NEAR_RANGE ? 2 : 3;
  return object->range == NEAR_RANGE ? 0 : 1;
}

PcodellOp pcodell_identifier_op(const SymbolRecord *sym) {
  if (sym->data.var.sclass == AUTO)
    return I_IDSTK;
  static const PcodellOp by_space[] = {I_IDRAM8, I_IDRAM16, I_IDROM16, I_IDROM24};
  return by_space[pcodell_space_index(sym->data.var.type)];
}

PcodellOp pcodell_indirection_op(const TypeRecord *object) {
  // Reading memory has no float member: a float is read as its 4 bytes.
  static const int by_size[] = {4, 0, 1, 2, 3};
  long size = ll_sizeof_type(object);
  int width = size >= 1 && size <= 4 ? by_size[size] : 4;
  // IND rows run 8, 16, 24, 32, X per address space.
  return static_cast<PcodellOp>(I_IND8RAM8 + pcodell_space_index(object) * 5 + width);
}

StatementRecord *stmtCreate(pcodell_t *tree) {
  auto *s = static_cast<StatementRecord *>(record_pool_alloc(s_statements));
  s->tree = tree;
  return s;
}

void stmtAppend(StatementRecord **list, StatementRecord *stmt) {
  if (!*list) {
    *list = stmt;
    return;
  }
  StatementRecord *last = *list;
  while (last->next)
    last = last->next;
  last->next = stmt;
  stmt->previous = last;
}

void stmtInsertAfter(StatementRecord *a, StatementRecord *b) {
  b->next = a->next;
  b->previous = a;
  if (a->next)
    a->next->previous = b;
  a->next = b;
}

void stmtRelease(StatementRecord *s) {
  stmt_live_remove(s);
  VELC_ASSERT(record_pool_release(s_statements, s));
}

// The record of live statements works as the nodes' one does.
static StatementRecord *s_live_statements;
static uint32_t s_live_statement_mark = 1;

void stmt_live_add(StatementRecord *s) {
  if (s->live_mark == s_live_statement_mark)
    return;
  s->live_mark = s_live_statement_mark;
  s->live_prev = nullptr;
  s->live_next = s_live_statements;
  if (s_live_statements)
    s_live_statements->live_prev = s;
  s_live_statements = s;
}

void stmt_live_remove(StatementRecord *s) {
  if (s->live_mark != s_live_statement_mark)
    return;
  if (s->live_prev)
    s->live_prev->live_next = s->live_next;
  else
    s_live_statements = s->live_next;
  if (s->live_next)
    s->live_next->live_prev = s->live_prev;
  s->live_prev = s->live_next = nullptr;
  s->live_mark = 0;
}

void stmt_live_forget_all() {
  s_live_statements = nullptr;
  if (++s_live_statement_mark == 0)
    s_live_statement_mark = 1;
}

void stmt_live_free_all() {
  while (s_live_statements)
    stmtRelease(s_live_statements);  // unlinks it
}

void stmtFreeList(StatementRecord *list) {
  while (list) {
    StatementRecord *next = list->next;
    pcodellFreeTree(list->tree);
    stmtRelease(list);
    list = next;
  }
}
