// In-line assembly entries: in come labels, mnemonics and operand
// expression trees from the grammar; out goes the entry list of one `_asm`
// block, each operand reduced to a symbol plus offset or a literal. The
// expression trees are only read here; the grammar frees them.
#include <cstdlib>

#include "driver/diag.h"
#include "front/hl.h"
#include "front/parse_private.h"

asm_entry *asmLabel(char *name, long line) {
  asm_entry *entry = static_cast<asm_entry *>(hl_alloc(sizeof(asm_entry)));
  entry->type = LABEL_HINST;
  entry->text = name;
  entry->line = line;  // kept for the messages and the listing of the label
  return entry;
}

asm_entry *asmInstruction(char *mnemonic, asm_operand *operands, long line, char *file) {
  asm_entry *entry = static_cast<asm_entry *>(hl_alloc(sizeof(asm_entry)));
  entry->type = INST_HINST;
  entry->text = mnemonic;
  entry->operands = operands;
  entry->line = line;
  entry->file = file;
  return entry;
}

void asm_operands_free(asm_operand *op) {
  while (op) {
    asm_operand *following = op->next;
    free(op->symbol);
    free(op);
    op = following;
  }
}

void asm_entries_free(asm_entry *entries) {
  while (entries) {
    asm_entry *next = entries->next;
    asm_operands_free(entries->operands);
    free(entries->text);
    free(entries->file);
    free(entries);
    entries = next;
  }
}

// Deeper operand expressions than this are refused with 1253 rather than
// risking the host stack; no hand-written operand comes near it.
static const int S_MAX_DEPTH = 1000;

// A floating constant truncated toward zero; values beyond the 32-bit range
// saturate and a NaN gives 0, since converting those is undefined in C++.
static int32_t s_float_value(float f) {
  if (f != f)
    return 0;
  if (f >= 2147483648.0f)
    return INT32_MAX;
  if (f < -2147483648.0f)
    return INT32_MIN;
  return static_cast<int32_t>(f);
}

// The value of a constant as a signed number of its constant type.
static int32_t s_constant_value(const hl_constant &c) {
  switch (c.type) {
  case CT_CHAR: return static_cast<int8_t>(c.value.u & 0xFF);
  case CT_UCHAR: return static_cast<int32_t>(c.value.u & 0xFF);
  case CT_INT: return static_cast<int16_t>(c.value.u & 0xFFFF);
  case CT_UINT: return static_cast<int32_t>(c.value.u & 0xFFFF);
  case CT_SHORTLONG: {
    uint32_t v = c.value.u & 0xFFFFFF;
    return static_cast<int32_t>((v ^ 0x800000u) - 0x800000u);
  }
  case CT_USHORTLONG: return static_cast<int32_t>(c.value.u & 0xFFFFFF);
  case CT_FLOAT: return s_float_value(c.value.f);
  default: return c.value.i;
  }
}

static int32_t s_eval(const pcodehl *e, int depth, bool *ok);

// Binary operators on 32-bit signed values; wrap-around arithmetic through
// unsigned so that overflow is defined. Division by zero is refused.
static int32_t s_binary(int32_t kind, int32_t a, int32_t b, bool *ok) {
  uint32_t ua = static_cast<uint32_t>(a), ub = static_cast<uint32_t>(b);
  switch (kind) {
  case H_ADD: return static_cast<int32_t>(ua + ub);
  case H_SUB: return static_cast<int32_t>(ua - ub);
  case H_MUL: return static_cast<int32_t>(ua * ub);
  case H_DIV:
  case H_MOD:
    if (b == 0 || (a == INT32_MIN && b == -1)) {
      *ok = false;
      return 0;
    }
    return kind == H_DIV ? a / b : a % b;
  case H_EQ: return a == b;
  case H_NE: return a != b;
  case H_LT: return a < b;
  case H_GT: return a > b;
  case H_LTE: return a <= b;
  case H_GTE: return a >= b;
  case H_BAND: return static_cast<int32_t>(ua & ub);
  case H_BOR: return static_cast<int32_t>(ua | ub);
  case H_BXOR: return static_cast<int32_t>(ua ^ ub);
  case H_SHL: return static_cast<int32_t>(ua << (ub & 31));
  case H_SHR: return a >> (ub & 31);
  default: *ok = false; return 0;
  }
}

static int32_t s_unary(int32_t kind, int32_t a, bool *ok) {
  switch (kind) {
  case H_MINUS: return static_cast<int32_t>(0u - static_cast<uint32_t>(a));
  case H_PLUS: return a;
  case H_LNOT: return !a;
  case H_BNOT: return ~a;
  default: *ok = false; return 0;
  }
}

static int32_t s_eval(const pcodehl *e, int depth, bool *ok) {
  if (!e || depth > S_MAX_DEPTH) {
    *ok = false;
    return 0;
  }
  switch (e->kind) {
  case H_CNST: return s_constant_value(e->u.cnst);
  case H_CAST: return s_eval(e->left, depth + 1, ok);
  case H_MINUS: case H_PLUS: case H_LNOT: case H_BNOT:
    return s_unary(e->kind, s_eval(e->left, depth + 1, ok), ok);
  case H_LAND: {
    int32_t a = s_eval(e->left, depth + 1, ok);
    int32_t b = s_eval(e->right, depth + 1, ok);
    return a && b;
  }
  case H_LOR: {
    int32_t a = s_eval(e->left, depth + 1, ok);
    int32_t b = s_eval(e->right, depth + 1, ok);
    return a || b;
  }
  default: {
    int32_t a = s_eval(e->left, depth + 1, ok);
    int32_t b = s_eval(e->right, depth + 1, ok);
    return *ok ? s_binary(e->kind, a, b, ok) : 0;
  }
  }
}

int32_t s_compute_asm_constant(const pcodehl *expression) {
  bool ok = true;
  int32_t value = s_eval(expression, 0, &ok);
  if (ok)
    return value;
  hl_post(1253);
  return 0;
}

void resolve_asm_constant_expression(asm_operand *operand, const pcodehl *expression) {
  free(operand->symbol);
  operand->symbol = nullptr;
  operand->value = 0;
  if (expression && expression->kind == H_CAST)
    expression = expression->left;
  if (!expression)
    return;
  if (expression->kind == H_IDENT) {
    operand->symbol = hl_strdup(expression->u.ident.name);
    return;
  }
  bool offset = expression->kind == H_ADD || expression->kind == H_SUB;
  if (offset && expression->left->kind == H_IDENT) {
    operand->symbol = hl_strdup(expression->left->u.ident.name);
    int32_t v = s_compute_asm_constant(expression->right);
    operand->value = expression->kind == H_SUB ? static_cast<int32_t>(0u - static_cast<uint32_t>(v)) : v;
    return;
  }
  operand->value = s_compute_asm_constant(expression);
}
