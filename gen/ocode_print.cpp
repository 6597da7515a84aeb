// The listing of output code. In: nodes of an output-code list. Out: one
// text line per node on standard output, the form the assembly listing and
// the optimiser's traces use.
#include <cstdio>

#include "driver/diag.h"
#include "gen/ocode.h"

static const char *const s_branch_names[] = {"OC_BRANCH", "OC_BZ",  "OC_BNZ",  "OC_BC", "OC_BNC",
                                             "OC_BOV",    "OC_BNOV", "OC_BN",  "OC_BNN"};

static const char *s_symbol_name(const SymbolRecord *sym) { return sym && sym->name ? sym->name : "NULL"; }

static const char *s_label_name(const ocode *label) {
  return label && label->data.label.sym ? s_symbol_name(label->data.label.sym) : "NULL";
}

// The target as " %s", " %ld", " block #%d" or " xxxx", after prefix.
static void s_print_target(const ocode *oc, const char *prefix) {
  switch (oc->data.branch.type) {
  case SYMBOL_BRANCH:
    printf("%s%s", prefix, s_symbol_name(oc->data.branch.target.symbol));
    break;
  case LABEL_BRANCH:
    printf("%s%s", prefix, s_label_name(oc->data.branch.target.label));
    break;
  case LITERAL_BRANCH:
    printf("%s%ld", prefix, oc->data.branch.target.literal);
    break;
  case BLOCK_BRANCH:
    printf("%sblock #%d", prefix, oc->data.branch.target.block ? oc->data.branch.target.block->number : -1);
    break;
  default:
    printf("%sxxxx", prefix);
    break;
  }
}

static void s_print_bit_test(const ocode *oc) {
  printf(oc->type == OC_BTFBS ? "OC_BTFBS " : "OC_BTFBC ");
  const auto &src = oc->data.branch.data;
  if (src.src_type == SRC_SYMBOL)
    printf("%s+%d, %d, %d ", s_symbol_name(src.sym), src.offset, src.bit, src.access);
  else
    printf("[%d], %d ", src.offset, src.bit);
  s_print_target(oc, "--> ");
}

int printOcode(const ocode *oc, int newline) {
  VELC_ASSERT(oc->type != OC_PUSH_TEMPS && oc->type != OC_POP_TEMPS);
  printf("(%4ld): ", oc->line);
  int printed = 0;
  switch (oc->type) {
  case OC_NOP:
    printf("OC_NOP");
    break;
  case OC_LABEL:
    if (oc->data.label.sym)
      printf("OC_LABEL: %s", s_symbol_name(oc->data.label.sym));
    else
      printf("OC_LABEL");
    break;
  case OC_BFUNCT:
    printf("OC_BFUNCT: %s", s_symbol_name(oc->data.funct.sym));
    break;
  case OC_EFUNCT:
    printf("OC_EFUNCT: %s", s_symbol_name(oc->data.funct.sym));
    break;
  case OC_INST:
    printf("%-25s", inst_print(oc->data.inst.ins));
    printed = 1;
    break;
  case OC_BTFBS:
  case OC_BTFBC:
    s_print_bit_test(oc);
    printed = 1;
    break;
  default:
    VELC_ASSERT(oc->type >= OC_BRANCH && oc->type <= OC_BNN);
    printf("%s", s_branch_names[oc->type - OC_BRANCH]);
    s_print_target(oc, " ");
    printed = 1;
    break;
  }
  if (newline)
    printf("\n");
  return printed;
}

void printOcodeList(const ocode *list) {
  for (const ocode *oc = list; oc; oc = oc->next)
    printOcode(oc, 1);
}
