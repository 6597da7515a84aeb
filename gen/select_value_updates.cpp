// Updates whose value is used, for a statement the rules do not cover as
// it stands. In: a statement's tree that did not label as a statement.
// Out: the same tree with each compound assignment or increment of an
// object at a computed address (through a pointer, a member through a
// pointer, an array element) whose value its parent uses made a statement
// followed by a read of the object: x op= y becomes (x op= y, x), ++x
// becomes (++x, x), and x++ becomes (x++, x - step), exact since the
// integer object is as wide as the operation (a float's postfix form
// stays). The address has no effect of its own, so it may be evaluated
// twice.
#include "gen/select.h"
#include "gen/select_actions.h"
#include "trans/const.h"

namespace {

bool s_ram_incdec(int op) { return op >= I_PREINC8RAM && op <= I_PSTDECFRAM; }

// The object's kind: 0 to 3 for 8 to 32 bits, 4 for a float.
int s_kind(int op) { return (op - I_PREINC8RAM) % 5; }

pcodell_t *s_like(PcodellOp op, pcodell_t *l, pcodell_t *r, const pcodell_t *t) {
  pcodell_t *n = pcodell_create(op, l, r, t->line, t->file);
  n->data = t->data;
  n->type = t->type;
  n->step = t->step;
  n->size = t->size;
  return n;
}

// The value x++ or x-- had, from x read after the step: x -/+ step at the
// object's width.
pcodell_t *s_step_back(pcodell_t *read, int op, long step) {
  static const int32_t codes[] = {U8, U16, U24, U32};
  int kind = s_kind(op);
  bool inc = (op - I_PREINC8RAM) / 5 == 1;
  pcodell_t *k = pcodell_create(static_cast<PcodellOp>(I_CNST8 + kind), nullptr, nullptr, read->line, read->file);
  k->type = read->type;
  k->data.expr.cnst.value = const_make(codes[kind], step);
  pcodell_t *back = pcodell_create(static_cast<PcodellOp>(inc ? I_SUB8 + 7 * kind : I_cop8 + kind), read, k,
                                   read->line, read->file);
  back->type = read->type;
  back->data.expr.cop = B_ADD;
  return back;
}

bool s_rewrite(pcodell_t *t, bool used) {
  if (!t)
    return false;
  bool changed = s_rewrite(t->left, t->opcode != I_RIGHT);
  changed = s_rewrite(t->right, t->opcode != I_RIGHT || used) || changed;
  int op = int(t->opcode);
  bool incdec = s_ram_incdec(op);
  if (!used || (!incdec && !sel_plain_of_compound(op)))
    return changed;
  pcodell_t *lvalue = t->left;
  if (!lvalue || !isPcodellIndirection(lvalue) || !sel_tree_is_pure(lvalue->left))
    return changed;
  bool post = incdec && (op - I_PREINC8RAM) % 10 >= 5;
  if (post && s_kind(op) == 4)
    return changed;
  pcodell_t *update = s_like(t->opcode, t->left, t->right, t);
  pcodell_t *read = pcodell_copy(lvalue);
  t->opcode = I_RIGHT;
  t->left = update;
  t->right = post ? s_step_back(read, op, t->step ? t->step : 1) : read;
  t->type = lvalue->type;
  return true;
}

}  // namespace

bool sel_rewrite_value_updates(pcodell_t *root) { return s_rewrite(root, false); }
