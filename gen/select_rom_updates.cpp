// Updates of rom objects. In: a statement's tree before labelling, with
// compound assignments (x op= y) and increments or decrements of a rom byte
// or int, near or far, whose address has no effect of its own. Out: the
// same tree with each such update made a table write of the new value,
// x = x op y or x = x +/- step; where a postfix form's value is used, the
// old value is recomputed from the stored one (x = x + 1) - 1, exact since
// the object is as wide as the operation.
#include "gen/select.h"
#include "gen/select_actions.h"
#include "trans/const.h"

namespace {

// 0 for a byte, 1 for an int in rom, -1 for anything else.
int s_rom_width(const pcodell_t *lvalue) {
  if (!lvalue)
    return -1;
  switch (lvalue->opcode) {
  case I_IND8ROM16:
  case I_IND8ROM24: return 0;
  case I_IND16ROM16:
  case I_IND16ROM24: return 1;
  default: return -1;
  }
}

bool s_rom_incdec(int op) { return op >= I_PREINC8ROM && op <= I_PSTDECFROM; }

pcodell_t *s_const(int width, long value, const pcodell_t *like) {
  pcodell_t *c = pcodell_create(width == 0 ? I_CNST8 : I_CNST16, nullptr, nullptr, like->line, like->file);
  c->data.expr.cnst.value = const_make(width == 0 ? U8 : U16, value);
  c->type = like->type;
  return c;
}

// a + k (add) or a - k, at the width of the rom object.
pcodell_t *s_step(pcodell_t *a, bool add, long k, int width, const pcodell_t *like) {
  int op = add ? (width == 0 ? I_cop8 : I_cop16) : (width == 0 ? I_SUB8 : I_SUB16);
  pcodell_t *t = pcodell_create(static_cast<PcodellOp>(op), a, s_const(width, k, like), like->line, like->file);
  t->type = like->type;
  t->data.expr.cop = B_ADD;
  return t;
}

// t itself rewritten; `used`: its value is needed by its parent.
void s_rewrite(pcodell_t *t, bool used) {
  if (!t)
    return;
  bool right_used = t->opcode != I_RIGHT || used;
  s_rewrite(t->left, t->opcode != I_RIGHT);
  s_rewrite(t->right, right_used);
  int op = int(t->opcode);
  pcodell_t *lvalue = t->left;
  int width = s_rom_width(lvalue);
  int plain = sel_plain_of_compound(op);
  bool incdec = s_rom_incdec(op);
  if (width < 0 || (!plain && !incdec) || !sel_tree_is_pure(lvalue->left))
    return;
  int mov = width == 0 ? I_MOV8 : I_MOV16;
  if (plain) {
    pcodell_t *value = pcodell_create(static_cast<PcodellOp>(plain), pcodell_copy(lvalue), t->right, t->line, t->file);
    value->type = lvalue->type;
    value->data.expr.cop = t->data.expr.cop;
    t->opcode = static_cast<PcodellOp>(mov);
    t->right = value;
    return;
  }
  int kind = (op - I_PREINC8ROM) / 5;  // 0 ++x, 1 x++, 2 --x, 3 x--
  bool inc = kind < 2, post = kind == 1 || kind == 3;
  long k = t->step ? t->step : 1;
  pcodell_t *value = s_step(pcodell_copy(lvalue), inc, k, width, lvalue);
  if (!post || !used) {
    t->opcode = static_cast<PcodellOp>(mov);
    t->right = value;
    return;
  }
  pcodell_t *store = pcodell_create(static_cast<PcodellOp>(mov), lvalue, value, t->line, t->file);
  store->type = lvalue->type;
  pcodell_t *old = s_step(store, !inc, k, width, lvalue);
  pcodell_t *old_right = old->right;
  t->opcode = old->opcode;
  t->data.expr.cop = old->data.expr.cop;
  t->type = old->type;
  t->left = store;
  t->right = old_right;
  old->left = old->right = nullptr;
  pcodell_release_node(old);
}

}  // namespace

void sel_rewrite_rom_updates(pcodell_t *root) { s_rewrite(root, false); }
