// Small pieces shared by the translation handlers. In: trees, types and
// label prefixes. Out: statement lists with O(1) append, types owned by the
// translation for the whole run, internal labels, and the width member of
// each operator family.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "driver/diag.h"
#include "driver/settings.h"
#include "trans/trans.h"
#include "trans/trn_internal.h"

static std::vector<TypeRecord *> s_kept_types;
static long s_label_counter;

void slist_add(SList &list, pcodell_t *tree) {
  if (!tree)
    return;
  StatementRecord *s = trn_statement(tree);
  if (!list.head) {
    list.head = list.tail = s;
    return;
  }
  list.tail->next = s;
  s->previous = list.tail;
  list.tail = s;
}

void slist_cat(SList &list, const SList &more) {
  if (!more.head)
    return;
  if (!list.head) {
    list = more;
    return;
  }
  list.tail->next = more.head;
  more.head->previous = list.tail;
  list.tail = more.tail;
}

void slist_free(SList &list) {
  for (StatementRecord *s = list.head; s;) {
    StatementRecord *next = s->next;
    trn_free(s->tree);
    trn_forget_statement(s);
    stmtRelease(s);
    s = next;
  }
  list.head = list.tail = nullptr;
}

TypeRecord *trn_keep(TypeRecord *t) {
  if (t)
    s_kept_types.push_back(t);
  return t;
}

TypeRecord *trn_pointer_to(const TypeRecord *pointee) {
  TypeRecord *p = type_reference(type_copy(pointee));
  p->is_const = 0;
  return trn_keep(p);
}

TypeRecord *trn_truth_type() { return suppress_integer_promotion_flag ? char_type : int_type; }

void trn_free_kept_types() {
  for (TypeRecord *t : s_kept_types)
    type_free(t);
  s_kept_types.clear();
}

// Labels are unique in the run: the counter is never reset between functions.
const char *sGetInternalLabelName(const char *prefix) {
  static char buffer[3 + 242 + 4 + 24];  // room for the longest prefix and any counter
  VELC_ASSERT(strlen(prefix) <= 242);
  long number = s_label_counter++;
  if (number < 0) {
    snprintf(buffer, sizeof buffer, "___%s_lbl%05ld", prefix, number);
    return buffer;
  }
  // "___<prefix>_lbl" and the number in at least five digits, written by
  // hand: labels are made for every branch of every function.
  memcpy(buffer, "___", 3);
  size_t at = 3;
  size_t length = strlen(prefix);
  memcpy(buffer + at, prefix, length);
  at += length;
  memcpy(buffer + at, "_lbl", 4);
  at += 4;
  char digits[24];
  int count = 0;
  do {
    digits[count++] = static_cast<char>('0' + number % 10);
    number /= 10;
  } while (number > 0);
  for (int pad = count; pad < 5; pad++)
    buffer[at++] = '0';
  while (count > 0)
    buffer[at++] = digits[--count];
  buffer[at] = '\0';
  return buffer;
}

SymbolRecord *trn_new_label(const char *prefix) { return sym_create_label(sGetInternalLabelName(prefix)); }
void trn_reset_label_counter() { s_label_counter = 0; }

pcodell_t *ll_label(SymbolRecord *label, long line, const char *file) {
  pcodell_t *p = trn_node(I_LABEL, nullptr, nullptr, line, file);
  p->label = label;
  return p;
}

pcodell_t *ll_jump(SymbolRecord *label, long line, const char *file) {
  pcodell_t *p = trn_node(I_JMP, nullptr, nullptr, line, file);
  p->label = label;
  return p;
}

pcodell_t *ll_if(pcodell_t *cond, SymbolRecord *label, long line, const char *file) {
  pcodell_t *p = trn_node(I_IF, cond, nullptr, line, file);
  p->label = label;
  return p;
}

int trn_size_index(long size) {
  switch (size) {
  case 1: return 0;
  case 2: return 1;
  case 3: return 2;
  case 4: return 3;
  default: return 4;
  }
}

int trn_value_index(const TypeRecord *t, bool has_float) {
  if (has_float && is_type_float(t))
    return 4;
  return trn_size_index(ll_sizeof_type(t));
}

// IND rows run 8, 16, 24, 32, X for each address space in turn; a float
// object is read as its four bytes.
PcodellOp trn_indirection_op(const TypeRecord *t) {
  int width = trn_size_index(ll_sizeof_type(t));
  return static_cast<PcodellOp>(I_IND8RAM8 + pcodell_space_index(t) * 5 + width);
}

pcodell_t *trn_int_constant(int32_t code, long value, long line, const char *file) {
  return trnConstant(code, const_make(code, value), line, file);
}

long long trn_constant_read(const pcodell_t *c) {
  const ConstValue &v = c->data.expr.cnst.value;
  if (v.code == F32) {
    float f = v.value.f;  // NaN and values beyond 2 to the 62nd read as 0 or the bound
    if (f != f)
      return 0;
    return f >= 0x1p62f ? (1LL << 62) : f <= -0x1p62f ? -(1LL << 62) : static_cast<long long>(f);
  }
  if (v.code % 2 == 0)
    return get_signed_constant_value(v.code, v);
  return static_cast<long long>(get_unsigned_constant_value(v.code, v));
}

bool trn_constant_true(const pcodell_t *c) {
  const ConstValue &v = c->data.expr.cnst.value;
  if (v.code == F32)
    return v.value.f != 0.0f;
  return get_unsigned_constant_value(v.code, v) != 0;
}

// ---- live nodes ------------------------------------------------------------
// Every node and statement made during the translation is recorded until
// the translation hands its list over. A fatal diagnostic unwinds through
// half-built trees; the record lets the translation free exactly the nodes
// that are still alive, once each. The records are kept with the nodes and
// statements themselves (pcodell_live_*, stmt_live_*).

pcodell_t *trn_node(PcodellOp op, pcodell_t *left, pcodell_t *right, long line, const char *file) {
  pcodell_t *p = pcodell_create(op, left, right, line, file);
  pcodell_live_add(p);
  return p;
}

static void s_forget(pcodell_t *tree) {
  for (; tree; tree = tree->right) {
    s_forget(tree->left);
    pcodell_live_remove(tree);
  }
}

static void s_remember(pcodell_t *tree) {
  for (; tree; tree = tree->right) {
    s_remember(tree->left);
    pcodell_live_add(tree);
  }
}

void trn_free(pcodell_t *tree) {
  s_forget(tree);
  pcodellFreeTree(tree);
}

pcodell_t *trn_copy(const pcodell_t *tree) {
  pcodell_t *copy = pcodell_copy(tree);
  s_remember(copy);
  return copy;
}

void trn_disown(pcodell_t *tree) { s_forget(tree); }

StatementRecord *trn_statement(pcodell_t *tree) {
  StatementRecord *s = stmtCreate(tree);
  stmt_live_add(s);
  return s;
}

void trn_forget_statement(StatementRecord *s) { stmt_live_remove(s); }

void trn_release_all() {
  pcodell_live_forget_all();
  stmt_live_forget_all();
}

void trn_discard_all() {
  pcodell_live_free_all();
  stmt_live_free_all();
  trn_release_all();
}
