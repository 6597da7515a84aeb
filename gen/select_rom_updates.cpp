// Updates of rom objects. In: a statement's tree before labelling, with
// compound assignments (x op= y) and increments or decrements of a rom
// object of 8 to 32 bits or a float, near or far, whose address has no
// effect of its own. Out: the same tree with each such update made a table
// write of the new value, x = x op y or x = x +/- step; where a postfix
// form's value is used, the old value is recomputed from the stored one
// (x = x + 1) - 1, exact since the object is as wide as the operation (so
// not for a float, whose postfix form with its value used stays).
#include "gen/select.h"
#include "gen/select_actions.h"
#include "trans/const.h"

namespace {

// The rom object's kind: 0 to 3 for 8 to 32 bits, 4 for a float; -1 for
// anything else.
constexpr int FLOAT_KIND = 4;
int s_rom_width(const pcodell_t *lvalue) {
  if (!lvalue)
    return -1;
  switch (lvalue->opcode) {
  case I_IND8ROM16:
  case I_IND8ROM24: return 0;
  case I_IND16ROM16:
  case I_IND16ROM24: return 1;
  case I_IND24ROM16:
  case I_IND24ROM24: return 2;
  case I_IND32ROM16:
  case I_IND32ROM24: return lvalue->type && is_type_float(lvalue->type) ? FLOAT_KIND : 3;
  default: return -1;
  }
}

bool s_rom_incdec(int op) { return op >= I_PREINC8ROM && op <= I_PSTDECFROM; }

pcodell_t *s_const(int width, long value, const pcodell_t *like) {
  pcodell_t *c = pcodell_create(static_cast<PcodellOp>(I_CNST8 + width), nullptr, nullptr, like->line, like->file);
  static const int32_t codes[] = {U8, U16, U24, U32};
  c->data.expr.cnst.value = width == FLOAT_KIND ? const_make_float(float(value)) : const_make(codes[width], value);
  c->type = like->type;
  return c;
}

// a + k (add) or a - k, at the width of the rom object.
pcodell_t *s_step(pcodell_t *a, bool add, long k, int width, const pcodell_t *like) {
  int op = width == FLOAT_KIND ? (add ? I_ADDF : I_SUBF) : add ? I_cop8 + width : I_SUB8 + 7 * width;
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
  int mov = I_MOV8 + (width == FLOAT_KIND ? 3 : width);
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
  if (post && used && width == FLOAT_KIND)  // (x + 1.0) - 1.0 need not be x
    return;
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
