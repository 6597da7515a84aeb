// Debug dump of a low-level tree. In: a statement tree. Out: one line per
// node on standard output, depth first, left before right, indented four
// spaces per level, in a stable text form that golden files can compare.
#include <cstdio>

#include "trans/pcodell.h"

static void s_dump_payload(const pcodell_t *p) {
  if (p->opcode == I_JMP || p->opcode == I_IF || p->opcode == I_LABEL) {
    printf("(%s)\n", p->label && p->label->name ? p->label->name : "");
  } else if (is_pcodell_constant(p)) {
    const ConstValue &c = p->data.expr.cnst.value;
    if (c.code == F32)
      printf("(%f)\n", static_cast<double>(c.value.f));
    else
      printf("(%ld)\n", get_signed_constant_value(c.code, c));
  } else if (isPcodellIdentifier(p)) {
    printf("(%s)\n", p->data.expr.var.sym && p->data.expr.var.sym->name ? p->data.expr.var.sym->name : "");
  } else if (is_pcodell_commutativeOperator(p)) {
    static const char *const cops[] = {"(B_ADD)", "(B_AND)", "(B_OR)", "(B_XOR)"};
    int cop = p->data.expr.cop;
    printf("%s\n", cop >= 0 && cop <= 3 ? cops[cop] : "");
  } else {
    printf("\n");
  }
}

static void s_dump(const pcodell_t *p, int depth) {
  for (; p; p = p->right, depth++) {
    const char *name = pcodell_get_opcode_name(p->opcode);
    printf("%4ld: %*.*s%s", p->line, depth * 4, depth * 4, "", name ? name : "--ERROR--");
    s_dump_payload(p);
    s_dump(p->left, depth + 1);
    // the right child follows at depth + 1 through the loop
  }
}

void pcodell_dbg_dump_tree(const pcodell_t *tree) { s_dump(tree, 0); }
